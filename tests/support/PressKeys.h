#pragma once

#include "FakeEffects.h"
#include "keypad/KeyLayout.h"
#include "timer/Tick.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace pomelo::test {

// Presses the key whose face shows `label` ("7", "MOD", "START") as a click
// does: the key, then the tick wakes.
inline void PressKey(TimerState &state, FakeEffects &effects, const std::string &label) {
    for (const Key &key : Keys()) {
        if (label == key.label) {
            key.click(state, effects);
            WakeTick(state, effects);
            return;
        }
    }
    ADD_FAILURE() << "no key " << label;
}

// Presses keys named in turn, separated by spaces: "MOD CLR 0 5 START".
inline void PressKeys(TimerState &state, FakeEffects &effects, const std::string &labels) {
    std::istringstream words(labels);
    for (std::string label; words >> label;)
        PressKey(state, effects, label);
}

} // namespace pomelo::test
