// Font descriptions: the three Japanese faces, height, style and colour.
#pragma once

#include "present/colours.h"

namespace ui {

enum class FontFace {
    Inherit,       // the parent's font, as a control without a font of its own has
    PGothic,       // texts::kPGothicFace, proportional
    PMincho,       // texts::kPMinchoFace, proportional
    Gothic,        // texts::kGothicFace, fixed pitch
};

// The face name in the system code page, as CreateFontA wants it.
const char* faceName(FontFace face);

struct FontSpec {
    FontFace face = FontFace::Inherit;
    int height = 0;  // negative: character height in pixels
    bool bold = false;
    bool italic = false;
    present::Colour colour = present::colours::windowText;
};

// Two specs that draw the same glyphs (the colour is not part of a GDI font).
inline bool sameGlyphs(const FontSpec& a, const FontSpec& b) {
    return a.face == b.face && a.height == b.height && a.bold == b.bold && a.italic == b.italic;
}

}  // namespace ui
