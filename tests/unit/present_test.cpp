// Number masks, the percentage rule, the colour scales and the gauge arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "present/characters.h"
#include "present/colours.h"
#include "present/gauge_rules.h"
#include "present/number_mask.h"
#include "present/percent.h"
#include "present/rounding.h"
#include "../shared/rounding_cases.h"

namespace {

using present::Mask;
namespace colours = present::colours;

struct MaskCase {
    long double value;
    Mask mask;
    const char* text;
};

TEST(NumberMask, FormatsAsTheRuntimeDoes) {
    const MaskCase cases[] = {
        {0.0L, Mask::Megabytes, "0 MB"},
        {0.125L, Mask::Megabytes, "0.13 MB"},  // halves round away from zero
        {0.999L, Mask::Megabytes, "1 MB"},
        {1.5L, Mask::Megabytes, "1.5 MB"},
        {2.0L, Mask::Megabytes, "2 MB"},
        {1234.5L, Mask::Megabytes, "1,234.5 MB"},
        {12345678.9L, Mask::Megabytes, "12,345,678.9 MB"},
        {1023.999L, Mask::Megabytes, "1,024 MB"},
        {1023.5L, Mask::Megabytes, "1,023.5 MB"},
        {4294967295.0L / 1048576.0L, Mask::Megabytes, "4,096 MB"},
        {-1.0L / 1048576.0L, Mask::Megabytes, "0 MB"},  // a drive that is not ready
        {-1.5L, Mask::Megabytes, "-1.5 MB"},
        {-0.004L, Mask::Megabytes, "0 MB"},
        {-0.005L, Mask::Megabytes, "-0.01 MB"},
        {1.0L, Mask::Gigabytes, "1 GB"},
        {1.5L, Mask::Gigabytes, "1.5 GB"},
        {1024.0L, Mask::Gigabytes, "1,024 GB"},
        {1.0L, Mask::Gigahertz, "1 GHz"},
        {2394567891.0L / 1e9L, Mask::Gigahertz, "2.395 GHz"},
        {2394500000.0L / 1e9L, Mask::Gigahertz, "2.395 GHz"},  // the exact quotient is a tie
        {1234.5678L, Mask::Gigahertz, "1,234.568 GHz"},
        {999.999999L, Mask::Megahertz, "1,000 MHz"},
        {733012345.0L / 1e6L, Mask::Megahertz, "733.01 MHz"},
        {732005000.0L / 1e6L, Mask::Megahertz, "732.01 MHz"},
        {999999999.0L / 1e6L, Mask::Megahertz, "1,000 MHz"},
        {1e15L, Mask::Megabytes, "1,000,000,000,000,000 MB"},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(present::formatMask(c.value, c.mask), c.text) << static_cast<double>(c.value);
    }
}

TEST(NumberMask, RoundsToEighteenDigitsFirst) {
    // 0.1 + 0.2 is 0.30000000000000004440892098500626... as a double: at 18 digits
    // it is 0.300000000000000044, so the mask sees 0.30.
    EXPECT_EQ(present::formatMask(0.1 + 0.2, Mask::Megabytes), "0.3 MB");
    // A double just below a half at two decimals stays below it: 1.005 is 1.00499999999999989...
    EXPECT_EQ(present::formatMask(1.005, Mask::Megabytes), "1 MB");
}

TEST(NumberMask, UsesTheLocaleSeparators) {
    present::Separators german{',', '.'};
    EXPECT_EQ(present::formatMask(1234567.25L, Mask::Megabytes, german), "1.234.567,25 MB");
}

TEST(NumberMask, ValuesWithoutANumberDoNotCrash) {
    EXPECT_EQ(present::formatMask(NAN, Mask::Megabytes), "0 MB");
    EXPECT_EQ(present::formatMask(INFINITY, Mask::Megabytes), "0 MB");
}

struct PercentCase {
    double part;
    double whole;
    std::int32_t percent;
};

TEST(Percentage, TruncatesTheExtendedPrecisionShare) {
    const PercentCase cases[] = {
        {29, 100, 29},  // a double product would be 28.999999999999996
        {53, 100, 52},  // the extended product is just below 53
        {1, 3, 33},
        {2, 3, 66},
        {100, 100, 100},
        {0, 7, 0},
        {80.99, 100, 80},
        {50.9, 100, 50},
        {1536, 2048, 75},
        {0, 0, 0},  // a total of 0 bytes: no share, no crash
        {5, 0, 0},
        {-1.0 / 1048576.0, -1.0 / 1048576.0, 100},
        {0, -1.0 / 1048576.0, 0},  // the used part of a drive that is not ready
    };
    for (const PercentCase& c : cases) {
        EXPECT_EQ(present::percentage(c.part, c.whole), c.percent) << c.part << " of " << c.whole;
    }
}

TEST(Percentage, TextHasABlankBeforeTheSign) {
    EXPECT_EQ(present::percentText(42), "42 %");
    EXPECT_EQ(present::percentText(0), "0 %");
    EXPECT_EQ(present::percentText(-5), "-5 %");
}

TEST(ColourScales, UsageHasThreeLevels) {
    const std::pair<int, present::Colour> cases[] = {
        {-1, colours::white}, {0, colours::white},  {50, colours::white},    {51, colours::aqua},
        {80, colours::aqua},  {81, colours::fuchsia}, {100, colours::fuchsia},
    };
    for (const auto& [percent, colour] : cases) EXPECT_EQ(present::usageColour(percent), colour) << percent;
}

TEST(ColourScales, LoadHasSevenLevels) {
    const std::pair<int, present::Colour> cases[] = {
        {-5, colours::silver}, {0, colours::silver},   {15, colours::silver},  {16, colours::white},
        {30, colours::white},  {31, colours::aqua},    {45, colours::aqua},    {46, colours::lime},
        {60, colours::lime},   {61, colours::yellow},  {75, colours::yellow},  {76, colours::fuchsia},
        {90, colours::fuchsia}, {91, colours::red},    {100, colours::red},    {120, colours::red},
    };
    for (const auto& [load, colour] : cases) EXPECT_EQ(present::loadColour(load), colour) << load;
}

TEST(GaugeRules, ProgressIsHeldInRange) {
    EXPECT_EQ(present::clampProgress(150), 100);
    EXPECT_EQ(present::clampProgress(-5), 0);
    EXPECT_EQ(present::clampProgress(42), 42);
    EXPECT_EQ(present::shareShown(42), 42);
    EXPECT_EQ(present::shareShown(5, {5, 5}), 0);
    EXPECT_EQ(present::shareShown(15, {10, 20}), 50);
}

TEST(GaugeRules, BarColumnsCountFromTheGaugeEdge) {
    // A 330-pixel bar with a single border paints a 328-pixel picture from column 1.
    EXPECT_EQ(present::barEndColumn(328, 0), 0);
    EXPECT_EQ(present::barEndColumn(328, 1), 3);
    EXPECT_EQ(present::barEndColumn(328, 50), 164);
    EXPECT_EQ(present::barEndColumn(328, 100), 329);  // the whole picture, from 1 to 328
    EXPECT_EQ(present::barEndColumn(328, 150), 329);
}

TEST(GaugeRules, PieSectorRunsClockwiseFromTwelve) {
    auto quarter = present::pieSectorEnd(0, 0, 100, 100, 25);
    EXPECT_GT(quarter.x, 100);  // 3 o'clock
    EXPECT_EQ(quarter.y, 50);
    auto half = present::pieSectorEnd(0, 0, 100, 100, 50);
    EXPECT_EQ(half.x, 50);  // 6 o'clock
    EXPECT_GT(half.y, 100);
    auto threeQuarters = present::pieSectorEnd(0, 0, 100, 100, 75);
    EXPECT_LT(threeQuarters.x, 0);  // 9 o'clock
    EXPECT_EQ(present::gaugeText(75), "75%");
}

// The pie's rounding agrees with the C library's lround on every coordinate
// the pies can ask for and away from the halves, and keeps the rule at them.
TEST(Rounding, AgreesWithTheLibrarysLround) {
    std::vector<double> values = rounding_cases::pieCoordinates();
    for (double value : {0.0, -0.0, 1.0, -1.0, 1e-300, -1e-300, 0.25, 0.75, -0.25, -0.75,
                         std::nextafter(50.5, 0.0), std::nextafter(-50.5, 0.0),  // just inside a half
                         std::nextafter(50.5, 100.0), std::nextafter(-50.5, -100.0)})
        values.push_back(value);
    for (double value : values)
        EXPECT_EQ(present::roundHalfAwayFromZero(value), std::lround(value)) << std::hexfloat << value;
    for (const rounding_cases::Half& half : rounding_cases::kHalves)
        EXPECT_EQ(present::roundHalfAwayFromZero(half.value), half.rounded) << std::hexfloat << half.value;
}

// Whole characters within a number of bytes, by the code page's own lead
// bytes: Shift-JIS (932) has two-byte characters, Western (1252) none.
TEST(Characters, AnEndNeverCutsATwoByteCharacter) {
    const present::LeadByteTest shiftJis = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || b >= 0xE0; };
    const present::LeadByteTest western = [](unsigned char) { return false; };
    const std::string japanese = "山田A";
    const std::string rene = "Ren\xE9";                   // René in 1252
    const struct {
        const std::string& text;
        const present::LeadByteTest& lead;
        std::size_t max;
        std::size_t whole;
    } cases[] = {
        {japanese, shiftJis, 5, 5}, {japanese, shiftJis, 4, 4}, {japanese, shiftJis, 3, 2},
        {japanese, shiftJis, 1, 0}, {japanese, shiftJis, 0, 0}, {japanese, western, 3, 3},
        {rene, western, 4, 4},      {rene, western, 3, 3},      {rene, shiftJis, 4, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(present::wholeCharactersWithin(c.text, c.max, c.lead), c.whole) << c.text << " " << c.max;
    // A lead byte with nothing after it is a character of its own.
    EXPECT_EQ(present::wholeCharactersWithin("A\x8E", 2, shiftJis), 2u);
}

}  // namespace
