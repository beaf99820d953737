// The report of all seven pages: a fixture machine of each kind against the
// expected texts in tests/unit/expected (Shift-JIS, CRLF), pages whose
// figures are missing, the window menu's copy and the report mode.
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "app/command_line.h"
#include "app/report_mode.h"
#include "pages/inventory.h"
#include "form_fixture.h"
#include "present/texts.h"

namespace {

using platform::kLocalMachine;
using Lines = std::vector<std::string>;

constexpr const char* kComputerNameKey = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text against the expected file; with VELNOR_WRITE_EXPECTED set in the
// environment the file is written instead, for a change of the format that
// is meant (the review then shows it).
void expectSameAsFile(const std::string& text, const std::string& name) {
    const std::string path = std::string(VELNOR_EXPECTED_DIR) + "/" + name;
    if (std::getenv("VELNOR_WRITE_EXPECTED") != nullptr) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(text, readFile(path)) << "differs from " << path;
}

// The report's sections by title ("" for the lines before the first), each
// with its lines; the CR LF at every line's end checked on the way.
std::map<std::string, Lines> sectionsOf(const std::string& text) {
    std::map<std::string, Lines> sections;
    std::string title;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the last line has no CR LF";
            break;
        }
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF in " << line;
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            title = line.substr(1, line.size() - 2);
            sections[title];
        } else if (!line.empty()) {
            sections[title].push_back(line);
        }
        start = end + 2;
    }
    return sections;
}

// A machine with something on every page.
void fillCommon(fake::Platform& m) {
    m.disks[3] = {2147483648LL, 536870912LL};         // c: 2 GB, 1.5 GB used
    m.disks[4] = {42949672960LL, 8589934592LL};       // d: 40 GB
    m.volumes["c:\\"] = {0x1A2B3C4D, "FAT32", "SYSTEM"};
    m.volumes["d:\\"] = {0xABCD, "FAT32", ""};
    m.drives = 0x1D;  // a:, c:, d:, e: (a: and e: have no medium)
    m.driveTypes = {{'a', platform::DriveType::Removable}, {'e', platform::DriveType::CdRom}};
    m.clock.cpuHz = 733012345.0;
    m.clock.callCostMs = 0.005;
    m.displayModes = {{640, 480, 8}, {800, 600, 16}, {1024, 768, 32}};
    m.computerName = std::string("VELNOR-PC");
}

void makeFixture98(fake::Platform& m) {
    fake::makeWindows98(m);
    fillCommon(m);
    m.memory.totalPhys = 134217728;
    m.memory.availPhys = 33554432;
    auto& r = m.registry;
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner", "山田 太郎");
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization",
                "Velnor 研究所");
    r.setString(kLocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0", "Identifier",
                "x86 Family 5 Model 8 Stepping 12");
    r.setString(kLocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0", "VendorIdentifier",
                "AuthenticAMD");
    r.set(platform::kDynData, "PerfStats\\StartStat", "KERNEL\\CPUUsage", platform::kRegBinary, {0, 0, 0, 0});
    r.set(platform::kDynData, "PerfStats\\StatData", "KERNEL\\CPUUsage", platform::kRegBinary, {37, 0, 0, 0});
    // A new name registered before, waiting for the restart.
    r.setString(kLocalMachine, kComputerNameKey, "ComputerName", "NEWNAME");
    m.services16 = true;
    m.freeResources = {85, 85, 92};
    m.lowMemory[0xFE061] = fake::bytes("Award Modular BIOS v4.51PG");
    m.lowMemory[0xFE091] = fake::bytes("Copyright (C) 1984-98, Award Software, Inc.");
    m.lowMemory[0xFFFF5] = fake::bytes("08/13/98");
    m.lowMemory[0xFEC71] = fake::bytes("08/13/1998-i440BX-W977-2A69KA1IC-00");
}

