"""Commands from outside the window, on a real X server with a session bus of
its own: the command line hands them to the running copy, or starts the
gadget with one; they act as their keys; the alarm posts a desktop notice
that the next key press withdraws, and whose actions and dismissal answer
the ring; a call on the bus with no copy running starts one, and launchers
that start programs over the bus reach the one window."""

import configparser
import json
import os
import re
import signal
import sys
import unittest

from desktop import APP_ID, end_process, faketime_env, wait_until
from gadget import COUNTDOWN, HOME, HOME_SETTINGS, STOPWATCH, Gadget, GadgetTest, settings_text
from test_alarm import AlarmTestCase

EVENING = "@2026-12-08 21:07:10"
NOTHING_KEYED = "pomelo: no countdown to start again: none has been keyed in\n"
SEND = ["dbus-send", "--session", "--print-reply", f"--dest={APP_ID}",
        "/io/github/pomelo_timer/Pomelo"]
# A launcher's call of org.freedesktop.Application on the object whose path
# the freedesktop rules derive from the name: name, method, then the
# arguments as JSON.
APPLICATION_CALL = """
import dbus, json, sys
name, method, arguments = sys.argv[1], sys.argv[2], json.loads(sys.argv[3])
signatures = {"Activate": "a{sv}", "ActivateAction": "sava{sv}", "Open": "asa{sv}"}
try:
    dbus.SessionBus().call_blocking(name, "/" + name.replace(".", "/"),
                                    "org.freedesktop.Application", method, signatures[method],
                                    arguments)
except dbus.DBusException as error:
    sys.exit(f"{error.get_dbus_name()}: {error.get_dbus_message()}")
"""
DESKTOP_ENTRY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources",
                             "pomelo.desktop.in")
# A process that takes the gadget's name on the bus and answers nothing.
SQUATTER = ("import dbus, sys, time; dbus.SessionBus().request_name(sys.argv[1]); "
            "print('ready', flush=True); time.sleep(600)")
# A process that holds the instance lock, as a copy does while it starts.
LOCK_HOLDER = ("import fcntl, os, sys, time; lock = os.open(sys.argv[1], os.O_RDWR | os.O_CREAT); "
               "fcntl.lockf(lock, fcntl.LOCK_EX); print('ready', flush=True); time.sleep(60)")


