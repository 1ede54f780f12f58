#include "app/RemoteClient.h"

#include "app/RemoteControl.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace pomelo {
namespace {

constexpr int CallTimeoutMs = 5000;
const char *const ClientConnection = "pomelo-client";
// A copy that holds the instance lock but does not answer on the bus is
// starting or ending; a new process waits this long for it to do either.
constexpr int HandOverMs = 5000;
constexpr int RetryPauseMs = 50;

// Errors that tell the command was not carried out because no copy took it:
// the name has no owner (yet, or any more), or its owner, the copy that holds
// the lock, has ended: before the call came, without answering it, or once
// it had given up its interface.
bool NobodyTookIt(const QDBusError &error) {
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoReply ||
           error.type() == QDBusError::UnknownObject ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           error.name() == QLatin1String(EndedError);
}

void Print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

bool IsQuery(const std::optional<Command> &command) {
    return command &&
           (command->kind == Command::Kind::Status || command->kind == Command::Kind::Quit);
}

} // namespace

RemoteClient::RemoteClient()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QString::fromLatin1(ClientConnection))) {}

RemoteClient::~RemoteClient() {
    // Qt's bus thread goes on handling an error reply for a moment after the
    // call that waited for it has returned; a round trip to the bus lets it
    // finish before the process ends under it.
    if (hadErrorReply_)
        bus_.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                 QStringLiteral("/org/freedesktop/DBus"),
                                                 QStringLiteral("org.freedesktop.DBus.Peer"),
                                                 QStringLiteral("Ping")),
                  QDBus::Block, CallTimeoutMs);
    QDBusConnection::disconnectFromBus(QString::fromLatin1(ClientConnection));
}

Delivery RemoteClient::fail(const QString &problem) {
    Print(stderr, QStringLiteral("pomelo: cannot reach the running copy: %1\n").arg(problem));
    return Delivery::Failed;
}

Delivery RemoteClient::notTaken(const QDBusError &error, const QString &problem) {
    problem_ = error.message();
    return NobodyTookIt(error) ? Delivery::NotAnswering : fail(problem);
}

Delivery RemoteClient::send(const std::optional<Command> &command, qint64 holder) {
    if (!bus_.isConnected()) {
        // Without a bus the lock alone tells that a copy runs.
        if (!command)
            return Delivery::Done;
        return fail(QStringLiteral("no session bus (%1)").arg(bus_.lastError().message()));
    }
    // The call goes to the owner's own connection, which no other process can
    // take over in between, once the bus has told whose it is.
    const QString name = QString::fromLatin1(RemoteService);
    QDBusConnectionInterface *busDaemon = bus_.interface();
    const QDBusReply<QString> owner = busDaemon->serviceOwner(name);
    if (!owner.isValid())
        return notTaken(owner.error(), QStringLiteral("the session bus cannot tell who owns %1: %2")
                                           .arg(name, owner.error().message()));
    const QDBusReply<uint> ownerPid = busDaemon->servicePid(owner.value());
    if (!ownerPid.isValid())
        return notTaken(ownerPid.error(),
                        QStringLiteral("the session bus cannot tell which process owns %1: %2")
                            .arg(name, ownerPid.error().message()));
    if (ownerPid.value() != holder)
        return fail(QStringLiteral("%1 on the session bus belongs to process %2, not to the "
                                   "running copy (process %3)")
                        .arg(name)
                        .arg(ownerPid.value())
                        .arg(holder));

    const Command::Kind kind = command ? command->kind : Command::Kind::Status;
    const std::string_view method = EntryOf(kind).method;
    QDBusMessage call = QDBusMessage::createMethodCall(
        owner.value(), QString::fromLatin1(RemotePath), QString::fromLatin1(RemoteInterface),
        QString::fromLatin1(method.data(), static_cast<qsizetype>(method.size())));
    if (kind == Command::Kind::Countdown)
        call << QStringLiteral("%1:%2")
                    .arg(command->duration.minutes)
                    .arg(command->duration.seconds, 2, 10, QLatin1Char('0'));
    const QDBusMessage reply = bus_.call(call, QDBus::Block, CallTimeoutMs);
    hadErrorReply_ = hadErrorReply_ || reply.type() == QDBusMessage::ErrorMessage;
    if (reply.errorName() == QLatin1String(NothingKeyedError)) {
        Print(stderr, QStringLiteral("pomelo: %1\n").arg(NothingKeyedMessage()));
        return Delivery::Failed;
    }
    if (reply.type() == QDBusMessage::ErrorMessage)
        return notTaken(QDBusError(reply), reply.errorMessage());
    if (command && kind == Command::Kind::Status)
        Print(stdout, reply.arguments().value(0).toString() + QLatin1Char('\n'));
    return Delivery::Done;
}

std::optional<int> HandToRunningCopy(int &argc, char *argv[], SingleInstance &instance,
                                     const std::optional<Command> &command) {
    const bool query = IsQuery(command);
    if (!query && instance.take())
        return std::nullopt;
    // The client's bus connection needs an application, which has to be gone
    // again before the gadget's own starts.
    const QCoreApplication app(argc, argv);
    RemoteClient client;
    const QDeadlineTimer handOver(HandOverMs);
    for (;;) {
        const std::optional<qint64> holder = instance.holder();
        if (holder) {
            switch (client.send(command, *holder)) {
            case Delivery::Done:
                return 0;
            case Delivery::Failed:
                return 1;
            case Delivery::NotAnswering:
                break;
            }
        } else if (query) {
            Print(command->kind == Command::Kind::Status ? stdout : stderr,
                  QStringLiteral("pomelo is not running\n"));
            return 1;
        }
        if (handOver.hasExpired()) {
            Print(stderr, holder ? QStringLiteral("pomelo: cannot reach the running copy (process "
                                                  "%1): it does not answer (%2)\n")
                                       .arg(*holder)
                                       .arg(client.lastProblem())
                                 : QStringLiteral("pomelo: cannot take the instance lock %1\n")
                                       .arg(SingleInstance::lockPath()));
            return 1;
        }
        QThread::msleep(RetryPauseMs);
        if (!query && instance.take())
            return std::nullopt;
    }
}

} // namespace pomelo
