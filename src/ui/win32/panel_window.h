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
    void paintFocusRing(HDC dc, const RECT& client);
    void applyEllipticRegion();
    // A push panel's keys: Space and Enter press it as the left button does,
    // Esc goes on to the page.
    bool key(UINT message, WPARAM key, LPARAM flags);

    Panel& panel_;
    bool releasingCapture_ = false;
    WPARAM pressingKey_ = 0;  // the key that holds the panel down, if one does
};

}  // namespace ui::win32
