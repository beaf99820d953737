// The clock measurement and its display.
#include "pages/clock_measurement.h"

#include "platform/processor_pin.h"
#include "present/extended_precision.h"

namespace pages {
namespace {

constexpr std::uint32_t kWindowMs = 4000;

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

double measureCpuClock(platform::Platform& platform) {
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

}  // namespace pages
