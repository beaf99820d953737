// The processor clock, measured on request against the system's millisecond
// clock with the processor's time-stamp counter.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "present/colours.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/timer.h"

namespace pages {

// Counts processor cycles from an edge of the millisecond clock across at
// least 4000 ms of it, and returns cycles per second, rounded to the nearest
// whole number (ties to even). Blocks for about four seconds, with the thread
// held on one processor where the system allows it.
double MeasureCpuClock(platform::Platform& platform);

// Cycles per second from a counter difference over a number of milliseconds.
double cyclesPerSecond(std::uint64_t cycles, std::uint32_t milliseconds);

// The text and colour of a measured frequency: aqua gigahertz from
// 1,000,000,000 Hz, fuchsia megahertz below.
struct FrequencyDisplay {
    std::string text;
    present::Colour colour;
};
FrequencyDisplay frequencyDisplay(double hertz, present::Separators separators = {});

struct ClockControls {
    ui::TextBox& Memo7;
    ui::Label& Label16;
    ui::Control& Panel11;
    ui::Timer& Timer1;
};

class CpuClock {
public:
    CpuClock(const ClockControls& controls, platform::Platform& platform, present::Separators separators);

    // Shows the waiting text and arms the one-shot timer (a pending delay is not restarted).
    void KeisokuClick();
    // Measures, shows the result, disarms the timer, beeps.
    void Timer1Timer();
    // Keeps the focus on the clock's frame whenever its text changes.
    void Memo7Change();

private:
    ClockControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
};

}  // namespace pages
