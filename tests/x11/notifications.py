"""A notification service for a test's session bus, as a desktop keeps one:
answers Notify with the ids 1, 2, ..., or with the id of the notice it
replaces (a slow one only after the seconds given as its argument) and prints each call it gets as a JSON list, [method,
arguments...], after ["ready"] once it owns its name. What a user would do
with a notice, the test asks for through the interface TESTS: a click on an
action (ActionInvoked) or closing it (NotificationClosed with a reason)."""

import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
TESTS = "io.github.pomelo_timer.Tests"
# Why a notice was closed, as NotificationClosed tells it.
CLOSED_BY_A_CALL = 3


def report(*values):
    print(json.dumps(values), flush=True)


class Notifications(dbus.service.Object):
    def __init__(self, bus, answer_after):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.last_id = 0
        self.answer_after_ms = round(answer_after * 1000)

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u",
                         async_callbacks=("answer", "fail"))
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout,
               answer, fail):
        report("Notify", app_name, replaces_id, app_icon, summary, body, actions, hints, timeout)
        if not replaces_id:
            self.last_id += 1
        notice = replaces_id or self.last_id
        GLib.timeout_add(self.answer_after_ms, lambda: answer(notice) and False)

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, notice):
        report("CloseNotification", notice)
        self.NotificationClosed(notice, CLOSED_BY_A_CALL)

    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body", "persistence"]

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, notice, action):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, notice, reason):
        pass

    @dbus.service.method(TESTS, in_signature="us")
    def InvokeAction(self, notice, action):
        self.ActionInvoked(notice, action)

    @dbus.service.method(TESTS, in_signature="uu")
    def Close(self, notice, reason):
        self.NotificationClosed(notice, reason)

    @dbus.service.method(NAME, out_signature="ssss")
    def GetServerInformation(self):
        return "test", "pomelo tests", "1", "1.2"


if __name__ == "__main__":
    DBusGMainLoop(set_as_default=True)
    session = dbus.SessionBus()
    service = Notifications(session, float(sys.argv[1]) if len(sys.argv) > 1 else 0)
    name = dbus.service.BusName(NAME, session, do_not_queue=True)
    report("ready")
    GLib.MainLoop().run()
