#pragma once

#include <QByteArray>

class QWindow;

namespace pomelo {

// Activates the window through the X window manager for the launch that
// `startupId` names, as the startup notification protocol has it: the id is
// set on the window, the activation carries the time of the user's action
// that the id tells (else the last time the application saw), and the
// launcher's busy feedback is told that the launch is complete. False, with
// nothing done, when the application is not on X.
bool ActivateOnX11(QWindow &window, const QByteArray &startupId);

} // namespace pomelo
