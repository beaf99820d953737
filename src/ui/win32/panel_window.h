// Panels: coloured areas with an optional border, caption and elliptic outline.
#pragma once

#include "ui/win32/control_window.h"

namespace ui::win32 {

class PanelWindow : public ControlWindow {
public:
    PanelWindow(WindowSystem& system, Panel& panel);
    void update(Property property) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint();
    void applyEllipticRegion();

    Panel& panel_;
    bool releasingCapture_ = false;
};

}  // namespace ui::win32
