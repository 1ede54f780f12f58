#include "app/bus/Follower.h"

#include "app/bus/BusNames.h"
#include "app/bus/BusProperties.h"
#include "app/bus/CommandLine.h"
#include "remote/Status.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pomelo {
namespace {

constexpr int CallTimeoutMs = 5000;
const char *const Off = "off";

// Follows the copy that owns the gadget's name: all its properties once it
// has taken the name, then their changes as it tells them.
class Follower : public QObject {
    Q_OBJECT
public:
    explicit Follower(const QDBusConnection &bus);

private Q_SLOTS:
    void busGone();
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated);

private:
    // Asks `destination` for all its properties; until it answers, changes
    // are left to its answer, which is newer.
    void ask(const QString &destination);
    void ownerChanged(const QString &owner);
    void print(const QString &line);

    QDBusConnection bus_;
    QDBusServiceWatcher owners_;
    std::optional<Observed> seen_; // of the copy that answered
    quint64 asked_ = 0;            // the last question; older answers are stale
    QString printed_;
};

Follower::Follower(const QDBusConnection &bus)
    : bus_(bus)
    , owners_(QString::fromLatin1(RemoteService), bus, QDBusServiceWatcher::WatchForOwnerChange) {
    connect(
        &owners_, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString &, const QString &, const QString &owner) { ownerChanged(owner); });
    bus_.connect(QString::fromLatin1(RemoteService), QString::fromLatin1(RemotePath),
                 QString::fromLatin1(PropertiesInterface), QStringLiteral("PropertiesChanged"),
                 this, SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    // The bus library tells its own connection's end with a signal of its
    // own making, which no sender sends.
    bus_.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                 QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), this,
                 SLOT(busGone()));
    ask(QString::fromLatin1(RemoteService));
}

void Follower::ask(const QString &destination) {
    seen_.reset();
    QDBusMessage call = QDBusMessage::createMethodCall(destination, QString::fromLatin1(RemotePath),
                                                       QString::fromLatin1(PropertiesInterface),
                                                       QStringLiteral("GetAll"));
    call << QString::fromLatin1(RemoteInterface);
    // Following starts no copy, not even through the bus's service file.
    call.setAutoStartService(false);
    const quint64 question = ++asked_;
    auto *answer = new QDBusPendingCallWatcher(bus_.asyncCall(call, CallTimeoutMs), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer, question] {
        answer->deleteLater();
        if (question != asked_)
            return;
        const QDBusPendingReply<QVariantMap> reply = *answer;
        // None runs, or it is ending: the name's next owner is asked again.
        // A call the connection's end failed says nothing of the copy.
        if (reply.isError()) {
            if (!bus_.isConnected())
                return;
            print(QLatin1String(Off));
            return;
        }
        Observed seen;
        TakePropertyValues(reply.value(), seen);
        seen_ = seen;
        print(QString::fromStdString(StatusLine(seen)));
    });
}

void Follower::ownerChanged(const QString &owner) {
    if (!owner.isEmpty()) {
        ask(owner);
        return;
    }
    ++asked_;
    seen_.reset();
    print(QLatin1String(Off));
}

void Follower::busGone() {
    Complain(QCoreApplication::translate(
        "Follower", "cannot follow pomelo any longer: the session bus went away"));
    QCoreApplication::exit(1);
}

void Follower::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                 const QStringList &) {
    if (interface != QLatin1String(RemoteInterface) || !seen_)
        return;
    TakePropertyValues(changed, *seen_);
    print(QString::fromStdString(StatusLine(*seen_)));
}

void Follower::print(const QString &line) {
    if (line == printed_)
        return;
    printed_ = line;
    Print(stdout, line + QLatin1Char('\n'));
    // A reader that has gone ends the following.
    if (std::fflush(stdout) != 0)
        QCoreApplication::exit(0);
}

// SIGINT and SIGTERM end the event loop, which the bus's thread must not
// take: they are blocked before it starts, and read from a descriptor.
std::optional<int> BlockEndingSignals() {
    sigset_t endings;
    sigemptyset(&endings);
    sigaddset(&endings, SIGINT);
    sigaddset(&endings, SIGTERM);
    if (pthread_sigmask(SIG_BLOCK, &endings, nullptr) != 0)
        return std::nullopt;
    const int descriptor = signalfd(-1, &endings, SFD_CLOEXEC | SFD_NONBLOCK);
    return descriptor < 0 ? std::nullopt : std::optional(descriptor);
}

} // namespace

int Follow() {
    // A closed pipe is a failed write, not the end of the process by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const std::optional<int> endings = BlockEndingSignals();
    std::optional<QSocketNotifier> ended;
    if (endings) {
        ended.emplace(*endings, QSocketNotifier::Read);
        QObject::connect(&*ended, &QSocketNotifier::activated, [] { QCoreApplication::exit(0); });
    }
    // The reader of a pipe closing its end: the writer's end reports an error.
    std::optional<QSocketNotifier> readerGone;
    struct stat output {};
    if (fstat(STDOUT_FILENO, &output) == 0 && S_ISFIFO(output.st_mode)) {
        readerGone.emplace(STDOUT_FILENO, QSocketNotifier::Read);
        QObject::connect(&*readerGone, &QSocketNotifier::activated,
                         [] { QCoreApplication::exit(0); });
    }

    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        //: %1 is the bus library's own message.
        const QString problem =
            QCoreApplication::translate("Follower", "cannot follow pomelo: no session bus (%1)")
                .arg(bus.lastError().message());
        Complain(problem);
        return 1;
    }
    const Follower follower(bus);
    return QCoreApplication::exec();
}

} // namespace pomelo

#include "Follower.moc"