void makeFixtureXp(fake::Platform& m) {
    fake::makeWindowsXp(m);
    fillCommon(m);
    m.memoryEx = platform::MemoryStatusEx{1610612736ULL, 536870912ULL};
    auto& r = m.registry;
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "Owner XP");
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOrganization", "");
    r.setString(kLocalMachine, "SYSTEM\\ControlSet001\\Control\\Class\\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\\0000",
                "DriverDesc", "Intel(R) Pentium(R) III processor");
    r.setString(kLocalMachine, "Hardware\\Description\\System\\CentralProcessor\\0", "VendorIdentifier",
                "GenuineIntel");
    r.set(kLocalMachine, "HARDWARE\\DESCRIPTION\\System", "SystemBIOSVersion", platform::kRegMultiSz,
          fake::bytes(std::string("INTEL  - 6040000\0PhoenixBIOS 4.0 Release 6.0\0\0", 47), false));
    r.setString(kLocalMachine, "HARDWARE\\DESCRIPTION\\System", "SystemBIOSDate", "12/31/99");
    const char* device = "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E97D-E325-11CE-BFC1-08002BE10318}\\0014";
    r.setString(kLocalMachine, device, "DriverDesc", "ISA Plug and Play bus");
    r.setString(kLocalMachine, device, "DriverVersion", "5.1.2600.0");
    // The name in use, spelt in other letters' case: no new name waits.
    r.setString(kLocalMachine, kComputerNameKey, "ComputerName", "velnor-pc");
}

class ReportTest : public FormTest {
protected:
    // Start-up, the drive box's drives, c: chosen, a tick and a measured clock.
    std::string copyAfterAMeasurement() {
        start('c');
        form().dispatch([&] { window().refreshTick(); });
        form().dispatch([&] { control(ids::Keisoku).click(); });
        form().dispatch([&] { timer(ids::Timer1).fire(); });
        return copy();
    }
    std::string copy() {
        std::size_t before = shown().copied.size();
        EXPECT_TRUE(form().chooseWindowMenuCommand(ids::CopyReport));
        EXPECT_EQ(shown().copied.size(), before + 1);
        return shown().copied.empty() ? std::string() : shown().copied.back();
    }
};

TEST_F(ReportTest, OfAWindows98Machine) {
    makeFixture98(machine);
    expectSameAsFile(copyAfterAMeasurement(), "report-win98.txt");
}

TEST_F(ReportTest, OfAWindowsXpMachine) {
    makeFixtureXp(machine);
    expectSameAsFile(copyAfterAMeasurement(), "report-winxp.txt");
}

// The window menu carries the copy and the save, in that order, each under
// its own text and ID.
TEST_F(ReportTest, TheWindowMenuHasTheCopyAndSaveCommands) {
    const auto& commands = form().windowMenuCommands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].id, ids::CopyReport);
    EXPECT_STREQ(commands[0].text, "情報をコピー(&I)");
    EXPECT_EQ(commands[1].id, ids::SaveReport);
    EXPECT_STREQ(commands[1].text, "情報をファイルに保存(&F)...");
    EXPECT_FALSE(form().chooseWindowMenuCommand(ids::SaveReport + 0x10));
}

