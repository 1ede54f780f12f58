"""The alarm where no sound can be played: no sound server, no sound file
beside the program, or a file that is no sound. The window goes on top and
shakes all the same, nothing is heard, the alarm's notice says why, and the
program runs on. Silence counts only if the recording hears what is played,
which is checked too."""

import math
import os
import random
import re
import subprocess
import unittest

from desktop import Desktop, wait_until
from gadget import HOME
from test_alarm import AlarmTestCase


class SilentAlarmTest(AlarmTestCase):
    def open(self, sound=True, program=None):
        super().open(sound=sound, program=program, session_bus=True)
        self.notices = self.desktop.serve_notifications()

    def assert_notice_tells(self, reason, count=1):
        """The notice of the alarm (the count-th) says why no sound rings."""
        posts = wait_until(lambda: (lambda posts: posts if len(posts) >= count else None)(
            [call for call in self.notices.calls() if call[0] == "Notify"]),
            message=f"notice {count}")
        self.assertRegex(posts[count - 1][5], r"^The countdown of 00:02 ended at \d\d:\d\d\.\n"
                                              f"No sound: {re.escape(reason)}\\.$")

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
        cut_short = (b"RIFF" + (0x7FFFFFF0).to_bytes(4, "little") + b"WAVEfmt " +
                     (16).to_bytes(4, "little") + bytes.fromhex("0100010022560000ac440000"
                                                                "02001000") +
                     b"data" + (0x7FFFFFC0).to_bytes(4, "little") + junk[:64])
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
