// Labels: one line of text on the parent's colour, sized to the text.
#pragma once

#include "ui/win32/control_window.h"

namespace ui::win32 {

class LabelWindow : public ControlWindow {
public:
    LabelWindow(WindowSystem& system, Label& label);
    void update(Property property) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Rect fittedBounds() const;
    void fitToText();
    void paint();

    Label& label_;
    Rect fitted_{-1, -1, -1, -1};  // where the window was last put
};

}  // namespace ui::win32
