// The BIOS page: the cutting of the version value into lines, the registry
// sources of the NT family with their failures, the ROM texts of Windows 9x,
// and the page on other platform kinds.
#include <cctype>
#include <functional>

#include "form_fixture.h"
#include "pages/bios_page.h"
#include "present/texts.h"
#include "platform/registry_locations.h"

namespace {

using platform::kLocalMachine;
using Lines = std::vector<std::string>;

constexpr const char* kSystem = "HARDWARE\\DESCRIPTION\\System";
constexpr const char* kDevice = "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E97D-E325-11CE-BFC1-08002BE10318}\\0014";

std::vector<std::uint8_t> raw(const std::string& text) {
    return fake::bytes(text, false);
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// ----- ReadBinaryStrings -----

TEST(ReadBinaryStringsTest, CutsTheFirst99BytesIntoPrintableRuns) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        Lines expected;
    };
    const std::string run93(93, 'z');
    const Case cases[] = {
        {"two strings of a multi-string", platform::kRegMultiSz, raw(std::string("AB\0DE\0\0", 7)), {"AB", "DE"}},
        {"one string, no zero at its end", platform::kRegBinary, raw("ABC"), {"ABC"}},
        // 6 + 93 = 99 bytes: the run that reaches the 99th byte is still open and dropped.
        {"99 bytes ending printable", platform::kRegBinary, raw(std::string("first\0", 6) + run93), {"first"}},
        // The zero in the 100th byte would end the run, but that byte is never looked at.
        {"100 bytes", platform::kRegBinary, raw(std::string("first\0", 6) + run93 + std::string(1, '\0')),
         {"first"}},
        {"98 bytes ending printable", platform::kRegBinary, raw(std::string("first\0", 6) + std::string(92, 'z')),
         {"first", std::string(92, 'z')}},
        {"control bytes at the start and in a row", platform::kRegBinary,
         raw(std::string("\x01\x1f\r\nAB\t\x7f\x10\n\x1f CD\0\0", 15)), {"AB", "\x7f", " CD"}},
        {"bytes of 128 and above", platform::kRegBinary, raw("\x82\xa0\x95\x5c\xff\x80~"), {"\x82\xa0\x95\x5c\xff\x80~"}},
        {"only zeros", platform::kRegBinary, raw(std::string(100, '\0')), {}},
        {"no bytes", platform::kRegBinary, {}, {}},
        {"another binary type", platform::kRegNone, raw("X1"), {"X1"}},
    };
    for (const Case& c : cases) {
        fake::Platform machine;
        machine.registry.set(kLocalMachine, kSystem, "SystemBIOSVersion", c.type, c.data);
        registry::Key key = registry::Key::open(machine, kLocalMachine, registry::kSystemKey, platform::kKeyRead);
        ASSERT_TRUE(key);
        std::optional<Lines> read = pages::readBinaryStrings(key, "SystemBIOSVersion");
        ASSERT_TRUE(read) << c.what;
        EXPECT_EQ(*read, c.expected) << c.what;
    }
}

TEST(ReadBinaryStringsTest, AMissingValueOrKeyGivesNoEntries) {
    fake::Platform machine;
    machine.registry.createKey(kLocalMachine, kSystem);
    EXPECT_EQ(pages::readBinaryStrings(registry::Key(), "SystemBIOSVersion"), Lines{});  // no key open
    registry::Key key = registry::Key::open(machine, kLocalMachine, registry::kSystemKey, platform::kKeyRead);
    ASSERT_TRUE(key);
    EXPECT_EQ(pages::readBinaryStrings(key, "SystemBIOSVersion"), Lines{});
}

