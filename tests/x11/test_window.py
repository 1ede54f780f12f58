"""The window's place at start-up, its rounded shape, start-up with a
damaged settings file, and a display that cannot be opened, through the real
program on a private X server."""

import math
import os
import random
import unittest

from desktop import Geometry
from gadget import (COUNTDOWN, FACE_SPOTS, WINDOW_HEIGHT, WINDOW_WIDTH, GadgetTest, key_centre,
                    settings_text)

STORED = "[FORM1]\nPOJIX= 1500\nPOJIY= 3000\n"


class PlacementTest(GadgetTest):
    def test_opens_at_the_stored_position(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(STORED, window_manager=window_manager)
                self.assertEqual(gadget.geometry(),
                                 Geometry(200, 100, WINDOW_WIDTH, WINDOW_HEIGHT))

    def test_first_start_opens_at_the_origin_and_writes_nothing(self):
        desktop = self.open_desktop()
        # This window manager puts windows that ask for no place under the
        # pointer, in the middle of the screen: 0, 0 must be asked for.
        desktop.start_client(["xmessage", "placed by the window manager"])
        other = desktop.wait_for_window_named("xmessage")
        self.assertNotEqual(desktop.geometry(other).position, (0, 0))

        gadget = self.start(at=(0, 0))
        self.assertEqual(gadget.geometry(), Geometry(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT))
        self.assertIsNone(desktop.read_settings())


class UnopenableDisplayTest(GadgetTest):
    def test_a_display_that_cannot_be_opened_is_named_in_one_line(self):
        desktop = self.open_desktop(window_manager=False, cookie="0" * 32)
        wrong_cookie = os.path.join(desktop.root, "wrong.auth")
        desktop.run(["xauth", "-f", wrong_cookie, "add", desktop.display, ".", "f" * 32])
        unused = next(f":{number}" for number in range(900, 1000)
                      if not os.path.exists(f"/tmp/.X{number}-lock"))
        for extra_env, message in (
                ({"DISPLAY": unused},
                 f"cannot open the X display {unused}: no X server takes connections there"),
                ({"XAUTHORITY": wrong_cookie},
                 f"cannot open the X display {desktop.display}: Invalid MIT-MAGIC-COOKIE-1 key"),
                ({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "wayland-none"},
                 "cannot open the Wayland display wayland-none: No such file or directory")):
            with self.subTest(extra_env=extra_env):
                result = desktop.command(extra_env=extra_env)
                self.assertEqual((result.returncode, result.stdout, result.stderr),
                                 (1, "", f"pomelo: {message}\n"))


class OffScreenTest(GadgetTest):
    SCREEN = (1280, 800)

    def test_place_off_every_screen_opens_at_the_top_left_and_is_saved(self):
        far_away = "[FORM1]\nMODE= 0\nSTRATF= 0\nPOJIX=-90000\nPOJIY= 400000\nMEMORI= 0\n"
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(far_away, at=(0, 0), window_manager=window_manager)
                gadget.wait_for_lcd("0000")
                self.assertEqual(self.off(), settings_text(left=0, top=0))

    def test_places_at_the_screen_edges(self):
        width, height = self.SCREEN
        # A window with one pixel on the screen stays where it was put; one
        # just beyond an edge is brought to the top left. (A window manager
        # may pull a window further in: this is the program's own choice.)
        kept = [(-183, 100), (width - 1, 100), (100, height - 1), (100, -154), (-183, -154)]
        moved = [(-184, 100), (width, 100), (100, height), (100, -155), (-184, -155)]
        self.open_desktop(window_manager=False)
        for place in kept + moved:
            with self.subTest(place=place):
                self.desktop.write_settings(settings_text(left=place[0], top=place[1]))
                gadget = self.start(at=None)
                try:
                    gadget.wait_for_position(place if place in kept else (0, 0))
                finally:
                    gadget.end()
                    self.desktop.wait_for_no_window()

    def test_partly_visible_place_is_kept_and_saved(self):
        self.open(settings_text(left=-50, top=100), at=(-50, 100))
        # OFF lies off the screen here; its keyboard key ends it instead.
        self.assertEqual(self.off(keyboard=True), settings_text(left=-50, top=100))


class ScaleTest(GadgetTest):
    """Under QT_SCALE_FACTOR the window, its shape and its keys grow; the
    settings keep the unscaled place."""

    PLACE = (100, 50)

    def test_scaled_window_keys_and_lcd(self):
        for scale in (2, 1.5):
            with self.subTest(scale=scale):
                gadget = self.open(settings_text(left=self.PLACE[0], top=self.PLACE[1]), at=None,
                                   extra_env={"QT_SCALE_FACTOR": str(scale)})

                def scaled(value):
                    return math.floor(value * scale + 0.5)

                gadget.wait_for_position((scaled(self.PLACE[0]), scaled(self.PLACE[1])))
                self.assertEqual(gadget.geometry(),
                                 Geometry(scaled(self.PLACE[0]), scaled(self.PLACE[1]),
                                          scaled(WINDOW_WIDTH), scaled(WINDOW_HEIGHT)))
                self.assertEqual(gadget.shape_extents(),
                                 (scaled(2), 0, scaled(WINDOW_WIDTH) - scaled(2),
                                  scaled(WINDOW_HEIGHT)))

                def click(key):
                    x, y = key_centre(key)
                    gadget.click(scaled(x), scaled(y))

                gadget.wait_for_lcd("0000", COUNTDOWN, scale=scale)
                click("7")
                gadget.wait_for_lcd("0007", COUNTDOWN, scale=scale)
                click("START")
                gadget.wait_for_lcd("0006", COUNTDOWN, scale=scale)
                click("OFF")
                self.assertEqual(gadget.wait_exit(), 0)
                self.assertEqual(self.desktop.read_settings().decode(),
                                 settings_text(left=self.PLACE[0], top=self.PLACE[1],
                                               run_flag=1))


class ShapeTest(GadgetTest):
    # Window pixels outside the rounded shape: the two cut-away columns and
    # the corners, and inside it: the edges' middles and just inside the arcs.
    OUTSIDE = [(0, 77), (1, 77), (0, 0), (1, 154),
               (2, 0), (3, 1), (183, 0), (182, 1), (2, 154), (3, 153), (183, 154), (182, 153)]
    INSIDE = [(2, 77), (183, 77), (92, 0), (92, 154),
              (6, 4), (179, 4), (6, 150), (179, 150)]

    def test_rounded_shape_keeps_the_face_less_two_columns(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                gadget = self.open(STORED, window_manager=window_manager)
                self.assertEqual(gadget.shape_extents(), (2, 0, 182, WINDOW_HEIGHT))
                # The shape decides where the pointer is over the window.
                for x, y in self.OUTSIDE:
                    self.assertFalse(gadget.hits(x, y), f"pixel {x},{y} is inside the shape")
                for x, y in self.INSIDE:
                    self.assertTrue(gadget.hits(x, y), f"pixel {x},{y} is outside the shape")


class DamagedSettingsTest(GadgetTest):
    def test_binary_junk_reads_as_no_settings(self):
        junk = bytes(random.Random(1).randrange(256) for _ in range(8192))
        self.assertNotIn(b"FORM1", junk)
        self.open(junk, at=(0, 0))
        self.assertEqual(self.desktop.read_settings(), junk)

    def test_junk_before_the_section_does_not_hide_it(self):
        junk = bytes(random.Random(2).randrange(256) for _ in range(4096))
        # Whatever the junk's last line holds, the section starts on a line of its own.
        self.open(junk + b"\n" + STORED.encode())

    def test_long_lines_are_passed_over(self):
        long_line = b"POJIX=" + b"9" * 100_000 + b"\n"
        self.open(b"[FORM1]\n" + b"#" * 100_000 + b"\n" + STORED.split("\n", 1)[1].encode() +
                  b"[JUNK]\n" + long_line)

    def test_one_long_line_without_end(self):
        self.open(b"x" * 100_000, at=(0, 0))

    def test_off_after_a_long_line_writes_a_file_the_next_start_reads(self):
        long_line = b";" + b"z" * 100_000 + b"\n"
        gadget = self.open(long_line + settings_text(left=200, top=100).encode())
        gadget.drag(*FACE_SPOTS[0], 50, 30, follows=True)
        self.assertEqual(self.off(), long_line.decode() + settings_text(left=250, top=130))
        self.start(at=(250, 130))


if __name__ == "__main__":
    unittest.main()
