#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// START: starts and pauses the countdown and the stopwatch; in the clock it
// switches between the 24-hour and the 12-hour display. Every press saves
// the settings.
void Image14_Click(TimerState &state, LcdPictures &lcd, Effects &effects);

} // namespace pomelo