// A copy reads every figure anew when it is made, and the pages show the
// same (the chosen drive's too, after a file was written to it), without a
// prompt for a drive with no medium; the clock is not measured for it.
TEST_F(ReportTest, ACopyReadsEveryFigureAnewAndMeasuresNothing) {
    makeFixture98(machine);
    start('c');
    EXPECT_EQ(control<ui::DriveBox>(ids::DriveComboBox1).items(),
              (std::vector<ui::DriveBox::Item>{{'a', "a:"}, {'c', "c: [SYSTEM]"}, {'d', "d:"}, {'e', "e:"}}));
    machine.disks[3] = {4294967296LL, 0};  // c: changed since the page read it
    machine.diskQueries.clear();
    machine.promptingQueries.clear();
    int readsBefore = machine.counterReads;
    std::string text = copy();
    std::map<std::string, Lines> sections = sectionsOf(text);
    EXPECT_EQ(machine.counterReads, readsBefore);  // no measurement
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_EQ(machine.diskQueries, (std::vector<int>{3, 3, 1, 1, 4, 4, 5, 5}));  // c: again, then a:, d:, e:
    EXPECT_TRUE(machine.promptingQueries.empty()) << machine.promptingQueries.front();
    EXPECT_EQ(sections["ディスク"][1], "  全容量            4 GB");
    EXPECT_EQ(control(ids::Memo1).text(), "4 GB");  // the page says the same
    EXPECT_EQ(sections["メモリ"], (Lines{"  全容量            128 MB", "  使用量            96 MB",
                                       "  空容量            32 MB", "  使用率            75 %"}));
    EXPECT_EQ(sections["CPU"][0], "  周波数            未計測");
    EXPECT_EQ(sections["CPU"][3], "  使用率            37 %");
    EXPECT_EQ(sections["リソース 残量"][0], "  システム          85%");
    // A measurement asked for but still waiting: the clock is not measured.
    form().dispatch([&] { control(ids::Keisoku).click(); });
    form().dispatch([&] { timer(ids::Timer1).fire(); });
    form().dispatch([&] { control(ids::Keisoku).click(); });
    EXPECT_EQ(sectionsOf(copy())["CPU"][0], "  周波数            未計測");
}

// Where the 16-bit services answer nothing, the resources were never read:
// the report says so rather than 0% as if the machine were out of them.
TEST_F(ReportTest, ResourcesNeverReadAreNotMeasured) {
    makeFixture98(machine);
    machine.freeResourcesProc = 0;  // User.exe without GetFreeSystemResources
    start('c');
    form().dispatch([&] { window().refreshTick(); });
    EXPECT_EQ(sectionsOf(copy())["リソース 残量"],
              (Lines{"  システム          未計測", "  G D I             未計測", "  USER              未計測"}));
    EXPECT_TRUE(gauge(ids::Gauge2).showText());  // while the page shows its bars at 0%
}

// Pages without figures still give whole sections: no drive ready, the BIOS
// keys gone, no display mode, a processor without a time-stamp counter.
TEST_F(ReportTest, PagesWithoutFiguresGiveWholeSections) {
    struct Case {
        const char* what;
        void (*make)(fake::Platform&);
        Lines bios;
        const char* firstTitle;
    };
    const Case cases[] = {
        {"Windows 98", fake::makeWindows98, {"  なし"}, "ディスク"},
        // The version list and the date missing, the device key gone: the
        // page's one line that is not empty.
        {"Windows XP", fake::makeWindowsXp, {"  Ver "}, "ディスク"},
    };
    for (const Case& c : cases) {
        fake::Platform bare;
        c.make(bare);
        bare.computerName.reset();
        bare.timeStampCounter = false;
        bare.drives = 0x5;  // a: and c:, neither ready
        RecordedWindow window(bare);
        bare.currentDirectory_ = "C:\\";
        window.start();
        window.window.form().dispatch([&] { window.window.refreshTick(); });
        window.window.form().dispatch([&] { window.control(ids::Keisoku).click(); });
        window.window.form().dispatch([&] { window.window.form().timers()[0]->fire(); });
        window.window.form().chooseWindowMenuCommand(ids::CopyReport);
        ASSERT_EQ(window.shown.copied.size(), 1u) << c.what;
        std::map<std::string, Lines> sections = sectionsOf(window.shown.copied[0]);
        EXPECT_EQ(sections["ディスク"], Lines{"  なし"}) << c.what;
        EXPECT_EQ(sections["BIOS"], c.bios) << c.what;
        EXPECT_EQ(sections["画面"], Lines{"  なし"}) << c.what;
        EXPECT_EQ(sections["CPU"][0], "  周波数            未計測") << c.what;
        EXPECT_EQ(sections["ユーザー 情報"],
                  (Lines{"  使用者", "  会社名", "  ＰＣ名            ???"})) << c.what;
        // Every section there, in the window's order, none of them empty.
        for (const auto& [title, lines] : sections) {
            EXPECT_FALSE(lines.empty()) << c.what << " " << title;
        }
        std::string text = window.shown.copied[0];
        std::size_t last = 0;
        for (const char* title : {"[ディスク]", "[メモリ]", "[CPU]", "[BIOS]", "[画面]", "[ユーザー 情報]"}) {
            std::size_t at = text.find(title);
            EXPECT_NE(at, std::string::npos) << c.what << " " << title;
            EXPECT_GT(at, last) << c.what << " " << title;
            last = at;
        }
        EXPECT_EQ(text.find("[リソース 残量]") != std::string::npos, c.make == fake::makeWindows98) << c.what;
    }
}

