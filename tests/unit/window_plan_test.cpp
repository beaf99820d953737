// When controls get their windows: the page in front at the start, the other
// pages later, and a window made late shows everything its control was given
// before it existed.
#include <gtest/gtest.h>

#include <vector>

#include "fake_windows.h"
#include "form_fixture.h"
#include "ui/form.h"

namespace {

using ui::ControlKind;
using ui::ControlSpec;
using ui::Property;

// Two pages; the second has a panel with a row of controls of every kind the
// model keeps state for.
const ControlSpec kTable[] = {
    {.id = 1, .kind = ControlKind::PageControl},
    {.id = 2, .kind = ControlKind::TabPage, .parent = 1, .text = "one"},
    {.id = 3, .kind = ControlKind::Panel, .parent = 2},
    {.id = 4, .kind = ControlKind::Label, .parent = 3, .text = "first row"},
    {.id = 5, .kind = ControlKind::Label, .parent = 3, .text = "second row"},
    {.id = 10, .kind = ControlKind::TabPage, .parent = 1, .text = "two"},
    {.id = 11, .kind = ControlKind::Panel, .parent = 10, .colour = present::colours::black},
    {.id = 12, .kind = ControlKind::TextBox, .parent = 11, .text = "design"},
    {.id = 13, .kind = ControlKind::Gauge, .parent = 11},
    {.id = 14, .kind = ControlKind::Label, .parent = 11, .text = "label", .hidden = true},
    {.id = 15, .kind = ControlKind::Panel, .parent = 11},
    {.id = 16, .kind = ControlKind::DriveBox, .parent = 11},
    {.id = 20, .kind = ControlKind::TabPage, .parent = 1, .text = "three"},
    {.id = 21, .kind = ControlKind::Label, .parent = 20, .text = "three's"},
};

class WindowPlanTest : public ::testing::Test {
protected:
    WindowPlanTest() : form({.caption = "c", .title = "t", .font = {ui::FontFace::PGothic, -12}}), layer(form) {
        form.build(kTable);
        pages().setInitialPage(form.get<ui::TabPage>(2));
    }
    ui::PageControl& pages() { return form.get<ui::PageControl>(1); }
    void show(int page) { pages().setActivePage(form.get<ui::TabPage>(page)); }
    // Every window shows what its control holds.
    void expectWindowsShowTheModel() {
        for (const auto& [id, window] : layer.windows) {
            EXPECT_TRUE(window->shown == modelOf(form.get<ui::Control>(id))) << "control " << id;
        }
    }

    ui::Form form;
    FakeWindowLayer layer;
};

TEST_F(WindowPlanTest, TheStartMakesThePageInFrontAndEveryPagesOwnWindowParentsFirstLastRowFirst) {
    layer.plan.start();
    // Pages last first, the front page's panel before its rows, its last row first.
    EXPECT_EQ(layer.made, (std::vector<int>{1, 20, 10, 2, 3, 5, 4}));
    EXPECT_TRUE(layer.plan.waiting());
    for (int id : {11, 12, 13, 14, 15, 16, 21}) EXPECT_EQ(form.get<ui::Control>(id).peer(), nullptr) << id;
}

TEST_F(WindowPlanTest, WaitingPagesAreMadeOneAtATimeInTabOrderAndOnlyOnce) {
    layer.plan.start();
    layer.made.clear();
    EXPECT_TRUE(layer.plan.makeNext());
    EXPECT_EQ(layer.made, (std::vector<int>{11, 16, 15, 14, 13, 12}));
    layer.plan.makePage(form.get<ui::TabPage>(10));  // made already: nothing more
    layer.plan.makePage(form.get<ui::TabPage>(2));   // made at the start: nothing either
    EXPECT_EQ(layer.made.size(), 6u);
    EXPECT_TRUE(layer.plan.makeNext());
    EXPECT_EQ(layer.made.back(), 21);
    EXPECT_FALSE(layer.plan.waiting());
    EXPECT_FALSE(layer.plan.makeNext());
    EXPECT_EQ(layer.made.size(), 7u);
}

// Text, colours, visibility, bounds, progress, gauge look, outline and drive
// entries given before the window exists are all on it once it is made, and
// later changes reach it as updates.
TEST_F(WindowPlanTest, AWindowMadeLateShowsEverythingItsControlWasGivenBefore) {
    layer.plan.start();
    auto& box = form.get<ui::TextBox>(12);
    auto& gauge = form.get<ui::Gauge>(13);
    auto& label = form.get<ui::Label>(14);
    auto& round = form.get<ui::Panel>(15);
    auto& drives = form.get<ui::DriveBox>(16);
    box.setText("figures");
    box.setColour(present::colours::navy);
    box.setFontColour(present::colours::yellow);
    gauge.setProgress(42);
    gauge.setForeColour(present::colours::lime);
    gauge.setShowText(false);
    label.show();
    label.setLeft(30);
    round.setEllipticOutline();
    drives.setItems({{'a', "a:"}, {'c', "c: [DISK]"}});
    drives.select('c');
    form.get<ui::Panel>(11).hide();

    EXPECT_TRUE(layer.plan.makeNext());
    FakeWindow* made[] = {layer.window(11), layer.window(12), layer.window(13), layer.window(14), layer.window(15),
                          layer.window(16)};
    for (FakeWindow* window : made) {
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->updates.empty());  // all of it came with the making
    }
    EXPECT_EQ(layer.window(12)->shown.text, "figures");
    EXPECT_EQ(layer.window(12)->shown.fontColour, present::colours::yellow);
    EXPECT_EQ(layer.window(13)->shown.progress, 42);
    EXPECT_FALSE(layer.window(13)->shown.gaugeText);
    EXPECT_TRUE(layer.window(14)->shown.visible);
    EXPECT_EQ(layer.window(14)->shown.bounds.left, 30);
    EXPECT_TRUE(layer.window(15)->shown.elliptic);
    EXPECT_EQ(layer.window(16)->shown.items.size(), 2u);
    EXPECT_EQ(layer.window(16)->shown.drive, 'c');
    EXPECT_FALSE(layer.window(11)->shown.visible);
    expectWindowsShowTheModel();

