<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Sin sonido: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>falta el archivo de sonido</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>no se puede leer el archivo de sonido</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>el archivo de sonido está dañado</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>no hay servidor de sonido</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>error del sistema de sonido</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>El temporizador de %1 terminó a la %2.</numerusform>
            <numerusform>El temporizador de %1 terminó a las %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>El temporizador de %1 terminó a la %2, cuando pomelo no estaba en ejecución.</numerusform>
            <numerusform>El temporizador de %1 terminó a las %2, cuando pomelo no estaba en ejecución.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>el servidor de sonido no responde</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>el archivo de sonido no es un archivo normal</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>el archivo de sonido es demasiado grande</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>el formato del archivo de sonido no es compatible</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>El temporizador de %1 terminó el %3 a la %2, cuando pomelo no estaba en ejecución.</numerusform>
            <numerusform>El temporizador de %1 terminó el %3 a las %2, cuando pomelo no estaba en ejecución.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo no abre archivos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; no es una acción de pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>Las acciones de pomelo no admiten parámetros</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Consulte pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DURACIÓN</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción %1 desconocida.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>un solo comando cada vez, no %1 y %2.</translation>
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
        <translation>Un temporizador de cocina para el escritorio. Sin comando, pomelo inicia el
gadget. Un comando va a la instancia en ejecución; si no hay ninguna, el
gadget se inicia y lo ejecuta (salvo --status y --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Cada opción también se puede escribir con un solo guion (-status); un comando
cada vez.

Estado de salida: 0 correcto; 1 no se pudo contactar con la instancia en
ejecución, o no hay ninguna (--status, --quit), o --again no tiene ningún
temporizador que repetir; 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 no es una duración: indique, por ejemplo, 5:00, 5m, 90s o 1m30s, de 0:01 a 99:59.</translation>
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
        <translation>iniciar enseguida un temporizador de esa duración:
5:00, 5m, 90s, 1m30s (de 0:01 a 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>repetir el último temporizador introducido o indicado</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>mostrar el reloj</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>mostrar el cronómetro, parado en 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>lo que hace la tecla START: iniciar, pausar, reanudar; en el
reloj, alternar entre el formato de 24 y de 12 horas</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>lo que hace la tecla CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>lo que hace la tecla OFF: guardar la configuración y salir</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>mostrar el modo, si está en marcha o parado, y la pantalla</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>mostrar esa línea y de nuevo cada vez que cambie, hasta que se
termine; &quot;off&quot; mientras no haya ninguna instancia en ejecución</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Repetir</translation>
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
        <translation>no hay pantalla: no está definida ni %1 ni %2</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>no hay pantalla X: %1 no está definida (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>no hay ningún servidor X que acepte conexiones ahí</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>no se puede abrir la pantalla X %1: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>no se puede abrir la pantalla Wayland %1: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>no se puede seguir a pomelo: no hay bus de sesión (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>ya no se puede seguir a pomelo: el bus de sesión ha desaparecido</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Salir (la versión más reciente está en %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Cambiar de modo (detiene el conteo en curso)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Borrar (detiene el conteo en curso)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Iniciar/pausar (en el reloj: alternar entre 12 y 24 horas)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>no se puede contactar con la instancia en ejecución: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>no hay bus de sesión (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>el bus de sesión no sabe quién es el propietario de %1: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>el bus de sesión no sabe qué proceso es el propietario de %1: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 en el bus de sesión pertenece al proceso %2, no a la instancia en ejecución (proceso %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo no está en ejecución</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>no se puede contactar con la instancia en ejecución (proceso %1): no responde (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>no se puede obtener el bloqueo de instancia %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>el comando se envió a la instancia en ejecución (proceso %1), que no ha respondido; se ejecutará cuando responda</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>el comando se envió a la instancia en ejecución (proceso %1), que terminó sin responder</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 espera (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo ha terminado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; no es una duración de 0:01 a 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>no hay propiedades en %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>no existe la propiedad %1 en %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 es de solo lectura</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>no hay ningún temporizador que repetir: no se ha introducido ninguno</translation>
    </message>
</context>
</TS>
