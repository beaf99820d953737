// The window's layout tables: IDs, the behaviours they switch on, frames and panels.
#include <gtest/gtest.h>

#include <set>

#include "pages/control_ids.h"
#include "app/layout/layouts.h"
#include "ui/form.h"

namespace {

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() : form(layout::mainWindow(), layout::allTables()) {}
    const ui::Control& get(int id) { return *form.find(id); }
    ui::Form form;
};

TEST_F(LayoutTest, EveryNamedControlIsBuiltUnderItsOwnId) {
    std::set<int> seen;
    for (const auto& entry : ids::kControlNames) {
        ASSERT_NE(form.find(entry.id), nullptr) << entry.name;
        EXPECT_STREQ(ids::nameOf(entry.id), entry.name);
        EXPECT_TRUE(seen.insert(entry.id).second) << entry.name;
    }
    EXPECT_EQ(form.controls().size(), std::size(ids::kControlNames));
}

TEST_F(LayoutTest, TwentyTwoDisplayBoxesHideTheCaretAndThirtyOneHaveTheEmptyMenu) {
    std::set<std::string> hiding, menus;
    for (const auto& c : form.controls()) {
        if (c->hidesCaret()) hiding.insert(ids::nameOf(c->id()));
        if (c->hasPopupMenu()) menus.insert(ids::nameOf(c->id()));
    }
    EXPECT_EQ(hiding, (std::set<std::string>{"Memo1", "Memo2", "Memo3", "Memo9", "Memo10", "Memo4", "Memo5", "Memo6",
                                             "Memo7", "Memo8", "Disp1", "M1", "Name1", "Company1", "NowName",
                                             "NowCompany", "NowPCName", "Edit3", "Edit4", "Edit1", "Edit2",
                                             "Label23"}));
    EXPECT_EQ(menus.size(), 31u);
    for (const char* name : {"NewName", "NewCompany", "NewPCName", "Panel33", "Label25", "Label26", "Label27",
                             "Label10", "Label11", "Label23", "Edit1", "Disp1"})
        EXPECT_TRUE(menus.count(name)) << name;
}

TEST_F(LayoutTest, PushPanelsSitInTheirRingsOnePixelSmaller) {
    const std::pair<int, int> pairs[] = {
        {ids::Panel13, ids::Keisoku}, {ids::Panel23, ids::Touroku}, {ids::Panel24, ids::Cancel},
        {ids::Panel25, ids::Change}};
    for (const auto& [ring, push] : pairs) {
        const ui::Control& r = get(ring);
        const ui::Control& p = get(push);
        EXPECT_EQ(p.parent(), &r);
        EXPECT_EQ(p.bounds(), (ui::Rect{0, 0, r.width() - 1, r.height() - 1}));
        EXPECT_EQ(r.colour(), present::colours::maroon);
        EXPECT_EQ(p.cursor(), ui::Cursor::Hand);
    }
}

TEST_F(LayoutTest, OnePixelFramesHoldTheirInsideAtOneOne) {
    const int outers[] = {ids::Panel3,  ids::Panel5,  ids::Panel8,  ids::Panel11, ids::Panel32, ids::Panel18,
                          ids::Panel37, ids::Panel38, ids::Panel39, ids::Panel26, ids::Panel29, ids::Panel16,
                          ids::Panel20, ids::Panel21, ids::Panel22, ids::Panel31};
    for (int id : outers) {
        const ui::Control& outer = get(id);
        ASSERT_EQ(outer.children().size(), 1u) << ids::nameOf(outer.id());
        const ui::Control& inner = *outer.children()[0];
        EXPECT_EQ(inner.bounds(), (ui::Rect{1, 1, outer.width() - 2, outer.height() - 2})) << ids::nameOf(outer.id());
    }
}

TEST_F(LayoutTest, EachPageIsCoveredByOneBlackPanel) {
    const std::pair<int, int> pages[] = {{ids::DiskTab, ids::Panel2},     {ids::MemTab, ids::Panel7},
                                         {ids::CPUTab, ids::Panel10},     {ids::ResTab, ids::Panel15},
                                         {ids::BIOSTab, ids::Panel14},    {ids::DisplayTab, ids::Panel28},
                                         {ids::UserTab, ids::Panel1}};
    for (const auto& [page, panel] : pages) {
        const auto& p = static_cast<const ui::Panel&>(get(panel));
        EXPECT_EQ(p.parent()->id(), page);
        EXPECT_EQ(p.colour(), present::colours::black);
        EXPECT_TRUE(p.singleBorder());
        EXPECT_EQ(p.width(), 463);
        EXPECT_EQ(p.height(), panel == ids::Panel10 ? 216 : 215);
    }
}

TEST_F(LayoutTest, DesignStateOfTheWindow) {
    EXPECT_EQ(form.clientSize().width, 472);
    EXPECT_EQ(form.clientSize().height, 242);
    EXPECT_STREQ(form.caption(), "　Velnor(Win9x)      Ver 1.2　　Tollen  ");
    EXPECT_STREQ(form.title(), "Velnor(Win9x)");
    EXPECT_EQ(std::string(form.caption()).size(), 40u);  // three ideographic spaces of two bytes each
    for (int hidden : {ids::Label12, ids::Label2, ids::Label5, ids::Label16, ids::Panel20, ids::Button1,
                       ids::Button2, ids::Button4, ids::Button8})
        EXPECT_FALSE(get(hidden).visible()) << ids::nameOf(hidden);
    EXPECT_EQ(get(ids::Memo7).text(), "CPUクロック   ");
    EXPECT_EQ(get(ids::Edit2).text(), "　　　　　　ディスプレイ（画面）情報");
    EXPECT_EQ(get(ids::Edit1).text(), "           メインボード　バイオス情報");
    EXPECT_EQ(get(ids::Memo1).fontColour(), present::colours::white);
    EXPECT_EQ(get(ids::Memo4).fontColour(), present::colours::infoBackground);
    EXPECT_EQ(get(ids::Label20).font().height, -19);
    EXPECT_TRUE(get(ids::Label20).font().bold);
    EXPECT_EQ(static_cast<const ui::Gauge&>(get(ids::Gauge2)).gaugeKind(), present::GaugeKind::HorizontalBar);
    EXPECT_TRUE(static_cast<const ui::Gauge&>(get(ids::Gauge2)).singleBorder());
    EXPECT_EQ(static_cast<const ui::Gauge&>(get(ids::Gauge6)).colour(), present::colours::black);
    EXPECT_EQ(static_cast<const ui::Gauge&>(get(ids::Gauge3)).foreColour(), present::colours::blue);
}

TEST_F(LayoutTest, TheTabsAreInTheirOrderWithTheirCaptions) {
    std::vector<std::string> captions;
    for (const ui::TabPage* page : form.get<ui::PageControl>(ids::PageControl1).pages()) captions.push_back(page->text());
    EXPECT_EQ(captions, (std::vector<std::string>{"ディスク", "メモリ", "CPU", "リソース 残量", "BIOS", "画面",
                                                  "ユーザー 情報"}));
}

}  // namespace
