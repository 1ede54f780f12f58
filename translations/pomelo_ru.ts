<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Без звука: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>звуковой файл не найден</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>не удаётся прочитать звуковой файл</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>звуковой файл повреждён</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>нет звукового сервера</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>сбой звуковой системы</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>Обратный отсчёт %1 закончился в %2.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился в %2.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился в %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>Обратный отсчёт %1 закончился в %2, когда pomelo не было запущено.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился в %2, когда pomelo не было запущено.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился в %2, когда pomelo не было запущено.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>звуковой сервер не отвечает</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>звуковой файл не является обычным файлом</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>звуковой файл слишком большой</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>формат звукового файла не поддерживается</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>Обратный отсчёт %1 закончился %3 в %2, когда pomelo не было запущено.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился %3 в %2, когда pomelo не было запущено.</numerusform>
            <numerusform>Обратный отсчёт %1 закончился %3 в %2, когда pomelo не было запущено.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo не открывает файлы</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>у pomelo нет действия &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>действия pomelo не принимают параметров</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 См. pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>ДЛИТЕЛЬНОСТЬ</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Неизвестный параметр %1.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>можно указать только одну команду, а не %1 и %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Использование: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Кухонный таймер на рабочем столе. Без команды запускает гаджет. Команда
передаётся запущенному экземпляру; если его нет, гаджет запускается и
выполняет её (кроме --status и --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>показать эту справку</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>показать версию</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Любой параметр можно записать и с одним дефисом (-status); команды — по одной.

Код возврата: 0 — выполнено; 1 — не удалось связаться с запущенным
экземпляром, или он не запущен (--status, --quit), или --again нечего
повторить; 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 — недопустимая длительность: укажите, например, 5:00, 5m, 90s или 1m30s, от 0:01 до 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>КОМАНДА</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>сразу начать обратный отсчёт указанного времени: 5:00, 5m,
90s, 1m30s (от 0:01 до 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>повторить отсчёт последнего введённого или заданного времени</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>показать часы</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>показать секундомер, остановленный на 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>то же, что клавиша START: старт, пауза, продолжение; в режиме
часов — переключение между 24- и 12-часовым форматом</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>то же, что клавиша CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>то же, что клавиша OFF: сохранить настройки и выйти</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>вывести режим, идёт ли отсчёт, и что показывает дисплей</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>вывести эту строку и снова при каждом изменении, до
завершения; «off», пока ни один экземпляр не запущен</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ещё раз</translation>
    </message>
    <message>
        <source>pomelo</source>
        <extracomment>The notice&apos;s heading: the program&apos;s name, as the desktop entry gives it.</extracomment>
        <translation>pomelo</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>no display: neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 name environment variables.</extracomment>
        <translation>нет дисплея: не задана ни переменная %1, ни %2</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>нет X-дисплея: не задана переменная %1 (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>там нет X-сервера, принимающего подключения</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>не удаётся открыть X-дисплей %1: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>не удаётся открыть Wayland-дисплей %1: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>не удаётся следить за pomelo: нет сеансовой шины (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>больше не удаётся следить за pomelo: сеансовая шина исчезла</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Выход (последняя версия: %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Сменить режим (останавливает идущий отсчёт)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Сбросить (останавливает идущий отсчёт)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Старт/пауза (в режиме часов: переключение 12/24 часа)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>не удаётся связаться с запущенным экземпляром: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>нет сеансовой шины (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>сеансовая шина не сообщает, кому принадлежит %1: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>сеансовая шина не сообщает, какому процессу принадлежит %1: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 на сеансовой шине принадлежит процессу %2, а не запущенному экземпляру (процесс %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo не запущено</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>не удаётся связаться с запущенным экземпляром (процесс %1): он не отвечает (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>не удаётся захватить блокировку экземпляра %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>команда передана запущенному экземпляру (процесс %1), но он не ответил; она будет выполнена, когда он ответит</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>команда передана запущенному экземпляру (процесс %1), но он завершился, не ответив</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 принимает (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo завершило работу</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; не является длительностью от 0:01 до 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>нет свойств в %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>нет свойства %1 в %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 доступно только для чтения</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>нечего отсчитывать заново: время ещё не вводилось</translation>
    </message>
</context>
</TS>
