"""A private desktop for driving pomelo through a real X server.

Desktop starts its own Xvfb, optionally openbox and a PulseAudio server with a
null sink, and gives every run a private HOME, XDG_CONFIG_HOME and
XDG_RUNTIME_DIR, so tests can run side by side. Gadget is one running copy of
the program on that desktop: its window, pointer input in window pixels, keys
typed into it, what its LCD shows (read off a screenshot) and its exit.
Everything is ended and removed when the desktop closes, also when a
test fails half-way.
"""

import array
import contextlib
import dataclasses
import functools
import glob
import math
import os
import re
import select
import shlex
import shutil
import signal
import struct
import subprocess
import tempfile
import time

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

# The LCD, left, top, right, bottom (inclusive) in window pixels.
LCD = (18, 12, 166, 65)

# Places on the face that are neither a key nor the LCD: a press there drags.
FACE_SPOTS = ((92, 6), (180, 90))

# What the LCD shows, in window pixels. A shown digit or indicator is its
# picture: black dots on the picture ground, drawn from its box's top left
# and clipped to the box; a hidden one leaves the LCD window's own colour.
LCD_WINDOW = (180, 205, 181)
PICTURE_GROUND = (175, 205, 175)
DOT = (0, 0, 0)
DIGIT_BOXES = ((23, 19), (47, 19), (91, 19), (115, 19))
DIGIT_BOX_SIZE = (24, 41)
# A digit is a 5 x 7 dot matrix; a dot is a 3 x 4 px block on a 4 x 5 px
# pitch from (3, 4) inside its box.
DIGIT_DOTS = {
    "0": (".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "2": (".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"),
    "3": ("#####", "...#.", "..#..", ".###.", "....#", "....#", "####."),
    "4": ("...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."),
    "5": ("#####", "#....", "####.", "....#", "....#", "#...#", ".###."),
    "6": ("..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."),
    "7": ("#####", "....#", "...#.", "..#..", "..#..", "..#..", "..#.."),
    "8": (".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."),
    "9": (".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."),
}
DOT_SIZE = (3, 4)
DOT_PITCH = (4, 5)
DOT_ORIGIN = (3, 4)
# The indicators by index (lower ones lie under higher ones where boxes
# overlap): name, the art's name in display/IndicatorArt.cpp, and the box
# (left, top, width, height) in window pixels.
INDICATORS = (
    ("colon", "Colon", (71, 19, 20, 41)),
    ("H", "LetterH", (73, 19, 16, 18)),
    ("M_hours", "LetterMAfterHours", (144, 18, 16, 18)),
    ("M", "LetterMAfterMinutes", (73, 19, 16, 17)),
    ("S", "LetterS", (144, 18, 15, 17)),
    ("dial", "Dial", (141, 40, 21, 21)),
    ("runner", "Runner", (143, 37, 19, 27)),
    ("A", "LetterA", (143, 21, 16, 18)),
    ("P", "LetterP", (144, 41, 14, 16)),
    ("slash", "DottedSlash", (73, 28, 18, 27)),
)
_INDICATOR_ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir,
                              "display", "IndicatorArt.cpp")

DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.01

_SCREEN = "1280x800x24"

_OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>UnderMouse</policy><center>yes</center></placement>
  <desktops><number>1</number></desktops>