// Texts from the system stay one line each: control bytes become blanks, a
// two-byte character cut after its first byte loses it.
TEST_F(ReportTest, TextsFromTheSystemStayOneLineEach) {
    fake::makeWindows98(machine);
    auto& r = machine.registry;
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner",
                "Line one\r\nLine\ttwo\x1a");
    r.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization",
                "cut \x83");
    machine.lowMemory[0xFE061] = fake::bytes("ROM\rtext\x82");
    machine.lowMemory[0xFE091] = fake::bytes("\x83\x5c\x95\x5c");  // ソ表, both ending in 0x5C
    start('c');
    std::map<std::string, Lines> sections = sectionsOf(copy());
    EXPECT_EQ(sections["ユーザー 情報"][0], "  使用者            Line one  Line two ");
    EXPECT_EQ(sections["ユーザー 情報"][1], "  会社名            cut ");
    EXPECT_EQ(sections["BIOS"], (Lines{"  ROM text", "  ソ表"}));
}

// Under a compatibility mode of the NT family the report names the system
// the kernel reports, as the pages take their kind from it.
TEST_F(ReportTest, NamesTheSystemTheKernelReports) {
    fake::makeWindows98(machine);
    machine.kernelVersion = platform::VersionInfo{2, 6, 2, 9200, ""};
    start('c');
    EXPECT_EQ(sectionsOf(copy())[""][2], "  Windows           6.2.9200 (Windows NT)");
    fake::Platform silent;
    silent.version.reset();
    RecordedWindow window(silent);
    window.create();
    window.window.form().chooseWindowMenuCommand(ids::CopyReport);
    EXPECT_EQ(sectionsOf(window.shown.copied.at(0))[""][2], "  Windows           不明");
}

// ----- the report from the command line -----

TEST(ReportModeTest, WritesTheFileAloneWithAMeasuredClockAndNoPrompt) {
    fake::Platform machine;
    makeFixture98(machine);
    EXPECT_EQ(app::writeReport(machine, "\\\\server\\share\\PC 1.txt"), app::kReportWritten);
    EXPECT_EQ(machine.fileWrites, (std::vector<std::string>{"\\\\server\\share\\PC 1.txt"}));
    EXPECT_TRUE(machine.directoriesCreated.empty());  // no TempData
    EXPECT_TRUE(machine.registry.writes.empty());
    EXPECT_EQ(machine.registry.openHandles(), 0u);
    // The statistics are not started, nor is the load read: nothing of them is switched.
    for (const std::string& call : machine.calls) EXPECT_EQ(call.find("PerfStats"), std::string::npos) << call;
    EXPECT_EQ(machine.counterReads, 2);
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_TRUE(machine.promptingQueries.empty());
    EXPECT_EQ(machine.quietDrives, 0);  // the prompts come back afterwards

    // The pages' figures as a window after its start-up, a tick and a
    // measurement shows them, but for the load, which a window samples as
    // it runs, and the drives the system has rather than those of a box.
    const std::string written = machine.files.begin()->second;
    fake::Platform same;
    makeFixture98(same);
    RecordedWindow window(same);
    same.currentDirectory_ = "C:\\";
    window.start();
    window.window.form().dispatch([&] { window.window.refreshTick(); });
    window.window.form().dispatch([&] { window.window.form().timers()[0]->fire(); });
    window.window.form().chooseWindowMenuCommand(ids::CopyReport);
    std::string copied = window.shown.copied.at(0);
    const std::string load = "  使用率            37 %\r\n";
    ASSERT_NE(copied.find(load), std::string::npos);
    copied.replace(copied.find(load), load.size(), "  使用率            未計測\r\n");
    EXPECT_EQ(written, copied);
}

