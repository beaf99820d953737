// Font and brush cache.
#include "ui/win32/gdi_cache.h"

#include "present/texts.h"

namespace ui::win32 {
namespace {

// The Japanese faces with their own character set; the English ones with the
// system's, whatever language it has.
BYTE characterSet() {
    return texts::language() == texts::Language::Japanese ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
}

}  // namespace

COLORREF resolve(present::Colour colour) {
    if (colour.isSystem()) return GetSysColor(colour.systemIndex());
    return RGB(colour.red(), colour.green(), colour.blue());
}

HFONT GdiCache::font(const FontSpec& spec, bool antialiased) {
    for (const FontEntry& entry : fonts_) {
        if (sameGlyphs(entry.spec, spec) && entry.antialiased == antialiased) return entry.font.get();
    }
    HFONT created = CreateFontA(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE,
                                FALSE, FALSE, characterSet(), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                antialiased ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, faceName(spec.face));
    fonts_.push_back({spec, antialiased, Font(created)});
    return created;
}

HBRUSH GdiCache::brush(COLORREF colour) {
    for (const BrushEntry& entry : brushes_) {
        if (entry.colour == colour) return entry.brush.get();
    }
    HBRUSH created = CreateSolidBrush(colour);
    brushes_.push_back({colour, Brush(created)});
    return created;
}

HPEN GdiCache::pen(COLORREF colour) {
    for (const PenEntry& entry : pens_) {
        if (entry.colour == colour) return entry.pen.get();
    }
    HPEN created = CreatePen(PS_SOLID, 1, colour);
    pens_.push_back({colour, Pen(created)});
    return created;
}

SIZE GdiCache::textExtent(const FontSpec& spec, const std::string& text) {
    if (measuring_.get() == nullptr) measuring_.reset(CreateCompatibleDC(nullptr));
    SIZE extent{};
    SelectGuard selected(measuring_.get(), font(spec));
    GetTextExtentPoint32A(measuring_.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

}  // namespace ui::win32
