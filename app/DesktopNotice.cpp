#include "app/DesktopNotice.h"

#include "app/Logging.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace pomelo {
namespace {

constexpr quint8 CriticalUrgency = 2;
constexpr qint32 NeverExpires = 0;

QDBusMessage NotificationsCall(const QString &method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

} // namespace

DesktopNotice::DesktopNotice(QObject *parent)
    : QObject(parent) {}

void DesktopNotice::post(const QString &text) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(CriticalUrgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral(POMELO_APP_ID)},
    };
    QDBusMessage notify = NotificationsCall(QStringLiteral("Notify"));
    notify << QStringLiteral("pomelo") << id_ << QStringLiteral(POMELO_APP_ID)
           << QStringLiteral("pomelo") << text << QStringList() << hints << NeverExpires;
    pending_ = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    withdrawWhenAnswered_ = false;
    connect(pending_, &QDBusPendingCallWatcher::finished, this, &DesktopNotice::answered);
}

void DesktopNotice::withdraw() {
    if (pending_ != nullptr) {
        withdrawWhenAnswered_ = true;
        return;
    }
    if (id_ == 0)
        return;
    QDBusMessage close = NotificationsCall(QStringLiteral("CloseNotification"));
    close << id_;
    id_ = 0;
    QDBusConnection::sessionBus().send(close);
}

void DesktopNotice::answered(QDBusPendingCallWatcher *watcher) {
    watcher->deleteLater();
    // A later post took its place.
    if (watcher != pending_)
        return;
    pending_ = nullptr;
    const QDBusPendingReply<quint32> reply = *watcher;
    if (reply.isError()) {
        qCInfo(lcNotice) << "no alarm notice:" << reply.error().message();
        return;
    }
    id_ = reply.value();
    if (withdrawWhenAnswered_)
        withdraw();
}

} // namespace pomelo
