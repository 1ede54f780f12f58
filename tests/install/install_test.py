#!/usr/bin/env python3
"""Checks what pomelo installs, as a tree, as a .deb and as its screenshot.

  install_test.py prefix      cmake --install into a temporary prefix and check it
  install_test.py deb         cpack a .deb into a temporary folder and check it
  install_test.py screenshot  run the screenshot tool and check its picture
"""

import argparse
import gzip
import os
import re
import shlex
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

from PIL import Image, ImageChops

ARGS = None

# What the .deb must depend on: the libraries it links, which dpkg-shlibdeps
# finds, and those it loads at run time, listed by hand.
RUNTIME_PACKAGES = [
    "libqt6widgets6",
    "libqt6dbus6",
    "libqt6svg6",
    "qt6-qpa-plugins",
    "libcanberra0",
    "libcanberra-pulse",
]


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, check=False, **kwargs)


def clean_environment():
    environment = dict(os.environ)
    # A DESTDIR from outside would send the install somewhere else.
    environment.pop("DESTDIR", None)
    return environment


def installed_paths(app_id):
    """The files of the install, relative to the prefix, by what they are."""
    libexec = os.path.join(ARGS.libexecdir, "pomelo")
    icons = os.path.join(ARGS.datadir, "icons", "hicolor")
    return {
        "program": os.path.join(libexec, "pomelo"),
        "beep": os.path.join(libexec, "BEEP"),
        "link": os.path.join(ARGS.bindir, "pomelo"),
        "desktop": os.path.join(ARGS.datadir, "applications", app_id + ".desktop"),
        "svg": os.path.join(icons, "scalable", "apps", app_id + ".svg"),
        "png": os.path.join(icons, "48x48", "apps", app_id + ".png"),
        "metainfo": os.path.join(ARGS.datadir, "metainfo", app_id + ".metainfo.xml"),
        "service": os.path.join(ARGS.datadir, "dbus-1", "services", app_id + ".service"),
        "manual": os.path.join(ARGS.mandir, "man1", "pomelo.1.gz"),
        "completion": os.path.join(ARGS.datadir, "bash-completion", "completions", "pomelo"),
        "license": os.path.join(ARGS.docdir, "LICENSE"),
    }


def read_png(path):
    """The PNG file at path as an RGBA image."""
    with Image.open(path) as image:
        if image.format != "PNG":
            raise ValueError(f"{path} is {image.format}, not PNG")
        return image.convert("RGBA")


def read_desktop_entry(path, group_name="Desktop Entry"):
    entry = {}
    with open(path, encoding="utf-8") as file:
        group = None
        for line in file:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == f"[{group_name}]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                entry[key.strip()] = value.strip()
    return entry


