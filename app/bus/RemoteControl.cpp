#include "app/bus/RemoteControl.h"

#include "app/bus/BusNames.h"
#include "app/bus/BusProperties.h"
#include "app/bus/CallErrors.h"
#include "app/log/Logging.h"
#include "gadget/Gadget.h"
#include "remote/Escape.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace pomelo {
namespace {

const CommandEntry *EntryForMethod(const QString &method) {
    for (const CommandEntry &entry : Commands()) {
        if (*entry.method != 0 && method == QLatin1String(entry.method))
            return &entry;
    }
    return nullptr;
}

// The arguments a method takes: Countdown the duration, the others none.
QString Signature(Command::Kind kind) {
    return kind == Command::Kind::Countdown ? QStringLiteral("s") : QString();
}

// The answer of a gadget that OFF has ended: nothing was carried out.
QDBusMessage EndedReply(const QDBusMessage &message) {
    return message.createErrorReply(
        QString::fromLatin1(EndedError),
        QCoreApplication::translate("RemoteControl", "pomelo has ended"));
}

} // namespace

RemoteControl::RemoteControl(Gadget &gadget, QWidget &window, QObject *parent)
    : QDBusVirtualObject(parent)
    , gadget_(gadget)
    , application_(gadget, window)
    , readers_([this](bool watching) { watchGadget(watching); }) {}

void RemoteControl::watchGadget(bool watching) {
    if (watching)
        gadget_.setWatcher(
            [this](const Observed &now, Properties changed) { tellChanges(now, changed); });
    else
        gadget_.setWatcher(nullptr);
}

bool RemoteControl::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcRemote) << "no session bus; commands cannot reach this copy:"
                         << bus.lastError().message();
        return false;
    }
    if (!bus.registerVirtualObject(QString::fromLatin1(RemotePath), this)) {
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

QString RemoteControl::introspect(const QString &) const {
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(QLatin1String(RemoteInterface));
    for (const CommandEntry &entry : Commands()) {
        if (*entry.method == 0)
            continue;
        xml += QStringLiteral("  <method name=\"%1\">\n").arg(QLatin1String(entry.method));
        if (entry.kind == Command::Kind::Countdown)
            xml += QStringLiteral("    <arg name=\"duration\" type=\"s\" direction=\"in\"/>\n");
        if (entry.kind == Command::Kind::Status)
            xml += QStringLiteral("    <arg type=\"s\" direction=\"out\"/>\n");
        xml += QStringLiteral("  </method>\n");
    }
    return xml + PropertiesIntrospection() + QStringLiteral("</interface>\n") +
           ApplicationInterface::introspection();
}

bool RemoteControl::handleMessage(const QDBusMessage &message, const QDBusConnection &connection) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interface = message.interface();
    if (interface == QLatin1String(PropertiesInterface)) {
        if (!IsPropertiesMethod(message.member()))
            return false;
        // A client that reads our properties is told of their changes from now on.
        const QString named = message.arguments().value(0).toString();
        if (named.isEmpty() || named == QLatin1String(RemoteInterface))
            readers_.heardFrom(message.service());
        connection.send(gadget_.hasEnded() ? EndedReply(message)
                                           : AnswerProperties(message, gadget_.observed()));
        return true;
    }
    // A call that names no interface goes to the method of its name, which
    // the two interfaces do not share.
    const CommandEntry *entry = interface.isEmpty() || interface == QLatin1String(RemoteInterface)
                                    ? EntryForMethod(message.member())
                                    : nullptr;
    const bool application =
        entry == nullptr &&
        (interface.isEmpty() || interface == QLatin1String(ApplicationInterfaceName)) &&
        ApplicationInterface::hasMethod(message.member());
    if (entry == nullptr && !application)
        return false;
    if (gadget_.hasEnded())
        connection.send(EndedReply(message));
    else
        connection.send(entry != nullptr ? answer(*entry, message) : application_.answer(message));
    return true;
}

QDBusMessage RemoteControl::answer(const CommandEntry &entry, const QDBusMessage &message) {
    if (message.signature() != Signature(entry.kind))
        return WrongArguments(message, Signature(entry.kind));
    Command command{entry.kind, {}};
    if (entry.kind == Command::Kind::Countdown) {
        const std::string text = message.arguments().value(0).toString().toStdString();
        const auto parsed = ParseDuration(text);
        if (!parsed)
            return message.createErrorReply(
                QDBusError::InvalidArgs,
                QCoreApplication::translate("RemoteControl",
                                            "'%1' is not a duration from 0:01 to 99:59")
                    .arg(QString::fromStdString(EscapeArgument(text))));
        command.duration = *parsed;
    }
    if (entry.kind == Command::Kind::Status)
        return message.createReply(QString::fromStdString(gadget_.status()));
    if (!gadget_.carryOut(command))
        return message.createErrorReply(QString::fromLatin1(NothingKeyedError),
                                        NothingKeyedMessage());
    return message.createReply();
}

void RemoteControl::tellChanges(const Observed &now, Properties changed) {
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(RemotePath),
                                                     QString::fromLatin1(PropertiesInterface),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(RemoteInterface) << PropertyValues(now, changed) << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace pomelo
