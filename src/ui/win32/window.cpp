// Window objects and message reflection.
#include "ui/win32/window.h"

#include <utility>
#include <vector>

#include "ui/win32/own_memory.h"

// Nothing may unwind through the system's frames between a window procedure
// and the message loop: the Windows build has no exceptions, so that nothing
// can (the registry's errors are results, a failed allocation ends the process).
#if __cpp_exceptions
#error "the window procedures are built without exceptions"
#endif

namespace ui::win32 {
namespace {

// The objects of this process's windows, looked up here rather than in a
// window property: under Wine every property access is a round trip to the
// server, and the lookup runs for every message. (Not GWL_USERDATA either: a
// system class's window that we did not make, a combo box's list or a tooltip,
// may keep its own value there.) All our windows live on one thread.
std::vector<std::pair<HWND, Window*>>& links() {
    static std::vector<std::pair<HWND, Window*>> table;
    return table;
}

void link(HWND hwnd, Window* window) {
    auto& table = links();
    for (auto& entry : table) {
        if (entry.first == hwnd) {
            entry = table.back();
            table.pop_back();
            break;
        }
    }
    if (window != nullptr) table.emplace_back(hwnd, window);
}

// The object whose window CreateWindowExA is making on this thread right
// now: its WM_NCCREATE ties the two, whatever the message's record says.
Window* g_creating = nullptr;

}  // namespace

Window::~Window() {
    destroy();
}

void Window::destroy() {
    if (hwnd_ == nullptr) return;
    destroying_ = true;
    DestroyWindow(hwnd_);
}

bool Window::beingDestroyed() const {
    // Parents and owners alike: a window's destruction takes its children
    // and the windows it owns with it.
    for (HWND at = hwnd_; at != nullptr;) {
        Window* window = fromHandle(at);
        if (window != nullptr && window->destroying_) return true;
        HWND up = (GetWindowLongPtrA(at, GWL_STYLE) & WS_CHILD) ? GetParent(at) : GetWindow(at, GW_OWNER);
        at = up;
    }
    return false;
}

void Window::unlink() {
    link(hwnd_, nullptr);
    hwnd_ = nullptr;
}

Window* Window::fromHandle(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    for (const auto& entry : links())
        if (entry.first == hwnd) return entry.second;
    return nullptr;
}

void Window::registerClass(HINSTANCE instance, const char* name, UINT style, HBRUSH background, HICON icon) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = classProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    wc.hIcon = icon;
    RegisterClassA(&wc);
}

void Window::create(HINSTANCE instance, const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                    const Rect& bounds, const char* text) {
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    Window* outer = g_creating;
    g_creating = this;
    CreateWindowExA(exStyle, className, text, style, bounds.left, bounds.top, bounds.width, bounds.height, parent,
                    menu, instance, nullptr);
    g_creating = outer;
}

void Window::createSubclassed(HINSTANCE instance, const char* className, DWORD style, DWORD exStyle, HWND parent,
                              int id, const Rect& bounds, const char* text) {
    hwnd_ = CreateWindowExA(exStyle, className, text, style, bounds.left, bounds.top, bounds.width, bounds.height,
                            parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
    if (hwnd_ == nullptr) return;
    link(hwnd_, this);
    // SetWindowLongPtrA is SetWindowLongA in a 32-bit build, so Windows 95 has it.
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::subclassProcedure)));
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandle(message, wParam, lParam);
}

bool Window::refuses(UINT, WPARAM, LPARAM) {
    return false;
}

LRESULT Window::defaultHandle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (original_ != nullptr) return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::reflected(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Window::reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            break;
        case WM_DRAWITEM:
            child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
            break;
        case WM_MEASUREITEM: {
            // The item's control has no window handle yet while it is being created.
            return false;
        }
        default:
            return false;
    }
    Window* window = fromHandle(child);
    return window != nullptr && window->reflected(message, wParam, lParam, result);
}

bool Window::holdsOwnRecord(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: return isOwnRecord<NMHDR>(lParam, Access::Write);
        case WM_DRAWITEM: return isOwnRecord<DRAWITEMSTRUCT>(lParam, Access::Write);
        case WM_MEASUREITEM: return isOwnRecord<MEASUREITEMSTRUCT>(lParam, Access::Write);
        case WM_DELETEITEM: return isOwnRecord<DELETEITEMSTRUCT>(lParam, Access::Write);
        case WM_COMPAREITEM: return isOwnRecord<COMPAREITEMSTRUCT>(lParam, Access::Write);
        default: return true;
    }
}

LRESULT Window::receive(UINT message, WPARAM wParam, LPARAM lParam) {
    // Such a record is one of our own controls' only if it lies in our own
    // memory: a notification sent from elsewhere comes with the sender's
    // pointer as it is, and not even a system class's own procedure may read
    // it then (a combo box writes into some). Where it came from says nothing:
    // our own controls' notifications arrive inside another program's message
    // too, when that program clicked or keyed them.
    if (!holdsOwnRecord(message, lParam)) return 0;
    // A window is created once and destroyed once, by us.
    switch (message) {
        case WM_NCCREATE:
        case WM_CREATE:
            return 0;
        case WM_DESTROY:
        case WM_NCDESTROY:
            if (!beingDestroyed()) return 0;
            break;
        default:
            if (refuses(message, wParam, lParam)) return 0;
            break;
    }
    LRESULT result = 0;
    if (reflectToChild(message, wParam, lParam, result)) return result;
    return handle(message, wParam, lParam);
}

LRESULT CALLBACK Window::classProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = fromHandle(hwnd);
    if (message == WM_NCCREATE || message == WM_CREATE) {
        // Only the window being made right now is tied to its object, and by
        // this thread's own note of it, never by the message's record: a
        // creation message sent to a window that exists is another program's.
        bool making = g_creating != nullptr &&
                      (window == nullptr ? message == WM_NCCREATE && g_creating->hwnd_ == nullptr : window == g_creating);
        if (!making) return 0;
        if (window == nullptr) {
            g_creating->hwnd_ = hwnd;
            link(hwnd, g_creating);
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = window->receive(message, wParam, lParam);
    if (message == WM_NCDESTROY && window->beingDestroyed()) window->unlink();
    return result;
}

LRESULT CALLBACK Window::subclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = fromHandle(hwnd);
    if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC original = window->original_;
    LRESULT result = window->receive(message, wParam, lParam);
    if (message == WM_NCDESTROY && window->beingDestroyed()) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        window->unlink();
    }
    return result;
}

}  // namespace ui::win32
