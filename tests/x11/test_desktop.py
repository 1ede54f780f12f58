"""The test desktop itself: private, complete, side by side with others, and
gone without a trace when it closes."""

import math
import os
import stat
import struct
import subprocess
import unittest

from desktop import (DIGIT_BOXES, DIGIT_DOTS, DOT, LCD_WINDOW, PICTURE_GROUND, Desktop,
                     LcdReader, LcdReading, XwdImage, faketime_env, key_centre, settings_text,
                     wait_until)


def processes_alive(processes):
    return [process.args[0] for process in processes if process.poll() is None]


class DesktopTest(unittest.TestCase):
    def test_private_folders_and_own_display(self):
        with Desktop() as first, Desktop(window_manager=False) as second:
            self.assertNotEqual(first.display, second.display)
            env = first.env
            for name in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"):
                self.assertTrue(env[name].startswith(first.root + os.sep), name)
            self.assertEqual(stat.S_IMODE(os.stat(first.runtime_dir).st_mode), 0o700)
            self.assertEqual(first.settings_path,
                             os.path.join(env["XDG_CONFIG_HOME"], "pomelo.ini"))
            self.assertIn("window id #", first.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
            self.assertNotIn("window id #",
                             second.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))

    def test_everything_ends_and_goes_also_after_a_failure(self):
        with self.assertRaises(ZeroDivisionError):
            with Desktop(sound=True) as desktop:
                desktop.start_gadget()
                processes = list(desktop._processes)
                root, display = desktop.root, desktop.display
                self.assertEqual(len(processes_alive(processes)), 4)
                1 / 0
        self.assertEqual(processes_alive(processes), [])
        self.assertFalse(os.path.exists(root))
        self.assertFalse(os.path.exists(f"/tmp/.X{display[1:]}-lock"))

    def test_faked_clock(self):
        with Desktop(window_manager=False) as desktop:
            env = desktop.env
            env.update(faketime_env("@2001-02-03 04:05:06"))
            result = subprocess.run(["date", "+%Y-%m-%d %H:%M"], env=env, capture_output=True,
                                    text=True, check=True, timeout=10)
            self.assertEqual(result.stdout.strip(), "2001-02-03 04:05")

    def test_recording_hears_what_is_played(self):
        with Desktop(window_manager=False, sound=True) as desktop:
            recording = desktop.record(rate=8000)
            recording.wait_started()
            tone = b"".join(
                int(20000 * math.sin(2 * math.pi * 440 * i / 8000)).to_bytes(2, "little",
                                                                            signed=True)
                for i in range(4000))
            subprocess.run(["pacat", "--raw", "--format=s16le", "--rate=8000", "--channels=1"],
                           input=tone, env=desktop.env, check=True, timeout=10)
            wait_until(lambda: max(map(abs, recording.samples()), default=0) > 15000,
                       message="the tone in the recording")
            samples = recording.stop()
            self.assertLess(max(map(abs, samples[:50])), 1000)  # silence before it


def xwd_file(width, height, colour, bits_per_pixel=32, msb_first=False, name=b"pomelo\0",
             colours=3):
    """An XWD file as xwd writes it, of a picture whose pixel (x, y) is
    colour(x, y); the unused bytes of each pixel and line are junk."""
    bytes_per_pixel = bits_per_pixel // 8
    bytes_per_line = (width * bytes_per_pixel + 3 + 4) // 4 * 4  # with padding
    header = struct.pack(">25I", 100 + len(name), 7, 2, 24, width, height, 0,
                         1 if msb_first else 0, 32, 0, 32, bits_per_pixel, bytes_per_line, 4,
                         0xFF0000, 0xFF00, 0xFF, 8, 256, colours, width, height, 0, 0, 0)
    colour_map = b"".join(struct.pack(">IHHHBB", index, 0, 0, 0, 7, 0)
                          for index in range(colours))
    data = bytearray()
    for y in range(height):
        line = bytearray()
        for x in range(width):
            red, green, blue = colour(x, y)
            value = (red << 16) | (green << 8) | blue
            if bytes_per_pixel == 4:
                value |= 0xA5 << 24
            line += value.to_bytes(bytes_per_pixel, "big" if msb_first else "little")
        line += b"\x5a" * (bytes_per_line - len(line))
        data += line
    return header + name + colour_map + bytes(data)


