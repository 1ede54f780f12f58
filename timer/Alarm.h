#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

inline constexpr int ShakeSteps = 4;
inline constexpr float ShakeReachTwips = 1000.0F;
inline constexpr const char *AlarmSoundName = "BEEP";

// The window goes on top, the sound starts and the shake is armed. The
// sound rings until the first answer stops it (see AnswerAlarm); returns
// whether it plays.
SoundOutcome RingAlarm(TimerState &state, Effects &effects);
// The end of a countdown: the alarm rings and a notice saying what ended
// when is posted.
void StartAlarm(TimerState &state, Effects &effects);

// One shake step: the window jumps right of and below its home; the last step
// brings it home.
void Timer2_Timer(TimerState &state, Effects &effects);

} // namespace pomelo
