// The control model's rules: change events, repaints only on change, lines,
// page switching, timers, focus, the program's own faults and the window menu's commands.
#include <gtest/gtest.h>

#include <vector>

#include "base/error.h"
#include "recording_peer.h"
#include "ui/form.h"

namespace {

using ui::ControlKind;
using ui::ControlSpec;
using ui::Property;

class Recorder : public ui::ControlPeer {
public:
    void update(Property property) override { updates.push_back(property); }
    void focus() override { ++focuses; }
    std::vector<Property> updates;
    int focuses = 0;
};

const ControlSpec kTable[] = {
    {.id = 1, .kind = ControlKind::PageControl},
    {.id = 2, .kind = ControlKind::TabPage, .parent = 1, .text = "one"},
    {.id = 3, .kind = ControlKind::TabPage, .parent = 1, .text = "two"},
    {.id = 4, .kind = ControlKind::Panel, .parent = 3, .colour = present::colours::black},
    {.id = 5, .kind = ControlKind::TextBox, .parent = 4, .text = "start", .multiline = true},
    {.id = 6, .kind = ControlKind::Gauge, .parent = 4},
    {.id = 7, .kind = ControlKind::DriveBox, .parent = 4},
    {.id = 8, .kind = ControlKind::Label, .parent = 4},
    // A gauge whose share moves by one for every ten steps of its progress.
    {.id = 9, .kind = ControlKind::Gauge, .parent = 4, .gauge = {.range = {0, 1000}}},
};

class ModelTest : public ::testing::Test {
protected:
    ModelTest() : form({.caption = "c", .title = "t", .font = {ui::FontFace::PGothic, -12}}) {
        form.build(kTable);
        form.get<ui::PageControl>(1).setInitialPage(form.get<ui::TabPage>(2));
    }
    ui::Form form;
};

TEST_F(ModelTest, AChangeEventOnlyForANewText) {
    ui::Control& memo = form.get<ui::Control>(5);
    int changes = 0;
    memo.onChange = [&] { ++changes; };
    Recorder peer;
    memo.attach(&peer);
    memo.setText("start");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(peer.updates.empty());
    memo.setText("next");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(peer.updates, std::vector<Property>{Property::Text});
    memo.textEdited("next");
    memo.textEdited("typed");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(peer.updates.size(), 1u);  // typed text is not sent back to the window
    memo.attach(nullptr);
}

TEST_F(ModelTest, SettersTellTheWindowOnlyOfRealChanges) {
    ui::Control& label = form.get<ui::Control>(8);
    Recorder peer;
    label.attach(&peer);
    label.setFontColour(present::colours::windowText);  // the inherited colour: no change
    label.setFontColour(present::colours::red);
    label.setFontColour(present::colours::red);
    label.setVisible(true);
    label.hide();
    label.setTop(label.top());
    label.setLeft(label.left() + 1);
    EXPECT_EQ(peer.updates, (std::vector<Property>{Property::FontColour, Property::Visible, Property::Bounds}));
    label.attach(nullptr);
}

TEST_F(ModelTest, AGaugeRepaintsOnlyWhenWhatItShowsChanges) {
    auto& gauge = form.get<ui::Gauge>(6);
    Recorder peer;
    gauge.attach(&peer);
    gauge.setProgress(0);
    gauge.setProgress(-5);
    EXPECT_TRUE(peer.updates.empty());
    gauge.setProgress(150);
    EXPECT_EQ(gauge.progress(), 100);
    gauge.setProgress(120);
    EXPECT_EQ(peer.updates, std::vector<Property>{Property::Progress});
    gauge.setForeColour(present::colours::red);  // the design colour
    gauge.setBackColour(present::colours::lime);
    gauge.setShowText(false);
    gauge.setShowText(true);
    EXPECT_EQ(peer.updates.size(), 3u);
    gauge.attach(nullptr);

    // A new progress that shows the same share paints nothing.
    auto& fine = form.get<ui::Gauge>(9);
    Recorder finePeer;
    fine.attach(&finePeer);
    fine.setProgress(9);
    EXPECT_EQ(fine.progress(), 9);
    EXPECT_TRUE(finePeer.updates.empty());
    fine.setProgress(10);
    fine.setProgress(19);
    EXPECT_EQ(fine.share(), 1);
    EXPECT_EQ(finePeer.updates, std::vector<Property>{Property::Progress});
    fine.attach(nullptr);
}

TEST_F(ModelTest, LinesAreAddedAsAMemoAddsThem) {
    auto& memo = form.get<ui::TextBox>(5);
    memo.setText("");
    memo.addLine("");
    EXPECT_EQ(memo.text(), "\r\n");
    memo.addLine("a\r\nb");
    memo.addLine("c");
    EXPECT_EQ(memo.text(), "\r\na\r\nb\r\nc\r\n");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"", "a", "b", "c"}));
    memo.setText("x");
    memo.addLine("y");
    EXPECT_EQ(memo.text(), "x\r\ny\r\n");
}

TEST_F(ModelTest, PagesRaiseTheirShowEventEachTimeTheyComeToTheFront) {
    auto& pages = form.get<ui::PageControl>(1);
    auto& first = form.get<ui::TabPage>(2);
    auto& second = form.get<ui::TabPage>(3);
    int shows = 0;
    second.onShow = [&] { ++shows; };
    EXPECT_FALSE(form.get<ui::Control>(5).showing());
    pages.setActivePage(second);
    pages.setActivePage(second);
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(form.get<ui::Control>(5).showing());
    pages.setActivePage(first);
    pages.setActivePage(second);
    EXPECT_EQ(shows, 2);
    first.hide();
    pages.setActivePage(first);  // a hidden page cannot come to the front
    EXPECT_EQ(pages.activePage(), &second);
}

