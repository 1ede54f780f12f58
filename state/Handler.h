#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// An event handler of the gadget: a click, a tick or a shake step. It reads
// and writes the timer state in place and acts on the world through effects.
using Handler = void (*)(TimerState &, Effects &);

} // namespace pomelo
