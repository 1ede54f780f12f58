"""The keyboard on the focused window: digits on the main row and the keypad,
Enter and Space for START, Backspace and Delete for CLR, M for MOD and Ctrl+Q
for OFF, typed with xdotool and read off the LCD."""

import unittest

from gadget import COUNTDOWN, HOME_SETTINGS, STOPWATCH, GadgetTest, settings_text


class KeyboardTest(GadgetTest):
    def open_focused(self, window_manager=True):
        gadget = self.open(window_manager=window_manager)
        gadget.wait_for_lcd("0000", COUNTDOWN)
        gadget.focus()
        return gadget

    def test_countdown_from_the_keyboard(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open_focused(window_manager)
                gadget.type_keys("1", "0", "Return")
                gadget.wait_for_lcd({"0009", "0008"}, COUNTDOWN)
                gadget.wait_for_lcd({"0007", "0006"}, COUNTDOWN)
                gadget.type_keys("BackSpace")
                gadget.wait_for_lcd("0000", COUNTDOWN)
                # Cleared, so stopped: keys shift in again.
                gadget.type_keys("KP_5")
                gadget.wait_for_lcd("0005", COUNTDOWN)
                gadget.type_keys("KP_Enter")
                gadget.wait_for_lcd("0004", COUNTDOWN)
                gadget.type_keys("Delete")
                gadget.wait_for_lcd("0000", COUNTDOWN)

    def test_every_digit_on_the_main_row_and_the_keypad(self):
        gadget = self.open_focused()
        for keys, shown in ((("1", "2", "3", "4"), "1234"), (("5", "6", "7", "8"), "5678"),
                            (("9", "0"), "7890"),
                            (("KP_1", "KP_2", "KP_3", "KP_4"), "1234"),
                            (("KP_5", "KP_6", "KP_7", "KP_8"), "5678"),
                            (("KP_9", "KP_0"), "7890")):
            gadget.type_keys(*keys)
            gadget.wait_for_lcd(shown, COUNTDOWN)

    def test_mode_key_and_space_in_the_stopwatch(self):
        gadget = self.open_focused()
        gadget.type_keys("m")
        clock = gadget.wait_for_lcd(indicators={"colon"})
        self.assertRegex(clock.digits, r"^[ 12]\d[0-5]\d$")
        gadget.wait_for_above(True)
        gadget.type_keys("shift+m")
        gadget.wait_for_lcd("0000", STOPWATCH)
        gadget.type_keys("space")
        gadget.wait_for_lcd("0001", STOPWATCH)
        gadget.wait_for_above(True)
        gadget.type_keys("space")  # paused
        gadget.wait_for_above(False)
        gadget.type_keys("Delete")
        gadget.wait_for_lcd("0000", STOPWATCH)
        gadget.type_keys("m")
        gadget.wait_for_lcd("0000", COUNTDOWN)

    def test_other_keys_and_other_windows_do_nothing(self):
        gadget = self.open_focused()
        gadget.type_keys("4", "2")
        gadget.wait_for_lcd("0042", COUNTDOWN)
        # Keys of no meaning here, then digits typed into another window.
        gadget.type_keys("a", "q", "x", "KP_Add", "F1", "Escape", "Tab", "ctrl+m",
                         "alt+1", "ctrl+3")
        self.desktop.start_client(["xmessage", "another window"])
        other = self.desktop.wait_for_window_named("xmessage")
        self.desktop.x("xdotool", "windowactivate", "--sync", str(other))
        gadget.type_keys("7", "Return", "BackSpace", "ctrl+q")
        # Back on the gadget, a digit shows that nothing above got through.
        gadget.focus()
        gadget.type_keys("1")
        gadget.wait_for_lcd("0421", COUNTDOWN)
        self.assertIsNone(gadget.process.poll())
        self.assertEqual(self.desktop.read_settings().decode(), HOME_SETTINGS)

    def test_ctrl_q_saves_and_ends(self):
        gadget = self.open(settings=None, at=(0, 0))
        gadget.wait_for_lcd("0000", COUNTDOWN)
        self.assertIsNone(self.desktop.read_settings())
        gadget.drag(92, 6, 120, 80, follows=True)
        gadget.focus()
        gadget.type_keys("m")
        gadget.wait_for_lcd(indicators={"colon"})
        self.assertEqual(self.off(keyboard=True), settings_text(mode=1, left=120, top=80))


if __name__ == "__main__":
    unittest.main()
