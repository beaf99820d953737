// The BIOS page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr ControlSpec kBios[] = {
    pagePanel(ids::Panel14, ids::BIOSTab, {0, 0, 463, 215}),
    framePanel(ids::Panel26, ids::Panel14, {20, 20, 415, 170}, colours::white),
    framePanel(ids::Panel27, ids::Panel26, {1, 1, 413, 168}, colours::black),
    displayBox(ids::Memo8, ids::Panel27, {20, 40, 380, 120}, "", pgothic(-15, colours::lime, true), true,
               true, Align::Left, 0),
    displayBox(ids::Edit1, ids::Panel27, {0, 15, 413, 30}, texts::kBiosTitle,
               pmincho(-21, colours::aqua, true), false, false, Align::Left, 1),
};

}  // namespace

std::span<const ControlSpec> biosTab() { return kBios; }

}  // namespace layout