</openbox_config>
"""

# Variables of the caller's own session that must not leak into the private one.
_SESSION_VARIABLES = re.compile(
    r"^(DISPLAY|WAYLAND_.*|XAUTHORITY|DBUS_.*|PULSE_.*|XDG_.*|QT_.*|SESSION_MANAGER|"
    r"DESKTOP_SESSION|GDK_.*|FAKETIME.*|LD_PRELOAD|HOME)$")


class XwdImage:
    """A window's picture as xwd writes it (XWD version 7, ZPixmap)."""

    _HEADER = struct.Struct(">25I")

    def __init__(self, data):
        if len(data) < self._HEADER.size:
            raise ValueError(f"an XWD file of {len(data)} bytes has no header")
        (header_size, version, pixmap_format, _depth, width, height, _xoffset, byte_order,
         _bitmap_unit, _bit_order, _bitmap_pad, bits_per_pixel, bytes_per_line, _visual_class,
         red_mask, green_mask, blue_mask, _bits_per_rgb, _colormap_entries, colours,
         *_window) = self._HEADER.unpack_from(data)
        if version != 7 or pixmap_format != 2:
            raise ValueError(f"not a ZPixmap XWD file (version {version}, "
                             f"format {pixmap_format})")
        if bits_per_pixel not in (24, 32):
            raise ValueError(f"{bits_per_pixel} bits per pixel are not handled")
        # The window's name follows the header, then one 12-byte entry per colour.
        self._offset = header_size + 12 * colours
        if len(data) < self._offset + bytes_per_line * height:
            raise ValueError("the XWD file is cut short")
        self.width = width
        self.height = height
        self._data = data
        self._bytes_per_pixel = bits_per_pixel // 8
        self._bytes_per_line = bytes_per_line
        self._order = "big" if byte_order == 1 else "little"
        self._channels = [self._channel(mask) for mask in (red_mask, green_mask, blue_mask)]

    @staticmethod
    def _channel(mask):
        if mask == 0:
            raise ValueError("a colour mask is empty")
        shift = (mask & -mask).bit_length() - 1
        return mask, shift, mask >> shift

    def pixel(self, x, y):
        """The colour at (x, y) as 8-bit red, green, blue."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel {x},{y} is outside the {self.width} x {self.height} image")
        start = self._offset + y * self._bytes_per_line + x * self._bytes_per_pixel
        value = int.from_bytes(self._data[start:start + self._bytes_per_pixel], self._order)
        return tuple(((value & mask) >> shift) * 255 // top
                     for mask, shift, top in self._channels)


@dataclasses.dataclass(frozen=True)
class LcdReading:
    """What the LCD shows: four positions, each a digit, " " for none or "?"
    for a picture that is no digit, and the names of the shown indicators."""

    digits: str
    indicators: frozenset

    def __str__(self):
        return f"{self.digits!r} {sorted(self.indicators)}"


@functools.lru_cache(maxsize=None)
def _indicator_art():
    """Each indicator's picture as rows of "#" (dot) and "." (ground), taken
    from the program's source; the pictures are of its own making."""
    with open(_INDICATOR_ART) as file:
        source = file.read()
    art = {}
    for name, body in re.findall(r"std::array<const char \*, \d+> (\w+)Rows\{(.*?)\};",
                                 source, re.DOTALL):
        art[name] = re.findall(r'"([.#]+)"', body)
    missing = [source_name for _, source_name, _ in INDICATORS if not art.get(source_name)]
    if missing:
        raise RuntimeError(f"no pictures for {missing} in {_INDICATOR_ART}")
    return art


