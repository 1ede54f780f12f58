<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>无法播放声音：%1。</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>声音文件不存在</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>无法读取声音文件</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>声音文件已损坏</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>没有声音服务器</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>声音系统出错</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>%1 的倒计时已于 %2 结束。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>%1 的倒计时已于 %2 结束，当时 pomelo 未在运行。</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>声音服务器没有响应</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>声音文件不是普通文件</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>声音文件过大</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>不支持该声音文件的格式</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>%1 的倒计时已于 %3 %2 结束，当时 pomelo 未在运行。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo 不支持打开文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; 不是 pomelo 的操作</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>pomelo 的操作不接受参数</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1（参见 pomelo --help）</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>时长</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>未知选项 %1。</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>一次只能执行一个命令，不能同时指定 %1 和 %2。</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>用法：pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>桌面上的厨房计时器。不带命令运行时会启动小工具。命令会发送给
正在运行的 pomelo；如果没有，则启动小工具并执行该命令
（--status 和 --quit 除外）。</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>显示此帮助信息</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>每个选项也可以只写一个短横线（-status）；一次只能执行一个命令。

退出状态：0 成功；1 无法连接正在运行的 pomelo，或没有 pomelo 在运行
（--status、--quit），或 --again 没有可重新开始的倒计时；2 用法错误。</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 不是有效的时长。请按 5:00、5m、90s 或 1m30s 的格式指定，范围为 0:01 到 99:59。</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>命令</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>立即开始该时长的倒计时：5:00、5m、90s、1m30s
（0:01 到 99:59）</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>按上次输入或指定的时长再次倒计时</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>显示时钟</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>显示停在 00 00 的秒表</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>同 START 键：开始、暂停、继续；时钟模式下
切换 24 小时制和 12 小时制</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>同 CLR 键</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>同 OFF 键：保存设置并退出</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>输出模式、是否在运行，以及 LCD 显示的内容</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>输出该行，每次变化时再次输出，直到被终止；
没有正在运行的 pomelo 时输出 &quot;off&quot;</translation>
    </message>
</context>
<context>
    <name>DesktopNotice</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>再来一次</translation>
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
        <translation>没有可用的显示：%1 和 %2 均未设置</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>没有可用的 X 显示：未设置 %1（%2）</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>没有接受连接的 X 服务器</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>无法打开 X 显示 %1：%2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>无法打开 Wayland 显示 %1：%2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>无法跟踪 pomelo：没有会话总线（%1）</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>无法继续跟踪 pomelo：会话总线已消失</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>退出（最新版本见 %1）</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>切换模式（会停止正在进行的计时）</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>清除（会停止正在进行的计时）</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>开始/暂停（时钟模式下切换 12/24 小时制）</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>无法连接正在运行的 pomelo：%1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>没有会话总线（%1）</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>无法从会话总线得知 %1 的所有者：%2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>无法从会话总线得知拥有 %1 的进程：%2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>会话总线上的 %1 属于进程 %2，而不是正在运行的 pomelo（进程 %3）</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo 未在运行</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>无法连接正在运行的 pomelo（进程 %1）：没有响应（%2）</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>无法获取实例锁 %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>命令已发送给正在运行的 pomelo（进程 %1），但它尚未响应；响应后即会执行该命令</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>命令已发送给正在运行的 pomelo（进程 %1），但它没有响应就退出了</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 的参数为 (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo 已退出</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; 不是 0:01 到 99:59 之间的时长</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>%1 中没有属性</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>%2 中没有属性 %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 为只读</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>没有可重新开始的倒计时：尚未输入时长</translation>
    </message>
</context>
</TS>
