#include "app/desktop/NotificationCalls.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVariantMap>

namespace pomelo {
namespace {

constexpr quint8 CriticalUrgency = 2;
constexpr qint32 NeverExpires = 0;

QDBusMessage NotificationsCall(const QString &method,
                               const QString &service = NotificationsService) {
    return QDBusMessage::createMethodCall(service, NotificationsPath, NotificationsInterface,
                                          method);
}

} // namespace

QDBusMessage NotifyCall(quint32 replaced, const QString &text) {
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(CriticalUrgency)},
        {QStringLiteral("desktop-entry"), QStringLiteral(POMELO_APP_ID)},
        {QStringLiteral("resident"), true},
        {QStringLiteral("suppress-sound"), true},
    };
    const QString stop = QCoreApplication::translate("DesktopNotice", "Stop");
    const QStringList actions{DefaultAction, stop,
                              StopAction,    stop,
                              AgainAction,   QCoreApplication::translate("DesktopNotice", "Again")};
    QDBusMessage notify = NotificationsCall(QStringLiteral("Notify"));
    notify << QStringLiteral("pomelo") << replaced
           << QStringLiteral(POMELO_APP_ID)
           //: The notice's heading: the program's name, as the desktop entry gives it.
           << QCoreApplication::translate("DesktopNotice", "pomelo") << text << actions << hints
           << NeverExpires;
    return notify;
}

QDBusMessage CloseCall(quint32 id, const QString &owner) {
    QDBusMessage close = NotificationsCall(QStringLiteral("CloseNotification"), owner);
    close << id;
    return close;
}

} // namespace pomelo
