#pragma once

#include "remote/Command.h"

#include <QDBusVirtualObject>

namespace pomelo {

class Gadget;

// Where the running gadget answers on the session bus.
inline constexpr const char *RemoteService = POMELO_APP_ID;
inline constexpr const char *RemotePath = "/io/github/pomelo_timer/Pomelo";
inline constexpr const char *RemoteInterface = POMELO_APP_ID;

// The gadget's interface on the session bus: one method per command of the
// command table, each carried out by the gadget as its key presses;
// Countdown takes the duration as text, Status answers the status line.
class RemoteControl : public QDBusVirtualObject {
public:
    explicit RemoteControl(Gadget &gadget, QObject *parent = nullptr);

    // Exports the interface and takes the service name; false (and the
    // gadget runs on, not reachable from outside) without a bus or when the
    // name is taken.
    bool registerOnSessionBus();

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    QDBusMessage answer(const CommandEntry &entry, const QDBusMessage &message);

    Gadget &gadget_;
};

// Hands a command to the running copy over the session bus and prints what
// --status answers. Returns the exit code: 0 done, 1 not reached.
int SendToRunningCopy(const Command &command);

} // namespace pomelo
