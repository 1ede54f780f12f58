#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// The tick: acts only when the seconds field of the local time has changed
// since the last acting tick; then counts, shows the time of day and redraws.
void Timer1_Timer(TimerState &state, Effects &effects);

} // namespace pomelo