TEST(ReportModeTest, AFileThatCannotBeWrittenGivesOneAndNothingElse) {
    fake::Platform machine;
    makeFixtureXp(machine);
    machine.unwritablePaths.insert("Z:\\missing\\r.txt");
    EXPECT_EQ(app::writeReport(machine, "Z:\\missing\\r.txt"), app::kReportNotWritten);
    EXPECT_TRUE(machine.files.empty());
    EXPECT_TRUE(machine.directoriesCreated.empty());
    EXPECT_TRUE(machine.registry.writes.empty());
}

// The version the report names is the executable's own.
TEST(ReportVersionTest, IsTheFileVersionOfTheExecutable) {
    std::string resources = readFile(std::string(VELNOR_SOURCE_DIR) + "/src/app/win32/resources.rc");
    EXPECT_NE(resources.find(std::string("VALUE \"FileVersion\", \"") + texts::kFileVersion + "\\0\""),
              std::string::npos);
    std::string numbers = texts::kFileVersion;
    for (char& c : numbers)
        if (c == '.') c = ',';
    EXPECT_NE(resources.find("FILEVERSION " + numbers), std::string::npos);
}

// Values keep their bytes in the system's own code page: on a Western system
// "Ren\xE9 Dupont" (René) and "Chez Andr\xE9" have no two-byte characters to
// cut, where the Shift-JIS rules take \xE9 for a lead byte (and an old table
// of its trail bytes cut "\xE9 " out); under Shift-JIS only a lead byte left
// alone at the end goes.
TEST(ReportCodePageTest, AValueOfAnotherCodePageKeepsEveryByte) {
    const std::string owner = "Ren\xE9 Dupont";
    const std::string organisation = "Chez Andr\xE9";
    const struct {
        unsigned codePage;
        const char* section;  // the report's words are the system's language's
        std::string ownerLine;
        std::string organisationLine;
    } cases[] = {
        {1252, "User", "  Owner             " + owner, "  Org.              " + organisation},
        {1251, "User", "  Owner             " + owner, "  Org.              " + organisation},
        {932, "ユーザー 情報", "  使用者            " + owner, "  会社名            Chez Andr"},
    };
    for (const auto& c : cases) {
        fake::Platform m;
        makeFixtureXp(m);
        m.codePage = c.codePage;
        m.registry.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner",
                             owner);
        m.registry.setString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                             "RegisteredOrganization", organisation);
        EXPECT_EQ(app::writeReport(m, "Z:\\r.txt"), app::kReportWritten);
        std::map<std::string, Lines> sections = sectionsOf(m.files.at("Z:\\r.txt"));
        const Lines& user = sections[c.section];
        ASSERT_GE(user.size(), 2u) << c.codePage;
        EXPECT_EQ(user[0], c.ownerLine) << c.codePage;
        EXPECT_EQ(user[1], c.organisationLine) << c.codePage;
    }
}

}  // namespace

namespace {

// ----- the inventory row -----

const std::string kHeader =
    "format,velnor_version,created,computer_name,pending_computer_name,platform,windows_version,windows_build,"
    "service_pack,cpu_vendor,cpu_name,cpu_clock_hz,cpu_load_percent,memory_total_bytes,memory_free_bytes,"
    "resources_system_percent,resources_gdi_percent,resources_user_percent,bios,display_mode,display_mode_count,"
    "owner,organisation,drives\r\n";

// A table's rows by column name, read as RFC 4180 writes them.
std::vector<std::map<std::string, std::string>> rowsOf(const std::string& table) {
    std::vector<std::vector<std::string>> lines(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        char c = table[i];
        if (quoted) {
            if (c == '"' && i + 1 < table.size() && table[i + 1] == '"') field += '"', ++i;
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            lines.back().push_back(field), field.clear();
        } else if (c == '\r' && i + 1 < table.size() && table[i + 1] == '\n') {
            lines.back().push_back(field), field.clear();
            lines.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.empty() || !lines.back().empty()) lines.back().push_back(field);
    if (lines.back().empty()) lines.pop_back();
    std::vector<std::map<std::string, std::string>> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), lines[0].size()) << "row " << i;
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < lines[0].size(); ++c) row[lines[0][c]] = c < lines[i].size() ? lines[i][c] : "";
        rows.push_back(row);
    }
    return rows;
}

