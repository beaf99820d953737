// Gives a form model real windows: the main window and one child window per
// control, with its control ID; runs the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/posted_message_guard.h"

namespace ui::win32 {

class Window;
class ApplicationWindow;
class ControlWindow;
class FormWindow;

class WindowSystem {
public:
    WindowSystem(Form& form, HINSTANCE instance, int iconResource, int handCursorResource);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // Makes every window, hidden; the timers that are enabled start.
    void create();
    // Shows the taskbar entry and the main window. Controls that act on their
    // first showing (the drive box) do so first.
    void show();
    // Runs the message loop until the main window is gone; returns the exit code.
    int run();

    // Runs once when the main window is destroyed, before the loop ends.
    std::function<void()> onDestroy;

    Form& form() const { return form_; }
    HINSTANCE instance() const { return instance_; }
    GdiCache& gdi() { return gdi_; }
    HCURSOR handCursor() const { return handCursor_; }
    HWND parentWindowFor(const Control& control) const;
    ControlWindow* windowFor(const Control* control) const;

private:
    void createLastRowFirst(const std::vector<Control*>& siblings);
    bool translateKeys(const MSG& message);
    void moveFocus(bool forward);
    void switchPage(bool forward);

    Form& form_;
    HINSTANCE instance_;
    HICON icon_;
    HCURSOR handCursor_;
    GdiCache gdi_;
    PostedMessageGuard guard_;
    std::unique_ptr<ApplicationWindow> application_;
    std::unique_ptr<FormWindow> main_;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
};

}  // namespace ui::win32
