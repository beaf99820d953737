// The memory page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kRowLabel = pgothic(-15, colours::white);
constexpr FontSpec kFigures = pmincho(-23, colours::infoBackground, true, true);

constexpr ControlSpec kMem[] = {
    pagePanel(ids::Panel7, ids::MemTab, {0, 0, 463, 215}),
    label(ids::Label8, ids::Panel7, {40, 55, 45, 15}, texts::kShareCaption, kRowLabel),
    {.id = ids::Gauge1, .kind = ControlKind::Gauge, .parent = ids::Panel7,
     .bounds = {42, 82, 100, 100}, .font = pgothic(-20, colours::white, true), .colour = colours::black,
     .gauge = {.kind = present::GaugeKind::Pie, .fore = colours::red, .back = colours::navy}},
    {.id = ids::Label13, .kind = ControlKind::Label, .parent = ids::Panel7,
     .bounds = {95, 53, 45, 19}, .text = "100%", .font = pgothic(-19, colours::red, true), .align = Align::Right},
    {.id = ids::Button2, .kind = ControlKind::Button, .parent = ids::Panel7,
     .bounds = {288, 176, 150, 25}, .text = "メモリの状況を表示", .font = pgothic(-15, colours::windowText),
     .hidden = true, .tabOrder = 0, .cursor = Cursor::Hand},
    framePanel(ids::Panel8, ids::Panel7, {195, 7, 254, 106}, colours::white, 1),
    framePanel(ids::Panel9, ids::Panel8, {1, 1, 252, 104}, colours::black),
    label(ids::Label5, ids::Panel9, {10, 15, 45, 15}, texts::kTotalCaption, kRowLabel, true),
    label(ids::Label6, ids::Panel9, {10, 45, 45, 15}, texts::kUsedCaption, kRowLabel, true),
    label(ids::Label7, ids::Panel9, {10, 75, 45, 15}, texts::kFreeCaption, kRowLabel, true),
    displayBox(ids::Memo4, ids::Panel9, {60, 10, 185, 30}, "メイン・メモリー", kFigures, true, true,
               Align::Right, 0),
    displayBox(ids::Memo5, ids::Panel9, {60, 40, 185, 30}, "の使用状況を、", kFigures, true, true,
               Align::Right, 1),
    displayBox(ids::Memo6, ids::Panel9, {60, 70, 185, 30}, "大まかに表示。", kFigures, true, true,
               Align::Right, 2),
};

}  // namespace

std::span<const ControlSpec> memTab() { return kMem; }

}  // namespace layout
