<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>Sem som: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>o arquivo de som não foi encontrado</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>não foi possível ler o arquivo de som</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>o arquivo de som está corrompido</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>não há servidor de som</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>falha no sistema de som</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>O temporizador de %1 terminou à %2.</numerusform>
            <numerusform>O temporizador de %1 terminou às %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>O temporizador de %1 terminou à %2, enquanto pomelo não estava em execução.</numerusform>
            <numerusform>O temporizador de %1 terminou às %2, enquanto pomelo não estava em execução.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>o servidor de som não responde</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>o arquivo de som não é um arquivo comum</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>o arquivo de som é grande demais</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>o formato do arquivo de som não é suportado</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>O temporizador de %1 terminou em %3 à %2, enquanto pomelo não estava em execução.</numerusform>
            <numerusform>O temporizador de %1 terminou em %3 às %2, enquanto pomelo não estava em execução.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo não abre arquivos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; não é uma ação do pomelo</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>As ações do pomelo não aceitam parâmetros</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 Veja pomelo --help.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>DURAÇÃO</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opção %1 desconhecida.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>um comando por vez, não %1 e %2.</translation>
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
        <translation>Um temporizador de cozinha para a área de trabalho. Sem comando, pomelo
inicia o gadget. Um comando vai para a instância em execução; se não houver
nenhuma, o gadget inicia e o executa (exceto --status e --quit).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>mostra esta ajuda</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>mostra a versão</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>Cada opção também pode ser escrita com um só hífen (-status); um comando
por vez.

Status de saída: 0 sucesso; 1 não foi possível contatar a instância em
execução, ou não há nenhuma (--status, --quit), ou --again não tem
um temporizador para repetir; 2 uso incorreto.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 não é uma duração: informe, por exemplo, 5:00, 5m, 90s ou 1m30s, de 0:01 a 99:59.</translation>
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
        <translation>inicia imediatamente um temporizador com essa duração:
5:00, 5m, 90s, 1m30s (de 0:01 a 99:59)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>repete o último temporizador digitado ou informado</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>mostra o relógio</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>mostra o cronômetro, parado em 00 00</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>o mesmo que a tecla START: inicia, pausa, retoma; no relógio,
alterna entre o formato de 24 e de 12 horas</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>o mesmo que a tecla CLR</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>o mesmo que a tecla OFF: salva as configurações e sai</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>mostra o modo, o estado (em andamento ou parado) e o visor LCD</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>exibir essa linha e de novo a cada mudança, até ser encerrado;
&quot;off&quot; enquanto nenhuma instância estiver em execução</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>não há tela: nem %1 nem %2 está definida</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>não há tela X: %1 não está definida (%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>nenhum servidor X aceita conexões ali</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>não foi possível abrir a tela X %1: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>não foi possível abrir a tela Wayland %1: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>não é possível acompanhar o pomelo: sem barramento de sessão (%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>não é mais possível acompanhar o pomelo: o barramento de sessão desapareceu</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>Sair (a versão mais recente está em %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>Mudar de modo (interrompe a contagem em andamento)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>Zerar (interrompe a contagem em andamento)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>Iniciar/pausar (no relógio: alterna entre 12 e 24 horas)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>não foi possível contatar a instância em execução: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>não há barramento de sessão (%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>o barramento de sessão não sabe informar quem é o dono de %1: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>o barramento de sessão não sabe informar qual processo é o dono de %1: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>%1 no barramento de sessão pertence ao processo %2, não à instância em execução (processo %3)</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo não está em execução</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>não foi possível contatar a instância em execução (processo %1): ela não responde (%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>não foi possível obter o bloqueio de instância %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>o comando foi enviado à instância em execução (processo %1), que não respondeu; ele será executado quando ela responder</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>o comando foi enviado à instância em execução (processo %1), que foi encerrada sem responder</translation>
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
        <translation>pomelo foi encerrado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; não é uma duração de 0:01 a 99:59</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>nenhuma propriedade em %1</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>nenhuma propriedade %1 em %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 é somente leitura</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>nenhum temporizador para repetir: nenhum foi digitado</translation>
    </message>
</context>
</TS>
