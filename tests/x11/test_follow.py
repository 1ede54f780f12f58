"""Watching the gadget from outside, on a real X server with a session bus of
its own: its properties, the PropertiesChanged signal that tells each change
of them, and pomelo --follow, which prints the status line at each change."""

import json
import signal
import subprocess
import sys
import time
import unittest

from desktop import APP_ID, DEFAULT_TIMEOUT, wait_until
from gadget import COUNTDOWN, HOME_SETTINGS, GadgetTest

PATH = "/io/github/pomelo_timer/Pomelo"
# Prints the properties of the interface as JSON.
GET_ALL = f"""
import dbus, json
values = dbus.SessionBus().call_blocking("{APP_ID}", "{PATH}", "org.freedesktop.DBus.Properties",
                                         "GetAll", "s", ["{APP_ID}"])
print(json.dumps({{name: bool(value) if isinstance(value, dbus.Boolean) else value
                  for name, value in values.items()}}))
"""
# Prints "ready" once it listens and has read the properties, as a client
# that follows properties does, then what each PropertiesChanged changed, as
# JSON.
WATCH = f"""
import dbus, json
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

def changed(interface, values, invalidated):
    print(json.dumps({{name: bool(value) if isinstance(value, dbus.Boolean) else value
                      for name, value in values.items()}}), flush=True)

DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
bus.add_signal_receiver(changed, "PropertiesChanged", "org.freedesktop.DBus.Properties",
                        path="{PATH}")
bus.call_blocking("{APP_ID}", "{PATH}", "org.freedesktop.DBus.Properties", "GetAll", "s",
                  ["{APP_ID}"])
print("ready", flush=True)
GLib.MainLoop().run()
"""


class FollowTest(GadgetTest):
    def test_properties_and_each_change_of_them_on_the_bus(self):
        self.open(sound=True, session_bus=True)
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        watcher = self.desktop.start_client([sys.executable, "-c", WATCH])
        wait_until(lambda: "ready" in self.desktop.output(watcher), message="the watcher")

        def changes():
            return [json.loads(line) for line in self.desktop.output(watcher).splitlines()
                    if line.startswith("{")]

        self.command("0:05")
        values = json.loads(self.desktop.run([sys.executable, "-c", GET_ALL]).stdout)
        remaining = values["Remaining"]
        self.assertIn(remaining, (4, 5))
        self.assertEqual(values, {"Mode": "countdown", "Running": True,
                                  "Display": f"00 0{remaining}", "Remaining": remaining,
                                  "Keyed": "00:05", "Ringing": False})

        wait_until(lambda: any(change.get("Ringing") for change in changes()),
                   message="the ring")
        self.assertEqual([change["Remaining"] for change in changes() if "Remaining" in change],
                         [5, 4, 3, 2, 1, 0])
        self.assertEqual(changes()[0], {"Running": True, "Display": "00 05", "Remaining": 5,
                                        "Keyed": "00:05"})
        self.gadget.click_key("CLR")
        wait_until(lambda: changes()[-1] == {"Ringing": False}, message="the answer")

        # The stopped countdown tells nothing more.
        told = len(changes())
        time.sleep(3)
        self.assertEqual(len(changes()), told)

    def test_follow_prints_off_each_change_of_a_copy_and_off_when_it_ends(self):
        self.open_desktop(HOME_SETTINGS, session_bus=True)
        follower = self.desktop.start_client([self.desktop.program, "--follow"])

        def lines():
            return self.desktop.output(follower).splitlines()

        wait_until(lambda: lines() == ["off"], message="off")
        self.gadget = self.start()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        self.command("0:03")
        wait_until(lambda: lines()[-1] == "countdown stopped 00 00"
                   and "countdown running 00 01" in lines(), message="the countdown's end")
        self.command("--quit")
        self.assertEqual(self.gadget.wait_exit(), 0)
        wait_until(lambda: lines()[-1] == "off", message="off again")
        # Asked before its first tick, the copy shows no digits yet.
        self.assertEqual([line for line in lines() if line != "countdown stopped"],
                         ["off", "countdown stopped 00 00", "countdown running 00 03",
                          "countdown running 00 02", "countdown running 00 01",
                          "countdown stopped 00 00", "off"])
        follower.send_signal(signal.SIGTERM)
        self.assertEqual(follower.wait(5), 0)

        # A reader that closes the pipe ends it too, while nothing changes.
        with subprocess.Popen([self.desktop.program, "--follow"], env=self.desktop.env,
                              stdin=subprocess.DEVNULL, stdout=subprocess.PIPE) as reader:
            self.assertEqual(reader.stdout.readline(), b"off\n")
            reader.stdout.close()
            self.assertEqual(reader.wait(5), 0)

    def test_follow_ends_with_status_1_when_the_session_bus_goes_away(self):
        self.open_desktop(session_bus=True)
        follower = self.desktop.start_client([self.desktop.program, "--follow"])
        wait_until(lambda: self.desktop.output(follower) == "off\n", message="off")
        self.desktop.end_session_bus()
        self.assertEqual(follower.wait(DEFAULT_TIMEOUT), 1)
        # What it printed last no longer holds, and it says so.
        self.assertEqual(self.desktop.output(follower),
                         "off\npomelo: cannot follow pomelo any longer: the session bus went away\n")


if __name__ == "__main__":
    unittest.main()
