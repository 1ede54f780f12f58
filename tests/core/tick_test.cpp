#include "TickDriver.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::TickDriver;

// A gadget that has been ticking for a while in `opMode`, at 10:00:05.
struct Ticking {
    TimerState state;
    FakeEffects effects;
    TickDriver driver{state, effects};

    explicit Ticking(int opMode, int hour12Flag = 0) {
        state.OpMode = opMode;
        state.Hour12Flag = hour12Flag;
        effects.setWallClock(10, 0, 5);
        driver.run(1000);
    }
    // Starts a count the way START does: the flag alone; the tick, woken as
    // after any key, counts.
    void start(int minutes, int seconds, int hours = 0) {
        state.Minutes = minutes;
        state.Seconds = seconds;
        state.StopwatchHours = hours;
        driver.press([](TimerState &started, Effects &) { started.RunFlag = 1; });
    }
    void pause() {
        driver.press([](TimerState &paused, Effects &) { paused.RunFlag = 0; });
    }
};

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
        Ticking gadget(row.opMode);
        gadget.start(row.minutes, row.seconds, row.hours);
        gadget.driver.seconds(row.secondsToRun);
        EXPECT_EQ(gadget.effects.digits(), row.shown);
        EXPECT_EQ(gadget.effects.indicators(), row.indicators);
        EXPECT_EQ(gadget.state.RunFlag, row.runFlag);
        EXPECT_EQ(gadget.effects.soundsPlayed.size(), row.alarms);
    }
}

TEST(Tick, StopwatchKeepsItsSecondsBehindTheHoursView) {
    Ticking gadget(2);
    gadget.start(59, 59);
    gadget.driver.seconds(62);
    EXPECT_EQ(gadget.state.StopwatchHours, 1);
    EXPECT_EQ(gadget.state.Minutes, 1);
    EXPECT_EQ(gadget.state.Seconds, 1);
    EXPECT_EQ(gadget.effects.digits(), "0101");
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
        TimerState state;
        FakeEffects effects;
        state.OpMode = row.opMode;
        state.RunFlag = row.runFlag;
        state.Minutes = 12;
        state.Seconds = 34;
        effects.setWallClock(10, 0, 5);
        TickDriver{state, effects}.run(100);
        EXPECT_NE(effects.digits(), "    ") << "the tick before sleeping draws";
        EXPECT_EQ(state.TickAsleep, row.asleep);
    }
}

TEST(Tick, AStoppedCountStaysAsItIsWhileTheTickSleeps) {
    for (const int opMode : {0, 2}) {
        SCOPED_TRACE(opMode);
        Ticking gadget(opMode);
        gadget.start(12, 34);
        gadget.driver.seconds(2);
        gadget.pause();
        gadget.driver.seconds(1);
        ASSERT_TRUE(gadget.state.TickAsleep);
        const auto shown = gadget.effects.visible;
        gadget.driver.seconds(30);
        EXPECT_EQ(gadget.effects.visible, shown);
        EXPECT_EQ(gadget.state.Seconds, opMode == 0 ? 32 : 36);
    }
}

TEST(Tick, AResumedCountCountsOneSecondPerSecondAfterSleeping) {
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
        Ticking gadget(row.opMode);
        gadget.start(row.opMode == 0 ? 5 : 0, 0);
        gadget.driver.seconds(2);
        gadget.pause();
        gadget.driver.seconds(1);
        ASSERT_TRUE(gadget.state.TickAsleep);
        gadget.driver.run(row.sleptMs);
        gadget.driver.press([](TimerState &state, Effects &) { state.RunFlag = 1; });
        gadget.driver.seconds(1);
        EXPECT_EQ(gadget.effects.digits(), row.afterOne);
        gadget.driver.seconds(5);
        EXPECT_EQ(gadget.effects.digits(), row.afterSix);
    }
}

TEST(Tick, TheFirstTickAfterStartUpDrawsThenSleeps) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 5, 300);
    TickDriver driver{state, effects};
    driver.run(700);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_EQ(effects.indicators(), "M S dial");
    EXPECT_TRUE(state.TickAsleep);
}

TEST(Tick, SeveralTicksWithinOneSecondActOnce) {
    Ticking gadget(0);
    gadget.start(5, 0);
    gadget.effects.setWallClock(10, 0, 7, 0); // the next second begins
    for (int tick = 0; tick < 9; ++tick) {
        gadget.effects.advance(100);
        Timer1_Timer(gadget.state, gadget.effects);
        // Hiding a digit behind the tick's back shows whether it redraws.
        gadget.effects.visible[3][9] = false;
    }
    EXPECT_EQ(gadget.state.Seconds, 59);
    EXPECT_EQ(gadget.state.Minutes, 4);
    EXPECT_EQ(gadget.effects.digits(), "045 ") << "only the first tick of the second redrew";
}

TEST(Tick, TheFirstTickInSecondZeroWaitsForSecondOne) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 0, 50);
    Timer1_Timer(state, effects);
    EXPECT_EQ(effects.digits(), "    ");
    effects.setWallClock(10, 0, 1, 50);
    Timer1_Timer(state, effects);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_EQ(effects.indicators(), "M S dial");
}

