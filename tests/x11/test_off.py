"""The OFF key: it writes the window's place to the settings file and ends the
program, and the next start comes back to that place."""

import unittest

from gadget import FACE_SPOTS, GadgetTest, settings_text


class OffTest(GadgetTest):
    def test_off_saves_the_dragged_place_and_the_next_start_returns_there(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(settings=None, at=(0, 0), window_manager=window_manager)
                gadget.drag(*FACE_SPOTS[0], 313, 207, follows=True)
                self.assertEqual(self.off(), settings_text(left=313, top=207))
                self.desktop.wait_for_no_window()

                again = self.start(at=(313, 207))
                # Back at the origin, the saved place is 0 again, not left over.
                again.drag(*FACE_SPOTS[1], -313, -207, follows=True)
                self.assertEqual(self.off(again), settings_text(left=0, top=0))

    def test_off_keeps_everything_added_by_hand(self):
        before = ("; kitchen timer\r\n"
                  "[OTHER]\n"
                  "KEY=value\n"
                  "\n"
                  "[FORM1]\n"
                  "; where it stands\n"
                  "MODE= 0\n"
                  "STRATF= 0\n"
                  "POJIX= 1500\n"
                  "POJIY= 3000\n"
                  "MEMORI= 0\n"
                  "COLOUR=green   \n"
                  "# trailing note\n"
                  "\n"
                  "[LAST]\n"
                  "X=1")
        gadget = self.open(before)
        gadget.drag(*FACE_SPOTS[1], 41, 29, follows=True)
        expected = before.replace("POJIX= 1500", "POJIX= 1935").replace("POJIY= 3000",
                                                                          "POJIY= 3615")
        self.assertEqual(self.off(), expected)

    def test_off_writes_the_mode_and_hour_format(self):
        gadget = self.open()
        gadget.click_key("MOD")  # the clock
        gadget.wait_for_above(True)
        gadget.click_key("START")  # 12-hour format
        self.assertEqual(self.off(), settings_text(mode=1, left=200, top=100, hour12=1))


if __name__ == "__main__":
    unittest.main()
