#include "app/RemoteControl.h"

#include "app/Form1.h"
#include "app/Logging.h"
#include "remote/Escape.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <cstdio>
#include <string_view>

namespace pomelo {
namespace {

static_assert(std::string_view(POMELO_APP_ID) == "io.github.pomelo_timer.Pomelo",
              "the interface in Q_CLASSINFO is named after the application id");

constexpr int CallTimeoutMs = 5000;
const char *const ClientConnection = "pomelo-client";
// The answer of a copy that OFF has ended.
const char *const EndedError = "io.github.pomelo_timer.Pomelo.Error.Ended";

QString MethodName(Command::Kind kind) {
    switch (kind) {
    case Command::Kind::Countdown:
        return QStringLiteral("Countdown");
    case Command::Kind::Clock:
        return QStringLiteral("Clock");
    case Command::Kind::Stopwatch:
        return QStringLiteral("Stopwatch");
    case Command::Kind::Start:
        return QStringLiteral("Start");
    case Command::Kind::Clear:
        return QStringLiteral("Clear");
    case Command::Kind::Quit:
        return QStringLiteral("Quit");
    case Command::Kind::Status:
        break;
    }
    return QStringLiteral("Status");
}

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

void PrintLine(std::FILE *stream, const QString &line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

} // namespace

RemoteControl::RemoteControl(Form1 &form, QObject *parent)
    : QObject(parent)
    , form_(form) {}

bool RemoteControl::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcRemote) << "no session bus; commands cannot reach this copy:"
                         << bus.lastError().message();
        return false;
    }
    if (!bus.registerObject(QString::fromLatin1(RemotePath), this,
                            QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcRemote) << "cannot offer the interface on the session bus:"
                            << bus.lastError().message();
        return false;
    }
    const QString name = QString::fromLatin1(RemoteService);
    QDBusConnectionInterface *busDaemon = bus.interface();
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        busDaemon->registerService(name, QDBusConnectionInterface::QueueService,
                                   QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        qCWarning(lcRemote) << "cannot ask for the name" << name
                            << "on the session bus:" << reply.error().message();
        return false;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceQueued) {
        qCWarning(lcRemote).nospace()
            << "process " << busDaemon->servicePid(name).value() << " holds the name " << name
            << " on the session bus; this copy takes it once it is free";
        connect(busDaemon, &QDBusConnectionInterface::serviceRegistered, this,
                [](const QString &taken) { qCInfo(lcRemote) << "took the name" << taken; });
    }
    return true;
}

void RemoteControl::leaveSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.unregisterService(QString::fromLatin1(RemoteService));
}

bool RemoteControl::refusedAsEnded() {
    if (!form_.hasEnded())
        return false;
    sendErrorReply(QString::fromLatin1(EndedError), QStringLiteral("pomelo has ended"));
    return true;
}

void RemoteControl::carryOut(const Command &command) {
    if (!refusedAsEnded())
        form_.carryOut(command);
}

void RemoteControl::Countdown(const QString &duration) {
    const std::string text = duration.toStdString();
    const auto parsed = ParseDuration(text);
    if (!parsed) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("'%1' is no duration from 0:01 to 99:59")
                           .arg(QString::fromStdString(EscapeArgument(text))));
        return;
    }
    carryOut({Command::Kind::Countdown, *parsed});
}

void RemoteControl::Clock() {
    carryOut({Command::Kind::Clock, {}});
}

void RemoteControl::Stopwatch() {
    carryOut({Command::Kind::Stopwatch, {}});
}

void RemoteControl::Start() {
    carryOut({Command::Kind::Start, {}});
}

void RemoteControl::Clear() {
    carryOut({Command::Kind::Clear, {}});
}

void RemoteControl::Quit() {
    carryOut({Command::Kind::Quit, {}});
}

QString RemoteControl::Status() {
    if (refusedAsEnded())
        return {};
    return QString::fromStdString(form_.statusLine());
}

RemoteClient::RemoteClient()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         QString::fromLatin1(ClientConnection))) {}

RemoteClient::~RemoteClient() {
    QDBusConnection::disconnectFromBus(QString::fromLatin1(ClientConnection));
}

Delivery RemoteClient::fail(const QString &problem) {
    PrintLine(stderr, QStringLiteral("pomelo: cannot reach the running copy: %1").arg(problem));
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
    QDBusMessage call =
        QDBusMessage::createMethodCall(owner.value(), QString::fromLatin1(RemotePath),
                                       QString::fromLatin1(RemoteInterface), MethodName(kind));
    if (kind == Command::Kind::Countdown)
        call << QStringLiteral("%1:%2")
                    .arg(command->duration.minutes)
                    .arg(command->duration.seconds, 2, 10, QLatin1Char('0'));
    const QDBusMessage reply = bus_.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return notTaken(QDBusError(reply), reply.errorMessage());
    if (command && kind == Command::Kind::Status)
        PrintLine(stdout, reply.arguments().value(0).toString());
    return Delivery::Done;
}

} // namespace pomelo
