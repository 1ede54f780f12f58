#pragma once

#include <QByteArray>

namespace pomelo {

// A startup id for a launch the user asked for just now without a launcher,
// such as a command typed into a terminal: unique to this process, with the
// X server's time now after "_TIME", which the window manager takes as the
// time of the user's request. A window activated for it is then not refused
// as one that asks late, the way an activation with the running copy's own
// last user time is. Empty when no X display can be reached.
QByteArray StartupIdOfNow();

} // namespace pomelo
