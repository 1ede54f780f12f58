#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

inline constexpr int ShakeSteps = 4;
inline constexpr float ShakeReachTwips = 1000.0F;
inline constexpr const char *AlarmSoundName = "BEEP";

// The window goes on top, the sound is asked for and the shake is armed.
// The sound rings until the first answer stops it (see AnswerAlarm).
void RingAlarm(TimerState &state, Effects &effects);
// The end of a countdown: the alarm rings and a notice saying what ended
// when is posted.
void StartAlarm(TimerState &state, Effects &effects);
// At start-up, for a countdown that ended at `endedAt` while the program was
// not running: the alarm rings all the same, and its notice says so.
void StartMissedAlarm(TimerState &state, Effects &effects, const LocalTime &endedAt);
// The sound system tells what became of the alarm's sound: one that cannot
// play needs no answer to stop it, and the notice says why it is silent.
// One that has not started yet may still start, and an answer stops it then.
void AlarmSoundOutcome(TimerState &state, Effects &effects, SoundOutcome sound);

// One shake step: the window jumps right of and below its home; the last step
// brings it home.
void Timer2_Timer(TimerState &state, Effects &effects);

} // namespace pomelo
