"""The alarm at the end of a countdown, on a real X server with a window
manager and a PulseAudio null sink: the window goes on top, shakes and comes
home, and the sound file beside the program is heard, also after the sound
server was restarted; it rings, as an alarm and growing louder, until a key
answers it. AlarmTestCase serves test_silent_alarm and test_remote too."""

import math
import os
import shutil
import tempfile
import unittest

from desktop import wait_until
from gadget import COUNTDOWN, FACE_SPOTS, HOME, TWIPS_PER_PIXEL, GadgetTest, settings_text

# Where a drag during the countdown takes the window.
DRAGGED = (HOME[0] + 300, HOME[1] + 250)
# A shake step moves the window by less than 1000 twips each way, which the
# program rounds to whole pixels: at most 67.
REACH = round(1000 / TWIPS_PER_PIXEL)
# Steps of the shake, each a move of both axes, and the move home at the end.
MOST_MOVES = 4 * 2 + 2
RATE = 44100
# The recording of a silent null sink is all zeros; the alarm is loud.
QUIET = 50
LOUD = 2000
# How soon after the window went on top the sound must be heard, in seconds.
SOUND_DELAY = 1.0
# How long a sound would surely have begun, had one been played.
SILENT_AFTER = 2.0
# The ring's first group of beeps is at a third of its full level, which it
# reaches within ten seconds and keeps until it is answered.
STILL_RINGING_AT = 12
# How soon a key press silences the ring, in seconds: at once, but for the
# way through the X server and the recording's own latency.
SILENCED_WITHIN = 0.3


def peak(samples):
    return max(map(abs, samples), default=0)


class AlarmTestCase(GadgetTest):
    def open(self, sound=True, **desktop):
        super().open(sound=sound, **desktop)
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        self.spy = self.desktop.watch(self.gadget.window)
        self.recording = None
        if sound:
            self.recording = self.desktop.record(RATE)
            self.recording.wait_started()

    def program_copy(self, beep=None):
        """A copy of the program in a folder of its own, with beep (bytes) as
        the sound file beside it, or none."""
        folder = self.enterContext(tempfile.TemporaryDirectory(prefix="pomelo-alarm-"))
        program = os.path.join(folder, "pomelo")
        shutil.copy2(os.environ["POMELO_BIN"], program)
        if beep is not None:
            with open(os.path.join(folder, "BEEP"), "wb") as file:
                file.write(beep)
        return program

    def recorded(self):
        return len(self.recording.samples()) if self.recording else 0

    def start_countdown(self, seconds, meanwhile=None):
        """Keys in a countdown of a few seconds and starts it with the click
        areas; meanwhile runs before the alarm. Returns how much was recorded
        at the start and once the window was seen on top."""
        self.assertFalse(self.gadget.is_above())
        self.gadget.click_key(str(seconds))
        self.gadget.wait_for_lcd(f"000{seconds}", COUNTDOWN)
        at_start = self.recorded()
        self.gadget.click_key("START")
        if meanwhile is not None:
            meanwhile()
        # Moves from here on are the shake's.
        self.spy.sync()
        self.moves_before = len(self.moves())
        self.shake_start = self.gadget.position()
        self.gadget.wait_for_above(True, timeout=seconds + 10)
        at_alarm = self.recorded()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        return at_start, at_alarm

    def drag_away(self):
        """Drags the window by its face to DRAGGED while the countdown runs."""
        self.gadget.drag(*FACE_SPOTS[0], DRAGGED[0] - HOME[0], DRAGGED[1] - HOME[1], follows=True)
        self.assertEqual(self.gadget.position(), DRAGGED)
        # Still counting: the shake that follows is this countdown's.
        self.assertNotEqual(self.gadget.read_lcd().digits, "0000")

    def moves(self):
        """Where the window was moved to, oldest first, in screen pixels."""
        # With a window manager the client's own ConfigureNotify events are
        # relative to its frame; the manager's synthetic ones are on the root.
        window_manager = self.desktop.window_manager
        return [event.position for event in self.spy.events()
                if event.name == "ConfigureNotify" and (event.synthetic or not window_manager)]

    def assert_shakes_home(self, home):
        """The window jumps right of and below home and comes to rest there."""
        def shaken_and_home():
            shake = self.moves()[self.moves_before:]
            return any(spot != home for spot in shake) and self.gadget.position() == home

        # Every step but the last leaves the window away from home, so once it
        # was away and is back, the shake is over.
        wait_until(shaken_and_home,
                   message=lambda: f"the window to shake and come back to {home} "
                                   f"(moves: {self.moves()[self.moves_before:]})")
        self.spy.sync()
        shake = self.moves()[self.moves_before:]
        for index, (x, y) in enumerate(shake):
            # Each step sets the top edge first, so the first move may keep
            # the left edge of wherever the window was.
            x_keeps = index == 0 and x == self.shake_start[0]
            self.assertTrue((0 <= x - home[0] <= REACH or x_keeps) and
                            0 <= y - home[1] <= REACH,
                            f"a shake step to {x},{y} from home at {home}: {shake}")
        self.assertEqual(shake[-1], home)
        self.assertEqual(self.gadget.position(), home)
        return shake

    def assert_still_answers(self, home):
        """The program runs on: a digit keys in, the window leaves the top,
        and the shake is over for good."""
        self.assertIsNone(self.gadget.process.poll())
        self.gadget.click_key("5")
        self.gadget.wait_for_lcd("0005", COUNTDOWN)
        self.gadget.wait_for_above(False)
        self.gadget.click_key("MOD")
        self.gadget.wait_for_lcd(indicators={"colon"})
        self.spy.sync()
        self.assertLessEqual(len(self.moves()) - self.moves_before, MOST_MOVES,
                             f"the shake goes on: {self.moves()[self.moves_before:]}")
        self.assertEqual(self.gadget.position(), home)
        self.assertIsNone(self.gadget.process.poll())

    def assert_heard(self, at_start, at_alarm, countdown):
        samples = wait_until(lambda: self.loud_second(), timeout=10,
                             message="a second of sound after the alarm")
        onset = self.onset(samples)
        # The alarm cannot come before countdown - 1 s after START. The
        # recording is the clock here, and a starved sound server drops some
        # of its samples: half that time still tells a sound at START apart.
        quiet_until = at_start + (countdown - 1) * RATE // 2
        self.assertGreaterEqual(onset, quiet_until, "a sound before the alarm")
        self.assertLess(peak(samples[:quiet_until]), QUIET)
        self.assertLessEqual(onset, at_alarm + SOUND_DELAY * RATE,
                             f"the sound began {(onset - at_alarm) / RATE:.2f} s after the "
                             f"window went on top")
        sound = samples[onset:onset + RATE]
        self.assertGreater(peak(sound), 4 * LOUD)
        self.assertGreater(math.sqrt(sum(value * value for value in sound) / len(sound)), LOUD)

    def onset(self, samples):
        return next((index for index, value in enumerate(samples) if abs(value) > LOUD), None)

    def assert_silenced_by(self, answer, within=SILENCED_WITHIN):
        """Answers the ringing alarm with answer() and checks that the ring
        goes within that many seconds, and stays gone."""
        self.assertEqual(self.desktop.playing_roles(), ["alarm"])
        answer()
        answered = self.recorded()
        wait_until(lambda: self.desktop.playing_roles() == [], message="the ring to stop")
        # The next group of beeps would have begun by then.
        samples = self.recording_until(answered + 2 * RATE)
        last = max(index for index, value in enumerate(samples) if abs(value) > LOUD)
        self.assertLessEqual(last, answered + within * RATE,
                             f"still heard {(last - answered) / RATE:.2f} s after the answer")

    def recording_until(self, length, timeout=10):
        """The recording once it holds length samples."""
        return wait_until(lambda: (lambda samples: samples if len(samples) >= length else None)(
            self.recording.samples()), timeout, f"{length / RATE:.1f} s of recording")

    def loud_second(self):
        """The recording once it holds a second past the first loud sample."""
        samples = self.recording.samples()
        onset = self.onset(samples)
        return samples if onset is not None and len(samples) >= onset + RATE else None

    def assert_silent(self, at_alarm):
        # Long after any sound would have begun, there is none.
        samples = self.recording_until(at_alarm + int(SILENT_AFTER * RATE))
        self.assertLess(peak(samples), QUIET, "a sound was played")


