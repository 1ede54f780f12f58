#include "app/desktop/DesktopNotice.h"

#include "app/desktop/NotificationCalls.h"
#include "app/log/Logging.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QThread>
#include <utility>

namespace pomelo {
namespace {

// Why a notice was closed: the user dismissed it (not expired, nor closed
// by a call).
constexpr quint32 DismissedByTheUser = 2;
// How long the program, ending, waits for the service's answers still owed.
constexpr int LastAnswersMs = 5000;
constexpr int AnswerPollMs = 10;

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

void DesktopNotice::listen(bool on) {
    if (listening_ == on)
        return;
    listening_ = on;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString actionInvoked = QStringLiteral("ActionInvoked");
    const QString notificationClosed = QStringLiteral("NotificationClosed");
    const char *const actionSlot = SLOT(actionInvoked(quint32, QString, QDBusMessage));
    const char *const closedSlot = SLOT(notificationClosed(quint32, quint32, QDBusMessage));
    if (on) {
        bus.connect(NotificationsService, NotificationsPath, NotificationsInterface, actionInvoked,
                    this, actionSlot);
        bus.connect(NotificationsService, NotificationsPath, NotificationsInterface,
                    notificationClosed, this, closedSlot);
    } else {
        bus.disconnect(NotificationsService, NotificationsPath, NotificationsInterface,
                       actionInvoked, this, actionSlot);
        bus.disconnect(NotificationsService, NotificationsPath, NotificationsInterface,
                       notificationClosed, this, closedSlot);
    }
}

DesktopNotice::~DesktopNotice() {
    withdraw();
    const QDeadlineTimer deadline(LastAnswersMs);
    for (const QDBusPendingCallWatcher *post : std::as_const(posts_)) {
        if (!AnsweredBy(*post, deadline))
            continue;
        const QDBusPendingReply<quint32> reply = *post;
        if (!reply.isError())
            close(reply.value(), reply.reply().service());
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
    if (wanted_ != nullptr) {
        replacement_ = text;
        return;
    }
    listen(true);
    wanted_ = watch(bus.asyncCall(NotifyCall(id_, text)), posts_);
    connect(wanted_, &QDBusPendingCallWatcher::finished, this, &DesktopNotice::answered);
}

void DesktopNotice::withdraw() {
    // A post still unanswered is closed when its answer comes.
    wanted_ = nullptr;
    replacement_.clear();
    listen(false);
    if (id_ != 0)
        close(std::exchange(id_, 0), owner_);
}

void DesktopNotice::close(quint32 id, const QString &owner) {
    watch(QDBusConnection::sessionBus().asyncCall(CloseCall(id, owner)), closes_);
}

bool DesktopNotice::isOurs(quint32 id, const QDBusMessage &signal) const {
    return id_ != 0 && id == id_ && signal.service() == owner_;
}

void DesktopNotice::actionInvoked(quint32 id, const QString &action, const QDBusMessage &signal) {
    if (!isOurs(id, signal))
        return;
    if (action == StopAction || action == DefaultAction)
        Q_EMIT stopChosen();
    else if (action == AgainAction)
        Q_EMIT againChosen();
}

void DesktopNotice::notificationClosed(quint32 id, quint32 reason, const QDBusMessage &signal) {
    if (!isOurs(id, signal))
        return;
    // Gone, whoever closed it: there is nothing left to withdraw.
    id_ = 0;
    listen(false);
    if (reason == DismissedByTheUser)
        Q_EMIT dismissed();
}

void DesktopNotice::answered(QDBusPendingCallWatcher *post) {
    const bool wanted = post == wanted_;
    if (wanted)
        wanted_ = nullptr;
    const QDBusPendingReply<quint32> reply = *post;
    if (reply.isError()) {
        qCInfo(lcNotice) << "no alarm notice:" << reply.error().message();
        if (wanted && id_ == 0)
            listen(false);
        return;
    }
    // The service's connection: a name owned by another process later is
    // another service, whose ids are not ours.
    const QString answerer = reply.reply().service();
    if (wanted) {
        id_ = reply.value();
        owner_ = answerer;
    } else if (reply.value() != id_ || answerer != owner_) {
        close(reply.value(), answerer);
    }
    if (wanted && !replacement_.isNull())
        this->post(std::exchange(replacement_, QString()));
}

} // namespace pomelo
