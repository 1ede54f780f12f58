#pragma once

#include "state/Effects.h"

namespace pomelo {

// 1 puts the window into the always-on-top layer, 0 takes it out; any other
// flag does nothing and yields 0. Otherwise yields what the window reports:
// non-zero when it is now in the layer asked for.
int SetTopmost(Effects &effects, int flag);

} // namespace pomelo