TEST(InventoryTest, TheHeaderNamesTheColumnsInTheirOrder) {
    EXPECT_EQ(pages::inventoryHeader(), kHeader);
}

TEST(InventoryTest, FieldsAreQuotedAsRfc4180Says) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"}, {"", ""}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""}, {" blank ", " blank "},
    };
    for (const auto& [value, field] : cases) EXPECT_EQ(pages::csvField(value), field) << value;
}

TEST(InventoryTest, ARowHoldsTheRawFiguresOfBothFamilies) {
    fake::Platform nineX;
    makeFixture98(nineX);
    ASSERT_EQ(app::appendInventoryRow(nineX, "Z:\\inventory.csv"), app::kReportWritten);
    const std::string& table = nineX.files.at("Z:\\inventory.csv");
    ASSERT_EQ(table.compare(0, kHeader.size(), kHeader), 0);
    auto rows = rowsOf(table);
    ASSERT_EQ(rows.size(), 1u);
    std::map<std::string, std::string> row = rows[0];
    const std::map<std::string, std::string> expected = {
        {"format", "1"},
        {"velnor_version", "1.2.3.1"},
        {"created", "2025-01-02T03:04:05"},
        {"computer_name", "VELNOR-PC"},
        {"pending_computer_name", "NEWNAME"},
        {"platform", "9x"},
        {"windows_version", "4.10"},
        {"windows_build", "2222"},
        {"service_pack", "A"},
        {"cpu_vendor", "AuthenticAMD"},
        {"cpu_name", "x86 Family 5 Model 8 Stepping 12"},
        {"cpu_load_percent", ""},  // a row is taken without a window that samples the load
        {"memory_total_bytes", "134217728"},
        {"memory_free_bytes", "33554432"},
        {"resources_system_percent", "85"},
        {"resources_gdi_percent", "85"},
        {"resources_user_percent", "92"},
        {"bios", "Award Modular BIOS v4.51PG; Copyright (C) 1984-98, Award Software, Inc.; 08/13/98; "
                 "08/13/1998-i440BX-W977-2A69KA1IC-00"},
        {"display_mode", "1024x768x32"},
        {"display_mode_count", "3"},
        {"owner", "山田 太郎"},
        {"organisation", "Velnor 研究所"},
        {"drives", "c|FAT32|1A2B3C4D|2147483648|536870912;d|FAT32|0000ABCD|42949672960|8589934592"},
    };
    for (const auto& [column, value] : expected) EXPECT_EQ(row[column], value) << column;
    // A field with commas comes quoted.
    EXPECT_NE(table.find(",\"Award Modular BIOS v4.51PG; Copyright (C) 1984-98, Award Software, Inc.; 08/13/98; "
                         "08/13/1998-i440BX-W977-2A69KA1IC-00\","),
              std::string::npos);
    // The clock in whole hertz, measured as the window measures it.
    double hertz = std::stod(rows[0]["cpu_clock_hz"].empty() ? "0" : rows[0]["cpu_clock_hz"]);
    EXPECT_NEAR(hertz, 733012345.0, 733012345.0 * 1e-3);
    EXPECT_EQ(rows[0]["cpu_clock_hz"].find_first_not_of("0123456789"), std::string::npos);

    fake::Platform nt;
    makeFixtureXp(nt);
    nt.timeStampCounter = false;
    nt.currentMode.reset();
    ASSERT_EQ(app::appendInventoryRow(nt, "Z:\\inventory.csv"), app::kReportWritten);
    row = rowsOf(nt.files.at("Z:\\inventory.csv")).at(0);
    EXPECT_EQ(row["platform"], "NT");
    EXPECT_EQ(row["pending_computer_name"], "");  // the same name in other letters' case
    EXPECT_EQ(row["cpu_clock_hz"], "");           // nothing to measure with
    EXPECT_EQ(row["resources_system_percent"], "");
    EXPECT_EQ(row["memory_total_bytes"], "1610612736");
    EXPECT_EQ(row["display_mode"], "");
    EXPECT_EQ(row["organisation"], "");
}

