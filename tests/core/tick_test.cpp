#include "TestGadget.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::TestGadget;

// Most cases start from a gadget that has been ticking in its mode: here,
// since 10:00:05.
constexpr LocalTime TenOClock{10, 0, 5};

// Sets the time of a count by hand (no key sets the stopwatch's) and presses
// START.
void Start(TestGadget &gadget, int minutes, int seconds, int hours = 0) {
    gadget.state.Minutes = minutes;
    gadget.state.Seconds = seconds;
    gadget.state.StopwatchHours = hours;
    gadget.press("START");
}

struct CountRow {
    const char *scenario;
    int opMode;
    int hours, minutes, seconds;
    int secondsToRun;
    const char *shown;
    const char *indicators;
    int runFlag;
    std::size_t alarms;
};

TEST(Tick, CountsOneStepPerWallClockSecond) {
    const CountRow rows[] = {
        // countdown
        {"01 00 steps to 00 59", 0, 0, 1, 0, 1, "0059", "M S dial", 1, 0},
        {"00 75 counts the keyed seconds", 0, 0, 0, 75, 1, "0074", "M S dial", 1, 0},
        {"01 75 reaches 01 00", 0, 0, 1, 75, 75, "0100", "M S dial", 1, 0},
        {"01 75 then borrows a minute", 0, 0, 1, 75, 76, "0059", "M S dial", 1, 0},
        {"00 01 ends in the first step", 0, 0, 0, 1, 1, "0000", "M S dial", 0, 1},
        {"00 01 stays ended", 0, 0, 0, 1, 5, "0000", "M S dial", 0, 1},
        {"99 99 counts its first step", 0, 0, 99, 99, 1, "9998", "M S dial", 1, 0},
        {"10 00 ends after six hundred seconds", 0, 0, 10, 0, 600, "0000", "M S dial", 0, 1},
        // stopwatch
        {"00 00 steps to 00 01", 2, 0, 0, 0, 1, "0001", "M S runner", 1, 0},
        {"00 59 carries a minute", 2, 0, 0, 59, 1, "0100", "M S runner", 1, 0},
        {"59 59 turns to hours", 2, 0, 59, 59, 1, "0100", "H hM runner", 1, 0},
        {"1 hour 5 minutes shows 01 05", 2, 1, 4, 59, 1, "0105", "H hM runner", 1, 0},
        {"23:59:59 wraps to 00 00", 2, 23, 59, 59, 1, "0000", "M S runner", 1, 0},
    };
    for (const CountRow &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget(row.opMode, TenOClock);
        Start(gadget, row.minutes, row.seconds, row.hours);
        gadget.seconds(row.secondsToRun);
        EXPECT_EQ(gadget.digits(), row.shown);
        EXPECT_EQ(gadget.indicators(), row.indicators);
        EXPECT_EQ(gadget.state.RunFlag, row.runFlag);
        EXPECT_EQ(gadget.effects.soundsPlayed.size(), row.alarms);
    }
}

TEST(Tick, StopwatchKeepsItsSecondsBehindTheHoursView) {
    TestGadget gadget(StopwatchMode, TenOClock);
    Start(gadget, 59, 59);
    gadget.seconds(62);
    EXPECT_EQ(gadget.state.StopwatchHours, 1);
    EXPECT_EQ(gadget.state.Minutes, 1);
    EXPECT_EQ(gadget.state.Seconds, 1);
    EXPECT_EQ(gadget.digits(), "0101");
}

