#pragma once

#include "FakeEffects.h"
#include "timer/Alarm.h"
#include "timer/Tick.h"

namespace pomelo::test {

// Runs the two 100 ms timers against the fake clock, as the window does.
struct TickDriver {
    TimerState &state;
    FakeEffects &effects;

    // Lets `ms` pass in 100 ms steps, each step firing Timer1 then Timer2.
    void run(std::int64_t ms) {
        for (std::int64_t passed = 0; passed < ms; passed += 100) {
            effects.advance(100);
            Timer1_Timer(state, effects);
            Timer2_Timer(state, effects);
        }
    }
    // Lets whole wall-clock seconds pass.
    void seconds(int count) { run(count * 1000LL); }
};

} // namespace pomelo::test
