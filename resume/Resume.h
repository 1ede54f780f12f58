#pragma once

#include "resume/CountRecord.h"
#include "state/TimerState.h"

#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// The count as it stands now, anchored at `now`.
CountRecord RecordCount(const TimerState &state, const Clocks &now);

struct Restoration {
    // The count taken up, moved on to now.
    std::optional<CountRecord> count;
    // A countdown that reached 00 00 while the program was not running:
    // when, on the wall clock (UTC milliseconds).
    std::optional<std::int64_t> endedAtWallMs;
    // Why a kept count was not taken up; empty when there was none to take.
    std::string problem;
};

// What the kept count in `file` amounts to now, for the function `opMode`
// that the settings brought back: a stopped count as it stood; a running
// one moved on by the wall-clock seconds that began since its anchor,
// measured on the boot clock on the same boot (exact through a suspend) and
// on the wall clock after a reboot (none when the wall clock was set back).
// A file that cannot be read or contradicts itself is not taken.
Restoration RestoreCount(std::string_view file, int opMode, const Clocks &now);

} // namespace pomelo
