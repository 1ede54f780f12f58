#include "state/AlarmNotice.h"

#include <cstdio>
#include <string>

namespace pomelo {
namespace {

// The notice's words, all of them here.
constexpr const char *EndedLine = "The countdown of %02d:%02d ended at %02d:%02d%s.";
constexpr const char *WhileNotRunning = ", while pomelo was not running";
constexpr const char *NoSoundLine = "\nNo sound: %s.";

const char *WhyNoSound(SoundOutcome sound) {
    switch (sound) {
    case SoundOutcome::Playing:
        return nullptr;
    case SoundOutcome::NoFile:
        return "the sound file is missing";
    case SoundOutcome::UnreadableFile:
        return "the sound file cannot be read";
    case SoundOutcome::BrokenFile:
        return "the sound file is broken";
    case SoundOutcome::NoServer:
        return "no sound server";
    case SoundOutcome::Failed:
        return "the sound system failed";
    }
    return nullptr;
}

void Post(TimerState &state, Effects &effects, const LocalTime &endedAt, const char *after,
          SoundOutcome sound) {
    char line[128];
    std::snprintf(line, sizeof line, EndedLine, state.KeyedMinutes, state.KeyedSeconds,
                  endedAt.hour, endedAt.minute, after);
    std::string text = line;
    if (const char *why = WhyNoSound(sound)) {
        std::snprintf(line, sizeof line, NoSoundLine, why);
        text += line;
    }
    effects.postAlarmNotice(text);
    state.AlarmNoticeUp = true;
}

} // namespace

void PostAlarmNotice(TimerState &state, Effects &effects, SoundOutcome sound) {
    Post(state, effects, effects.localTime(), "", sound);
}

void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt,
                           SoundOutcome sound) {
    Post(state, effects, endedAt, WhileNotRunning, sound);
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
