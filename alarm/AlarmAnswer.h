#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// Every key press begins here, and with it every command that acts, as do
// the notice's Stop and Again: the first answer after an alarm shows the
// user is back, so the ring stops and the alarm's notice goes. Later answers
// find nothing left to do.
void AnswerAlarm(TimerState &state, Effects &effects);

// The user dismissed the alarm's notice on the desktop: the ring stops, and
// the notice is gone already.
void AlarmNoticeDismissed(TimerState &state, Effects &effects);

} // namespace pomelo
