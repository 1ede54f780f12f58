#pragma once

#include <QByteArray>
#include <QVariantMap>

namespace pomelo {

// What a launcher hands on so that the window it brings forward may take the
// focus: its startup notification id (X) and its activation token (Wayland),
// either of them empty when not given. A new process finds them in its
// environment; on the session bus they travel as the platform data of
// org.freedesktop.Application's methods. One that cannot be a launcher's (too
// long, or with control characters) is ignored, with a line in the log, and
// the window comes forward without it.
struct ActivationTokens {
    QByteArray startupId;
    QByteArray activationToken;

    static ActivationTokens fromEnvironment();
    static ActivationTokens fromPlatformData(const QVariantMap &platformData);
    // Unsets the variables that hold an unusable one, before Qt, which reads
    // them too, or a copy handed a command sees it.
    static void dropUnusableFromEnvironment();
    QVariantMap platformData() const;
};

} // namespace pomelo
