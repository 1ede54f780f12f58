#include "state/WindowHome.h"

namespace pomelo {

void TakeWindowPlaceAsHome(TimerState &state, const Effects &effects) {
    if (!effects.isWindowPlaceKnown())
        return;
    state.PosX = effects.windowTop();
    state.PosY = effects.windowLeft();
}

} // namespace pomelo