TEST(ReadBinaryStringsTest, AValueThatDoesNotFitOrIsNotBinaryGivesNone) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {"101 bytes", platform::kRegBinary, raw(std::string(101, 'A'))},
        {"101 bytes of a multi-string", platform::kRegMultiSz, raw(std::string(101, '\0'))},
        {"a string", platform::kRegSz, fake::bytes("BIOS 1.0")},
        {"an expandable string", platform::kRegExpandSz, fake::bytes("BIOS 1.0")},
        {"a 32-bit number", platform::kRegDword, {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        fake::Platform machine;
        machine.registry.set(kLocalMachine, kSystem, "SystemBIOSVersion", c.type, c.data);
        registry::Key key = registry::Key::open(machine, kLocalMachine, registry::kSystemKey, platform::kKeyRead);
        ASSERT_TRUE(key);
        EXPECT_EQ(pages::readBinaryStrings(key, "SystemBIOSVersion"), std::nullopt) << c.what;
    }
}

// ----- the page -----

class BiosPageTest : public FormTest {
protected:
    void TearDown() override { EXPECT_EQ(machine.registry.openHandles(), 0u) << "a key was left open"; }

    Lines memo() { return control<ui::TextBox>(ids::Memo8).lines(); }

    // The layout already gives Edit1 the title: it is taken away first, so
    // that only the page's own write can put it back.
    void start() {
        control(ids::Edit1).setText("");
        FormTest::start();
    }

    // A machine of the NT family with every BIOS value present but one.
    void completeNtMachine(const std::string& without = "") {
        fake::makeWindowsXp(machine);
        machine.registry.createKey(kLocalMachine, kSystem);
        machine.registry.createKey(kLocalMachine, kDevice);
        auto set = [&](const char* key, const char* name, std::uint32_t type, std::vector<std::uint8_t> data) {
            if (name != without) machine.registry.set(kLocalMachine, key, name, type, std::move(data));
        };
        set(kSystem, "SystemBIOSVersion", platform::kRegMultiSz,
            raw(std::string("VBOX   - 1\0BIOS Date: 12/01/06\0\0", 33)));
        set(kSystem, "SystemBIOSDate", platform::kRegSz, fake::bytes("12/01/06"));
        set(kDevice, "DriverDesc", platform::kRegSz, fake::bytes("System board"));
        set(kDevice, "DriverVersion", platform::kRegSz, fake::bytes("5.1.2600.0"));
    }

    // A window of its own on the machine as it now is, for one case of a
    // table: its BIOS lines after FormCreate, which sets the title, reports
    // nothing and leaves no key open.
    Lines createAnother() {
        RecordedWindow another(machine);
        another.control(ids::Edit1).setText("");
        another.create();
        EXPECT_EQ(another.control(ids::Edit1).text(), texts::kBiosTitle);
        EXPECT_TRUE(another.shown.messages.empty());
        EXPECT_EQ(machine.registry.openHandles(), 0u);
        return another.control<ui::TextBox>(ids::Memo8).lines();
    }

    void expectTitleAndNoMessage() {
        EXPECT_EQ(text(ids::Edit1), texts::kBiosTitle);
        EXPECT_TRUE(shown().messages.empty());
        EXPECT_TRUE(shown().messages.empty());
    }

    // The ROM area as Windows 9x maps it: readable from F000:0000 to the end
    // of the first megabyte, zeros except for the texts placed in it.
    void rom(std::uint32_t address, const std::string& text) {
        auto& area = machine.lowMemory[0xF0000];
        area.resize(0x10000, 0);
        std::copy(text.begin(), text.end(), area.begin() + (address - 0xF0000));
    }
};

TEST_F(BiosPageTest, NtShowsTheVersionStringsTheDateAndTheSystemBoardDriver) {
    completeNtMachine();
    start();
    EXPECT_EQ(memo(), (Lines{"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "System board",
                             "Ver 5.1.2600.0"}));
    EXPECT_TRUE(visible(ids::BIOSTab));
    expectTitleAndNoMessage();
}

TEST_F(BiosPageTest, NtStringsOfMegabytesAreCutToABoundedLine) {
    completeNtMachine();
    const std::string longest(pages::kRegistryTextBound, 'D');
    // 表 is 95 5C in Shift-JIS: a two-byte character across the bound is left out whole.
    std::string across = std::string(pages::kRegistryTextBound - 1, 'V') + "表表";
    machine.registry.set(kLocalMachine, kSystem, "SystemBIOSDate", platform::kRegSz,
                         fake::bytes(std::string(1048576, 'D')));
    machine.registry.set(kLocalMachine, kDevice, "DriverDesc", platform::kRegSz, fake::bytes(longest));
    machine.registry.set(kLocalMachine, kDevice, "DriverVersion", platform::kRegSz, fake::bytes(across));
    start();
    EXPECT_EQ(memo(), (Lines{"", "VBOX   - 1", "BIOS Date: 12/01/06", "", longest, longest,
                             "Ver " + std::string(pages::kRegistryTextBound - 1, 'V')}));
    expectTitleAndNoMessage();
}

