// The Japanese Windows face names.
#include "ui/font.h"

namespace ui {

const char* faceName(FontFace face) {
    switch (face) {
        case FontFace::PGothic: return "ＭＳ Ｐゴシック";
        case FontFace::PMincho: return "ＭＳ Ｐ明朝";
        case FontFace::Gothic: return "ＭＳ ゴシック";
        case FontFace::Inherit: break;
    }
    return "ＭＳ Ｐゴシック";
}

}  // namespace ui
