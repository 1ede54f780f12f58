#include "state/AlarmNotice.h"

#include "state/Translatable.h"

#include <cstdio>
#include <string>

namespace pomelo {
namespace {

//: The notice's second line; %1 is why no sound rings.
constexpr const char *NoSoundLine = QT_TRANSLATE_NOOP("AlarmNotice", "No sound: %1.");

// Why no sound rings, as the notice's second line tells it; none while it
// rings.
const char *WhyNoSound(SoundOutcome sound) {
    switch (sound) {
    case SoundOutcome::Playing:
        return nullptr;
    case SoundOutcome::NoFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is missing");
    case SoundOutcome::UnreadableFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file cannot be read");
    case SoundOutcome::BrokenFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is broken");
    case SoundOutcome::NoServer:
        return QT_TRANSLATE_NOOP("AlarmNotice", "no sound server");
    case SoundOutcome::Failed:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound system failed");
    }
    return nullptr;
}

// `sentence` names the keyed length as %1 and the time it ended as %2.
void Post(TimerState &state, Effects &effects, const LocalTime &endedAt, const char *sentence,
          SoundOutcome sound) {
    std::string text = FillIn(effects.translate("AlarmNotice", sentence),
                              {KeyedLength(state), effects.timeOfDay(endedAt)});
    if (const char *why = WhyNoSound(sound)) {
        text += '\n';
        text += FillIn(effects.translate("AlarmNotice", NoSoundLine),
                       {effects.translate("AlarmNotice", why)});
    }
    effects.postAlarmNotice(text);
    state.AlarmNoticeUp = true;
}

} // namespace

std::string KeyedLength(const TimerState &state) {
    char length[16];
    std::snprintf(length, sizeof length, "%02d:%02d", state.KeyedMinutes, state.KeyedSeconds);
    return length;
}

void PostAlarmNotice(TimerState &state, Effects &effects, SoundOutcome sound) {
    Post(state, effects, effects.localTime(),
         //: %1 is the length keyed in (05:00), %2 the time of day it ended.
         QT_TRANSLATE_NOOP("AlarmNotice", "The countdown of %1 ended at %2."), sound);
}

void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt,
                           SoundOutcome sound) {
    Post(state, effects, endedAt,
         //: %1 is the length keyed in (05:00), %2 the time of day it ended.
         QT_TRANSLATE_NOOP("AlarmNotice",
                           "The countdown of %1 ended at %2, while pomelo was not running."),
         sound);
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