    box.setText("later");
    gauge.setProgress(7);
    label.hide();
    EXPECT_EQ(layer.window(12)->updates, std::vector<Property>{Property::Text});
    expectWindowsShowTheModel();
}

// A page shown before its turn gets its windows at once, before its show
// event runs, so the focus that event gives finds a window.
TEST_F(WindowPlanTest, APageShownBeforeItsTurnIsMadeBeforeItsShowEvent) {
    layer.plan.start();
    auto& target = form.get<ui::Control>(21);
    bool hadWindow = false;
    form.get<ui::TabPage>(20).onShow = [&] {
        hadWindow = target.peer() != nullptr;
        target.setFocus();
    };
    show(20);
    EXPECT_TRUE(hadWindow);
    EXPECT_EQ(layer.window(21)->focuses, 1);
    EXPECT_EQ(form.focused(), &target);
    EXPECT_EQ(layer.window(11), nullptr);  // the page between still waits
    EXPECT_TRUE(layer.plan.makeNext());
    EXPECT_FALSE(layer.plan.waiting());
}

// A control hidden in the model waits, with all it holds, also on a page that
// is shown: the front page at the start, another page when it is shown. It
// gets its window, with what it was given meanwhile, when it is shown or the
// program is idle, and that window lies among its siblings' as if it had been
// made in turn (later rows above earlier ones).
const ControlSpec kHeldBack[] = {
    {.id = 1, .kind = ControlKind::PageControl},
    {.id = 2, .kind = ControlKind::TabPage, .parent = 1, .text = "front"},
    {.id = 3, .kind = ControlKind::Label, .parent = 2, .text = "first"},
    {.id = 4, .kind = ControlKind::Panel, .parent = 2, .hidden = true},
    {.id = 5, .kind = ControlKind::Label, .parent = 4, .text = "inside"},
    {.id = 6, .kind = ControlKind::Label, .parent = 2, .text = "last"},
    {.id = 10, .kind = ControlKind::TabPage, .parent = 1, .text = "behind"},
    {.id = 11, .kind = ControlKind::Label, .parent = 10, .text = "first"},
    {.id = 12, .kind = ControlKind::Panel, .parent = 10, .hidden = true},
    {.id = 13, .kind = ControlKind::TextBox, .parent = 12, .text = "typed"},
    {.id = 14, .kind = ControlKind::Panel, .parent = 12, .hidden = true},
    {.id = 15, .kind = ControlKind::Label, .parent = 14, .text = "deepest"},
    {.id = 16, .kind = ControlKind::Label, .parent = 10, .text = "last"},
};

