// The display page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr ControlSpec kDisplay[] = {
    pagePanel(ids::Panel28, ids::DisplayTab, {0, 0, 463, 215}),
    framePanel(ids::Panel29, ids::Panel28, {20, 20, 415, 170}, colours::white),
    framePanel(ids::Panel30, ids::Panel29, {1, 1, 413, 168}, colours::black),
    displayBox(ids::Disp1, ids::Panel30, {0, 40, 413, 120}, "", gothic(-16, colours::lime, true), true,
               false, Align::Left, 0),
    displayBox(ids::Edit2, ids::Panel30, {0, 15, 413, 30}, texts::kDisplayTitle,
               pmincho(-21, colours::aqua, true), false, false, Align::Left, 1),
};

}  // namespace

std::span<const ControlSpec> displayTab() { return kDisplay; }

}  // namespace layout
