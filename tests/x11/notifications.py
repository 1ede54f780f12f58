"""A notification service for a test's session bus, as a desktop keeps one:
answers Notify with the ids 1, 2, ... (a slow one only after the seconds
given as its argument) and prints each call it gets as a JSON list, [method,
arguments...], after ["ready"] once it owns its name."""

import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


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
        self.last_id += 1
        notice = self.last_id
        GLib.timeout_add(self.answer_after_ms, lambda: answer(notice) and False)

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, notice):
        report("CloseNotification", notice)

    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["body"]

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
