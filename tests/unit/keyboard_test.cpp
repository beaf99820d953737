// The window without a mouse: the tab order over the real layout, push panels
// pressed by keys, Enter and Esc on the editing panel, and the focus that
// never stays on a control nobody sees.
#include "form_fixture.h"

#include <string>
#include <vector>

#include "ui/focus_order.h"

namespace {

class KeyboardTest : public FormTest {
protected:
    KeyboardTest() { fake::makeWindowsXp(machine); }
    // The tab stops Tab (or Shift+Tab) goes through from the focused control,
    // by their IDs, until it comes round to where it began.
    std::vector<int> tabRound(bool forward) {
        std::vector<int> ids;
        const ui::Control* from = form().focused();
        for (int i = 0; i < 100; ++i) {
            ui::Control* next = ui::nextTabStop(form(), from, forward);
            if (next == nullptr || next == form().focused() || (!ids.empty() && next->id() == ids.front())) break;
            ids.push_back(next->id());
            from = next;
        }
        return ids;
    }
    void focus(int id) {
        form().dispatch([&] { control(id).setFocus(); });
    }
    int focusedId() { return form().focused() ? form().focused()->id() : 0; }
};

TEST_F(KeyboardTest, TabGoesThroughAPagesBoxesAndPushPanelsInTheirOrder) {
    start();
    showPage(ids::CPUTab);  // the show event put the focus on Panel11, no tab stop
    EXPECT_EQ(tabRound(true),
              (std::vector<int>{ids::Memo7, ids::Keisoku, ids::Edit3, ids::Edit4, ids::PageControl1}));
    focus(ids::Keisoku);
    EXPECT_EQ(tabRound(false),
              (std::vector<int>{ids::Memo7, ids::PageControl1, ids::Edit4, ids::Edit3}));
    // In viewing mode the user page ends with the push panel that opens editing.
    showPage(ids::UserTab);
    EXPECT_EQ(tabRound(true), (std::vector<int>{ids::Name1, ids::Company1, ids::NowName, ids::NowCompany,
                                                ids::NowPCName, ids::Change, ids::PageControl1, ids::M1}));
}

TEST_F(KeyboardTest, WhileEditingTabGoesRoundTheEditingPanelOnly) {
    start();
    showPage(ids::UserTab);
    click(ids::Change);
    ASSERT_EQ(focusedId(), ids::NewName);
    // The layout's tab order of the editing panel puts the computer name after the two push panels.
    const std::vector<int> forward{ids::NewCompany, ids::Touroku, ids::Cancel, ids::NewPCName};
    EXPECT_EQ(tabRound(true), forward);
    EXPECT_EQ(tabRound(false), (std::vector<int>{ids::NewPCName, ids::Cancel, ids::Touroku, ids::NewCompany}));
    // Also from a box the editing panel covers in part, Tab goes onto the panel.
    focus(ids::NowName);
    EXPECT_EQ(ui::nextTabStop(form(), form().focused(), true)->id(), ids::NewName);
    EXPECT_EQ(ui::nextTabStop(form(), form().focused(), false)->id(), ids::NewPCName);
    click(ids::Cancel);
    focus(ids::NowName);
    EXPECT_EQ(ui::nextTabStop(form(), form().focused(), true)->id(), ids::NowCompany);
}

TEST_F(KeyboardTest, CtrlTabGoesRoundThePagesWhoseTabsShow) {
    start();
    auto& pages = control<ui::PageControl>(ids::PageControl1);
    std::vector<int> order;
    for (int i = 0; i < 7; ++i) {
        ui::TabPage* next = ui::nextPage(pages, true);
        ASSERT_NE(next, nullptr);
        order.push_back(next->id());
        showPage(next->id());
    }
    EXPECT_EQ(order, (std::vector<int>{ids::MemTab, ids::CPUTab, ids::ResTab, ids::BIOSTab, ids::DisplayTab,
                                       ids::UserTab, ids::DiskTab}));
    EXPECT_EQ(ui::nextPage(pages, false)->id(), ids::UserTab);
    control(ids::UserTab).hide();
    showPage(ids::DisplayTab);
    EXPECT_EQ(ui::nextPage(pages, true)->id(), ids::DiskTab);
}

// Where a page without a focus move of its own comes to the front, the focus
// left on the page before goes to the tabs, as a click on the tab leaves it.
TEST_F(KeyboardTest, TheFocusNeverStaysOnAPageThatWentBehind) {
    start();
    const std::pair<int, int> cases[] = {
        {ids::CPUTab, ids::Panel11}, {ids::ResTab, ids::PageControl1}, {ids::BIOSTab, ids::Panel26},
        {ids::DiskTab, ids::PageControl1}, {ids::UserTab, ids::Panel16}, {ids::DiskTab, ids::PageControl1},
    };
    for (const auto& [page, focused] : cases) {
        showPage(page);
        EXPECT_EQ(focusedId(), focused) << page;
        ASSERT_NE(form().focused(), nullptr) << page;
        ASSERT_TRUE(form().focused()->showing()) << page;
    }
    // A panel hidden under the focus hands it on the same way.
    showPage(ids::UserTab);
    click(ids::Change);
    ASSERT_EQ(focusedId(), ids::NewName);
    control(ids::Panel20).hide();
    EXPECT_EQ(focusedId(), ids::PageControl1);
}

TEST_F(KeyboardTest, SpaceOrEnterPressesAPushPanelAsTheMouseDoes) {
    start();
    showPage(ids::CPUTab);
    auto& keisoku = control<ui::Panel>(ids::Keisoku);
    const ui::Rect at = keisoku.bounds();
    const ui::Rect down{at.left + 1, at.top + 1, at.width, at.height};
    keisoku.pressed(ui::Panel::Press::Key, true);
    EXPECT_EQ(keisoku.bounds(), down);
    // The mouse neither presses it again nor releases the key's press.
    keisoku.leftPressed(true);
    keisoku.leftReleased(true);
    EXPECT_EQ(keisoku.bounds(), down);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    keisoku.released(ui::Panel::Press::Key, true);
    EXPECT_EQ(keisoku.bounds(), at);
    EXPECT_TRUE(timer(ids::Timer1).enabled());
    EXPECT_EQ(text(ids::Memo7), " 只今・・・計測中！");
    // The focus left while the key held it: undone, no click.
    form().dispatch([&] { timer(ids::Timer1).setEnabled(false); });
    keisoku.pressed(ui::Panel::Press::Key, true);
    keisoku.pressLost();
    keisoku.released(ui::Panel::Press::Key, true);
    EXPECT_EQ(keisoku.bounds(), at);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
}

TEST_F(KeyboardTest, EnterRegistersAndEscCancelsFromTheEditingPanel) {
    machine.computerName = "OLDNAME";
    start();
    showPage(ids::UserTab);
    const int boxes[] = {ids::NewName, ids::NewCompany, ids::NewPCName};
    for (int box : boxes) {
        click(ids::Change);
        focus(box);
        form().dispatch([&] { control(ids::NewCompany).textEdited("Typed " + std::to_string(box)); });
        form().dispatch([&] { control(box).onEscape(); });
        EXPECT_FALSE(visible(ids::Panel20)) << box;
        EXPECT_EQ(focusedId(), ids::Change) << box;
        EXPECT_TRUE(machine.registry.find(platform::kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                          "RegisteredOrganization") == nullptr)
            << box;
    }
    // Esc on either push panel of the editing panel cancels too.
    for (int panel : {ids::Touroku, ids::Cancel}) {
        click(ids::Change);
        focus(panel);
        form().dispatch([&] { control(panel).onEscape(); });
        EXPECT_FALSE(visible(ids::Panel20)) << panel;
        EXPECT_EQ(focusedId(), ids::Change) << panel;
    }
    for (int box : boxes) {
        click(ids::Change);
        focus(box);
        std::string organisation = "Org " + std::to_string(box);
        form().dispatch([&] { control(ids::NewCompany).textEdited(organisation); });
        form().dispatch([&] { control(box).onEnter(); });
        EXPECT_FALSE(visible(ids::Panel20)) << box;
        EXPECT_EQ(text(ids::NowCompany), organisation) << box;
        EXPECT_EQ(focusedId(), ids::Change) << box;
    }
}

TEST_F(KeyboardTest, AClickOnTourokuLeavesTheFocusOnChangeOnlyWhenTheEditingPanelHadIt) {
    start();
    showPage(ids::UserTab);
    click(ids::Change);
    ASSERT_EQ(focusedId(), ids::NewName);
    click(ids::Touroku);
    EXPECT_EQ(focusedId(), ids::Change);
    // The focus elsewhere, on the part of the page the panel leaves free, stays there.
    click(ids::Change);
    focus(ids::Name1);
    click(ids::Cancel);
    EXPECT_EQ(focusedId(), ids::Name1);
}

TEST(LabelPlacement, ARightAlignedFigureWiderThanItsBoxGrowsToTheRight) {
    ui::Form form({});
    const ui::ControlSpec table[] = {
        {.id = 1, .kind = ui::ControlKind::Label, .bounds = {95, 53, 45, 19}, .align = ui::Align::Right},
        {.id = 2, .kind = ui::ControlKind::Label, .bounds = {10, 15, 45, 15}},
    };
    form.build(table);
    const auto& right = form.get<ui::Label>(1);
    const auto& left = form.get<ui::Label>(2);
    const struct {
        const ui::Label& label;
        int textWidth;
        ui::Rect placed;
    } cases[] = {
        {right, 30, {110, 53, 30, 19}},  // "37 %": the right edge kept
        {right, 45, {95, 53, 45, 19}},   // just fits
        {right, 46, {95, 53, 46, 19}},   // "100 %": from the left edge, to the right
        {right, 0, {140, 53, 0, 19}},
        {left, 30, {10, 15, 30, 19}},
        {left, 60, {10, 15, 60, 19}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.label.boundsFor({c.textWidth, 19}), c.placed) << c.textWidth;
}

}  // namespace
