#include "app/bus/WindowActivation.h"

#include "app/bus/X11Activation.h"
#include "app/log/Logging.h"
#include "app/window/WindowPlatform.h"

#include <QWidget>
#include <QWindow>

namespace pomelo {

void BringForward(QWidget &widget, const ActivationTokens &tokens) {
    QWindow *window = widget.windowHandle();
    if (window == nullptr)
        return;
    switch (CurrentWindowPlatform()) {
    case WindowPlatform::X11:
        window->raise();
        if (tokens.startupId.isEmpty()) {
            window->requestActivate();
        } else if (!ActivateOnX11(*window, tokens.startupId)) {
            qCWarning(lcWindow) << "cannot hand the startup id to the window manager; asking for "
                                   "the window to be activated without it";
            window->requestActivate();
        }
        break;
    case WindowPlatform::Wayland:
        // Qt's Wayland shell hands the compositor the token it finds here
        // when the window asks to be activated.
        if (!tokens.activationToken.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", tokens.activationToken);
        window->requestActivate();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        break;
    case WindowPlatform::Other:
        window->raise();
        window->requestActivate();
        break;
    }
}

} // namespace pomelo
