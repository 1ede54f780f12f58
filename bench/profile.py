#!/usr/bin/env python3
"""Profiles what pomelo does in one second of each state of bench.py, under
valgrind's callgrind (all threads; independent of the machine's load): the
instructions it runs and the code pages it runs them from.

Once the state is entered, the counters are zeroed at the middle of a
wall-clock second and dumped at the middle of the next; the instructions are
summed and the distinct 4 KiB pages of the executed instructions' addresses
counted. Medians over --seconds such windows, taken after --warm-up seconds
in the state, by which time every picture a tick of the first ten seconds
shows has been drawn once. In a state that ticks once a second, both figures
are per tick.
"""

import argparse
import collections
import glob
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bench import STATES, Desktop, enter_state, fresh_gadget, wait_until  # noqa: E402

PAGE = 4096


def sleep_to_mid_second():
    time.sleep((0.5 - time.time() % 1.0) % 1.0)


def callgrind_wrapper(desktop, program):
    """A script that starts the program under callgrind, for Desktop.program;
    every executed instruction's address goes into the dumps."""
    script = os.path.join(desktop.root, "callgrind-pomelo")
    with open(script, "w") as file:
        file.write("#!/bin/sh\nexec valgrind --tool=callgrind --dump-instr=yes --dump-line=no "
                   "--compress-pos=no --compress-strings=no "
                   f"--callgrind-out-file={desktop.root}/callgrind.%p "
                   f"\"{os.path.abspath(program)}\" \"$@\"\n")
    os.chmod(script, 0o755)
    return script


def read_dump(path):
    """Instructions and code pages of a dump, in all and by file."""
    instructions, pages = collections.Counter(), collections.defaultdict(set)
    name = None
    skip_call_cost = False
    with open(path) as file:
        for line in file:
            if line.startswith("ob="):
                name = os.path.basename(line[3:].strip())
            elif line.startswith("calls="):
                skip_call_cost = True  # the next line is the call's inclusive cost
            elif line.startswith("0x"):
                if skip_call_cost:
                    skip_call_cost = False
                    continue
                address, cost = line.split()[:2]
                instructions[name] += int(cost)
                pages[name].add(int(address, 16) // PAGE)
    return instructions, {name: len(numbers) for name, numbers in pages.items()}


def one_second(desktop, pid):
    """(instructions, pages by file) over one second, mid-second to mid-second."""
    sleep_to_mid_second()
    subprocess.run(["callgrind_control", "--zero", str(pid)], check=True, capture_output=True)
    sleep_to_mid_second()
    subprocess.run(["callgrind_control", "--dump", str(pid)], check=True, capture_output=True)
    dump = max(glob.glob(f"{desktop.root}/callgrind.{pid}.*"), key=os.path.getmtime)
    return read_dump(dump)


def biggest(by_file, count=4):
    return ", ".join(f"{name} {value:,.0f}" for name, value in
                     sorted(by_file.items(), key=lambda item: -item[1])[:count])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the pomelo executable")
    parser.add_argument("--seconds", type=int, default=10, help="seconds per state")
    parser.add_argument("--warm-up", type=int, default=11, help="seconds before measuring")
    parser.add_argument("--states", nargs="*", default=STATES, choices=STATES)
    args = parser.parse_args()

    lines = ["| state | instructions/s | code pages/s | most instructions in | most pages in |",
             "|---|---|---|---|---|"]
    with Desktop(sound=True, session_bus=True, program=args.program) as desktop:
        desktop.program = callgrind_wrapper(desktop, args.program)
        for state in args.states:
            gadget = fresh_gadget(desktop, wait_for_window=False)
            # Start-up under callgrind takes a while.
            wait_until(gadget.find_windows, timeout=120, message="the window")
            time.sleep(3)
            enter_state(gadget, state)
            time.sleep(args.warm_up)
            seconds = [one_second(desktop, gadget.pid) for _ in range(args.seconds)]
            gadget.end()
            seconds.sort(key=lambda second: sum(second[0].values()))
            median = seconds[(len(seconds) - 1) // 2]
            lines.append(f"| {state} | {sum(median[0].values()):,} | {sum(median[1].values())} "
                         f"| {biggest(median[0])} | {biggest(median[1])} |")
            print(lines[-1], flush=True)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
