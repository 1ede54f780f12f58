<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AlarmNotice</name>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>無法播放音效：%1。</translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>音效檔不存在</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>無法讀取音效檔</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>音效檔已損壞</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>沒有音效伺服器</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>音效系統發生錯誤</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>%1 的倒數計時已於%2結束。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>%1 的倒數計時已於%2結束，當時 pomelo 並未執行。</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>音效伺服器沒有回應</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>音效檔不是一般檔案</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>音效檔太大</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>不支援此音效檔的格式</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>%1 的倒數計時已於 %3 %2結束，當時 pomelo 並未執行。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo 不支援開啟檔案</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; 不是 pomelo 的動作</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>pomelo 的動作不接受參數</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1（請參閱 pomelo --help）</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>時間長度</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>未知的選項 %1。</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>一次只能執行一個指令，不能同時指定 %1 和 %2。</translation>
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
        <translation>桌面上的廚房計時器。不帶指令執行時會啟動小工具。指令會傳給
執行中的 pomelo；若沒有，則啟動小工具並執行該指令
（--status 與 --quit 除外）。</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>顯示此說明</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>顯示版本</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>每個選項也可以只寫一個連字號（-status）；一次只能執行一個指令。

結束狀態：0 成功；1 無法連線到執行中的 pomelo，或沒有 pomelo 在執行
（--status、--quit），或 --again 沒有可重新開始的倒數計時；2 用法錯誤。</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 不是有效的時間長度。請以 5:00、5m、90s 或 1m30s 的格式指定，範圍為 0:01 到 99:59。</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>指令</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>立即開始該時間長度的倒數計時：5:00、5m、90s、1m30s
（0:01 到 99:59）</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>以上次輸入或指定的時間再次倒數計時</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>顯示時鐘</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>顯示停在 00 00 的碼錶</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>同 START 鍵：開始、暫停、繼續；時鐘模式下
切換 24 小時制與 12 小時制</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>同 CLR 鍵</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>同 OFF 鍵：儲存設定並結束</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>輸出模式、是否在執行，以及 LCD 顯示的內容</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>輸出該行，每次變更時再次輸出，直到被終止；
沒有執行中的 pomelo 時輸出 &quot;off&quot;</translation>
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
        <translation>再一次</translation>
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
        <translation>沒有可用的顯示：%1 與 %2 皆未設定</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>沒有可用的 X 顯示：未設定 %1（%2）</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>沒有接受連線的 X 伺服器</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>無法開啟 X 顯示 %1：%2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>無法開啟 Wayland 顯示 %1：%2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>無法追蹤 pomelo：沒有工作階段匯流排（%1）</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>無法繼續追蹤 pomelo：工作階段匯流排已消失</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>結束（最新版本請見 %1）</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>切換模式（會停止進行中的計時）</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>清除（會停止進行中的計時）</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>開始/暫停（時鐘模式下切換 12/24 小時制）</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>無法連線到執行中的 pomelo：%1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>沒有工作階段匯流排（%1）</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>無法從工作階段匯流排得知 %1 的擁有者：%2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>無法從工作階段匯流排得知擁有 %1 的行程：%2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>工作階段匯流排上的 %1 屬於行程 %2，而不是執行中的 pomelo（行程 %3）</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo 並未執行</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>無法連線到執行中的 pomelo（行程 %1）：沒有回應（%2）</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>無法取得執行個體鎖定 %1</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>指令已傳給執行中的 pomelo（行程 %1），但它尚未回應；回應後便會執行該指令</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>指令已傳給執行中的 pomelo（行程 %1），但它沒有回應就結束了</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 的參數為 (%2)</translation>
    </message>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo 已結束</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; 不是 0:01 到 99:59 之間的時間長度</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>%1 中沒有屬性</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>%2 中沒有屬性 %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 為唯讀</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>沒有可重新開始的倒數計時：尚未輸入時間</translation>
    </message>
</context>
</TS>
