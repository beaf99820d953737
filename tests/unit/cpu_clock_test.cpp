// The clock measurement against fake clocks, its display, and the page's handlers.
#include "form_fixture.h"

#include <cmath>

#include "pages/clock_measurement.h"

namespace {

namespace colours = present::colours;

TEST(CyclesPerSecond, RoundsTheExactQuotientHalfToEven) {
    struct Case {
        std::uint64_t cycles;
        std::uint32_t ms;
        double hertz;
    };
    const Case cases[] = {
        {10, 4000, 2},   // 2.5 goes to the even 2
        {14, 4000, 4},   // 3.5 goes to the even 4
        {9, 4000, 2},    // 2.25
        {11, 4000, 3},   // 2.75
        {8000000000ULL, 4000, 2000000000},
        {8000000000ULL, 4055, 1972872996},  // 1972872996.30...
        {18000000000000000000ULL, 4000, 4500000000000000000.0},  // no overflow in the product
        {5, 1, 5000},
    };
    for (const Case& c : cases) EXPECT_EQ(pages::cyclesPerSecond(c.cycles, c.ms), c.hertz) << c.cycles;
}

struct ClockCase {
    double tickMs;
    double startMs;  // where in a tick the measurement begins
    std::uint32_t tickBase;
};

TEST(MeasureCpuClock, IsExactWhateverTheTickPeriod) {
    const ClockCase cases[] = {
        {55.0, 20.0, 0},             // Windows 9x, starting mid-tick
        {55.0, 54.9, 0},
        {15.625, 3.0, 1000},         // NT
        {1.0, 0.2, 5},               // a fine tick
        {55.0, 10.0, 0xFFFFFFFFu - 2000u},  // the count wraps during the window
        {15.625, 1.0, 0xFFFFFFFFu - 15u},   // the count wraps at the edge
    };
    for (const ClockCase& c : cases) {
        fake::Platform machine;
        machine.clock.tickPeriodMs = c.tickMs;
        machine.clock.nowMs = c.startMs;
        machine.clock.tickBase = c.tickBase;
        machine.clock.cpuHz = 2394567891.0;
        machine.clock.callCostMs = 0.005;
        double hertz = pages::measureCpuClock(machine);
        // Off only by the rounding of the tick values (up to 1 ms) and the cost of a call.
        double tolerance = (c.tickMs == std::floor(c.tickMs)) ? 1e-5 : 3e-4;
        EXPECT_NEAR(hertz / 2394567891.0, 1.0, tolerance) << c.tickMs << " " << c.startMs;
        double elapsed = machine.clock.nowMs - c.startMs;
        EXPECT_GE(elapsed, 4000.0);  // the window is never cut short, also across a wrap
        EXPECT_LT(elapsed, 4000.0 + 2 * c.tickMs + 1.0);
        EXPECT_EQ(machine.counterReads, 2);
    }
}

// Both counter readings come from one processor, and the thread gets its
// own processors back; a system that cannot pin the thread still measures.
TEST(MeasureCpuClock, ReadsBothCountersOnOneProcessorWhereTheSystemCanPin) {
    const struct {
        bool pinning;
        std::uintptr_t readOn;
        int restores;
    } cases[] = {{true, 0x4, 1}, {false, 0xC, 0}};
    for (const auto& c : cases) {
        fake::Platform machine;
        machine.threadPinning = c.pinning;
        machine.threadMask = 0xC;  // processors 2 and 3
        machine.clock.cpuHz = 1.0e9;
        EXPECT_NEAR(pages::measureCpuClock(machine) / 1.0e9, 1.0, 1e-5) << c.pinning;
        EXPECT_EQ(machine.counterReadMasks, (std::vector<std::uintptr_t>{c.readOn, c.readOn})) << c.pinning;
        EXPECT_EQ(machine.restores, c.restores) << c.pinning;
        EXPECT_EQ(machine.threadMask, 0xCu) << c.pinning;
    }
}

TEST(FrequencyDisplay, GigahertzFromOneBillionMegahertzBelow) {
    struct Case {
        double hertz;
        const char* text;
        present::Colour colour;
    };
    const Case cases[] = {
        {1000000000.0, "1 GHz", colours::aqua},
        {999999999.0, "1,000 MHz", colours::fuchsia},
        {2394567891.0, "2.395 GHz", colours::aqua},
        {2394500000.0, "2.395 GHz", colours::aqua},
        {733012345.0, "733.01 MHz", colours::fuchsia},
        {732005000.0, "732.01 MHz", colours::fuchsia},
        {4704000.0, "4.7 MHz", colours::fuchsia},
        {12345678901234.0, "12,345.679 GHz", colours::aqua},
    };
    for (const Case& c : cases) {
        pages::FrequencyDisplay shown = pages::frequencyDisplay(c.hertz);
        EXPECT_EQ(shown.text, c.text) << c.hertz;
        EXPECT_EQ(shown.colour, c.colour) << c.hertz;
    }
}

class ClockPageTest : public FormTest {
protected:
    void click() {
        form().dispatch([&] { control(ids::Keisoku).click(); });
    }
    void fire() {
        form().dispatch([&] { timer(ids::Timer1).fire(); });
    }
};

TEST_F(ClockPageTest, AClickShowsTheWaitingTextAndArmsTheTimerOnce) {
    start();
    showPage(ids::CPUTab);
    class Counter : public ui::TimerPeer {
    public:
        void update() override { ++updates; }
        int updates = 0;
    } peer;
    timer(ids::Timer1).attach(&peer);
    control(ids::Panel33).setFocus();
    click();
    EXPECT_EQ(text(ids::Memo7), " 只今・・・計測中！");
    EXPECT_EQ(fontColour(ids::Memo7), colours::yellow);
    EXPECT_TRUE(timer(ids::Timer1).enabled());
    EXPECT_EQ(form().focused()->id(), ids::Panel11);  // the text changed
    click();  // a second click does not restart the pending delay
    EXPECT_EQ(peer.updates, 1);
    timer(ids::Timer1).attach(nullptr);
}

TEST_F(ClockPageTest, TheTimerMeasuresShowsBeepsAndDisarms) {
    machine.clock.cpuHz = 2394567891.0;
    start();
    showPage(ids::CPUTab);
    EXPECT_FALSE(visible(ids::Label16));
    click();
    fire();
    EXPECT_EQ(text(ids::Memo7), "2.395 GHz");
    EXPECT_EQ(fontColour(ids::Memo7), colours::aqua);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(visible(ids::Label16));
    EXPECT_EQ(form().focused()->id(), ids::Panel11);

    machine.clock.cpuHz = 733012345.0;
    click();  // a second measurement: the waiting text again, Label16 stays
    EXPECT_EQ(text(ids::Memo7), " 只今・・・計測中！");
    EXPECT_TRUE(visible(ids::Label16));
    fire();
    EXPECT_EQ(text(ids::Memo7), "733.01 MHz");
    EXPECT_EQ(fontColour(ids::Memo7), colours::fuchsia);
    EXPECT_EQ(machine.beeps, 2);
}

TEST_F(ClockPageTest, AResultWhileAnotherPageIsShownIsStillShown) {
    start();
    showPage(ids::CPUTab);
    click();
    showPage(ids::MemTab);
    fire();
    EXPECT_EQ(text(ids::Memo7), "2 GHz");
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_TRUE(visible(ids::Label16));
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_EQ(form().focused()->id(), ids::Panel8);  // the focus stays on the page in front
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(ClockPageTest, ATimerMessageWhileNoMeasurementIsAskedForStartsNone) {
    start();
    showPage(ids::CPUTab);
    // A message of the clock's timer while it is not armed: a late one, or
    // one another program posted.
    form().dispatch([&] { timer(ids::Timer1).elapsed(); });
    EXPECT_EQ(machine.counterReads, 0);
    EXPECT_EQ(machine.beeps, 0);
    EXPECT_EQ(text(ids::Memo7), "CPUクロック   ");
    EXPECT_FALSE(visible(ids::Label16));
    // Armed, the same message measures once; the next one finds it disarmed.
    click();
    form().dispatch([&] { timer(ids::Timer1).elapsed(); });
    form().dispatch([&] { timer(ids::Timer1).elapsed(); });
    EXPECT_EQ(machine.counterReads, 2);
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_EQ(text(ids::Memo7), "2 GHz");
}

TEST_F(ClockPageTest, AProcessorWithoutACounterIsNeverAskedForIt) {
    machine.timeStampCounter = false;
    start();
    showPage(ids::CPUTab);
    click();
    fire();
    EXPECT_EQ(machine.counterReads, 0);
    EXPECT_EQ(text(ids::Memo7), "CPUクロック   ");
    EXPECT_EQ(fontColour(ids::Memo7), colours::infoBackground);
    EXPECT_FALSE(timer(ids::Timer1).enabled());
    EXPECT_FALSE(visible(ids::Label16));
    EXPECT_TRUE(shown().messages.empty());
}

}  // namespace
