// The CPU page's controls: the clock, the processor name and vendor, the load gauge.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr Rect kKeisokuRing{270, 160, 115, 26};

constexpr ControlSpec kCpu[] = {
    pagePanel(ids::Panel10, ids::CPUTab, {0, 0, 463, 216}),
    framePanel(ids::Panel11, ids::Panel10, {195, 7, 254, 47}, colours::white, 0),
    framePanel(ids::Panel12, ids::Panel11, {1, 1, 252, 45}, colours::black),
    label(ids::Label16, ids::Panel12, {10, 15, 45, 15}, texts::kClockCaption, pgothic(-15, colours::window), true),
    displayBox(ids::Memo7, ids::Panel12, {60, 10, 185, 30}, texts::kClockIdle,
               pmincho(-23, colours::infoBackground, true, true), true, true, Align::Right, 0),
    ringPanel(ids::Panel13, ids::Panel10, kKeisokuRing, 1),
    pushPanel(ids::Keisoku, ids::Panel13, kKeisokuRing, texts::kMeasureButton, pgothic(-15, colours::white),
              colours::green),
    framePanel(ids::Panel32, ids::Panel10, {195, 65, 254, 74}, colours::white, 2),
    {.id = ids::Panel33, .kind = ControlKind::Panel, .parent = ids::Panel32,
     .bounds = {1, 1, 252, 72}, .colour = colours::black, .popupMenu = true},
    {.id = ids::Label26, .kind = ControlKind::Label, .parent = ids::Panel33,
     .bounds = {10, 15, 36, 13}, .text = texts::kProcessorNameCaption, .font = pgothic(-13, colours::white, true),
     .popupMenu = true},
    {.id = ids::Label27, .kind = ControlKind::Label, .parent = ids::Panel33,
     .bounds = {10, 40, 47, 13}, .text = texts::kVendorCaption, .font = pgothic(-13, colours::white, true),
     .popupMenu = true},
    displayBox(ids::Edit3, ids::Panel33, {65, 15, 180, 23}, "Edit3", pgothic(-13, colours::yellow, true),
               false, false, Align::Left, 0),
    displayBox(ids::Edit4, ids::Panel33, {65, 40, 180, 23}, "Edit4", pgothic(-13, colours::aqua, true),
               false, false, Align::Left, 1),
    label(ids::Label9, ids::Panel10, {40, 55, 45, 15}, texts::kLoadCaption, pgothic(-15, colours::white)),
    {.id = ids::Gauge6, .kind = ControlKind::Gauge, .parent = ids::Panel10,
     .bounds = {42, 82, 100, 100}, .font = pgothic(-20, colours::windowText, true),
     .gauge = {.kind = present::GaugeKind::Pie, .fore = colours::red, .back = colours::navy}},
    shareFigure(ids::Label21, ids::Panel10),
};

}  // namespace

std::span<const ControlSpec> cpuTab() { return kCpu; }

}  // namespace layout
