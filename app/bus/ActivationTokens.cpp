#include "app/bus/ActivationTokens.h"

#include "app/log/Logging.h"

#include <algorithm>

namespace pomelo {
namespace {

// The keys of the platform data that carry them.
const char *const StartupIdKey = "desktop-startup-id";
const char *const ActivationTokenKey = "activation-token";
// A launcher's ids and tokens are well under 100 bytes. A longer one is
// nobody's launch, and would go to the display server as a property past its
// request limit, or as thousands of startup messages.
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
    const auto token = [](const char *variable) { return Usable(variable, qgetenv(variable)); };
    return {token("DESKTOP_STARTUP_ID"), token("XDG_ACTIVATION_TOKEN")};
}

ActivationTokens ActivationTokens::fromPlatformData(const QVariantMap &platformData) {
    const auto token = [&platformData](const char *key) {
        return Usable(key, platformData.value(QLatin1String(key)).toString().toUtf8());
    };
    return {token(StartupIdKey), token(ActivationTokenKey)};
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
