#pragma once

#include "remote/Command.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QString>
#include <optional>

namespace pomelo {

// What became of a command sent to the running copy.
enum class Delivery {
    Done,       // carried out; what --status asks for is printed
    NotTaken,   // provably not carried out, as no copy took it: the copy is
                // starting or ending, and the command may be sent again
    Unanswered, // handed over but not answered in time: it may be carried
                // out later, so it must never be sent again
    Failed,     // not carried out, and a message says why
};

// The command line's side: a connection of its own to the session bus, closed
// with it, so that the process can still become the gadget afterwards.
class RemoteClient {
public:
    RemoteClient();
    ~RemoteClient();
    RemoteClient(const RemoteClient &) = delete;
    RemoteClient &operator=(const RemoteClient &) = delete;

    // Sends the command to the copy that holds the instance lock, process
    // `holder`, and to no other process, whatever owns the gadget's name;
    // brings its window forward after the commands that call for it and
    // for a plain start (no command). Waits for answers until `deadline`.
    Delivery send(const std::optional<Command> &command, qint64 holder,
                  const QDeadlineTimer &deadline);
    // Why the last send found nobody to take the command.
    QString lastProblem() const { return problem_; }

private:
    // Makes the call; what it answered goes to `answer`, if given.
    Delivery call(const QDBusMessage &message, const QDeadlineTimer &deadline,
                  QDBusMessage *answer = nullptr);
    Delivery fail(const QString &problem);
    // NotTaken when the error tells that no copy took the command, or else
    // a failure for the problem given.
    Delivery notTaken(const QDBusError &error, const QString &problem);

    QDBusConnection bus_;
    QString problem_;
    bool hadErrorReply_ = false; // see the destructor
};

} // namespace pomelo
