#pragma once

#include <QString>

namespace pomelo {

// Qt ends in an abort, with lines of its own, when its platform cannot open
// the display. Asked before the gadget's application is made, this tries
// each display Qt would try, as Qt picks them from the environment, and
// says in one line why none can be opened: none is named, an X server
// refuses the connection or none answers, no Wayland compositor listens.
// Empty when one opens, or where only Qt can tell (other platforms).
QString WhyNoDisplay();

} // namespace pomelo
