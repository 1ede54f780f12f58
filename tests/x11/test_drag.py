"""Dragging the window by its face, with a window manager (which is handed the
move) and on a bare X server (where the program moves the window itself)."""

import unittest

from gadget import FACE_SPOTS, HOME, GadgetTest, key_centre, settings_text


class DragTest(GadgetTest):
    def test_left_drag_on_the_face_moves_the_window_by_the_drag(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(window_manager=window_manager)
                (top_x, top_y), (side_x, side_y) = FACE_SPOTS
                gadget.drag(top_x, top_y, 150, 120, follows=True)
                self.assertEqual(gadget.position(), (350, 220))
                gadget.drag(side_x, side_y, -90, -60, follows=True)
                self.assertEqual(gadget.position(), (260, 160))

                # Pointer motion after the release leaves the window alone:
                # the next drag starts from where the last one ended.
                self.desktop.move_pointer(900, 700)
                self.desktop.move_pointer(20, 20)
                gadget.drag(top_x, top_y, 7, 9, follows=True)
                self.assertEqual(gadget.position(), (267, 169))
                self.assertEqual(gadget.geometry().width, 184)

    def test_quick_flick_moves_the_window_by_the_whole_drag(self):
        # With no window manager the program moves the window itself, from
        # where the button went down, however late it gets to the press.
        gadget = self.open(window_manager=False)
        expected = HOME
        for dx, dy in ((60, 40), (-25, 70), (90, -55), (-125, -55)):
            gadget.flick(*FACE_SPOTS[0], dx, dy)
            expected = (expected[0] + dx, expected[1] + dy)
            gadget.wait_for_position(expected)

    def test_other_buttons_and_presses_on_keys_do_not_drag(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(window_manager=window_manager)
                x, y = FACE_SPOTS[0]
                gadget.drag(x, y, 120, 80, button=3)
                gadget.drag(x, y, 120, 80, button=2)
                for key in ("7", "CLR", "0", "START"):
                    gadget.drag(*key_centre(key), 120, 80)

                # A face drag after all that moves the window from its home by
                # exactly that drag: none of the above moved it.
                gadget.drag(x, y, 10, 20, follows=True)
                self.assertEqual(gadget.position(), (HOME[0] + 10, HOME[1] + 20))

    def test_press_on_a_key_clicks_it_and_does_not_drag(self):
        for press_seven in (False, True):
            with self.subTest(press_seven=press_seven):
                gadget = self.open()
                if press_seven:
                    # A press that wanders a little inside the key is still its click.
                    gadget.drag(*key_centre("7"), 6, 4)
                # START starts a countdown only when one was keyed in (00 07
                # here); OFF then writes the run flag.
                gadget.click_key("START")
                self.assertEqual(self.off(), settings_text(left=HOME[0], top=HOME[1],
                                                           run_flag=1 if press_seven else 0))


if __name__ == "__main__":
    unittest.main()
