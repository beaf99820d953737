// What a window message is, as far as another program could use it against
// us: input that makes a control act, or a message that is only ever sent
// and carries a pointer (or asks for an answer through one), which a genuine
// sender never posts.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Keys, characters and mouse buttons, a button's click, and an edit
// control's paste, cut, clear and undo.
bool isInput(UINT message);

// Whether a posted message can only be forged: one that carries a pointer or
// asks for a reply through one (the system's such messages and every
// message of a control's own range that comes with an argument), a timer
// message that names a procedure (DispatchMessage would call it), or the
// creation and destruction of a window, which are never posted.
bool isForgedPost(const MSG& message);

}  // namespace ui::win32
