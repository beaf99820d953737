// Push button window.
#include "ui/win32/button_window.h"

#include "ui/win32/window_system.h"

namespace ui::win32 {

ButtonWindow::ButtonWindow(WindowSystem& system, Button& button) : ControlWindow(system, button) {
    createSubclassed(system.instance(), "BUTTON", childStyle() | BS_PUSHBUTTON, 0, system.parentWindowFor(button),
                     button.id(), button.bounds(), button.text().c_str());
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().font(button.font())), FALSE);
    button.attach(this);
}

bool ButtonWindow::reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        // A click named in a message another program sent the parent counts
        // only where a click of the button could come: it never can for the
        // hidden buttons that carry the refreshes.
        if (acceptsInput()) raise(control_.onClick);
        result = 0;
        return true;
    }
    return false;
}

}  // namespace ui::win32
