"""Only one copy of the program runs at a time; a copy that was killed does
not keep the next one away, nor does a lock file left broken or a command
racing a start or a quit."""

import os
import pwd
import unittest

from desktop import wait_until
from gadget import COUNTDOWN, Gadget, GadgetTest

# A file the program would rewrite (it lacks keys) if it wrote at all.
SETTINGS = "; by hand\n[FORM1]\nPOJIX= 1500\nPOJIY= 3000\n"


def lock_holders(folder):
    """Process ids named on the first line of the files in folder."""
    holders = {}
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        with open(path, "rb") as file:
            first = file.readline().strip()
        if first.isdigit():
            holders[name] = int(first)
    return holders


class SingleInstanceTest(GadgetTest):
    def test_second_copy_ends_at_once_and_leaves_everything_alone(self):
        for window_manager in (True, False):
            with self.subTest(window_manager=window_manager):
                desktop = self.open_desktop(window_manager=window_manager)
                desktop.write_settings(SETTINGS)
                # An old time stamp, so that any rewrite shows.
                os.utime(desktop.settings_path, ns=(1_000_000_000, 1_000_000_000))
                before = desktop.settings_stamp()

                first = self.start()
                second = Gadget.start(desktop, wait_for_window=False)
                self.assertEqual(second.wait_exit(timeout=10), 0)

                self.assertEqual(second.find_windows(), [])
                self.assertEqual(desktop.visible_windows(), [first.window])
                self.assertIsNone(first.process.poll())
                self.assertEqual(first.position(), (200, 100))
                self.assertEqual(desktop.read_settings(), SETTINGS.encode())
                self.assertEqual(desktop.settings_stamp(), before)

                # The first copy still answers its keys: OFF saves and ends it.
                self.assertEqual(self.off(first),
                                 "; by hand\n[FORM1]\nPOJIX= 1500\nPOJIY= 3000\n"
                                 "MODE= 0\nSTRATF= 0\nMEMORI= 0\n")

    def test_copy_killed_outright_does_not_keep_the_next_away(self):
        killed = self.open()
        desktop = self.desktop
        self.assertIn(killed.pid, lock_holders(desktop.runtime_dir).values())
        killed.kill()
        desktop.wait_for_no_window()
        # The lock is still there and names a process that is gone.
        self.assertIn(killed.pid, lock_holders(desktop.runtime_dir).values())

        successor = self.start()
        self.assertEqual(desktop.visible_windows(), [successor.window])
        self.assertNotIn(killed.pid, lock_holders(desktop.runtime_dir).values())
        self.assertIn(successor.pid, lock_holders(desktop.runtime_dir).values())

        # And it is the one copy now: a further start ends at once.
        third = Gadget.start(desktop, wait_for_window=False)
        self.assertEqual(third.wait_exit(), 0)
        self.assertEqual(desktop.visible_windows(), [successor.window])

    def test_without_a_usable_runtime_folder_one_copy_still_runs(self):
        desktop = self.open_desktop()
        # No XDG_RUNTIME_DIR, and Qt's fallback runtime-<user> in the temporary
        # folder is a symlink someone planted: Qt offers no runtime folder.
        temp = os.path.join(desktop.home, "tmp")
        os.makedirs(temp)
        os.symlink(temp, os.path.join(temp, "runtime-" + pwd.getpwuid(os.geteuid()).pw_name))
        env = {"XDG_RUNTIME_DIR": "", "TMPDIR": temp}

        first = Gadget.start(desktop, env)
        second = Gadget.start(desktop, env, wait_for_window=False)
        self.assertEqual(second.wait_exit(timeout=10), 0)
        self.assertEqual(desktop.visible_windows(), [first.window])
        folder = os.path.join(desktop.home, ".cache", "pomelo")
        self.assertEqual(os.stat(folder).st_mode & 0o777, 0o700)
        self.assertEqual(lock_holders(folder), {"pomelo.lock": first.pid})
        self.assertFalse(os.path.exists("/pomelo.lock"))

    def test_a_lock_file_left_broken_does_not_keep_the_gadget_away(self):
        desktop = self.open_desktop()
        lock = os.path.join(desktop.runtime_dir, "pomelo.lock")
        precious = os.path.join(desktop.home, "precious")
        with open(precious, "w") as file:
            file.write("kept\n")
        # What a power loss, a hand edit or a planted link leaves in its place.
        for left, contents in (("empty", b""), ("garbled", b"\0\xff12ab\n\n"), ("symlink", None)):
            with self.subTest(left=left):
                if os.path.lexists(lock):
                    os.remove(lock)
                if contents is None:
                    os.symlink(precious, lock)
                else:
                    with open(lock, "wb") as file:
                        file.write(contents)
                gadget = self.start(at=None)
                again = Gadget.start(desktop, wait_for_window=False)
                self.assertEqual(again.wait_exit(), 0)
                self.assertEqual(desktop.visible_windows(), [gadget.window])
                self.assertEqual(lock_holders(desktop.runtime_dir), {"pomelo.lock": gadget.pid})
                gadget.end()
                desktop.wait_for_no_window()
        with open(precious) as file:
            self.assertEqual(file.read(), "kept\n")

    def test_a_status_query_never_keeps_a_start_away(self):
        desktop = self.open_desktop(session_bus=True)
        for attempt in range(20):
            with self.subTest(attempt=attempt):
                query = desktop.start_client([desktop.program, "--status"])
                gadget = Gadget.start(desktop)
                status = query.wait(10)
                # A copy just started shows no digits yet.
                self.assertRegex(f"{status} {desktop.output(query)}",
                                 r"^(1 pomelo is not running|0 countdown stopped( 00 00)?)\n$")
                self.assertEqual(desktop.visible_windows(), [gadget.window])
                gadget.end()
                desktop.wait_for_no_window()

    def test_a_command_while_the_copy_quits_is_carried_out_or_refused(self):
        desktop = self.open_desktop(session_bus=True)
        for attempt in range(5):
            with self.subTest(attempt=attempt):
                first = Gadget.start(desktop)
                quitting = desktop.start_client([desktop.program, "--quit"])
                command = Gadget.start(desktop, wait_for_window=False, args=["1:00"])
                # It hands the command over and ends, or becomes the gadget.
                wait_until(lambda: command.process.poll() is not None or command.find_windows(),
                           message="pomelo 1:00 to end or show its window")
                self.assertEqual(quitting.wait(10), 0, desktop.output(quitting))
                self.assertEqual(first.wait_exit(), 0)
                if command.process.poll() is None:
                    self.assertEqual(desktop.visible_windows(), [command.window])
                    command.wait_for_lcd(None, COUNTDOWN)
                    self.assertRegex(desktop.command("--status").stdout,
                                     r"^countdown running (01 00|00 5\d)\n$")
                    command.end()
                elif command.process.returncode == 0:
                    # The quitting copy took it before the quit: it saved the
                    # countdown as running.
                    self.assertEqual(desktop.visible_windows(), [])
                    self.assertIn(b"STRATF= 1", desktop.read_settings())
                else:
                    # Only a copy that neither answers nor ends in time, or
                    # ends without answering once it has the command, makes
                    # a command fail.
                    self.assertEqual(command.process.returncode, 1)
                    self.assertRegex(command.output(),
                                     r"^pomelo: (cannot reach the running copy \(process \d+\): "
                                     r"it does not answer|the command was handed to the running "
                                     r"copy \(process \d+\), which ended without answering)")
                desktop.wait_for_no_window()


if __name__ == "__main__":
    unittest.main()
