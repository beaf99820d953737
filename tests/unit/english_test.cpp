// Velnor on a Windows of another language: every text English and plain
// ASCII wherever the ANSI code page is not 932, and every Japanese text as it
// was on 932; the choice made once at start-up from the code page.
#include "form_fixture.h"

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/report_mode.h"
#include "present/texts.h"

namespace {

// Each test leaves the program's own language behind it, whatever it chose.
class LanguageReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { texts::choose(932); }
};
const bool kResetRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new LanguageReset);
    return true;
}();

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

TEST(Language, TheCodePageChoosesIt) {
    const std::pair<unsigned, texts::Language> cases[] = {
        {932, texts::Language::Japanese}, {1252, texts::Language::English}, {1251, texts::Language::English},
        {936, texts::Language::English},  {437, texts::Language::English},  {65001, texts::Language::English},
    };
    for (const auto& [codePage, language] : cases) {
        texts::choose(codePage);
        EXPECT_EQ(texts::language(), language) << codePage;
    }
}

class EnglishTest : public FormTest {
protected:
    EnglishTest() {
        fake::makeWindows98(machine);
        machine.codePage = 1252;
        machine.freeResources = {85, 85, 92};
        machine.services16 = true;
    }
    // Every control's text, and the window's own, is plain ASCII.
    void expectAllAscii(const char* when) {
        for (const auto& c : form().controls()) EXPECT_TRUE(isAscii(c->text())) << when << ": " << c->id() << " " << c->text();
        EXPECT_TRUE(isAscii(form().caption())) << when;
        EXPECT_TRUE(isAscii(form().title())) << when;
        for (const ui::WindowMenuCommand& command : form().windowMenuCommands())
            EXPECT_TRUE(isAscii(command.text)) << when;
    }
};

TEST_F(EnglishTest, EveryTextOfTheWindowIsEnglishAndAscii) {
    expectAllAscii("as built");
    start();
    form().dispatch([&] { window().refreshTick(); });
    expectAllAscii("after the start");
    std::vector<std::string> tabs;
    for (ui::TabPage* page : control<ui::PageControl>(ids::PageControl1).pages()) tabs.push_back(page->text());
    EXPECT_EQ(tabs, (std::vector<std::string>{"Disk", "Memory", "CPU", "Resources", "BIOS", "Display", "User"}));
    EXPECT_EQ(text(ids::M1), "Registration shown\r\nTo change: Change");
    EXPECT_EQ(text(ids::Label2), "Total");
    EXPECT_EQ(text(ids::Touroku), "Register");
    EXPECT_EQ(std::string(form().caption()), " Velnor(Win9x)      Ver 1.2  Tollen  ");
    // The clock's waiting text, the editing prompt and the restart text.
    showPage(ids::CPUTab);
    click(ids::Keisoku);
    EXPECT_EQ(text(ids::Memo7), " Measuring now!");
    showPage(ids::UserTab);
    click(ids::Change);
    form().dispatch([&] { control(ids::NewPCName).textEdited("NEWNAME"); });
    EXPECT_EQ(text(ids::M1), "To use the new data\r\nclick Register");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::M1), " New PC name takes\r\neffect after restart");
    expectAllAscii("after a registration");
    // The program's own message.
    machine.computerNameAccepted = false;
    click(ids::Change);
    form().dispatch([&] { control(ids::NewPCName).textEdited("REFUSED"); });
    click(ids::Touroku);
    EXPECT_EQ(shown().messages, std::vector<std::string>{"The computer name cannot be changed."});
}

TEST_F(EnglishTest, TheReportAndTheDisplayListAreEnglishTooWithValuesKeptByteForByte) {
    machine.registry.setString(platform::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                               "RegisteredOwner", "Ren\xE9 Dupont");
    machine.displayModes = {{800, 600, 16}};
    ASSERT_EQ(app::writeReport(machine, "Z:\\r.txt"), app::kReportWritten);
    const std::string report = machine.files.at("Z:\\r.txt");
    EXPECT_TRUE(isAscii(report.substr(0, report.find("Ren\xE9")))) << report;
    for (const char* line : {"[Disk]", "[Memory]", "[Resources]", "[Display]", "[User]",
                             "  Owner             Ren\xE9 Dupont", "  Clock             ", "   Colours     65536 colours"})
        EXPECT_NE(report.find(line), std::string::npos) << line;
    // Outside the owner's bytes, nothing but ASCII.
    std::string rest = report;
    rest.erase(rest.find("Ren\xE9"), 4);
    EXPECT_TRUE(isAscii(rest));
}

TEST_F(EnglishTest, TheFontsAreFacesEveryWindowsHas) {
    texts::choose(1252);
    EXPECT_STREQ(ui::faceName(ui::FontFace::PGothic), "Arial");
    EXPECT_STREQ(ui::faceName(ui::FontFace::PMincho), "Times New Roman");
    EXPECT_STREQ(ui::faceName(ui::FontFace::Gothic), "Courier New");
    texts::choose(932);
    EXPECT_STREQ(ui::faceName(ui::FontFace::PGothic), "ＭＳ Ｐゴシック");
}

}  // namespace
