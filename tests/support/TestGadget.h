#pragma once

#include "FakeEffects.h"
#include "GadgetSeam.h"
#include "gadget/Gadget.h"

#include <cstdint>
#include <string>

namespace pomelo::test {

// The four positions as the LCD shows them: the digit whose picture is the
// only one shown, ' ' for none, '?' for more than one.
std::string ShownDigits(const LcdPictures &lcd);
// Names of the shown indicators in index order, e.g. "M S dial".
std::string ShownIndicators(const LcdPictures &lcd);

// The gadget against the fake window, driven as the window drives it: keys
// by the labels on the face, and the two timers against the fake clock.
struct TestGadget {
    FakeEffects effects;
    Gadget gadget{effects};
    TimerState &state = GadgetSeam::state(gadget);

    TestGadget() = default;
    // A gadget whose wall clock stands at `wallClock`, not yet ticked.
    explicit TestGadget(const LocalTime &wallClock) { effects.setWallClock(wallClock); }
    // A gadget in `opMode` that has ticked for a second since `wallClock`.
    TestGadget(int opMode, const LocalTime &wallClock);

    // Presses the keys named in turn by their labels: "MOD CLR 0 5 START".
    void press(const std::string &labels);
    // Lets `ms` pass in 100 ms steps. The window fires Timer1 just after each
    // wall-clock second while the tick is awake and Timer2 every 100 ms while
    // the alarm shakes; firing each every step while it is wanted stands for
    // both, since the tick acts only once the second has changed.
    void run(std::int64_t ms);
    // Lets whole wall-clock seconds pass.
    void seconds(int count) { run(count * 1000LL); }

    std::string digits() const { return ShownDigits(gadget.lcd()); }
    std::string indicators() const { return ShownIndicators(gadget.lcd()); }
};

} // namespace pomelo::test
