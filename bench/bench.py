#!/usr/bin/env python3
"""Measures what pomelo costs while it sits on a desktop, beside xclock.

Runs both under a private Xvfb with openbox, a PulseAudio null sink and a
session bus, and prints a Markdown table: CPU time and wake-ups per second in
each state (timed ones apart), memory, time from exec to a mapped window, how
soon after each wall-clock second the LCD changes, the gadget's cost with
and without `pomelo --follow` attached and the follower's own, and (with
--accuracy) how far from 600 s a 10-minute countdown rings. Never part of the tests: it only
reports figures.
"""

import argparse
import os
import platform
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "x11"))
from desktop import Desktop, wait_until  # noqa: E402
from gadget import Gadget  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
DISPLAY_LOG = "pomelo.display.debug=true"


# -- reading a process from /proc ----------------------------------------------


def median_row(name, values):
    """A table row of the median, least and most of figures in milliseconds."""
    return (f"| {name} | {statistics.median(values):.0f} ms | {min(values):.0f} ms "
            f"| {max(values):.0f} ms |")

def tasks(pid):
    return os.listdir(f"/proc/{pid}/task")


def cpu_seconds(pid):
    """User plus system time, from /proc/PID/stat (clock-tick resolution)."""
    with open(f"/proc/{pid}/stat") as file:
        fields = file.read().rpartition(")")[2].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def thread_figures(pid):
    """Per thread: time on a CPU from schedstat (nanoseconds), and voluntary
    plus involuntary switches (every wake-up is one)."""
    figures = {}
    for task in tasks(pid):
        with open(f"/proc/{pid}/task/{task}/schedstat") as file:
            nanoseconds = int(file.read().split()[0])
        switches = 0
        with open(f"/proc/{pid}/task/{task}/status") as file:
            for line in file:
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    switches += int(line.split()[1])
        figures[task] = (nanoseconds, switches)
    return figures


def growth(before, after):
    """What the threads alive at the end added since the start; a thread that
    ended in between takes its figures with it, and must not count negative."""
    return [sum(values[index] - before.get(task, (0, 0))[index] for task, values in after.items())
            for index in (0, 1)]


def memory_kib(pid):
    values = {}
    with open(f"/proc/{pid}/status") as file:
        for line in file:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                values[name] = int(value.split()[0])
    return values["VmRSS"], values["VmHWM"]


class Usage:
    """CPU and wake-ups of a process over an interval."""

    def __init__(self, pid):
        self.pid = pid
        self.start = (time.monotonic(), cpu_seconds(pid), thread_figures(pid))

    def finish(self):
        now = (time.monotonic(), cpu_seconds(self.pid), thread_figures(self.pid))
        seconds = now[0] - self.start[0]
        nanoseconds, switches = growth(self.start[2], now[2])
        return {
            "cpu_ms_per_min": (now[1] - self.start[1]) * 1000 * 60 / seconds,
            "sched_ms_per_min": nanoseconds / 1e6 * 60 / seconds,
            "wakeups_per_s": switches / seconds,
        }


