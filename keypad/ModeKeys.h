#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// MOD: stops any count, clears the time and steps countdown → clock →
// stopwatch → countdown.
void Image12_Click(TimerState &state, LcdPictures &lcd, Effects &effects);

// CLR: stops any count and clears the time; does nothing in the clock.
void Image13_Click(TimerState &state, LcdPictures &lcd, Effects &effects);

} // namespace pomelo
