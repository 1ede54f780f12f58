#include "app/bus/RemoteClient.h"

#include "app/bus/ActivationTokens.h"
#include "app/bus/BusNames.h"
#include "app/bus/CommandLine.h"
#include "app/bus/X11StartupId.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <algorithm>
#include <cstdio>

namespace pomelo {
namespace {

// The bus itself, asked before the process ends, answers at once.
constexpr int PingTimeoutMs = 5000;
const char *const ClientConnection = "pomelo-client";

// Errors that prove the command was not carried out because no copy took it:
// the name has no owner (yet, or any more), its owner's connection is gone
// before the call came, or the copy has no object yet, or has ended.
bool NobodyTookIt(const QDBusError &error) {
    return error.type() == QDBusError::ServiceUnknown ||
           error.type() == QDBusError::UnknownObject ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           error.name() == QLatin1String(EndedError);
}

// Errors after which the copy may have the call, or carry it out later: it
// did not answer in time, or it went away without answering.
bool MayHaveIt(const QDBusError &error) {
    return error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout;
}

int RemainingMs(const QDeadlineTimer &deadline) {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

// The command, for the copy whose connection on the bus is `owner`.
QDBusMessage CommandCall(const QString &owner, const Command &command) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        owner, QString::fromLatin1(RemotePath), QString::fromLatin1(RemoteInterface),
        QString::fromLatin1(EntryOf(command.kind).method));
    if (command.kind == Command::Kind::Countdown)
        call << QStringLiteral("%1:%2")
                    .arg(command.duration.minutes)
                    .arg(command.duration.seconds, 2, 10, QLatin1Char('0'));
    return call;
}

// Brings that copy's window forward for the launch of this process.
QDBusMessage ActivateCall(const QString &owner) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        owner, QString::fromLatin1(RemotePath), QString::fromLatin1(ApplicationInterfaceName),
        QStringLiteral("Activate"));
    ActivationTokens tokens = ActivationTokens::fromEnvironment();
    // Without a launcher's tokens the user typed the command: a request of
    // theirs, made now.
    if (tokens.startupId.isEmpty() && tokens.activationToken.isEmpty())
        tokens.startupId = StartupIdOfNow();
    call << tokens.platformData();
    return call;
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
                  QDBus::Block, PingTimeoutMs);
    QDBusConnection::disconnectFromBus(QString::fromLatin1(ClientConnection));
}

Delivery RemoteClient::fail(const QString &problem) {
    //: %1 says why.
    Complain(QCoreApplication::translate("RemoteClient", "cannot reach the running copy: %1")
                 .arg(problem));
    return Delivery::Failed;
}

Delivery RemoteClient::notTaken(const QDBusError &error, const QString &problem) {
    // The bus's own answers (who owns the name, which process) count too.
    hadErrorReply_ = true;
    problem_ = error.message();
    return NobodyTookIt(error) ? Delivery::NotTaken : fail(problem);
}

Delivery RemoteClient::send(const std::optional<Command> &command, qint64 holder,
                            const QDeadlineTimer &deadline) {
    if (!bus_.isConnected()) {
        // Without a bus the lock alone tells that a copy runs.
        if (!command)
            return Delivery::Done;
        //: %1 is the bus library's own message.
        return fail(QCoreApplication::translate("RemoteClient", "no session bus (%1)")
                        .arg(bus_.lastError().message()));
    }
    // The call goes to the owner's own connection, which no other process can
    // take over in between, once the bus has told whose it is.
    const QString name = QString::fromLatin1(RemoteService);
    QDBusConnectionInterface *busDaemon = bus_.interface();
    const QDBusReply<QString> owner = busDaemon->serviceOwner(name);
    if (!owner.isValid())
        //: %1 is the name on the bus, %2 the bus's own message.
        return notTaken(owner.error(),
                        QCoreApplication::translate("RemoteClient",
                                                    "the session bus cannot tell who owns %1: %2")
                            .arg(name, owner.error().message()));
    const QDBusReply<uint> ownerPid = busDaemon->servicePid(owner.value());
    if (!ownerPid.isValid())
        //: %1 is the name on the bus, %2 the bus's own message.
        return notTaken(ownerPid.error(),
                        QCoreApplication::translate(
                            "RemoteClient", "the session bus cannot tell which process owns %1: %2")
                            .arg(name, ownerPid.error().message()));
    if (ownerPid.value() != holder)
        //: %1 is the name on the bus, %2 and %3 are process numbers.
        return fail(QCoreApplication::translate(
                        "RemoteClient",
                        "%1 on the session bus belongs to process %2, not to the running copy "
                        "(process %3)")
                        .arg(name, QString::number(ownerPid.value()), QString::number(holder)));

    if (!command)
        return call(ActivateCall(owner.value()), deadline);
    QDBusMessage reply;
    const Delivery delivery = call(CommandCall(owner.value(), *command), deadline, &reply);
    if (delivery == Delivery::Done && command->kind == Command::Kind::Status)
        Print(stdout, reply.arguments().value(0).toString() + QLatin1Char('\n'));
    if (delivery == Delivery::Done && BringsForward(command)) {
        // The command is carried out: a copy that ends before its window
        // comes forward has nothing left to show, so the answer is not asked.
        bus_.call(ActivateCall(owner.value()), QDBus::Block, RemainingMs(deadline));
    }
    return delivery;
}

Delivery RemoteClient::call(const QDBusMessage &message, const QDeadlineTimer &deadline,
                            QDBusMessage *answer) {
    const QDBusMessage reply = bus_.call(message, QDBus::Block, RemainingMs(deadline));
    hadErrorReply_ = hadErrorReply_ || reply.type() == QDBusMessage::ErrorMessage;
    if (reply.errorName() == QLatin1String(NothingKeyedError)) {
        Complain(NothingKeyedMessage());
        return Delivery::Failed;
    }
    if (reply.type() == QDBusMessage::ErrorMessage && MayHaveIt(QDBusError(reply)))
        return Delivery::Unanswered;
    if (reply.type() == QDBusMessage::ErrorMessage)
        return notTaken(QDBusError(reply), reply.errorMessage());
    if (answer != nullptr)
        *answer = reply;
    return Delivery::Done;
}

} // namespace pomelo
