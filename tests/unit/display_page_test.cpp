// The display page: the list of display modes in Disp1.
#include <cctype>

#include "form_fixture.h"
#include "pages/display_page.h"
#include "present/texts.h"

namespace {

using Lines = std::vector<std::string>;

class DisplayPageTest : public FormTest {
protected:
    Lines list() { return control<ui::TextBox>(ids::Disp1).lines(); }
};

TEST_F(DisplayPageTest, ListsEveryModeInSevenLinesWithItsColourCount) {
    struct Case {
        std::uint32_t bits;
        const char* colours;
    };
    const Case cases[] = {
        {0, "2"}, {1, "2"}, {4, "16"}, {8, "256"}, {15, "32768"}, {16, "65536"}, {24, "16777216"},
        {32, "16777216"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        machine.displayModes.push_back({640 + static_cast<std::uint32_t>(i), 480, cases[i].bits});
    start();
    Lines lines = list();
    ASSERT_EQ(lines.size(), 7 * std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.bits);
        Lines block(lines.begin() + static_cast<std::ptrdiff_t>(7 * i),
                    lines.begin() + static_cast<std::ptrdiff_t>(7 * i + 7));
        EXPECT_EQ(block, (Lines{"", "   モード番号  " + std::to_string(i),
                                "   画面サイズ  " + std::to_string(640 + i) + " x 480",
                                std::string("   色数　　　  ") + c.colours + " 色",
                                "   色ビット数  " + std::to_string(c.bits) + " Bit", "", ""}));
    }
    // The list begins with one empty line and ends with two.
    const std::string& all = text(ids::Disp1);
    EXPECT_EQ(all.substr(0, 2), "\r\n");
    EXPECT_EQ(all.substr(all.size() - 6), "\r\n\r\n\r\n");
}

TEST_F(DisplayPageTest, ValuesStartInTheSixteenthColumnOfTheFixedPitchFont) {
    for (const char* label :
         {texts::kModeNumberLabel, texts::kScreenSizeLabel, texts::kColourCountLabel, texts::kColourDepthLabel})
        EXPECT_EQ(std::string(label).size(), 15u) << label;  // Shift-JIS bytes: a full-width character takes two

    machine.displayModes = {{800, 600, 16}, {800, 600, 16}, {800, 600, 16}, {800, 600, 16}, {800, 600, 16},
                            {800, 600, 16}};
    start();
    Lines lines = list();
    ASSERT_EQ(lines.size(), 42u);
    // The example mode 5: 800 by 600 at 16 bits.
    EXPECT_EQ(Lines(lines.begin() + 35, lines.end()),
              (Lines{"", "   モード番号  5", "   画面サイズ  800 x 600", "   色数　　　  65536 色",
                     "   色ビット数  16 Bit", "", ""}));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        ASSERT_GT(lines[i].size(), 15u) << i;
        EXPECT_EQ(lines[i][14], ' ') << i;
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(lines[i][15]))) << i;
    }
}

TEST_F(DisplayPageTest, NoModeLeavesTheBoxEmpty) {
    start();
    EXPECT_EQ(text(ids::Disp1), "");
}

TEST_F(DisplayPageTest, ModeNumbersRunFromZeroWithoutGapsThroughRepeatedModes) {
    for (std::uint32_t i = 0; i < 300; ++i) machine.displayModes.push_back({1024, 768, i % 2 ? 32u : 16u});
    start();
    Lines lines = list();
    ASSERT_EQ(lines.size(), 7u * 300);
    for (std::size_t i = 0; i < 300; ++i) EXPECT_EQ(lines[7 * i + 1], "   モード番号  " + std::to_string(i));
}

TEST_F(DisplayPageTest, ADriverThatNeverEndsTheListIsCutOffAtTheBound) {
    machine.endlessDisplayModes = true;
    start();
    EXPECT_EQ(machine.displayModeQueries, pages::kMaxDisplayModes);
    Lines lines = list();
    ASSERT_EQ(lines.size(), 7u * pages::kMaxDisplayModes);
    EXPECT_EQ(lines[lines.size() - 6], "   モード番号  " + std::to_string(pages::kMaxDisplayModes - 1));
    EXPECT_TRUE(shown().messages.empty());
}

TEST(ColourCountTest, TakesTheDepthWithinOneTo24Bits) {
    EXPECT_EQ(pages::colourCount(25), 16777216u);
    EXPECT_EQ(pages::colourCount(0xFFFFFFFFu), 16777216u);
}

}  // namespace
