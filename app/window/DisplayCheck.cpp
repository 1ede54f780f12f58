#include "app/window/DisplayCheck.h"

#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace pomelo {
namespace {

// None is named at all for the platform Qt would take (none chosen, or X).
QString MissingDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty() && !x11 && !wayland)
        //: %1 and %2 name environment variables.
        return QCoreApplication::translate("DisplayCheck", "no display: neither %1 nor %2 is set")
            .arg(QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"));
    if (platform == "xcb" && !x11)
        //: %1 names an environment variable, %2 the setting that asks for X.
        return QCoreApplication::translate("DisplayCheck", "no X display: %1 is not set (%2)")
            .arg(QStringLiteral("DISPLAY"), QStringLiteral("QT_QPA_PLATFORM=xcb"));
    return {};
}

// The platforms Qt tries in turn: those chosen, else Wayland where the
// session is one, then X where a display is named, else its default, X.
QByteArrayList PlatformsToTry() {
    QByteArrayList platforms;
    if (const QByteArray chosen = qgetenv("QT_QPA_PLATFORM"); !chosen.isEmpty()) {
        // Each may carry options after a colon.
        for (const QByteArray &platform : chosen.split(';'))
            platforms << platform.split(':').constFirst().trimmed().toLower();
        return platforms;
    }
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        platforms << "wayland";
    if (qEnvironmentVariableIsSet("DISPLAY") || platforms.isEmpty())
        platforms << "xcb";
    return platforms;
}

// Runs `action` with what it writes to stderr kept from there and returned
// instead: a short text (what the pipe cannot hold is lost).
template <typename Action> QByteArray StderrOf(Action action) {
    int pipe[2];
    const bool piped = pipe2(pipe, O_CLOEXEC | O_NONBLOCK) == 0;
    const int stderrCopy = piped ? fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0) : -1;
    if (stderrCopy >= 0)
        dup2(pipe[1], STDERR_FILENO);
    action();
    QByteArray written;
    if (stderrCopy >= 0) {
        dup2(stderrCopy, STDERR_FILENO);
        close(stderrCopy);
        written.resize(1024);
        const ssize_t length =
            read(pipe[0], written.data(), static_cast<std::size_t>(written.size()));
        written.truncate(length > 0 ? length : 0);
    }
    if (piped) {
        close(pipe[0]);
        close(pipe[1]);
    }
    return written;
}

// The X display named by DISPLAY, unless it can be opened; the server's
// reason for a refusal, which libxcb writes to stderr itself, goes into the
// same line.
QString FailureToOpenX() {
    const QByteArray display = qgetenv("DISPLAY");
    bool opened = false;
    const QByteArray refusal = StderrOf([&display, &opened] {
        xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
        opened = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
    });
    if (opened)
        return {};
    QString why = QString::fromLocal8Bit(refusal).simplified();
    if (why.isEmpty())
        why = QCoreApplication::translate("DisplayCheck", "no X server takes connections there");
    //: %1 is the display's name (:0), %2 why it cannot be opened.
    return QCoreApplication::translate("DisplayCheck", "cannot open the X display %1: %2")
        .arg(QString::fromLocal8Bit(display), why);
}

// The Wayland display, unless no compositor listens there. A connection
// handed over as WAYLAND_SOCKET is taken to be open.
QString FailureToOpenWayland() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return {};
    const QByteArray name = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                ? QByteArray("wayland-0")
                                : qgetenv("WAYLAND_DISPLAY");
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray path = name.startsWith('/') ? name : folder + '/' + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    int error = ENAMETOOLONG;
    if (!name.startsWith('/') && folder.isEmpty())
        error = ENOENT;
    else if (static_cast<std::size_t>(path.size()) < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        error = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
                    ? 0
                    : errno;
        close(socket);
    }
    if (error == 0)
        return {};
    //: %1 is the display's name (wayland-0), %2 why it cannot be opened.
    return QCoreApplication::translate("DisplayCheck", "cannot open the Wayland display %1: %2")
        .arg(QString::fromLocal8Bit(name), QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

QString WhyNoDisplay() {
    if (const QString missing = MissingDisplay(); !missing.isEmpty())
        return missing;
    QStringList failures;
    for (const QByteArray &platform : PlatformsToTry()) {
        QString failure;
        if (platform == "xcb")
            failure = FailureToOpenX();
        else if (platform.startsWith("wayland"))
            failure = FailureToOpenWayland();
        if (failure.isEmpty())
            return {};
        failures << failure;
    }
    return failures.join(QStringLiteral("; "));
}

} // namespace pomelo
