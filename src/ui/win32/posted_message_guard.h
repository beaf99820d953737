// Keeps messages that another program may post to our thread from making it
// call or read an address the sender chose.
#pragma once

#include <windows.h>

#include "ui/win32/message_kinds.h"

namespace ui::win32 {

// While it lives, every message loop of the calling thread, the modal ones of
// message boxes, menus and window moves included, gets WM_NULL in place of a
// forged post before it can dispatch it.
class PostedMessageGuard {
public:
    PostedMessageGuard();
    ~PostedMessageGuard();
    PostedMessageGuard(const PostedMessageGuard&) = delete;
    PostedMessageGuard& operator=(const PostedMessageGuard&) = delete;

private:
    static LRESULT CALLBACK inspect(int code, WPARAM removal, LPARAM message);
    HHOOK hook_;
};

}  // namespace ui::win32
