// The face names of the fonts.
#include "ui/font.h"

#include "present/texts.h"

namespace ui {

const char* faceName(FontFace face) {
    switch (face) {
        case FontFace::PGothic: return texts::kPGothicFace;
        case FontFace::PMincho: return texts::kPMinchoFace;
        case FontFace::Gothic: return texts::kGothicFace;
        case FontFace::Inherit: break;
    }
    return texts::kPGothicFace;
}

}  // namespace ui
