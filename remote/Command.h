#pragma once

#include "remote/Duration.h"
#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// What the gadget can be told from outside its window.
struct Command {
    enum class Kind { Countdown, Clock, Stopwatch, Start, Clear, Quit, Status };
    Kind kind = Kind::Status;
    Duration duration; // of a countdown
};

// Carries a command out as the key presses that do the same thing, through
// the keys' own handlers:
//   Countdown  MOD until the countdown, CLR, the four digits, START
//   Clock      MOD until the clock (none when it shows)
//   Stopwatch  MOD until the stopwatch, or CLR when it shows
//   Start, Clear, Quit  START, CLR, OFF
// Status presses nothing.
void CarryOut(const Command &command, TimerState &state, Effects &effects);

} // namespace pomelo