class Wakeups:
    """Why the threads of a process woke over an interval, from strace: a
    timed wake-up is a sleep that ended because its timeout ran out (a poll
    or select that returned nothing, a futex wait that timed out, a sleep);
    the others came from a file descriptor (the X connection, a bus, another
    thread). Run apart from the CPU figures, which tracing would inflate."""

    SLEEPS = ("poll,ppoll,select,pselect6,epoll_wait,epoll_pwait,futex,nanosleep,clock_nanosleep,"
              "restart_syscall")
    CALL = re.compile(r"^(\d+) +(\w+)\((.*)\) += (-?\d+)(.*)$")
    NO_WAIT = re.compile(r"^(poll|epoll_wait)\(.*, 0$|^ppoll\(.*\{tv_sec=0, tv_nsec=0\}|"
                         r"^p?select6?\(.*\{tv_sec=0, tv_n?u?sec=0\}")

    def __init__(self, pid, path):
        self.path = path
        self.start = time.monotonic()
        self.tracer = subprocess.Popen(
            ["strace", "-f", "-qq", "-e", f"trace={self.SLEEPS}", "-e", "signal=none",
             "-o", path, "-p", str(pid)], stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def finish(self):
        seconds = time.monotonic() - self.start
        self.tracer.terminate()
        self.tracer.wait(10)
        timed = woken = 0
        for name, args, result, note in self._calls():
            call = f"{name}({args}"
            if name == "futex":
                if "FUTEX_WAIT" not in args:
                    continue
                timed += "ETIMEDOUT" in note
                woken += result == "0"
            elif name.endswith("sleep"):
                timed += result == "0"
            elif name == "restart_syscall":
                # The sleep that was going on when tracing began.
                timed += result == "0" and "futex" not in args
            elif not self.NO_WAIT.match(call):
                timed += result == "0"
                woken += result not in ("0", "-1")
        return {"timed_per_s": timed / seconds, "woken_per_s": woken / seconds}

    def _calls(self):
        """(name, arguments, result, note) of each finished call, with calls
        that another thread's output split in two joined again."""
        pending = {}
        with open(self.path, errors="replace") as file:
            for line in file:
                line = line.rstrip("\n")
                tid, _, rest = line.partition(" ")
                if rest.endswith("<unfinished ...>"):
                    pending[tid] = rest[:-len("<unfinished ...>")].rstrip()
                    continue
                if rest.startswith("<... "):
                    rest = pending.pop(tid, "") + rest.partition(" resumed>")[2]
                match = self.CALL.match(f"{tid} {rest}")
                if match:
                    yield match.group(2), match.group(3), match.group(4), match.group(5)


# -- the measurements ---------------------------------------------------------

def display_changes(gadget, since):
    """Wall-clock times (s) at which the LCD changed, from the display log."""
    times = []
    for line in gadget.output().splitlines():
        if "display changed at" in line:
            stamp = float(line.rsplit(" ", 1)[1])
            if stamp >= since:
                times.append(stamp)
    return times


def latency_ms(stamps):
    """How long after its wall-clock second each change came."""
    return [(stamp - int(stamp)) * 1000 for stamp in stamps]


def fresh_gadget(desktop, extra_env=None, wait_for_window=True):
    """A copy started as on first use: START saves the mode, and a count is
    kept for the next start, so neither file (a running countdown left by
    the last copy would otherwise go on in the next)."""
    for path in (desktop.settings_path,
                 os.path.join(desktop.home, ".local", "state", "pomelo", "count")):
        if os.path.exists(path):
            os.remove(path)
    return Gadget.start(desktop, extra_env, wait_for_window)


def enter_state(gadget, state):
    """From a fresh start in the stopped countdown into `state`."""
    keys = {
        "countdown stopped": (),
        "countdown running": ("9", "9", "9", "9", "START"),
        "clock": ("MOD",),
        "stopwatch running": ("MOD", "MOD", "START"),
        "stopwatch stopped": ("MOD", "MOD", "START", "START"),
    }[state]
    for key in keys:
        gadget.click_key(key)
    # Idle is with the pointer elsewhere: over the window, Qt asks the server
    # where the pointer is whenever a picture shows or hides.
    gadget.desktop.move_pointer(1000, 700)
    time.sleep(1.5)


STATES = ("countdown stopped", "countdown running", "clock", "stopwatch running",
          "stopwatch stopped")


def measure_states(desktop, seconds, measure):
    """`measure(pid)` of each state, with xclock measured over the same interval."""
    xclock = desktop.start_client(["xclock", "-digital", "-update", "1"])
    desktop.wait_for_window_named("xclock")
    rows = {}
    for state in STATES:
        gadget = fresh_gadget(desktop)
        enter_state(gadget, state)
        ours, theirs = measure(gadget.pid), measure(xclock.pid)
        time.sleep(seconds)
        rows[state] = (ours.finish(), theirs.finish())
        gadget.end()
    _end_client(xclock)
    return rows


def _end_client(process):
    process.terminate()
    process.wait(10)


FOLLOWED_STATES = ("countdown stopped", "countdown running")


def measure_following(desktop, seconds):
    """The gadget with no follower and with `pomelo --follow` attached, and
    the follower itself, in the idle countdown and a running one: per case,
    (gadget, follower or None) figures of Usage, then of Wakeups in a second
    pass."""
    rows = {}
    for state in FOLLOWED_STATES:
        for followed in (False, True):
            passes = []
            for measure in (Usage, lambda pid: Wakeups(
                    pid, os.path.join(desktop.root, f"strace-follow-{pid}.txt"))):
                gadget = fresh_gadget(desktop)
                enter_state(gadget, state)
                follower = (desktop.start_client([desktop.program, "--follow"])
                            if followed else None)
                time.sleep(1)
                ours = measure(gadget.pid)
                theirs = measure(follower.pid) if follower else None
                time.sleep(seconds)
                passes.append((ours.finish(), theirs.finish() if theirs else None))
                if follower:
                    _end_client(follower)
                gadget.end()
            rows[(state, followed)] = passes
    return rows


def measure_latency(desktop, seconds):
    """How long after each wall-clock second the LCD changes, from the display
    log, which is switched on only here so that it costs the CPU figures nothing."""
    latencies = {}
    for state in ("clock", "countdown running"):
        gadget = fresh_gadget(desktop, {"QT_LOGGING_RULES": DISPLAY_LOG})
        enter_state(gadget, state)
        wall_start = time.time()
        time.sleep(seconds)
        latencies[state] = latency_ms(display_changes(gadget, wall_start))
        gadget.end()
    return latencies


def measure_memory(desktop):
    gadget = fresh_gadget(desktop)
    xclock = desktop.start_client(["xclock", "-digital", "-update", "1"])
    desktop.wait_for_window_named("xclock")
    time.sleep(2)
    started, theirs = memory_kib(gadget.pid), memory_kib(xclock.pid)
    gadget.click_key("1")
    gadget.click_key("START")
    gadget.wait_for_above(True, timeout=5)
    time.sleep(2)  # two seconds into the ring
    rang = memory_kib(gadget.pid)
    gadget.end()
    return started, rang, theirs


def time_to_window(desktop, command, find, runs):
    """Median of exec-to-mapped-window times, polling for the window every 10 ms."""
    times = []
    for _ in range(runs):
        begun = time.monotonic()
        process = subprocess.Popen(command, env=desktop.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: find(process.pid), timeout=10, interval=0.01,
                   message=f"a window of {command[0]}")
        times.append((time.monotonic() - begun) * 1000)
        process.terminate()
        process.wait(10)
        time.sleep(0.3)
    return statistics.median(times), min(times), max(times)


def measure_start_up(desktop, runs):
    def pomelo_window(pid):
        out = desktop.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                          check=False).stdout
        return out.strip()

    def xclock_window(_pid):
        out = desktop.run(["xdotool", "search", "--onlyvisible", "--name", "^xclock$"],
                          check=False).stdout
        return out.strip()

    ours = time_to_window(desktop, [desktop.program], pomelo_window, runs)
    theirs = time_to_window(desktop, ["xclock", "-digital", "-update", "1"], xclock_window, runs)
    return ours, theirs


