// The main window and its page control with the seven tab pages.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr Rect kSheet{4, 24, 464, 214};  // the back end places pages in the tabs' display area

constexpr ControlSpec kFrame[] = {
    {.id = ids::PageControl1, .kind = ControlKind::PageControl, .bounds = {0, 0, 472, 242}},
    {.id = ids::DiskTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kDiskTab},
    {.id = ids::MemTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kMemoryTab},
    {.id = ids::CPUTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kCpuTab},
    {.id = ids::ResTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kResourcesTab},
    {.id = ids::BIOSTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kBiosTab},
    {.id = ids::DisplayTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kDisplayTab},
    {.id = ids::UserTab, .kind = ControlKind::TabPage, .parent = ids::PageControl1,
     .bounds = kSheet, .text = texts::kUserTab},
};

// Timer1: the one-second delay before a clock measurement, armed by its
// push panel; Timer2: the 2-second refresh, running from the start.
constexpr ui::TimerSpec kTimers[] = {{ids::Timer1, 1000, false}, {ids::Timer2, 2000, true}};

}  // namespace

ui::FormSpec mainWindow() {
    return {.caption = texts::kCaption,
            .title = texts::kApplicationTitle,
            .clientSize = {472, 242},
            .left = 229,
            .top = 132,
            .font = pgothic(-12, colours::windowText),
            .colour = colours::buttonFace,
            .timers = kTimers};
}

std::span<const ControlSpec> frame() { return kFrame; }

std::span<const std::span<const ControlSpec>> allTables() {
    static const std::span<const ControlSpec> tables[] = {frame(),  diskTab(),    memTab(),   cpuTab(),
                                                          resTab(), biosTab(),    displayTab(), userTab()};
    return tables;
}

}  // namespace layout
