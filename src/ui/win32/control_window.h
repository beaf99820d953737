// The common part of every control's window: visibility, bounds, text,
// cursor, focus tracking, the empty context menu and the mouse events.
#pragma once

#include "ui/control.h"
#include "ui/peer.h"
#include "ui/win32/window.h"

namespace ui::win32 {

class WindowSystem;

class ControlWindow : public Window, public ControlPeer {
public:
    ControlWindow(WindowSystem& system, Control& control);
    ~ControlWindow() override;

    Control& control() const { return control_; }
    void update(Property property) override;
    void focus() override;
    void childShown(Control& child) override;
    // Called once: as the main window is shown for the first time, or as
    // the window is made, if that is later.
    virtual void firstShow() {}

protected:
    DWORD childStyle() const;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Input (keys, mouse buttons, a button's click) reaches only a control
    // that shows, on a page in front, while no message box of ours holds the
    // window: from anyone, a hidden or blocked control does nothing. A
    // control never closes on its own either.
    bool refuses(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool acceptsInput() const;
    // Runs a model event as the message loop does.
    void raise(const Handler& handler);
    void raiseMouse(const MouseHandler& handler, MouseButton button);
    void setWindowText(const std::string& text);
    bool settingText() const { return settingText_; }

    WindowSystem& system_;
    Control& control_;

private:
    bool settingText_ = false;
};

}  // namespace ui::win32
