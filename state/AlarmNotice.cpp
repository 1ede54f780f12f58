#include "state/AlarmNotice.h"

#include <cstdio>

namespace pomelo {
namespace {

void Post(TimerState &state, Effects &effects, const LocalTime &endedAt, const char *after) {
    char text[128];
    std::snprintf(text, sizeof text, "The countdown of %02d:%02d ended at %02d:%02d%s.",
                  state.KeyedMinutes, state.KeyedSeconds, endedAt.hour, endedAt.minute, after);
    effects.postAlarmNotice(text);
    state.AlarmNoticeUp = true;
}

} // namespace

void PostAlarmNotice(TimerState &state, Effects &effects) {
    Post(state, effects, effects.localTime(), "");
}

void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt) {
    Post(state, effects, endedAt, ", while pomelo was not running");
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
