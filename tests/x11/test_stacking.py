"""The always-on-top state that the keys switch, seen as _NET_WM_STATE_ABOVE
through a window manager, on one window that stays where it is; and a
relaunch that brings the running window forward, seen in the window
manager's stacking order."""

import sys
import unittest

from desktop import APP_ID, wait_until
from gadget import HOME, GadgetTest, settings_text

# org.freedesktop.Application's Activate, called as any process on the bus
# may, with a startup id of 17 MB: more than the X server takes in one request.
HUGE_STARTUP_ID_CALL = f"""
import dbus
dbus.SessionBus().call_blocking("{APP_ID}", "/{APP_ID.replace('.', '/')}",
                                "org.freedesktop.Application", "Activate", "a{{sv}}",
                                [{{"desktop-startup-id": "x" * (17 << 20)}}])
"""

# Events that would mean the window was hidden, re-shown or made anew.
REMAPPING = {"UnmapNotify", "MapNotify", "DestroyNotify", "ReparentNotify", "CreateNotify"}


class StackingTest(GadgetTest):
    def setUp(self):
        self.open()
        self.window = self.gadget.window
        self.frame = self.gadget.toplevel()
        self.events = self.desktop.watch(self.window)

    def press(self, key, above, writes=False):
        # Once START has written the settings file, the press has been handled
        # and the state can be read without waiting.
        if writes:
            self.gadget.click_saving(key)
            self.assertEqual(self.gadget.is_above(), above)
        else:
            self.gadget.click_key(key)
        self.gadget.wait_for_above(above)
        self.assertEqual(self.gadget.find_windows(), [self.window])
        self.assertEqual(self.gadget.toplevel(), self.frame)
        self.assertEqual(self.gadget.position(), HOME)

    def assert_never_remapped(self):
        self.events.sync()
        events = self.events.events()
        self.assertEqual([event for event in events if event.name in REMAPPING], [])
        # The window manager was asked for the state each time.
        self.assertTrue(any(event.atom == "_NET_WM_STATE" for event in events))

    def test_mode_key_puts_the_clock_on_top(self):
        self.assertFalse(self.gadget.is_above())
        self.press("MOD", above=True)   # the clock
        self.press("MOD", above=False)  # the stopwatch
        self.press("MOD", above=False)  # the countdown again
        self.press("MOD", above=True)   # the clock again
        self.assert_never_remapped()

    def test_running_stopwatch_stays_on_top(self):
        self.press("MOD", above=True)    # the clock
        self.press("MOD", above=False)   # the stopwatch
        self.press("START", above=True)  # it runs
        self.press("START", above=False)  # paused
        self.press("START", above=True)  # runs on
        self.press("CLR", above=False)   # cleared
        self.assert_never_remapped()

    def test_keys_in_the_countdown_keep_an_ordinary_window(self):
        self.press("MOD", above=True)    # the clock
        self.press("MOD", above=False)   # the stopwatch
        self.press("MOD", above=False)   # the countdown
        self.press("START", above=False, writes=True)  # nothing keyed in: nothing starts
        self.press("MOD", above=True)    # the clock
        self.press("START", above=True, writes=True)  # 12-hour display, still on top
        self.assert_never_remapped()
        self.assertEqual(self.desktop.read_settings().decode(),
                         settings_text(mode=1, left=HOME[0], top=HOME[1], hour12=1))


class RelaunchTest(GadgetTest):
    def setUp(self):
        self.open(session_bus=True)
        self.window = self.gadget.window
        # Another window over the gadget, which has the focus.
        self.desktop.start_client(["xmessage", "-geometry", f"+{HOME[0] - 20}+{HOME[1] - 20}",
                                   "a window over the gadget\n" * 10])
        self.other = self.desktop.wait_for_window_named("xmessage")
        self.cover()

    def cover(self):
        self.desktop.x("xdotool", "windowactivate", "--sync", str(self.other))
        self.assert_forward(False)

    def assert_forward(self, forward):
        wanted = [self.other, self.window] if forward else [self.window, self.other]
        wait_until(lambda: (self.desktop.stacking(), self.desktop.active_window()) ==
                   (wanted, wanted[1]),
                   message=lambda: f"the stacking {wanted} and {wanted[1]} active (they are "
                                   f"{self.desktop.stacking()}, {self.desktop.active_window()})")

    def test_a_start_or_a_launchers_command_brings_the_window_forward(self):
        # The queries and the keys' own commands leave it where it is; each
        # has been carried out once the command returns.
        for args in (("--status",), ("--clear",), ("--start",), ("--start",)):
            with self.subTest(args=args):
                self.command(*args)
                self.assertEqual(self.desktop.stacking(), [self.window, self.other])
                self.assertEqual(self.desktop.active_window(), self.other)
        for args in ((), ("--stopwatch",), ("5m",)):
            with self.subTest(args=args):
                self.command(*args)
                self.assert_forward(True)
                self.cover()
        self.assertEqual(self.desktop.visible_windows(), [self.window])
        self.assertIsNone(self.gadget.process.poll())

    def test_the_launchers_startup_id_is_taken_up_and_its_launch_completed(self):
        root = self.desktop.watch(self.desktop.root_window())
        # A launcher's id tells the time of the click that started it.
        startup_id = f"launcher-1 pomelo_TIME{root.server_time()}"
        self.command(extra_env={"DESKTOP_STARTUP_ID": startup_id})
        self.assert_forward(True)
        self.assertEqual(self.desktop.x("xprop", "-id", str(self.window), "_NET_STARTUP_ID"),
                         f'_NET_STARTUP_ID(UTF8_STRING) = "{startup_id}"\n')
        root.sync()
        messages = [event.message_type for event in root.events() if event.message_type]
        self.assertEqual(messages.count("_NET_STARTUP_INFO_BEGIN"), 1, messages)

    def test_a_startup_id_no_launcher_gives_is_ignored(self):
        root = self.desktop.watch(self.desktop.root_window())
        self.desktop.run([sys.executable, "-c", HUGE_STARTUP_ID_CALL])
        self.assert_forward(True)
        self.assertIsNone(self.gadget.process.poll())
        self.assertEqual(self.desktop.x("xprop", "-id", str(self.window), "_NET_STARTUP_ID"),
                         "_NET_STARTUP_ID:  not found.\n")
        root.sync()
        self.assertEqual([event.message_type for event in root.events()
                          if event.message_type == "_NET_STARTUP_INFO_BEGIN"], [])
        self.assertEqual(self.gadget.output().count("ignoring the desktop-startup-id"), 1,
                         self.gadget.output())


if __name__ == "__main__":
    unittest.main()
