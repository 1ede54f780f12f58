#include "resume/Resume.h"

#include "timer/Count.h"

#include <algorithm>

namespace pomelo {
namespace {

constexpr std::int64_t SecondMs = 1000;
constexpr std::int64_t DaySeconds = 24 * 60 * 60;
// 2000-01-01 00:00 UTC: no count this program kept is anchored before it.
constexpr std::int64_t Year2000Ms = 946'684'800'000;

const char *FunctionName(int mode) {
    return mode == StopwatchMode ? "stopwatch" : mode == ClockMode ? "clock" : "countdown";
}

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

// The wall-clock seconds that began between the anchor and now.
std::int64_t SecondsSince(const Clocks &anchor, const Clocks &now) {
    if (anchor.bootId == now.bootId) {
        const std::int64_t intoSecond = anchor.wallMs % SecondMs;
        return (intoSecond + now.bootMs - anchor.bootMs) / SecondMs;
    }
    return std::max<std::int64_t>(0, now.wallMs / SecondMs - anchor.wallMs / SecondMs);
}

} // namespace

CountRecord RecordCount(const TimerState &state, const Clocks &now) {
    return {state.OpMode,         state.RunFlag == Running, state.Minutes,      state.Seconds,
            state.StopwatchHours, state.KeyedMinutes,       state.KeyedSeconds, now};
}

Restoration RestoreCount(std::string_view file, int opMode, const Clocks &now) {
    const std::optional<CountRecord> record = ParseCountRecord(file);
    if (!record)
        return {std::nullopt, std::nullopt, "the kept count cannot be read"};
    if (record->mode != opMode)
        return {std::nullopt, std::nullopt,
                std::string("the kept count belongs to the ") + FunctionName(record->mode) +
                    ", not the " + FunctionName(opMode)};
    if (opMode == ClockMode)
        return {};
    if (!IsConsistent(*record))
        return {std::nullopt, std::nullopt, "the kept count is out of range"};
    // Anchors from 2000 to a day ahead, and from the boot's start, keep the
    // sums below far from overflowing.
    if (record->anchor.wallMs < Year2000Ms)
        return {std::nullopt, std::nullopt, "the kept count is anchored before 2000"};
    if (record->anchor.bootMs < 0)
        return {std::nullopt, std::nullopt, "the kept count is anchored before its boot"};
    if (record->anchor.wallMs - now.wallMs > DaySeconds * SecondMs)
        return {std::nullopt, std::nullopt, "the kept count is anchored more than a day ahead"};
    if (record->anchor.bootId == now.bootId && record->anchor.bootMs > now.bootMs)
        return {std::nullopt, std::nullopt,
                "the kept count is anchored ahead of this boot's clock"};

    TimerState count;
    count.OpMode = opMode;
    count.RunFlag = record->running ? Running : Stopped;
    count.Minutes = record->minutes;
    count.Seconds = record->seconds;
    count.StopwatchHours = record->hours;
    std::optional<std::int64_t> endedAtWallMs;
    if (record->running) {
        const std::int64_t seconds = SecondsSince(record->anchor, now);
        if (opMode == StopwatchMode) {
            CountUpBy(count, static_cast<int>(seconds % DaySeconds));
        } else {
            // 00 00 comes after as many steps as the countdown has seconds.
            const int toEnd = count.Minutes * 60 + count.Seconds;
            if (CountDownBy(count, static_cast<int>(std::min<std::int64_t>(seconds, toEnd))))
                endedAtWallMs = (record->anchor.wallMs / SecondMs + toEnd) * SecondMs;
        }
    }
    count.KeyedMinutes = record->keyedMinutes;
    count.KeyedSeconds = record->keyedSeconds;
    return {RecordCount(count, now), endedAtWallMs, {}};
}

} // namespace pomelo
