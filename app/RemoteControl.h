#pragma once

#include "remote/Command.h"

#include <QDBusContext>
#include <QObject>
#include <QString>

namespace pomelo {

class Form1;

// Where the running gadget answers on the session bus.
inline constexpr const char *RemoteService = POMELO_APP_ID;
inline constexpr const char *RemotePath = "/io/github/pomelo_timer/Pomelo";
inline constexpr const char *RemoteInterface = "io.github.pomelo_timer.Pomelo";

// The gadget's interface on the session bus: one method per command of the
// command line, each carried out as its key presses in the window.
class RemoteControl : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.pomelo_timer.Pomelo")
public:
    explicit RemoteControl(Form1 &form, QObject *parent = nullptr);

    // Exports the interface and takes the service name; false (and the
    // gadget runs on, not reachable from outside) without a bus or when the
    // name is taken.
    bool registerOnSessionBus();

public slots:
    Q_SCRIPTABLE void Countdown(const QString &duration);
    Q_SCRIPTABLE void Clock();
    Q_SCRIPTABLE void Stopwatch();
    Q_SCRIPTABLE void Start();
    Q_SCRIPTABLE void Clear();
    Q_SCRIPTABLE void Quit();
    Q_SCRIPTABLE QString Status();

private:
    Form1 &form_;
};

// Hands a command to the running copy over the session bus and prints what
// --status answers. Returns the exit code: 0 done, 1 not reached.
int SendToRunningCopy(const Command &command);

} // namespace pomelo
