#include "timer/Tick.h"

#include "alarm/Alarm.h"
#include "display/Display.h"
#include "display/Indicators.h"
#include "timer/Count.h"

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
    return state.OpMode == ClockMode ||
           (state.RunFlag == Running &&
            (state.OpMode == CountdownMode || state.OpMode == StopwatchMode));
}

void CountDown(TimerState &state, LcdPictures &lcd, Effects &effects, int seconds) {
    if (CountDownBy(state, seconds))
        StartAlarm(state, effects);
    SetDigitsToMinutesSeconds(state);
    SetIndicators(lcd, CountdownIndicators);
}

void CountUp(TimerState &state, LcdPictures &lcd, int seconds) {
    CountUpBy(state, seconds);
    if (state.StopwatchHours == 0) {
        SetDigitsToMinutesSeconds(state);
        SetIndicators(lcd, StopwatchMinutesIndicators);
    } else {
        SetDigitsToHoursMinutes(state);
        SetIndicators(lcd, StopwatchHoursIndicators);
    }
}

} // namespace

void Timer1_Timer(TimerState &state, LcdPictures &lcd, Effects &effects) {
    const LocalTime now = effects.localTime();
    if (now.second == state.LastSecond)
        return;
    const int seconds = SecondsSinceLastActingTick(state, effects, now);

    if (state.OpMode == ClockMode)
        InvertIndicator(lcd, Colon);
    if (state.OpMode == CountdownMode)
        CountDown(state, lcd, effects, seconds);
    if (state.OpMode == ClockMode)
        SetClockDisplay(state, lcd, now, ClockColon::Keep);
    if (state.OpMode == StopwatchMode)
        CountUp(state, lcd, seconds);
    RefreshDisplay(state, lcd);
    state.TickAsleep = !LaterTicksCanChangeTheDisplay(state);
}

void WakeTick(TimerState &state, const Effects &effects) {
    if (!state.TickAsleep)
        return;
    state.TickAsleep = false;
    CountFromNow(state, effects);
}

void CountFromNow(TimerState &state, const Effects &effects) {
    RecordActingTick(state, effects.localTime(), effects.elapsedMilliseconds());
}

} // namespace pomelo