// The table is the same on every machine, whatever its regional settings;
// the text report follows the pages.
TEST(InventoryTest, RegionalSettingsChangeNothingInTheTable) {
    std::string tables[2], reports[2];
    for (int i = 0; i < 2; ++i) {
        fake::Platform m;
        makeFixtureXp(m);
        m.timeStampCounter = false;  // no measured clock, which differs from run to run
        if (i == 1) m.decimal = ',', m.thousands = '.';
        app::appendInventoryRow(m, "Z:\\t.csv");
        app::writeReport(m, "Z:\\r.txt");
        tables[i] = m.files.at("Z:\\t.csv");
        reports[i] = m.files.at("Z:\\r.txt");
    }
    EXPECT_EQ(tables[0], tables[1]);
    EXPECT_NE(reports[0], reports[1]);
    EXPECT_NE(reports[1].find("1.536 MB"), std::string::npos);
}

TEST(InventoryTest, RowsGoUnderOneHeaderAndNeverRunIntoALineBeforeThem) {
    fake::Platform m;
    makeFixtureXp(m);
    m.timeStampCounter = false;
    m.files["Z:\\t.csv"] = "";
    app::appendInventoryRow(m, "Z:\\t.csv");
    app::appendInventoryRow(m, "Z:\\t.csv");
    const std::string table = m.files.at("Z:\\t.csv");
    EXPECT_EQ(rowsOf(table).size(), 2u);
    EXPECT_EQ(table.find(kHeader, 1), std::string::npos);
    // A table someone saved without its last line break: the row starts a line of its own.
    const std::string cut = table.substr(0, table.size() - 2);
    m.files["Z:\\u.csv"] = cut;
    app::appendInventoryRow(m, "Z:\\u.csv");
    EXPECT_EQ(m.files.at("Z:\\u.csv").compare(0, cut.size() + 2, cut + "\r\n"), 0);
    EXPECT_EQ(rowsOf(m.files.at("Z:\\u.csv")).size(), 3u);
}

TEST(InventoryTest, ABusyTableIsTriedAgainAfterPausesOfItsOwnUntilTheBound) {
    struct Case {
        int busyAttempts;
        int exitCode;
    };
    for (const Case& c : {Case{3, app::kReportWritten}, Case{100000, app::kReportNotWritten}}) {
        fake::Platform m;
        makeFixtureXp(m);
        m.timeStampCounter = false;
        m.files["Z:\\t.csv"] = kHeader;
        m.busyAttempts = c.busyAttempts;
        EXPECT_EQ(app::appendInventoryRow(m, "Z:\\t.csv"), c.exitCode) << c.busyAttempts;
        std::uint32_t slept = 0;
        for (std::uint32_t pause : m.sleeps) {
            EXPECT_GE(pause, 50u);
            EXPECT_LT(pause, 250u);
            slept += pause;
        }
        std::set<std::uint32_t> different(m.sleeps.begin(), m.sleeps.end());
        EXPECT_GT(different.size(), 1u) << "the pauses are drawn afresh";
        if (c.exitCode == app::kReportWritten) {
            EXPECT_EQ(m.sleeps.size(), 3u);
            EXPECT_EQ(rowsOf(m.files.at("Z:\\t.csv")).size(), 1u);
        } else {
            EXPECT_GE(slept + 250, app::kBusyTableWaitMs);
            EXPECT_LE(slept, app::kBusyTableWaitMs + 250);
            EXPECT_EQ(m.files.at("Z:\\t.csv"), kHeader);  // as it was
        }
    }
}

