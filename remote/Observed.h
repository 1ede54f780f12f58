#pragma once

#include "state/FunctionNames.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

#include <bitset>
#include <string>

namespace pomelo {

// What those who watch the gadget from outside see of it (the session bus's
// properties, --follow), as values that compare.
struct Observed {
    std::string mode{FunctionName(CountdownMode)}; // one of FunctionNames
    bool running = false;                          // a countdown or the stopwatch counts
    // What the LCD shows: "04 59", "01h05m", "21:07", "9:07 PM"; empty
    // until the first tick draws.
    std::string display;
    int remaining = -1;   // seconds left of the countdown; -1 outside it
    std::string keyed;    // the countdown's length last keyed in, "05:00", or empty
    bool ringing = false; // the alarm rings and nobody has answered it

    bool operator==(const Observed &) const = default;
};

Observed Observe(const TimerState &state, const LcdPictures &lcd);

// Each value of Observed, to tell which of them changed.
enum class Property { Mode, Running, Display, Remaining, Keyed, Ringing };
inline constexpr std::size_t PropertyCount = 6;
using Properties = std::bitset<PropertyCount>;

Properties ChangedBetween(const Observed &before, const Observed &after);

} // namespace pomelo
