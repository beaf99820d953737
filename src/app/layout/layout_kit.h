// Shorthands shared by the page layout tables: fonts and the recurring control looks.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "pages/control_ids.h"
#include "present/colours.h"
#include "present/texts.h"
#include "ui/layout.h"

namespace layout {

using present::Colour;
using ui::Align;
using ui::ControlKind;
using ui::ControlSpec;
using ui::Cursor;
using ui::FontFace;
using ui::FontSpec;
using ui::Rect;
namespace colours = present::colours;

constexpr FontSpec pgothic(int height, Colour colour, bool bold = false) {
    return {FontFace::PGothic, height, bold, false, colour};
}
constexpr FontSpec pmincho(int height, Colour colour, bool bold = false, bool italic = false) {
    return {FontFace::PMincho, height, bold, italic, colour};
}
constexpr FontSpec gothic(int height, Colour colour, bool bold = false) {
    return {FontFace::Gothic, height, bold, false, colour};
}

// A page's black panel: no bevel, single border.
constexpr ControlSpec pagePanel(int id, int parent, Rect bounds) {
    return {.id = id, .kind = ControlKind::Panel, .parent = parent, .bounds = bounds,
            .colour = colours::black, .singleBorder = true};
}

// A plain panel without bevel: the outer panels of one-pixel frames and their insides.
constexpr ControlSpec framePanel(int id, int parent, Rect bounds, Colour colour,
                                 int tabOrder = 0) {
    return {.id = id, .kind = ControlKind::Panel, .parent = parent, .bounds = bounds,
            .colour = colour, .tabOrder = tabOrder};
}

constexpr ControlSpec label(int id, int parent, Rect bounds, texts::Text text, FontSpec font,
                            bool hidden = false) {
    return {.id = id, .kind = ControlKind::Label, .parent = parent, .bounds = bounds,
            .text = text, .font = font, .hidden = hidden};
}

// A text box dressed as a label: borderless on black, arrow cursor, the empty
// context menu and the caret-hiding mouse press.
constexpr ControlSpec displayBox(int id, int parent, Rect bounds, texts::Text text, FontSpec font,
                                 bool multiline, bool readOnly, Align align, int tabOrder) {
    return {.id = id, .kind = ControlKind::TextBox, .parent = parent, .bounds = bounds,
            .text = text, .font = font, .colour = colours::black, .tabOrder = tabOrder,
            .multiline = multiline, .readOnly = readOnly, .align = align, .cursor = Cursor::Arrow,
            .popupMenu = true, .hidesCaret = true};
}

// A push button that is never shown; it only carries a refresh action.
constexpr ControlSpec hiddenButton(int id, int parent, Rect bounds, texts::Text caption,
                                   int tabOrder) {
    return {.id = id, .kind = ControlKind::Button, .parent = parent, .bounds = bounds,
            .text = caption, .hidden = true, .tabOrder = tabOrder};
}

// The ring of a round push-panel and the push panel inside it.
constexpr ControlSpec ringPanel(int id, int parent, Rect bounds, int tabOrder = 0) {
    return {.id = id, .kind = ControlKind::Panel, .parent = parent, .bounds = bounds,
            .colour = colours::maroon, .tabOrder = tabOrder};
}
constexpr ControlSpec pushPanel(int id, int ring, Rect ringBounds, texts::Text caption,
                                FontSpec font, Colour colour) {
    return {.id = id, .kind = ControlKind::Panel, .parent = ring,
            .bounds = {0, 0, ringBounds.width - 1, ringBounds.height - 1}, .text = caption, .font = font,
            .colour = colour, .showCaption = true, .pushButton = true, .cursor = Cursor::Hand};
}

// A share in figures beside its pie (the disk, memory and CPU pages):
// right-aligned, red until the first figure.
constexpr ControlSpec shareFigure(int id, int parent) {
    return {.id = id, .kind = ControlKind::Label, .parent = parent, .bounds = {95, 53, 45, 19},
            .text = texts::kShareAtDesign, .font = pgothic(-19, colours::red, true), .align = Align::Right};
}

// One table made of several parts, in their order.
template <std::size_t... N>
constexpr std::array<ControlSpec, (N + ...)> join(const std::array<ControlSpec, N>&... parts) {
    std::array<ControlSpec, (N + ...)> table{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), table.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return table;
}

// The figures of a used share, as the disk and memory pages lay them out
// alike: a white frame on the page panel holding the three row captions,
// hidden until the first figures, and the three right-aligned figure boxes
// with their texts at design.
struct UsageFigureIds {
    int frame, inside, totalCaption, usedCaption, freeCaption, total, used, free;
};
constexpr std::array<ControlSpec, 8> usageFigures(int pagePanel, const UsageFigureIds& id, texts::Text firstText,
                                                  FontSpec figures) {
    constexpr FontSpec kRowLabel = pgothic(-15, colours::white);
    return {framePanel(id.frame, pagePanel, {195, 7, 254, 106}, colours::white, 1),
            framePanel(id.inside, id.frame, {1, 1, 252, 104}, colours::black),
            label(id.totalCaption, id.inside, {10, 15, 45, 15}, texts::kTotalCaption, kRowLabel, true),
            label(id.usedCaption, id.inside, {10, 45, 45, 15}, texts::kUsedCaption, kRowLabel, true),
            label(id.freeCaption, id.inside, {10, 75, 45, 15}, texts::kFreeCaption, kRowLabel, true),
            displayBox(id.total, id.inside, {60, 10, 185, 30}, firstText, figures, true, true, Align::Right, 0),
            displayBox(id.used, id.inside, {60, 40, 185, 30}, texts::kUsageIntro2AtDesign, figures, true, true,
                       Align::Right, 1),
            displayBox(id.free, id.inside, {60, 70, 185, 30}, texts::kUsageIntro3AtDesign, figures, true, true,
                       Align::Right, 2)};
}

}  // namespace layout
