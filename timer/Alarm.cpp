#include "timer/Alarm.h"

#include "state/AlarmNotice.h"
#include "state/Topmost.h"
#include "state/WindowHome.h"

namespace pomelo {

SoundOutcome RingAlarm(TimerState &state, Effects &effects) {
    // The shake comes home to where the window stands now: a window dragged
    // while the countdown ran stays where the user put it.
    TakeWindowPlaceAsHome(state, effects);
    state.ShakeCount = ShakeSteps;
    SetTopmost(effects, 1);
    const SoundOutcome sound = effects.playSound(effects.programFolder() + "/" + AlarmSoundName);
    state.Ringing = sound == SoundOutcome::Playing;
    return sound;
}

void StartAlarm(TimerState &state, Effects &effects) {
    PostAlarmNotice(state, effects, RingAlarm(state, effects));
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
