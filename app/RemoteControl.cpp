#include "app/RemoteControl.h"

#include "app/Logging.h"
#include "gadget/Gadget.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace pomelo {
namespace {

// A copy that holds the single-instance lock may still be starting up; it
// takes its name on the bus within this time.
constexpr int StartUpGraceMs = 3000;
constexpr int RetryPauseMs = 50;
constexpr int CallTimeoutMs = 5000;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const CommandEntry *EntryForMethod(const QString &method) {
    for (const CommandEntry &entry : Commands()) {
        if (method == Latin1(entry.method))
            return &entry;
    }
    return nullptr;
}

// The arguments a method takes: Countdown the duration, the others none.
QString Signature(Command::Kind kind) {
    return kind == Command::Kind::Countdown ? QStringLiteral("s") : QString();
}

bool NameNotTakenYet(const QDBusMessage &reply) {
    return reply.type() == QDBusMessage::ErrorMessage &&
           (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"));
}

void PrintLine(std::FILE *stream, const QString &line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

} // namespace

RemoteControl::RemoteControl(Gadget &gadget, QObject *parent)
    : QDBusVirtualObject(parent)
    , gadget_(gadget) {}

bool RemoteControl::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcRemote) << "no session bus; commands cannot reach this copy:"
                         << bus.lastError().message();
        return false;
    }
    if (!bus.registerVirtualObject(QString::fromLatin1(RemotePath), this) ||
        !bus.registerService(QString::fromLatin1(RemoteService))) {
        qCWarning(lcRemote) << "cannot take the name" << RemoteService
                            << "on the session bus:" << bus.lastError().message();
        return false;
    }
    return true;
}

QString RemoteControl::introspect(const QString &) const {
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(QLatin1String(RemoteInterface));
    for (const CommandEntry &entry : Commands()) {
        xml += QStringLiteral("  <method name=\"%1\">\n").arg(Latin1(entry.method));
        if (entry.kind == Command::Kind::Countdown)
            xml += QStringLiteral("    <arg name=\"duration\" type=\"s\" direction=\"in\"/>\n");
        if (entry.kind == Command::Kind::Status)
            xml += QStringLiteral("    <arg type=\"s\" direction=\"out\"/>\n");
        xml += QStringLiteral("  </method>\n");
    }
    return xml + QStringLiteral("</interface>\n");
}

bool RemoteControl::handleMessage(const QDBusMessage &message, const QDBusConnection &connection) {
    if (message.type() != QDBusMessage::MethodCallMessage ||
        (!message.interface().isEmpty() && message.interface() != QLatin1String(RemoteInterface)))
        return false;
    const CommandEntry *entry = EntryForMethod(message.member());
    if (entry == nullptr)
        return false;
    connection.send(answer(*entry, message));
    return true;
}

QDBusMessage RemoteControl::answer(const CommandEntry &entry, const QDBusMessage &message) {
    if (message.signature() != Signature(entry.kind))
        return message.createErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("%1 takes (%2)").arg(Latin1(entry.method), Signature(entry.kind)));
    Command command{entry.kind, {}};
    if (entry.kind == Command::Kind::Countdown) {
        const QString duration = message.arguments().value(0).toString();
        const auto parsed = ParseDuration(duration.toStdString());
        if (!parsed)
            return message.createErrorReply(
                QDBusError::InvalidArgs,
                QStringLiteral("'%1' is no duration from 0:01 to 99:59").arg(duration));
        command.duration = *parsed;
    }
    if (entry.kind == Command::Kind::Status)
        return message.createReply(QString::fromStdString(gadget_.status()));
    gadget_.carryOut(command);
    return message.createReply();
}

int SendToRunningCopy(const Command &command) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        PrintLine(stderr, QStringLiteral("pomelo: cannot reach the running copy: no session bus "
                                         "(%1)")
                              .arg(bus.lastError().message()));
        return 1;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(RemoteService), QString::fromLatin1(RemotePath),
        QString::fromLatin1(RemoteInterface), Latin1(EntryOf(command.kind).method));
    // A copy runs but may not have taken its name yet: wait for it below
    // rather than have the bus start another, which would end at once.
    call.setAutoStartService(false);
    if (command.kind == Command::Kind::Countdown)
        call << QStringLiteral("%1:%2")
                    .arg(command.duration.minutes)
                    .arg(command.duration.seconds, 2, 10, QLatin1Char('0'));

    const QDeadlineTimer grace(StartUpGraceMs);
    QDBusMessage reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    while (NameNotTakenYet(reply) && !grace.hasExpired()) {
        QThread::msleep(RetryPauseMs);
        reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        PrintLine(
            stderr,
            QStringLiteral("pomelo: cannot reach the running copy: %1").arg(reply.errorMessage()));
        return 1;
    }
    if (command.kind == Command::Kind::Status)
        PrintLine(stdout, reply.arguments().value(0).toString());
    return 0;
}

} // namespace pomelo
