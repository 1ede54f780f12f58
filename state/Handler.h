#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// An event handler of the gadget: a click or a tick. It reads and writes the
// timer state and the LCD in place and acts on the world through effects.
using Handler = void (*)(TimerState &, LcdPictures &, Effects &);

} // namespace pomelo
