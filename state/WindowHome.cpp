#include "state/WindowHome.h"

namespace pomelo {

void TakeWindowPlaceAsHome(TimerState &state, const Effects &effects) {
    if (!effects.isWindowPlaceKnown())
        return;
    // While the alarm shakes the window, its place is the shake's; the home
    // is the one the shake comes back to.
    if (state.ShakeCount > 0)
        return;
    state.PosX = effects.windowTop();
    state.PosY = effects.windowLeft();
}

} // namespace pomelo
