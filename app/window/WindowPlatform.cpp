#include "app/window/WindowPlatform.h"

#include <QGuiApplication>

namespace pomelo {

WindowPlatform CurrentWindowPlatform() {
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb"))
        return WindowPlatform::X11;
    // "wayland", or a variant for a particular graphics stack.
    if (name.startsWith(QLatin1String("wayland")))
        return WindowPlatform::Wayland;
    return WindowPlatform::Other;
}

} // namespace pomelo
