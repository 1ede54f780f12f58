#include "TestGadget.h"
#include "display/Display.h"
#include "display/Glyphs.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::ShownDigits;
using test::ShownIndicators;

struct DigitsRow {
    const char *scenario;
    int minTens, minOnes, secTens, secOnes;
    const char *shown;
};

TEST(RefreshDisplay, ShowsOneGlyphPerDigitValueAndBlanksTheRest) {
    const DigitsRow rows[] = {
        {"all zeros", 0, 0, 0, 0, "0000"},
        {"clock 9:59 with a blank tens of hours", 10, 9, 5, 9, " 959"},
        {"eleven blanks only its position", 11, 2, 3, 4, " 234"},
        {"minus one blanks only its position", 1, -1, 3, 4, "1 34"},
        {"every digit", 1, 2, 8, 9, "1289"},
    };
    for (const DigitsRow &row : rows) {
        SCOPED_TRACE(row.scenario);
        LcdPictures lcd;
        TimerState state;
        state.DigitMinTens = row.minTens;
        state.DigitMinOnes = row.minOnes;
        state.DigitSecTens = row.secTens;
        state.DigitSecOnes = row.secOnes;
        RefreshDisplay(state, lcd);
        EXPECT_EQ(ShownDigits(lcd), row.shown);
    }
}

TEST(RefreshDisplay, ReplacesThePreviousGlyphAndLeavesIndicatorsAlone) {
    LcdPictures lcd;
    TimerState state;
    lcd.Picture5[Colon].Visible = true;
    lcd.Picture5[LetterP].Visible = true;
    state.DigitSecOnes = 7;
    RefreshDisplay(state, lcd);
    state.DigitSecOnes = 3;
    RefreshDisplay(state, lcd);
    RefreshDisplay(state, lcd);
    EXPECT_EQ(ShownDigits(lcd), "0003");
    EXPECT_EQ(ShownIndicators(lcd), "colon P");
}

struct ClockRow {
    const char *scenario;
    int hour, minute, hour12Flag;
    const char *shown;
    const char *indicators;
};

TEST(ShowClockTime, ShowsHourAndMinuteInTheChosenForm) {
    const ClockRow rows[] = {
        {"09:05 24-hour", 9, 5, 0, " 905", "colon"},
        {"09:05 12-hour", 9, 5, 1, " 905", "colon A"},
        {"11:59 12-hour, the last minute before noon", 11, 59, 1, "1159", "colon A"},
        {"12:00 12-hour, noon is P", 12, 0, 1, "1200", "colon P"},
        {"12:40 12-hour keeps hour 12, with P", 12, 40, 1, "1240", "colon P"},
        {"23:59 12-hour", 23, 59, 1, "1159", "colon P"},
        {"13:40 12-hour", 13, 40, 1, " 140", "colon P"},
        {"00:15 12-hour keeps hour 0", 0, 15, 1, " 015", "colon A"},
        {"21:07 12-hour", 21, 7, 1, " 907", "colon P"},
        {"21:07 24-hour", 21, 7, 0, "2107", "colon"},
        {"23:59 24-hour", 23, 59, 0, "2359", "colon"},
        {"00:30 24-hour", 0, 30, 0, " 030", "colon"},
        {"flag 2 is the 12-hour form", 22, 1, 2, "1001", "colon P"},
    };
    for (const ClockRow &row : rows) {
        SCOPED_TRACE(row.scenario);
        LcdPictures lcd;
        // Indicators a counting mode left behind must all go.
        for (Picture &indicator : lcd.Picture5)
            indicator.Visible = true;
        FakeEffects effects;
        TimerState state;
        state.Hour12Flag = row.hour12Flag;
        state.Minutes = 12;
        state.Seconds = 34;
        effects.setWallClock(row.hour, row.minute, 42);
        ShowClockTime(state, lcd, effects);
        EXPECT_EQ(ShownDigits(lcd), row.shown);
        EXPECT_EQ(ShownIndicators(lcd), row.indicators);
        EXPECT_EQ(state.Minutes, 12);
        EXPECT_EQ(state.Seconds, 34);
        EXPECT_EQ(state.Hour12Flag, row.hour12Flag);
    }
}

TEST(DigitGlyph, DrawsTheDotMatrixOnItsGrid) {
    // The 1: middle column dots in rows 1..6, three dots in row 7, and the
    // dot at row 2, column 2.
    const Bitmap &one = DigitGlyph(1);
    ASSERT_EQ(one.width, 25);
    ASSERT_EQ(one.height, 42);
    EXPECT_TRUE(one.isDot(11, 4));  // row 1, column 3: top-left pixel of the dot
    EXPECT_TRUE(one.isDot(13, 7));  // ... and its bottom-right pixel
    EXPECT_FALSE(one.isDot(14, 4)); // the gap between columns
    EXPECT_FALSE(one.isDot(11, 8)); // the gap between rows
    EXPECT_TRUE(one.isDot(7, 9));   // row 2, column 2
    EXPECT_TRUE(one.isDot(7, 34));  // row 7 starts at y 34
    EXPECT_FALSE(one.isDot(3, 34));

    // Every glyph keeps its last column and row empty: the box clips them.
    for (int digit = 0; digit < 10; ++digit) {
        const Bitmap &glyph = DigitGlyph(digit);
        for (int y = 0; y < glyph.height; ++y)
            EXPECT_FALSE(glyph.isDot(24, y)) << digit;
        for (int x = 0; x < glyph.width; ++x)
            EXPECT_FALSE(glyph.isDot(x, 41)) << digit;
    }
}

TEST(DigitGlyph, EachGlyphHasTheDotsOfItsPattern) {
    // Dots per digit 0..9, counted by hand from the dot patterns.
    const int expected[10] = {19, 10, 14, 16, 14, 17, 15, 11, 17, 15};
    for (int digit = 0; digit < 10; ++digit) {
        const Bitmap &glyph = DigitGlyph(digit);
        int pixels = 0;
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                pixels += glyph.isDot(x, y) ? 1 : 0;
        EXPECT_EQ(pixels, expected[digit] * 12) << digit; // a dot is 3 x 4 pixels
    }
}

} // namespace
} // namespace pomelo
