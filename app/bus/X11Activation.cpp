#include "app/bus/X11Activation.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace pomelo {
namespace {

// A message of the startup notification protocol goes in pieces of this many
// bytes, its terminating NUL included.
constexpr qsizetype MessagePiece = 20;
// _NET_ACTIVE_WINDOW's source indication for a request from an application.
constexpr std::uint32_t FromApplication = 1;

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t *connection, const char *name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The time of the user's action that started the launch, which a startup id
// carries after "_TIME"; none (XCB_CURRENT_TIME) when it tells none.
xcb_timestamp_t LaunchTime(const QByteArray &startupId) {
    const qsizetype at = startupId.lastIndexOf("_TIME");
    if (at < 0)
        return XCB_CURRENT_TIME;
    bool read = false;
    const uint time = startupId.mid(at + 5).toUInt(&read);
    return read ? time : XCB_CURRENT_TIME;
}

// A value of a startup notification message, quoted with its quotes and
// backslashes escaped, so that spaces in it cannot end it early.
QByteArray Quoted(QByteArray value) {
    value.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + value + '"';
}

void SendStartupMessage(xcb_connection_t *connection, xcb_window_t root, xcb_window_t from,
                        const QByteArray &message) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = from;
    event.type = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t continued = Atom(connection, "_NET_STARTUP_INFO");
    const QByteArray bytes = message + '\0';
    for (qsizetype sent = 0; sent < bytes.size(); sent += MessagePiece) {
        std::memset(event.data.data8, 0, sizeof event.data.data8);
        std::memcpy(event.data.data8, bytes.constData() + sent,
                    static_cast<std::size_t>(std::min(MessagePiece, bytes.size() - sent)));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&event));
        event.type = continued;
    }
}

void SendActivationRequest(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window,
                           xcb_timestamp_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = FromApplication;
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

} // namespace

bool ActivateOnX11(QWindow &window, const QByteArray &startupId) {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return false;
    xcb_connection_t *connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry)
        return false;
    const xcb_window_t root = geometry->root;

    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, Atom(connection, "_NET_STARTUP_ID"),
                        Atom(connection, "UTF8_STRING"), 8,
                        static_cast<std::uint32_t>(startupId.size()), startupId.constData());
    if (const xcb_timestamp_t time = LaunchTime(startupId); time != XCB_CURRENT_TIME)
        SendActivationRequest(connection, root, id, time);
    else
        window.requestActivate();
    SendStartupMessage(connection, root, id, "remove: ID=" + Quoted(startupId));
    xcb_flush(connection);
    return true;
}

} // namespace pomelo
