"""The test desktop itself: private, complete, side by side with others, and
gone without a trace when it closes."""

import math
import os
import stat
import subprocess
import unittest

from desktop import Desktop, faketime_env, wait_until


def processes_alive(processes):
    return [process.args[0] for process in processes if process.poll() is None]


class DesktopTest(unittest.TestCase):
    def test_private_folders_and_own_display(self):
        with Desktop() as first, Desktop(window_manager=False) as second:
            self.assertNotEqual(first.display, second.display)
            env = first.env
            for name in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"):
                self.assertTrue(env[name].startswith(first.root + os.sep), name)
            self.assertEqual(stat.S_IMODE(os.stat(first.runtime_dir).st_mode), 0o700)
            self.assertEqual(first.settings_path,
                             os.path.join(env["XDG_CONFIG_HOME"], "pomelo.ini"))
            self.assertIn("window id #", first.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
            self.assertNotIn("window id #",
                             second.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))

    def test_everything_ends_and_goes_also_after_a_failure(self):
        with self.assertRaises(ZeroDivisionError):
            with Desktop(sound=True) as desktop:
                desktop.start_gadget()
                processes = list(desktop._processes)
                root, display = desktop.root, desktop.display
                self.assertEqual(len(processes_alive(processes)), 4)
                1 / 0
        self.assertEqual(processes_alive(processes), [])
        self.assertFalse(os.path.exists(root))
        self.assertFalse(os.path.exists(f"/tmp/.X{display[1:]}-lock"))

    def test_faked_clock(self):
        with Desktop(window_manager=False) as desktop:
            env = desktop.env
            env.update(faketime_env("@2001-02-03 04:05:06"))
            result = subprocess.run(["date", "+%Y-%m-%d %H:%M"], env=env, capture_output=True,
                                    text=True, check=True, timeout=10)
            self.assertEqual(result.stdout.strip(), "2001-02-03 04:05")

    def test_recording_hears_what_is_played(self):
        with Desktop(window_manager=False, sound=True) as desktop:
            recording = desktop.record(rate=8000)
            recording.wait_started()
            tone = b"".join(
                int(20000 * math.sin(2 * math.pi * 440 * i / 8000)).to_bytes(2, "little",
                                                                            signed=True)
                for i in range(4000))
            subprocess.run(["pacat", "--raw", "--format=s16le", "--rate=8000", "--channels=1"],
                           input=tone, env=desktop.env, check=True, timeout=10)
            wait_until(lambda: max(map(abs, recording.samples()), default=0) > 15000,
                       message="the tone in the recording")
            samples = recording.stop()
            self.assertLess(max(map(abs, samples[:50])), 1000)  # silence before it


if __name__ == "__main__":
    unittest.main()
