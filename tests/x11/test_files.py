"""The program's files where the world misbehaves: a full disk leaves the
settings and the kept count as they were, and a count file that is no short
plain file, or lies in a folder another user owns, is left alone while the
program starts as usual."""

import errno
import os
import subprocess
import unittest
from pathlib import Path

from desktop import wait_until
from gadget import COUNTDOWN, HOME_SETTINGS, GadgetTest
from test_restart import drawn
from test_silent_alarm import write

HAND_MADE = HOME_SETTINGS + "[MINE]\nKEPT=by hand\n"
NOBODY = 65534


class FilesTest(GadgetTest):
    def count_folder(self, state_home=None):
        """The folder of the kept count, made private as the program makes it."""
        folder = os.path.join(state_home or os.path.join(self.desktop.home, ".local", "state"),
                              "pomelo")
        os.makedirs(folder, 0o700, exist_ok=True)
        return folder

    def mount_tiny_disk(self, path):
        """A 64 KiB tmpfs over path until the test ends; skips where mounting
        is refused (it takes root)."""
        mounted = subprocess.run(
            ["mount", "-t", "tmpfs", "-o", "size=64k,mode=700", "tmpfs", path],
            capture_output=True, text=True, check=False)
        if mounted.returncode != 0:
            self.skipTest(f"cannot mount a tmpfs to fill: {mounted.stderr.strip()}")
        self.addCleanup(subprocess.run, ["umount", "--lazy", path], check=True)

    def test_a_full_disk_leaves_both_files_byte_for_byte(self):
        desktop = self.open_desktop()
        self.mount_tiny_disk(desktop.config_home)
        state_home = os.path.join(desktop.config_home, "state")
        desktop.write_settings(HAND_MADE)
        gadget = self.start(extra_env={"XDG_STATE_HOME": state_home})
        count = os.path.join(self.count_folder(state_home), "count")
        for key in "500":
            gadget.click_key(key)
        gadget.wait_for_lcd("0500", COUNTDOWN)
        wait_until(lambda: os.path.exists(count), message="the count to be kept")
        files = {path: Path(path).read_bytes() for path in (desktop.settings_path, count)}

        filler = os.path.join(desktop.config_home, "filler")
        descriptor = os.open(filler, os.O_WRONLY | os.O_CREAT)
        with self.assertRaises(OSError) as full:
            while True:
                os.write(descriptor, bytes(4096))
        os.close(descriptor)
        self.assertEqual(full.exception.errno, errno.ENOSPC)

        # START writes both files before it starts the count; it goes on.
        gadget.click_key("START")
        gadget.wait_for_lcd("0459", COUNTDOWN)
        self.assertEqual({path: Path(path).read_bytes() for path in files}, files)
        self.assertEqual(sorted(os.listdir(desktop.config_home)), ["filler", "pomelo.ini", "state"])
        self.assertEqual(os.listdir(os.path.dirname(count)), ["count"])
        failures = [line for line in gadget.output().splitlines() if "cannot write" in line]
        self.assertEqual(len(failures), 2, failures)
        for path, line in zip(files, failures):
            self.assertIn(f'"{path}" "No space left on device"', line)

        # With room again, the next write writes the whole file.
        os.remove(filler)
        gadget.click_saving("START")
        self.assertEqual(desktop.read_settings().decode(),
                         HAND_MADE.replace("STRATF= 0", "STRATF= 1"))
        self.assertRegex(Path(count).read_text(),
                         r"\nRUNNING=0\nMINUTES=4\nSECONDS=5\d\n(.*\n)*BOOTID=.+\n$")

    def test_a_count_file_that_is_no_short_plain_file_is_left_alone(self):
        self.open_desktop(HOME_SETTINGS)
        count = os.path.join(self.count_folder(), "count")
        for kind, make in (("a FIFO", os.mkfifo), ("a sparse GiB", write(b"", 1 << 30))):
            with self.subTest(kind):
                make(count)
                try:
                    gadget = self.start()
                    self.assertEqual(drawn(gadget).digits, "0000")
                    wait_until(lambda: f'not reading "{count}"' in gadget.output(),
                               message="the line in the log")
                    gadget.end()
                finally:
                    os.remove(count)

    def test_a_count_in_a_folder_of_another_user_is_not_taken_up(self):
        if os.geteuid() != 0:
            self.skipTest("only root can give the count's folder to another user")
        gadget = self.open()
        for key in ("5", "0", "0", "START"):
            gadget.click_key(key)
        gadget.wait_for_lcd("0459", COUNTDOWN)
        gadget.kill()
        folder = self.count_folder()
        os.chown(folder, NOBODY, NOBODY)
        again = self.start()
        self.assertEqual(drawn(again).digits, "0000")
        wait_until(lambda: f'not reading the count from "{folder}"' in again.output(),
                   message="the line in the log")


if __name__ == "__main__":
    unittest.main()
