// The tables of message kinds.
#include "ui/win32/message_kinds.h"

namespace ui::win32 {
namespace {

// Not in every header the build may use.
constexpr UINT kSysTimer = 0x0118;
constexpr UINT kLastKeyOrComposition = 0x010F;  // WM_IME_COMPOSITION, after the keys
constexpr UINT kMouseButtonFirst = 0x0201;  // WM_LBUTTONDOWN
constexpr UINT kMouseButtonLast = 0x020E;   // WM_MOUSEHWHEEL

// The system's messages below the controls' ranges whose wParam or lParam
// is a pointer, or a handle the receiver would read through.
constexpr UINT kSystemPointerMessages[] = {
    WM_CREATE,          WM_SETTEXT,          WM_GETTEXT,         WM_WININICHANGE,      WM_DEVMODECHANGE,
    WM_GETMINMAXINFO,   WM_DRAWITEM,         WM_MEASUREITEM,     WM_DELETEITEM,        WM_COMPAREITEM,
    WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_COPYDATA,      WM_NOTIFY,            WM_HELP,
    WM_STYLECHANGING,   WM_STYLECHANGED,     WM_NCCREATE,        WM_NCCALCSIZE,        WM_GETDLGCODE,
    WM_NEXTMENU,        WM_SIZING,           WM_MOVING,          WM_MDICREATE,         WM_DROPFILES,
    WM_PAINTCLIPBOARD,  WM_SIZECLIPBOARD,    WM_ASKCBFORMATNAME, WM_PRINT,             WM_PRINTCLIENT,
};

// The ranges of the system's controls' own messages below WM_USER: edit
// (with the scroll bar's and the button's), static, combo box and list box.
struct Range {
    UINT first;
    UINT last;
};
constexpr Range kControlRanges[] = {
    {0x00B0, 0x00FF},  // EM_*, SBM_*, BM_*
    {0x0140, 0x016F},  // CB_*
    {0x0170, 0x017F},  // STM_*
    {0x0180, 0x01AF},  // LB_*
    {WM_USER, 0x7FFF},  // the common controls' and every class's own
};

bool inControlRange(UINT message) {
    for (const Range& range : kControlRanges)
        if (message >= range.first && message <= range.last) return true;
    return false;
}

}  // namespace

bool isInput(UINT message) {
    if (message >= WM_KEYFIRST && message <= kLastKeyOrComposition) return true;
    if (message >= kMouseButtonFirst && message <= kMouseButtonLast) return true;
    switch (message) {
        case BM_CLICK:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_REPLACESEL:
        case WM_IME_CHAR:
        case WM_IME_KEYDOWN:
        case WM_IME_KEYUP:
            return true;
        default:
            return false;
    }
}

bool isForgedPost(const MSG& message) {
    switch (message.message) {
        // Our timers have no procedure; a timer message that names one was posted.
        case WM_TIMER:
        case kSysTimer:
            return message.lParam != 0;
        case WM_NCDESTROY:
        case WM_DESTROY:
            return true;
        default:
            break;
    }
    for (UINT pointerMessage : kSystemPointerMessages)
        if (message.message == pointerMessage) return true;
    // A control's message that comes posted with an argument: that argument
    // may be an address the control would read or fill in. Without one
    // (a button's click) it is harmless.
    return inControlRange(message.message) && (message.wParam != 0 || message.lParam != 0);
}

}  // namespace ui::win32
