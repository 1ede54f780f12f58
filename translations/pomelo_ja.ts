<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AlarmNotice</name>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does (&quot;a la 1:07&quot;).</extracomment>
        <translation>
            <numerusform>%1のカウントダウンが%2に終了しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended. The forms go by the hour %2 shows (1 for 1:07 PM), where an article before it does.</extracomment>
        <translation>
            <numerusform>pomeloが起動していない間に、%1のカウントダウンが%2に終了しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound file is missing</source>
        <translation>サウンドファイルがありません</translation>
    </message>
    <message>
        <source>the sound file cannot be read</source>
        <translation>サウンドファイルを読めません</translation>
    </message>
    <message>
        <source>the sound file is broken</source>
        <translation>サウンドファイルが壊れています</translation>
    </message>
    <message>
        <source>no sound server</source>
        <translation>サウンドサーバーがありません</translation>
    </message>
    <message>
        <source>the sound system failed</source>
        <translation>サウンドシステムが失敗しました</translation>
    </message>
    <message>
        <source>No sound: %1.</source>
        <extracomment>The notice&apos;s second line; %1 is why no sound rings.</extracomment>
        <translation>音が鳴りません: %1。</translation>
    </message>
    <message numerus="yes">
        <source>The countdown of %1 ended on %3 at %2, while pomelo was not running.</source>
        <extracomment>%1 is the length keyed in (05:00), %2 the time of day it ended, %3 the date (as the language writes it short). The forms go by the hour %2 shows.</extracomment>
        <translation>
            <numerusform>pomeloが起動していない間に、%1のカウントダウンが%3 %2に終了しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>サウンドサーバーが応答しません</translation>
    </message>
    <message>
        <source>the sound file is not a regular file</source>
        <translation>サウンドファイルが通常のファイルではありません</translation>
    </message>
    <message>
        <source>the sound file is too large</source>
        <translation>サウンドファイルが大きすぎます</translation>
    </message>
    <message>
        <source>the sound file&apos;s format is not supported</source>
        <translation>サウンドファイルの形式に対応していません</translation>
    </message>
</context>
<context>
    <name>ApplicationInterface</name>
    <message>
        <source>pomelo opens no files</source>
        <translation>pomelo はファイルを開きません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no action of pomelo</source>
        <extracomment>%1 is the action&apos;s name as it was asked for.</extracomment>
        <translation>&apos;%1&apos; は pomelo のアクションではありません</translation>
    </message>
    <message>
        <source>pomelo&apos;s actions take no parameter</source>
        <translation>pomelo のアクションは引数を取りません</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 See pomelo --help.</source>
        <extracomment>%1 says what is wrong with the command line.</extracomment>
        <translation>%1（pomelo --help を参照）</translation>
    </message>
    <message>
        <source>DURATION</source>
        <extracomment>Stands for the duration the user gives, in --help.</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>%1 は不明なオプションです。</translation>
    </message>
    <message>
        <source>one command at a time, not %1 and %2.</source>
        <translation>コマンドは一度に一つです。%1 と %2 を同時には指定できません。</translation>
    </message>
    <message>
        <source>Usage: pomelo [%1]</source>
        <extracomment>The lines of --help: keep each under 80 columns (40 full-width characters).</extracomment>
        <translation>使い方: pomelo [%1]</translation>
    </message>
    <message>
        <source>A kitchen timer on the desktop. Without a command it starts the gadget. A
command goes to the copy that runs; when none runs, the gadget starts and
carries it out (but for --status and --quit).</source>
        <translation>デスクトップのキッチンタイマーです。コマンドなしで実行すると
ガジェットを起動します。コマンドは起動中の pomelo に送られ、
起動していなければガジェットが起動して実行します
（--status と --quit を除く）。</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>このヘルプを表示する</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>バージョンを表示する</translation>
    </message>
    <message>
        <source>Each option may also be written with one dash (-status); one command at a time.

