#include "resume/Resume.h"

#include "state/FunctionNames.h"
#include "timer/Count.h"

#include <algorithm>

namespace pomelo {
namespace {

constexpr std::int64_t SecondMs = 1000;
constexpr std::int64_t DaySeconds = 24 * 60 * 60;
// 2000-01-01 00:00 UTC: no count this program kept is anchored before it.
constexpr std::int64_t Year2000Ms = 946'684'800'000;

bool Within(int value, int least, int most) {
    return value >= least && value <= most;
}

// Whether the record's count is one the keys or the tick could have left.
bool IsConsistent(const CountRecord &record) {
    if (!Within(record.keyedMinutes, 0, 99) || !Within(record.keyedSeconds, 0, 99))
        return false;
    if (record.mode == StopwatchMode)
        return Within(record.minutes, 0, 59) && Within(record.seconds, 0, 59) &&
               Within(record.hours, 0, 23);
    return Within(record.minutes, 0, 99) && Within(record.seconds, 0, 99) && record.hours == 0 &&
           !(record.running && record.minutes == 0 && record.seconds == 0);
}

// Why the record's count is not to be trusted now; empty when it is.
std::string Distrust(const CountRecord &record, const Clocks &now) {
    if (!IsConsistent(record))
        return "the kept count is out of range";
    // Anchors from 2000 to a day ahead, and from the boot's start, keep the
    // sums below far from overflowing.
    if (record.anchor.wallMs < Year2000Ms)
        return "the kept count is anchored before 2000";
    if (record.anchor.bootMs < 0)
        return "the kept count is anchored before its boot";
    if (record.anchor.wallMs - now.wallMs > DaySeconds * SecondMs)
        return "the kept count is anchored more than a day ahead";
    if (record.anchor.bootId == now.bootId && record.anchor.bootMs > now.bootMs)
        return "the kept count is anchored ahead of this boot's clock";
    return {};
}

// The wall-clock seconds that began between the anchor and now.
std::int64_t SecondsSince(const Clocks &anchor, const Clocks &now) {
    if (anchor.bootId == now.bootId) {
        const std::int64_t intoSecond = anchor.wallMs % SecondMs;
        return (intoSecond + now.bootMs - anchor.bootMs) / SecondMs;
    }
    return std::max<std::int64_t>(0, now.wallMs / SecondMs - anchor.wallMs / SecondMs);
}

TakeUp NotTaken(std::string problem) {
    return {false, std::nullopt, std::move(problem)};
}

} // namespace

std::string KeptCount(const TimerState &state, const Clocks &now) {
    return FormatCountRecord({state.OpMode, state.RunFlag == Running, state.Minutes, state.Seconds,
                              state.StopwatchHours, state.KeyedMinutes, state.KeyedSeconds, now});
}

TakeUp TakeUpCount(std::string_view file, const Clocks &now, TimerState &state) {
    const std::optional<CountRecord> record = ParseCountRecord(file);
    if (!record)
        return NotTaken("the kept count cannot be read");
    if (record->mode != state.OpMode)
        return NotTaken(std::string("the kept count belongs to the ")
                            .append(FunctionName(record->mode))
                            .append(", not the ")
                            .append(FunctionName(state.OpMode)));
    if (state.OpMode == ClockMode)
        return {};
    if (std::string problem = Distrust(*record, now); !problem.empty())
        return NotTaken(std::move(problem));

    state.RunFlag = record->running ? Running : Stopped;
    state.Minutes = record->minutes;
    state.Seconds = record->seconds;
    state.StopwatchHours = record->hours;
    state.KeyedMinutes = record->keyedMinutes;
    state.KeyedSeconds = record->keyedSeconds;
    TakeUp takeUp{true, std::nullopt, {}};
    if (!record->running)
        return takeUp;
    const std::int64_t seconds = SecondsSince(record->anchor, now);
    if (state.OpMode == StopwatchMode) {
        CountUpBy(state, static_cast<int>(seconds % DaySeconds));
        return takeUp;
    }
    // 00 00 comes after as many steps as the countdown has seconds.
    const int toEnd = state.Minutes * 60 + state.Seconds;
    if (CountDownBy(state, static_cast<int>(std::min<std::int64_t>(seconds, toEnd))))
        takeUp.endedAtWallMs = (record->anchor.wallMs / SecondMs + toEnd) * SecondMs;
    return takeUp;
}

} // namespace pomelo