TEST_F(BiosPageTest, NtMissingValuesAndKeysGiveEmptyLines) {
    struct Case {
        const char* what;
        std::string without;
        std::function<void(fake::Registry&)> change;
        Lines expected;
    };
    const auto unchanged = [](fake::Registry&) {};
    const Case cases[] = {
        {"no version", "SystemBIOSVersion", unchanged, {"", "", "12/01/06", "System board", "Ver 5.1.2600.0"}},
        {"an empty version", "", [](fake::Registry& r) {
             r.set(kLocalMachine, kSystem, "SystemBIOSVersion", platform::kRegBinary, {});
         }, {"", "", "12/01/06", "System board", "Ver 5.1.2600.0"}},
        {"no date", "SystemBIOSDate", unchanged,
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "", "System board", "Ver 5.1.2600.0"}},
        {"no driver description", "DriverDesc", unchanged,
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "", "Ver 5.1.2600.0"}},
        {"no driver version", "DriverVersion", unchanged,
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "System board", "Ver "}},
        {"no system key", "", [](fake::Registry& r) { r.removeKey(kLocalMachine, kSystem); },
         {"", "", "", "System board", "Ver 5.1.2600.0"}},
        {"no access to the system key", "",
         [](fake::Registry& r) { r.deniedKeys.insert("hklm\\hardware\\description\\system"); },
         {"", "", "", "System board", "Ver 5.1.2600.0"}},
        // The driver values are then looked for in the system key, which has none.
        {"no class key", "", [](fake::Registry& r) { r.removeKey(kLocalMachine, kDevice); },
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "", "Ver "}},
        {"no access to the class key", "",
         [](fake::Registry& r) { r.deniedKeys.insert("hklm\\" + lower(kDevice)); },
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "", "Ver "}},
        {"neither key", "", [](fake::Registry& r) {
             r.removeKey(kLocalMachine, "HARDWARE");
             r.removeKey(kLocalMachine, "SYSTEM");
         }, {"", "", "", "", "Ver "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        machine = fake::Platform();
        completeNtMachine(c.without);
        c.change(machine.registry);
        EXPECT_EQ(createAnother(), c.expected);
    }
}

TEST_F(BiosPageTest, NtKeysThatGrantReadingOnlyAreRead) {
    completeNtMachine();
    machine.registry.readOnlyKeys = {"hklm\\hardware\\description\\system", "hklm\\" + lower(kDevice)};
    start();
    EXPECT_EQ(memo(), (Lines{"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "System board",
                             "Ver 5.1.2600.0"}));
}

TEST_F(BiosPageTest, NtClassKeyThatDoesNotOpenLeavesTheReadsInTheSystemKey) {
    completeNtMachine();
    machine.registry.removeKey(kLocalMachine, kDevice);
    machine.registry.setString(kLocalMachine, kSystem, "DriverDesc", "from the system key");
    start();
    EXPECT_EQ(memo().at(5), "from the system key");
    EXPECT_EQ(memo().at(6), "Ver ");
}

