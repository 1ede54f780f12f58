#pragma once

#include "app/bus/ApplicationInterface.h"
#include "app/bus/PropertyReaders.h"
#include "remote/Command.h"
#include "remote/Observed.h"

#include <QDBusVirtualObject>

namespace pomelo {

class Gadget;

// The gadget's object on the session bus. Its own interface has one method
// per command of the command table, each carried out by the gadget as its
// key presses; Countdown takes the duration as text, Status answers the
// status line, and Again is refused before a countdown was keyed in. What
// watchers see of the gadget are its read-only properties, whose changes
// PropertiesChanged tells in the event that makes them, while a connection
// that has read them is on the bus (PropertyReaders). Beside it,
// org.freedesktop.Application serves launchers (see ApplicationInterface). Once OFF has ended the
// gadget, every method is refused, so that the sender knows its call was not carried out.
class RemoteControl : public QDBusVirtualObject {
public:
    RemoteControl(Gadget &gadget, QWidget &window, QObject *parent = nullptr);

    // Exports the interface and asks for the service name, queueing behind a
    // process that holds it; false (and the gadget runs on, not reachable
    // from outside) without a bus.
    bool registerOnSessionBus();
    // Gives the name up, or leaves the queue for it, once the gadget has
    // ended; what it answered before has reached the bus then.
    void leaveSessionBus();

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    QDBusMessage answer(const CommandEntry &entry, const QDBusMessage &message);
    void tellChanges(const Observed &now, Properties changed);
    void watchGadget(bool watching);

    Gadget &gadget_;
    ApplicationInterface application_;
    PropertyReaders readers_;
};

} // namespace pomelo
