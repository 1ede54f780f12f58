#include "PressKeys.h"
#include "TickDriver.h"
#include "keypad/DigitKeys.h"
#include "keypad/ModeKeys.h"
#include "keypad/StartKey.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::PressKey;
using test::TickDriver;

void PressAll(TimerState &state, FakeEffects &effects, const std::string &labels) {
    for (const char label : labels)
        PressKey(state, effects, std::string(1, label));
}

TEST(DigitKeys, ShiftDigitsInFromTheRight) {
    struct Row {
        const char *scenario;
        const char *keys;
        const char *shown;
    };
    const Row rows[] = {
        {"one key", "7", "0007"},
        {"two keys", "12", "0012"},
        {"three keys", "123", "0123"},
        {"four keys", "1234", "1234"},
        {"a fifth key drops the first", "12345", "2345"},
        {"seconds above 59 stay", "99", "0099"},
        {"zeros shift a time out", "12340000", "0000"},
        {"zero on zero still draws", "0", "0000"},
        {"every key", "5678901234", "1234"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        PressAll(state, effects, row.keys);
        EXPECT_EQ(effects.digits(), row.shown);
        const std::string shown = row.shown;
        EXPECT_EQ(state.Minutes, std::stoi(shown.substr(0, 2)));
        EXPECT_EQ(state.Seconds, std::stoi(shown.substr(2, 2)));
    }
}

TEST(DigitKeys, ActOnlyInTheStoppedCountdown) {
    struct Row {
        const char *scenario;
        int opMode, runFlag;
        std::vector<int> topmostCalls;
        int seconds;
    };
    const Row rows[] = {
        {"stopped countdown", 0, 0, {0}, 37},
        {"running countdown: only leaves the top", 0, 1, {0}, 3},
        {"clock: nothing at all", 1, 0, {}, 3},
        {"stopwatch: nothing at all", 2, 1, {}, 3},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        state.OpMode = row.opMode;
        state.RunFlag = row.runFlag;
        state.Seconds = 3;
        PressKey(state, effects, "7");
        EXPECT_EQ(effects.topmostCalls, row.topmostCalls);
        EXPECT_EQ(state.Seconds, row.seconds);
    }
}

TEST(ModeKey, StepsThroughTheModesFromAClearedStart) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(9, 7, 0);
    PressAll(state, effects, "1234");
    effects.topmostCalls.clear();

    PressKey(state, effects, "MOD");
    EXPECT_EQ(state.OpMode, 1);
    EXPECT_EQ(effects.digits(), " 907");
    EXPECT_EQ(effects.indicators(), "colon");
    EXPECT_TRUE(effects.onTop);

    PressKey(state, effects, "MOD");
    EXPECT_EQ(state.OpMode, 2);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_EQ(effects.indicators(), "M S runner");
    EXPECT_FALSE(effects.onTop);

    PressKey(state, effects, "MOD");
    EXPECT_EQ(state.OpMode, 0);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_EQ(effects.indicators(), "M S dial");
    EXPECT_FALSE(effects.onTop);
    EXPECT_EQ(effects.topmostCalls, (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(state.Minutes, 0);
    EXPECT_EQ(state.Seconds, 0);
    EXPECT_EQ(effects.settingsWrites, 0);
}

TEST(ModeKey, StopsAnyCountAndClearsIt) {
    struct Row {
        const char *scenario;
        int opMode, runFlag, hours, minutes, seconds;
        int nextMode;
    };
    const Row rows[] = {
        {"running countdown", 0, 1, 0, 12, 34, 1},
        {"clock with a flag from the file", 1, 1, 0, 0, 0, 2},
        {"running stopwatch past an hour", 2, 1, 3, 4, 5, 0},
        {"paused stopwatch", 2, 0, 0, 4, 5, 0},
        {"a mode above the cycle returns to the countdown", 7, 0, 0, 0, 0, 0},
        {"a negative mode rises by one", -3, 0, 0, 0, 0, -2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        state.OpMode = row.opMode;
        state.RunFlag = row.runFlag;
        state.StopwatchHours = row.hours;
        state.Minutes = row.minutes;
        state.Seconds = row.seconds;
        PressKey(state, effects, "MOD");
        EXPECT_EQ(state.OpMode, row.nextMode);
        EXPECT_EQ(state.RunFlag, 0);
        EXPECT_EQ(state.StopwatchHours, 0);
        EXPECT_EQ(state.Minutes, 0);
        EXPECT_EQ(state.Seconds, 0);
    }
}

TEST(ModeKey, APressWhileACountdownRunsMeansNoAlarm) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 5);
    TickDriver driver{state, effects};
    driver.seconds(1);
    PressAll(state, effects, "3");
    PressKey(state, effects, "START");
    driver.seconds(1);
    PressKey(state, effects, "MOD");
    driver.seconds(5);
    EXPECT_TRUE(effects.soundsPlayed.empty());
    EXPECT_EQ(state.ShakeCount, 0);
}

TEST(ClearKey, ClearsEveryCountingStateAndKeepsTheModeIcon) {
    struct Row {
        const char *scenario;
        int opMode, runFlag, hours, minutes, seconds;
        const char *indicatorsBefore; // set up by a tick in that state
        const char *indicatorsAfter;
    };
    const Row rows[] = {
        {"countdown with 12 34 keyed", 0, 0, 0, 12, 34, "M S dial", "M S dial"},
        {"running countdown", 0, 1, 0, 3, 0, "M S dial", "M S dial"},
        {"stopwatch past an hour", 2, 1, 2, 5, 0, "H hM runner", "M S runner"},
        {"paused stopwatch", 2, 0, 0, 5, 0, "M S runner", "M S runner"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        effects.setWallClock(10, 0, 5);
        state.OpMode = row.opMode;
        state.RunFlag = row.runFlag;
        state.StopwatchHours = row.hours;
        state.Minutes = row.minutes;
        state.Seconds = row.seconds;
        TickDriver{state, effects}.run(100);
        EXPECT_EQ(effects.indicators(), row.indicatorsBefore);
        effects.onTop = true;

        PressKey(state, effects, "CLR");
        EXPECT_EQ(effects.digits(), "0000");
        EXPECT_EQ(effects.indicators(), row.indicatorsAfter);
        EXPECT_EQ(state.OpMode, row.opMode);
        EXPECT_EQ(state.RunFlag, 0);
        EXPECT_EQ(state.StopwatchHours, 0);
        EXPECT_FALSE(effects.onTop);
    }
}

TEST(ClearKey, DoesNothingInTheClock) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(21, 7, 0);
    state.OpMode = 1;
    PressKey(state, effects, "START"); // into the 12-hour clock, on top
    const auto visibleBefore = effects.visible;
    const auto topmostBefore = effects.topmostCalls;
    PressKey(state, effects, "CLR");
    EXPECT_EQ(effects.visible, visibleBefore);
    EXPECT_EQ(effects.topmostCalls, topmostBefore);
    EXPECT_EQ(effects.digits(), " 907");
}

TEST(StartKey, StartsPausesAndResumesTheCountdown) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 5);
    TickDriver driver{state, effects};
    driver.seconds(1);
    PressAll(state, effects, "130");
    PressKey(state, effects, "START");
    EXPECT_EQ(state.RunFlag, 1);
    driver.seconds(3);
    EXPECT_EQ(effects.digits(), "0127");
    PressKey(state, effects, "START");
    EXPECT_EQ(state.RunFlag, 0);
    driver.seconds(5);
    EXPECT_EQ(effects.digits(), "0127");
    PressKey(state, effects, "START");
    driver.seconds(2);
    EXPECT_EQ(effects.digits(), "0125");
    EXPECT_EQ(effects.settingsWrites, 3);
}

