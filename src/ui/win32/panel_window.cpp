// Panel painting, the elliptic outline and the press/release events.
#include "ui/win32/panel_window.h"

#include "ui/form.h"
#include "ui/win32/handles.h"
#include "ui/win32/mouse_buttons.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {

PanelWindow::PanelWindow(WindowSystem& system, Panel& panel) : ControlWindow(system, panel), panel_(panel) {
    // A push panel says it is a tab stop, for tools that read the style.
    create(system.instance(), "VelnorPanel", childStyle() | (panel.isPushButton() ? WS_TABSTOP : 0),
           panel.singleBorder() ? WS_EX_CLIENTEDGE : 0,
           system.parentWindowFor(panel), panel.id(), panel.bounds(), panel.text().c_str());
    // An outline set before the window was made.
    if (panel.elliptic()) applyEllipticRegion();
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
    if (panel_.isPushButton() && GetFocus() == hwnd()) paintFocusRing(dc.get(), client);
}

// A dotted ring in the caption's colour, a few pixels inside the outline, as
// a button draws its dotted focus rectangle inside its edge.
void PanelWindow::paintFocusRing(HDC dc, const RECT& client) {
    constexpr int kInset = 3;
    Pen dotted(CreatePen(PS_DOT, 1, resolve(panel_.fontColour())));
    if (!dotted) return;
    SelectGuard pen(dc, dotted.get());
    SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    if (panel_.elliptic())
        Ellipse(dc, client.left + kInset, client.top + kInset, client.right - kInset, client.bottom - kInset);
    else
        Rectangle(dc, client.left + kInset, client.top + kInset, client.right - kInset, client.bottom - kInset);
}

bool PanelWindow::key(UINT message, WPARAM key, LPARAM flags) {
    if (!panel_.isPushButton()) return false;
    if (key == VK_ESCAPE) {
        if (message == WM_KEYDOWN) raise(panel_.onEscape);
        return true;
    }
    if (key != VK_SPACE && key != VK_RETURN) return false;
    if (message == WM_KEYDOWN) {
        // A key held down repeats its press; only the first one presses.
        bool repeated = (flags & (1L << 30)) != 0;
        if (!repeated && !panel_.held()) {
            pressingKey_ = key;
            panel_.pressed(Panel::Press::Key, true);
        }
    } else if (key == pressingKey_) {
        pressingKey_ = 0;
        panel_.released(Panel::Press::Key, true);
    }
    return true;
}

LRESULT PanelWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto mouse = buttonMessage(message)) {
        if (mouse->button != MouseButton::Left) {
            raiseMouse(mouse->press ? panel_.onMouseDown : panel_.onMouseUp, mouse->button);
            if (mouse->button == MouseButton::Right) return ControlWindow::handle(message, wParam, lParam);
            return 0;
        }
        if (mouse->press) {
            // The panel holds the mouse from the press to the release, so the
            // release reaches it even when the pointer has left it meanwhile.
            SetCapture(hwnd());
            panel_.leftPressed(!mouse->secondPress);
            return 0;
        }
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT client;
        GetClientRect(hwnd(), &client);
        // The capture goes before the click, which may open a modal box; this
        // release of it is no loss of the press.
        releasingCapture_ = true;
        if (GetCapture() == hwnd()) ReleaseCapture();
        releasingCapture_ = false;
        panel_.leftReleased(PtInRect(&client, point) != FALSE);
        return 0;
    }
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (key(message, wParam, lParam)) return 0;
            break;
        case WM_CHAR:
            // Space, Enter and Esc have done their work as keys.
            if (panel_.isPushButton() && (wParam == ' ' || wParam == '\r' || wParam == 0x1B)) return 0;
            break;
        case BM_CLICK:
            // What a program sends a button to press it.
            if (!panel_.isPushButton()) break;
            panel_.pressed(Panel::Press::Key, true);
            panel_.released(Panel::Press::Key, true);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (panel_.isPushButton()) {
                InvalidateRect(hwnd(), nullptr, FALSE);
                // The focus left while a key held the panel: that key's release will not come here.
                if (message == WM_KILLFOCUS && pressingKey_ != 0) {
                    pressingKey_ = 0;
                    panel_.pressLost();
                }
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_CAPTURECHANGED:
            // The mouse was taken before the release: a message box opened,
            // another window was activated. The release will not come here.
            if (!releasingCapture_ && reinterpret_cast<HWND>(lParam) != hwnd()) panel_.leftPressLost();
            return 0;
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
