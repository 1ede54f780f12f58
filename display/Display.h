#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

inline constexpr int BlankDigit = 10;

// Start-up: every digit picture stacked on its cell and every picture of the
// LCD hidden.
void StackLcd(LcdPictures &lcd);

// Shows on each of the four positions the glyph of its display digit value,
// or nothing when the value is not 0..9. Leaves the indicators alone.
void RefreshDisplay(const TimerState &state, LcdPictures &lcd);

// Puts the hour and minute of the local time on the display, with the colon
// and, in the 12-hour form, A or P; then redraws.
void ShowClockTime(TimerState &state, LcdPictures &lcd, const Effects &effects);

// The clock's digits and indicators for `now`, without redrawing; the colon
// is shown or left as it is.
enum class ClockColon { Show, Keep };
void SetClockDisplay(TimerState &state, LcdPictures &lcd, const LocalTime &now, ClockColon colon);

// The display digits of the counting modes.
void SetDigitsToMinutesSeconds(TimerState &state);
void SetDigitsToHoursMinutes(TimerState &state);

} // namespace pomelo
