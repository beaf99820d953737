// The system resources page's controls: three bars in silver frames.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kBarText = pgothic(-16, colours::white, true);

constexpr ControlSpec bar(int id, int parent, Rect bounds, Colour fore) {
    return {.id = id, .kind = ControlKind::Gauge, .parent = parent, .bounds = bounds,
            .font = kBarText,
            .gauge = {.kind = present::GaugeKind::HorizontalBar, .fore = fore, .back = colours::black,
                      .singleBorder = true}};
}

constexpr ControlSpec kRes[] = {
    {.id = ids::Panel15, .kind = ControlKind::Panel, .parent = ids::ResTab,
     .bounds = {0, 0, 463, 215}, .font = pgothic(-12, colours::white), .colour = colours::black,
     .singleBorder = true},
    framePanel(ids::Panel18, ids::Panel15, {20, 20, 422, 170}, colours::white),
    framePanel(ids::Panel19, ids::Panel18, {1, 1, 420, 168}, colours::black),
    label(ids::Label17, ids::Panel19, {10, 30, 50, 12}, texts::kSystemHeapCaption, pgothic(-12, colours::white, true)),
    label(ids::Label18, ids::Panel19, {15, 82, 39, 15}, texts::kGdiHeapCaption, pgothic(-15, colours::white)),
    label(ids::Label19, ids::Panel19, {15, 132, 41, 15}, texts::kUserHeapCaption, pgothic(-15, colours::white)),
    {.id = ids::Button4, .kind = ControlKind::Button, .parent = ids::Panel19,
     .bounds = {14, 97, 50, 25}, .text = texts::kResourcesButton, .font = pgothic(-15, colours::windowText), .hidden = true},
    framePanel(ids::Panel37, ids::Panel19, {70, 25, 332, 22}, colours::silver, 1),
    bar(ids::Gauge2, ids::Panel37, {1, 1, 330, 20}, colours::yellow),
    framePanel(ids::Panel38, ids::Panel19, {70, 80, 332, 20}, colours::silver, 2),
    bar(ids::Gauge3, ids::Panel38, {1, 1, 330, 18}, colours::blue),
    framePanel(ids::Panel39, ids::Panel19, {70, 130, 332, 20}, colours::silver, 3),
    bar(ids::Gauge4, ids::Panel39, {1, 1, 330, 18}, colours::blue),
};

}  // namespace

std::span<const ControlSpec> resTab() { return kRes; }

}  // namespace layout
