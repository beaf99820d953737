// The disk page's controls.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kRowLabel = pgothic(-15, colours::white);
constexpr FontSpec kFigures = pmincho(-23, colours::white, true, true);
constexpr FontSpec kVolume = pmincho(-19, colours::aqua, true, true);

constexpr ControlSpec kDiskTop[] = {
    pagePanel(ids::Panel2, ids::DiskTab, {0, 0, 463, 215}),
    {.id = ids::DriveComboBox1, .kind = ControlKind::DriveBox, .parent = ids::Panel2,
     .bounds = {16, 13, 150, 18}, .font = pgothic(-12, colours::window), .colour = colours::black,
     .cursor = Cursor::Hand},
    label(ids::Label12, ids::Panel2, {40, 55, 45, 15}, texts::kShareCaption, kRowLabel, true),
    shareFigure(ids::Label20, ids::Panel2),
    {.id = ids::Gauge5, .kind = ControlKind::Gauge, .parent = ids::Panel2,
     .bounds = {42, 82, 100, 100}, .font = pgothic(-20, colours::white, true), .colour = colours::black,
     .gauge = {.kind = present::GaugeKind::Pie, .fore = colours::red, .back = colours::navy}},
};

constexpr ControlSpec kVolumeRows[] = {
    framePanel(ids::Panel5, ids::Panel2, {195, 125, 254, 78}, colours::white, 2),
    framePanel(ids::Panel6, ids::Panel5, {1, 1, 252, 76}, colours::black),
    label(ids::Label15, ids::Panel6, {10, 15, 105, 15}, texts::kFileSystemCaption, kRowLabel),
    label(ids::Label14, ids::Panel6, {10, 45, 82, 15}, texts::kSerialCaption, kRowLabel),
    displayBox(ids::Memo10, ids::Panel6, {120, 10, 125, 25}, "", kVolume, true, true, Align::Right, 0),
    displayBox(ids::Memo9, ids::Panel6, {120, 40, 125, 25}, "", kVolume, true, true, Align::Right, 1),
    hiddenButton(ids::Button1, ids::Panel2, {112, 184, 50, 25}, "Button1", 3),
};

constexpr auto kDisk = join(std::to_array(kDiskTop),
                            usageFigures(ids::Panel2,
                                         {ids::Panel3, ids::Panel4, ids::Label2, ids::Label3, ids::Label4, ids::Memo1,
                                          ids::Memo2, ids::Memo3},
                                         texts::kDiskIntroAtDesign, kFigures),
                            std::to_array(kVolumeRows));

}  // namespace

std::span<const ControlSpec> diskTab() { return kDisk; }

}  // namespace layout
