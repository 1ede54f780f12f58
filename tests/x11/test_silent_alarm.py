"""The alarm where no sound can be played: no sound server, one that does
not answer, no sound file beside the program, or a file that is no sound. The
window goes on top and shakes all the same, nothing is heard, the alarm's
notice says why, and the program runs on. Silence counts only if the
recording hears what is played, which is checked too."""

import math
import os
import random
import re
import subprocess
import time
import unittest

from desktop import DEFAULT_TIMEOUT, Desktop, wait_until
from gadget import COUNTDOWN, HOME
from test_alarm import AlarmTestCase

# How soon the window answers while the sound server does not: at once, but
# for a busy machine.
ANSWERS_WITHIN = 3.0


def wave(rate=11025, data=bytes(64), claimed=None):
    """A 16-bit mono PCM WAVE file of data, whose header says it holds
    claimed bytes of it."""
    claimed = len(data) if claimed is None else claimed
    return (b"RIFF" + (36 + claimed).to_bytes(4, "little") + b"WAVEfmt " +
            (16).to_bytes(4, "little") + (1).to_bytes(2, "little") + (1).to_bytes(2, "little") +
            rate.to_bytes(4, "little") + (2 * rate).to_bytes(4, "little") +
            (2).to_bytes(2, "little") + (16).to_bytes(2, "little") +
            b"data" + claimed.to_bytes(4, "little") + data)


def write(contents, size=None):
    """Puts at a path a file of contents, stretched to size bytes (sparse)."""
    def make(path):
        with open(path, "wb") as file:
            file.write(contents)
            if size is not None:
                file.truncate(size)
    return make


class SilentAlarmTest(AlarmTestCase):
    def open(self, sound=True, program=None):
        super().open(sound=sound, program=program, session_bus=True)
        self.notices = self.desktop.serve_notifications()

    def posts(self, count, timeout=DEFAULT_TIMEOUT):
        """The notices posted, once there are count of them."""
        return wait_until(lambda: (lambda posts: posts if len(posts) >= count else None)(
            [call for call in self.notices.calls() if call[0] == "Notify"]),
            timeout, f"notice {count}")

    def assert_notice_tells(self, reason, count=1, length="00:02"):
        """The notice of the alarm (the count-th, each a new one of its own),
        posted at once, is replaced under its id by one that says why no
        sound rings."""
        posted, replaced = self.posts(2 * count)[2 * count - 2:2 * count]
        first_line = f"The countdown of {length} ended at \\d\\d:\\d\\d\\."
        self.assertRegex(posted[5], f"^{first_line}$")
        self.assertEqual((posted[2], replaced[2]), (0, count))
        self.assertRegex(replaced[5], f"^{first_line}\nNo sound: {re.escape(reason)}\\.$")

    def test_without_a_sound_server_the_alarm_still_raises_and_shakes(self):
        self.open(sound=False)
        self.start_countdown(2)
        self.assert_shakes_home(HOME)
        self.assert_notice_tells("no sound server")
        self.assert_still_answers(HOME)

    def test_missing_sound_file_is_silence(self):
        self.open(program=self.program_copy())
        _, at_alarm = self.start_countdown(2)
        self.assert_shakes_home(HOME)
        self.assert_silent(at_alarm)
        self.assert_notice_tells("the sound file is missing")
        self.assert_still_answers(HOME)

    def test_broken_sound_file_is_silence(self):
        junk = bytes(random.Random(3).randrange(256) for _ in range(4096))
        # A wave header that promises far more than the file holds.
        cut_short = wave(rate=22050, data=junk[:64], claimed=0x7FFFFFC0)
        program = self.program_copy(beep=junk)
        self.open(program=program)
        # The file is looked up at each alarm, so one program meets them all.
        for alarm, contents in enumerate((junk, cut_short, b""), start=1):
            with self.subTest(size=len(contents)):
                with open(os.path.join(os.path.dirname(program), "BEEP"), "wb") as file:
                    file.write(contents)
                _, at_alarm = self.start_countdown(2)
                self.assert_shakes_home(HOME)
                self.assert_silent(at_alarm)
                self.assert_notice_tells("the sound file is broken", alarm)
                self.gadget.click_key("CLR")
                self.gadget.wait_for_above(False)
        self.assert_still_answers(HOME)

    def test_each_cause_of_a_sound_file_that_cannot_play_is_told(self):
        program = self.program_copy()
        beep = os.path.join(os.path.dirname(program), "BEEP")
        self.open(program=program)
        causes = (
            ("a pipe", os.mkfifo, "the sound file is not a regular file"),
            ("a folder", os.mkdir, "the sound file is not a regular file"),
            ("a link to itself", lambda path: os.symlink("BEEP", path),
             "the sound file cannot be read"),
            ("500 MB", write(wave(), 500_000_000), "the sound file is too large"),
            ("a rate of 2 GHz", write(wave(rate=2_000_000_000)),
             "the sound file's format is not supported"),
            ("more sound claimed than held", write(wave(claimed=1_000_000)),
             "the sound file is broken"),
        )
        for alarm, (name, make, reason) in enumerate(causes, start=1):
            with self.subTest(name):
                make(beep)
                _, at_alarm = self.start_countdown(1)
                self.assert_silent(at_alarm)
                self.assert_notice_tells(reason, alarm, length="00:01")
                self.gadget.click_key("CLR")
                self.gadget.wait_for_above(False)
                if os.path.isdir(beep) and not os.path.islink(beep):
                    os.rmdir(beep)
                else:
                    os.remove(beep)
        self.assert_still_answers(HOME)

    def test_a_sound_server_that_does_not_answer_holds_up_nothing(self):
        self.open()
        with self.desktop.sound_server_hung():
            self.start_countdown(2)
            self.posts(1, timeout=ANSWERS_WITHIN)
            self.assertEqual(self.desktop.command("--status").stdout, "countdown stopped 00 00\n")
            self.assert_notice_tells("the sound server does not answer")
            self.gadget.click_key("5")
            self.gadget.wait_for_lcd("0005", COUNTDOWN, timeout=ANSWERS_WITHIN)
        # Going on, the server soon starts the ring it was asked for, which
        # the key has answered already.
        time.sleep(2)
        self.assertEqual(self.desktop.playing_roles(), [])
        self.assertIsNone(self.gadget.process.poll())


class RecordingTest(unittest.TestCase):
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


if __name__ == "__main__":
    unittest.main()