class FakeLcd:
    """A window picture with the LCD showing what it is told."""

    def __init__(self):
        self.pixels = {}

    def pixel(self, x, y):
        return self.pixels.get((x, y), LCD_WINDOW)

    def box(self, left, top, width, height, rows=()):
        for y in range(height):
            for x in range(width):
                dot = y < len(rows) and x < len(rows[y]) and rows[y][x] == "#"
                self.pixels[left + x, top + y] = DOT if dot else PICTURE_GROUND

    def digit(self, position, pattern):
        rows = [["."] * 25 for _ in range(42)]
        for row, line in enumerate(pattern):
            for column, mark in enumerate(line):
                if mark == "#":
                    for y in range(4):
                        for x in range(3):
                            rows[4 + 5 * row + y][3 + 4 * column + x] = "#"
        self.box(*DIGIT_BOXES[position], 24, 41, ["".join(row) for row in rows])


class XwdImageTest(unittest.TestCase):
    def colour(self, x, y):
        return (x * 40 % 256, y * 70 % 256, (x + y) * 3 % 256)

    def test_pixels_in_every_layout(self):
        for bits_per_pixel in (24, 32):
            for msb_first in (False, True):
                with self.subTest(bits_per_pixel=bits_per_pixel, msb_first=msb_first):
                    image = XwdImage(xwd_file(7, 5, self.colour, bits_per_pixel, msb_first))
                    self.assertEqual((image.width, image.height), (7, 5))
                    for y in range(5):
                        for x in range(7):
                            self.assertEqual(image.pixel(x, y), self.colour(x, y))
                    with self.assertRaises(IndexError):
                        image.pixel(7, 0)

    def test_damaged_files_are_refused(self):
        data = xwd_file(7, 5, self.colour)
        for damaged in (data[:60], data[:-1], data[:4] + struct.pack(">I", 6) + data[8:],
                        data[:44] + struct.pack(">I", 16) + data[48:]):
            with self.assertRaises(ValueError):
                XwdImage(damaged)


class LcdReaderTest(unittest.TestCase):
    def test_each_digit_blank_and_unreadable(self):
        lcd = FakeLcd()
        for digit, pattern in DIGIT_DOTS.items():
            lcd.digit(0, pattern)
            self.assertEqual(LcdReader(lcd).read(), LcdReading(digit + "   ", frozenset()))
        lcd.digit(1, ["#####"] * 7)  # no digit
        lcd.digit(2, DIGIT_DOTS["8"])
        lcd.pixels[DIGIT_BOXES[2][0] + 8, DIGIT_BOXES[2][1] + 5] = PICTURE_GROUND  # a dot cut
        lcd.digit(3, DIGIT_DOTS["1"])
        lcd.pixels[DIGIT_BOXES[3][0] + 1, DIGIT_BOXES[3][1] + 1] = DOT  # a stray dot
        self.assertEqual(LcdReader(lcd).read().digits, "9???")
        # Half a picture: ground on part of the box only.
        lcd = FakeLcd()
        lcd.box(*DIGIT_BOXES[0], 24, 20)
        self.assertEqual(LcdReader(lcd).read().digits, "?   ")

    def test_overlapping_indicators(self):
        lcd = FakeLcd()
        # The colon alone: the letters in its box are not taken as shown.
        pair = ["........###" + "." * 14] * 4
        lcd.box(71, 19, 20, 41, ["." * 25] * 14 + pair + ["." * 25] * 6 + pair)
        self.assertEqual(LcdReader(lcd).read().indicators, {"colon"})
        # A plain box of ground is none of the pictures.
        lcd = FakeLcd()
        lcd.box(141, 37, 21, 27)
        self.assertEqual(LcdReader(lcd).read().indicators, set())

    def test_scaled_picture(self):
        lcd = FakeLcd()
        lcd.digit(3, DIGIT_DOTS["7"])
        scaled = FakeLcd()
        scaled.pixels = {(2 * x + dx, 2 * y + dy): colour for (x, y), colour in lcd.pixels.items()
                         for dx in (0, 1) for dy in (0, 1)}
        self.assertEqual(LcdReader(scaled, scale=2).read().digits, "   7")


class LcdOnScreenTest(unittest.TestCase):
    def test_reads_what_the_keys_put_on_the_lcd(self):
        with Desktop(window_manager=False) as desktop:
            desktop.write_settings(settings_text(left=200, top=100))
            gadget = desktop.start_gadget()
            gadget.wait_for_position((200, 100))
            gadget.wait_for_lcd("0000", {"M", "S", "dial"})
            for keys, shown in (("1234", "1234"), ("5678", "5678"), ("90", "7890")):
                for key in keys:
                    gadget.click_key(key)
                self.assertEqual(gadget.wait_for_lcd(shown).indicators, {"M", "S", "dial"})
            gadget.click_key("MOD")  # the clock
            clock = gadget.wait_for_lcd(indicators={"colon"})
            self.assertRegex(clock.digits, r"^[ 12]\d[0-5]\d$")
            gadget.click_key("MOD")  # the stopwatch
            gadget.wait_for_lcd("0000", {"M", "S", "runner"})


if __name__ == "__main__":
    unittest.main()
