// The check of posted messages, hooked into every message loop of the thread.
#include "ui/win32/posted_message_guard.h"

namespace ui::win32 {
namespace {

// Windows 9x wants the hook's own handle for the rest of the chain. One
// thread, one guard.
HHOOK g_hook = nullptr;

}  // namespace

PostedMessageGuard::PostedMessageGuard() {
    hook_ = SetWindowsHookExA(WH_GETMESSAGE, &PostedMessageGuard::inspect, nullptr, GetCurrentThreadId());
    g_hook = hook_;
}

PostedMessageGuard::~PostedMessageGuard() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    g_hook = nullptr;
}

LRESULT CALLBACK PostedMessageGuard::inspect(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION) {
        auto* posted = reinterpret_cast<MSG*>(message);
        if (isForgedPost(*posted)) {
            posted->message = WM_NULL;
            posted->wParam = 0;
            posted->lParam = 0;
        }
    }
    return CallNextHookEx(g_hook, code, removal, message);
}

}  // namespace ui::win32
