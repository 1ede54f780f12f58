#pragma once

#include "gadget/Gadget.h"

namespace pomelo::test {

// The timer state behind the gadget, for scenes no key leads to: a
// hand-edited settings file, a count a test sets in place. Tests only; the
// program meets the state through the gadget's events alone.
class GadgetSeam {
public:
    static TimerState &state(Gadget &gadget) { return gadget.state_; }
};

} // namespace pomelo::test
