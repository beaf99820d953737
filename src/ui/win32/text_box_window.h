// Text boxes: system edit controls dressed by the model (colours, alignment,
// read-only, wrapping, no border or scroll bars).
#pragma once

#include "ui/win32/control_window.h"

namespace ui::win32 {

class TextBoxWindow : public ControlWindow {
public:
    TextBoxWindow(WindowSystem& system, TextBox& box);
    void update(Property property) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool refuses(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT pressed(UINT message, WPARAM wParam, LPARAM lParam, MouseButton button);
    std::string windowText() const;
    void limitLength();
    // What the user typed, held to the box's length in whole characters.
    std::string typed();
    // The page's action for Enter or Esc, where it has one.
    const Handler* keyAction(WPARAM key) const;

    TextBox& box_;
};

}  // namespace ui::win32
