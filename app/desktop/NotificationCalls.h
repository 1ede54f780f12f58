#pragma once

#include <QDBusMessage>
#include <QLatin1String>
#include <QString>

namespace pomelo {

// The freedesktop notification service on the session bus.
inline constexpr QLatin1String NotificationsService("org.freedesktop.Notifications");
inline constexpr QLatin1String NotificationsPath("/org/freedesktop/Notifications");
inline constexpr QLatin1String NotificationsInterface("org.freedesktop.Notifications");

// The alarm notice's actions.
inline constexpr QLatin1String StopAction("stop");
// What a plain click on the notice's body does where the desktop offers it.
inline constexpr QLatin1String DefaultAction("default");
inline constexpr QLatin1String AgainAction("again");

// Posts the alarm's notice saying `text`, in place of the notice `replaced`
// (0 for none): critical, it stays until withdrawn, also after an action is
// chosen, and makes no sound of its own, as the gadget rings itself.
QDBusMessage NotifyCall(quint32 replaced, const QString &text);
// Asks the service at `owner` (a connection's unique name) to close notice
// `id`.
QDBusMessage CloseCall(quint32 id, const QString &owner);

} // namespace pomelo