TEST(StartKey, WhatOnePressDoesInEachState) {
    struct Row {
        const char *scenario;
        int opMode, runFlag, minutes, seconds, hour12Flag;
        int runFlagAfter, hour12FlagAfter;
        std::vector<int> topmostCalls;
        const char *savedStratf; // the run flag as it stood before the press
    };
    const Row rows[] = {
        {"countdown at 00 00 refuses to start", 0, 0, 0, 0, 0, 0, 0, {0}, "0"},
        {"countdown with a time starts", 0, 0, 1, 30, 0, 1, 0, {0}, "0"},
        {"running countdown pauses", 0, 1, 1, 30, 0, 0, 0, {0}, "1"},
        {"stopwatch starts from 00 00, on top", 2, 0, 0, 0, 0, 1, 0, {0, 1}, "0"},
        {"running stopwatch pauses", 2, 1, 0, 9, 0, 0, 0, {0}, "1"},
        {"clock to 12-hour", 1, 0, 0, 0, 0, 0, 1, {1}, "0"},
        {"clock back to 24-hour", 1, 0, 0, 0, 1, 0, 0, {1}, "0"},
        {"clock keeps a run flag from the file", 1, 1, 0, 0, 0, 1, 1, {1}, "1"},
        {"clock keeps an hour flag of 2", 1, 0, 0, 0, 2, 0, 2, {1}, "0"},
        {"hour flag changes only in the clock", 0, 0, 0, 5, 1, 1, 1, {0}, "0"},
        {"a run flag of 2 is not toggled", 2, 2, 0, 5, 0, 2, 0, {0}, "2"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        FakeEffects effects;
        effects.setWallClock(21, 7, 0);
        effects.top = 1500;
        effects.left = 3000;
        state.OpMode = row.opMode;
        state.RunFlag = row.runFlag;
        state.Minutes = row.minutes;
        state.Seconds = row.seconds;
        state.Hour12Flag = row.hour12Flag;
        PressKey(state, effects, "START");
        EXPECT_EQ(state.RunFlag, row.runFlagAfter);
        EXPECT_EQ(state.Hour12Flag, row.hour12FlagAfter);
        EXPECT_EQ(effects.topmostCalls, row.topmostCalls);
        EXPECT_EQ(effects.settingsFile,
                  "[FORM1]\nMODE= " + std::to_string(row.opMode) + "\nSTRATF= " + row.savedStratf +
                      "\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= " + std::to_string(row.hour12FlagAfter) +
                      "\n");
        EXPECT_EQ(state.PosX, 1500);
        EXPECT_EQ(state.PosY, 3000);
    }
}

TEST(StartKey, RedrawsTheClockAtOnceInTheNewForm) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(9, 5, 0);
    state.OpMode = 1;
    PressKey(state, effects, "START");
    EXPECT_EQ(effects.digits(), " 905");
    EXPECT_EQ(effects.indicators(), "colon A");
    effects.setWallClock(21, 7, 0);
    PressKey(state, effects, "START");
    EXPECT_EQ(effects.digits(), "2107");
    EXPECT_EQ(effects.indicators(), "colon");
}

TEST(StartKey, SavesTheWindowsCurrentPlaceAsItsHome) {
    TimerState state;
    FakeEffects effects;
    state.PosX = 1500;
    state.PosY = 3000;
    effects.top = -300; // dragged above the screen since
    effects.left = 45;
    PressKey(state, effects, "START");
    EXPECT_EQ(state.PosX, -300);
    EXPECT_EQ(state.PosY, 45);
    EXPECT_NE(effects.settingsFile->find("POJIX=-300\n"), std::string::npos);
}

} // namespace
} // namespace pomelo
