#pragma once

#include "state/TimerState.h"

namespace pomelo {

// Counts a running countdown down by up to `seconds` steps, a minute
// borrowed as 60 seconds at need; at 00 00 it stops, and that is the end:
// returns true when one of these steps reached it. A run flag with nothing
// left to count (a hand-edited settings file) stops at once instead of
// counting into negative minutes.
bool CountDownBy(TimerState &state, int seconds);

// Counts a running stopwatch up by `seconds` steps; the hours wrap at 24.
void CountUpBy(TimerState &state, int seconds);

} // namespace pomelo
