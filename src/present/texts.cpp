// The language of the texts.
#include "present/texts.h"

namespace texts {
namespace {

// Japanese until the start-up has chosen: the program's own language.
Language g_language = Language::Japanese;

}  // namespace

void choose(unsigned ansiCodePage) {
    g_language = ansiCodePage == 932 ? Language::Japanese : Language::English;
}

Language language() {
    return g_language;
}

}  // namespace texts
