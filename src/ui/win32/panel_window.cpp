// Panel painting, the elliptic outline and the press/release events.
#include "ui/win32/panel_window.h"

#include "ui/form.h"
#include "ui/win32/handles.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {

PanelWindow::PanelWindow(WindowSystem& system, Panel& panel) : ControlWindow(system, panel), panel_(panel) {
    create(system.instance(), "VelnorPanel", childStyle(), panel.singleBorder() ? WS_EX_CLIENTEDGE : 0,
           system.parentWindowFor(panel), panel.id(), panel.bounds(), panel.text().c_str());
    panel.attach(this);
}

void PanelWindow::update(Property property) {
    if (property == Property::Region) {
        applyEllipticRegion();
        return;
    }
    ControlWindow::update(property);
}

void PanelWindow::applyEllipticRegion() {
    Region region(CreateEllipticRgn(0, 0, panel_.width(), panel_.height()));
    // Once set, the region belongs to the window, which deletes it.
    if (region && SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();
}

void PanelWindow::paint() {
    PaintDc dc(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc.get(), &client, system_.gdi().brush(resolve(panel_.colour())));
    if (panel_.showsCaption() && !panel_.text().empty()) {
        SelectGuard font(dc.get(), system_.gdi().font(panel_.font()));
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), resolve(panel_.fontColour()));
        DrawTextA(dc.get(), panel_.text().c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT PanelWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The panel holds the mouse from the press to the release, so every
            // press is undone even when the pointer leaves meanwhile. A double
            // click is a second press but arms no second click.
            SetCapture(hwnd());
            clickArmed_ = message == WM_LBUTTONDOWN;
            raiseMouse(panel_.onMouseDown, MouseButton::Left);
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() == hwnd()) ReleaseCapture();
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            RECT client;
            GetClientRect(hwnd(), &client);
            bool click = clickArmed_ && PtInRect(&client, point);
            clickArmed_ = false;
            // The click runs before the release event, so the panel stays
            // pressed while a click action shows a modal box.
            if (click) raise(panel_.onClick);
            raiseMouse(panel_.onMouseUp, MouseButton::Left);
            return 0;
        }
        case WM_RBUTTONDOWN:
            raiseMouse(panel_.onMouseDown, MouseButton::Right);
            break;
        case WM_RBUTTONUP:
            raiseMouse(panel_.onMouseUp, MouseButton::Right);
            break;
        case WM_MBUTTONDOWN:
            raiseMouse(panel_.onMouseDown, MouseButton::Middle);
            return 0;
        case WM_MBUTTONUP:
            raiseMouse(panel_.onMouseUp, MouseButton::Middle);
            return 0;
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
