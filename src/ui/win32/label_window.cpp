// Label painting and sizing.
#include "ui/win32/label_window.h"

#include "ui/win32/handles.h"
#include "ui/win32/mouse_buttons.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {

LabelWindow::LabelWindow(WindowSystem& system, Label& label) : ControlWindow(system, label), label_(label) {
    fitted_ = fittedBounds();
    create(system.instance(), "VelnorLabel", childStyle(), 0, system.parentWindowFor(label), label.id(), fitted_,
           label.text().c_str());
    label.attach(this);
}

void LabelWindow::update(Property property) {
    ControlWindow::update(property);
    if (property == Property::Text || property == Property::Bounds) fitToText();
    if (property == Property::Text) InvalidateRect(hwnd(), nullptr, TRUE);
}

// A label sizes itself to its text (an empty one keeps a line's height),
// placed by the label's own rule.
Rect LabelWindow::fittedBounds() const {
    const std::string& text = label_.text();
    SIZE extent = system_.gdi().textExtent(label_.font(), text.empty() ? std::string(" ") : text);
    return label_.boundsFor({text.empty() ? 0 : static_cast<int>(extent.cx), static_cast<int>(extent.cy)});
}

void LabelWindow::fitToText() {
    Rect fitted = fittedBounds();
    if (fitted == fitted_) return;
    fitted_ = fitted;
    SetWindowPos(hwnd(), nullptr, fitted.left, fitted.top, fitted.width, fitted.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LabelWindow::paint() {
    PaintDc dc(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc.get(), &client, system_.gdi().brush(resolve(label_.colour())));
    SelectGuard font(dc.get(), system_.gdi().font(label_.font()));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), resolve(label_.fontColour()));
    UINT align = label_.alignment() == Align::Right ? DT_RIGHT : label_.alignment() == Align::Center ? DT_CENTER : DT_LEFT;
    DrawTextA(dc.get(), label_.text().c_str(), -1, &client, align | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT LabelWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto mouse = buttonMessage(message); mouse && mouse->press) {
        raiseMouse(label_.onMouseDown, mouse->button);
        // The right button goes on to the context menu.
        if (mouse->button != MouseButton::Right) return 0;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
