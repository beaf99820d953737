// Gives a form model real windows: the main window and one child window per
// control, with its control ID; runs the message loop. The controls of a
// page that is not in front get their windows after the start, while the
// program has nothing else to do, or at once when the page is shown first.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "present/characters.h"
#include "ui/form.h"
#include "ui/window_plan.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/posted_message_guard.h"

namespace ui::win32 {

class Window;
class ApplicationWindow;
class ControlWindow;
class FormWindow;

class WindowSystem {
public:
    // isLead: where a character of the system's code page ends, for the
    // boxes that hold what the user types to whole characters.
    WindowSystem(Form& form, HINSTANCE instance, int iconResource, int handCursorResource,
                 present::LeadByteTest isLead);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // Makes the windows of everything but the controls on pages that are not
    // in front, hidden; the timers that are enabled start.
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
    const present::LeadByteTest& isLeadByte() const { return isLead_; }
    HWND parentWindowFor(const Control& control) const;
    ControlWindow* windowFor(const Control* control) const;

    // Gives the controls of a page their windows, if they have none yet,
    // but those hidden in the model.
    void makePageWindows(const TabPage& page);
    // A control without a window was shown: it gets its window if it waited
    // on a page shown before.
    void makeShownWindows(const Control& control);
    // A message loop has nothing to handle: the next page waiting for its
    // windows gets them.
    void idle();
    // Whether the window takes input: it exists and no message box of ours holds it.
    bool acceptsInput() const;

private:
    void makeWindowFor(Control& control, WindowPlan::Placement placement);
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
    std::vector<std::unique_ptr<ControlWindow>> controls_;  // by the model's index; empty until made
    WindowPlan plan_;
    present::LeadByteTest isLead_;
    bool shown_ = false;
};

}  // namespace ui::win32
