// The platform kind, and that one kind decides every branch: a Windows 9x
// compatibility mode on the NT family must not lead to the 9x branch.
#include "platform/platform_profile.h"

#include "form_fixture.h"

namespace {

using platform::kLocalMachine;
using platform::PlatformKind;

TEST(PlatformKindTest, ThePlatformIdNamesTheKind) {
    const std::pair<std::uint32_t, PlatformKind> cases[] = {
        {0, PlatformKind::Other}, {1, PlatformKind::Windows9x}, {2, PlatformKind::WindowsNt}, {3, PlatformKind::Other}};
    for (const auto& [id, kind] : cases) EXPECT_EQ(platform::kindOf(id), kind) << id;
}

TEST(PlatformKindTest, TheKernelsOwnVersionComesBeforeTheVersionQuery) {
    struct Case {
        const char* what;
        std::optional<platform::VersionInfo> reported;
        std::optional<platform::VersionInfo> kernel;
        std::optional<PlatformKind> kind;
    };
    const platform::VersionInfo win98{1, 4, 10, 2222, " A "}, win8{2, 6, 2, 9200, ""};
    const Case cases[] = {
        {"Windows 98", win98, std::nullopt, PlatformKind::Windows9x},
        {"Windows 8", win8, win8, PlatformKind::WindowsNt},
        {"Windows 8 in a Windows 98 mode", win98, win8, PlatformKind::WindowsNt},
        {"NT 4, without the kernel's call", platform::VersionInfo{2, 4, 0, 1381, "Service Pack 6"}, std::nullopt,
         PlatformKind::WindowsNt},
        {"the version query failing where the kernel answers", std::nullopt, win8, PlatformKind::WindowsNt},
        {"nothing answers", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        fake::Platform machine;
        machine.version = c.reported;
        machine.kernelVersion = c.kernel;
        EXPECT_EQ(platform::queryPlatformKind(machine), c.kind) << c.what;
    }
}

class CompatibilityModeTest : public FormTest {
protected:
    // Windows 8 told by its compatibility layer to say it is Windows 98.
    CompatibilityModeTest() {
        fake::makeWindows98(machine);
        machine.kernelVersion = platform::VersionInfo{2, 6, 2, 9200, ""};
        auto& r = machine.registry;
        r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner", "Owner 9x");
        r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "Owner NT");
        r.setString(kLocalMachine, "SYSTEM\\ControlSet001\\Control\\Class\\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\\0000",
                    "DriverDesc", "Processor NT");
        r.setString(kLocalMachine, "HARDWARE\\DESCRIPTION\\System", "SystemBIOSDate", "01/02/03");
        r.set(platform::kDynData, "PerfStats\\StartStat", "KERNEL\\CPUUsage", platform::kRegBinary, {0, 0, 0, 0});
        r.set(platform::kDynData, "PerfStats\\StatData", "KERNEL\\CPUUsage", platform::kRegBinary, {42, 0, 0, 0});
        // What a process of the NT family finds at the ROM addresses: anything.
        machine.lowMemory[0xFE061] = fake::bytes("not a BIOS");
        machine.services16 = false;
    }
};

TEST_F(CompatibilityModeTest, EveryBranchIsTheNtFamilys) {
    start();
    form().dispatch([&] { timer(ids::Timer2).fire(); });
    EXPECT_EQ(text(ids::NowName), "Owner NT");
    EXPECT_EQ(text(ids::Edit3), "Processor NT");
    EXPECT_FALSE(visible(ids::Gauge6));
    EXPECT_EQ(text(ids::Label21), "100%");  // no load read
    const std::vector<std::string> lines = control<ui::TextBox>(ids::Memo8).lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "01/02/03"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "not a BIOS"), lines.end());
    for (const std::string& read : machine.registry.reads) EXPECT_NE(read.rfind("hkdd", 0), 0u) << read;

    form().dispatch([&] { control(ids::Change).click(); });
    control(ids::NewName).textEdited("New Owner");
    form().dispatch([&] { control(ids::Touroku).click(); });
    EXPECT_EQ(machine.registry.find(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner")
                  ->data,
              fake::bytes("New Owner"));
    EXPECT_EQ(machine.registry.find(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner")
                  ->data,
              fake::bytes("Owner 9x"));
    form().dispatch([&] { window().destroy(); });
    for (const std::string& read : machine.registry.reads) EXPECT_NE(read.rfind("hkdd", 0), 0u) << read;
}

}  // namespace
