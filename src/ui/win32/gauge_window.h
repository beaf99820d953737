// The gauge's window: paints a pie or a bar from the model and answers the
// progress-bar queries PBM_GETPOS and PBM_GETRANGE.
#pragma once

#include <memory>

#include "ui/gauge.h"
#include "ui/win32/handles.h"
#include "ui/win32/control_window.h"

namespace ui::win32 {

class GaugeWindow : public ControlWindow {
public:
    GaugeWindow(WindowSystem& system, Gauge& gauge);
    void update(Property property) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc, const RECT& area);
    void paintPie(HDC dc, const RECT& picture);
    void paintBar(HDC dc, const RECT& picture);
    void paintText(HDC dc, const RECT& picture);

    Gauge& gauge_;
    // The picture is drawn off screen first; the buffer is kept for the next paint.
    std::unique_ptr<BackBuffer> buffer_;
    Size bufferSize_{};
};

}  // namespace ui::win32
