<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Pas de son&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>le fichier son est introuvable</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>le fichier son est illisible</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>le fichier son est endommagé</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>aucun serveur de son</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>échec du système de son</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>Le minuteur de %1 s&apos;est terminé à %2.</numerusform>
            <numerusform>Le minuteur de %1 s&apos;est terminé à %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>Le minuteur de %1 s&apos;est terminé à %2, alors que pomelo n&apos;était pas lancé.</numerusform>
            <numerusform>Le minuteur de %1 s&apos;est terminé à %2, alors que pomelo n&apos;était pas lancé.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>le serveur de son ne répond pas</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>le fichier son n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>le fichier son est trop volumineux</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>le format du fichier son n&apos;est pas pris en charge</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>Le minuteur de %1 s&apos;est terminé le %3 à %2, alors que pomelo n&apos;était pas lancé.</numerusform>
            <numerusform>Le minuteur de %1 s&apos;est terminé le %3 à %2, alors que pomelo n&apos;était pas lancé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo n&apos;ouvre pas de fichiers</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas une action de pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>Les actions de pomelo n&apos;acceptent pas de paramètre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Voir pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option %1 inconnue.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>une seule commande à la fois, pas %1 et %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>Utilisation&#xa0;: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>Un minuteur de cuisine pour le bureau. Sans commande, pomelo lance le gadget.
Une commande est transmise à l&apos;instance en cours&#xa0;; s&apos;il n&apos;y en a aucune,
le gadget démarre et l&apos;exécute (sauf --status et --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Chaque option s&apos;écrit aussi avec un seul tiret (-status)&#xa0;; une commande
à la fois.

Code de sortie&#xa0;: 0 succès&#xa0;; 1 l&apos;instance en cours est injoignable, ou aucune
n&apos;est lancée (--status, --quit), ou --again n&apos;a aucun minuteur à relancer&#xa0;;
2 utilisation incorrecte.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 n&apos;est pas une durée&#xa0;: indiquez par exemple 5:00, 5m, 90s ou 1m30s, de 0:01 à 99:59.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>COMMANDE</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>lancer aussitôt un minuteur de cette durée&#xa0;:
5:00, 5m, 90s, 1m30s (de 0:01 à 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>relancer le dernier minuteur saisi ou indiqué</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>afficher l&apos;horloge</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>afficher le chronomètre, arrêté à 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>comme la touche START&#xa0;: démarrer, mettre en pause, reprendre&#xa0;;
en mode horloge, basculer entre l&apos;affichage 24&#xa0;h et 12&#xa0;h</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>comme la touche CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>comme la touche OFF&#xa0;: enregistrer les paramètres et quitter</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>afficher le mode, l&apos;état (en marche ou arrêté) et l&apos;écran LCD</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>afficher cette ligne, puis à nouveau à chaque changement,
jusqu&apos;à l&apos;arrêt&#xa0;; «&#xa0;off&#xa0;» tant qu&apos;aucune instance ne tourne</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Relancer</translation>
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
        <translation>pas d&apos;affichage&#xa0;: ni %1 ni %2 n&apos;est défini</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>pas d&apos;affichage X&#xa0;: %1 n&apos;est pas défini (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>aucun serveur X n&apos;y accepte de connexions</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>impossible d&apos;ouvrir l&apos;affichage X %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>impossible d&apos;ouvrir l&apos;affichage Wayland %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>impossible de suivre pomelo&#xa0;: pas de bus de session (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>impossible de suivre pomelo plus longtemps&#xa0;: le bus de session a disparu</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Quitter (dernière version sur %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Changer de mode (arrête le comptage en cours)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Effacer (arrête le comptage en cours)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Démarrer/pause (en mode horloge&#xa0;: basculer entre 12&#xa0;h et 24&#xa0;h)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>impossible de joindre l&apos;instance en cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>aucun bus de session (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>le bus de session ne sait pas à qui appartient %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>le bus de session ne sait pas à quel processus appartient %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 sur le bus de session appartient au processus %2, pas à l&apos;instance en cours (processus %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo n&apos;est pas lancé</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>impossible de joindre l&apos;instance en cours (processus %1)&#xa0;: elle ne répond pas (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>impossible d&apos;obtenir le verrou d&apos;instance %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>la commande a été transmise à l&apos;instance en cours (processus %1), qui n&apos;a pas répondu&#xa0;; elle sera exécutée dès que celle-ci répondra</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>la commande a été transmise à l&apos;instance en cours (processus %1), qui s&apos;est terminée sans répondre</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 attend (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo s&apos;est terminé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; n&apos;est pas une durée de 0:01 à 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>aucune propriété dans %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>aucune propriété %1 dans %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 est en lecture seule</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>aucun minuteur à relancer&#xa0;: aucun n&apos;a été saisi</translation>
    </message>
</context>
</TS>
