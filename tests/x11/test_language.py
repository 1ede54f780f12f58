"""The program in the user's language, taken from LANG, on a real X server
with a session bus of its own: the START key's tooltip, the first line of
--help, a bad duration's message and one of Qt's own, and the alarm's notice;
in the further languages the START tooltip and the first line of --help; in
every language --help within 80 columns of a terminal.
Without a translation (C.UTF-8) the texts are the program's own: English,
the tooltips Japanese; English has the tooltips in English.

Qt takes the language from LANG itself: the C library's locales need not be
generated for it, and the program prints the same with or without them."""

import os
import subprocess
import unicodedata
import unittest

from desktop import DEFAULT_TIMEOUT, faketime_env, wait_until
from gadget import Gadget, GadgetTest

# The countdown of 0:01 started then ends at 21:07:11.
EVENING = "@2026-12-08 21:07:10"

# LANG: the START tooltip, the first line of --help, the message for
# `pomelo 100:00`, the message for `pomelo --clock=5` (Qt's parser's, where
# Qt's translations are installed), and the notice of a countdown of 0:01 on
# a desktop without a sound server.
LANGUAGES = {
    "C.UTF-8": (
        "スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）",
        "Usage: pomelo [DURATION | COMMAND]",
        "pomelo: '100:00' is not a duration: give one like 5:00, 5m, 90s or 1m30s, "
        "from 0:01 to 99:59. See pomelo --help.",
        "pomelo: Unexpected value after '--clock'. See pomelo --help.",
        "The countdown of 00:01 ended at 21:07.\nNo sound: no sound server.",
    ),
    "en_US.UTF-8": (
        "Start/pause (in the clock: switch between 12 and 24 hours)",
        "Usage: pomelo [DURATION | COMMAND]",
        "pomelo: '100:00' is not a duration: give one like 5:00, 5m, 90s or 1m30s, "
        "from 0:01 to 99:59. See pomelo --help.",
        "pomelo: Unexpected value after '--clock'. See pomelo --help.",
        "The countdown of 00:01 ended at 9:07 PM.\nNo sound: no sound server.",
    ),
    "de_DE.UTF-8": (
        "Start/Pause (in der Uhranzeige: zwischen 12- und 24-Stunden-Anzeige wechseln)",
        "Aufruf: pomelo [DAUER | BEFEHL]",
        "pomelo: '100:00' ist keine Dauer: erwartet wird etwa 5:00, 5m, 90s oder 1m30s, "
        "von 0:01 bis 99:59. Siehe pomelo --help.",
        "pomelo: Wert unerwartet nach '--clock'. Siehe pomelo --help.",
        "Der Countdown von 00:01 ist um 21:07 Uhr abgelaufen.\nKein Ton: kein Soundserver.",
    ),
    "ja_JP.UTF-8": (
        "スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）",
        "使い方: pomelo [時間 | コマンド]",
        "pomelo: '100:00' は時間の指定ではありません。5:00、5m、90s、1m30s のように、"
        "0:01 から 99:59 までで指定してください。（pomelo --help を参照）",
        "pomelo: '--clock' の後が予期せぬ値です。（pomelo --help を参照）",
        "00:01のカウントダウンが21:07に終了しました。\n音が鳴りません: サウンドサーバーがありません。",
    ),
    # Taiwan's time has a day period, which Qt would print as the letter B.
    "zh_TW.UTF-8": (
        "開始/暫停（時鐘模式下切換 12/24 小時制）",
        "用法：pomelo [時間長度 | 指令]",
        "pomelo: '100:00' 不是有效的時間長度。請以 5:00、5m、90s 或 1m30s 的格式指定，"
        "範圍為 0:01 到 99:59。（請參閱 pomelo --help）",
        "pomelo: 「--clock」後發現非預期的值。（請參閱 pomelo --help）",
        "00:01 的倒數計時已於下午9:07結束。\n無法播放音效：沒有音效伺服器。",
    ),
}

# LANG, the time a countdown of 0:01 ends and how its notice begins: Spanish
# says "a la" before the hour 1 as the time shows it, "a las" before any other.
HOURS = (
    ("es_ES.UTF-8", "@2026-12-08 01:07:10", "El temporizador de 00:01 terminó a la 1:07."),
    ("es_ES.UTF-8", "@2026-12-08 13:07:10", "El temporizador de 00:01 terminó a las 13:07."),
    ("es_US.UTF-8", "@2026-12-08 13:07:10", "El temporizador de 00:01 terminó a la 1:07 P.\xa0M."),
)

