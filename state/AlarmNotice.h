#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// At the alarm: a notice on the desktop saying which countdown ended when.
void PostAlarmNotice(TimerState &state, Effects &effects);
// At start-up, for a countdown that ended while the program was not running.
void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt);

// Every key press begins here: the first one after an alarm shows the user
// is back, so the alarm's notice goes.
void WithdrawAlarmNotice(TimerState &state, Effects &effects);

} // namespace pomelo
