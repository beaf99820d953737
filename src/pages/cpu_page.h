// The CPU page: the processor's clock, measured on request, its name and
// vendor, and on Windows 9x its load.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/gauge.h"
#include "ui/timer.h"

namespace pages {

struct CpuControls {
    ui::TextBox& clockBox;       // the measured clock
    ui::Label& clockCaption;     // its caption, once a clock was measured
    ui::Control& clockFrame;     // the clock's frame, which keeps the focus
    ui::Panel& measureButton;    // the push panel that asks for a measurement
    ui::Timer& clockTimer;       // the one-second delay before a measurement
    ui::TextBox& nameBox;        // the processor's name
    ui::TextBox& vendorBox;      // the processor's vendor
    ui::Label& loadCaption;      // the load's caption
    ui::Gauge& loadPie;          // the load as a pie
    ui::Label& loadFigure;       // the load in figures

    static CpuControls bind(ui::Form& form);
};

class CpuPage {
public:
    CpuPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile,
            present::Separators separators);

    // The click of Keisoku (計測, "measure"): the waiting text, and the
    // one-shot timer armed (a pending delay is not restarted).
    void requestMeasurement();
    // Timer1's event: measures for about four seconds, shows the result,
    // disarms the timer, beeps.
    void measure();
    // The same measurement without the beep, which tells someone at the
    // window that the result is there: for a report taken without one.
    void measureSilently();
    // Memo7's change: the focus stays on the clock's frame.
    void keepFocusOnClock();

    // The processor's name and vendor read anew, and the load controls shown
    // or hidden by platform: the CPU page's part of the user-information refresh.
    void showProcessor();
    // The load of one refresh tick; none leaves the gauge, colours and
    // figures as they are rather than show a value nobody measured.
    void showLoad(std::optional<std::int32_t> load);

    // The figures the page holds: the clock while it shows one (none before
    // a measurement, while one is pending, or where there is no counter);
    // the name and vendor as last read; the load of the last tick that read one.
    std::optional<double> measuredHertz() const { return measuredHertz_; }
    const std::string& processorName() const { return processorName_; }
    const std::string& vendor() const { return vendor_; }
    std::optional<std::int32_t> load() const { return load_; }
    bool showsLoad() const { return c_.loadFigure.visible(); }

private:
    // Measures and shows the result; false where there is nothing to measure.
    bool measureAndShow();

    CpuControls c_;
    platform::Platform& platform_;
    const platform::PlatformProfile& profile_;
    present::Separators separators_;
    std::optional<double> measuredHertz_;
    std::string processorName_;
    std::string vendor_;
    std::optional<std::int32_t> load_;
};

}  // namespace pages
