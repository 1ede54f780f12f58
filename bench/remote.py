#!/usr/bin/env python3
"""Times `pomelo 5:00` until the LCD shows 05 00: handed to a copy that runs,
and starting the gadget with it. Prints a Markdown table; only figures, never
a test.

The LCD's changes are taken from the program's timestamped display log, and
the window's mapping from xdotool polled every 10 ms."""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "x11"))
from bench import DISPLAY_LOG, display_changes, median_row as row  # noqa: E402
from desktop import Desktop, wait_until  # noqa: E402
from gadget import Gadget  # noqa: E402

LOG = {"QT_LOGGING_RULES": DISPLAY_LOG}


def to_running_copy(desktop, runs):
    """Exec to the LCD changed, and exec to the command's exit, in ms."""
    gadget = Gadget.start(desktop, LOG)
    wait_until(lambda: display_changes(gadget, 0), message="the first drawing")
    shown, ended = [], []
    for _ in range(runs):
        desktop.command("--clear")
        time.sleep(0.3)
        begun = time.time()
        desktop.command("5:00")
        ended.append((time.time() - begun) * 1000)
        changed = wait_until(lambda: display_changes(gadget, begun), message="the LCD")[0]
        shown.append((changed - begun) * 1000)
    gadget.end()
    return shown, ended


def starting_the_gadget(desktop, runs, args):
    """Exec to the window mapped, and to that with the LCD changed, in ms."""
    mapped, shown = [], []
    for _ in range(runs):
        begun = time.time()
        gadget = Gadget.start(desktop, LOG, wait_for_window=False, args=args)
        wait_until(gadget.find_windows, interval=0.01, message="the window")
        mapped.append((time.time() - begun) * 1000)
        changed = wait_until(lambda: display_changes(gadget, begun), message="the LCD")[0]
        shown.append(max(mapped[-1], (changed - begun) * 1000))
        gadget.end()
        time.sleep(0.3)
    return mapped, shown


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the pomelo executable")
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    with Desktop(program=args.program, session_bus=True) as desktop:
        shown, ended = to_running_copy(desktop, args.runs)
    with Desktop(program=args.program, session_bus=True) as desktop:
        _, started = starting_the_gadget(desktop, args.runs, ["5:00"])
        plain, _ = starting_the_gadget(desktop, args.runs, [])
    print("\n".join([
        f"| `pomelo 5:00`, {args.runs} runs | median | min | max |", "|---|---|---|---|",
        row("a copy runs: exec to its LCD showing 05 00", shown),
        row("a copy runs: exec to the command's exit", ended),
        row("none runs: exec to the window mapped, showing 05 00", started),
        row("(for comparison: plain `pomelo`, exec to the window mapped)", plain)]))


if __name__ == "__main__":
    main()
