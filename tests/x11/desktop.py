"""A private desktop for driving pomelo: its own Xvfb with optionally a window
manager (openbox or mutter), or weston, or GNOME's Wayland session with its
XWayland; a PulseAudio null sink, a session bus, and a private HOME,
XDG_CONFIG_HOME and XDG_RUNTIME_DIR, so tests run side by side. It watches a
window's events (xev), records the sink (parec) and stands in for the
notification service. Everything ends and goes when it closes, also when a
test fails half-way.
"""

import array
import contextlib
import dataclasses
import glob
import json
import os
import pathlib
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.01

_SCREEN = "1280x800x24"

# Weston paints its screen one colour, so that what else shows is a window,
# and takes pictures of it for weston-screenshooter, which its debugging
# protocol lets in.
WESTON_BACKGROUND = (32, 64, 96)
_WESTON_CONFIG = """[core]
idle-time=0

[shell]
background-color=0xff{:02x}{:02x}{:02x}
panel-position=none
locking=false
""".format(*WESTON_BACKGROUND)
_WESTON_SCREEN = ("--width=1024", "--height=768")
_MUTTER_SCREEN = "1280x800"

_OPENBOX_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>UnderMouse</policy><center>yes</center></placement>
  <desktops><number>1</number></desktops>
</openbox_config>
"""

# A session bus of the desktop's own: nothing is started on demand, so a
# service exists only when a test starts it; but for the program itself on
# a desktop made with activation, which the bus starts from a service file as
# it would an installed copy.
_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>{address}</listen>{service_dirs}
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""
_SERVICE_FILE = """[D-BUS Service]
Name={name}
Exec={program}
"""
# The name the program owns on the session bus.
APP_ID = "io.github.pomelo_timer.Pomelo"
_NOTIFICATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "notifications.py")

# Variables of the caller's own session that must not leak into the private
# one; its language is LANG's alone.
_SESSION_VARIABLES = re.compile(
    r"^(DISPLAY|WAYLAND_.*|XAUTHORITY|DBUS_.*|PULSE_.*|XDG_.*|QT_.*|SESSION_MANAGER|"
    r"DESKTOP_SESSION|GDK_.*|FAKETIME.*|LD_PRELOAD|HOME|LANGUAGE|LC_.*)$")


class WaitTimeout(AssertionError):
    """A condition a test waited for did not come true in time."""


class XToolFailed(AssertionError):
    """An X tool could not do its job, for instance on a window that is gone."""


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, message="condition", interval=POLL_INTERVAL):
    """Polls predicate until it returns something true and returns that.
    A callable message is asked at the timeout, to tell the state then."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            if callable(message):
                message = message()
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {message}")
        time.sleep(interval)


def faketime_env(fake_time, library="libfaketime.so.1"):
    """Variables that start a program under libfaketime with the FAKETIME
    value given (for instance "@2024-01-02 03:04:05"); for Gadget.start."""
    found = sorted(glob.glob(f"/usr/lib/*/faketime/{library}"))
    if not found:
        raise RuntimeError(f"{library} is not installed")
    return {"LD_PRELOAD": found[0], "FAKETIME": fake_time, "FAKETIME_NO_CACHE": "1"}


