#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// The clocks a running count is anchored on.
struct Clocks {
    std::int64_t wallMs = 0; // the wall clock: UTC milliseconds since 1970
    std::int64_t bootMs = 0; // runs on through a suspend; starts anew with each boot
    std::string bootId;      // names the boot that bootMs counts from
};

// The count as it is kept across runs of the program: to which function it
// belongs, whether it runs, the time it stood at, the countdown's keyed
// length, and the moment it stood there.
struct CountRecord {
    int mode = 0; // OpMode
    bool running = false;
    int minutes = 0;
    int seconds = 0;
    int hours = 0;
    int keyedMinutes = 0;
    int keyedSeconds = 0;
    Clocks anchor;
};

// The record as text, one KEY=value line each:
//   FUNCTION=countdown | clock | stopwatch
//   RUNNING=0 | 1
//   MINUTES, SECONDS, HOURS     the count
//   KEYED=MM:SS                 the countdown's keyed length
//   WALLCLOCK, BOOTCLOCK        the anchor in milliseconds, BOOTID its boot
std::string FormatCountRecord(const CountRecord &record);

// Reads a record back: nothing when a key is missing or given twice or a
// value is not of its kind. Lines starting with '#' and unknown keys are
// skipped.
std::optional<CountRecord> ParseCountRecord(std::string_view text);

} // namespace pomelo
