#include "app/DesktopNotice.h"

#include "app/Logging.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QThread>
#include <QVariantMap>
#include <utility>

namespace pomelo {
namespace {

constexpr quint8 CriticalUrgency = 2;
constexpr qint32 NeverExpires = 0;
// How long the program, ending, waits for the service's answers still owed.
constexpr int LastAnswersMs = 5000;
constexpr int AnswerPollMs = 10;

QDBusMessage NotificationsCall(const QString &method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

// The bus delivers answers on a thread of its own, so they arrive while
// the program's event loop no longer runs.
bool AnsweredBy(const QDBusPendingCall &call, const QDeadlineTimer &deadline) {
    while (!call.isFinished() && !deadline.hasExpired())
        QThread::msleep(AnswerPollMs);
    return call.isFinished();
}

} // namespace

DesktopNotice::DesktopNotice(QObject *parent)
    : QObject(parent) {}

DesktopNotice::~DesktopNotice() {
    withdraw();
    const QDeadlineTimer deadline(LastAnswersMs);
    for (const QDBusPendingCallWatcher *post : std::as_const(posts_)) {
        if (!AnsweredBy(*post, deadline))
            continue;
        const QDBusPendingReply<quint32> reply = *post;
        if (!reply.isError())
            close(reply.value());
    }
    // The service has every close once it has answered it.
    for (const QDBusPendingCallWatcher *close : std::as_const(closes_))
        AnsweredBy(*close, deadline);
}

QDBusPendingCallWatcher *DesktopNotice::watch(const QDBusPendingCall &call,
                                              QList<QDBusPendingCallWatcher *> &calls) {
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    calls << watcher;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [&calls, watcher] {
        calls.removeOne(watcher);
        watcher->deleteLater();
    });
    return watcher;
}

void DesktopNotice::post(const QString &text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(CriticalUrgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral(POMELO_APP_ID)},
    };
    QDBusMessage notify = NotificationsCall(QStringLiteral("Notify"));
    notify << QStringLiteral("pomelo") << id_
           << QStringLiteral(POMELO_APP_ID)
           //: The notice's heading: the program's name, as the desktop entry gives it.
           << QCoreApplication::translate("DesktopNotice", "pomelo") << text << QStringList()
           << hints << NeverExpires;
    wanted_ = watch(bus.asyncCall(notify), posts_);
    connect(wanted_, &QDBusPendingCallWatcher::finished, this, &DesktopNotice::answered);
}

void DesktopNotice::withdraw() {
    // A post still unanswered is closed when its answer comes.
    wanted_ = nullptr;
    if (id_ != 0)
        close(std::exchange(id_, 0));
}

void DesktopNotice::close(quint32 id) {
    QDBusMessage close = NotificationsCall(QStringLiteral("CloseNotification"));
    close << id;
    watch(QDBusConnection::sessionBus().asyncCall(close), closes_);
}

void DesktopNotice::answered(QDBusPendingCallWatcher *post) {
    const bool wanted = post == wanted_;
    if (wanted)
        wanted_ = nullptr;
    const QDBusPendingReply<quint32> reply = *post;
    if (reply.isError()) {
        qCInfo(lcNotice) << "no alarm notice:" << reply.error().message();
        return;
    }
    if (wanted)
        id_ = reply.value();
    else if (reply.value() != id_)
        close(reply.value());
}

} // namespace pomelo