# LANG: the START tooltip and the first line of --help, for the languages
# whose other texts only translations_test checks.
TOOLTIP_AND_USAGE = {
    "ru_RU.UTF-8": ("Старт/пауза (в режиме часов: переключение 12/24 часа)",
                    "Использование: pomelo [ДЛИТЕЛЬНОСТЬ | КОМАНДА]"),
    "pl_PL.UTF-8": ("Start/pauza (w trybie zegara: przełączanie 12/24 godz.)",
                    "Użycie: pomelo [CZAS | POLECENIE]"),
    "zh_CN.UTF-8": ("开始/暂停（时钟模式下切换 12/24 小时制）",
                    "用法：pomelo [时长 | 命令]"),
    "ko_KR.UTF-8": ("시작/일시 정지 (시계에서는 12/24시간제 전환)",
                    "사용법: pomelo [시간 | 명령]"),
    "fr_FR.UTF-8": (
        "Démarrer/pause (en mode horloge\u00a0: basculer entre 12\u00a0h et 24\u00a0h)",
        "Utilisation\u00a0: pomelo [DURÉE | COMMANDE]",
    ),
    "es_ES.UTF-8": (
        "Iniciar/pausar (en el reloj: alternar entre 12 y 24 horas)",
        "Uso: pomelo [DURACIÓN | COMANDO]",
    ),
    "it_IT.UTF-8": (
        "Avvia/pausa (nell'orologio: alterna tra 12 e 24 ore)",
        "Uso: pomelo [DURATA | COMANDO]",
    ),
    "pt_BR.UTF-8": (
        "Iniciar/pausar (no relógio: alterna entre 12 e 24 horas)",
        "Uso: pomelo [DURAÇÃO | COMANDO]",
    ),
    "nl_NL.UTF-8": (
        "Starten/pauzeren (bij de klok: wisselen tussen 12 en 24 uur)",
        "Gebruik: pomelo [DUUR | OPDRACHT]",
    ),
}


class LanguageTest(GadgetTest):
    def test_texts_in_the_language_of_lang(self):
        self.open_desktop(session_bus=True)
        notices = self.desktop.serve_notifications()
        for lang, (tooltip, usage, bad_duration, bad_option, notice) in LANGUAGES.items():
            with self.subTest(lang=lang):
                language = {"LANG": lang}
                self.assert_tooltip_and_usage(language, tooltip, usage)
                for argument, message in (("100:00", bad_duration), ("--clock=5", bad_option)):
                    refused = self.desktop.command(argument, extra_env=language)
                    self.assertEqual((refused.returncode, refused.stdout, refused.stderr),
                                     (2, "", message + "\n"))

                self.assertEqual(self.notice(notices, language, EVENING), notice)
        for lang, fake_time, first_line in HOURS:
            with self.subTest(lang=lang, time=fake_time):
                notice = self.notice(notices, {"LANG": lang}, fake_time)
                self.assertEqual(notice.split("\n")[0], first_line)

    def notice(self, notices, language, fake_time):
        """The alarm's notice of a countdown of 0:01 started at fake_time."""
        posted = len(notices.calls())
        gadget = Gadget.start(self.desktop, dict(language, **faketime_env(fake_time)),
                              args=("0:01",))
        # The notice goes up at once; its replacement tells of the sound.
        calls = wait_until(lambda: notices.calls()[posted + 1:],
                           message="the notice telling of the sound")
        self.assertEqual(self.desktop.command("--quit").returncode, 0)
        self.assertEqual(gadget.wait_exit(), 0)
        return calls[0][5]

    def test_tooltip_and_usage_in_the_other_languages(self):
        self.open_desktop()
        for lang, (tooltip, usage) in TOOLTIP_AND_USAGE.items():
            with self.subTest(lang=lang):
                self.assert_tooltip_and_usage({"LANG": lang}, tooltip, usage)

    def assert_tooltip_and_usage(self, language, tooltip, usage):
        self.assertEqual(self.tooltips(language).get("START"), tooltip)
        shown = self.desktop.command("--help", extra_env=language)
        self.assertEqual(shown.returncode, 0, shown.stderr)
        self.assertEqual(shown.stdout.splitlines()[0], usage)
        # Chinese, Japanese and Korean characters take two columns.
        for line in shown.stdout.splitlines():
            columns = sum(2 if unicodedata.east_asian_width(character) in "WF" else 1
                          for character in line)
            self.assertLessEqual(columns, 80, line)

    def tooltips(self, extra_env):
        """The keys' tooltips, by key label, as the program's window has them."""
        printed = subprocess.run(
            [os.environ["POMELO_TOOLTIPS"]],
            env=dict(self.desktop.env, QT_QPA_PLATFORM="offscreen", **extra_env),
            stdin=subprocess.DEVNULL, capture_output=True, text=True, check=True,
            timeout=DEFAULT_TIMEOUT)
        return dict(line.split("\t", 1) for line in printed.stdout.splitlines())


if __name__ == "__main__":
    unittest.main()