def exec_words(path, group_name):
    """The words of the Exec line of a desktop entry or a D-Bus service file
    in group_name, split as launchers and the bus split them."""
    return shlex.split(read_desktop_entry(path, group_name).get("Exec", ""))


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tempdir = tempfile.TemporaryDirectory(prefix="pomelo-install-")
        cls.addClassCleanup(cls.tempdir.cleanup)
        # A blank in the path, as in many a home folder's name.
        cls.prefix = os.path.join(cls.tempdir.name, "the prefix")
        cls.result = run([ARGS.cmake, "--install", ARGS.build, "--prefix", cls.prefix],
                         env=clean_environment())
        cls.paths = {name: os.path.join(cls.prefix, path)
                     for name, path in installed_paths(ARGS.app_id).items()}

    def setUp(self):
        self.assertEqual(self.result.returncode, 0, self.result.stdout + self.result.stderr)

    def test_every_file_is_installed(self):
        for name, path in self.paths.items():
            with self.subTest(name=name):
                self.assertTrue(os.path.isfile(path), f"{path} is missing")
        self.assertTrue(os.access(self.paths["program"], os.X_OK))

    def test_bin_link_is_relative_and_reaches_the_program_beside_its_sound(self):
        link = self.paths["link"]
        self.assertTrue(os.path.islink(link), f"{link} is no symbolic link")
        target = os.readlink(link)
        self.assertFalse(os.path.isabs(target), f"{link} -> {target} is absolute")
        resolved = os.path.realpath(link)
        self.assertEqual(resolved, os.path.realpath(self.paths["program"]))
        self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(resolved), "BEEP")))

    def test_link_still_works_after_the_prefix_moves(self):
        moved = os.path.join(self.tempdir.name, "moved")
        os.rename(self.prefix, moved)
        try:
            link = os.path.join(moved, ARGS.bindir, "pomelo")
            program = os.path.join(moved, ARGS.libexecdir, "pomelo", "pomelo")
            self.assertEqual(os.path.realpath(link), os.path.realpath(program))
        finally:
            os.rename(moved, self.prefix)

    def test_beep_is_a_minute_of_16_bit_pcm_wave_rising_to_full_level(self):
        with open(self.paths["beep"], "rb") as file:
            data = file.read()
        self.assertEqual(data[0:4], b"RIFF")
        self.assertEqual(data[8:12], b"WAVE")
        (riff_size,) = struct.unpack("<I", data[4:8])
        self.assertEqual(riff_size, len(data) - 8)
        chunks = {}
        position = 12
        while position + 8 <= len(data):
            kind = data[position : position + 4]
            (size,) = struct.unpack("<I", data[position + 4 : position + 8])
            chunks[kind] = data[position + 8 : position + 8 + size]
            position += 8 + size + (size & 1)
        self.assertIn(b"fmt ", chunks)
        self.assertIn(b"data", chunks)
        audio_format, channels, rate, byte_rate, block, bits = struct.unpack(
            "<HHIIHH", chunks[b"fmt "][:16]
        )
        self.assertEqual(audio_format, 1, "not PCM")
        self.assertEqual(bits, 16)
        self.assertGreaterEqual(channels, 1)
        self.assertGreater(rate, 0)
        self.assertEqual(block, channels * 2)
        self.assertEqual(byte_rate, rate * block)
        samples = chunks[b"data"]
        self.assertEqual(len(samples) % block, 0)
        # A ring of a minute, small enough to ship, starting at about a third
        # of the level it reaches within ten seconds.
        self.assertLess(len(data), 1.5e6)
        seconds = len(samples) / byte_rate
        self.assertAlmostEqual(seconds, 60, delta=0.5)
        values = [s for (s,) in struct.iter_unpack("<h", samples)][::channels]

        def loudest(second):
            return max(map(abs, values[second * rate:(second + 1) * rate]))

        self.assertGreater(loudest(10), 20000)
        self.assertEqual(loudest(59), loudest(10))
        self.assertAlmostEqual(loudest(0) / loudest(10), 1 / 3, delta=0.05)

    def test_desktop_entry_validates_and_names_what_is_installed(self):
        result = run(["desktop-file-validate", self.paths["desktop"]])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout + result.stderr, "", "hints or warnings")
        entry = read_desktop_entry(self.paths["desktop"])
        self.assertEqual(entry.get("Type"), "Application")
        self.assertEqual(entry.get("Name"), "pomelo")
        # The command, the icon and the window class must match what exists.
        # The command is the installed program's path, which launchers find
        # whatever their PATH holds.
        self.assertEqual(exec_words(self.paths["desktop"], "Desktop Entry"), [self.paths["link"]])
        self.assertEqual(entry.get("Icon"), ARGS.app_id)
        self.assertEqual(entry.get("StartupWMClass"), "pomelo")
        self.assertEqual(entry.get("Terminal"), "false")
        self.assertEqual(entry.get("Categories"), "Utility;Clock;")
        for word in ("timer", "countdown", "stopwatch", "clock", "alarm"):
            self.assertIn(word, entry.get("Keywords", "").split(";"))
        self.assertTrue(entry.get("GenericName"))
        self.assertTrue(entry.get("Comment"))
        # In each language the program speaks too.
        for language in ARGS.languages:
            for key in ("Name", "GenericName", "Comment", "Keywords"):
                self.assertTrue(entry.get(f"{key}[{language}]"), f"{key}[{language}]")
        # A launcher's right-click actions: the program with one command each.
        commands = {}
        for action in entry.get("Actions", "").split(";")[:-1]:
            group = read_desktop_entry(self.paths["desktop"], f"Desktop Action {action}")
            self.assertTrue(group.get("Name"), action)
            for language in ARGS.languages:
                self.assertTrue(group.get(f"Name[{language}]"), f"{action} in {language}")
            program, *arguments = exec_words(self.paths["desktop"], f"Desktop Action {action}")
            self.assertEqual(program, self.paths["link"])
            commands[action] = " ".join(arguments)
        self.assertEqual(sorted(commands.values()),
                         ["--clock", "--stopwatch", "10m", "3m", "5m"])

    def test_session_bus_service_starts_the_installed_program(self):
        service = read_desktop_entry(self.paths["service"], "D-BUS Service")
        self.assertEqual(service.get("Name"), ARGS.app_id)
        self.assertEqual(exec_words(self.paths["service"], "D-BUS Service"), [self.paths["link"]])

    def options(self):
        """The options the installed program's --help tells of."""
        result = run([self.paths["link"], "--help"])
        self.assertEqual(result.returncode, 0, result.stderr)
        return sorted(set(re.findall(r"--[a-z]+", result.stdout)))

    def test_manual_page_renders_without_warnings_where_man_looks(self):
        environment = clean_environment()
        environment.pop("MANPATH", None)
        environment.update(LC_ALL="C.UTF-8", MANWIDTH="80", MANPAGER="cat", PAGER="cat")
        result = run(["man", "--warnings", "-E", "UTF-8", "-l", self.paths["manual"]],
                     env=environment)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, "", "warnings")
        text = result.stdout.replace("\u2010", "-")
        headings = [line for line in text.splitlines() if re.fullmatch(r"[A-Z][A-Z -]+", line)]
        self.assertEqual(headings, ["NAME", "SYNOPSIS", "DESCRIPTION", "KEYS", "COMMANDS",
                                    "EXIT STATUS", "FILES", "D-BUS INTERFACE", "ENVIRONMENT",
                                    "EXAMPLES", "SEE ALSO"])
        for word in self.options() + ["pomelo.ini", "MODE", "STRATF", "STARTF", "POJIX", "POJIY",
                                      "MEMORI", "BEEP", "pomelo.lock", ARGS.app_id]:
            with self.subTest(word=word):
                self.assertIn(word, text)
        # With the prefix's programs on the PATH, man finds the page beside them.
        environment["PATH"] = os.path.join(self.prefix, ARGS.bindir) + ":/usr/bin:/bin"
        found = run(["man", "-w", "pomelo"], env=environment)
        self.assertEqual(found.stdout.strip(), self.paths["manual"], found.stderr)

    def complete(self, *words):
        """What bash offers for the last of words after `pomelo`, its completion
        loaded by bash-completion from ~/.local/share of a home whose ~/.local
        is the prefix; and the file it was loaded from."""
        script = r"""
            source /usr/share/bash-completion/bash_completion
            __load_completion pomelo || exit 3
            registered=$(complete -p pomelo) function=${registered##* -F } function=${function%% *}
            shopt -s extdebug
            declare -F "$function" | cut -d' ' -f3-
            COMP_WORDS=(pomelo "$@") COMP_CWORD=$#
            COMP_LINE="${COMP_WORDS[*]}" COMP_POINT=${#COMP_LINE}
            "$function" pomelo "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
            printf '%s\n' "${COMPREPLY[@]}"
        """
        home = os.path.join(self.tempdir.name, "home")
        if not os.path.isdir(home):
            os.mkdir(home)
            os.symlink(self.prefix, os.path.join(home, ".local"))
        environment = {name: value for name, value in clean_environment().items()
                       if not name.startswith(("XDG_DATA_", "BASH_COMPLETION_"))}
        # No other folder to find a completion for pomelo in.
        environment.update(HOME=home, XDG_DATA_DIRS=home)
        result = run(["bash", "-c", script, "bash", *words], env=environment)
        self.assertEqual(result.returncode, 0, result.stderr)
        source, *offers = result.stdout.splitlines()
        return os.path.realpath(source), sorted(offer for offer in offers if offer)

    def test_bash_completion_offers_the_options_and_nothing_for_a_duration(self):
        options = self.options()
        starting_with_s = [option for option in options if option.startswith("--s")]
        self.assertEqual(len(starting_with_s), 3)
        # The words typed, the last one being completed, and what is offered.
        cases = (
            ([""], options),
            (["--s"], starting_with_s),
            (["5"], []),
            (["--clock", ""], []),
        )
        for words, offered in cases:
            with self.subTest(words=words):
                source, offers = self.complete(*words)
                self.assertEqual(source, os.path.realpath(self.paths["completion"]))
                self.assertEqual(offers, offered)

    def test_metainfo_validates_and_matches_the_install(self):
        result = run(["appstreamcli", "validate", "--no-net", self.paths["metainfo"]])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        # Its warnings and errors; its infos and pedantic notes pass.
        self.assertEqual([line for line in (result.stdout + result.stderr).splitlines()
                          if line[:2] in ("W:", "E:")], [])
        component = ElementTree.parse(self.paths["metainfo"]).getroot()
        self.assertEqual(component.get("type"), "desktop-application")
        self.assertEqual(component.findtext("id"), ARGS.app_id)
        self.assertEqual(component.findtext("metadata_license"), "CC0-1.0")
        self.assertEqual(component.findtext("project_license"), "MIT")
        launchable = component.find("launchable")
        self.assertEqual(launchable.get("type"), "desktop-id")
        self.assertEqual(launchable.text, os.path.basename(self.paths["desktop"]))
        self.assertEqual(component.findtext("provides/binary"), "pomelo")
        self.assertEqual(component.findtext("url[@type='homepage']"), ARGS.home_url)
        self.assertEqual(
            component.findtext("screenshots/screenshot/image"), ARGS.home_url + "screenshot.png"
        )
        # The newest release is the one being built.
        self.assertEqual(component.find("releases/release").get("version"), ARGS.version)
        # The languages the program speaks, and its name and summary in each.
        self.assertEqual(sorted(lang.text for lang in component.iterfind("languages/lang")),
                         sorted(ARGS.languages))
        lang_attribute = "{http://www.w3.org/XML/1998/namespace}lang"
        for tag in ("name", "summary"):
            translated = {element.get(lang_attribute) for element in component.iterfind(tag)}
            self.assertEqual(translated, {None, *ARGS.languages}, tag)

    def test_bitmap_icon_is_48_px_and_drawn(self):
        icon = read_png(self.paths["png"])
        self.assertEqual(icon.size, (48, 48))
        # Round the edges of the fruit the background shows; its middle is solid.
        self.assertEqual(icon.getpixel((0, 0))[3], 0)
        self.assertEqual(icon.getpixel((24, 24))[3], 255)

    def test_scalable_icon_and_license_are_the_sources(self):
        for name, source in (("svg", ARGS.svg), ("license", ARGS.license)):
            with self.subTest(name=name):
                with open(self.paths[name], "rb") as installed, open(source, "rb") as original:
                    self.assertEqual(installed.read(), original.read())

    def test_uninstall_command_of_the_readme_removes_every_file(self):
        prefix = os.path.join(self.tempdir.name, "removed prefix")
        result = run([ARGS.cmake, "--install", ARGS.build, "--prefix", prefix],
                     env=clean_environment())
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        manifest = os.path.join(ARGS.build, "install_manifest.txt")
        result = run(["sh", "-c", "xargs -d '\\n' rm -f -- < \"$1\"", "sh", manifest])
        self.assertEqual(result.returncode, 0, result.stderr)
        left = [os.path.join(folder, name)
                for folder, _, names in os.walk(prefix) for name in names]
        self.assertEqual(left, [])

    def test_without_a_display_it_says_so_in_one_line(self):
        # The arguments, what the environment adds, and what the line names.
        cases = (
            ((), {}, ("DISPLAY", "WAYLAND_DISPLAY")),
            (("5m",), {"QT_QPA_PLATFORM": "xcb"}, ("DISPLAY",)),
        )
        for arguments, added, named in cases:
            with self.subTest(added=added):
                environment = {name: value for name, value in clean_environment().items()
                               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
                environment.update(added, XDG_RUNTIME_DIR=tempfile.mkdtemp(dir=self.tempdir.name),
                                   XDG_CONFIG_HOME=tempfile.mkdtemp(dir=self.tempdir.name))
                result = run([self.paths["link"], *arguments], env=environment, timeout=30)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertEqual(result.stdout, "")
                self.assertRegex(result.stderr, "^pomelo: [^\n]*\n$")
                for name in named:
                    self.assertIn(name, result.stderr)

    def test_program_starts_through_the_link(self):
        runtime = tempfile.mkdtemp(dir=self.tempdir.name)
        config = tempfile.mkdtemp(dir=self.tempdir.name)
        environment = clean_environment()
        environment.update(QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime,
                           XDG_CONFIG_HOME=config)
        process = subprocess.Popen([self.paths["link"]], env=environment,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            # The instance lock shows it got past starting Qt.
            deadline = time.monotonic() + 10
            lock = os.path.join(runtime, "pomelo.lock")
            while not os.path.exists(lock) and process.poll() is None:
                self.assertLess(time.monotonic(), deadline, "no instance lock")
                time.sleep(0.05)
            time.sleep(0.5)
            self.assertIsNone(process.poll(), "the program ended")
            # Where Qt's applicationDirPath() looks, and so where BEEP is found.
            exe = os.readlink(f"/proc/{process.pid}/exe")
            self.assertEqual(exe, os.path.realpath(self.paths["program"]))
        finally:
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
            try:
                process.communicate(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.communicate()


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tempdir = tempfile.TemporaryDirectory(prefix="pomelo-deb-")
        cls.addClassCleanup(cls.tempdir.cleanup)
        cls.result = run([ARGS.cpack, "-G", "DEB", "--config",
                          os.path.join(ARGS.build, "CPackConfig.cmake"), "-B", cls.tempdir.name],
                         env=clean_environment())
        debs = [name for name in os.listdir(cls.tempdir.name) if name.endswith(".deb")]
        cls.deb = os.path.join(cls.tempdir.name, debs[0]) if len(debs) == 1 else None
        # Its files as installing it would lay them out.
        cls.root = os.path.join(cls.tempdir.name, "root")
        if cls.deb:
            run(["dpkg-deb", "--extract", cls.deb, cls.root])

    def setUp(self):
        self.assertEqual(self.result.returncode, 0, self.result.stdout + self.result.stderr)
        self.assertIsNotNone(self.deb, "not exactly one .deb")

    def field(self, name):
        result = run(["dpkg-deb", "--field", self.deb, name])
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "pomelo")
        self.assertEqual(self.field("Version"), f"{ARGS.version}-{ARGS.release}")
        architecture = run(["dpkg", "--print-architecture"]).stdout.strip()
        self.assertEqual(self.field("Architecture"), architecture)
        self.assertTrue(self.field("Maintainer"))
        depends = [d.split("(")[0].strip() for d in self.field("Depends").split(",")]
        for package in RUNTIME_PACKAGES:
            with self.subTest(package=package):
                self.assertIn(package, depends)

    def test_contents_under_usr(self):
        result = run(["dpkg-deb", "--contents", self.deb])
        self.assertEqual(result.returncode, 0, result.stderr)
        entries = {}
        for line in result.stdout.splitlines():
            fields = line.split(None, 5)
            mode, name = fields[0], fields[5]
            target = None
            if " -> " in name:
                name, target = name.split(" -> ", 1)
            entries[os.path.normpath(name.lstrip("."))] = (mode, target)
        packaged = list(installed_paths(ARGS.app_id).values()) + [
            os.path.join(ARGS.docdir, "copyright"),
            os.path.join(ARGS.docdir, "changelog.Debian.gz"),
        ]
        for path in packaged:
            with self.subTest(path=path):
                self.assertIn(os.path.join("/usr", path), entries)
        program = os.path.join("/usr", ARGS.libexecdir, "pomelo", "pomelo")
        self.assertTrue(entries[program][0].startswith("-rwxr-xr-x"))
        mode, target = entries[os.path.join("/usr", ARGS.bindir, "pomelo")]
        self.assertTrue(mode.startswith("l"))
        self.assertEqual(target, os.path.relpath(program, os.path.join("/usr", ARGS.bindir)))

    def test_lintian_finds_no_fault(self):
        result = run(["lintian", "--show-overrides", self.deb], timeout=600)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        tags = result.stdout.splitlines()
        self.assertEqual([tag for tag in tags if tag[:2] in ("E:", "W:")], [], result.stdout)
        # The package's own overrides hide only what its comments explain.
        overridden = {tag.split()[2] for tag in tags if tag.startswith("O:")}
        self.assertLessEqual(overridden, {"initial-upload-closes-no-bugs"})

    def test_launchers_and_the_bus_start_the_packaged_program(self):
        program = os.path.join("/usr", ARGS.bindir, "pomelo")
        paths = installed_paths(ARGS.app_id)
        for kind, group in (("desktop", "Desktop Entry"), ("service", "D-BUS Service")):
            with self.subTest(kind=kind):
                path = os.path.join(self.root, "usr", paths[kind])
                self.assertEqual(exec_words(path, group), [program])

    def test_changelog_tells_of_this_version(self):
        path = os.path.join(self.root, "usr", ARGS.docdir, "changelog.Debian.gz")
        with gzip.open(path, "rt", encoding="utf-8") as file:
            first = file.readline()
        self.assertRegex(first, rf"^pomelo \({re.escape(self.field('Version'))}\) ")


class Screenshot(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tempdir = tempfile.TemporaryDirectory(prefix="pomelo-screenshot-")
        cls.addClassCleanup(cls.tempdir.cleanup)
        cls.made = os.path.join(cls.tempdir.name, "screenshot.png")
        environment = clean_environment()
        environment["XDG_RUNTIME_DIR"] = cls.tempdir.name
        cls.result = run([ARGS.tool, cls.made], env=environment, timeout=60)

    def setUp(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr)

    def test_window_with_its_shape_cut_out(self):
        made = read_png(self.made)
        width, height = made.size
        self.assertEqual((width, height), (ARGS.width, ARGS.height))
        # The two columns left of the shape and the rounded corners are clear.
        for x, y in ((0, height // 2), (1, height // 2), (2, 0), (width - 1, 0)):
            with self.subTest(x=x, y=y):
                self.assertEqual(made.getpixel((x, y))[3], 0)
        for x, y in ((2, height // 2), (width // 2, 0), (width // 2, height // 2)):
            with self.subTest(x=x, y=y):
                self.assertEqual(made.getpixel((x, y))[3], 255)

    def test_committed_screenshot_is_up_to_date(self):
        committed = read_png(ARGS.committed)
        hint = f"refresh it: cmake --build {ARGS.build} --target screenshot"
        self.assertEqual(committed.size, (ARGS.width, ARGS.height), hint)
        difference = ImageChops.difference(read_png(self.made), committed)
        differing = sum(1 for pixel in difference.getdata() if max(pixel) > 48)
        # A changed digit or indicator moves dozens of pixels; a few may differ
        # by antialiasing alone.
        self.assertLessEqual(differing, 8, f"{ARGS.committed} differs in {differing} px; {hint}")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    layout = ("--build", "--app-id", "--version", "--bindir", "--libexecdir", "--datadir",
              "--mandir", "--docdir")
    for name, options in (("prefix", layout + ("--cmake", "--home-url", "--svg", "--license")),
                          ("deb", layout + ("--cpack", "--release")),
                          ("screenshot", ("--build", "--tool", "--committed"))):
        command = commands.add_parser(name)
        for option in options:
            command.add_argument(option, required=True)
    commands.choices["prefix"].add_argument("--languages", nargs="+", required=True)
    for option in ("--width", "--height"):
        commands.choices["screenshot"].add_argument(option, type=int, required=True)
    ARGS = parser.parse_args()
    case = {"prefix": InstalledTree, "deb": DebianPackage, "screenshot": Screenshot}[ARGS.command]
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(case)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
