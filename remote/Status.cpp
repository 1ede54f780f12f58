#include "remote/Status.h"

#include "state/FunctionNames.h"

namespace pomelo {

std::string StatusLine(const Observed &seen) {
    std::string line = seen.mode;
    if (seen.mode != FunctionName(ClockMode))
        line += seen.running ? " running" : " stopped";
    if (!seen.display.empty())
        line += ' ' + seen.display;
    return line;
}

} // namespace pomelo
