#include "alarm/AlarmAnswer.h"

#include "alarm/AlarmNotice.h"

namespace pomelo {
namespace {

void StopRing(TimerState &state, Effects &effects) {
    if (!state.Ringing)
        return;
    state.Ringing = false;
    effects.stopSound();
}

} // namespace

void AnswerAlarm(TimerState &state, Effects &effects) {
    StopRing(state, effects);
    WithdrawAlarmNotice(state, effects);
}

void AlarmNoticeDismissed(TimerState &state, Effects &effects) {
    StopRing(state, effects);
    state.AlarmNoticeUp = false;
}

} // namespace pomelo
