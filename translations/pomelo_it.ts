<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Nessun suono: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>manca il file audio</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>il file audio non è leggibile</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>il file audio è danneggiato</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>nessun server audio</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>errore del sistema audio</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>Il timer di %1 è terminato all&apos;%2.</numerusform>
            <numerusform>Il timer di %1 è terminato alle %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>Il timer di %1 è terminato all&apos;%2, mentre pomelo non era in esecuzione.</numerusform>
            <numerusform>Il timer di %1 è terminato alle %2, mentre pomelo non era in esecuzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>il server audio non risponde</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>il file audio non è un file regolare</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>il file audio è troppo grande</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>il formato del file audio non è supportato</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>Il timer di %1 è terminato il %3 all&apos;%2, mentre pomelo non era in esecuzione.</numerusform>
            <numerusform>Il timer di %1 è terminato il %3 alle %2, mentre pomelo non era in esecuzione.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo non apre file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; non è un&apos;azione di pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>Le azioni di pomelo non accettano parametri</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Consultare pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DURATA</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opzione %1 sconosciuta.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>un comando alla volta, non %1 e %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Uso: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Un timer da cucina per il desktop. Senza comandi, pomelo avvia il gadget. Un
comando va all&apos;istanza in esecuzione; se non ce n&apos;è nessuna, il gadget si
avvia e lo esegue (tranne --status e --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>mostra questo aiuto</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>mostra la versione</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Ogni opzione si può scrivere anche con un solo trattino (-status); un comando
alla volta.

Stato di uscita: 0 successo; 1 l&apos;istanza in esecuzione non è raggiungibile, o
non ce n&apos;è nessuna (--status, --quit), o --again non ha un timer da ripetere;
2 uso errato.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 non è una durata: indicare ad esempio 5:00, 5m, 90s o 1m30s, da 0:01 a 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>COMANDO</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>avvia subito un timer di quella durata:
5:00, 5m, 90s, 1m30s (da 0:01 a 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>ripete l&apos;ultimo timer digitato o indicato</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>mostra l&apos;orologio</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>mostra il cronometro, fermo a 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>come il tasto START: avvia, mette in pausa, riprende;
nell&apos;orologio, alterna tra il formato 24 ore e 12 ore</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>come il tasto CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>come il tasto OFF: salva le impostazioni ed esce</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>mostra la modalità, lo stato (in corso o fermo) e il display</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>mostra quella riga e di nuovo a ogni cambiamento, finché non
viene terminato; &quot;off&quot; finché nessuna istanza è in esecuzione</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ripeti</translation>
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
        <translation>nessun display: le variabili %1 e %2 non sono impostate</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>nessun display X: la variabile %1 non è impostata (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>nessun server X accetta connessioni lì</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>impossibile aprire il display X %1: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>impossibile aprire il display Wayland %1: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>impossibile seguire pomelo: nessun bus di sessione (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>impossibile continuare a seguire pomelo: il bus di sessione non c&apos;è più</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Esci (l&apos;ultima versione è su %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Cambia modalità (ferma il conteggio in corso)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Azzera (ferma il conteggio in corso)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Avvia/pausa (nell&apos;orologio: alterna tra 12 e 24 ore)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>impossibile raggiungere l&apos;istanza in esecuzione: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>nessun bus di sessione (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>il bus di sessione non sa dire a chi appartiene %1: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>il bus di sessione non sa dire a quale processo appartiene %1: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 sul bus di sessione appartiene al processo %2, non all&apos;istanza in esecuzione (processo %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo non è in esecuzione</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>impossibile raggiungere l&apos;istanza in esecuzione (processo %1): non risponde (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>impossibile ottenere il blocco dell&apos;istanza %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>il comando è stato inoltrato all&apos;istanza in esecuzione (processo %1), che non ha risposto; verrà eseguito non appena risponderà</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>il comando è stato inoltrato all&apos;istanza in esecuzione (processo %1), che è terminata senza rispondere</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 richiede (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo è terminato</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; non è una durata da 0:01 a 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>nessuna proprietà in %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>nessuna proprietà %1 in %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 è di sola lettura</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>nessun timer da ripetere: non ne è stato digitato nessuno</translation>
    </message>
</context>
</TS>
