// Common control window behaviour.
#include "ui/win32/control_window.h"

#include "base/scoped_flag.h"
#include "ui/form.h"
#include "ui/win32/message_kinds.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {

ControlWindow::ControlWindow(WindowSystem& system, Control& control) : system_(system), control_(control) {}

ControlWindow::~ControlWindow() {
    control_.attach(nullptr);
}

DWORD ControlWindow::childStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (control_.visible() ? WS_VISIBLE : 0);
}

void ControlWindow::update(Property property) {
    switch (property) {
        case Property::Visible:
            ShowWindow(hwnd(), control_.visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::Bounds: {
            const Rect& r = control_.bounds();
            SetWindowPos(hwnd(), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Property::Text:
            setWindowText(control_.text());
            break;
        default:
            InvalidateRect(hwnd(), nullptr, TRUE);
            break;
    }
}

void ControlWindow::focus() {
    if (GetFocus() != hwnd()) SetFocus(hwnd());
}

void ControlWindow::childShown(Control& child) {
    system_.makeShownWindows(child);
}

void ControlWindow::setWindowText(const std::string& text) {
    // The model raised its change event itself; the window's own change
    // notification for this text must not raise it again.
    base::ScopedFlag setting(settingText_);
    SetWindowTextA(hwnd(), text.c_str());
}

void ControlWindow::raise(const Handler& handler) {
    control_.form().dispatch(handler);
}

void ControlWindow::raiseMouse(const MouseHandler& handler, MouseButton button) {
    if (handler) control_.form().dispatch([&] { handler(button); });
}

bool ControlWindow::acceptsInput() const {
    return control_.showing() && IsWindowEnabled(hwnd()) && system_.acceptsInput();
}

bool ControlWindow::refuses(UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) return true;
    return isInput(message) && !acceptsInput();
}

LRESULT ControlWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            control_.form().focusChanged(&control_);
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && control_.cursor() != Cursor::Default) {
                SetCursor(control_.cursor() == Cursor::Hand ? system_.handCursor() : LoadCursorA(nullptr, IDC_ARROW));
                return TRUE;
            }
            break;
        case WM_CONTEXTMENU:
            if (control_.hasPopupMenu()) {
                // The context menu has no items, so opening it shows nothing;
                // a text box still takes the focus first, as for any menu.
                if (control_.kind() == ControlKind::TextBox && GetFocus() != hwnd()) SetFocus(hwnd());
                return 0;
            }
            break;
        default:
            break;
    }
    return defaultHandle(message, wParam, lParam);
}

}  // namespace ui::win32
