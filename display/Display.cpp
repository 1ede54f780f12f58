#include "display/Display.h"

#include "display/Indicators.h"

#include <array>

namespace pomelo {
namespace {

void SetDigitPair(int value, int &tens, int &ones) {
    tens = value / 10;
    ones = value % 10;
}

} // namespace

void StackLcd(LcdPictures &lcd) {
    for (int index = 0; index < 10; ++index) {
        for (const DigitCell &cell : DigitCells) {
            Picture &picture = lcd[cell.array][index];
            picture.Top = cell.topTwips;
            picture.Left = cell.leftTwips;
            picture.Visible = false;
        }
    }
    for (int index = 0; index < IndicatorCount; ++index)
        lcd.Picture5[index].Visible = false;
}

void RefreshDisplay(const TimerState &state, LcdPictures &lcd) {
    const std::array<int, 4> values{state.DigitMinTens, state.DigitMinOnes, state.DigitSecTens,
                                    state.DigitSecOnes};
    for (std::size_t position = 0; position < values.size(); ++position) {
        for (int digit = 0; digit < 10; ++digit)
            lcd[DigitCells[position].array][digit].Visible = values[position] == digit;
    }
}

void SetClockDisplay(TimerState &state, LcdPictures &lcd, const LocalTime &now, ClockColon colon) {
    const bool twelveHour = state.Hour12Flag != 0;
    // Noon and the hour after midnight keep their number (12 and 0), but the
    // hour after noon is afternoon all the same: 12:40 reads 12 40 with P.
    const bool afternoon = now.hour >= 12;
    const int shownHour = twelveHour && now.hour >= 13 ? now.hour - 12 : now.hour;

    SetDigitPair(shownHour, state.DigitMinTens, state.DigitMinOnes);
    if (state.DigitMinTens == 0)
        state.DigitMinTens = BlankDigit;
    SetDigitPair(now.minute, state.DigitSecTens, state.DigitSecOnes);

    const Show a = twelveHour && !afternoon ? Show::Shown : Show::Hidden;
    const Show p = twelveHour && afternoon ? Show::Shown : Show::Hidden;
    const Show colonState = colon == ClockColon::Show ? Show::Shown : Show::Keep;
    SetIndicators(lcd, {colonState, Show::Hidden, Show::Hidden, Show::Hidden, Show::Hidden,
                        Show::Hidden, Show::Hidden, a, p, Show::Hidden});
}

void ShowClockTime(TimerState &state, LcdPictures &lcd, const Effects &effects) {
    SetClockDisplay(state, lcd, effects.localTime(), ClockColon::Show);
    RefreshDisplay(state, lcd);
}

void SetDigitsToMinutesSeconds(TimerState &state) {
    SetDigitPair(state.Minutes, state.DigitMinTens, state.DigitMinOnes);
    SetDigitPair(state.Seconds, state.DigitSecTens, state.DigitSecOnes);
}

void SetDigitsToHoursMinutes(TimerState &state) {
    SetDigitPair(state.StopwatchHours, state.DigitMinTens, state.DigitMinOnes);
    SetDigitPair(state.Minutes, state.DigitSecTens, state.DigitSecOnes);
}

} // namespace pomelo
