#include "remote/Status.h"

namespace pomelo {

std::string StatusLine(const Observed &seen) {
    std::string line = seen.mode;
    if (seen.mode != "clock")
        line += seen.running ? " running" : " stopped";
    if (!seen.display.empty())
        line += ' ' + seen.display;
    return line;
}

} // namespace pomelo
