"""The always-on-top state that the keys switch, seen as _NET_WM_STATE_ABOVE
through a window manager, on one window that stays where it is."""

import unittest

from gadget import HOME, GadgetTest, settings_text

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


if __name__ == "__main__":
    unittest.main()