class LcdReader:
    """Reads the LCD off a picture of the window drawn at the given scale
    (device pixels per window pixel)."""

    def __init__(self, image, scale=1.0):
        self.image = image
        self.scale = scale

    def _device(self, logical):
        # Qt places a child widget at its scaled position rounded, and the
        # program scales a picture's pixel edges with rounding too.
        return math.floor(logical * self.scale + 0.5)

    def colour(self, box_left, box_top, x, y):
        """The colour of pixel (x, y) of the picture box at (box_left,
        box_top), in window pixels: the device pixel at its middle."""
        def device(origin, offset):
            start = self._device(origin) + self._device(offset)
            end = self._device(origin) + self._device(offset + 1)
            return (start + max(start, end - 1)) // 2

        return self.image.pixel(device(box_left, x), device(box_top, y))

    def read(self):
        return LcdReading("".join(self.digit(left, top) for left, top in DIGIT_BOXES),
                          frozenset(self.indicators()))

    def digit(self, left, top):
        width, height = DIGIT_BOX_SIZE
        colours = {(x, y): self.colour(left, top, x, y)
                   for y in range(height) for x in range(width)}
        if all(colour == LCD_WINDOW for colour in colours.values()):
            return " "
        dots = []
        inside_dots = set()
        for row in range(7):
            line = ""
            for column in range(5):
                block = [(DOT_ORIGIN[0] + DOT_PITCH[0] * column + dx,
                          DOT_ORIGIN[1] + DOT_PITCH[1] * row + dy)
                         for dy in range(DOT_SIZE[1]) for dx in range(DOT_SIZE[0])]
                inside_dots.update(block)
                found = {colours[point] for point in block}
                if found == {DOT}:
                    line += "#"
                elif found == {PICTURE_GROUND}:
                    line += "."
                else:
                    return "?"
            dots.append(line)
        # Between the dots there is nothing but ground.
        if any(colour != PICTURE_GROUND for point, colour in colours.items()
               if point not in inside_dots):
            return "?"
        for digit, pattern in DIGIT_DOTS.items():
            if tuple(dots) == pattern:
                return digit
        return "?"

    def indicators(self):
        # From the top one down: an indicator is shown when the part of its
        # box that no shown indicator above it covers is exactly its picture.
        art = _indicator_art()
        shown = []
        covered = set()
        for name, source_name, (left, top, width, height) in reversed(INDICATORS):
            rows = art[source_name]

            def expected(x, y):
                # A box larger than its picture shows ground beyond it.
                row = rows[y - top] if y - top < len(rows) else ""
                return DOT if row[x - left:x - left + 1] == "#" else PICTURE_GROUND

            box = {(left + x, top + y) for y in range(height) for x in range(width)}
            visible = box - covered
            if visible and all(self.colour(left, top, x - left, y - top) == expected(x, y)
                               for x, y in visible):
                shown.append(name)
                covered |= box
        return shown


class WaitTimeout(AssertionError):
    """A condition a test waited for did not come true in time."""


class XToolFailed(AssertionError):
    """An X tool could not do its job, for instance on a window that is gone."""


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, message="condition", interval=POLL_INTERVAL):
    """Polls predicate until it returns something true and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {message}")
        time.sleep(interval)


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


def faketime_env(fake_time, library="libfaketime.so.1"):
    """Variables that start a program under libfaketime with the FAKETIME
    value given (for instance "@2024-01-02 03:04:05"); for start_gadget."""
    found = sorted(glob.glob(f"/usr/lib/*/faketime/{library}") +
                   glob.glob(f"/usr/lib/faketime/{library}"))
    if not found:
        raise RuntimeError(f"{library} is not installed")
    return {"LD_PRELOAD": found[0], "FAKETIME": fake_time, "FAKETIME_NO_CACHE": "1"}


def _end_process(process, timeout=5.0):
    """Ends a child started in its own session, with all it started."""
    if process.poll() is not None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError, PermissionError):
            os.killpg(process.pid, sig)
        try:
            process.wait(timeout)
            return
        except subprocess.TimeoutExpired:
            continue


@dataclasses.dataclass(frozen=True)
class Geometry:
    """A window's absolute place and size in screen pixels."""

    left: int
    top: int
    width: int
    height: int

    @property
    def position(self):
        return self.left, self.top


