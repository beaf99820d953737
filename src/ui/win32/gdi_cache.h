// The fonts and brushes the window paints with, made once and kept until the
// window system ends, so that painting never creates a GDI object per frame.
#pragma once

#include <windows.h>

#include <vector>

#include "present/colours.h"
#include "ui/font.h"
#include "ui/win32/handles.h"

namespace ui::win32 {

COLORREF resolve(present::Colour colour);

class GdiCache {
public:
    // A font without antialiasing is asked for where text is combined by exclusive-or.
    HFONT font(const FontSpec& spec, bool antialiased = true);
    HBRUSH brush(COLORREF colour);
    // A solid pen one pixel wide.
    HPEN pen(COLORREF colour);

private:
    struct FontEntry {
        FontSpec spec;
        bool antialiased;
        Font font;
    };
    struct BrushEntry {
        COLORREF colour;
        Brush brush;
    };
    std::vector<FontEntry> fonts_;
    std::vector<BrushEntry> brushes_;
    struct PenEntry {
        COLORREF colour;
        Pen pen;
    };
    std::vector<PenEntry> pens_;
};

}  // namespace ui::win32
