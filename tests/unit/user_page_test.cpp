// The user page's viewing side: keys by platform, the refresh, the computer name.
#include "form_fixture.h"

#include "platform/registry_locations.h"

namespace {

namespace colours = present::colours;
using platform::kLocalMachine;

const char* const kKey9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char* const kKeyNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char* const kCpu = "Hardware\\Description\\System\\CentralProcessor\\0";
const char* const kCpuClass = "SYSTEM\\ControlSet001\\Control\\Class\\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\\0000";

class UserPageTest : public FormTest {
protected:
    UserPageTest() {
        auto& r = machine.registry;
        r.setString(kLocalMachine, kKey9x, "RegisteredOwner", "Owner 9x");
        r.setString(kLocalMachine, kKey9x, "RegisteredOrganization", "Org 9x");
        r.setString(kLocalMachine, kKeyNt, "RegisteredOwner", "Owner NT");
        r.setString(kLocalMachine, kKeyNt, "RegisteredOrganization", "Org NT");
        r.setString(kLocalMachine, kCpu, "Identifier", "x86 Family 6 Model 8 Stepping 3");
        r.setString(kLocalMachine, kCpu, "VendorIdentifier", "GenuineIntel");
        r.setString(kLocalMachine, kCpuClass, "DriverDesc", "Intel(R) Core(TM) i7 CPU");
    }
    void TearDown() override { EXPECT_EQ(machine.registry.openHandles(), 0u); }
    void refresh() {
        form().dispatch([&] { control<ui::Button>(ids::Button8).click(); });
    }
    bool loadControlsVisible() {
        bool a = visible(ids::Label9), b = visible(ids::Label21), c = visible(ids::Gauge6);
        EXPECT_TRUE(a == b && b == c);
        return a;
    }
};

TEST_F(UserPageTest, Windows9xReadsItsOwnKeysAndShowsTheLoadControls) {
    fake::makeWindows98(machine);
    start();
    EXPECT_EQ(text(ids::NowName), "Owner 9x");
    EXPECT_EQ(text(ids::NowCompany), "Org 9x");
    EXPECT_EQ(text(ids::NewName), "Owner 9x");
    EXPECT_EQ(text(ids::NewCompany), "Org 9x");
    EXPECT_EQ(text(ids::Edit3), "x86 Family 6 Model 8 Stepping 3");
    EXPECT_EQ(text(ids::Edit4), "GenuineIntel");
    EXPECT_TRUE(loadControlsVisible());
    EXPECT_STREQ(window().profile().versionKey, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\");
    EXPECT_EQ(text(ids::M1), "登録情報を表示中です\r\n変更は登録変更ボタン");
    EXPECT_EQ(fontColour(ids::M1), colours::white);
}

TEST_F(UserPageTest, TheNtFamilyReadsTheProcessorClassKeyAndHidesTheLoadControls) {
    fake::makeWindowsXp(machine);
    start();
    EXPECT_EQ(text(ids::NowName), "Owner NT");
    EXPECT_EQ(text(ids::NowCompany), "Org NT");
    EXPECT_EQ(text(ids::Edit3), "Intel(R) Core(TM) i7 CPU");
    EXPECT_EQ(text(ids::Edit4), "GenuineIntel");
    EXPECT_FALSE(loadControlsVisible());
}

TEST_F(UserPageTest, WithoutAKnownPlatformNothingIsReadFromElsewhere) {
    machine.version.reset();  // the version query fails
    start();
    for (int id : {ids::NowName, ids::NowCompany, ids::NewName, ids::NewCompany, ids::Edit3, ids::Edit4})
        EXPECT_EQ(text(id), "") << id;
    EXPECT_TRUE(loadControlsVisible());  // their design state
    EXPECT_EQ(window().profile().versionKey, nullptr);
    EXPECT_EQ(text(ids::M1), "登録情報を表示中です\r\n変更は登録変更ボタン");

    fake::Platform other = machine;
    other.version = platform::VersionInfo{3, 10, 0, 0, ""};  // neither 9x nor NT
    RecordedWindow neither(other);
    neither.create();
    EXPECT_EQ(neither.control(ids::NowName).text(), "");
    EXPECT_EQ(neither.control(ids::Edit3).text(), "");
    EXPECT_EQ(neither.control(ids::Edit4).text(), "GenuineIntel");  // the processor key is known on any platform
    EXPECT_TRUE(neither.control(ids::Gauge6).visible());
}

TEST_F(UserPageTest, OwnerValuesOfAnySizeAndType) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::string shown;
    };
    const Case cases[] = {
        {"254 bytes", platform::kRegSz, fake::bytes(std::string(254, 'o')), std::string(254, 'o')},
        {"255 bytes and its zero", platform::kRegSz, fake::bytes(std::string(255, 'o')), ""},
        {"4096 bytes", platform::kRegSz, fake::bytes(std::string(4096, 'o')), ""},
        {"empty", platform::kRegSz, fake::bytes(""), ""},
        {"no data", platform::kRegSz, {}, ""},
        {"Shift-JIS", platform::kRegSz, fake::bytes("山田　太郎"), "山田　太郎"},
        {"a number", platform::kRegDword, {'1', '2', 0, 0}, "12"},
        {"binary without a zero", platform::kRegBinary, {'a', 'b', 'c'}, "abc"},
    };
    fake::makeWindowsXp(machine);
    start();
    for (const Case& c : cases) {
        machine.registry.set(kLocalMachine, kKeyNt, "RegisteredOwner", c.type, c.data);
        refresh();
        EXPECT_EQ(text(ids::NowName), c.shown) << c.what;
        EXPECT_EQ(text(ids::NewName), c.shown) << c.what;
        EXPECT_EQ(text(ids::NowCompany), "Org NT") << c.what;
    }
    machine.registry.removeKey(kLocalMachine, kKeyNt);
    refresh();
    EXPECT_EQ(text(ids::NowName), "");
    EXPECT_EQ(text(ids::NowCompany), "");
}

