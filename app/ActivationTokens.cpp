#include "app/ActivationTokens.h"

#include "app/Logging.h"

#include <algorithm>

namespace pomelo {
namespace {

// The keys of the platform data that carry them.
const char *const StartupIdKey = "desktop-startup-id";
const char *const ActivationTokenKey = "activation-token";
// A launcher's ids and tokens are well under 100 bytes. A longer one is
// nobody's launch, and would reach the display server as one request too
// many (a property past its limit, thousands of startup messages).
constexpr qsizetype LongestToken = 255;

bool IsControl(char byte) {
    return static_cast<unsigned char>(byte) < 0x20 || byte == 0x7f;
}

// The token, or nothing when it is no launcher's; `name` says where it came
// from in the one line that tells it was ignored.
QByteArray Usable(const char *name, const QByteArray &token) {
    if (token.size() > LongestToken) {
        qCWarning(lcWindow).nospace() << "ignoring the " << name << " of " << token.size()
                                      << " bytes: a launcher's is at most " << LongestToken;
        return {};
    }
    if (std::any_of(token.begin(), token.end(), IsControl)) {
        qCWarning(lcWindow) << "ignoring the" << name << "with control characters in it";
        return {};
    }
    return token;
}

} // namespace

ActivationTokens ActivationTokens::fromEnvironment() {
    return {Usable("DESKTOP_STARTUP_ID", qgetenv("DESKTOP_STARTUP_ID")),
            Usable("XDG_ACTIVATION_TOKEN", qgetenv("XDG_ACTIVATION_TOKEN"))};
}

ActivationTokens ActivationTokens::fromPlatformData(const QVariantMap &platformData) {
    return {
        Usable(StartupIdKey, platformData.value(QLatin1String(StartupIdKey)).toString().toUtf8()),
        Usable(ActivationTokenKey,
               platformData.value(QLatin1String(ActivationTokenKey)).toString().toUtf8())};
}

void ActivationTokens::dropUnusableFromEnvironment() {
    const ActivationTokens tokens = fromEnvironment();
    if (tokens.startupId.isEmpty())
        qunsetenv("DESKTOP_STARTUP_ID");
    if (tokens.activationToken.isEmpty())
        qunsetenv("XDG_ACTIVATION_TOKEN");
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