def measure_accuracy(desktop):
    gadget = fresh_gadget(desktop)
    for key in ("1", "0", "0", "0"):
        gadget.click_key(key)
    pressed = time.monotonic()
    gadget.click_key("START")
    time.sleep(597)
    wait_until(gadget.is_above, timeout=10, interval=0.02, message="the alarm")
    rang = time.monotonic() - pressed
    gadget.end()
    return rang


# -- the report ---------------------------------------------------------------

def ratio(ours, theirs):
    return f"{ours / theirs:.2f}×" if theirs > 0 else "–"


def machine():
    model = "unknown CPU"
    with open("/proc/cpuinfo") as file:
        for line in file:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{platform.node()}, {model}, {os.cpu_count()} cores, {platform.platform()}"


def following_lines(following):
    lines = ["", "With and without `pomelo --follow` attached (same method; the follower "
             "measured over the same interval as the gadget).", "",
             "| state | follower | pomelo on-CPU ms/min | pomelo wake-ups/s "
             "| pomelo timed wake-ups/s | follower on-CPU ms/min | follower wake-ups/s "
             "| follower timed wake-ups/s |", "|---|---|---|---|---|---|---|---|"]
    for (state, followed), ((usage, follower_usage), (wakes, follower_wakes)) in following.items():
        theirs = (f"{follower_usage['sched_ms_per_min']:.1f} "
                  f"| {follower_usage['wakeups_per_s']:.2f} "
                  f"| {follower_wakes['timed_per_s']:.2f}" if followed else "– | – | –")
        lines.append(f"| {state} | {'attached' if followed else 'none'} "
                     f"| {usage['sched_ms_per_min']:.1f} | {usage['wakeups_per_s']:.2f} "
                     f"| {wakes['timed_per_s']:.2f} | {theirs} |")
    return lines