class RemoteAlarmTest(AlarmTestCase):
    def count_down(self, length):
        """Starts a countdown of length with the command; the moves of the
        window after it are its alarm's shake, which a click meant for a key
        waits out (assert_shakes_home): while it jumps, it lands beside it."""
        self.gadget.wait_for_position(HOME)
        self.spy.sync()
        self.moves_before = len(self.moves())
        self.shake_start = HOME
        self.command(length)

    def test_countdown_in_the_running_copy_rings_and_posts_a_notice(self):
        self.open(session_bus=True)
        notices = self.desktop.serve_notifications()
        at_start = self.recorded()
        self.count_down("0:03")
        self.assertEqual(self.desktop.visible_windows(), [self.gadget.window])
        self.gadget.wait_for_lcd({"0002", "0001"}, COUNTDOWN)
        self.gadget.wait_for_above(True)
        at_alarm = self.recorded()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        self.assert_heard(at_start, at_alarm, 3)

        calls = wait_until(notices.calls, message="the notice")
        self.assertEqual(len(calls), 1, calls)
        method, app, replaces, icon, summary, body, actions, hints, timeout = calls[0]
        self.assertEqual((method, app, replaces, icon, summary, actions, timeout),
                         ("Notify", "pomelo", 0, APP_ID, "pomelo",
                          ["default", "Stop", "stop", "Stop", "again", "Again"], 0))
        self.assertRegex(body, r"^The countdown of 00:03 ended at \d\d:\d\d\.$")
        self.assertEqual(hints, {"urgency": 2, "desktop-entry": APP_ID, "resident": True,
                                 "suppress-sound": True})

        # The first key press withdraws it; later ones do nothing more.
        self.assert_shakes_home(HOME)
        self.gadget.click_key("5")
        self.gadget.wait_for_above(False)
        wait_until(lambda: len(notices.calls()) > 1, message="the notice to be withdrawn")
        self.gadget.click_key("CLR")
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        self.assertEqual(notices.calls()[1:], [["CloseNotification", 1]])

    def notices_posted(self, notices, count):
        return wait_until(lambda: len([call for call in notices.calls()
                                       if call[0] == "Notify"]) == count,
                          message=f"notice {count}")

    def test_the_notices_stop_again_and_dismissal_answer_the_ring(self):
        self.open(session_bus=True)
        notices = self.desktop.serve_notifications()

        # Stop: the ring stops and the notice goes, but no key is pressed.
        self.command("0:02")
        self.gadget.wait_for_above(True)
        self.notices_posted(notices, 1)
        # What is done with other notices is none of the gadget's business.
        notices.invoke_action(7, "stop")
        notices.invoke_action(7, "again")
        notices.close(7)
        # The gadget answers on the bus in order: it has had the signals then.
        self.assert_status("countdown stopped 00 00")
        self.assertEqual(self.desktop.playing_roles(), ["alarm"])
        self.assert_silenced_by(lambda: notices.invoke_action(1, "stop"))
        wait_until(lambda: ["CloseNotification", 1] in notices.calls(),
                   message="the notice to be withdrawn")
        self.assertEqual(self.gadget.read_lcd().digits, "0000")
        self.assertTrue(self.gadget.is_above())

        # Again: the same countdown starts again, the ring stops, the notice goes.
        self.command("0:05")
        self.notices_posted(notices, 2)
        self.assert_silenced_by(lambda: notices.invoke_action(2, "again"))
        self.assert_status("countdown running 00 0[1-4]")
        self.gadget.wait_for_above(False)
        self.assertIn(["CloseNotification", 2], notices.calls())

        # Dismissed: the countdown rang again; the ring stops, the notice is
        # gone already, and the window stays on top until a key is pressed.
        self.notices_posted(notices, 3)
        self.gadget.wait_for_above(True)
        notices.close(3)
        wait_until(lambda: self.desktop.playing_roles() == [], message="the ring to stop")
        self.assertTrue(self.gadget.is_above())

        # A notice that expired is gone too, but nobody has answered yet.
        self.count_down("0:02")
        self.notices_posted(notices, 4)
        notices.close(4, notices.EXPIRED)
        self.assert_status("countdown stopped 00 00")
        self.assert_shakes_home(HOME)
        self.assert_silenced_by(lambda: self.gadget.click_key("CLR"))
        self.gadget.wait_for_above(False)
        self.assertEqual([call for call in notices.calls() if call[0] == "CloseNotification"],
                         [["CloseNotification", 1], ["CloseNotification", 2]])

        # A plain click on the notice: as Stop.
        self.command("0:02")
        self.notices_posted(notices, 5)
        self.assert_silenced_by(lambda: notices.invoke_action(5, "default"))
        wait_until(lambda: ["CloseNotification", 5] in notices.calls(),
                   message="the notice to be withdrawn")

    def test_a_later_owner_of_the_notification_service_cannot_act_on_the_notice(self):
        self.open(session_bus=True)
        notices = self.desktop.serve_notifications()
        self.count_down("0:02")
        self.notices_posted(notices, 1)
        # The service ends with the notice up; another process takes its
        # name and tells of the same id, which is not the gadget's notice.
        notices.end()
        stranger = self.desktop.serve_notifications()
        stranger.invoke_action(1, "again")
        stranger.close(1)
        self.assert_status("countdown stopped 00 00")
        self.assertEqual(self.desktop.playing_roles(), ["alarm"])
        # Withdrawn, the notice is no business of the stranger either.
        self.assert_shakes_home(HOME)
        self.gadget.click_key("CLR")
        self.gadget.wait_for_above(False)
        self.assert_status("countdown stopped 00 00")
        self.assertEqual(stranger.calls(), [])


