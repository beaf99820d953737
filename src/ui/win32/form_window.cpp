// Main window: frame, timers, focus across activation, message boxes.
#include "ui/win32/form_window.h"

#include <commdlg.h>

#include "present/texts.h"

#include "ui/win32/application_window.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {
namespace {

// The form's commands in a window's system menu, after a separator, before
// the separator that comes before Close: Close stays last, and of two items
// with the same mnemonic the system picks the upper one first.
void addWindowMenuCommands(HWND window, const Form& form) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr || form.windowMenuCommands().empty()) return;
    int count = GetMenuItemCount(menu);
    int close = -1;
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(menu, i) == SC_CLOSE) close = i;
    }
    UINT at = static_cast<UINT>(close >= 0 ? close : count > 0 ? count : 0);
    if (close > 0 && (GetMenuState(menu, static_cast<UINT>(close - 1), MF_BYPOSITION) & MF_SEPARATOR)) --at;
    InsertMenuA(menu, at, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    for (const WindowMenuCommand& command : form.windowMenuCommands())
        InsertMenuA(menu, ++at, MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(command.id), command.text);
}

}  // namespace

bool isSizeCommand(WPARAM command) {
    UINT code = static_cast<UINT>(command & 0xFFF0);
    return code == SC_MAXIMIZE || code == SC_SIZE;
}

class FormWindow::TimerLink : public TimerPeer {
public:
    TimerLink(HWND owner, Timer& timer) : owner_(owner), timer_(timer) {
        timer_.attach(this);
        update();
    }
    ~TimerLink() override { timer_.attach(nullptr); }
    void update() override {
        if (timer_.enabled())
            SetTimer(owner_, static_cast<UINT_PTR>(timer_.id()), timer_.interval(), nullptr);
        else
            KillTimer(owner_, static_cast<UINT_PTR>(timer_.id()));
    }

private:
    HWND owner_;
    Timer& timer_;
};

FormWindow::FormWindow(WindowSystem& system, Form& form, ApplicationWindow& application)
    : system_(system), form_(form), application_(application) {
    RECT outer{0, 0, form.clientSize().width, form.clientSize().height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    fixedSize_ = {outer.right - outer.left, outer.bottom - outer.top};
    create(system.instance(), "VelnorForm", kStyle, 0, application.hwnd(), 0,
           {form.left(), form.top(), outer.right - outer.left, outer.bottom - outer.top}, form.caption());
    application.attachMain(hwnd());
    // The taskbar entry's menu is this window's menu as far as the user
    // can tell: it carries the same commands, and passes them on here.
    addWindowMenuCommands(hwnd(), form);
    addWindowMenuCommands(application.hwnd(), form);
    form.attach(this);
    for (const auto& timer : form.timers()) timers_.push_back(std::make_unique<TimerLink>(hwnd(), *timer));
}

FormWindow::~FormWindow() {
    timers_.clear();
    form_.attach(nullptr);
}

void FormWindow::updatePosition() {
    SetWindowPos(hwnd(), nullptr, form_.left(), form_.top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size FormWindow::outerSize() const {
    RECT r;
    GetWindowRect(hwnd(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

void FormWindow::showMessage(const std::string& text) {
    MessageBoxA(hwnd(), text.c_str(), form_.title(), MB_OK);
}

void FormWindow::hideCaret() {
    HideCaret(nullptr);
}

void FormWindow::paintNow() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// A clipboard that cannot be had leaves it as it was, without a message.
void FormWindow::copyText(const std::string& text) {
    copyToClipboard(hwnd(), text);
}

std::optional<std::string> FormWindow::askSavePath(const std::string& suggestedName) {
    if (!dialogs_) dialogs_.reset(LoadLibraryA("comdlg32.dll"));
    if (!dialogs_) return std::nullopt;
    using GetSaveFileNameProc = BOOL(WINAPI*)(OPENFILENAMEA*);
    auto getSaveFileName = reinterpret_cast<GetSaveFileNameProc>(
        reinterpret_cast<void*>(GetProcAddress(dialogs_.get(), "GetSaveFileNameA")));
    if (getSaveFileName == nullptr) return std::nullopt;
    char path[MAX_PATH + 1] = {};
    lstrcpynA(path, suggestedName.c_str(), sizeof path);
    OPENFILENAMEA request{};
    // The record as Windows 95 and NT 4 know it: they refuse a longer one.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = hwnd();
    request.lpstrFilter = texts::kSaveFilter;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrDefExt = texts::kSaveExtension;
    request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!getSaveFileName(&request)) return std::nullopt;
    return std::string(path);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            for (const auto& timer : form_.timers()) {
                if (static_cast<WPARAM>(timer->id()) == wParam) form_.dispatch([&] { timer->elapsed(); });
            }
            return 0;
        case WM_SHOWWINDOW:
            // The taskbar entry hides and shows this window and its boxes
            // itself when it is minimised and restored; Wine's default would
            // also hide it, and Windows' would not.
            if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING) return 0;
            break;
        case WM_SYSCOMMAND:
            // The window has no maximise button and no sizing border, and its
            // pages fill it exactly: whoever asks, it keeps its size.
            if (isSizeCommand(wParam)) return 0;
            // The taskbar entry minimises for the whole program.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                application_.minimize();
                return 0;
            }
            if (form_.chooseWindowMenuCommand(static_cast<int>(wParam & 0xFFF0))) return 0;
            break;
        case WM_ACTIVATE:
            // A window of our own kind does not keep its focus across
            // deactivation by itself, as a dialog does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                savedFocus_ = GetFocus();
                // A press held on a panel ends with the activation: the
                // release will go to the window that took it.
                HWND captured = GetCapture();
                if (captured != nullptr && IsChild(hwnd(), captured)) ReleaseCapture();
            } else if (savedFocus_ != nullptr && IsWindow(savedFocus_) && IsWindowVisible(savedFocus_)) {
                SetFocus(savedFocus_);
                return 0;
            } else if (form_.focused() != nullptr && form_.focused()->showing()) {
                // The control that had it was hidden meanwhile: the model
                // has moved the focus to where it may be now.
                form_.focused()->setFocus();
                return 0;
            }
            break;
        case WM_GETMINMAXINFO: {
            // Also for a maximise that comes by another way than the system
            // menu's command (a program's ShowWindow).
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            POINT fixed{fixedSize_.width, fixedSize_.height};
            limits->ptMaxSize = fixed;
            limits->ptMinTrackSize = fixed;
            limits->ptMaxTrackSize = fixed;
            return 0;
        }
        case WM_ENTERIDLE:
            // A message box or menu of ours waits for input: its loop, not
            // ours, is the one going idle.
            system_.idle();
            break;
        case WM_CLOSE:
            // Whoever asks, the window closes, but not from under a message
            // box it waits for: the box comes forward instead.
            if (IsWindowEnabled(hwnd()))
                destroy();
            else
                SetForegroundWindow(GetLastActivePopup(hwnd()));
            return 0;
        case WM_DESTROY:
            for (const auto& timer : form_.timers()) KillTimer(hwnd(), static_cast<UINT_PTR>(timer->id()));
            if (system_.onDestroy) system_.onDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::handle(message, wParam, lParam);
}

}  // namespace ui::win32