Exit status: 0 done; 1 the running copy could not be reached, or none runs
(--status, --quit), or --again has no countdown to start again; 2 bad usage.</source>
        <translation>オプションはダッシュ一つでも書けます（-status）。コマンドは一度に一つです。

終了ステータス: 0 成功、1 起動中の pomelo に届かなかった、または
起動していない（--status、--quit）、または --again でもう一度始める
カウントダウンがない、2 使い方の誤り。</translation>
    </message>
    <message>
        <source>%1 is not a duration: give one like 5:00, 5m, 90s or 1m30s, from 0:01 to 99:59.</source>
        <translation>%1 は時間の指定ではありません。5:00、5m、90s、1m30s のように、0:01 から 99:59 までで指定してください。</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>Stands for one of the options --help lists, in its usage line.</extracomment>
        <translation>コマンド</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>count down that long, starting at once: 5:00, 5m, 90s, 1m30s
(0:01 to 99:59)</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>その長さのカウントダウンをすぐに始める:
5:00、5m、90s、1m30s（0:01 から 99:59 まで）</translation>
    </message>
    <message>
        <source>show the clock</source>
        <translation>時計を表示する</translation>
    </message>
    <message>
        <source>show the stopwatch, stopped at 00 00</source>
        <translation>ストップウォッチを 00 00 で止めて表示する</translation>
    </message>
    <message>
        <source>what the START key does: start, pause, resume; in the clock,
switch between the 24-hour and the 12-hour display</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>START キーと同じ: スタート、一時停止、再開。
時計では 24 時間表示と 12 時間表示を切り替える</translation>
    </message>
    <message>
        <source>what the CLR key does</source>
        <translation>CLR キーと同じ</translation>
    </message>
    <message>
        <source>what the OFF key does: save the settings and end</source>
        <translation>OFF キーと同じ: 設定を保存して終了する</translation>
    </message>
    <message>
        <source>print the mode, running or stopped, and what the LCD shows</source>
        <translation>モード、動作中か停止中か、LCD の表示を出力する</translation>
    </message>
    <message>
        <source>count down again the time last keyed in or given</source>
        <translation>最後に入力または指定した時間をもう一度カウントダウン</translation>
    </message>
    <message>
        <source>print that line, and again each time it changes, until ended;
&quot;off&quot; while no copy runs</source>
        <extracomment>In --help; a line break goes on under the text, lines of 62 columns at most.</extracomment>
        <translation>その行を出力し、変わるたびに再び出力する（終了されるまで）。
起動中の pomelo がないあいだは &quot;off&quot;</translation>
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
        <translation>停止</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>もう一度</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>no display: neither %1 nor %2 is set</source>
        <extracomment>%1 and %2 name environment variables.</extracomment>
        <translation>ディスプレイがありません: %1 も %2 も設定されていません</translation>
    </message>
    <message>
        <source>no X display: %1 is not set (%2)</source>
        <extracomment>%1 names an environment variable, %2 the setting that asks for X.</extracomment>
        <translation>X ディスプレイがありません: %1 が設定されていません（%2）</translation>
    </message>
    <message>
        <source>no X server takes connections there</source>
        <translation>接続を受け付ける X サーバーがありません</translation>
    </message>
    <message>
        <source>cannot open the X display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (:0), %2 why it cannot be opened.</extracomment>
        <translation>X ディスプレイ %1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot open the Wayland display %1: %2</source>
        <extracomment>%1 is the display&apos;s name (wayland-0), %2 why it cannot be opened.</extracomment>
        <translation>Wayland ディスプレイ %1 を開けません: %2</translation>
    </message>
