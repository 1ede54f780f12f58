#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pomelo {

// How much of an argument a message shows, in characters as shown.
inline constexpr std::size_t LongestShownArgument = 60;

// An argument the way a one-line message names it, safe to print on a
// terminal: control characters, a backslash and bytes that are not UTF-8 are
// written as C escapes (\n, \x1b, \\, \xff; \u009b for a control character
// of the Latin-1 range), and past LongestShownArgument characters, an escape
// counting as its length, "..." stands for the rest.
std::string EscapeArgument(std::string_view text);

} // namespace pomelo