class HeldBackTest : public ::testing::Test {
protected:
    HeldBackTest() : form({.caption = "c", .title = "t", .font = {ui::FontFace::PGothic, -12}}), layer(form) {
        form.build(kHeldBack);
        form.get<ui::PageControl>(1).setInitialPage(form.get<ui::TabPage>(2));
        layer.plan.start();
    }
    bool made(int id) { return layer.window(id) != nullptr; }

    ui::Form form;
    FakeWindowLayer layer;
};

TEST_F(HeldBackTest, TheFrontPagesHiddenControlsWaitForIdleTimeAndStackInTurn) {
    EXPECT_EQ(layer.made, (std::vector<int>{1, 10, 2, 6, 3}));
    EXPECT_TRUE(layer.plan.makeNext());  // the front page's hidden panel, then the page behind
    EXPECT_TRUE(made(4) && made(5));
    EXPECT_EQ(layer.stacking[2], (std::vector<int>{6, 4, 3}));
    EXPECT_FALSE(layer.window(4)->shown.visible);
    EXPECT_TRUE(layer.plan.makeNext());
    EXPECT_FALSE(layer.plan.waiting());
    EXPECT_EQ(layer.stacking[10], (std::vector<int>{16, 12, 11}));
    EXPECT_EQ(layer.stacking[12], (std::vector<int>{14, 13}));
}

TEST_F(HeldBackTest, AHiddenPanelShownOnAShownPageGetsItsWindowsWithWhatItHoldsInItsPlace) {
    auto& panel = form.get<ui::Panel>(12);
    panel.show();  // its page was never shown: it waits for the page's turn
    EXPECT_FALSE(made(12));
    panel.hide();

    form.get<ui::PageControl>(1).setActivePage(form.get<ui::TabPage>(10));
    EXPECT_TRUE(made(11) && made(16));
    for (int id : {12, 13, 14, 15}) EXPECT_FALSE(made(id)) << id;

    form.get<ui::TextBox>(13).setText("given while waiting");
    panel.show();
    EXPECT_TRUE(made(12) && made(13));
    EXPECT_TRUE(layer.window(12)->shown.visible);
    EXPECT_EQ(layer.window(13)->shown.text, "given while waiting");
    EXPECT_FALSE(made(14) || made(15));  // hidden inside it: still waiting
    EXPECT_EQ(layer.stacking[10], (std::vector<int>{16, 12, 11}));

    form.get<ui::Panel>(14).show();
    EXPECT_TRUE(made(14) && made(15));
    EXPECT_EQ(layer.stacking[12], (std::vector<int>{14, 13}));
    EXPECT_TRUE(layer.plan.makeNext());  // only the front page's hidden panel waited still
    EXPECT_FALSE(layer.plan.waiting());
    for (const auto& [id, window] : layer.windows) {
        EXPECT_TRUE(window->shown == modelOf(form.get<ui::Control>(id))) << id;
    }
}

// The real window: after the creation sequence and the first drive selection,
// with only the disk page made, every page made later shows what the start-up
// put into it (texts, visibility, outlines, colours, gauge positions) on
// both kinds of platform.
TEST(WindowPlanMainWindowTest, PagesMadeAfterTheStartUpShowWhatItGaveThem) {
    for (auto make : {fake::makeWindows98, fake::makeWindowsXp}) {
        fake::Platform machine;
        make(machine);
        RecordedWindow recorded(machine);
        ui::Form& form = recorded.window.form();
        FakeWindowLayer layer(form);
        layer.plan.start();
        EXPECT_EQ(recorded.control(ids::Edit3).peer(), nullptr);  // the CPU page waits
        EXPECT_NE(recorded.control(ids::Memo1).peer(), nullptr);
        recorded.create();
        form.dispatch([&] { recorded.control<ui::DriveBox>(ids::DriveComboBox1).select('c'); });
        form.dispatch([&] { recorded.window.refreshTick(); });
        while (layer.plan.makeNext()) {
        }
        EXPECT_EQ(layer.windows.size(), form.controls().size());
        EXPECT_TRUE(layer.window(ids::Keisoku)->shown.elliptic);
        EXPECT_FALSE(layer.window(ids::NowPCName)->shown.text.empty());
        for (const auto& control : form.controls()) {
            FakeWindow* window = layer.window(control->id());
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(window->shown == modelOf(*control)) << ids::nameOf(control->id());
        }
    }
}

}  // namespace