TEST_F(ModelTest, FocusGoesOnlyToShowingControlsAndLeavesHiddenOnes) {
    auto& pages = form.get<ui::PageControl>(1);
    ui::Control& memo = form.get<ui::Control>(5);
    Recorder peer;
    memo.attach(&peer);
    memo.setFocus();
    EXPECT_EQ(form.focused(), nullptr);
    EXPECT_EQ(peer.focuses, 0);
    pages.setActivePage(form.get<ui::TabPage>(3));
    memo.setFocus();
    EXPECT_EQ(form.focused(), &memo);
    EXPECT_EQ(peer.focuses, 1);
    pages.setActivePage(form.get<ui::TabPage>(2));
    EXPECT_EQ(form.focused(), nullptr);
    memo.attach(nullptr);
}

TEST_F(ModelTest, TheDriveBoxRaisesAChangeForEverySelection) {
    auto& drives = form.get<ui::DriveBox>(7);
    int changes = 0;
    drives.onChange = [&] { ++changes; };
    drives.select('C');
    drives.select('c');
    drives.select(0);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(drives.drive(), 0);
    drives.select('d');
    EXPECT_EQ(drives.drive(), 'd');
}

TEST_F(ModelTest, EnablingARunningTimerChangesNothing) {
    class TimerRecorder : public ui::TimerPeer {
    public:
        void update() override { ++updates; }
        int updates = 0;
    } peer;
    ui::Timer& timer = form.addTimer(9, 1000, false);
    timer.attach(&peer);
    timer.setEnabled(true);
    timer.setEnabled(true);
    EXPECT_EQ(peer.updates, 1);
    timer.setEnabled(false);
    EXPECT_EQ(peer.updates, 2);
    timer.attach(nullptr);
}

TEST_F(ModelTest, ATimerMessageCountsOnlyWhileTheTimerIsEnabled) {
    ui::Timer& timer = form.addTimer(9, 1000, false);
    int events = 0;
    timer.onTimer = [&] { ++events; };
    timer.elapsed();
    EXPECT_EQ(events, 0);
    timer.setEnabled(true);
    timer.elapsed();
    EXPECT_EQ(events, 1);
    timer.setEnabled(false);
    timer.elapsed();
    EXPECT_EQ(events, 1);
}

TEST_F(ModelTest, HidingTheFocusedControlTakesTheFocusAway) {
    form.get<ui::PageControl>(1).setActivePage(form.get<ui::TabPage>(3));
    auto& memo = form.get<ui::Control>(5);
    memo.setFocus();
    ASSERT_EQ(form.focused(), &memo);
    form.get<ui::Control>(4).hide();  // the panel the box lies on
    EXPECT_EQ(form.focused(), nullptr);
    EXPECT_FALSE(memo.canFocus());
    memo.setFocus();
    EXPECT_EQ(form.focused(), nullptr);
}

// A fault of the program itself ends it with its own exit code, as it ends
// velnor.exe: the same path in every build.
TEST_F(ModelTest, AFaultOfTheProgramEndsItWithItsOwnExitCode) {
    const ControlSpec duplicate[] = {{.id = 5, .kind = ControlKind::Label, .parent = 4}};
    const ControlSpec orphan[] = {{.id = 50, .kind = ControlKind::Label, .parent = 99}};
    const auto ended = ::testing::ExitedWithCode(base::kProgramFault);
    EXPECT_EXIT(form.build(duplicate), ended, "");
    EXPECT_EXIT(form.build(orphan), ended, "");
    EXPECT_EXIT(form.get<ui::Label>(404), ended, "");
    EXPECT_EXIT(form.timer(404), ended, "");
    for (int id : {0, 0x0105, 0xF000, 0xF100}) EXPECT_EXIT(form.addWindowMenuCommand(id, "bad", [] {}), ended, "") << id;
}

// A window menu command runs as an event handler does; an ID the system
// menu cannot carry as a command of the program's own is a fault of the
// program (above).
TEST_F(ModelTest, AWindowMenuCommandRunsAsAnEventHandler) {
    int chosen = 0;
    form.addWindowMenuCommand(0x0100, "one", [&] { ++chosen; });
    form.addWindowMenuCommand(0x0110, "two", [&] { chosen += 10; });
    EXPECT_TRUE(form.chooseWindowMenuCommand(0x0100));
    EXPECT_TRUE(form.chooseWindowMenuCommand(0x0110));
    EXPECT_FALSE(form.chooseWindowMenuCommand(0xF060));  // the system's own Close
    EXPECT_EQ(chosen, 11);
    EXPECT_EQ(form.windowMenuCommands().size(), 2u);
}

TEST_F(ModelTest, ControlsInheritTheirParentsFontAndColour) {
    EXPECT_EQ(form.get<ui::Control>(8).colour(), present::colours::black);
    EXPECT_EQ(form.get<ui::Control>(8).font().face, ui::FontFace::PGothic);
    EXPECT_EQ(form.get<ui::Control>(8).font().height, -12);
}

}  // namespace
