#include "timer/Tick.h"

#include "display/Display.h"
#include "display/Indicators.h"
#include "timer/Alarm.h"

#include <algorithm>

namespace pomelo {
namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

void RecordActingTick(TimerState &state, const LocalTime &now, std::int64_t elapsedMs) {
    state.LastSecond = now.second;
    state.HasActed = true;
    state.LastActingElapsedMs = elapsedMs;
    state.LastActingMillisecond = now.millisecond;
}

// Whole seconds that really passed since the last acting tick: 1 in normal
// operation, more after a suspend or a stall. Measured on the elapsed-time
// clock from the wall-clock second boundary the last acting tick followed,
// so neither a suspend nor setting the wall clock makes a count jump.
int SecondsSinceLastActingTick(TimerState &state, const Effects &effects, const LocalTime &now) {
    const std::int64_t elapsedMs = effects.elapsedMilliseconds();
    std::int64_t seconds = 1;
    if (state.HasActed) {
        const std::int64_t sinceBoundaryMs =
            state.LastActingMillisecond + (elapsedMs - state.LastActingElapsedMs);
        seconds = std::clamp<std::int64_t>(sinceBoundaryMs / 1000, 1, SecondsPerDay);
    }
    RecordActingTick(state, now, elapsedMs);
    return static_cast<int>(seconds);
}

// Only the clock and a running count change the LCD without a key.
bool LaterTicksCanChangeTheDisplay(const TimerState &state) {
    return state.OpMode == 1 || (state.RunFlag == 1 && (state.OpMode == 0 || state.OpMode == 2));
}

void CountDown(TimerState &state, Effects &effects, int seconds) {
    if (state.RunFlag == 1) {
        // A run flag with nothing left to count (a hand-edited settings file)
        // stops here instead of counting into negative minutes.
        if (state.Minutes <= 0 && state.Seconds <= 0)
            state.RunFlag = 0;
        for (; state.RunFlag == 1 && seconds > 0; --seconds) {
            state.Seconds -= 1;
            if (state.Minutes == 0 && state.Seconds == 0) {
                state.RunFlag = 0;
                StartAlarm(state, effects);
            } else if (state.Seconds < 0) {
                state.Seconds = 59;
                state.Minutes -= 1;
            }
        }
    }
    SetDigitsToMinutesSeconds(state);
    SetIndicators(effects, CountdownIndicators);
}

void CountUp(TimerState &state, Effects &effects, int seconds) {
    if (state.RunFlag == 1) {
        for (; seconds > 0; --seconds) {
            state.Seconds += 1;
            if (state.Seconds < 60)
                continue;
            state.Seconds = 0;
            state.Minutes += 1;
            if (state.Minutes < 60)
                continue;
            state.Minutes = 0;
            state.StopwatchHours = (state.StopwatchHours + 1) % 24;
        }
    }
    if (state.StopwatchHours == 0) {
        SetDigitsToMinutesSeconds(state);
        SetIndicators(effects, StopwatchMinutesIndicators);
    } else {
        SetDigitsToHoursMinutes(state);
        SetIndicators(effects, StopwatchHoursIndicators);
    }
}

} // namespace

void Timer1_Timer(TimerState &state, Effects &effects) {
    const LocalTime now = effects.localTime();
    if (now.second == state.LastSecond)
        return;
    const int seconds = SecondsSinceLastActingTick(state, effects, now);

    if (state.OpMode == 1)
        InvertIndicator(effects, Colon);
    if (state.OpMode == 0)
        CountDown(state, effects, seconds);
    if (state.OpMode == 1)
        SetClockDisplay(state, effects, now, ClockColon::Keep);
    if (state.OpMode == 2)
        CountUp(state, effects, seconds);
    RefreshDisplay(state, effects);
    state.TickAsleep = !LaterTicksCanChangeTheDisplay(state);
}

void WakeTick(TimerState &state, const Effects &effects) {
    if (!state.TickAsleep)
        return;
    state.TickAsleep = false;
    RecordActingTick(state, effects.localTime(), effects.elapsedMilliseconds());
}

} // namespace pomelo
