"""The time of day, the countdown and the stopwatch on the LCD, read off the
screen, with the program's clock faked by libfaketime (the faked clock runs
on from the given time at the program's start)."""

import time
import unittest

from desktop import faketime_env
from gadget import COUNTDOWN, HOME, STOPWATCH, GadgetTest, settings_text

EVENING = "@2026-12-08 21:07:10"
MORNING = "@2026-12-08 09:05:20"


def seconds_shown(digits):
    """The minutes and seconds on the LCD as a number of seconds."""
    return int(digits[:2]) * 60 + int(digits[2:])


class ClockTestCase(GadgetTest):
    def assert_blinks(self, gadget, digits, indicators):
        """The colon is shown in one second and hidden in another, the rest
        stays as it is."""
        gadget.wait_for_lcd(digits, set(indicators) | {"colon"})
        gadget.wait_for_lcd(digits, set(indicators))
        gadget.wait_for_lcd(digits, set(indicators) | {"colon"})

    def watch_count(self, gadget, duration):
        """The values the LCD shows for duration seconds, each with the time
        it was first seen."""
        seen = []
        start = time.monotonic()
        while time.monotonic() - start < duration:
            digits = gadget.read_lcd().digits
            if not seen or seen[-1][1] != digits:
                seen.append((time.monotonic(), digits))
            time.sleep(0.02)
        return seen

    def assert_counts(self, seen, step):
        """The values change by one second at a time in the direction of step,
        once per second of the wall clock."""
        values = [seconds_shown(digits) for _, digits in seen]
        self.assertGreaterEqual(len(values), 3, f"the count did not run: {seen}")
        for before, after in zip(values, values[1:]):
            self.assertEqual(after - before, step, f"a step from {before} to {after}: {seen}")
        # From the first change seen to the last, one step per second; a step
        # seen late or early by the polling moves the span a little.
        span = seen[-1][0] - seen[1][0]
        self.assertAlmostEqual(span, len(values) - 2, delta=0.75, msg=f"{seen}")


class ClockTest(ClockTestCase):
    def test_evening_in_both_hour_formats_and_the_format_is_kept(self):
        gadget = self.open(extra_env=faketime_env(EVENING))
        gadget.click_key("MOD")
        self.assert_blinks(gadget, "2107", set())
        gadget.click_key("START")
        self.assert_blinks(gadget, " 907", {"P"})

        self.assertEqual(self.off(), settings_text(mode=1, left=HOME[0], top=HOME[1], hour12=1))
        # The next start opens in the clock, still in the 12-hour form.
        again = self.start(extra_env=faketime_env(EVENING))
        self.assert_blinks(again, " 907", {"P"})
        again.click_key("START")
        self.assert_blinks(again, "2107", set())

    def test_morning_blanks_the_hour_tens_and_shows_a(self):
        gadget = self.open(extra_env=faketime_env(MORNING))
        gadget.click_key("MOD")
        self.assert_blinks(gadget, " 905", set())
        gadget.click_key("START")
        self.assert_blinks(gadget, " 905", {"A"})


class CountingTest(ClockTestCase):
    def test_countdown_counts_down_in_real_seconds(self):
        gadget = self.open(extra_env=faketime_env(EVENING))
        gadget.wait_for_lcd("0000", COUNTDOWN)
        gadget.click_key("1")
        gadget.click_key("5")
        gadget.wait_for_lcd("0015", COUNTDOWN)
        gadget.click_key("START")
        seen = self.watch_count(gadget, 3.5)
        # A step may come at once after the start.
        self.assertIn(seen[0][1], ("0015", "0014"))
        self.assert_counts(seen, -1)
        # Paused, it stands still.
        gadget.click_saving("START")
        paused = gadget.read_lcd().digits
        self.assertEqual([digits for _, digits in self.watch_count(gadget, 1.5)], [paused])
        self.assertLess(seconds_shown(paused), seconds_shown(seen[-1][1]) + 1)

    def test_stopwatch_counts_up_in_real_seconds(self):
        gadget = self.open(settings_text(mode=2, left=HOME[0], top=HOME[1]),
                           extra_env=faketime_env(EVENING))
        gadget.wait_for_lcd("0000", STOPWATCH)
        gadget.click_key("START")
        seen = self.watch_count(gadget, 3.5)
        self.assertIn(seen[0][1], ("0000", "0001"))
        self.assert_counts(seen, 1)
        self.assertEqual(gadget.read_lcd().indicators, STOPWATCH)


if __name__ == "__main__":
    unittest.main()
