"""The gadget natively on a real Wayland compositor (weston, headless), where
no window learns its place or places itself: it draws its whole face with
the corners see-through, and START and OFF keep the place saved as it was."""

import os
import subprocess
import tempfile
import unittest

from PIL import Image, ImageChops

from desktop import DEFAULT_TIMEOUT, WESTON_BACKGROUND, wait_until
from gadget import COUNTDOWN, WINDOW_HEIGHT, WINDOW_WIDTH, GadgetTest, settings_text
from lcd_reader import LcdReader

# The top left of the window, above the digits: the rounded corner, the face
# and the LCD's frame and window.
TOP_LEFT = (0, 0, 70, 19)
# The shape cuts the window's two leftmost columns away.
CUT_COLUMNS = 2


def reference_window():
    """The window as the program draws it on Qt's offscreen platform, with
    what its shape cuts away transparent (the build's make_screenshot)."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "window.png")
        subprocess.run([os.environ["POMELO_SCREENSHOT"], path], check=True,
                       capture_output=True, timeout=DEFAULT_TIMEOUT)
        with Image.open(path) as picture:
            return picture.convert("RGBA")


class NativeWaylandTest(GadgetTest):
    def find_window(self):
        """The gadget's window off the compositor's screen, once it shows: the
        only thing on the screen that is not its background."""
        screen = self.desktop.screen_picture()
        background = Image.new("RGB", screen.size, WESTON_BACKGROUND)
        shown = ImageChops.difference(screen, background).getbbox()
        if shown is None:
            return None
        left, top, right, bottom = shown
        self.assertEqual((right - left, bottom - top), (WINDOW_WIDTH - CUT_COLUMNS, WINDOW_HEIGHT),
                         "the window shows more or less than its shape")
        left -= CUT_COLUMNS
        return screen.crop((left, top, left + WINDOW_WIDTH, top + WINDOW_HEIGHT))

    def settings_after(self, *args):
        """Runs the program with args for the copy that runs and returns the
        settings file once that has rewritten it."""
        before = self.desktop.settings_stamp()
        self.command(*args)
        wait_until(lambda: self.desktop.settings_stamp() != before,
                   message=f"pomelo {' '.join(args)} to write the settings")
        return self.desktop.read_settings().decode()

    def test_draws_whole_and_keeps_the_saved_place(self):
        self.open_desktop(wayland=True, session_bus=True)
        stored = settings_text(left=200, top=100)
        self.desktop.write_settings(stored)
        gadget = self.desktop.start_client([self.desktop.program])
        window = wait_until(self.find_window, message="the window on the compositor's screen")
        # No X display is there to fall back on: it runs on Wayland.
        self.assertNotIn("DISPLAY", self.desktop.env)
        wait_until(lambda: LcdReader(self.find_window()).read().indicators == COUNTDOWN,
                   message="the LCD to show the countdown")
        self.assertEqual(LcdReader(self.find_window()).read().digits, "0000")

        # Its top left is the face as the program draws it, and what the
        # shape cuts away shows the screen behind.
        reference = reference_window().crop(TOP_LEFT)
        shown = window.crop(TOP_LEFT)
        behind = Image.new("RGB", reference.size, WESTON_BACKGROUND)
        expected = Image.composite(reference.convert("RGB"), behind, reference.getchannel("A"))
        self.assertIsNone(ImageChops.difference(shown, expected).getbbox(),
                          "the window's top left differs from the face")

        # START writes the settings, the alarm rings, OFF writes them: the
        # place stays the one loaded. On top and the shake are refused, and
        # said so once.
        self.assertEqual(self.settings_after("0:01"), stored)
        wait_until(lambda: "cannot move itself" in self.desktop.output(gadget),
                   message="the alarm's shake")
        self.command()  # a relaunch
        self.assertEqual(self.settings_after("--quit"), stored)
        self.assertEqual(gadget.wait(DEFAULT_TIMEOUT), 0)
        log = self.desktop.output(gadget)
        self.assertEqual(log.count("cannot move itself"), 1, log)
        self.assertEqual(log.count("cannot stay above other windows"), 1, log)


if __name__ == "__main__":
    unittest.main()