class RemoteTest(GadgetTest):
    def test_commands_act_as_their_keys_and_status_tells(self):
        self.open(extra_env=faketime_env(EVENING), session_bus=True)
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        # args, then the LCD's digits, indicators (None: the clock's
        # blinking colon), whether the window is on top, and the status.
        steps = (
            ((), "0000", COUNTDOWN, False, "countdown stopped 00 00"),
            (("--clock",), "2107", None, True, "clock 21:07"),
            (("-clock",), "2107", None, True, "clock 21:07"),
            (("--start",), " 907", None, True, "clock 9:07 PM"),
            (("--stopwatch",), "0000", STOPWATCH, False, "stopwatch stopped 00 00"),
            (("--start",), None, STOPWATCH, True, "stopwatch running 00 0[0-9]"),
            (("--stopwatch",), "0000", STOPWATCH, False, "stopwatch stopped 00 00"),
            (("--start",), None, STOPWATCH, True, "stopwatch running 00 0[0-9]"),
            (("--clear",), "0000", STOPWATCH, False, "stopwatch stopped 00 00"),
            (("90s",), None, COUNTDOWN, False, "countdown running 01 [23][0-9]"),
            (("--start",), None, COUNTDOWN, False, "countdown stopped 01 [23][0-9]"),
            (("--clear",), "0000", COUNTDOWN, False, "countdown stopped 00 00"),
        )
        for args, digits, indicators, above, status in steps:
            with self.subTest(args=args):
                if args:
                    self.command(*args)
                self.gadget.wait_for_lcd(digits, indicators)
                self.gadget.wait_for_above(above)
                self.assert_status(status)

        # The interface itself, as a desktop's shortcut would call it.
        self.desktop.run(SEND + [f"{APP_ID}.Countdown", "string:0:30"])
        self.gadget.wait_for_lcd({"0029", "0028"}, COUNTDOWN)
        # A refusal names the argument on one line of sane length.
        for argument, named in (("7x", "'7x'"), ("5:5x", "'5:5x'"),
                                ("\x1b" + "9" * 1000, "'\\x1b" + "9" * 56 + "...'")):
            refused = self.desktop.run(SEND + [f"{APP_ID}.Countdown", f"string:{argument}"],
                                       check=False)
            self.assertRegex(refused.stderr, "^Error org.freedesktop.DBus.Error.InvalidArgs: "
                                             f"{re.escape(named)} [^\n]*\n$")
        self.assertIn('string "countdown running 00 ',
                      self.desktop.run(SEND + [f"{APP_ID}.Status"]).stdout)

        self.command("--start")
        self.command("--quit")
        self.assertEqual(self.gadget.wait_exit(), 0)
        self.assertEqual(self.desktop.read_settings().decode(),
                         settings_text(left=HOME[0], top=HOME[1], hour12=1))
        for args in ("--status", "--quit"):
            with self.subTest(args=args):
                result = self.command(args, status=1)
                self.assertEqual(result.stdout + result.stderr, "pomelo is not running\n")
        self.desktop.wait_for_no_window()

    def test_again_counts_down_the_time_last_keyed_in_or_says_there_is_none(self):
        # Nothing keyed in, and no copy runs: none starts.
        self.open_desktop(HOME_SETTINGS, session_bus=True)
        result = self.command("--again", status=1)
        self.assertEqual(result.stdout + result.stderr, NOTHING_KEYED)
        self.assertEqual(self.desktop.visible_windows(), [])

        # The running copy: the same answer, and nothing changes.
        self.gadget = self.start()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        result = self.command("--again", status=1)
        self.assertEqual(result.stdout + result.stderr, NOTHING_KEYED)
        self.assert_status("countdown stopped 00 00")

        self.gadget.click_key("1")
        self.gadget.click_key("2")
        self.gadget.wait_for_lcd("0012", COUNTDOWN)
        self.command("--again")
        self.gadget.wait_for_lcd({"0011", "0010"}, COUNTDOWN)
        self.command("--clear")
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        self.command("--quit")
        self.assertEqual(self.gadget.wait_exit(), 0)

        # The time keyed in is kept across runs.
        gadget = Gadget.start(self.desktop, args=["--again"])
        gadget.wait_for_lcd("0011", COUNTDOWN)
        self.assert_status("countdown running 00 1[01]")

    def test_without_a_running_copy_a_command_opens_the_gadget_counting(self):
        for session_bus in (True, False):
            with self.subTest(session_bus=session_bus):
                desktop = self.open_desktop(session_bus=session_bus)
                gadget = Gadget.start(desktop, args=["0:05"])
                gadget.wait_for_lcd("0003", COUNTDOWN)
                self.assertEqual(desktop.visible_windows(), [gadget.window])

    def test_bad_usage_exits_2_and_touches_nothing(self):
        self.open(session_bus=True)
        before = self.desktop.settings_stamp()
        self.gadget.click_key("4")
        self.gadget.click_key("2")
        self.gadget.wait_for_lcd("0042", COUNTDOWN)
        # args, and what the complaint must name.
        bad = (
            (("7x",), "'7x'"),
            (("0:00",), "'0:00'"),
            (("100:00",), "'100:00'"),
            (("1:90",), "'1:90'"),
            (("-5m",), "'-5m'"),
            (("--bogus",), "'--bogus'"),
            (("--bogus=1",), "'--bogus'"),
            (("5m", "--clock"), "'--clock' and '5m'"),
            (("--start", "--quit"), "'--start' and '--quit'"),
            (("3m", "4m"), "'3m' and '4m'"),
            (("--clock", "--clock"), "'--clock' and '--clock'"),
            (("--follow", "--status"), "'--follow' and '--status'"),
            (("5:5x",), "'5:5x'"),
            # Named on one line, escaped, and cut short.
            (("5\n00",), r"'5\n00'"),
            (("\x1b]2;pwned\a",), r"'\x1b]2;pwned\a'"),
            (("-\x1b[31m",), r"'-\x1b[31m'"),
            ((os.fsdecode(b"\xff5m"),), r"'\xff5m'"),
            (("7" * 1000,), "'" + "7" * 60 + "...'"),
        )
        for args, named in bad:
            with self.subTest(args=args):
                result = self.command(*args, status=2)
                self.assertEqual(result.stdout, "")
                self.assertRegex(result.stderr, f"^pomelo: [^\n]*{re.escape(named)}[^\n]*\n$")
        self.assertEqual(self.gadget.read_lcd().digits, "0042")
        self.assertIsNone(self.gadget.process.poll())
        self.assertEqual(self.desktop.settings_stamp(), before)

    def test_every_notice_goes_also_when_the_service_answers_late(self):
        self.open(session_bus=True)
        notices = self.desktop.serve_notifications(answer_after=2)
        # The second countdown withdraws the first notice before the service
        # has told its id, and the gadget quits before it tells the second.
        for count in (1, 2):
            self.command("0:01")
            wait_until(lambda: len(notices.calls()) == count, message=f"notice {count}")
        self.command("--quit")
        self.assertEqual(self.gadget.wait_exit(), 0)
        calls = notices.calls()
        self.assertEqual([call[:3] for call in calls if call[0] == "Notify"],
                         [["Notify", "pomelo", 0]] * 2)
        self.assertEqual(sorted(call[1] for call in calls if call[0] == "CloseNotification"),
                         [1, 2])

    def test_a_process_squatting_the_name_is_not_trusted(self):
        self.open_desktop(HOME_SETTINGS, session_bus=True)
        squatter = self.desktop.start_client([sys.executable, "-c", SQUATTER, APP_ID])
        wait_until(lambda: "ready" in self.desktop.output(squatter), message="the squatter")
        self.gadget = self.start()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        for args in (("--status",), ("1:00",)):
            with self.subTest(args=args):
                result = self.command(*args, status=1)
                self.assertEqual(result.stdout, "")
                self.assertRegex(result.stderr, f"^pomelo: [^\n]*{re.escape(APP_ID)}[^\n]* "
                                                 f"process {squatter.pid}[^\n]*\n$")
        self.assertEqual(self.gadget.read_lcd().digits, "0000")

        # Once the squatter has gone, the name is the gadget's.
        end_process(squatter)
        self.command("1:00")
        self.assert_status("countdown running 0[01] [0-5][0-9]")

    def test_a_command_the_copy_does_not_answer_is_carried_out_once_when_it_does(self):
        self.open(session_bus=True)
        self.command("0:30")
        self.gadget.process.send_signal(signal.SIGSTOP)
        self.addCleanup(self.gadget.process.send_signal, signal.SIGCONT)
        result = self.command("--start", status=1)
        self.assertEqual(result.stderr,
                         f"pomelo: the command was handed to the running copy (process "
                         f"{self.gadget.pid}), which has not answered; it will be carried out "
                         f"when it does\n")
        self.gadget.process.send_signal(signal.SIGCONT)
        # Paused once: not paused and resumed again, nor left running.
        self.assert_status("countdown stopped 00 [0-3][0-9]")

    def test_without_a_session_bus_a_command_fails_and_the_copy_runs_on(self):
        self.open()
        self.gadget.wait_for_lcd("0000", COUNTDOWN)
        for args in (("5m",), ("--status",), ("--quit",)):
            with self.subTest(args=args):
                result = self.command(*args, status=1)
                self.assertRegex(result.stderr, "^pomelo: cannot reach the running copy: "
                                                "no session bus[^\n]*\n$")
        result = self.command("--follow", status=1)
        self.assertRegex(result.stderr, "^pomelo: cannot follow pomelo: no session bus[^\n]*\n$")
        self.assertEqual(self.gadget.read_lcd().digits, "0000")
        self.gadget.click_key("7")
        self.gadget.wait_for_lcd("0007", COUNTDOWN)