</context>
<context>
    <name>Follower</name>
    <message>
        <source>cannot follow pomelo: no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>pomelo を追えません: セッションバスがありません（%1）</translation>
    </message>
    <message>
        <source>cannot follow pomelo any longer: the session bus went away</source>
        <translation>これ以上 pomelo を追えません: セッションバスがなくなりました</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>終了（最新版は、%1にあります。）</source>
        <extracomment>%1 is the web address of the newest version.</extracomment>
        <translation>終了（最新版は、%1にあります。）</translation>
    </message>
    <message>
        <source>モード切替（タイマー計測時には停止します。）</source>
        <translation>モード切替（タイマー計測時には停止します。）</translation>
    </message>
    <message>
        <source>クリア（タイマー計測時には停止します。）</source>
        <translation>クリア（タイマー計測時には停止します。）</translation>
    </message>
    <message>
        <source>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</source>
        <translation>スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>cannot reach the running copy: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>起動中の pomelo に届きません: %1</translation>
    </message>
    <message>
        <source>no session bus (%1)</source>
        <extracomment>%1 is the bus library&apos;s own message.</extracomment>
        <translation>セッションバスがありません（%1）</translation>
    </message>
    <message>
        <source>the session bus cannot tell who owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>セッションバスから %1 の所有者がわかりません: %2</translation>
    </message>
    <message>
        <source>the session bus cannot tell which process owns %1: %2</source>
        <extracomment>%1 is the name on the bus, %2 the bus&apos;s own message.</extracomment>
        <translation>セッションバスから %1 を所有するプロセスがわかりません: %2</translation>
    </message>
    <message>
        <source>%1 on the session bus belongs to process %2, not to the running copy (process %3)</source>
        <extracomment>%1 is the name on the bus, %2 and %3 are process numbers.</extracomment>
        <translation>セッションバスの %1 は起動中の pomelo（プロセス %3）ではなく、プロセス %2 のものです</translation>
    </message>
    <message>
        <source>pomelo is not running</source>
        <translation>pomelo は起動していません</translation>
    </message>
    <message>
        <source>cannot reach the running copy (process %1): it does not answer (%2)</source>
        <extracomment>%1 is a process number, %2 the last answer from the bus.</extracomment>
        <translation>起動中の pomelo（プロセス %1）に届きません: 応答がありません（%2）</translation>
    </message>
    <message>
        <source>cannot take the instance lock %1</source>
        <extracomment>%1 is the path of the lock file.</extracomment>
        <translation>インスタンスのロック %1 を取得できません</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which has not answered; it will be carried out when it does</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>コマンドを起動中の pomelo（プロセス %1）に渡しましたが、応答がありません。応答した時点で実行されます</translation>
    </message>
    <message>
        <source>the command was handed to the running copy (process %1), which ended without answering</source>
        <extracomment>%1 is a process number.</extracomment>
        <translation>コマンドを起動中の pomelo（プロセス %1）に渡しましたが、応答しないまま終了しました</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>pomelo has ended</source>
        <translation>pomelo は終了しました</translation>
    </message>
    <message>
        <source>%1 takes (%2)</source>
        <extracomment>%1 is a method&apos;s name, %2 the D-Bus types of its arguments.</extracomment>
        <translation>%1 の引数は (%2) です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a duration from 0:01 to 99:59</source>
        <translation>&apos;%1&apos; は 0:01 から 99:59 までの時間ではありません</translation>
    </message>
    <message>
        <source>no properties in %1</source>
        <extracomment>%1 names an interface on the session bus.</extracomment>
        <translation>%1 にプロパティはありません</translation>
    </message>
    <message>
        <source>no property %1 in %2</source>
        <extracomment>%1 names a property, %2 an interface on the session bus.</extracomment>
        <translation>%1 というプロパティは %2 にありません</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 names a property.</extracomment>
        <translation>%1 は読み取り専用です</translation>
    </message>
</context>
<context>
    <name>pomelo</name>
    <message>
        <source>no countdown to start again: none has been keyed in</source>
        <translation>もう一度始めるカウントダウンがありません: まだ入力されていません</translation>
    </message>
</context>
</TS>
