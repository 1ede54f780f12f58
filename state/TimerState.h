#pragma once

#include "state/SoundOutcome.h"

#include <cstdint>
#include <string>

namespace pomelo {

// The values of OpMode and RunFlag that the program itself sets; a
// hand-edited settings file may bring others, which the handlers take as
// they are.
enum OpModeValue : int { CountdownMode = 0, ClockMode = 1, StopwatchMode = 2 };
enum RunFlagValue : int { Stopped = 0, Running = 1 };

// Everything the gadget remembers while it runs. Every handler reads and writes
// this one struct in place; nothing keeps a copy of it across handler runs.
struct TimerState {
    int OpMode = CountdownMode;
    int RunFlag = Stopped; // Running while a countdown or the stopwatch runs
    int Minutes = 0;
    int Seconds = 0;
    int StopwatchHours = 0;

    // The four display positions from left to right; 10 blanks a position.
    int DigitMinTens = 0;
    int DigitMinOnes = 0;
    int DigitSecTens = 0;
    int DigitSecOnes = 0;

    int Hour12Flag = 0; // 0 the 24-hour clock, anything else the 12-hour clock
    float PosX = 0;     // home position: the window's top edge, in twips
    float PosY = 0;     // home position: the window's left edge, in twips
    int LastSecond = 0; // seconds field of the local time at the last acting tick
    int ShakeCount = 0; // shake steps of the alarm still to make
    // The countdown's length as the digit keys last left it, for the alarm's
    // notice and for starting it again, and whether that notice is still up
    // on the desktop.
    int KeyedMinutes = 0;
    int KeyedSeconds = 0;
    bool AlarmNoticeUp = false;
    // That notice's first line, and what it says of the sound, which the
    // sound system tells only after the notice went up.
    std::string AlarmNoticeText;
    SoundOutcome AlarmNoticeSound = SoundOutcome::Playing;
    // The alarm's sound was asked for, is not known to have failed, and
    // nobody has answered it yet.
    bool Ringing = false;
    std::string IniSection;

    // Where the last acting tick stood on the elapsed-time clock and within its
    // wall-clock second, so that seconds the program did not see (a suspend, a
    // stalled desktop) are still counted.
    bool HasActed = false;
    std::int64_t LastActingElapsedMs = 0;
    int LastActingMillisecond = 0;

    // Set by an acting tick that leaves nothing for later ticks to change (a
    // stopped count): the tick then sleeps until a key or command wakes it.
    bool TickAsleep = false;

    // Set by OFF: the program ends, and no handler runs after it.
    bool Ended = false;
};

} // namespace pomelo