class Desktop:
    """An X server of its own, with optional window manager and sound server.

    Use as a context manager (or call start() and close()).
    """

    def __init__(self, window_manager=True, sound=False, program=None):
        self.window_manager = window_manager
        self.sound = sound
        self.program = program or os.environ.get("POMELO_BIN")
        if not self.program:
            raise RuntimeError("POMELO_BIN must name the pomelo executable")
        self.display = None
        self.root = None
        self.home = self.config_home = self.runtime_dir = None
        self._processes = []
        self._gadgets = []
        self._recordings = []
        self._spies = []
        self._xvfb = None
        self._pulseaudio = None

    # -- life cycle ---------------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self):
        self.root = tempfile.mkdtemp(prefix="pomelo-x11-")
        self.home = os.path.join(self.root, "home")
        self.config_home = os.path.join(self.root, "config")
        self.runtime_dir = os.path.join(self.root, "runtime")
        os.mkdir(self.home, 0o700)
        os.mkdir(self.config_home, 0o700)
        # Qt and PulseAudio both insist on a runtime folder only we can enter.
        os.mkdir(self.runtime_dir, 0o700)
        os.chmod(self.runtime_dir, 0o700)
        with open(os.path.join(self.root, "pulse-client.conf"), "w") as file:
            file.write("autospawn = no\n")
        self._start_xvfb()
        if self.window_manager:
            self._start_openbox()
        if self.sound:
            self._start_pulseaudio()

    def close(self):
        for spy in self._spies:
            spy.stop()
        for recording in reversed(self._recordings):
            recording.stop()
        for gadget in reversed(self._gadgets):
            gadget.end()
        for process in reversed(self._processes):
            _end_process(process)
        self._processes.clear()
        self._spies.clear()
        self._recordings.clear()
        self._gadgets.clear()
        if self._xvfb is not None:
            self._remove_stale_display_files()
        if self.root is not None:
            shutil.rmtree(self.root, ignore_errors=True)
            self.root = None

    def _spawn(self, args, log_name, env=None):
        log = open(os.path.join(self.root, log_name), "wb")
        try:
            process = subprocess.Popen(args, env=env or self.env, stdin=subprocess.DEVNULL,
                                       stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True)
        finally:
            log.close()
        self._processes.append(process)
        return process

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.root, "xvfb.log"), "wb")
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", _SCREEN,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            os.close(write_end)
            log.close()
        self._processes.append(self._xvfb)
        # Xvfb writes its display number once it accepts clients.
        number = b""
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        try:
            while not number.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
                    raise WaitTimeout("Xvfb did not report its display number")
                chunk = os.read(read_end, 32)
                if not chunk:
                    raise RuntimeError(f"Xvfb ended early: {self.log('xvfb.log')}")
                number += chunk
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()

    def _remove_stale_display_files(self):
        # Xvfb removes these itself unless it had to be killed.
        number = self.display[1:] if self.display else None
        if number is None or self._xvfb.poll() is None:
            return
        lock = f"/tmp/.X{number}-lock"
        with contextlib.suppress(OSError):
            with open(lock) as file:
                if int(file.read().strip()) != self._xvfb.pid:
                    return
            os.unlink(lock)
            os.unlink(f"/tmp/.X11-unix/X{number}")

    def _start_openbox(self):
        # New windows that ask for no place of their own go under the pointer
        # (the middle of the screen), so a window at 0, 0 is one that asked for it.
        config = os.path.join(self.root, "openbox-rc.xml")
        with open(config, "w") as file:
            file.write(_OPENBOX_CONFIG)
        # Openbox owns the screen before it has finished starting up, and a
        # window mapped in between may never be managed; the start-up command
        # runs once it is done.
        ready = os.path.join(self.root, "openbox-ready")
        openbox = self._spawn(["openbox", "--sm-disable", "--config-file", config,
                               "--startup", f"touch {shlex.quote(ready)}"], "openbox.log")

        def managing():
            if openbox.poll() is not None:
                raise RuntimeError(f"openbox ended early: {self.log('openbox.log')}")
            return (os.path.exists(ready) and
                    "window id #" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))

        wait_until(managing, message="openbox to manage the screen")

    def _start_pulseaudio(self):
        pulse = self._spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix"],
            "pulseaudio.log")

        def serving():
            if pulse.poll() is not None:
                raise RuntimeError(f"pulseaudio ended early: {self.log('pulseaudio.log')}")
            return self.run(["pactl", "info"], check=False).returncode == 0

        wait_until(serving, message="the sound server")
        self._pulseaudio = pulse

    def restart_sound_server(self):
        """Ends the sound server and starts a new one in its place, as a
        desktop session may; recordings of the old one end with it."""
        _end_process(self._pulseaudio)
        self._processes.remove(self._pulseaudio)
        self._start_pulseaudio()

    # -- environment and tools ----------------------------------------------

    @property
    def env(self):
        env = {name: value for name, value in os.environ.items()
               if not _SESSION_VARIABLES.match(name)}
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config_home,
            "XDG_RUNTIME_DIR": self.runtime_dir,
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
        })
        if self.display:
            env["DISPLAY"] = self.display
        if not self.sound and self.root is not None:
            # Without a server of our own, a sound client must not start one.
            env["PULSE_CLIENTCONFIG"] = os.path.join(self.root, "pulse-client.conf")
        return env

    def run(self, args, check=True, timeout=DEFAULT_TIMEOUT):
        return subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, check=check, timeout=timeout)

    def x(self, *args):
        """Runs an X tool on this display and returns what it printed."""
        result = self.run(list(args), check=False)
        if result.returncode != 0:
            # Mostly a window that is gone: a failure of the program under test.
            raise XToolFailed(f"{' '.join(args)} failed ({result.returncode}): "
                              f"{result.stderr.strip()}")
        return result.stdout

    def log(self, name):
        try:
            with open(os.path.join(self.root, name), errors="replace") as file:
                return file.read()
        except OSError:
            return ""

    # -- the program ----------------------------------------------------------

    def start_gadget(self, extra_env=None, wait_for_window=True):
        """Starts a copy of the program; by default waits until its window shows."""
        env = self.env
        env.update(extra_env or {})
        index = len(self._gadgets)
        log_name = f"pomelo-{index}.log"
        process = self._spawn([self.program], log_name, env=env)
        gadget = Gadget(self, process, log_name)
        self._gadgets.append(gadget)
        if wait_for_window:
            gadget.wait_for_window()
        return gadget

    def start_client(self, args):
        """Starts another X program on this desktop; it is ended on close."""
        return self._spawn(args, f"client-{len(self._processes)}.log")

    def wait_for_window_named(self, name, timeout=DEFAULT_TIMEOUT):
        windows = wait_until(lambda: self.visible_windows(name), timeout,
                             f"a window named {name}")
        return windows[0]

    def geometry(self, window):
        out = self.x("xwininfo", "-id", str(window))
        values = {key: int(value) for key, value in re.findall(
            r"^\s*(Absolute upper-left [XY]|Width|Height):\s*(-?\d+)", out, re.MULTILINE)}
        return Geometry(values["Absolute upper-left X"], values["Absolute upper-left Y"],
                        values["Width"], values["Height"])

    def visible_windows(self, name="pomelo"):
        """Ids of the mapped windows whose title is exactly name."""
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                          check=False)
        return [int(word) for word in result.stdout.split()]

    # -- settings file ------------------------------------------------------

    @property
    def settings_path(self):
        return os.path.join(self.config_home, "pomelo.ini")

    def read_settings(self):
        """The settings file's bytes, or None when there is none."""
        try:
            with open(self.settings_path, "rb") as file:
                return file.read()
        except FileNotFoundError:
            return None

    def write_settings(self, contents):
        if isinstance(contents, str):
            contents = contents.encode()
        with open(self.settings_path, "wb") as file:
            file.write(contents)

    # -- pointer --------------------------------------------------------------

    def move_pointer(self, x, y):
        self.x("xdotool", "mousemove", str(x), str(y))

    def pointer_window(self, x, y):
        """The window under the screen point as xdotool finds it (a client
        window or a window manager's frame), 0 for none."""
        out = self.x("xdotool", "mousemove", str(x), str(y), "getmouselocation", "--shell")
        fields = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(fields.get("WINDOW", 0))

    def button_down(self, button=1):
        self.x("xdotool", "mousedown", str(button))

    def button_up(self, button=1):
        self.x("xdotool", "mouseup", str(button))

    # -- events ---------------------------------------------------------------

    def watch(self, window):
        """Starts recording the structure, property and focus events of a window."""
        spy = EventSpy(self, window)
        self._spies.append(spy)
        return spy

    # -- sound ----------------------------------------------------------------

    def record(self, rate=44100):
        """Starts recording what the null sink plays; see Recording."""
        if not self.sound:
            raise RuntimeError("this desktop has no sound server")
        recording = Recording(self, rate)
        self._recordings.append(recording)
        return recording


