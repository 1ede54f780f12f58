#include "alarm/Alarm.h"

#include "alarm/AlarmNotice.h"
#include "state/Topmost.h"
#include "state/WindowHome.h"

namespace pomelo {

void RingAlarm(TimerState &state, Effects &effects) {
    // The shake comes home to where the window stands now: a window dragged
    // while the countdown ran stays where the user put it.
    TakeWindowPlaceAsHome(state, effects);
    state.ShakeCount = ShakeSteps;
    SetTopmost(effects, 1);
    effects.playSound(effects.programFolder() + "/" + AlarmSoundName);
    state.Ringing = true;
}

void StartAlarm(TimerState &state, Effects &effects) {
    RingAlarm(state, effects);
    PostAlarmNotice(state, effects);
}

void StartMissedAlarm(TimerState &state, Effects &effects, const LocalTime &endedAt) {
    RingAlarm(state, effects);
    PostMissedAlarmNotice(state, effects, endedAt);
}

void AlarmSoundOutcome(TimerState &state, Effects &effects, SoundOutcome sound) {
    if (sound != SoundOutcome::Playing && sound != SoundOutcome::NoAnswer)
        state.Ringing = false;
    TellAlarmNoticeSound(state, effects, sound);
}

void Timer2_Timer(TimerState &state, Effects &effects) {
    if (state.ShakeCount <= 0)
        return;
    state.ShakeCount -= 1;
    effects.setWindowTop(state.PosX + static_cast<float>(ShakeReachTwips * effects.random()));
    effects.setWindowLeft(state.PosY + static_cast<float>(ShakeReachTwips * effects.random()));
    if (state.ShakeCount == 0) {
        effects.setWindowTop(state.PosX);
        effects.setWindowLeft(state.PosY);
    }
}

} // namespace pomelo
