// The taskbar entry: minimising, restoring, activating and closing for the
// main window.
#include "ui/win32/application_window.h"

#include "ui/win32/form_window.h"

namespace ui::win32 {
namespace {

// The taskbar lists visible windows that nobody owns. A popup of no size
// shows nothing and, having no sizing border, is not made larger by the
// system; caption, system menu and minimise box give the entry its menu.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
constexpr UINT kActivateMain = WM_APP + 1;

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance, const char* title) {
    create(instance, kClassName, kStyle, 0, nullptr, 0, {0, 0, 0, 0}, title);
}

// Shown without the activation, which the main window takes right after
// (activating both costs Wine a round of focus changes with the X server).
// A start minimised, as a shortcut may ask, is the entry's alone: the main
// window, owned, would otherwise minimise on its own beside the taskbar.
bool ApplicationWindow::showFirst() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    bool minimised = false;
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        switch (startup.wShowWindow) {
            case SW_MINIMIZE:
            case SW_SHOWMINIMIZED:
            case SW_SHOWMINNOACTIVE:
            case SW_FORCEMINIMIZE:
                minimised = true;
                break;
            default:
                break;
        }
    }
    ShowWindow(hwnd(), minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNA);
    mainHidden_ = minimised;
    return !minimised;
}

void ApplicationWindow::minimize() {
    // Hidden first, so that the minimise does not hand the activation to it.
    hideMain();
    ShowWindow(hwnd(), SW_MINIMIZE);
}

// A message box the main window waits for goes and comes back with it, as
// the system does with the popups of a window it minimises.
void ApplicationWindow::hideMain() {
    if (main_ == nullptr || !IsWindowVisible(main_)) return;
    hiddenPopupCount_ = 0;
    EnumThreadWindows(GetCurrentThreadId(), &ApplicationWindow::collectPopup, reinterpret_cast<LPARAM>(this));
    for (std::size_t i = 0; i < hiddenPopupCount_; ++i) ShowWindow(hiddenPopups_[i], SW_HIDE);
    ShowWindow(main_, SW_HIDE);
    mainHidden_ = true;
}

BOOL CALLBACK ApplicationWindow::collectPopup(HWND window, LPARAM self) {
    auto* application = reinterpret_cast<ApplicationWindow*>(self);
    if (GetWindow(window, GW_OWNER) != application->main_ || !IsWindowVisible(window)) return TRUE;
    application->hiddenPopups_[application->hiddenPopupCount_++] = window;
    return application->hiddenPopupCount_ < kMostPopups;
}

void ApplicationWindow::showMain() {
    if (!mainHidden_) return;
    mainHidden_ = false;
    if (main_ == nullptr) return;
    ShowWindow(main_, SW_SHOW);
    for (std::size_t i = 0; i < hiddenPopupCount_; ++i)
        if (IsWindow(hiddenPopups_[i])) ShowWindow(hiddenPopups_[i], SW_SHOWNA);
    hiddenPopupCount_ = 0;
}

// The entry itself has nothing to show: the activation goes on to the main
// window, or to the message box that the main window waits for.
void ApplicationWindow::activateMain() {
    if (main_ == nullptr || GetActiveWindow() != hwnd() || IsIconic(hwnd()) || !IsWindowVisible(main_)) return;
    HWND target = GetLastActivePopup(main_);
    if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = main_;
    SetActiveWindow(target);
}

LRESULT ApplicationWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            // Minimised and restored by whatever route: the main window's
            // button, the taskbar, Alt+Tab, "minimise all".
            if (wParam == SIZE_MINIMIZED)
                hideMain();
            else if (wParam == SIZE_RESTORED)
                showMain();
            break;
        case WM_WINDOWPOSCHANGING:
            // No size of its own, also when the taskbar tiles or cascades the
            // windows; minimised, it takes what the system gives.
            if (!IsIconic(hwnd())) {
                auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
                position->cx = 0;
                position->cy = 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(hwnd(), kActivateMain, 0, 0);
            break;
        case kActivateMain:
            activateMain();
            return 0;
        case WM_SYSCOMMAND:
            // No size of its own, as above.
            if (isSizeCommand(wParam)) return 0;
            // The commands of the program's own that the entry's menu
            // carries are the main window's.
            if ((wParam & 0xFFF0) < 0xF000 && main_ != nullptr && IsWindow(main_)) {
                SendMessageA(main_, WM_SYSCOMMAND, wParam, lParam);
                return 0;
            }
            break;
        case WM_CLOSE:
            // The taskbar's close, or Alt+F4 while the entry was active, is
            // the main window's close (which brings a message box it waits
            // for forward instead).
            if (main_ != nullptr && IsWindow(main_)) SendMessageA(main_, WM_CLOSE, 0, 0);
            return 0;
        default:
            break;
    }
    return Window::handle(message, wParam, lParam);
}

}  // namespace ui::win32
