"""One running copy of pomelo on a private Desktop: its window, pointer input
in window pixels, keys typed into it, what its LCD shows (read off a
screenshot) and its exit; and GadgetTest, the tests' common start.
"""

import io
import os
import re
import signal
import subprocess
import unittest

from desktop import DEFAULT_TIMEOUT, Desktop, WaitTimeout, XToolFailed, end_process, wait_until
from lcd_reader import LcdReader

# The window's client area, in pixels.
WINDOW_WIDTH = 184
WINDOW_HEIGHT = 155
TWIPS_PER_PIXEL = 15

# Key click areas in window pixels: left, top, width, height.
KEYS = {
    "1": (43, 97, 31, 24),
    "2": (78, 99, 28, 22),
    "3": (110, 99, 29, 22),
    "4": (142, 99, 31, 20),
    "5": (13, 74, 28, 23),
    "6": (44, 75, 30, 23),
    "7": (76, 72, 32, 27),
    "8": (109, 73, 30, 24),
    "9": (140, 73, 32, 23),
    "0": (12, 98, 30, 21),
    "OFF": (12, 121, 28, 22),
    "MOD": (43, 121, 32, 23),
    "CLR": (78, 122, 30, 22),
    "START": (109, 121, 66, 25),
}

# Places on the face that are neither a key nor the LCD: a press there drags.
FACE_SPOTS = ((92, 6), (180, 90))

# Where most tests put the window, and the indicators of the counting modes.
HOME = (200, 100)
COUNTDOWN = frozenset({"M", "S", "dial"})
STOPWATCH = frozenset({"M", "S", "runner"})


def key_centre(name):
    left, top, width, height = KEYS[name]
    return left + width // 2, top + height // 2


def settings_text(mode=0, run_flag=0, left=0, top=0, hour12=0):
    """The FORM1 section exactly as the program writes it."""
    def number(value):
        return f" {value}" if value >= 0 else str(value)

    return ("[FORM1]\n"
            f"MODE={number(mode)}\n"
            f"STRATF={number(run_flag)}\n"
            f"POJIX={number(top * TWIPS_PER_PIXEL)}\n"
            f"POJIY={number(left * TWIPS_PER_PIXEL)}\n"
            f"MEMORI={number(hour12)}\n")


HOME_SETTINGS = settings_text(left=HOME[0], top=HOME[1])


