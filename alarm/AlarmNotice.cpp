#include "alarm/AlarmNotice.h"

#include "state/Translatable.h"

#include <cstdio>
#include <string>

namespace pomelo {
namespace {

//: The notice's second line; %1 is why no sound rings.
constexpr const char *NoSoundLine = QT_TRANSLATE_NOOP("AlarmNotice", "No sound: %1.");

// Why no sound rings, as the notice's second line tells it; none while it
// rings. One reason for each cause the user can set right.
const char *WhyNoSound(SoundOutcome sound) {
    switch (sound) {
    case SoundOutcome::Playing:
        return nullptr;
    case SoundOutcome::NoAnswer:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound server does not answer");
    case SoundOutcome::NoServer:
        return QT_TRANSLATE_NOOP("AlarmNotice", "no sound server");
    case SoundOutcome::NoFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is missing");
    case SoundOutcome::NotAFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is not a regular file");
    case SoundOutcome::UnreadableFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file cannot be read");
    case SoundOutcome::TooLargeFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is too large");
    case SoundOutcome::BrokenFile:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file is broken");
    case SoundOutcome::UnsupportedFormat:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound file's format is not supported");
    case SoundOutcome::Failed:
        return QT_TRANSLATE_NOOP("AlarmNotice", "the sound system failed");
    }
    return nullptr;
}

// The notice as it stands: its first line, and why no sound rings, if none
// does.
void PostNotice(TimerState &state, Effects &effects) {
    std::string text = state.AlarmNoticeText;
    if (const char *why = WhyNoSound(state.AlarmNoticeSound)) {
        text += '\n';
        text += FillIn(effects.translate("AlarmNotice", NoSoundLine),
                       {effects.translate("AlarmNotice", why)});
    }
    effects.postAlarmNotice(text);
    state.AlarmNoticeUp = true;
}

// `sentence` names the keyed length as %1, the time it ended as %2 and, where
// it tells the day too, the date as %3. It counts the hour the time shows:
// some languages say "at one o'clock" with an article of its own ("a la 1:07"
// but "a las 13:07"). The sound has only been asked for: the notice says
// nothing of it yet.
void Post(TimerState &state, Effects &effects, const LocalTime &endedAt, const char *sentence) {
    const ShownTime ended = effects.timeOfDay(endedAt);
    std::string text = effects.translate("AlarmNotice", sentence, ended.hour);
    // A time that ends in an abbreviation's stop ("1:07 p. m.") ends the
    // sentence with it, not with a second stop.
    const std::string::size_type closing = text.find("%2.");
    if (!ended.text.empty() && ended.text.back() == '.' && closing != std::string::npos)
        text.erase(closing + 2, 1);
    state.AlarmNoticeText =
        FillIn(text, {KeyedLength(state), ended.text, effects.shortDate(endedAt)});
    state.AlarmNoticeSound = SoundOutcome::Playing;
    PostNotice(state, effects);
}

} // namespace

std::string KeyedLength(const TimerState &state) {
    char length[16];
    std::snprintf(length, sizeof length, "%02d:%02d", state.KeyedMinutes, state.KeyedSeconds);
    return length;
}

void PostAlarmNotice(TimerState &state, Effects &effects) {
    Post(state, effects, effects.localTime(),
         //: %1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by
         //: the hour %2 shows (1 for 1:07 PM), where an article before it does ("a la 1:07").
         QT_TRANSLATE_N_NOOP("AlarmNotice", "The countdown of %1 ended at %2."));
}

void PostMissedAlarmNotice(TimerState &state, Effects &effects, const LocalTime &endedAt) {
    // On another day, the time of day alone would read as today's.
    if (endedAt.isSameDayAs(effects.localTime()))
        Post(state, effects, endedAt,
             //: %1 is the length keyed in (05:00), %2 the time of day it ended. The forms go
             //: by the hour %2 shows (1 for 1:07 PM), where an article before it does.
             QT_TRANSLATE_N_NOOP("AlarmNotice",
                                 "The countdown of %1 ended at %2, while pomelo was not running."));
    else
        Post(state, effects, endedAt,
             //: %1 is the length keyed in (05:00), %2 the time of day it ended, %3 the
             //: date (as the language writes it short). The forms go by the hour %2 shows.
             QT_TRANSLATE_N_NOOP(
                 "AlarmNotice",
                 "The countdown of %1 ended on %3 at %2, while pomelo was not running."));
}

void TellAlarmNoticeSound(TimerState &state, Effects &effects, SoundOutcome sound) {
    if (!state.AlarmNoticeUp || sound == state.AlarmNoticeSound)
        return;
    state.AlarmNoticeSound = sound;
    PostNotice(state, effects);
}

void WithdrawAlarmNotice(TimerState &state, Effects &effects) {
    if (!state.AlarmNoticeUp)
        return;
    state.AlarmNoticeUp = false;
    effects.withdrawAlarmNotice();
}

} // namespace pomelo
