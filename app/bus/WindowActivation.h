#pragma once

#include "app/bus/ActivationTokens.h"

class QWidget;

namespace pomelo {

// Raises the window and asks the desktop to activate it, on behalf of the
// launch the tokens belong to: on X through the window manager, with the
// time of the user's action from the startup id and the launcher's busy
// feedback ended; on Wayland through the compositor, with the activation
// token. A desktop may still refuse the focus to a window that asks late.
void BringForward(QWidget &window, const ActivationTokens &tokens);

} // namespace pomelo
