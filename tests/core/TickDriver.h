#pragma once

#include "FakeEffects.h"
#include "state/Handler.h"
#include "timer/Alarm.h"
#include "timer/Tick.h"

namespace pomelo::test {

// Runs the tick and the shake step against the fake clock. The window wakes
// the tick just after each wall-clock second while it is awake, and the shake
// step every 100 ms while an alarm shakes; firing both every 100 ms stands for
// both, since the tick acts only once the second has changed and the shake
// step only while steps are pending. A key press wakes the tick, as in the
// window.
struct TickDriver {
    TimerState &state;
    FakeEffects &effects;

    // Lets `ms` pass in 100 ms steps, each step firing Timer1 then Timer2.
    void run(std::int64_t ms) {
        for (std::int64_t passed = 0; passed < ms; passed += 100) {
            effects.advance(100);
            if (!state.TickAsleep)
                Timer1_Timer(state, effects);
            Timer2_Timer(state, effects);
        }
    }
    // Lets whole wall-clock seconds pass.
    void seconds(int count) { run(count * 1000LL); }
    // A key or command, and the tick waking after it.
    void press(Handler handler) {
        handler(state, effects);
        WakeTick(state, effects);
    }
};

} // namespace pomelo::test
