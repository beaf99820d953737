// The clipboard: a text in the system code page, put there for a window.
#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// Puts the text on the clipboard as CF_TEXT, in place of what it held, with
// CF_LOCALE naming the system's locale: the text is in the system code
// page, and a reader that wants Unicode (CF_UNICODETEXT, which the NT family
// makes from CF_TEXT) converts it by that locale rather than by the current
// keyboard's. False when the clipboard could not be had.
bool copyToClipboard(HWND owner, const std::string& text);

}  // namespace ui::win32
