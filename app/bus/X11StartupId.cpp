#include "app/bus/X11StartupId.h"

#include "app/log/Logging.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSysInfo>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <xcb/xcb.h>

namespace pomelo {
namespace {

// How long the X server may take to answer before the launch goes on
// without its time.
constexpr int AnswerMs = 2000;

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

// The next event from the server, or none once the deadline has passed or the
// connection is broken.
Event NextEvent(xcb_connection_t *connection, const QDeadlineTimer &deadline) {
    for (;;) {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            return {event, &std::free};
        if (xcb_connection_has_error(connection) != 0 || deadline.hasExpired())
            return {nullptr, &std::free};
        pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&readable, 1, static_cast<int>(deadline.remainingTime()));
    }
}

// The server's time now: the timestamp of a property change on an unmapped
// window of our own, as X clients learn it (an empty append changes nothing).
// The window goes with the connection.
std::optional<xcb_timestamp_t> ServerTime(xcb_connection_t *connection) {
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr)
        return std::nullopt;
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                        8, 0, nullptr);
    xcb_flush(connection);
    const QDeadlineTimer deadline(AnswerMs);
    while (const Event event = NextEvent(connection, deadline)) {
        const auto type = event->response_type & ~0x80;
        if (type == 0) // an error: the server refused the window
            return std::nullopt;
        if (type == XCB_PROPERTY_NOTIFY)
            return reinterpret_cast<const xcb_property_notify_event_t *>(event.get())->time;
    }
    return std::nullopt;
}

} // namespace

QByteArray StartupIdOfNow() {
    const Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()) != 0)
        return {};
    const std::optional<xcb_timestamp_t> time = ServerTime(connection.get());
    if (!time) {
        qCWarning(lcRemote)
            << "the X server did not tell its time: the window may not come forward";
        return {};
    }
    return QStringLiteral("pomelo-%1-%2_TIME%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QSysInfo::machineHostName())
        .arg(*time)
        .toUtf8();
}

} // namespace pomelo
