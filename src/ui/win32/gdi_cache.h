// The fonts and brushes the window paints with, made once and kept until the
// window system ends, so that painting never creates a GDI object per frame.
#pragma once

#include <windows.h>

#include <string>
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
    // The size of a single line of text in a font, measured in a kept memory
    // device context rather than a window's, which costs a round trip to the
    // window system for every label.
    SIZE textExtent(const FontSpec& spec, const std::string& text);

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
    MemoryDc measuring_;
};

}  // namespace ui::win32
