#pragma once

#include "state/TimerState.h"

#include <array>
#include <optional>
#include <string_view>

namespace pomelo {

// The three functions by name, in OpMode order, as the status line, the kept
// count's file and the messages on it spell them.
inline constexpr std::array<std::string_view, 3> FunctionNames{"countdown", "clock", "stopwatch"};
static_assert(FunctionNames[CountdownMode] == "countdown" && FunctionNames[ClockMode] == "clock" &&
              FunctionNames[StopwatchMode] == "stopwatch");

// A mode a hand-edited settings file brings counts down, as the keys take it.
constexpr std::string_view FunctionName(int opMode) {
    return opMode == ClockMode || opMode == StopwatchMode ? FunctionNames[opMode]
                                                          : FunctionNames[CountdownMode];
}

// The mode of that name; none for any other text.
constexpr std::optional<int> FunctionNamed(std::string_view name) {
    for (std::size_t mode = 0; mode < FunctionNames.size(); ++mode) {
        if (name == FunctionNames[mode])
            return static_cast<int>(mode);
    }
    return std::nullopt;
}

} // namespace pomelo
