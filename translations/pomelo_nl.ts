<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Geen geluid: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>het geluidsbestand ontbreekt</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>het geluidsbestand is niet leesbaar</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>het geluidsbestand is beschadigd</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>geen geluidsserver</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>fout in het geluidssysteem</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>De timer van %1 is om %2 afgelopen.</numerusform>
            <numerusform>De timer van %1 is om %2 afgelopen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>De timer van %1 is om %2 afgelopen, terwijl pomelo niet draaide.</numerusform>
            <numerusform>De timer van %1 is om %2 afgelopen, terwijl pomelo niet draaide.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>de geluidsserver reageert niet</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>het geluidsbestand is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>het geluidsbestand is te groot</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>de indeling van het geluidsbestand wordt niet ondersteund</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>De timer van %1 is op %3 om %2 afgelopen, terwijl pomelo niet draaide.</numerusform>
            <numerusform>De timer van %1 is op %3 om %2 afgelopen, terwijl pomelo niet draaide.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo opent geen bestanden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; is geen actie van pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>De acties van pomelo accepteren geen parameters</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Zie pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DUUR</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Onbekende optie %1.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>één opdracht tegelijk, niet %1 en %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Gebruik: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Een kookwekker voor het bureaublad. Zonder opdracht start pomelo gewoon. Een
opdracht gaat naar de draaiende instantie; draait er geen, dan start pomelo
en voert de opdracht uit (behalve --status en --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>deze hulptekst tonen</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>de versie tonen</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Elke optie kan ook met één streepje worden geschreven (-status); één opdracht
tegelijk.

Afsluitwaarde: 0 gelukt; 1 de draaiende instantie was niet bereikbaar, of er
draait er geen (--status, --quit), of --again heeft geen timer om te herhalen;
2 verkeerd gebruik.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 is geen duur: geef bijvoorbeeld 5:00, 5m, 90s of 1m30s op, van 0:01 tot 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>OPDRACHT</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>meteen een timer van die duur starten:
5:00, 5m, 90s, 1m30s (van 0:01 tot 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>de laatst ingetoetste of opgegeven timer herhalen</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>de klok tonen</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>de stopwatch tonen, gestopt op 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>wat de START-toets doet: starten, pauzeren, hervatten; bij de
klok wisselen tussen 24-uurs- en 12-uursweergave</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>wat de CLR-toets doet</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>wat de OFF-toets doet: instellingen opslaan en afsluiten</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>de modus, lopend of gestopt, en de lcd-weergave tonen</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>die regel tonen, en opnieuw bij elke wijziging, tot het wordt
beëindigd; &quot;off&quot; zolang er geen instantie draait</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Opnieuw</translation>
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
        <translation>geen display: %1 en %2 zijn geen van beide ingesteld</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>geen X-display: %1 is niet ingesteld (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>daar neemt geen X-server verbindingen aan</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>kan het X-display %1 niet openen: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>kan het Wayland-display %1 niet openen: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>kan pomelo niet volgen: geen sessiebus (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>kan pomelo niet langer volgen: de sessiebus is verdwenen</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Afsluiten (nieuwste versie op %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Modus wisselen (stopt een lopende timer)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Wissen (stopt een lopende timer)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Starten/pauzeren (bij de klok: wisselen tussen 12 en 24 uur)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>kan de draaiende instantie niet bereiken: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>geen sessiebus (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>de sessiebus kan niet zeggen van wie %1 is: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>de sessiebus kan niet zeggen van welk proces %1 is: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 op de sessiebus hoort bij proces %2, niet bij de draaiende instantie (proces %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo draait niet</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>kan de draaiende instantie (proces %1) niet bereiken: ze reageert niet (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>kan de instantievergrendeling %1 niet verkrijgen</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>de opdracht is doorgegeven aan de draaiende instantie (proces %1), die niet heeft gereageerd; de opdracht wordt uitgevoerd zodra ze dat doet</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>de opdracht is doorgegeven aan de draaiende instantie (proces %1), die is afgesloten zonder te reageren</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 verwacht (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo is afgesloten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; is geen duur van 0:01 tot 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>geen eigenschappen in %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>geen eigenschap %1 in %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 is alleen-lezen</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>geen timer om te herhalen: er is er nog geen ingetoetst</translation>
    </message>
</context>
</TS>
