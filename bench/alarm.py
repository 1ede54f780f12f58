#!/usr/bin/env python3
"""Times the alarm's ring: from the LCD showing 00 00 to the first sample of
the ring reaching the sound server's sink, and from an answer (a click on
CLR) to silence. Prints a Markdown table; only figures, never a test.

The LCD's change is taken from the program's timestamped display log. The
sink is a PulseAudio null sink whose monitor parec reads with a short
latency; each chunk is stamped as it arrives, and the chunk that arrived
soonest after its samples fixes the wall-clock time of every sample. The
stream's end is seen by `pactl subscribe`. The answer is clicked just after
a beep has begun, so that the tone lasts through the time the ring takes to
stop; a figure past the beep's 70 ms would show as the next beep's end."""

import argparse
import array
import math
import os
import re
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "x11"))
from bench import DISPLAY_LOG, display_changes, median_row as row  # noqa: E402
from desktop import Desktop, wait_until  # noqa: E402
from gadget import Gadget  # noqa: E402

RATE = 44100
# The null sink's monitor is all zeros while nothing plays.
SOUNDING = 50
# Where in the ring to answer: just after the third group's first beep began.
ANSWER_AT = 2.005
COUNTDOWN_SECONDS = 2


class StampedRecording:
    """What the null sink plays, each sample with the wall-clock time it
    reached the sink's monitor."""

    def __init__(self, desktop):
        self.samples = array.array("h")
        self._origin = math.inf
        self._lock = threading.Lock()
        self._process = subprocess.Popen(
            ["parec", "-d", "null.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=5"],
            env=desktop.env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()
        wait_until(lambda: len(self.samples) > RATE // 10, message="the recording to start")

    def _read(self):
        pending = b""
        while chunk := os.read(self._process.stdout.fileno(), 4096):
            arrived = time.time()
            pending += chunk
            whole = len(pending) // 2 * 2
            with self._lock:
                self.samples.frombytes(pending[:whole])
                # A chunk arrives no sooner than its last sample was played.
                self._origin = min(self._origin, arrived - len(self.samples) / RATE)
            pending = pending[whole:]

    def length(self):
        with self._lock:
            return len(self.samples)

    def time_of(self, index):
        with self._lock:
            return self._origin + index / RATE

    def sounding(self, start, end=None):
        """Indices of the samples that sound, from start on."""
        with self._lock:
            window = self.samples[start:end]
        return [start + offset for offset, value in enumerate(window) if abs(value) > SOUNDING]

    def stop(self):
        self._process.terminate()
        self._process.wait(10)
        self._thread.join(10)


class StreamEvents:
    """When the sound server added and removed playback streams, from
    `pactl subscribe`, each line stamped as it arrives."""

    EVENT = re.compile(r"Event '(new|remove)' on sink-input #(\d+)")

    def __init__(self, desktop):
        self.events = []
        self._process = subprocess.Popen(["pactl", "subscribe"], env=desktop.env, text=True,
                                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                         stderr=subprocess.DEVNULL)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()

    def _read(self):
        for line in self._process.stdout:
            if match := self.EVENT.search(line):
                self.events.append((time.time(), match[1]))

    def removed_after(self, since):
        return next((stamp for stamp, kind in list(self.events)
                     if kind == "remove" and stamp >= since), None)

    def stop(self):
        self._process.terminate()
        self._process.wait(10)


def one_alarm(gadget, recording, streams):
    """Rings one alarm and answers it: (00 00 to the first sample, answer to
    the stream's removal, answer to the last sample), in ms."""
    start = recording.length()
    gadget.click_key(str(COUNTDOWN_SECONDS))
    gadget.click_key("START")
    first = wait_until(lambda: recording.sounding(start)[:1], timeout=COUNTDOWN_SECONDS + 5,
                       message="the ring")[0]
    rang = recording.time_of(first)
    # The drawing of 00 00 is the LCD's change nearest the ring (the one
    # before it came a second earlier); it may come after the ring, and be
    # logged later still.
    shown = min(wait_until(lambda: display_changes(gadget, rang - 0.5),
                           message="the LCD showing 00 00"), key=lambda stamp: abs(stamp - rang))

    time.sleep(max(0.0, rang + ANSWER_AT - time.time()))
    answered = time.time()
    gadget.click_key("CLR")
    removed = wait_until(lambda: streams.removed_after(answered), message="the stream's end")
    # A second later every sample of the answer's moment has been recorded.
    wait_until(lambda: recording.time_of(recording.length()) > answered + 1.0,
               message="a second of recording after the answer")
    heard = recording.sounding(first)
    last = recording.time_of(heard[-1])
    time.sleep(0.5)
    return (rang - shown) * 1000, (removed - answered) * 1000, (last - answered) * 1000


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the pomelo executable")
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    with Desktop(program=args.program, sound=True, session_bus=True) as desktop:
        gadget = Gadget.start(desktop, {"QT_LOGGING_RULES": DISPLAY_LOG})
        wait_until(lambda: display_changes(gadget, 0), message="the first drawing")
        recording = StampedRecording(desktop)
        streams = StreamEvents(desktop)
        try:
            figures = [one_alarm(gadget, recording, streams) for _ in range(args.runs)]
        finally:
            streams.stop()
            recording.stop()
            gadget.end()
    to_sound, to_removed, to_silence = zip(*figures)
    print("\n".join([
        f"| the alarm, {args.runs} runs | median | min | max |", "|---|---|---|---|",
        row("LCD showing 00 00 to the first ring sample at the sink", to_sound),
        row("a click on CLR to the ring's stream removed by the server", to_removed),
        row("a click on CLR to the last ring sample at the sink", to_silence)]))


if __name__ == "__main__":
    main()
