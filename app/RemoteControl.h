#pragma once

#include "remote/Command.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QObject>
#include <QString>
#include <optional>

namespace pomelo {

class Form1;

// Where the running gadget answers on the session bus.
inline constexpr const char *RemoteService = POMELO_APP_ID;
inline constexpr const char *RemotePath = "/io/github/pomelo_timer/Pomelo";
inline constexpr const char *RemoteInterface = "io.github.pomelo_timer.Pomelo";

// The gadget's interface on the session bus: one method per command of the
// command line, each carried out as its key presses in the window. Once OFF
// has ended the gadget, every method is refused, so that the sender knows its
// command was not carried out.
class RemoteControl : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.pomelo_timer.Pomelo")
public:
    explicit RemoteControl(Form1 &form, QObject *parent = nullptr);

    // Exports the interface and asks for the service name, queueing behind a
    // process that holds it; false (and the gadget runs on, not reachable
    // from outside) without a bus.
    bool registerOnSessionBus();
    // Gives the name up, or leaves the queue for it, once the gadget has
    // ended; what it answered before has reached the bus then.
    void leaveSessionBus();

public slots:
    Q_SCRIPTABLE void Countdown(const QString &duration);
    Q_SCRIPTABLE void Clock();
    Q_SCRIPTABLE void Stopwatch();
    Q_SCRIPTABLE void Start();
    Q_SCRIPTABLE void Clear();
    Q_SCRIPTABLE void Quit();
    Q_SCRIPTABLE QString Status();

private:
    bool refusedAsEnded();
    void carryOut(const Command &command);

    Form1 &form_;
};

// What became of a command sent to the running copy.
enum class Delivery {
    Done,         // carried out; what --status asks for is printed
    NotAnswering, // nobody took it: the copy is starting or ending
    Failed,       // not carried out, and a message says why
};

// The command line's side: a connection of its own to the session bus, closed
// with it, so that the process can still become the gadget afterwards.
class RemoteClient {
public:
    RemoteClient();
    ~RemoteClient();
    RemoteClient(const RemoteClient &) = delete;
    RemoteClient &operator=(const RemoteClient &) = delete;

    // Sends the command (none: asks only whether the copy answers) to the
    // copy that holds the instance lock, process `holder`, and to no other
    // process, whatever owns the gadget's name.
    Delivery send(const std::optional<Command> &command, qint64 holder);
    // Why the last send found nobody answering.
    QString lastProblem() const { return problem_; }

private:
    Delivery fail(const QString &problem);
    // NotAnswering when the error tells that no copy took the command, or
    // else a failure for the problem given.
    Delivery notTaken(const QDBusError &error, const QString &problem);

    QDBusConnection bus_;
    QString problem_;
};

} // namespace pomelo
