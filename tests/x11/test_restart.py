"""A count outlives the program: a running countdown or stopwatch is taken
up again where it would stand now when pomelo starts after a kill or OFF,
and a countdown that ended meanwhile rings at start-up."""

import os
import re
import time
import unittest

from desktop import wait_until
from gadget import COUNTDOWN, STOPWATCH, GadgetTest


def drawn(gadget):
    """Waits for the first reading of the LCD that shows digits and the
    mode's marks: on a busy machine a picture may catch the window between
    drawing the one and the other."""
    def reading():
        shown = gadget.read_lcd()
        return shown if shown.digits.strip() and shown.indicators else None

    return wait_until(reading, message="the LCD to be drawn")


class RestartTest(GadgetTest):
    def kept_count(self):
        """The count file and its folder's and its own permissions."""
        folder = os.path.join(self.desktop.env["HOME"], ".local", "state", "pomelo")
        path = os.path.join(folder, "count")
        with open(path, encoding="utf-8") as file:
            text = file.read()
        return text, os.stat(folder).st_mode & 0o777, os.stat(path).st_mode & 0o777

    def test_a_killed_countdown_goes_on_where_it_would_stand(self):
        gadget = self.open(session_bus=True)
        self.command("2:00")
        gadget.wait_for_lcd("0159", COUNTDOWN)
        text, folder_mode, file_mode = self.kept_count()
        self.assertIn("FUNCTION=countdown\nRUNNING=1\nMINUTES=2\nSECONDS=0\n", text)
        self.assertEqual((folder_mode, file_mode), (0o700, 0o600))
        time.sleep(2)
        gadget.kill()
        time.sleep(4)
        # Started by hand with a STARTF of 0 in the settings: the kept count decides.
        again = self.start()
        shown = drawn(again)
        self.assertIn(shown.digits, {"0153", "0152", "0151"}, shown)
        self.assertEqual(shown.indicators, COUNTDOWN)
        self.assert_status(r"countdown running 01 5[0-3]")
        again.wait_for_lcd("0150", COUNTDOWN, timeout=5)

    def test_a_stopwatch_after_off_counts_its_whole_time(self):
        gadget = self.open(session_bus=True)
        self.command("--stopwatch")
        self.command("--start")
        gadget.wait_for_lcd({"0002", "0003"}, STOPWATCH)
        self.off()
        time.sleep(5)
        again = self.start()
        shown = drawn(again)
        self.assertEqual(shown.indicators, STOPWATCH)
        self.assertTrue(shown.digits.startswith("00") and 7 <= int(shown.digits) <= 10, shown)
        self.assert_status(r"stopwatch running 00 (0[7-9]|1[0-2])")

    def test_a_countdown_that_ended_meanwhile_rings_at_start_up(self):
        gadget = self.open(session_bus=True)
        notices = self.desktop.serve_notifications()
        self.command("0:03")
        gadget.wait_for_lcd({"0002", "0001"}, COUNTDOWN)
        gadget.kill()
        ended = time.localtime(time.time() + 2)
        time.sleep(6)
        again = self.start(at=None)
        again.wait_for_above(True)
        again.wait_for_lcd("0000", COUNTDOWN)
        # This desktop has no sound server, and the notice, replaced once the
        # sound's outcome is known, says so.
        calls = wait_until(lambda: [call for call in notices.calls()
                                    if call[0] == "Notify" and "\n" in call[5]],
                           message="the notice telling of the sound")
        body = calls[-1][5]
        match = re.fullmatch(r"The countdown of 00:03 ended at (\d\d):(\d\d), "
                             r"while pomelo was not running\.\nNo sound: no sound server\.",
                             body)
        self.assertIsNotNone(match, body)
        self.assertLessEqual(abs((int(match[1]) * 60 + int(match[2])) -
                                 (ended.tm_hour * 60 + ended.tm_min)) % (24 * 60 - 1), 1)
        # Rung once: a further start does not ring again.
        self.assertIn("RUNNING=0\nMINUTES=0\nSECONDS=0\n", self.kept_count()[0])

    def test_a_countdown_that_ended_days_ago_names_its_date(self):
        self.open_desktop(session_bus=True)
        notices = self.desktop.serve_notifications()
        # A countdown of 5:00 started three days ago, in an earlier boot.
        started = time.time() - 3 * 24 * 60 * 60
        folder = os.path.join(self.desktop.env["HOME"], ".local", "state", "pomelo")
        os.makedirs(folder, 0o700)
        with open(os.path.join(folder, "count"), "w", encoding="utf-8") as file:
            file.write("FUNCTION=countdown\nRUNNING=1\nMINUTES=5\nSECONDS=0\nHOURS=0\n"
                       f"KEYED=05:00\nWALLCLOCK={round(started * 1000)}\nBOOTCLOCK=0\n"
                       "BOOTID=an earlier boot\n")
        self.start(at=None, extra_env={"LANG": "de_DE.UTF-8"})
        body = wait_until(notices.calls, message="the notice")[-1][5]
        # German writes the date short as 24.12.26.
        self.assertEqual(body, time.strftime(
            "Der Countdown von 05:00 ist am %d.%m.%y um %H:%M Uhr abgelaufen, während pomelo "
            "nicht lief.\nKein Ton: kein Soundserver.", time.localtime(started + 5 * 60)))


if __name__ == "__main__":
    unittest.main()
