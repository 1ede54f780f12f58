#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// The tick: acts only when the seconds field of the local time has changed
// since the last acting tick; then counts, shows the time of day and redraws.
// It falls asleep when only a key or command could change the LCD.
void Timer1_Timer(TimerState &state, LcdPictures &lcd, Effects &effects);

// After any key or command: the tick runs again, since what it shows may have
// changed. A tick that slept takes up its second bookkeeping as though it had
// acted all along, so the time it slept is not counted and the next change of
// the wall-clock second acts.
void WakeTick(TimerState &state, const Effects &effects);

// The tick takes this moment as the one it last acted at: the next change
// of the wall-clock second counts one step.
void CountFromNow(TimerState &state, const Effects &effects);

} // namespace pomelo
