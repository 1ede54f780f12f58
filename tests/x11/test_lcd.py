"""What the keys put on the LCD, read off the screen; and the reader's own
strictness, on pictures made here: a digit drawn with a dot too many or too
few must not pass for a digit, or the tests would not see it."""

import unittest

from PIL import Image

from gadget import COUNTDOWN, STOPWATCH, WINDOW_HEIGHT, WINDOW_WIDTH, GadgetTest
from lcd_reader import (DIGIT_BOXES, DIGIT_DOTS, DOT, DOT_ORIGIN, DOT_PITCH, DOT_SIZE, GROUND,
                        LcdReader)


class LcdOnScreenTest(GadgetTest):
    def test_reads_what_the_keys_put_on_the_lcd(self):
        gadget = self.open(window_manager=False)
        gadget.wait_for_lcd("0000", COUNTDOWN)
        for keys, shown in (("1234", "1234"), ("5678", "5678"), ("90", "7890")):
            for key in keys:
                gadget.click_key(key)
            self.assertEqual(gadget.wait_for_lcd(shown).indicators, COUNTDOWN)
        gadget.click_key("MOD")  # the clock
        clock = gadget.wait_for_lcd(indicators={"colon"})
        self.assertRegex(clock.digits, r"^[ 12]\d[0-5]\d$")
        gadget.click_key("MOD")  # the stopwatch
        gadget.wait_for_lcd("0000", STOPWATCH)


def lcd_picture(*digits):
    """A window picture whose digit boxes show the dot patterns given, in
    order (None: a hidden box), with (x, y, colour) changes after each."""
    image = Image.new("RGB", (WINDOW_WIDTH, WINDOW_HEIGHT), GROUND)
    for (left, top), digit in zip(DIGIT_BOXES, digits):
        if digit is None:
            continue
        rows, *changes = digit
        for row, line in enumerate(rows):
            for column in (column for column, mark in enumerate(line) if mark == "#"):
                x = left + DOT_ORIGIN[0] + DOT_PITCH[0] * column
                y = top + DOT_ORIGIN[1] + DOT_PITCH[1] * row
                image.paste(DOT, (x, y, x + DOT_SIZE[0], y + DOT_SIZE[1]))
        for x, y, colour in changes:
            image.putpixel((left + x, top + y), colour)
    return image


class LcdReaderTest(unittest.TestCase):
    def test_only_a_whole_clean_digit_reads_as_one(self):
        for digit, rows in DIGIT_DOTS.items():
            with self.subTest(digit=digit):
                self.assertEqual(LcdReader(lcd_picture((rows,))).read().digits, digit + "   ")
        eight, one = DIGIT_DOTS["8"], DIGIT_DOTS["1"]
        for name, picture, digits in (
                ("no digit", lcd_picture((["#####"] * 7,)), "?   "),
                ("a dot cut", lcd_picture(None, (eight, (8, 5, GROUND))), " ?  "),
                ("a stray dot", lcd_picture(None, None, (one, (1, 1, DOT))), "  ? "),
                # The LCD has one ground: a box of ground alone is blank.
                ("ground alone", lcd_picture(None, None, None, ((),)), "    ")):
            with self.subTest(name):
                self.assertEqual(LcdReader(picture).read().digits, digits)


if __name__ == "__main__":
    unittest.main()