def report(args, rows, wakeups, latencies, memory, start_up, accuracy, following):
    lines = [f"## {time.strftime('%Y-%m-%d %H:%M %Z')}", "",
             f"Machine: {machine()}  ", f"Command: `{' '.join(sys.argv)}`", "",
             f"CPU and wake-ups over {args.seconds} s per state, pomelo and "
             "`xclock -digital -update 1` measured over the same interval "
             "(CPU: user + system from /proc/PID/stat, clock-tick resolution; "
             "on-CPU time from schedstat; wake-ups: context switches; both over the "
             "threads alive at the end; "
             "timed wake-ups: sleeps of any thread that ended by their timeout, "
             "counted with strace in a second pass of the same length).", "",
             "| state | pomelo CPU ms/min | xclock CPU ms/min | ratio | pomelo on-CPU ms/min "
             "| xclock on-CPU ms/min | ratio | pomelo timed wake-ups/s | pomelo wake-ups/s "
             "| xclock timed wake-ups/s | xclock wake-ups/s |",
             "|---|---|---|---|---|---|---|---|---|---|---|"]
    for state, (ours, theirs) in rows.items():
        our_wakes, their_wakes = wakeups[state]
        lines.append(
            f"| {state} | {ours['cpu_ms_per_min']:.0f} | {theirs['cpu_ms_per_min']:.0f} "
            f"| {ratio(ours['cpu_ms_per_min'], theirs['cpu_ms_per_min'])} "
            f"| {ours['sched_ms_per_min']:.1f} | {theirs['sched_ms_per_min']:.1f} "
            f"| {ratio(ours['sched_ms_per_min'], theirs['sched_ms_per_min'])} "
            f"| {our_wakes['timed_per_s']:.2f} | {ours['wakeups_per_s']:.2f} "
            f"| {their_wakes['timed_per_s']:.2f} | {theirs['wakeups_per_s']:.2f} |")
    started, rang, theirs = memory
    lines += ["", "| memory | pomelo | xclock | ratio |", "|---|---|---|---|",
              f"| RSS after start-up | {started[0] / 1024:.1f} MiB | {theirs[0] / 1024:.1f} MiB "
              f"| {ratio(started[0], theirs[0])} |",
              f"| peak RSS after start-up | {started[1] / 1024:.1f} MiB "
              f"| {theirs[1] / 1024:.1f} MiB | {ratio(started[1], theirs[1])} |",
              f"| RSS after an alarm | {rang[0] / 1024:.1f} MiB | – | – |",
              f"| peak RSS after an alarm | {rang[1] / 1024:.1f} MiB | – | – |"]
    ours, theirs = start_up
    lines += ["", f"| exec to mapped window, {args.starts} starts | median | min | max |",
              "|---|---|---|---|",
              f"| pomelo | {ours[0]:.0f} ms | {ours[1]:.0f} ms | {ours[2]:.0f} ms |",
              f"| xclock | {theirs[0]:.0f} ms | {theirs[1]:.0f} ms | {theirs[2]:.0f} ms |",
              f"| ratio | {ratio(ours[0], theirs[0])} | | |"]
    lines += ["", "Display latency: wall-clock time of each LCD change after the start of "
              "its second, from pomelo's timestamped `pomelo.display` debug log "
              "(no figure for xclock).", "",
              "| state | changes | median | max |", "|---|---|---|---|"]
    for state in ("clock", "countdown running"):
        values = latencies.get(state) or [float("nan")]
        lines.append(f"| {state} | {len(latencies.get(state, []))} "
                     f"| {statistics.median(values):.1f} ms | {max(values):.1f} ms |")
    lines += following_lines(following)
    if accuracy is not None:
        lines += ["", f"10-minute countdown: START to alarm {accuracy:.2f} s "
                  f"({accuracy - 600:+.2f} s from 600 s; the count starts at the next "
                  "wall-clock second, so 599..600 s is exact)."]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the pomelo executable")
    parser.add_argument("--seconds", type=int, default=60,
                        help="seconds per measured state")
    parser.add_argument("--starts", type=int, default=10, help="start-ups to time")
    parser.add_argument("--accuracy", action="store_true",
                        help="also time a 10-minute countdown against the wall clock")
    parser.add_argument("--results", help="append the table to this Markdown file")
    args = parser.parse_args()

    with Desktop(sound=True, session_bus=True, program=args.program) as desktop:
        rows = measure_states(desktop, args.seconds, Usage)
        wakeups = measure_states(desktop, args.seconds, lambda pid: Wakeups(
            pid, os.path.join(desktop.root, f"strace-{pid}.txt")))
        latencies = measure_latency(desktop, args.seconds)
        following = measure_following(desktop, args.seconds)
    with Desktop(sound=True, session_bus=True, program=args.program) as desktop:
        memory = measure_memory(desktop)
    with Desktop(sound=True, session_bus=True, program=args.program) as desktop:
        start_up = measure_start_up(desktop, args.starts)
    accuracy = None
    if args.accuracy:
        with Desktop(sound=True, session_bus=True, program=args.program) as desktop:
            accuracy = measure_accuracy(desktop)

    table = report(args, rows, wakeups, latencies, memory, start_up, accuracy, following)
    print(table)
    if args.results:
        with open(args.results, "a") as file:
            file.write("\n" + table)


if __name__ == "__main__":
    main()