TEST_F(UserPageTest, TheRefreshKeepsWhatWasTypedIntoTheComputerName) {
    fake::makeWindows98(machine);
    start();
    control(ids::NewPCName).textEdited("TYPED");
    control(ids::NewName).textEdited("typed owner");
    refresh();
    EXPECT_EQ(text(ids::NewPCName), "TYPED");
    EXPECT_EQ(text(ids::NewName), "Owner 9x");
}

TEST_F(UserPageTest, TheRefreshAlwaysEndsWithTheWhiteViewingText) {
    fake::makeWindows98(machine);
    start();
    control(ids::M1).hide();
    control<ui::TextBox>(ids::M1).setText("something else");
    control(ids::M1).setFontColour(colours::yellow);
    // Whatever a change of the copied texts makes of M1, the refresh sets it last.
    control(ids::NewName).onChange = [&] { control(ids::M1).setFontColour(colours::yellow); };
    machine.registry.setString(kLocalMachine, kKey9x, "RegisteredOwner", "Changed");
    refresh();
    EXPECT_EQ(text(ids::NewName), "Changed");
    EXPECT_EQ(fontColour(ids::M1), colours::white);
    EXPECT_EQ(text(ids::M1), "登録情報を表示中です\r\n変更は登録変更ボタン");
    EXPECT_FALSE(visible(ids::M1));  // the refresh never shows or hides M1
}

TEST_F(UserPageTest, TheComputerNameAtStart) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::string("ABCDEFGHIJKLMNO"), "ABCDEFGHIJKLMNO"},  // 15 bytes, whole
        {std::string("ABCDEFGHIJKLMNOP"), "???"},             // does not fit with its zero
        {std::nullopt, "???"},
    };
    for (const auto& [name, shown] : cases) {
        fake::Platform other;
        other.computerName = name;
        RecordedWindow window(other);
        window.create();
        EXPECT_EQ(window.control(ids::NowPCName).text(), shown);
        EXPECT_EQ(window.control(ids::NewPCName).text(), shown);
    }
}

TEST_F(UserPageTest, UnderWow64TheOwnerComesFromThe64BitView) {
    fake::makeWindowsXp(machine);
    machine.wow64 = true;
    machine.registry.setString(kLocalMachine, "SOFTWARE\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion",
                               "RegisteredOwner", "Owner32");
    start();
    EXPECT_EQ(text(ids::NowName), "Owner NT");  // the 64-bit view, which Windows shows
    EXPECT_EQ(text(ids::Edit3), "Intel(R) Core(TM) i7 CPU");
}

}  // namespace
