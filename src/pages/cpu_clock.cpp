// The clock measurement and its display.
#include "pages/cpu_clock.h"

#include "platform/processor_pin.h"
#include "present/extended_precision.h"

namespace pages {
namespace {

constexpr std::uint32_t kWindowMs = 4000;
constexpr const char* kMeasuring = " 只今・・・計測中！";
constexpr const char* kIdle = "CPUクロック   ";

}  // namespace

double cyclesPerSecond(std::uint64_t cycles, std::uint32_t milliseconds) {
    // cycles * 1000 / milliseconds in whole numbers, rounded half to even,
    // without the product overflowing.
    std::uint64_t whole = cycles / milliseconds;
    std::uint64_t rest = cycles % milliseconds;
    std::uint64_t scaled = rest * 1000;
    std::uint64_t result = whole * 1000 + scaled / milliseconds;
    std::uint64_t remainder = scaled % milliseconds;
    if (2 * remainder > milliseconds || (2 * remainder == milliseconds && (result & 1) != 0)) ++result;
    return static_cast<double>(result);
}

double MeasureCpuClock(platform::Platform& platform) {
    // Both counter readings on one processor; the pin comes before the wait
    // for the edge, so that a move to that processor is over by the first.
    platform::ProcessorPin pin(platform);
    // The window starts at an edge of the millisecond clock and is timed from
    // that edge's own value, so that the part of a tick before the edge does
    // not shorten it; it ends at the first reading 4000 ms or more after the
    // edge (an unsigned difference, so a wrap of the count changes nothing),
    // and the count is divided by the time that really passed.
    std::uint32_t start = platform.tickCount();
    std::uint32_t edge;
    do {
        edge = platform.tickCount();
    } while (edge == start);
    std::uint64_t first = platform.readTimeStampCounter();
    std::uint32_t now;
    do {
        now = platform.tickCount();
    } while (now - edge < kWindowMs);
    std::uint64_t last = platform.readTimeStampCounter();
    return cyclesPerSecond(last - first, now - edge);
}

FrequencyDisplay frequencyDisplay(double hertz, present::Separators separators) {
    present::ExtendedPrecision precision;
    if (hertz >= 1e9)
        return {present::formatMask(static_cast<long double>(hertz) / 1e9L, present::Mask::Gigahertz, separators),
                present::colours::aqua};
    return {present::formatMask(static_cast<long double>(hertz) / 1e6L, present::Mask::Megahertz, separators),
            present::colours::fuchsia};
}

CpuClock::CpuClock(const ClockControls& controls, platform::Platform& platform, present::Separators separators)
    : c_(controls), platform_(platform), separators_(separators) {}

void CpuClock::KeisokuClick() {
    c_.Memo7.setFontColour(present::colours::yellow);
    c_.Memo7.setText(kMeasuring);
    c_.Timer1.setEnabled(true);
}

void CpuClock::Timer1Timer() {
    if (!platform_.hasTimeStampCounter()) {
        // A processor without a time-stamp counter has nothing to measure:
        // the box goes back to its idle text.
        c_.Memo7.setFontColour(present::colours::infoBackground);
        c_.Memo7.setText(kIdle);
        c_.Timer1.setEnabled(false);
        return;
    }
    double hertz = MeasureCpuClock(platform_);
    FrequencyDisplay shown = frequencyDisplay(hertz, separators_);
    c_.Memo7.setFontColour(shown.colour);
    c_.Memo7.setText(shown.text);
    c_.Timer1.setEnabled(false);
    platform_.beep();
    c_.Label16.show();
}

void CpuClock::Memo7Change() {
    // A result that arrives while another page is in front is still shown;
    // only the focus stays where the user put it.
    if (c_.Panel11.canFocus()) c_.Panel11.setFocus();
}

}  // namespace pages
