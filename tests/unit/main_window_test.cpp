// The main window's start-up and its window-wide behaviours.
#include "form_fixture.h"

#include <algorithm>

#include "platform/paths.h"

namespace {

using ui::MouseButton;

class MainFormTest : public FormTest {};

// The first call of each kind in the machine's log, in order, of those asked for.
std::vector<std::string> firstCalls(const std::vector<std::string>& calls, const std::vector<std::string>& kinds) {
    std::vector<std::string> out;
    for (const std::string& call : calls) {
        for (const std::string& kind : kinds) {
            if (call == kind && std::find(out.begin(), out.end(), kind) == out.end()) out.push_back(kind);
        }
    }
    return out;
}

// The steps of the window's creation and of the refresh tick reach the
// machine in their fixed order, on both kinds of platform.
TEST_F(MainFormTest, TheStartUpStepsAndTheTicksRefreshesComeInTheirOrder) {
    struct Case {
        const char* what;
        void (*make)(fake::Platform&);
        std::vector<std::string> creation;  // the calls that mark each step
        std::vector<std::string> tick;
    };
    const std::string owner9x = "open SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string ownerNt = "open SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    const std::string biosNt = "open HARDWARE\\DESCRIPTION\\System";
    const std::string startStat = "open PerfStats\\StartStat";
    const std::string statData = "open PerfStats\\StatData";
    const Case cases[] = {
        {"Windows 98", fake::makeWindows98,
         {"computer name", "rom", "display modes", startStat, "directory", "screen size", owner9x},
         {statData, "memory", "16-bit library"}},
        {"Windows XP", fake::makeWindowsXp,
         {"computer name", biosNt, "display modes", "directory", "screen size", ownerNt},
         {"memory"}},
    };
    for (const Case& c : cases) {
        fake::Platform other;
        c.make(other);
        other.services16 = c.make == fake::makeWindows98;
        other.displayModes = {{640, 480, 8}};
        RecordedWindow window(other);
        window.create();
        EXPECT_EQ(firstCalls(other.calls, c.creation), c.creation) << c.what;
        other.calls.clear();
        window.window.form().dispatch([&] { window.window.refreshTick(); });
        EXPECT_EQ(firstCalls(other.calls, c.tick), c.tick) << c.what;
    }
}

TEST_F(MainFormTest, CentresOnTheScreenTruncatingTowardZero) {
    EXPECT_EQ(app::centredPosition({1024, 768}, {478, 270}).left, 273);
    EXPECT_EQ(app::centredPosition({1024, 768}, {478, 270}).top, 249);
    // Larger than the screen: a negative offset, halved toward zero.
    EXPECT_EQ(app::centredPosition({473, 265}, {478, 270}).left, -2);
    EXPECT_EQ(app::centredPosition({473, 265}, {478, 270}).top, -2);
    EXPECT_EQ(app::centredPosition({100, 100}, {478, 271}).top, -85);
}

TEST_F(MainFormTest, FormCreatePlacesTheWindowAndMakesTempDataBesideTheExecutable) {
    EXPECT_EQ(form().left(), 229);
    EXPECT_EQ(form().top(), 132);
    start();
    EXPECT_EQ(form().left(), 273);  // 478 x 270 outside on 1024 x 768
    EXPECT_EQ(form().top(), 249);
    EXPECT_EQ(machine.directoriesCreated, (std::vector<std::string>{"C:\\Program Files\\Velnor\\TempData"}));
}

TEST_F(MainFormTest, TheWorkingDirectoryRespectsTwoByteCharacters) {
    struct Case {
        std::string module;
        std::string directory;
    };
    const Case cases[] = {
        {"C:\\Tools\\velnor.exe", "C:\\Tools\\"},
        {"C:velnor.exe", "C:"},
        {"velnor.exe", ""},
        {"\\\\server\\share\\velnor.exe", "\\\\server\\share\\"},
        // 表 is 95 5C in Shift-JIS: its trail byte is not a backslash.
        {"C:\\表\\velnor.exe", "C:\\表\\"},
        {"C:\\ソフト表", "C:\\"},
        // The system takes a slash for a backslash (a report's file may be given so).
        {"//server/share/Reports/PC 1.txt", "//server/share/Reports/"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::directoryOf(c.module, machine), c.directory) << c.module;
}

TEST_F(MainFormTest, NoWorkingDirectoryWhereTheExecutablesDirectoryIsUnknown) {
    // An empty path (the system could not give it) or a bare name would put
    // TempData into the current directory.
    for (const char* module : {"", "velnor.exe"}) {
        fake::Platform machine;
        machine.moduleFile = module;
        RecordedWindow other(machine);
        other.create();
        EXPECT_TRUE(machine.directoriesCreated.empty()) << module;
        EXPECT_EQ(other.window.form().left(), 273) << module;  // the steps after it ran
        EXPECT_TRUE(other.shown.messages.empty()) << module;
    }
}

TEST_F(MainFormTest, AWorkingDirectoryThatCannotBeMadeChangesNothing) {
    machine.directoryCreatable = false;
    start();
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_EQ(form().left(), 273);
}

TEST_F(MainFormTest, RoundPanelsGetTheirOutlines) {
    start();
    for (int id : {ids::Panel13, ids::Keisoku, ids::Panel23, ids::Touroku, ids::Panel24, ids::Cancel, ids::Panel25,
                   ids::Change})
        EXPECT_TRUE(control<ui::Panel>(id).elliptic()) << id;
    EXPECT_FALSE(control<ui::Panel>(ids::Panel11).elliptic());
}

TEST_F(MainFormTest, ALeftPressMovesAPushPanelAndTheReleaseMovesItBack) {
    start();
    for (int id : {ids::Keisoku, ids::Touroku, ids::Cancel, ids::Change}) {
        ui::Control& panel = control(id);
        ui::Rect before = panel.bounds();
        panel.onMouseDown(MouseButton::Right);
        panel.onMouseDown(MouseButton::Middle);
        EXPECT_EQ(panel.bounds(), before);
        panel.onMouseDown(MouseButton::Left);
        EXPECT_EQ(panel.left(), before.left + 1);
        EXPECT_EQ(panel.top(), before.top + 1);
        panel.onMouseUp(MouseButton::Right);
        EXPECT_EQ(panel.left(), before.left + 1);
        panel.onMouseUp(MouseButton::Left);
        EXPECT_EQ(panel.bounds(), before);
    }
}

TEST_F(MainFormTest, APressIsUndoneOnceWhenTheMouseIsTakenBeforeTheRelease) {
    start();
    showPage(ids::CPUTab);
    auto& keisoku = control<ui::Panel>(ids::Keisoku);
    ui::Rect before = keisoku.bounds();
    keisoku.leftPressed(true);
    EXPECT_EQ(keisoku.left(), before.left + 1);
    // A message box opens, or another window is activated.
    keisoku.leftPressLost();
    EXPECT_EQ(keisoku.bounds(), before);
    keisoku.leftPressLost();
    // The release that may still come starts nothing and moves nothing.
    keisoku.leftReleased(true);
    EXPECT_EQ(keisoku.bounds(), before);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_EQ(text(ids::Memo7), "CPUクロック   ");
    // The next press is a whole one again, and its release clicks.
    keisoku.leftPressed(true);
    keisoku.leftReleased(true);
    EXPECT_EQ(keisoku.bounds(), before);
    EXPECT_TRUE(timer(ids::Timer1).enabled());
}

TEST_F(MainFormTest, OnlyASinglePressReleasedInsideClicksAndEveryPressIsUndone) {
    start();
    showPage(ids::CPUTab);
    auto& keisoku = control<ui::Panel>(ids::Keisoku);
    ui::Rect before = keisoku.bounds();
    keisoku.leftReleased(true);  // a release whose press went elsewhere
    EXPECT_EQ(keisoku.bounds(), before);
    keisoku.leftPressed(true);
    keisoku.leftPressed(true);  // no second move while it is held
    EXPECT_EQ(keisoku.top(), before.top + 1);
    keisoku.leftReleased(false);  // released outside: back, no click
    EXPECT_EQ(keisoku.bounds(), before);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    keisoku.leftPressed(false);  // a double click's second press
    EXPECT_EQ(keisoku.top(), before.top + 1);
    keisoku.leftReleased(true);
    EXPECT_EQ(keisoku.bounds(), before);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
}

TEST_F(MainFormTest, DisplayBoxesHideTheCaretOnAnyPress) {
    start();
    int hides = shown().caretHides;
    control(ids::NowName).onMouseDown(MouseButton::Left);
    control(ids::Memo8).onMouseDown(MouseButton::Right);
    control(ids::Label23).onMouseDown(MouseButton::Middle);
    EXPECT_EQ(shown().caretHides, hides + 3);
    EXPECT_FALSE(control(ids::NewName).onMouseDown);  // the input boxes keep their caret
}

TEST_F(MainFormTest, EachPageShowMovesTheFocusToItsFramePanel) {
    start();
    const std::pair<int, int> cases[] = {
        {ids::MemTab, ids::Panel8},      {ids::CPUTab, ids::Panel11},     {ids::BIOSTab, ids::Panel26},
        {ids::DisplayTab, ids::Panel29}, {ids::UserTab, ids::Panel16},
    };
    for (const auto& [page, panel] : cases) {
        showPage(page);
        ASSERT_NE(form().focused(), nullptr);
        EXPECT_EQ(form().focused()->id(), panel) << page;
    }
    form().focusChanged(&control(ids::PageControl1));
    showPage(ids::ResTab);
    EXPECT_EQ(form().focused()->id(), ids::PageControl1);
    showPage(ids::DiskTab);
    EXPECT_EQ(form().focused()->id(), ids::PageControl1);
}

TEST_F(MainFormTest, APanelOnAHiddenPageCannotTakeTheFocus) {
    start();
    control(ids::Panel11).setFocus();  // the CPU page is not in front
    EXPECT_EQ(form().focused(), nullptr);
}

// The pin of the two intervals: the end-to-end tests' margins would let a
// refresh of 2500 ms pass.
TEST_F(MainFormTest, TheTimersStartAsDesigned) {
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_EQ(timer(ids::Timer1).interval(), 1000u);
    EXPECT_TRUE(timer(ids::Timer2).enabled());
    EXPECT_EQ(timer(ids::Timer2).interval(), 2000u);
}

}  // namespace
