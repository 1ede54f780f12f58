#pragma once

#include <QDBusMessage>
#include <QString>

class QWidget;

namespace pomelo {

class Gadget;

// The interface through which launchers that start programs over the session
// bus (the desktop entry's DBusActivatable) reach the gadget, on the same
// object as its own: Activate brings the window forward, ActivateAction
// carries out the desktop entry's action of that name and brings it forward,
// and Open is refused, as the gadget opens no files. Each takes the
// launcher's tokens for the activation from its platform data.
class ApplicationInterface {
public:
    ApplicationInterface(Gadget &gadget, QWidget &window);

    static bool hasMethod(const QString &name);
    static QString introspection();
    // The answer to a call of one of its methods.
    QDBusMessage answer(const QDBusMessage &call);

private:
    Gadget &gadget_;
    QWidget &window_;
};

} // namespace pomelo
