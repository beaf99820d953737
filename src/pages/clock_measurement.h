// The processor clock, measured against the system's millisecond clock with
// the processor's time-stamp counter, and the way the CPU page shows it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "present/colours.h"
#include "present/number_mask.h"

namespace pages {

// Counts processor cycles from an edge of the millisecond clock across at
// least 4000 ms of it, and returns cycles per second, rounded to the nearest
// whole number (ties to even). Blocks for about four seconds, with the thread
// held on one processor where the system allows it. (MeasureCpuClock)
double measureCpuClock(platform::Platform& platform);

// Cycles per second from a counter difference over a number of milliseconds.
double cyclesPerSecond(std::uint64_t cycles, std::uint32_t milliseconds);

// The text and colour of a measured frequency: aqua gigahertz from
// 1,000,000,000 Hz, fuchsia megahertz below.
struct FrequencyDisplay {
    std::string text;
    present::Colour colour;
};
FrequencyDisplay frequencyDisplay(double hertz, present::Separators separators = {});

}  // namespace pages
