// Gauge painting: ground, ellipse or bar, sector, and the exclusive-or text.
#include "ui/win32/gauge_window.h"

#include <commctrl.h>

#include <string>

#include "present/gauge_rules.h"
#include "ui/win32/handles.h"
#include "ui/win32/own_memory.h"
#include "ui/win32/window_system.h"

namespace ui::win32 {

GaugeWindow::GaugeWindow(WindowSystem& system, Gauge& gauge) : ControlWindow(system, gauge), gauge_(gauge) {
    create(system.instance(), "VelnorGauge", childStyle(), 0, system.parentWindowFor(gauge), gauge.id(),
           gauge.bounds(), "");
    gauge.attach(this);
}

void GaugeWindow::update(Property property) {
    if (property == Property::Progress || property == Property::GaugeLook || property == Property::Colour) {
        // Several changes in one handler make one paint.
        InvalidateRect(hwnd(), nullptr, FALSE);
        return;
    }
    ControlWindow::update(property);
}

void GaugeWindow::paint(HDC dc, const RECT& area) {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT picture = area;
    if (gauge_.singleBorder()) InflateRect(&picture, -1, -1);
    if (gauge_.gaugeKind() == present::GaugeKind::Pie)
        paintPie(dc, picture);
    else
        paintBar(dc, picture);
    if (gauge_.showText()) paintText(dc, picture);
}

void GaugeWindow::paintPie(HDC dc, const RECT& picture) {
    GdiCache& gdi = system_.gdi();
    FillRect(dc, &picture, gdi.brush(resolve(gauge_.colour())));
    COLORREF fore = resolve(gauge_.foreColour());
    SelectGuard pen(dc, gdi.pen(fore));
    {
        SelectGuard brush(dc, gdi.brush(resolve(gauge_.backColour())));
        Ellipse(dc, picture.left, picture.top, picture.right, picture.bottom);
    }
    int share = gauge_.share();
    if (share <= 0) return;
    SelectGuard brush(dc, gdi.brush(fore));
    if (share >= 100) {
        Ellipse(dc, picture.left, picture.top, picture.right, picture.bottom);
        return;
    }
    // GDI draws a pie counter-clockwise from its first radial to its second: from
    // the share's end back to 12 o'clock is the clockwise sector from 12 o'clock.
    present::EdgePoint end = present::pieSectorEnd(picture.left, picture.top, picture.right, picture.bottom, share);
    int topX = (picture.left + picture.right) / 2;
    Pie(dc, picture.left, picture.top, picture.right, picture.bottom, end.x, end.y, topX, picture.top - 1);
}

void GaugeWindow::paintBar(HDC dc, const RECT& picture) {
    GdiCache& gdi = system_.gdi();
    FillRect(dc, &picture, gdi.brush(resolve(gauge_.backColour())));
    int column = present::barEndColumn(picture.right - picture.left, gauge_.share());
    if (column < 1) return;
    RECT filled = picture;
    filled.right = column < picture.right ? column : picture.right;
    if (filled.right > filled.left) FillRect(dc, &filled, gdi.brush(resolve(gauge_.foreColour())));
}

// The text is drawn white on black into a picture of its own and combined with
// exclusive-or, so each text pixel shows the inverse of the colour beneath.
void GaugeWindow::paintText(HDC dc, const RECT& picture) {
    int width = picture.right - picture.left;
    int height = picture.bottom - picture.top;
    if (width <= 0 || height <= 0) return;
    BackBuffer text(dc, width, height);
    RECT local{0, 0, width, height};
    FillRect(text.get(), &local, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectGuard font(text.get(), system_.gdi().font(gauge_.font(), false));
    SetBkMode(text.get(), TRANSPARENT);
    SetTextColor(text.get(), RGB(255, 255, 255));
    std::string label = present::gaugeText(gauge_.share());
    DrawTextA(text.get(), label.c_str(), -1, &local, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    BitBlt(dc, picture.left, picture.top, width, height, text.get(), 0, 0, SRCINVERT);
}

LRESULT GaugeWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintDc dc(hwnd());
            RECT area;
            GetClientRect(hwnd(), &area);
            if (!buffer_ || bufferSize_.width != area.right || bufferSize_.height != area.bottom) {
                buffer_.reset();
                buffer_ = std::make_unique<BackBuffer>(dc.get(), area.right, area.bottom);
                bufferSize_ = {area.right, area.bottom};
            }
            paint(buffer_->get(), area);
            BitBlt(dc.get(), 0, 0, area.right, area.bottom, buffer_->get(), 0, 0, SRCCOPY);
            return 0;
        }
        case PBM_GETPOS:
            return gauge_.progress();
        case PBM_GETRANGE: {
            present::GaugeRange range = gauge_.range();
            // A tool in another process that wants the range filled in places
            // its buffer in our memory; any other address is not ours to write.
            if (lParam != 0 && isOwnRecord<PBRANGE>(lParam, Access::Write)) {
                auto* out = reinterpret_cast<PBRANGE*>(lParam);
                out->iLow = range.minimum;
                out->iHigh = range.maximum;
            }
            return wParam ? range.minimum : range.maximum;
        }
        default:
            break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

}  // namespace ui::win32
