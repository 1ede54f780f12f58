#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

#include <string>

namespace pomelo {

// The countdown's length as the digit keys last left it: "05:00".
std::string KeyedLength(const TimerState &state);

// At the alarm: a notice on the desktop saying which countdown ended when.
void PostAlarmNotice(TimerState &state, Effects &effects);
// At start-up, for a countdown that ended while the program was not running.
void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt);
// What became of the alarm's sound, once the sound system tells: the notice,
// if it is still up, is replaced by one that says on a second line why no
// sound rings, or no longer says so once it rings after all.
void TellAlarmNoticeSound(TimerState &state, Effects &effects, SoundOutcome sound);

// The alarm's notice goes, if it is still up.
void WithdrawAlarmNotice(TimerState &state, Effects &effects);

} // namespace pomelo