// A target that cannot be written is known before the clock's four seconds.
TEST(ReportModeTest, ATargetThatCannotBeWrittenFailsBeforeMeasuring) {
    const struct {
        const char* target;
        bool csv;
    } cases[] = {{"Z:\\locked.txt", false}, {"Z:\\missing\\r.txt", false}, {"Z:\\locked.txt", true},
                 {"Z:\\missing\\t.csv", true}, {"Z:\\folder", true}};
    for (const auto& c : cases) {
        fake::Platform m;
        makeFixtureXp(m);
        m.unwritablePaths.insert("Z:\\locked.txt");
        m.missingFolders.insert("Z:\\missing\\");
        m.directories.insert("Z:\\folder");
        int code = c.csv ? app::appendInventoryRow(m, c.target) : app::writeReport(m, c.target);
        EXPECT_EQ(code, app::kReportNotWritten) << c.target;
        EXPECT_EQ(m.counterReads, 0) << c.target << ": measured first";
        EXPECT_TRUE(m.files.empty()) << c.target;
    }
}

TEST(ReportModeTest, AFolderTargetGetsAFileNamedAfterTheComputer) {
    const struct {
        const char* target;
        const char* file;
    } cases[] = {{"Z:\\reports", "Z:\\reports\\VELNOR-PC.txt"},
                 {"Z:\\reports\\", "Z:\\reports\\VELNOR-PC.txt"},
                 {"\\\\server\\share/", "\\\\server\\share/VELNOR-PC.txt"},
                 {"Z:\\reports\\pc.txt", "Z:\\reports\\pc.txt"}};
    for (const auto& c : cases) {
        fake::Platform m;
        makeFixtureXp(m);
        m.timeStampCounter = false;
        m.directories.insert("Z:\\reports");
        EXPECT_EQ(app::writeReport(m, c.target), app::kReportWritten) << c.target;
        EXPECT_EQ(m.fileWrites, std::vector<std::string>{c.file}) << c.target;
    }
    // A name a file may not hold is made one that it may.
    const present::LeadByteTest shiftJis = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || b >= 0xE0; };
    EXPECT_EQ(pages::reportFileStem("A:B*C?", shiftJis), "A_B_C_");
    EXPECT_EQ(pages::reportFileStem("表", shiftJis), "表");  // its second byte 0x5C is no backslash
    EXPECT_EQ(pages::reportFileStem("", shiftJis), "Velnor");
}

// ----- saved from the window -----

class SaveTest : public ReportTest {
protected:
    SaveTest() { makeFixtureXp(machine); }
    void save() { EXPECT_TRUE(form().chooseWindowMenuCommand(ids::SaveReport)); }
};

TEST_F(SaveTest, TheChosenFileGetsWhatTheCopyGives) {
    start('c');
    shown().savePath = "Z:\\saved.txt";
    save();
    EXPECT_EQ(shown().suggestedNames, std::vector<std::string>{"VELNOR-PC-20250102.txt"});
    ASSERT_EQ(machine.files.count("Z:\\saved.txt"), 1u);
    std::string saved = machine.files.at("Z:\\saved.txt");
    EXPECT_EQ(saved, copy());
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(SaveTest, CancelWritesNothingAndAFailureTellsItsReasonOnce) {
    start('c');
    save();  // Cancel
    EXPECT_TRUE(machine.files.empty());
    EXPECT_TRUE(machine.fileWrites.empty());
    EXPECT_TRUE(shown().messages.empty());
    machine.unwritablePaths.insert("Z:\\locked.txt");
    shown().savePath = "Z:\\locked.txt";
    save();
    EXPECT_TRUE(machine.files.empty());
    EXPECT_EQ(shown().messages, std::vector<std::string>{"情報をファイルに保存できません。\r\nerror 5"});
}

}  // namespace
