#pragma once

#include <optional>
#include <string_view>

namespace pomelo {

// A countdown's length as the digit keys take it: MM 00..99, SS 00..59.
struct Duration {
    int minutes = 0;
    int seconds = 0;

    friend bool operator==(const Duration &, const Duration &) = default;
};

inline constexpr int LongestDurationSeconds = 99 * 60 + 59;

// Reads "5:00" (minutes, a colon and two digits of seconds below 60) or
// units in the order h, m, s, each at most once: "5m", "90s", "1m30s",
// "1h5m". The whole text must be one of these forms: nothing before or after
// it. The total is normalised (90s is 01:30); nothing when the text is none
// of these, is zero or is longer than 99:59.
std::optional<Duration> ParseDuration(std::string_view text);

} // namespace pomelo
