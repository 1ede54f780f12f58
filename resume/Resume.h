#pragma once

#include "resume/CountRecord.h"
#include "state/TimerState.h"

#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// The kept count's file for the count as it stands now, anchored at `now`.
std::string KeptCount(const TimerState &state, const Clocks &now);

struct TakeUp {
    // Whether the state now holds the kept count.
    bool taken = false;
    // A countdown that reached 00 00 while the program was not running:
    // when, on the wall clock (UTC milliseconds).
    std::optional<std::int64_t> endedAtWallMs;
    // Why a kept count was not taken up; empty when there was none to take.
    std::string problem;
};

// Takes up the kept count in `file` for the function the settings brought
// back (state.OpMode), moved on to now: a stopped count as it stood; a
// running one by the wall-clock seconds that began since its anchor,
// measured on the boot clock on the same boot (exact through a suspend) and
// on the wall clock after a reboot (none when the wall clock was set back).
// A file that cannot be read or contradicts itself leaves the state alone.
TakeUp TakeUpCount(std::string_view file, const Clocks &now, TimerState &state);

} // namespace pomelo
