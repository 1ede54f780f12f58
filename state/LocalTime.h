#pragma once

namespace pomelo {

// The local wall-clock time of day.
struct LocalTime {
    int hour = 0;        // 0..23
    int minute = 0;      // 0..59
    int second = 0;      // 0..59
    int millisecond = 0; // 0..999
};

} // namespace pomelo
