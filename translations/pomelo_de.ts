<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmNotice</name>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>Der Countdown von %1 ist um %2 Uhr abgelaufen.</numerusform>
            <numerusform>Der Countdown von %1 ist um %2 Uhr abgelaufen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>Der Countdown von %1 ist um %2 Uhr abgelaufen, während pomelo nicht lief.</numerusform>
            <numerusform>Der Countdown von %1 ist um %2 Uhr abgelaufen, während pomelo nicht lief.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>die Klangdatei fehlt</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>die Klangdatei ist nicht lesbar</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>die Klangdatei ist beschädigt</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>kein Soundserver</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>das Soundsystem hat versagt</translation>
    </message>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Kein Ton: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>Der Countdown von %1 ist am %3 um %2 Uhr abgelaufen, während pomelo nicht lief.</numerusform>
            <numerusform>Der Countdown von %1 ist am %3 um %2 Uhr abgelaufen, während pomelo nicht lief.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>der Soundserver antwortet nicht</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>die Klangdatei ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>die Klangdatei ist zu groß</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>das Format der Klangdatei wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo öffnet keine Dateien</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; ist keine Aktion von pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>Die Aktionen von pomelo nehmen keinen Parameter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Siehe pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DAUER</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>nur ein Befehl auf einmal, nicht %1 und %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Aufruf: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Ein Küchentimer für den Desktop. Ohne Befehl startet er das Gadget. Ein
Befehl geht an die laufende Instanz; läuft keine, startet das Gadget und
führt ihn aus (außer bei --status und --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>diese Hilfe ausgeben</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Jede Option lässt sich auch mit einem Bindestrich schreiben (-status); nur ein
Befehl auf einmal.

Rückgabewert: 0 erledigt; 1 die laufende Instanz war nicht erreichbar, oder
keine läuft (--status, --quit), oder --again hat keinen Countdown zum
Neustarten; 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 ist keine Dauer: erwartet wird etwa 5:00, 5m, 90s oder 1m30s, von 0:01 bis 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>BEFEHL</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>so lange herunterzählen, sofort beginnend:
5:00, 5m, 90s, 1m30s (0:01 bis 99:59)</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>die Uhr zeigen</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>die Stoppuhr zeigen, angehalten bei 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>was die START-Taste tut: starten, anhalten, fortsetzen;
in der Uhr zwischen 24- und 12-Stunden-Anzeige wechseln</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>was die CLR-Taste tut</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>was die OFF-Taste tut: Einstellungen speichern und beenden</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>Modus, läuft oder angehalten, und die LCD-Anzeige ausgeben</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>die zuletzt eingegebene oder genannte Zeit
noch einmal herunterzählen</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>diese Zeile ausgeben, nach jeder Änderung erneut, bis zum
Abbruch; &quot;off&quot;, solange keine Instanz läuft</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>pomelo</source>
        <extracomment>The notice&apos;s heading: the program&apos;s name, as the desktop entry gives it.</extracomment>
        <translation>pomelo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Noch einmal</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>no display: neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 name environment variables.</extracomment>
        <translation>kein Display: weder %1 noch %2 ist gesetzt</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>kein X-Display: %1 ist nicht gesetzt (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>dort nimmt kein X-Server Verbindungen an</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>das X-Display %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>das Wayland-Display %1 lässt sich nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>kann pomelo nicht folgen: kein Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>kann pomelo nicht länger folgen: der Sitzungsbus ist verschwunden</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Beenden (die neueste Version gibt es unter %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Modus wechseln (hält einen laufenden Timer an)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Löschen (hält einen laufenden Timer an)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Start/Pause (in der Uhranzeige: zwischen 12- und 24-Stunden-Anzeige wechseln)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>die laufende Instanz ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>kein Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>der Sitzungsbus kann nicht sagen, wem %1 gehört: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>der Sitzungsbus kann nicht sagen, welchem Prozess %1 gehört: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 auf dem Sitzungsbus gehört Prozess %2, nicht der laufenden Instanz (Prozess %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo läuft nicht</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>die laufende Instanz (Prozess %1) ist nicht erreichbar: sie antwortet nicht (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>die Instanzsperre %1 lässt sich nicht setzen</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>der Befehl wurde der laufenden Instanz (Prozess %1) übergeben, die nicht geantwortet hat; er wird ausgeführt, sobald sie antwortet</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>der Befehl wurde der laufenden Instanz (Prozess %1) übergeben, die sich beendet hat, ohne zu antworten</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo ist beendet</translation>
    </message>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 erwartet (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; ist keine Dauer von 0:01 bis 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>keine Eigenschaften in %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>keine Eigenschaft %1 in %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 kann nur gelesen werden</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>kein Countdown zum Neustarten: keiner wurde eingegeben</translation>
    </message>
</context>
</TS>