class AlarmTest(AlarmTestCase):
    def test_countdown_ends_on_top_shaking_and_heard(self):
        self.open()
        at_start, at_alarm = self.start_countdown(3)
        self.assert_shakes_home(HOME)
        self.assert_heard(at_start, at_alarm, 3)
        self.assert_still_answers(HOME)
        # Playing and stopping the sound are debug lines, printed only when asked for.
        self.assertNotIn("pomelo.sound", self.gadget.output())

    def test_the_ring_plays_as_an_alarm_growing_louder_until_a_key_answers_it(self):
        self.open()
        at_start, at_alarm = self.start_countdown(2)
        self.assert_heard(at_start, at_alarm, 2)
        self.assertEqual(self.desktop.playing_roles(), ["alarm"])
        # Unanswered, it still rings seconds later, and louder than at first.
        onset = self.onset(self.recording.samples())
        later = onset + STILL_RINGING_AT * RATE
        samples = self.recording_until(later + RATE, timeout=STILL_RINGING_AT + 10)
        first_group, then = samples[onset:onset + RATE // 2], samples[later:later + RATE]
        self.assertGreater(peak(then), 4 * LOUD)
        self.assertLess(peak(first_group), 0.6 * peak(then))
        self.assert_silenced_by(lambda: self.gadget.click_key("CLR"))
        self.gadget.wait_for_above(False)

    def test_shake_comes_home_to_where_the_window_was_dragged_and_off_keeps_it(self):
        self.open()
        self.start_countdown(6, meanwhile=self.drag_away)
        self.assert_shakes_home(DRAGGED)
        self.assert_still_answers(DRAGGED)
        self.assertEqual(self.off(), settings_text(mode=1, left=DRAGGED[0], top=DRAGGED[1]))

    def test_sound_file_is_found_beside_the_resolved_program(self):
        # Started through a link in a folder without BEEP, the program still
        # plays the file beside itself.
        folder = self.enterContext(tempfile.TemporaryDirectory(prefix="pomelo-link-"))
        link = os.path.join(folder, "pomelo")
        os.symlink(os.path.realpath(os.environ["POMELO_BIN"]), link)
        self.open(program=link)
        at_start, at_alarm = self.start_countdown(2)
        self.assert_shakes_home(HOME)
        self.assert_heard(at_start, at_alarm, 2)

    def test_sound_is_heard_again_after_the_sound_server_restarts(self):
        self.open()
        at_start, at_alarm = self.start_countdown(2)
        self.assert_heard(at_start, at_alarm, 2)
        self.gadget.click_key("CLR")
        self.gadget.wait_for_above(False)

        self.desktop.restart_sound_server()
        self.recording = self.desktop.record(RATE)
        self.recording.wait_started()
        at_start, at_alarm = self.start_countdown(2)
        self.assert_heard(at_start, at_alarm, 2)


if __name__ == "__main__":
    unittest.main()
