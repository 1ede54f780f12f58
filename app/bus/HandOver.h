#pragma once

#include "app/bus/SingleInstance.h"
#include "remote/Command.h"

#include <optional>

namespace pomelo {

// Hands the command to the running copy, or, for a start, takes the lock
// when no copy holds it, waiting a few seconds in all for a copy that is
// starting, ending or slow to answer; a command it may have received is sent
// only once. Returns the exit status, or nothing when this process is to become
// the gadget. --status and --quit never take the lock, so that they never
// keep a copy from starting. The bus connection needs an application
// (QCoreApplication), which has to be gone again before the gadget's starts.
std::optional<int> HandToRunningCopy(SingleInstance &instance,
                                     const std::optional<Command> &command);

} // namespace pomelo
