#pragma once

namespace pomelo {

// The local wall-clock time of day, and the day it falls on.
struct LocalTime {
    int hour = 0;        // 0..23
    int minute = 0;      // 0..59
    int second = 0;      // 0..59
    int millisecond = 0; // 0..999
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    bool isSameDayAs(const LocalTime &other) const {
        return year == other.year && month == other.month && day == other.day;
    }
};

} // namespace pomelo