class Gadget:
    """One running copy of the program on a Desktop."""

    def __init__(self, desktop, process, log_name):
        self.desktop = desktop
        self.process = process
        self._log_name = log_name
        self._window = None
        self._spy = None

    @property
    def pid(self):
        return self.process.pid

    def output(self):
        """What the program printed so far (its log messages)."""
        return self.desktop.log(self._log_name)

    # -- the window -----------------------------------------------------------

    def find_windows(self):
        result = self.desktop.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)], check=False)
        return [int(word) for word in result.stdout.split()]

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
                   f"the window at {position} (it is at {self.position()})")

    def wm_state(self):
        """The atoms of the window's _NET_WM_STATE, as a set of names."""
        out = self.desktop.x("xprop", "-id", str(self.window), "_NET_WM_STATE")
        _, _, atoms = out.partition("=")
        return {atom.strip() for atom in atoms.split(",") if atom.strip()}

    def is_above(self):
        return "_NET_WM_STATE_ABOVE" in self.wm_state()

    def wait_for_above(self, above, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: self.is_above() == above, timeout,
                   f"_NET_WM_STATE_ABOVE to be {'set' if above else 'cleared'} "
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
        left, top = self.position()
        return self.desktop.pointer_window(left + x, top + y) in (self.window, self.toplevel())

    # -- what it shows ----------------------------------------------------------

    def screenshot(self):
        """The window's picture as the X server holds it."""
        result = subprocess.run(["xwd", "-id", str(self.window), "-silent"],
                                env=self.desktop.env, stdin=subprocess.DEVNULL,
                                capture_output=True, check=False, timeout=DEFAULT_TIMEOUT)
        if result.returncode != 0:
            raise XToolFailed(f"xwd failed ({result.returncode}): "
                              f"{result.stderr.decode(errors='replace').strip()}")
        return XwdImage(result.stdout)

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
        """Waits until the LCD shows digits (a string of four) and exactly the
        indicators named (an iterable), either left out to accept any; returns
        the reading."""
        wanted = None if indicators is None else frozenset(indicators)
        seen = []

        def shows():
            reading = self.read_lcd(scale)
            if not seen or seen[-1] != reading:
                seen.append(reading)
            return ((digits is None or reading.digits == digits) and
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

    def press(self, x, y, button=1):
        self.desktop.move_pointer(*self.screen_point(x, y))
        self.desktop.button_down(button)

    def release(self, button=1):
        self.desktop.button_up(button)

    def click(self, x, y, button=1):
        sx, sy = self.screen_point(x, y)
        self.desktop.x("xdotool", "mousemove", str(sx), str(sy), "click", str(button))

    def click_key(self, name):
        self.click(*key_centre(name))

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
        self.desktop.move_pointer(start_x, start_y)
        self.desktop.button_down(button)
        try:
            if handed_over:
                wait_until(lambda: spy.count("FocusOut", mode="NotifyGrab") > grabs, timeout,
                           "the window manager to take the move over")
            for step in range(1, steps + 1):
                self.desktop.move_pointer(start_x + dx * step // steps,
                                          start_y + dy * step // steps)
            if follows:
                wait_until(lambda: self.position() == target, timeout,
                           f"the window to follow the pointer to {target} "
                           f"(it is at {self.position()})")
        finally:
            self.desktop.button_up(button)
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
        _end_process(self.process)


@dataclasses.dataclass(frozen=True)
class Event:
    """One X event as xev reported it."""

    name: str
    atom: str = None
    mode: str = None
    # ConfigureNotify: the window's x, y as reported, and whether a window
    # manager sent the event (its x, y are then on the root window).
    position: tuple = None
    synthetic: bool = None


class EventSpy:
    """The structure, property and focus events of one window, as xev reports them."""

    _SYNC_PROPERTY = "_POMELO_TEST_SYNC"

    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        self.path = os.path.join(desktop.root, f"events-{len(desktop._spies)}.log")
        with open(self.path, "wb") as log:
            self.process = subprocess.Popen(
                ["xev", "-id", str(window), "-event", "structure", "-event", "property",
                 "-event", "focus"],
                env=desktop.env, stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT, start_new_session=True)
        self._syncs = 0
        self.sync()

    def sync(self, timeout=DEFAULT_TIMEOUT):
        """Returns once xev has seen everything that happened to the window so far."""
        # A property change of our own marks the place; it is repeated because
        # a freshly started xev may not be listening yet.
        self._syncs += 1
        marker = f"{self._SYNC_PROPERTY}_{self._syncs}"
        last_mark = [-1.0]

        def seen():
            if self.count("PropertyNotify", atom=marker):
                return True
            if time.monotonic() - last_mark[0] >= 0.1:
                last_mark[0] = time.monotonic()
                self.desktop.x("xprop", "-id", str(self.window), "-f", marker, "8s",
                               "-set", marker, "1")
            return False

        wait_until(seen, timeout, "xev to report the window's events")

    def events(self, include_syncs=False):
        """Every event seen so far, oldest first."""
        with open(self.path, errors="replace") as file:
            log = file.read()
        found = []
        for block in log.split("\n\n"):
            name = re.match(r"\s*(\w+) event", block)
            if name is None:
                continue
            atom = re.search(r"atom 0x[0-9a-f]+ \((\w+)\)", block)
            mode = re.search(r"mode (\w+)", block)
            position = re.search(r"\((-?\d+),(-?\d+)\), width", block)
            synthetic = re.search(r"synthetic (YES|NO)", block)
            event = Event(name.group(1), atom and atom.group(1), mode and mode.group(1),
                          position and (int(position.group(1)), int(position.group(2))),
                          synthetic and synthetic.group(1) == "YES")
            if include_syncs or not (event.atom or "").startswith(self._SYNC_PROPERTY):
                found.append(event)
        return found

    def count(self, name, atom=None, mode=None):
        return sum(1 for event in self.events(include_syncs=True)
                   if event.name == name and atom in (None, event.atom)
                   and mode in (None, event.mode))

    def stop(self):
        _end_process(self.process)


class Recording:
    """What the null sink plays, recorded as signed 16-bit mono samples."""

    def __init__(self, desktop, rate):
        self.desktop = desktop
        self.rate = rate
        self.path = os.path.join(desktop.root, f"recording-{len(desktop._recordings)}.raw")
        self._file = open(self.path, "wb")
        self.process = subprocess.Popen(
            ["parec", "-d", "null.monitor", "--raw", "--format=s16le", f"--rate={rate}",
             "--channels=1", "--latency-msec=20"],
            env=desktop.env, stdin=subprocess.DEVNULL, stdout=self._file,
            stderr=subprocess.DEVNULL, start_new_session=True)

    def wait_started(self, timeout=DEFAULT_TIMEOUT):
        """Waits until samples arrive, so nothing played after this is missed."""
        wait_until(lambda: os.path.getsize(self.path) > 0, timeout, "the recording to start")

    def samples(self):
        with open(self.path, "rb") as file:
            data = file.read()
        samples = array.array("h")
        samples.frombytes(data[:len(data) // 2 * 2])
        return samples

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
            try:
                self.process.wait(DEFAULT_TIMEOUT)
            except subprocess.TimeoutExpired:
                _end_process(self.process)
        if not self._file.closed:
            self._file.close()
        return self.samples()
