#include "app/ActivationTokens.h"

namespace pomelo {
namespace {

// The keys of the platform data that carry them.
const char *const StartupIdKey = "desktop-startup-id";
const char *const ActivationTokenKey = "activation-token";

} // namespace

ActivationTokens ActivationTokens::fromEnvironment() {
    return {qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
}

ActivationTokens ActivationTokens::fromPlatformData(const QVariantMap &platformData) {
    return {platformData.value(QLatin1String(StartupIdKey)).toString().toUtf8(),
            platformData.value(QLatin1String(ActivationTokenKey)).toString().toUtf8()};
}

QVariantMap ActivationTokens::platformData() const {
    QVariantMap data;
    if (!startupId.isEmpty())
        data.insert(QLatin1String(StartupIdKey), QString::fromUtf8(startupId));
    if (!activationToken.isEmpty())
        data.insert(QLatin1String(ActivationTokenKey), QString::fromUtf8(activationToken));
    return data;
}

} // namespace pomelo
