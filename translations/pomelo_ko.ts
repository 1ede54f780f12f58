<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>소리가 나지 않습니다: %1.</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>사운드 파일이 없습니다</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>사운드 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>사운드 파일이 손상되었습니다</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>사운드 서버가 없습니다</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>사운드 시스템에 오류가 발생했습니다</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>%1 카운트다운이 %2에 끝났습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>pomelo가 실행되지 않은 동안 %1 카운트다운이 %2에 끝났습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>사운드 서버가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>사운드 파일이 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>사운드 파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>지원하지 않는 사운드 파일 형식입니다</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>pomelo가 실행되지 않은 동안 %1 카운트다운이 %3 %2에 끝났습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo는 파일을 열지 않습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>pomelo에는 &apos;%1&apos; 동작이 없습니다</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>pomelo의 동작은 매개변수를 받지 않습니다</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1 (pomelo --help 참고)</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>시간</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>알 수 없는 옵션: %1.</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>명령은 한 번에 하나만 쓸 수 있습니다: %1, %2.</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>사용법: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>데스크톱용 주방 타이머입니다. 명령 없이 실행하면 가젯을 시작합니다.
명령은 실행 중인 pomelo에 전달되며, 실행 중인 것이 없으면 가젯이
시작되어 명령을 수행합니다(--status, --quit 제외).</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>이 도움말 표시</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>버전 표시</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>모든 옵션은 대시 하나로도 쓸 수 있습니다(-status). 명령은 한 번에 하나입니다.

종료 상태: 0 완료. 1 실행 중인 pomelo에 연결할 수 없음, 실행 중인 것이
없음(--status, --quit), 또는 --again으로 다시 시작할 카운트다운이 없음.
2 잘못된 사용법.</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>잘못된 시간: %1. 5:00, 5m, 90s, 1m30s처럼 0:01에서 99:59 사이로 지정하십시오.</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>명령</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>지정한 시간만큼 바로 카운트다운 시작: 5:00, 5m, 90s, 1m30s
(0:01부터 99:59까지)</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>마지막으로 입력하거나 지정한 시간을 다시 카운트다운</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>시계 표시</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>스톱워치를 00 00에 멈춘 채로 표시</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>START 키와 같음: 시작, 일시 정지, 계속. 시계에서는
24시간제와 12시간제 전환</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>CLR 키와 같음</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>OFF 키와 같음: 설정을 저장하고 종료</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>모드, 실행 여부, LCD에 표시된 내용 출력</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>그 줄을 출력하고, 바뀔 때마다 다시 출력합니다(종료될 때까지).
실행 중인 pomelo가 없으면 &quot;off&quot;</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>다시</translation>
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
        <translation>디스플레이가 없습니다: %1, %2 변수가 모두 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>X 디스플레이가 없습니다: %1 변수가 설정되지 않았습니다(%2)</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>연결을 받아들이는 X 서버가 없습니다</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>X 디스플레이 %1에 연결할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>Wayland 디스플레이 %1에 연결할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>pomelo를 따라갈 수 없습니다: 세션 버스가 없습니다(%1)</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>더 이상 pomelo를 따라갈 수 없습니다: 세션 버스가 사라졌습니다</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>종료 (최신 버전: %1)</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>모드 전환 (진행 중인 타이머는 멈춤)</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>지우기 (진행 중인 타이머는 멈춤)</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>시작/일시 정지 (시계에서는 12/24시간제 전환)</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>실행 중인 pomelo에 연결할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>세션 버스가 없습니다(%1)</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>세션 버스에서 %1의 소유자를 알 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>세션 버스에서 %1의 소유 프로세스를 알 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>세션 버스의 %1 이름은 실행 중인 pomelo(프로세스 %3)가 아니라 프로세스 %2가 소유하고 있습니다</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo가 실행 중이 아닙니다</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>실행 중인 pomelo(프로세스 %1)에 연결할 수 없습니다: 응답이 없습니다(%2)</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>인스턴스 잠금을 얻을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>실행 중인 pomelo(프로세스 %1)에 명령을 전달했지만 응답이 없습니다. 응답하면 명령이 실행됩니다</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>실행 중인 pomelo(프로세스 %1)에 명령을 전달했지만 응답하지 않고 종료되었습니다</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1의 인수는 (%2)입니다</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo가 종료되었습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>0:01부터 99:59까지의 시간이 아닙니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>%1에 속성이 없습니다</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>%2에 속성 %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1은(는) 읽기 전용입니다</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>다시 시작할 카운트다운이 없습니다: 아직 입력된 시간이 없습니다</translation>
    </message>
</context>
</TS>
