"""The gadget under GNOME's window manager, mutter: on an X server of the
tests' own, where a relaunch typed into a terminal has to get past mutter's
focus-stealing prevention, and in GNOME's Wayland session through its
XWayland. The other window is a GTK one, which tells the window manager
the time of each key typed into it, as a desktop's terminal does."""

import sys
import unittest

from desktop import wait_until
from gadget import HOME, HOME_SETTINGS
from test_alarm import AlarmTestCase

# A window larger than the gadget's place, wherever mutter puts it.
TERMINAL = """
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title="terminal")
window.add(Gtk.Entry())
window.set_default_size(1100, 760)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
"""


class GnomeTestCase(AlarmTestCase):
    def open_with_terminal(self, **desktop):
        self.open(sound=False, **desktop)
        self.desktop.start_client([sys.executable, "-c", TERMINAL])
        self.terminal = self.desktop.wait_for_window_named("terminal")
        self.gadget.focus()
        self.assert_gadget_above(True)

    def type_into_terminal(self):
        """The user brings the terminal up and types into it."""
        self.desktop.x("xdotool", "windowactivate", "--sync", str(self.terminal))
        wait_until(lambda: self.desktop.active_window() == self.terminal,
                   message="the terminal to be active")
        self.gadget.type_keys("x")

    def assert_gadget_above(self, above, active=None):
        """The gadget stands above the terminal or below it; with active, that
        window has the focus."""
        def stacked():
            stacking = self.desktop.stacking()
            return ((stacking.index(self.gadget.window) > stacking.index(self.terminal)) == above
                    and active in (None, self.desktop.active_window()))

        wait_until(stacked, message=lambda: f"the gadget {'above' if above else 'below'} the "
                                            f"terminal, {active} active (stacking "
                                            f"{self.desktop.stacking()}, active "
                                            f"{self.desktop.active_window()})")

    def assert_alarm_above_the_terminal(self):
        """A countdown run while the user types into the terminal: the alarm
        brings the gadget above it and shakes it home."""
        self.start_countdown(3, meanwhile=lambda: (self.type_into_terminal(),
                                                   self.assert_gadget_above(False)))
        self.assert_gadget_above(True)
        self.assert_shakes_home(HOME)


class MutterTest(GnomeTestCase):
    def test_on_top_the_alarm_and_a_relaunch_from_a_terminal(self):
        self.open_with_terminal(window_manager="mutter")
        # The clock keeps the window above the terminal the user works in.
        self.gadget.click_key("MOD")
        self.gadget.wait_for_above(True)
        self.type_into_terminal()
        self.assert_gadget_above(True, active=self.terminal)
        for _ in range(2):  # the stopwatch, the countdown
            self.gadget.click_key("MOD")
        self.gadget.wait_for_above(False)

        self.assert_alarm_above_the_terminal()
        self.gadget.click_key("CLR")
        self.gadget.wait_for_above(False)

        # Typed into the terminal, a relaunch brings the window forward and
        # activates it; --start leaves it covered.
        for _ in range(2):
            self.type_into_terminal()
            self.assert_gadget_above(False, active=self.terminal)
            self.command()
            self.assert_gadget_above(True, active=self.gadget.window)
        self.type_into_terminal()
        self.command("--start")
        self.assert_gadget_above(False, active=self.terminal)
        self.assertEqual(self.gadget.wm_state() & {"_NET_WM_STATE_DEMANDS_ATTENTION"}, set())

        # OFF and a restart keep the place.
        self.gadget.focus()
        self.assertEqual(self.off(), HOME_SETTINGS)
        self.start(at=HOME)


class XWaylandTest(GnomeTestCase):
    def test_place_on_top_and_the_shake_through_xwayland(self):
        # It opens at the place saved.
        self.open_with_terminal(xwayland=True)
        # A running stopwatch keeps it above the other window.
        for _ in range(2):  # the clock, the stopwatch
            self.gadget.click_key("MOD")
        self.gadget.click_key("START")
        self.gadget.wait_for_above(True)
        self.type_into_terminal()
        self.assert_gadget_above(True, active=self.terminal)
        self.gadget.click_key("MOD")  # the countdown
        self.gadget.wait_for_above(False)

        self.assert_alarm_above_the_terminal()

        # START and OFF save the place where it stands.
        self.gadget.click_key("CLR")
        self.gadget.click_saving("START")
        self.assertEqual(self.desktop.read_settings().decode(), HOME_SETTINGS)
        self.assertEqual(self.off(), HOME_SETTINGS)


if __name__ == "__main__":
    unittest.main()
