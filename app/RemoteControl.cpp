#include "app/RemoteControl.h"

#include "app/Form1.h"
#include "app/Logging.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>
#include <string_view>

namespace pomelo {
namespace {

static_assert(std::string_view(POMELO_APP_ID) == "io.github.pomelo_timer.Pomelo",
              "the interface in Q_CLASSINFO is named after the application id");

// A copy that holds the single-instance lock may still be starting up; it
// takes its name on the bus within this time.
constexpr int StartUpGraceMs = 3000;
constexpr int RetryPauseMs = 50;
constexpr int CallTimeoutMs = 5000;

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

bool NameNotTakenYet(const QDBusMessage &reply) {
    return reply.type() == QDBusMessage::ErrorMessage &&
           (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
            reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"));
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
                            QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(QString::fromLatin1(RemoteService))) {
        qCWarning(lcRemote) << "cannot take the name" << RemoteService
                            << "on the session bus:" << bus.lastError().message();
        return false;
    }
    return true;
}

void RemoteControl::Countdown(const QString &duration) {
    const auto parsed = ParseDuration(duration.toStdString());
    if (!parsed) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("'%1' is no duration from 0:01 to 99:59").arg(duration));
        return;
    }
    form_.carryOut({Command::Kind::Countdown, *parsed});
}

void RemoteControl::Clock() {
    form_.carryOut({Command::Kind::Clock, {}});
}

void RemoteControl::Stopwatch() {
    form_.carryOut({Command::Kind::Stopwatch, {}});
}

void RemoteControl::Start() {
    form_.carryOut({Command::Kind::Start, {}});
}

void RemoteControl::Clear() {
    form_.carryOut({Command::Kind::Clear, {}});
}

void RemoteControl::Quit() {
    form_.carryOut({Command::Kind::Quit, {}});
}

QString RemoteControl::Status() {
    return QString::fromStdString(form_.statusLine());
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
        QString::fromLatin1(RemoteInterface), MethodName(command.kind));
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
