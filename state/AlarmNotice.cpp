#include "state/AlarmNotice.h"

#include <cstdio>

namespace pomelo {

void PostAlarmNotice(TimerState &state, Effects &effects) {
    const LocalTime now = effects.localTime();
    char text[96];
    std::snprintf(text, sizeof text, "The countdown of %02d:%02d ended at %02d:%02d.",
                  state.KeyedMinutes, state.KeyedSeconds, now.hour, now.minute);
    effects.postAlarmNotice(text);
    state.AlarmNoticeUp = true;
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
