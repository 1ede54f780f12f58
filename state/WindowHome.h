#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// Takes the window's place as its home, PosX and PosY: where the platform
// cannot tell the place, the home stays as it was loaded, so that the saved
// place is never overwritten with one the window never had. Nor is it taken
// while the alarm shakes the window: the shake still comes home, and the
// saved place is never one the window jumped to.
void TakeWindowPlaceAsHome(TimerState &state, const Effects &effects);

} // namespace pomelo