TEST(Tick, SleepsWhenOnlyAKeyCanChangeTheDisplay) {
    struct Row {
        const char *scenario;
        int opMode, runFlag;
        bool asleep;
    };
    const Row rows[] = {
        {"stopped countdown", 0, 0, true},
        {"running countdown", 0, 1, false},
        {"clock", 1, 0, false},
        {"clock with a run flag", 1, 1, false},
        {"stopped stopwatch", 2, 0, true},
        {"running stopwatch", 2, 1, false},
        {"unknown mode, run flag", 5, 1, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget;
        gadget.state.OpMode = row.opMode;
        gadget.state.RunFlag = row.runFlag;
        gadget.state.Minutes = 12;
        gadget.state.Seconds = 34;
        gadget.effects.setWallClock(10, 0, 5);
        gadget.run(100);
        EXPECT_NE(gadget.digits(), "    ") << "the tick before sleeping draws";
        EXPECT_EQ(gadget.state.TickAsleep, row.asleep);
    }
}

TEST(Tick, APausedCountStaysWhileTheTickSleepsThenCountsOneSecondPerSecond) {
    struct Row {
        const char *scenario;
        int opMode;
        std::int64_t sleptMs;
        const char *afterOne, *afterSix;
    };
    const Row rows[] = {
        {"countdown, 10 s", 0, 10000, "0457", "0452"},
        {"stopwatch, 10 s", 2, 10000, "0003", "0008"},
        // Resumed so that the next second has the seconds field the tick last
        // acted in: it still acts at that second.
        {"countdown, 59.5 s", 0, 59500, "0457", "0452"},
        {"countdown, an hour", 0, 3600 * 1000, "0457", "0452"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget(row.opMode, TenOClock);
        Start(gadget, row.opMode == 0 ? 5 : 0, 0);
        gadget.seconds(2);
        gadget.press("START");
        gadget.seconds(1);
        ASSERT_TRUE(gadget.state.TickAsleep);
        const LcdPictures shown = gadget.gadget.lcd();
        const int seconds = gadget.state.Seconds;
        gadget.run(row.sleptMs);
        EXPECT_EQ(gadget.gadget.lcd(), shown);
        EXPECT_EQ(gadget.state.Seconds, seconds);
        gadget.press("START");
        gadget.seconds(1);
        EXPECT_EQ(gadget.digits(), row.afterOne);
        gadget.seconds(5);
        EXPECT_EQ(gadget.digits(), row.afterSix);
    }
}

TEST(Tick, SeveralTicksWithinOneSecondActOnce) {
    TestGadget gadget(CountdownMode, TenOClock);
    Start(gadget, 5, 0);
    gadget.effects.setWallClock(10, 0, 7, 0); // the next second begins
    for (int tick = 0; tick < 9; ++tick) {
        gadget.effects.advance(100);
        gadget.gadget.tick();
        // A digit changed behind the tick's back shows whether it redraws.
        gadget.state.DigitSecOnes = 3;
    }
    EXPECT_EQ(gadget.state.Seconds, 59);
    EXPECT_EQ(gadget.state.Minutes, 4);
    EXPECT_EQ(gadget.digits(), "0459") << "only the first tick of the second drew";
}

TEST(Tick, TheFirstTickInSecondZeroWaitsForSecondOne) {
    TestGadget gadget({10, 0, 0, 50});
    gadget.gadget.tick();
    EXPECT_EQ(gadget.digits(), "    ");
    gadget.effects.setWallClock(10, 0, 1, 50);
    gadget.gadget.tick();
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_EQ(gadget.indicators(), "M S dial");
}

TEST(Tick, SecondsPassedWithoutATickAreMadeUp) {
    struct Row {
        const char *scenario;
        int opMode, minutes;
        std::int64_t beforeMs, missedMs, afterMs; // ticked, passed without a tick, ticked
        const char *shown;
        const char *indicators;
        int runFlag;
        std::size_t alarms;
    };
    const Row rows[] = {
        {"a 10-minute suspend in a 15-minute countdown", 0, 15, 30'000, 600'000, 1'000, "0429",
         "M S dial", 1, 0},
        {"a stall of 2.5 s: the seconds as they fall", 2, 0, 3'000, 2'500, 100, "0005",
         "M S runner", 1, 0},
        {"a stall of 2.5 s, and 10 s after it", 2, 0, 3'000, 2'500, 10'100, "0015", "M S runner", 1,
         0},
        {"a stopwatch suspended for two hours", 2, 0, 0, 7'261'000, 1'000, "0201", "H hM runner", 1,
         0},
        {"a countdown that ended during a suspend rings once at zero", 0, 1, 10'000, 300'000, 3'000,
         "0000", "M S dial", 0, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget(row.opMode, TenOClock);
        Start(gadget, row.minutes, 0);
        gadget.run(row.beforeMs);
        gadget.effects.advance(row.missedMs);
        gadget.run(row.afterMs);
        EXPECT_EQ(gadget.digits(), row.shown);
        EXPECT_EQ(gadget.indicators(), row.indicators);
        EXPECT_EQ(gadget.state.RunFlag, row.runFlag);
        EXPECT_EQ(gadget.effects.soundsPlayed.size(), row.alarms);
    }
}

TEST(Tick, SettingTheWallClockDoesNotMakeACountJump) {
    for (const int hours : {-1, 1}) {
        SCOPED_TRACE(hours);
        TestGadget gadget(CountdownMode, TenOClock);
        Start(gadget, 5, 0);
        gadget.seconds(10);
        EXPECT_EQ(gadget.digits(), "0450");
        gadget.effects.wallMs += hours * 3600 * 1000LL; // the clock is set, no time passes
        gadget.seconds(10);
        EXPECT_EQ(gadget.digits(), "0440");
    }
}

TEST(Tick, AWholeMinuteBetweenTicksIsStillCounted) {
    // The seconds field reads the same after exactly a minute; the next
    // change of second then counts everything.
    TestGadget gadget(CountdownMode, TenOClock);
    Start(gadget, 5, 0);
    gadget.effects.advance(60 * 1000);
    gadget.run(100);
    EXPECT_EQ(gadget.state.Minutes, 5);
    EXPECT_EQ(gadget.state.Seconds, 0);
    gadget.seconds(1);
    EXPECT_EQ(gadget.digits(), "0359");
}

TEST(Tick, ARunFlagReadAtZeroStopsWithoutAnAlarm) {
    TestGadget gadget;
    gadget.state.RunFlag = Running; // from a hand-edited settings file
    gadget.effects.setWallClock(10, 0, 5);
    gadget.seconds(3);
    EXPECT_EQ(gadget.state.RunFlag, Stopped);
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_TRUE(gadget.effects.soundsPlayed.empty());
    EXPECT_EQ(gadget.state.ShakeCount, 0);
}

// Each hour's digits and letter are ShowClockTime's (display_test); here,
// that the tick shows the local time in the form the state asks for.
TEST(Tick, ClockFollowsTheLocalTime) {
    const struct {
        const char *scenario;
        int hour, minute;
        int hour12Flag;
        const char *shown;
        const char *indicators;
    } rows[] = {
        {"09:05 12-hour", 9, 5, 1, " 905", "colon A"},
        {"21:07 24-hour", 21, 7, 0, "2107", "colon"},
        {"flag 2 means 12-hour", 21, 7, 2, " 907", "colon P"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget;
        gadget.state.OpMode = ClockMode;
        gadget.state.Hour12Flag = row.hour12Flag;
        gadget.state.RunFlag = Running; // the clock ignores the run flag
        gadget.effects.setWallClock(row.hour, row.minute, 30);
        gadget.run(100);
        EXPECT_EQ(gadget.digits(), row.shown);
        // The colon was hidden before this first tick, which shows it.
        EXPECT_EQ(gadget.indicators(), row.indicators);
        EXPECT_EQ(gadget.state.Minutes, 0);
        EXPECT_EQ(gadget.state.RunFlag, Running);
    }
}

TEST(Tick, ClockColonBlinksOncePerSecond) {
    TestGadget gadget(ClockMode, TenOClock);
    std::string pattern;
    for (int second = 0; second < 6; ++second) {
        gadget.seconds(1);
        pattern += gadget.gadget.lcd().Picture5[Colon].Visible ? '1' : '0';
    }
    EXPECT_TRUE(pattern == "101010" || pattern == "010101") << pattern;
}

TEST(Tick, ClockLeavesAPausedCountAlone) {
    TestGadget gadget(ClockMode, TenOClock);
    gadget.state.Minutes = 3;
    gadget.state.Seconds = 7;
    gadget.state.StopwatchHours = 0;
    gadget.seconds(5);
    EXPECT_EQ(gadget.state.Minutes, 3);
    EXPECT_EQ(gadget.state.Seconds, 7);
}

TEST(Tick, AnUnknownModeOnlyRedraws) {
    TestGadget gadget(5, TenOClock); // from a hand-edited settings file
    Start(gadget, 1, 0);
    gadget.seconds(3);
    EXPECT_EQ(gadget.state.Minutes, 1);
    EXPECT_EQ(gadget.state.Seconds, 0);
    EXPECT_EQ(gadget.digits(), "0000");
}

} // namespace
} // namespace pomelo