TEST_F(BiosPageTest, NtAReadErrorEndsTheListKeepingTheLinesBeforeIt) {
    struct Case {
        const char* what;
        std::function<void(fake::Registry&)> change;
        Lines expected;
    };
    const auto version = [](std::uint32_t type, std::vector<std::uint8_t> data) {
        return [type, data](fake::Registry& r) { r.set(kLocalMachine, kSystem, "SystemBIOSVersion", type, data); };
    };
    const Case cases[] = {
        {"a version of 101 bytes", version(platform::kRegBinary, raw(std::string(101, 'A'))), {""}},
        {"a string-typed version", version(platform::kRegSz, fake::bytes("VBOX")), {""}},
        {"a version of 32 bits", version(platform::kRegDword, {1, 0, 0, 0}), {""}},
        {"a date that is no string",
         [](fake::Registry& r) { r.set(kLocalMachine, kSystem, "SystemBIOSDate", platform::kRegBinary, raw("12")); },
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", ""}},
        {"a driver version that is no string",
         [](fake::Registry& r) { r.set(kLocalMachine, kDevice, "DriverVersion", platform::kRegDword, {5, 0, 0, 0}); },
         {"", "VBOX   - 1", "BIOS Date: 12/01/06", "", "12/01/06", "System board"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        machine = fake::Platform();
        completeNtMachine();
        c.change(machine.registry);
        EXPECT_EQ(createAnother(), c.expected);
    }
}

TEST_F(BiosPageTest, W9xShowsTheFourRomTextsInTheirOrder) {
    fake::makeWindows98(machine);
    rom(0xFE061, std::string("Award Modular BIOS v4.51PG\0", 27));
    rom(0xFE091, std::string("Award Plug and Play BIOS Extension v1.0A\r\nCopyright (C) 1998\0", 61));
    rom(0xFFFF5, std::string("08/10/98\0", 9));
    rom(0xFEC71, std::string("08/10/98-i440BX-2A69KA1FC-00\0", 29));
    start();
    EXPECT_EQ(memo(), (Lines{"", "Award Modular BIOS v4.51PG", "Award Plug and Play BIOS Extension v1.0A",
                             "Copyright (C) 1998", "08/10/98", "08/10/98-i440BX-2A69KA1FC-00"}));
    EXPECT_TRUE(visible(ids::BIOSTab));
    EXPECT_EQ(machine.registry.openHandles(), 0u);
    expectTitleAndNoMessage();
}

TEST_F(BiosPageTest, W9xUnreadableOrUnendedRomTextsStayWithinTheirBound) {
    fake::makeWindows98(machine);
    // The first text runs into memory that cannot be read, where the second
    // lies; the date runs to the end of the first megabyte (11 bytes from
    // F000:FFF5) and on beyond it; the last has no zero within 256 bytes.
    machine.lowMemory[0xFE061] = raw("i440BX");
    machine.lowMemory[0xFFFF5] = std::vector<std::uint8_t>(300, 'D');
    machine.lowMemory[0xFEC71] = std::vector<std::uint8_t>(400, 'A');
    start();
    EXPECT_EQ(memo(), (Lines{"", "i440BX", "", std::string(11, 'D'), std::string(256, 'A')}));
    expectTitleAndNoMessage();
}

TEST_F(BiosPageTest, W9xWithNothingReadableShowsEmptyLines) {
    fake::makeWindows98(machine);
    start();
    EXPECT_EQ(memo(), (Lines{"", "", "", "", ""}));
    expectTitleAndNoMessage();
}

TEST_F(BiosPageTest, AFailedVersionQueryLeavesThePageAsDesigned) {
    completeNtMachine();
    machine.version.reset();
    start();
    EXPECT_EQ(text(ids::Memo8), "");
    EXPECT_EQ(text(ids::Edit1), "");  // nothing written: the title stays as the layout has it
    EXPECT_TRUE(visible(ids::BIOSTab));
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(BiosPageTest, OtherPlatformKindsHideThePage) {
    for (std::uint32_t kind : {0u, 3u}) {
        machine = fake::Platform();
        machine.version = platform::VersionInfo{kind, 3, 10, 0, ""};
        RecordedWindow other(machine);
        other.create();
        auto& page = other.control<ui::TabPage>(ids::BIOSTab);
        EXPECT_FALSE(page.visible()) << kind;
        EXPECT_EQ(other.control(ids::Memo8).text(), "") << kind;
        // A hidden page cannot be chosen.
        other.control<ui::PageControl>(ids::PageControl1).setActivePage(page);
        EXPECT_NE(other.control<ui::PageControl>(ids::PageControl1).activePage(), &page) << kind;
    }
}

}  // namespace