TEST(Tick, MissedSecondsAreMadeUp) {
    // A 10-minute suspend in the middle of a 15-minute countdown.
    Ticking countdown(0);
    countdown.start(15, 0);
    countdown.driver.seconds(30);
    countdown.effects.advance(10 * 60 * 1000);
    countdown.driver.seconds(1);
    EXPECT_EQ(countdown.effects.digits(), "0429");

    // A stall of 2.5 s counts the two and a half seconds as they fall.
    Ticking stalled(2);
    stalled.start(0, 0);
    stalled.driver.seconds(3);
    stalled.effects.advance(2500);
    stalled.driver.run(100);
    EXPECT_EQ(stalled.effects.digits(), "0005");
    stalled.driver.seconds(10);
    EXPECT_EQ(stalled.effects.digits(), "0015");

    // A stopwatch suspended for two hours picks up its hours.
    Ticking stopwatch(2);
    stopwatch.start(0, 0);
    stopwatch.effects.advance(2 * 3600 * 1000 + 61 * 1000);
    stopwatch.driver.seconds(1);
    EXPECT_EQ(stopwatch.effects.digits(), "0201");
    EXPECT_EQ(stopwatch.effects.indicators(), "H hM runner");
}

TEST(Tick, ACountdownThatEndedDuringASuspendRingsOnceAtZero) {
    Ticking gadget(0);
    gadget.start(1, 0);
    gadget.driver.seconds(10);
    gadget.effects.advance(5 * 60 * 1000);
    gadget.driver.seconds(3);
    EXPECT_EQ(gadget.effects.digits(), "0000");
    EXPECT_EQ(gadget.state.RunFlag, 0);
    EXPECT_EQ(gadget.effects.soundsPlayed.size(), 1U);
    EXPECT_EQ(gadget.state.Minutes, 0);
    EXPECT_EQ(gadget.state.Seconds, 0);
}

TEST(Tick, SettingTheWallClockDoesNotMakeACountJump) {
    for (const int hours : {-1, 1}) {
        SCOPED_TRACE(hours);
        Ticking gadget(0);
        gadget.start(5, 0);
        gadget.driver.seconds(10);
        EXPECT_EQ(gadget.effects.digits(), "0450");
        gadget.effects.wallMs += hours * 3600 * 1000LL; // the clock is set, no time passes
        gadget.driver.seconds(10);
        EXPECT_EQ(gadget.effects.digits(), "0440");
    }
}

TEST(Tick, AWholeMinuteBetweenTicksIsStillCounted) {
    // The seconds field reads the same after exactly a minute; the next
    // change of second then counts everything.
    Ticking gadget(0);
    gadget.start(5, 0);
    gadget.effects.advance(60 * 1000);
    gadget.driver.run(100);
    EXPECT_EQ(gadget.state.Minutes, 5);
    EXPECT_EQ(gadget.state.Seconds, 0);
    gadget.driver.seconds(1);
    EXPECT_EQ(gadget.effects.digits(), "0359");
}

TEST(Tick, ARunFlagReadAtZeroStopsWithoutAnAlarm) {
    TimerState state;
    FakeEffects effects;
    state.RunFlag = 1; // from a hand-edited settings file
    effects.setWallClock(10, 0, 5);
    TickDriver{state, effects}.seconds(3);
    EXPECT_EQ(state.RunFlag, 0);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_TRUE(effects.soundsPlayed.empty());
    EXPECT_EQ(state.ShakeCount, 0);
}

struct ClockRow {
    const char *scenario;
    int hour, minute;
    int hour12Flag;
    const char *shown;
    const char *letter;
};

TEST(Tick, ClockFollowsTheLocalTime) {
    const ClockRow rows[] = {
        {"09:05 24-hour", 9, 5, 0, " 905", ""},          {"09:05 12-hour", 9, 5, 1, " 905", "A"},
        {"12:40 12-hour is P", 12, 40, 1, "1240", "P"},  {"13:00 12-hour", 13, 0, 1, " 100", "P"},
        {"13:00 24-hour", 13, 0, 0, "1300", ""},         {"00:15 12-hour", 0, 15, 1, " 015", "A"},
        {"00:15 24-hour", 0, 15, 0, " 015", ""},         {"21:07 12-hour", 21, 7, 1, " 907", "P"},
        {"21:07 24-hour", 21, 7, 0, "2107", ""},         {"23:59 24-hour", 23, 59, 0, "2359", ""},
        {"flag 2 means 12-hour", 21, 7, 2, " 907", "P"},
    };
    for (const ClockRow &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        state.OpMode = 1;
        state.Hour12Flag = row.hour12Flag;
        state.RunFlag = 1; // the clock ignores the run flag
        effects.setWallClock(row.hour, row.minute, 30);
        TickDriver{state, effects}.run(100);
        EXPECT_EQ(effects.digits(), row.shown);
        // The colon was hidden before this first tick, which shows it.
        EXPECT_EQ(effects.indicators(),
                  std::string("colon") + (*row.letter ? " " : "") + row.letter);
        EXPECT_EQ(state.Minutes, 0);
        EXPECT_EQ(state.RunFlag, 1);
    }
}

TEST(Tick, ClockColonBlinksOncePerSecond) {
    Ticking gadget(1);
    std::string pattern;
    for (int second = 0; second < 6; ++second) {
        gadget.driver.seconds(1);
        pattern += gadget.effects.visible[4][0] ? '1' : '0';
    }
    EXPECT_TRUE(pattern == "101010" || pattern == "010101") << pattern;
}

TEST(Tick, ClockLeavesAPausedCountAlone) {
    Ticking gadget(1);
    gadget.state.Minutes = 3;
    gadget.state.Seconds = 7;
    gadget.state.StopwatchHours = 0;
    gadget.driver.seconds(5);
    EXPECT_EQ(gadget.state.Minutes, 3);
    EXPECT_EQ(gadget.state.Seconds, 7);
}

TEST(Tick, AnUnknownModeOnlyRedraws) {
    Ticking gadget(5);
    gadget.start(1, 0);
    gadget.driver.seconds(3);
    EXPECT_EQ(gadget.state.Minutes, 1);
    EXPECT_EQ(gadget.state.Seconds, 0);
    EXPECT_EQ(gadget.effects.digits(), "0000");
}

} // namespace
} // namespace pomelo
