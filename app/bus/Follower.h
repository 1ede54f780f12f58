#pragma once

namespace pomelo {

// pomelo --follow: prints the status line of the copy that runs at once and
// again each time it changes, and "off" while none runs, one flushed line
// each, until SIGINT, SIGTERM or the reader closing the pipe ends it (exit
// status 0). It listens to the session bus alone: it never polls, never
// starts a copy, and sleeps while nothing changes. Needs the command line's
// application; returns the exit status, 1 without a session bus or once its
// connection to the bus ends.
int Follow();

} // namespace pomelo
