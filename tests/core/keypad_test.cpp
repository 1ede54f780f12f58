#include "TestGadget.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::TestGadget;

TEST(DigitKeys, ShiftDigitsInFromTheRight) {
    struct Row {
        const char *scenario;
        const char *keys;
        const char *shown;
    };
    const Row rows[] = {
        {"one key", "7", "0007"},
        {"two keys", "1 2", "0012"},
        {"three keys", "1 2 3", "0123"},
        {"four keys", "1 2 3 4", "1234"},
        {"a fifth key drops the first", "1 2 3 4 5", "2345"},
        {"seconds above 59 stay", "9 9", "0099"},
        {"zeros shift a time out", "1 2 3 4 0 0 0 0", "0000"},
        {"zero on zero still draws", "0", "0000"},
        {"every key", "5 6 7 8 9 0 1 2 3 4", "1234"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget;
        gadget.press(row.keys);
        EXPECT_EQ(gadget.digits(), row.shown);
        const std::string shown = row.shown;
        EXPECT_EQ(gadget.state.Minutes, std::stoi(shown.substr(0, 2)));
        EXPECT_EQ(gadget.state.Seconds, std::stoi(shown.substr(2, 2)));
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
        TestGadget gadget;
        gadget.state.OpMode = row.opMode;
        gadget.state.RunFlag = row.runFlag;
        gadget.state.Seconds = 3;
        gadget.press("7");
        EXPECT_EQ(gadget.effects.topmostCalls, row.topmostCalls);
        EXPECT_EQ(gadget.state.Seconds, row.seconds);
    }
}

TEST(ModeKey, StepsThroughTheModesFromAClearedStart) {
    TestGadget gadget({9, 7, 0});
    gadget.press("1 2 3 4");
    gadget.effects.topmostCalls.clear();

    gadget.press("MOD");
    EXPECT_EQ(gadget.state.OpMode, ClockMode);
    EXPECT_EQ(gadget.digits(), " 907");
    EXPECT_EQ(gadget.indicators(), "colon");
    EXPECT_TRUE(gadget.effects.onTop);

    gadget.press("MOD");
    EXPECT_EQ(gadget.state.OpMode, StopwatchMode);
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_EQ(gadget.indicators(), "M S runner");
    EXPECT_FALSE(gadget.effects.onTop);

    gadget.press("MOD");
    EXPECT_EQ(gadget.state.OpMode, CountdownMode);
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_EQ(gadget.indicators(), "M S dial");
    EXPECT_FALSE(gadget.effects.onTop);
    EXPECT_EQ(gadget.effects.topmostCalls, (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(gadget.state.Minutes, 0);
    EXPECT_EQ(gadget.state.Seconds, 0);
    EXPECT_EQ(gadget.effects.settingsWrites, 0);
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
        TestGadget gadget;
        gadget.state.OpMode = row.opMode;
        gadget.state.RunFlag = row.runFlag;
        gadget.state.StopwatchHours = row.hours;
        gadget.state.Minutes = row.minutes;
        gadget.state.Seconds = row.seconds;
        gadget.press("MOD");
        EXPECT_EQ(gadget.state.OpMode, row.nextMode);
        EXPECT_EQ(gadget.state.RunFlag, Stopped);
        EXPECT_EQ(gadget.state.StopwatchHours, 0);
        EXPECT_EQ(gadget.state.Minutes, 0);
        EXPECT_EQ(gadget.state.Seconds, 0);
    }
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
        TestGadget gadget({10, 0, 5});
        gadget.state.OpMode = row.opMode;
        gadget.state.RunFlag = row.runFlag;
        gadget.state.StopwatchHours = row.hours;
        gadget.state.Minutes = row.minutes;
        gadget.state.Seconds = row.seconds;
        gadget.run(100);
        EXPECT_EQ(gadget.indicators(), row.indicatorsBefore);
        gadget.effects.onTop = true;

        gadget.press("CLR");
        EXPECT_EQ(gadget.digits(), "0000");
        EXPECT_EQ(gadget.indicators(), row.indicatorsAfter);
        EXPECT_EQ(gadget.state.OpMode, row.opMode);
        EXPECT_EQ(gadget.state.RunFlag, Stopped);
        EXPECT_EQ(gadget.state.StopwatchHours, 0);
        EXPECT_FALSE(gadget.effects.onTop);
    }
}

TEST(ClearKey, DoesNothingInTheClock) {
    TestGadget gadget({21, 7, 0});
    gadget.state.OpMode = ClockMode;
    gadget.press("START"); // into the 12-hour clock, on top
    const LcdPictures shownBefore = gadget.gadget.lcd();
    const auto topmostBefore = gadget.effects.topmostCalls;
    gadget.press("CLR");
    EXPECT_EQ(gadget.gadget.lcd(), shownBefore);
    EXPECT_EQ(gadget.effects.topmostCalls, topmostBefore);
    EXPECT_EQ(gadget.digits(), " 907");
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
        TestGadget gadget({21, 7, 0});
        gadget.effects.top = 1500;
        gadget.effects.left = 3000;
        gadget.state.OpMode = row.opMode;
        gadget.state.RunFlag = row.runFlag;
        gadget.state.Minutes = row.minutes;
        gadget.state.Seconds = row.seconds;
        gadget.state.Hour12Flag = row.hour12Flag;
        gadget.press("START");
        EXPECT_EQ(gadget.state.RunFlag, row.runFlagAfter);
        EXPECT_EQ(gadget.state.Hour12Flag, row.hour12FlagAfter);
        EXPECT_EQ(gadget.effects.topmostCalls, row.topmostCalls);
        EXPECT_EQ(gadget.effects.settingsFile,
                  "[FORM1]\nMODE= " + std::to_string(row.opMode) + "\nSTRATF= " + row.savedStratf +
                      "\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= " + std::to_string(row.hour12FlagAfter) +
                      "\n");
        EXPECT_EQ(gadget.state.PosX, 1500);
        EXPECT_EQ(gadget.state.PosY, 3000);
    }
}

TEST(OffKey, StoresTheWindowsPlaceSavesAndEnds) {
    TestGadget gadget;
    gadget.gadget.load();
    gadget.press("MOD START"); // the 12-hour clock
    gadget.effects.top = 1500; // dragged since start-up
    gadget.effects.left = -45;
    gadget.press("OFF");
    EXPECT_EQ(gadget.effects.settingsFile,
              "[FORM1]\nMODE= 1\nSTRATF= 0\nPOJIX= 1500\nPOJIY=-45\nMEMORI= 1\n");
    EXPECT_EQ(gadget.state.PosX, 1500);
    EXPECT_EQ(gadget.state.PosY, -45);
    EXPECT_TRUE(gadget.effects.ended);
    EXPECT_TRUE(gadget.gadget.hasEnded());
}

} // namespace
} // namespace pomelo
