// The memory page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kRowLabel = pgothic(-15, colours::white);
constexpr FontSpec kFigures = pmincho(-23, colours::infoBackground, true, true);

constexpr ControlSpec kMemTop[] = {
    pagePanel(ids::Panel7, ids::MemTab, {0, 0, 463, 215}),
    label(ids::Label8, ids::Panel7, {40, 55, 45, 15}, texts::kShareCaption, kRowLabel),
    {.id = ids::Gauge1, .kind = ControlKind::Gauge, .parent = ids::Panel7,
     .bounds = {42, 82, 100, 100}, .font = pgothic(-20, colours::white, true), .colour = colours::black,
     .gauge = {.kind = present::GaugeKind::Pie, .fore = colours::red, .back = colours::navy}},
    shareFigure(ids::Label13, ids::Panel7),
    {.id = ids::Button2, .kind = ControlKind::Button, .parent = ids::Panel7,
     .bounds = {288, 176, 150, 25}, .text = texts::kMemoryButton, .font = pgothic(-15, colours::windowText),
     .hidden = true, .tabOrder = 0, .cursor = Cursor::Hand},
};

constexpr auto kMem = join(std::to_array(kMemTop),
                           usageFigures(ids::Panel7,
                                        {ids::Panel8, ids::Panel9, ids::Label5, ids::Label6, ids::Label7, ids::Memo4,
                                         ids::Memo5, ids::Memo6},
                                        texts::kMemoryIntroAtDesign, kFigures));

}  // namespace

std::span<const ControlSpec> memTab() { return kMem; }

}  // namespace layout
