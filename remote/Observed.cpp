#include "remote/Observed.h"

#include "alarm/AlarmNotice.h"
#include "display/LcdReading.h"
#include "state/FunctionNames.h"

namespace pomelo {
namespace {

std::string DisplayOf(const LcdPictures &lcd) {
    const LcdContents shown = ReadLcd(lcd);
    switch (shown.reads) {
    case LcdContents::Reads::Nothing:
        break;
    case LcdContents::Reads::MinutesSeconds:
        return shown.left + ' ' + shown.right;
    case LcdContents::Reads::HoursMinutes:
        return shown.left + 'h' + shown.right + 'm';
    case LcdContents::Reads::TimeOfDay:
        return LcdReading(lcd);
    }
    return {};
}

} // namespace

Observed Observe(const TimerState &state, const LcdPictures &lcd) {
    Observed seen;
    seen.mode = FunctionName(state.OpMode);
    seen.running = state.OpMode != ClockMode && state.RunFlag == Running;
    seen.display = DisplayOf(lcd);
    if (state.OpMode != ClockMode && state.OpMode != StopwatchMode)
        seen.remaining = state.Minutes * 60 + state.Seconds;
    if (state.KeyedMinutes != 0 || state.KeyedSeconds != 0)
        seen.keyed = KeyedLength(state);
    seen.ringing = state.Ringing;
    return seen;
}

Properties ChangedBetween(const Observed &before, const Observed &after) {
    Properties changed;
    changed[static_cast<std::size_t>(Property::Mode)] = before.mode != after.mode;
    changed[static_cast<std::size_t>(Property::Running)] = before.running != after.running;
    changed[static_cast<std::size_t>(Property::Display)] = before.display != after.display;
    changed[static_cast<std::size_t>(Property::Remaining)] = before.remaining != after.remaining;
    changed[static_cast<std::size_t>(Property::Keyed)] = before.keyed != after.keyed;
    changed[static_cast<std::size_t>(Property::Ringing)] = before.ringing != after.ringing;
    return changed;
}

} // namespace pomelo
