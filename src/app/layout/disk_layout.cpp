// The disk page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kRowLabel = pgothic(-15, colours::white);
constexpr FontSpec kFigures = pmincho(-23, colours::white, true, true);
constexpr FontSpec kVolume = pmincho(-19, colours::aqua, true, true);

constexpr ControlSpec kDisk[] = {
    pagePanel(ids::Panel2, ids::DiskTab, {0, 0, 463, 215}),
    {.id = ids::DriveComboBox1, .kind = ControlKind::DriveBox, .parent = ids::Panel2,
     .bounds = {16, 13, 150, 18}, .font = pgothic(-12, colours::window), .colour = colours::black,
     .cursor = Cursor::Hand},
    label(ids::Label12, ids::Panel2, {40, 55, 45, 15}, texts::kShareCaption, kRowLabel, true),
    {.id = ids::Label20, .kind = ControlKind::Label, .parent = ids::Panel2,
     .bounds = {95, 53, 45, 19}, .text = "100%", .font = pgothic(-19, colours::red, true), .align = Align::Right},
    {.id = ids::Gauge5, .kind = ControlKind::Gauge, .parent = ids::Panel2,
     .bounds = {42, 82, 100, 100}, .font = pgothic(-20, colours::white, true), .colour = colours::black,
     .gauge = {.kind = present::GaugeKind::Pie, .fore = colours::red, .back = colours::navy}},
    framePanel(ids::Panel3, ids::Panel2, {195, 7, 254, 106}, colours::white, 1),
    framePanel(ids::Panel4, ids::Panel3, {1, 1, 252, 104}, colours::black),
    label(ids::Label2, ids::Panel4, {10, 15, 45, 15}, texts::kTotalCaption, kRowLabel, true),
    label(ids::Label3, ids::Panel4, {10, 45, 45, 15}, texts::kUsedCaption, kRowLabel, true),
    label(ids::Label4, ids::Panel4, {10, 75, 45, 15}, texts::kFreeCaption, kRowLabel, true),
    displayBox(ids::Memo1, ids::Panel4, {60, 10, 185, 30}, "ハードディスク等\r\n\r\n", kFigures, true, true,
               Align::Right, 0),
    displayBox(ids::Memo2, ids::Panel4, {60, 40, 185, 30}, "の使用状況を、", kFigures, true, true,
               Align::Right, 1),
    displayBox(ids::Memo3, ids::Panel4, {60, 70, 185, 30}, "大まかに表示。", kFigures, true, true,
               Align::Right, 2),
    framePanel(ids::Panel5, ids::Panel2, {195, 125, 254, 78}, colours::white, 2),
    framePanel(ids::Panel6, ids::Panel5, {1, 1, 252, 76}, colours::black),
    label(ids::Label15, ids::Panel6, {10, 15, 105, 15}, texts::kFileSystemCaption, kRowLabel),
    label(ids::Label14, ids::Panel6, {10, 45, 82, 15}, texts::kSerialCaption, kRowLabel),
    displayBox(ids::Memo10, ids::Panel6, {120, 10, 125, 25}, "", kVolume, true, true, Align::Right, 0),
    displayBox(ids::Memo9, ids::Panel6, {120, 40, 125, 25}, "", kVolume, true, true, Align::Right, 1),
    hiddenButton(ids::Button1, ids::Panel2, {112, 184, 50, 25}, "Button1", 3),
};

}  // namespace

std::span<const ControlSpec> diskTab() { return kDisk; }

}  // namespace layout