class ActivationTest(GadgetTest):
    """The bus starts the program from its service file, as an installed
    copy's."""

    def activations(self):
        return self.desktop.log("dbus.log").count(f"Activating service name='{APP_ID}'")

    def test_a_call_with_no_copy_running_starts_one_that_carries_it_out(self):
        self.open_desktop(activation=True)
        self.desktop.run(SEND + [f"{APP_ID}.Countdown", "string:0:30"])
        gadget = Gadget.of_window(self.desktop, self.desktop.wait_for_window_named("pomelo"))
        gadget.wait_for_lcd("0027", COUNTDOWN)
        self.assert_status("countdown running 00 [12][0-9]")
        # Later calls and commands go to that one copy.
        self.desktop.run(SEND + [f"{APP_ID}.Clock"])
        gadget.wait_for_above(True)
        self.assert_status("clock [0-9:]+")
        self.assertEqual(self.desktop.visible_windows(), [gadget.window])
        self.assertEqual(self.activations(), 1)
        self.command("--quit")
        self.desktop.wait_for_no_window()

    def application(self, method, *arguments):
        """Calls org.freedesktop.Application as a launcher does: the
        CompletedProcess, with the error's name and message in stderr."""
        return self.desktop.run([sys.executable, "-c", APPLICATION_CALL, APP_ID, method,
                                 json.dumps(arguments)], check=False)

    def assert_one_window(self):
        windows = self.desktop.visible_windows()
        self.assertEqual(len(windows), 1, windows)
        return windows[0]

    def test_launchers_reach_the_one_window_whichever_way_it_started(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(DESKTOP_ENTRY)
        self.assertEqual(entry["Desktop Entry"]["DBusActivatable"], "true")
        actions = {section.removeprefix("Desktop Action "): entry[section]["Exec"].split()[1:]
                   for section in entry.sections() if section.startswith("Desktop Action ")}
        self.assertEqual(sorted(actions),
                         sorted(entry["Desktop Entry"]["Actions"].rstrip(";").split(";")))

        def status_of(args):
            """What the status says after the entry's command line args."""
            if args == ["--clock"]:
                return "clock [0-9:]+( [AP]M)?"
            if args == ["--stopwatch"]:
                return "stopwatch stopped 00 00"
            minutes = int(re.fullmatch(r"(\d+)m", args[0]).group(1))
            return f"countdown running ({minutes - 1:02d}|{minutes:02d}) [0-5][0-9]"

        self.open_desktop(activation=True)
        # Started by the entry's Exec, then by the bus once it has ended.
        for started_by_exec in (True, False):
            with self.subTest(started_by_exec=started_by_exec):
                if started_by_exec:
                    window = Gadget.start(self.desktop).window
                self.assertEqual(self.application("Activate", {}).returncode, 0)
                if not started_by_exec:
                    window = self.desktop.wait_for_window_named("pomelo")
                # Each of the entry's actions acts as its command line does.
                for name, args in actions.items():
                    result = self.application("ActivateAction", name, [],
                                              {"desktop-startup-id": f"launcher-{name}"})
                    self.assertEqual(result.returncode, 0, result.stderr)
                    self.assert_status(status_of(args))
                self.command()
                self.command("--stopwatch")
                self.assertEqual(self.assert_one_window(), window)
                # Refused, each with an error that says why on one line.
                for call, error in ((("Open", ["file:///etc/hostname"], {}),
                                     "NotSupported: pomelo opens no files"),
                                    (("ActivateAction", "bogus\n", [], {}),
                                     "InvalidArgs: 'bogus\\n'"),
                                    (("ActivateAction", "clock", [1], {}), "InvalidArgs: ")):
                    result = self.application(*call)
                    self.assertEqual(result.returncode, 1, call)
                    self.assertRegex(result.stderr, rf"^org\.freedesktop\.DBus\.Error\."
                                                    rf"{re.escape(error)}[^\n]*\n$")
                self.assertEqual(self.assert_one_window(), window)
                self.assertEqual(self.activations(), 0 if started_by_exec else 1)
                self.command("--quit")
                self.desktop.wait_for_no_window()

    def test_a_command_for_a_copy_still_starting_starts_no_other(self):
        self.open_desktop(activation=True)
        # A copy that holds the lock but has not taken its name on the bus yet.
        holder = self.desktop.start_client(
            [sys.executable, "-c", LOCK_HOLDER,
             os.path.join(self.desktop.runtime_dir, "pomelo.lock")])
        wait_until(lambda: "ready" in self.desktop.output(holder), message="the lock's holder")
        for args in (["--status"], ["1:00"]):
            result = self.command(*args, status=1)
            self.assertRegex(result.stderr, "^pomelo: cannot reach the running copy "
                                            rf"\(process {holder.pid}\): [^\n]*\n$")
        self.assertEqual(self.activations(), 0)
        self.assertEqual(self.desktop.visible_windows(), [])

if __name__ == "__main__":
    unittest.main()
