#include "state/AlarmNotice.h"

#include "state/Translatable.h"

#include <cstdio>

namespace pomelo {
namespace {

// The length keyed in, as the LCD showed it: "05:00".
std::string KeyedLength(const TimerState &state) {
    char length[16];
    std::snprintf(length, sizeof length, "%02d:%02d", state.KeyedMinutes, state.KeyedSeconds);
    return length;
}

// `sentence` names the keyed length as %1 and the time it ended as %2.
void Post(TimerState &state, Effects &effects, const LocalTime &endedAt, const char *sentence) {
    effects.postAlarmNotice(FillIn(effects.translate("AlarmNotice", sentence),
                                   {KeyedLength(state), effects.timeOfDay(endedAt)}));
    state.AlarmNoticeUp = true;
}

} // namespace

void PostAlarmNotice(TimerState &state, Effects &effects) {
    Post(state, effects, effects.localTime(),
         //: %1 is the length keyed in (05:00), %2 the time of day it ended.
         QT_TRANSLATE_NOOP("AlarmNotice", "The countdown of %1 ended at %2."));
}

void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt) {
    Post(state, effects, endedAt,
         //: %1 is the length keyed in (05:00), %2 the time of day it ended.
         QT_TRANSLATE_NOOP("AlarmNotice",
                           "The countdown of %1 ended at %2, while pomelo was not running."));
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
