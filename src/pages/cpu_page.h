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
#include "ui/gauge.h"
#include "ui/timer.h"

namespace pages {

struct CpuControls {
    ui::TextBox& Memo7;    // the measured clock
    ui::Label& Label16;    // "周波数", its caption once a clock was measured
    ui::Control& Panel11;  // the clock's frame, which keeps the focus
    ui::Timer& Timer1;     // the one-second delay before a measurement
    ui::TextBox& Edit3;    // the processor's name
    ui::TextBox& Edit4;    // the processor's vendor
    ui::Label& Label9;     // "使用率", the load's caption
    ui::Gauge& Gauge6;     // the load as a pie
    ui::Label& Label21;    // the load in figures
};

class CpuPage {
public:
    CpuPage(const CpuControls& controls, platform::Platform& platform, const platform::PlatformProfile& profile,
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
    bool showsLoad() const { return c_.Label21.visible(); }

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
