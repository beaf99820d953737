// The main window: fixed size, caption, minimise and close only; it owns the
// timers, shows the message boxes, carries the form's window menu commands
// and puts texts on the clipboard.
#pragma once

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/win32/handles.h"
#include "ui/win32/window.h"

namespace ui::win32 {

class ApplicationWindow;
class WindowSystem;

// Whether a system command would maximise or size a window.
bool isSizeCommand(WPARAM command);

class FormWindow : public Window, public FormPeer {
public:
    // Owned by the application window, which stands for it in the taskbar.
    FormWindow(WindowSystem& system, Form& form, ApplicationWindow& application);
    ~FormWindow() override;

    void updatePosition() override;
    Size outerSize() const override;
    void showMessage(const std::string& text) override;
    void hideCaret() override;
    void paintNow() override;
    void copyText(const std::string& text) override;
    std::optional<std::string> askSavePath(const std::string& suggestedName) override;

    static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class TimerLink;

    WindowSystem& system_;
    Form& form_;
    ApplicationWindow& application_;
    HWND savedFocus_ = nullptr;
    Size fixedSize_;  // the outer size: the client area the form asks for, frame and caption added
    // The common dialogs, loaded for the first Save As, not at start-up.
    Library dialogs_;
    std::vector<std::unique_ptr<TimerLink>> timers_;
};

}  // namespace ui::win32
