#include "timer/Count.h"

namespace pomelo {

bool CountDownBy(TimerState &state, int seconds) {
    if (state.RunFlag != Running)
        return false;
    if (state.Minutes <= 0 && state.Seconds <= 0) {
        state.RunFlag = Stopped;
        return false;
    }
    for (; seconds > 0; --seconds) {
        state.Seconds -= 1;
        if (state.Minutes == 0 && state.Seconds == 0) {
            state.RunFlag = Stopped;
            return true;
        }
        if (state.Seconds < 0) {
            state.Seconds = 59;
            state.Minutes -= 1;
        }
    }
    return false;
}

void CountUpBy(TimerState &state, int seconds) {
    if (state.RunFlag != Running)
        return;
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

} // namespace pomelo
