// Shorthands shared by the page layout tables: fonts and the recurring control looks.
#pragma once

#include "pages/control_ids.h"
#include "present/colours.h"
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

constexpr ControlSpec label(int id, int parent, Rect bounds, const char* text, FontSpec font,
                            bool hidden = false) {
    return {.id = id, .kind = ControlKind::Label, .parent = parent, .bounds = bounds,
            .text = text, .font = font, .hidden = hidden};
}

// A text box dressed as a label: borderless on black, arrow cursor, the empty
// context menu and the caret-hiding mouse press.
constexpr ControlSpec displayBox(int id, int parent, Rect bounds, const char* text, FontSpec font,
                                 bool multiline, bool readOnly, Align align, int tabOrder) {
    return {.id = id, .kind = ControlKind::TextBox, .parent = parent, .bounds = bounds,
            .text = text, .font = font, .colour = colours::black, .tabOrder = tabOrder,
            .multiline = multiline, .readOnly = readOnly, .align = align, .cursor = Cursor::Arrow,
            .popupMenu = true, .hidesCaret = true};
}

// A push button that is never shown; it only carries a refresh action.
constexpr ControlSpec hiddenButton(int id, int parent, Rect bounds, const char* caption,
                                   int tabOrder) {
    return {.id = id, .kind = ControlKind::Button, .parent = parent, .bounds = bounds,
            .text = caption, .hidden = true, .tabOrder = tabOrder};
}

// The ring of a round push-panel and the push panel inside it.
constexpr ControlSpec ringPanel(int id, int parent, Rect bounds, int tabOrder = 0) {
    return {.id = id, .kind = ControlKind::Panel, .parent = parent, .bounds = bounds,
            .colour = colours::maroon, .tabOrder = tabOrder};
}
constexpr ControlSpec pushPanel(int id, int ring, Rect ringBounds, const char* caption,
                                FontSpec font, Colour colour) {
    return {.id = id, .kind = ControlKind::Panel, .parent = ring,
            .bounds = {0, 0, ringBounds.width - 1, ringBounds.height - 1}, .text = caption, .font = font,
            .colour = colour, .showCaption = true, .pushButton = true, .cursor = Cursor::Hand};
}

}  // namespace layout
