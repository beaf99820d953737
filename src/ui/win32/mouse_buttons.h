// Which mouse button a button message is of, and whether it presses or
// releases it: the one mapping the control windows share.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/control.h"

namespace ui::win32 {

struct ButtonMessage {
    MouseButton button;
    bool press;        // a press, the second press of a double click included
    bool secondPress;  // the second press of a double click (a class with CS_DBLCLKS)
};

// Nothing for a message that neither presses nor releases one of the three buttons.
inline std::optional<ButtonMessage> buttonMessage(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: return ButtonMessage{MouseButton::Left, true, false};
        case WM_LBUTTONDBLCLK: return ButtonMessage{MouseButton::Left, true, true};
        case WM_LBUTTONUP: return ButtonMessage{MouseButton::Left, false, false};
        case WM_RBUTTONDOWN: return ButtonMessage{MouseButton::Right, true, false};
        case WM_RBUTTONDBLCLK: return ButtonMessage{MouseButton::Right, true, true};
        case WM_RBUTTONUP: return ButtonMessage{MouseButton::Right, false, false};
        case WM_MBUTTONDOWN: return ButtonMessage{MouseButton::Middle, true, false};
        case WM_MBUTTONDBLCLK: return ButtonMessage{MouseButton::Middle, true, true};
        case WM_MBUTTONUP: return ButtonMessage{MouseButton::Middle, false, false};
        default: return std::nullopt;
    }
}

}  // namespace ui::win32