class Gadget:
    """One running copy of the program on a Desktop."""

    def __init__(self, desktop, process):
        self.desktop = desktop
        self.process = process
        self._window = None
        self._spy = None

    @classmethod
    def start(cls, desktop, extra_env=None, wait_for_window=True, args=()):
        """Starts the desktop's program with args; by default waits until its
        window shows."""
        gadget = cls(desktop, desktop.start_client([desktop.program, *args], extra_env))
        if wait_for_window:
            gadget.wait_for_window()
        return gadget

    @classmethod
    def of_window(cls, desktop, window):
        """The copy that shows window, started not by the test but by the
        session bus: it has no process of the test's to wait for or end."""
        gadget = cls(desktop, None)
        gadget._window = window
        return gadget

    @property
    def pid(self):
        return self.process.pid

    def output(self):
        """What the program printed so far (its log messages)."""
        return self.desktop.output(self.process)

    # -- the window -----------------------------------------------------------

    def find_windows(self):
        return self.desktop.search_visible("--pid", str(self.pid))

    def wait_for_window(self, timeout=DEFAULT_TIMEOUT):
        def shown():
            if self.process.poll() is not None:
                raise AssertionError(f"pomelo ended with {self.process.returncode} before "
                                     f"showing a window:\n{self.output()}")
            return self.find_windows()

        try:
            windows = wait_until(shown, timeout, "the pomelo window")
        except WaitTimeout as error:
            raise WaitTimeout(f"{error}; pomelo printed:\n{self.output()}") from None
        if len(windows) != 1:
            raise AssertionError(f"pomelo shows {len(windows)} windows")
        self._window = windows[0]
        return self._window

    @property
    def window(self):
        return self._window if self._window is not None else self.wait_for_window()

    def geometry(self):
        return self.desktop.geometry(self.window)

    def position(self):
        return self.geometry().position

    def wait_for_position(self, position, timeout=DEFAULT_TIMEOUT):
        position = tuple(position)
        wait_until(lambda: self.position() == position, timeout,
                   lambda: f"the window at {position} (it is at {self.position()})")

    def wm_state(self):
        """The atoms of the window's _NET_WM_STATE, as a set of names."""
        out = self.desktop.x("xprop", "-id", str(self.window), "_NET_WM_STATE")
        _, _, atoms = out.partition("=")
        return {atom.strip() for atom in atoms.split(",") if atom.strip()}

    def is_above(self):
        return "_NET_WM_STATE_ABOVE" in self.wm_state()

    def wait_for_above(self, above, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: self.is_above() == above, timeout,
                   lambda: f"_NET_WM_STATE_ABOVE to be {'set' if above else 'cleared'} "
                           f"(state: {self.wm_state()})")

    def shape_extents(self):
        """The bounding shape's extents in window pixels: x, y, width, height."""
        out = self.desktop.x("xwininfo", "-shape", "-id", str(self.window))
        match = re.search(r"Window shape extents:\s*(\d+)x(\d+)([+-]\d+)([+-]\d+)", out)
        if match is None:
            raise AssertionError(f"the window has no bounding shape:\n{out}")
        width, height, x, y = (int(group) for group in match.groups())
        return x, y, width, height

    def toplevel(self):
        """The child of the root that holds the window: a window manager's frame,
        or the window itself on a bare server."""
        window = self.window
        while True:
            out = self.desktop.x("xwininfo", "-children", "-id", str(window))
            root = int(re.search(r"Root window id: (0x[0-9a-f]+)", out).group(1), 16)
            parent = int(re.search(r"Parent window id: (0x[0-9a-f]+)", out).group(1), 16)
            if parent == root:
                return window
            window = parent

    def hits(self, x, y):
        """Whether a pointer at window pixel (x, y) is over this window; the
        pointer is left there."""
        return self.desktop.pointer_window(*self.screen_point(x, y)) in (self.window,
                                                                          self.toplevel())

    # -- what it shows ----------------------------------------------------------

    def screenshot(self):
        """The window's picture as the X server holds it, a PIL image."""
        from PIL import Image  # here, as the benchmark drives a gadget without it
        result = subprocess.run(f"xwd -silent -id {self.window} | xwdtopnm -quiet", shell=True,
                                env=self.desktop.env, stdin=subprocess.DEVNULL,
                                capture_output=True, check=False, timeout=DEFAULT_TIMEOUT)
        if result.returncode != 0:
            raise XToolFailed(f"no screenshot ({result.returncode}): "
                              f"{result.stderr.decode(errors='replace').strip()}")
        return Image.open(io.BytesIO(result.stdout))

    def read_lcd(self, scale=1.0, attempts=5):
        """What the LCD shows (an LcdReading). The window is drawn in parts,
        so a picture taken in between may mix two states: the reading is
        taken again until two in a row agree."""
        last = None
        for _ in range(attempts):
            reading = LcdReader(self.screenshot(), scale).read()
            if reading == last:
                return reading
            last = reading
        return last

    def wait_for_lcd(self, digits=None, indicators=None, timeout=DEFAULT_TIMEOUT, scale=1.0):
        """Waits until the LCD shows digits (a string of four, or a set of them
        where a busy machine may miss a second) and exactly the indicators
        named (an iterable), either left out to accept any; returns the
        reading."""
        wanted = None if indicators is None else frozenset(indicators)
        accepted = {digits} if isinstance(digits, str) else digits
        seen = []

        def shows():
            reading = self.read_lcd(scale)
            if not seen or seen[-1] != reading:
                seen.append(reading)
            return ((accepted is None or reading.digits in accepted) and
                    (wanted is None or reading.indicators == wanted)) and reading

        try:
            return wait_until(shows, timeout, f"the LCD to show {digits!r} {wanted or ''}")
        except WaitTimeout as error:
            raise WaitTimeout(f"{error}; it showed {', '.join(map(str, seen[-8:]))}") from None

    # -- input ----------------------------------------------------------------

    def focus(self):
        """Gives the window the keyboard focus and returns once it has it."""
        tool = "windowactivate" if self.desktop.window_manager else "windowfocus"
        self.desktop.x("xdotool", tool, "--sync", str(self.window))
        wait_until(lambda: self.desktop.x("xdotool", "getwindowfocus").strip() ==
                   str(self.window), message="the window to have the keyboard focus")

    def type_keys(self, *keys):
        """Types the keys (X key names, "ctrl+q" for a chord) into whatever has
        the keyboard focus."""
        self.desktop.x("xdotool", "key", "--delay", "30", *keys)

    def screen_point(self, x, y):
        left, top = self.position()
        return left + x, top + y

    def click(self, x, y, button=1):
        sx, sy = self.screen_point(x, y)
        self.desktop.x("xdotool", "mousemove", str(sx), str(sy), "click", str(button))

    def click_key(self, name):
        self.click(*key_centre(name))

    def click_saving(self, name):
        """Clicks a key that writes the settings file (START does at every
        press) and returns once it has: the press has then been handled."""
        before = self.desktop.settings_stamp()
        self.click_key(name)
        wait_until(lambda: self.desktop.settings_stamp() != before,
                   message=f"{name} to write the settings")

    def drag(self, x, y, dx, dy, button=1, steps=8, follows=False, timeout=DEFAULT_TIMEOUT):
        """Presses at window pixel (x, y), moves the pointer by (dx, dy) on the
        screen in steps and releases.

        With follows=True the window is expected to move along, and this
        returns once it has arrived and the move is over.
        """
        left, top = self.position()
        start_x, start_y = left + x, top + y
        target = (left + dx, top + dy)
        # A window manager anchors the move where the pointer is when it takes
        # the move over, which is after the program has handled the press; it
        # grabs the keyboard then, which the focused window sees.
        handed_over = follows and self.desktop.window_manager
        if handed_over:
            spy = self._focused_spy()
            grabs = spy.count("FocusOut", mode="NotifyGrab")
            ungrabs = spy.count("FocusIn", mode="NotifyUngrab")
        self.desktop.x("xdotool", "mousemove", str(start_x), str(start_y), "mousedown", str(button))
        try:
            if handed_over:
                wait_until(lambda: spy.count("FocusOut", mode="NotifyGrab") > grabs, timeout,
                           "the window manager to take the move over")
            for step in range(1, steps + 1):
                self.desktop.move_pointer(start_x + dx * step // steps,
                                          start_y + dy * step // steps)
            if follows:
                wait_until(lambda: self.position() == target, timeout,
                           lambda: f"the window to follow the pointer to {target} "
                                   f"(it is at {self.position()})")
        finally:
            self.desktop.x("xdotool", "mouseup", str(button))
        if handed_over:
            wait_until(lambda: spy.count("FocusIn", mode="NotifyUngrab") > ungrabs, timeout,
                       "the window manager to end the move")

    def flick(self, x, y, dx, dy, button=1):
        """Presses at window pixel (x, y), moves the pointer by (dx, dy) and
        releases in one go, before the program can have handled the press."""
        start_x, start_y = self.screen_point(x, y)
        self.desktop.x("xdotool", "mousemove", str(start_x), str(start_y),
                       "mousedown", str(button),
                       "mousemove", str(start_x + dx), str(start_y + dy),
                       "mouseup", str(button))

    def _focused_spy(self):
        if self._spy is None:
            self._spy = self.desktop.watch(self.window)
        if self.desktop.x("xdotool", "getwindowfocus").strip() != str(self.window):
            self.desktop.x("xdotool", "windowfocus", "--sync", str(self.window))
        return self._spy

    # -- exit -----------------------------------------------------------------

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise WaitTimeout(f"pomelo still runs after {timeout:g} s") from None

    def kill(self, sig=signal.SIGKILL):
        os.kill(self.pid, sig)
        self.process.wait(DEFAULT_TIMEOUT)

    def end(self):
        end_process(self.process)


class GadgetTest(unittest.TestCase):
    """Tests on desktops of their own, which end with the test."""

    def open(self, settings=HOME_SETTINGS, at=HOME, extra_env=None, **desktop):
        """A new desktop (desktop: its options) with settings, and the program
        started on it as self.gadget; waits until the window stands at `at`
        (None: anywhere)."""
        self.open_desktop(settings, **desktop)
        self.gadget = self.start(at, extra_env)
        return self.gadget

    def open_desktop(self, settings=None, **options):
        """A new Desktop (options as its own) as self.desktop, whose settings
        file holds settings (None for no file)."""
        self.desktop = self.enterContext(Desktop(**options))
        if settings is not None:
            self.desktop.write_settings(settings)
        return self.desktop

    def start(self, at=HOME, extra_env=None):
        """Another start of the program on this test's desktop."""
        gadget = Gadget.start(self.desktop, extra_env)
        if at is not None:
            gadget.wait_for_position(at)
        return gadget

    def off(self, gadget=None, keyboard=False):
        """Presses OFF (with keyboard, Ctrl+Q), checks that the program ends
        well and returns the settings file it left, as text."""
        gadget = gadget or self.gadget
        if keyboard:
            gadget.focus()
            gadget.type_keys("ctrl+q")
        else:
            gadget.click_key("OFF")
        self.assertEqual(gadget.wait_exit(), 0)
        return self.desktop.read_settings().decode()

    def command(self, *args, status=0, **kwargs):
        """Runs the program with args and checks its exit status."""
        result = self.desktop.command(*args, **kwargs)
        self.assertEqual(result.returncode, status,
                         f"pomelo {' '.join(args)}: {result.stdout}{result.stderr}")
        return result

    def assert_status(self, pattern):
        self.assertRegex(self.command("--status").stdout, f"^{pattern}\n$")