def end_process(process, timeout=5.0):
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
    """An X server of its own with window_manager "openbox" (or True), "mutter"
    or none; with wayland=True, weston in its place, Qt running natively on it;
    with xwayland=True, GNOME's Wayland session, its XWayland the X server and
    mutter its window manager. A context manager (or start() and close()).
    """

    def __init__(self, window_manager=True, sound=False, program=None, session_bus=False,
                 activation=False, wayland=False, xwayland=False, cookie=None):
        self.wayland = wayland
        self.xwayland = xwayland
        # The X server lets in only clients that show this MIT-MAGIC-COOKIE-1.
        self.cookie = cookie
        if xwayland:
            window_manager = "mutter"
        self.window_manager = None if wayland or not window_manager else (
            "openbox" if window_manager is True else window_manager)
        self.sound = sound
        # mutter serves the session bus, and hears the desktop's settings on it.
        self.session_bus = session_bus or activation or self.window_manager == "mutter"
        self.activation = activation
        self.program = program or os.environ.get("POMELO_BIN")
        if not self.program:
            raise RuntimeError("POMELO_BIN must name the pomelo executable")
        self.display = self.wayland_display = self.xauthority = None
        self.root = None
        self.home = self.config_home = self.runtime_dir = None
        self._processes = []
        self._log_names = {}
        self._recordings = []
        self._pulseaudio = None
        self._session_bus = None

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
        pathlib.Path(self.root, "pulse-client.conf").write_text("autospawn = no\n")
        if self.wayland:
            self._start_weston()
        elif not self.xwayland:
            self._start_xvfb()
        # The bus starts programs with its own environment, the display
        # included; mutter wants the bus from its start.
        if self.session_bus:
            self._start_session_bus()
        if self.xwayland:
            self._start_mutter("--wayland", "--headless", f"--virtual-monitor={_MUTTER_SCREEN}",
                               "--wayland-display=wayland-pomelo")
        elif self.window_manager == "openbox":
            self._start_openbox()
        elif self.window_manager == "mutter":
            self._start_mutter("--replace", "--x11", "--sm-disable")
        if self.sound:
            self._start_pulseaudio()

    def close(self):
        for recording in reversed(self._recordings):
            recording.stop()
        for process in reversed(self._processes):
            end_process(process)
        self._processes.clear()
        self._recordings.clear()
        if self.root is not None:
            shutil.rmtree(self.root, ignore_errors=True)
            self.root = None

    def _spawn(self, args, log_name, env=None, **options):
        with open(os.path.join(self.root, log_name), "wb") as log:
            process = subprocess.Popen(args, env=env or self.env, stdin=subprocess.DEVNULL,
                                       stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True, **options)
        self._processes.append(process)
        self._log_names[process] = log_name
        return process

    def _wait_serving(self, process, serving, message, interval=POLL_INTERVAL):
        """Waits until serving() returns something true and returns that;
        fails at once, with what it printed, if process ends first."""
        def ready():
            if process.poll() is not None:
                raise RuntimeError(f"{process.args[0]} ended early: {self.output(process)}")
            return serving()

        return wait_until(ready, message=message, interval=interval)

    def _start_xvfb(self):
        # Xvfb writes its display number to the pipe once it accepts clients;
        # the pipe ends empty if it ends first.
        auth = []
        if self.cookie:
            # Xvfb takes each cookie in the file, whatever display it names.
            auth = ["-auth", os.path.join(self.root, "xvfb.auth")]
            self.run(["xauth", "-f", auth[1], "add", ":0", ".", self.cookie])
        read_end, write_end = os.pipe()
        try:
            self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", _SCREEN,
                         "-nolisten", "tcp", "-noreset", *auth], "xvfb.log",
                        pass_fds=(write_end,))
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError(f"Xvfb ended early: {self.log('xvfb.log')}")
        self.display = ":" + number

    def _start_weston(self):
        config = os.path.join(self.root, "weston.ini")
        pathlib.Path(config).write_text(_WESTON_CONFIG)
        self.wayland_display = "wayland-pomelo"
        weston = self._spawn(["weston", "--backend=headless-backend.so", "--use-pixman",
                              f"--socket={self.wayland_display}", f"--config={config}", "--debug",
                              *_WESTON_SCREEN], "weston.log")

        # Once it serves, its shell paints the background.
        def serving():
            if not os.path.exists(os.path.join(self.runtime_dir, self.wayland_display)):
                return False
            try:
                return self.screen_picture().getpixel((0, 0)) == WESTON_BACKGROUND
            except subprocess.CalledProcessError:
                return False

        self._wait_serving(weston, serving, "weston to show its background", interval=0.1)

    def screen_picture(self):
        """The compositor's screen, a PIL image."""
        from PIL import Image
        folder = tempfile.mkdtemp(dir=self.root)
        self.run(["weston-screenshooter"], cwd=folder)
        [name] = os.listdir(folder)
        with Image.open(os.path.join(folder, name)) as picture:
            return picture.convert("RGB")

    def _start_openbox(self):
        # New windows that ask for no place of their own go under the pointer
        # (the middle of the screen), so a window at 0, 0 is one that asked for it.
        config = os.path.join(self.root, "openbox-rc.xml")
        pathlib.Path(config).write_text(_OPENBOX_CONFIG)
        # Openbox owns the screen before it has finished starting up, and a
        # window mapped in between may never be managed; the start-up command
        # runs once it is done.
        ready = os.path.join(self.root, "openbox-ready")
        openbox = self._spawn(["openbox", "--sm-disable", "--config-file", config,
                               "--startup", f"touch {shlex.quote(ready)}"], "openbox.log")

        self._wait_serving(openbox, lambda: os.path.exists(ready) and "window id #" in self.x(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), "openbox to manage the screen")

    def _start_mutter(self, *options):
        # mutter starts the command once it manages the screen, with the
        # display it serves and the key to it in the environment, and ends
        # when the command does.
        ready = os.path.join(self.root, "mutter-ready")
        announce = (f'printf "%s\\n%s\\n" "$DISPLAY" "$XAUTHORITY" > {shlex.quote(ready)}.new'
                    f' && mv {shlex.quote(ready)}.new {shlex.quote(ready)} && exec sleep infinity')
        mutter = self._spawn(["mutter", *options, "--", "sh", "-c", announce], "mutter.log")
        announced = self._wait_serving(mutter, lambda: self.log("mutter-ready"),
                                       "mutter to manage the screen", interval=0.1)
        self.display, xauthority = announced.split("\n")[:2]
        self.xauthority = xauthority or None

    def _start_pulseaudio(self):
        pulse = self._spawn(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix"],
            "pulseaudio.log")
        self._wait_serving(pulse, lambda: self.run(["pactl", "info"], check=False).returncode == 0,
                           "the sound server")
        self._pulseaudio = pulse

    def _start_session_bus(self):
        service_dirs = ""
        if self.activation:
            services = os.path.join(self.root, "services")
            os.mkdir(services)
            pathlib.Path(services, APP_ID + ".service").write_text(
                _SERVICE_FILE.format(name=APP_ID, program=shlex.quote(self.program)))
            service_dirs = f"\n  <servicedir>{services}</servicedir>"
        config = os.path.join(self.root, "bus.conf")
        pathlib.Path(config).write_text(_BUS_CONFIG.format(
            address=self.env["DBUS_SESSION_BUS_ADDRESS"], service_dirs=service_dirs))
        # It prints its address once it takes connections.
        bus = self._spawn(["dbus-daemon", "--nofork", f"--config-file={config}",
                           "--print-address=1"], "dbus.log")
        self._wait_serving(bus, lambda: self.log("dbus.log"), "the session bus")
        self._session_bus = bus

    def end_session_bus(self):
        """Ends the session bus, as a session's end or a crash of it does:
        its clients' connections close."""
        end_process(self._session_bus)

    def restart_sound_server(self):
        """Ends the sound server and starts a new one in its place, as a
        desktop session may; recordings of the old one end with it."""
        end_process(self._pulseaudio)
        self._processes.remove(self._pulseaudio)
        self._start_pulseaudio()

    @contextlib.contextmanager
    def sound_server_hung(self):
        """The sound server stops (SIGSTOP) within the block: it takes
        connections but answers nothing until it goes on at the block's end."""
        self._pulseaudio.send_signal(signal.SIGSTOP)
        try:
            yield
        finally:
            self._pulseaudio.send_signal(signal.SIGCONT)

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
            "QT_QPA_PLATFORM": "wayland" if self.wayland else "xcb",
        })
        if self.display:
            env["DISPLAY"] = self.display
        if self.xauthority:
            env["XAUTHORITY"] = self.xauthority
        if self.wayland:
            env["WAYLAND_DISPLAY"] = self.wayland_display
        if self.root is not None:
            # Without a bus of our own, none: not even one started on demand.
            socket = "bus" if self.session_bus else "no-bus"
            env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={os.path.join(self.root, socket)}"
        if not self.sound and self.root is not None:
            # Without a server of our own, a sound client must not start one.
            env["PULSE_CLIENTCONFIG"] = os.path.join(self.root, "pulse-client.conf")
        return env

    def run(self, args, check=True, timeout=DEFAULT_TIMEOUT, cwd=None, extra_env=None):
        return subprocess.run(args, env=dict(self.env, **(extra_env or {})),
                              stdin=subprocess.DEVNULL, cwd=cwd, capture_output=True, text=True,
                              check=check, timeout=timeout)

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
            return pathlib.Path(self.root, name).read_text(errors="replace")
        except OSError:
            return ""

    # -- programs on it -------------------------------------------------------

    def start_client(self, args, extra_env=None):
        """Starts a program on this desktop, with extra_env added to its
        environment; it is ended on close."""
        log_name = f"{os.path.basename(args[0])}-{len(self._processes)}.log"
        return self._spawn(args, log_name, dict(self.env, **(extra_env or {})))

    def output(self, process):
        """What a program started here printed so far."""
        return self.log(self._log_names[process])

    def command(self, *args, extra_env=None):
        """Runs the desktop's program with args to its end: a CompletedProcess."""
        return self.run([self.program, *args], check=False, extra_env=extra_env)

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

    def stacking(self):
        """The window manager's client windows, bottom first."""
        out = self.x("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        return [int(word, 16) for word in re.findall(r"0x[0-9a-f]+", out)]

    def active_window(self):
        """The client window the window manager has activated, 0 for none."""
        found = re.findall(r"0x[0-9a-f]+", self.x("xprop", "-root", "_NET_ACTIVE_WINDOW"))
        return int(found[0], 16) if found else 0

    def root_window(self):
        return int(re.search(r"Window id: (0x[0-9a-f]+)", self.x("xwininfo", "-root")).group(1),
                   16)

    def visible_windows(self, name="pomelo"):
        """Ids of the mapped windows whose title is exactly name."""
        return self.search_visible("--name", f"^{name}$")

    def search_visible(self, *criteria):
        """Ids of the mapped windows that match xdotool search's criteria."""
        result = self.run(["xdotool", "search", "--onlyvisible", *criteria], check=False)
        return [int(word) for word in result.stdout.split()]

    def wait_for_no_window(self, name="pomelo"):
        wait_until(lambda: self.visible_windows(name) == [], message=f"the {name} window to go")

    # -- settings file ------------------------------------------------------

    @property
    def settings_path(self):
        return os.path.join(self.config_home, "pomelo.ini")

    def read_settings(self):
        """The settings file's bytes, or None when there is none."""
        try:
            return pathlib.Path(self.settings_path).read_bytes()
        except FileNotFoundError:
            return None

    def settings_stamp(self):
        """The settings file's inode and time of change: a rewrite changes it."""
        status = os.stat(self.settings_path)
        return status.st_ino, status.st_mtime_ns

    def write_settings(self, contents):
        pathlib.Path(self.settings_path).write_bytes(
            contents.encode() if isinstance(contents, str) else contents)

    # -- pointer --------------------------------------------------------------

    def move_pointer(self, x, y):
        self.x("xdotool", "mousemove", str(x), str(y))

    def pointer_window(self, x, y):
        """The window under the screen point as xdotool finds it (a client
        window or a window manager's frame), 0 for none."""
        out = self.x("xdotool", "mousemove", str(x), str(y), "getmouselocation", "--shell")
        fields = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(fields.get("WINDOW", 0))

    # -- events ---------------------------------------------------------------

    def watch(self, window):
        """Starts recording the structure, property and focus events of a
        window, and the messages sent to the clients that take them (on the
        root window: the window manager's requests, startup notification)."""
        return EventSpy(self, window)

    # -- notifications --------------------------------------------------------

    def serve_notifications(self, answer_after=0):
        """Starts a notification service on the session bus, which answers a
        post only after answer_after seconds; see Notifications."""
        return Notifications(self, answer_after)

    # -- sound ----------------------------------------------------------------

    def record(self, rate=44100):
        """Starts recording what the null sink plays; see Recording."""
        if not self.sound:
            raise RuntimeError("this desktop has no sound server")
        recording = Recording(self, rate)
        self._recordings.append(recording)
        return recording

    def playing_roles(self):
        """The media.role of each stream the sound server plays, None for one
        without (the recording's own stream is a source output, not one)."""
        roles = []
        for block in self.run(["pactl", "list", "sink-inputs"]).stdout.split("Sink Input #")[1:]:
            match = re.search(r'^\s*media\.role = "([^"]*)"', block, re.MULTILINE)
            roles.append(match.group(1) if match else None)
        return roles


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
    # The X server's time of the event, where it has one; ClientMessage: its type.
    time: int = None
    message_type: str = None


class EventSpy:
    """The structure, property and focus events of one window, as xev reports them."""

    _SYNC_PROPERTY = "_POMELO_TEST_SYNC"

    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        self._xev = desktop.start_client(["xev", "-id", str(window), "-event", "structure",
                                          "-event", "property", "-event", "focus"])
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
        found = []
        for block in self.desktop.output(self._xev).split("\n\n"):
            name = re.match(r"\s*(\w+) event", block)
            if name is None:
                continue
            atom = re.search(r"atom 0x[0-9a-f]+ \((\w+)\)", block)
            mode = re.search(r"mode (\w+)", block)
            position = re.search(r"\((-?\d+),(-?\d+)\), width", block)
            synthetic = re.search(r"synthetic (YES|NO)", block)
            stamp = re.search(r"time (\d+)", block)
            message_type = re.search(r"message_type 0x[0-9a-f]+ \((\w+)\)", block)
            event = Event(name.group(1), atom and atom.group(1), mode and mode.group(1),
                          position and (int(position.group(1)), int(position.group(2))),
                          synthetic and synthetic.group(1) == "YES",
                          stamp and int(stamp.group(1)), message_type and message_type.group(1))
            if include_syncs or not (event.atom or "").startswith(self._SYNC_PROPERTY):
                found.append(event)
        return found

    def server_time(self):
        """The X server's time now, as the window's next event tells it."""
        self.sync()
        return [event.time for event in self.events(include_syncs=True) if event.time][-1]

    def count(self, name, atom=None, mode=None):
        return sum(1 for event in self.events(include_syncs=True)
                   if event.name == name and atom in (None, event.atom)
                   and mode in (None, event.mode))


class Notifications:
    """notifications.py on the desktop's session bus, answering as a desktop's
    notification service does: the calls it had, and what a user does with a
    notice."""

    # Why a notice was closed: it expired, or the user dismissed it.
    EXPIRED = 1
    DISMISSED = 2

    def __init__(self, desktop, answer_after):
        self.desktop = desktop
        self._service = desktop.start_client([sys.executable, _NOTIFICATIONS, str(answer_after)])
        wait_until(lambda: ["ready"] in self._reports(), message="the notification service")

    def _reports(self):
        return [json.loads(line) for line in self.desktop.output(self._service).splitlines()
                if line.startswith("[")]

    def calls(self):
        """Each call as [method, arguments...], oldest first."""
        return [report for report in self._reports() if report != ["ready"]]

    def end(self):
        """The service ends, as when the desktop's is restarted."""
        end_process(self._service)

    def invoke_action(self, notice, action):
        """The user clicks the action (its key) of the notice with that id."""
        self._ask("InvokeAction", f"uint32:{notice}", f"string:{action}")

    def close(self, notice, reason=DISMISSED):
        """The notice with that id is closed, by default by the user."""
        self._ask("Close", f"uint32:{notice}", f"uint32:{reason}")

    def _ask(self, method, *args):
        # Answered once the signal is on the bus.
        self.desktop.run(["dbus-send", "--session", "--print-reply",
                          "--dest=org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                          f"io.github.pomelo_timer.Tests.{method}", *args])


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
                end_process(self.process)
        if not self._file.closed:
            self._file.close()
        return self.samples()
