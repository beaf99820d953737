// Push buttons; the window's four are never shown and only carry actions.
#pragma once

#include "ui/win32/control_window.h"

namespace ui::win32 {

class ButtonWindow : public ControlWindow {
public:
    ButtonWindow(WindowSystem& system, Button& button);

protected:
    bool reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace ui::win32
