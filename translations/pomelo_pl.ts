<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Bez dźwięku: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>brak pliku dźwiękowego</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>nie można odczytać pliku dźwiękowego</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>plik dźwiękowy jest uszkodzony</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>brak serwera dźwięku</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>błąd systemu dźwięku</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>Odliczanie %1 zakończyło się o %2.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się o %2.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się o %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>Odliczanie %1 zakończyło się o %2, gdy pomelo nie było uruchomione.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się o %2, gdy pomelo nie było uruchomione.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się o %2, gdy pomelo nie było uruchomione.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>serwer dźwięku nie odpowiada</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>plik dźwiękowy nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>plik dźwiękowy jest za duży</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>format pliku dźwiękowego nie jest obsługiwany</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>Odliczanie %1 zakończyło się %3 o %2, gdy pomelo nie było uruchomione.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się %3 o %2, gdy pomelo nie było uruchomione.</numerusform>
            <numerusform>Odliczanie %1 zakończyło się %3 o %2, gdy pomelo nie było uruchomione.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo nie otwiera plików</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>pomelo nie ma akcji &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>akcje pomelo nie przyjmują parametrów</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Zobacz pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>CZAS</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Nieznana opcja %1.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>można podać tylko jedno polecenie, a nie %1 i %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Użycie: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Minutnik kuchenny na pulpicie. Bez polecenia uruchamia gadżet. Polecenie
trafia do działającej instancji; jeśli żadna nie działa, gadżet się
uruchamia i je wykonuje (z wyjątkiem --status i --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>wyświetla tę pomoc</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>wyświetla wersję</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Opcje można też pisać z jednym myślnikiem (-status); jedno polecenie naraz.

Kod wyjścia: 0 wykonano; 1 nie udało się połączyć z działającą instancją,
żadna nie działa (--status, --quit) albo --again nie ma czego powtórzyć;
2 błędne użycie.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 to nie jest prawidłowy czas: podaj np. 5:00, 5m, 90s lub 1m30s, od 0:01 do 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>POLECENIE</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>od razu zaczyna odliczać podany czas: 5:00, 5m, 90s, 1m30s
(od 0:01 do 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>ponownie odlicza ostatnio wpisany lub podany czas</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>pokazuje zegar</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>pokazuje stoper zatrzymany na 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>to samo co klawisz START: start, pauza, wznowienie; w zegarze
przełącza między formatem 24- i 12-godzinnym</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>to samo co klawisz CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>to samo co klawisz OFF: zapisuje ustawienia i kończy działanie</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>wypisuje tryb, czy czas biegnie, i to, co pokazuje wyświetlacz</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>wypisz ten wiersz i ponownie przy każdej zmianie, aż do
przerwania; „off”, dopóki nie działa żadna instancja</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Jeszcze raz</translation>
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
        <translation>brak ekranu: nie ustawiono ani %1, ani %2</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>brak ekranu X: nie ustawiono %1 (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>żaden serwer X nie przyjmuje tam połączeń</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>nie można otworzyć ekranu X %1: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>nie można otworzyć ekranu Wayland %1: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>nie można śledzić pomelo: brak magistrali sesji (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>nie można dalej śledzić pomelo: magistrala sesji zniknęła</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Zakończ (najnowsza wersja: %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Zmień tryb (zatrzymuje odmierzanie czasu)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Wyczyść (zatrzymuje odmierzanie czasu)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Start/pauza (w trybie zegara: przełączanie 12/24 godz.)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>nie można połączyć się z działającą instancją: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>brak magistrali sesji (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>magistrala sesji nie podaje właściciela %1: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>magistrala sesji nie podaje, który proces jest właścicielem %1: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 na magistrali sesji należy do procesu %2, a nie do działającej instancji (proces %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo nie jest uruchomione</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>nie można połączyć się z działającą instancją (proces %1): nie odpowiada (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>nie można założyć blokady instancji %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>polecenie przekazano działającej instancji (proces %1), która nie odpowiedziała; zostanie wykonane, gdy odpowie</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>polecenie przekazano działającej instancji (proces %1), która zakończyła działanie bez odpowiedzi</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 przyjmuje (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo zakończyło działanie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; to nie jest czas z zakresu od 0:01 do 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>brak właściwości w %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>brak właściwości %1 w %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>brak odliczania do powtórzenia: nie wpisano jeszcze czasu</translation>
    </message>
</context>
</TS>
