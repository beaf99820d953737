// The application's title and the main window's caption, in the system code page.
#pragma once

namespace strings {

inline constexpr const char* kApplicationTitle = "Velnor(Win9x)";
// One ideographic space first, six blanks before "Ver", two ideographic
// spaces before "Tollen", two blanks at the end.
inline constexpr const char* kCaption = "　Velnor(Win9x)      Ver 1.2　　Tollen  ";

}  // namespace strings
