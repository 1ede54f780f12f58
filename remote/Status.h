#pragma once

#include "remote/Observed.h"

#include <string>

namespace pomelo {

// One line on what the gadget does and what its LCD shows:
// "countdown running 04 59", "stopwatch stopped 00 00", "stopwatch running
// 01h05m" after the stopwatch's first hour, "clock 21:07" or "clock 9:07 PM".
// The digits are left out while the LCD shows none (just after start-up).
std::string StatusLine(const Observed &seen);

} // namespace pomelo
