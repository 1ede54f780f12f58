#include "TestGadget.h"
#include "resume/Resume.h"

#include <gtest/gtest.h>
#include <limits>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::TestGadget;

// 10:00:05.300 on the day the fake clock starts, one minute into the boot.
constexpr std::int64_t AnchorWall = FakeEffects::UtcDayStartMs + 36'005'300;
constexpr std::int64_t AnchorBoot = 60'000;
const Clocks Anchor{AnchorWall, AnchorBoot, "first boot"};

std::string Kept(int mode, bool running, int minutes, int seconds, int hours = 0,
                 Clocks anchor = Anchor) {
    return FormatCountRecord({mode, running, minutes, seconds, hours, 20, 0, std::move(anchor)});
}

// `ms` later on both clocks, on the same boot or another.
Clocks Later(std::int64_t ms, std::int64_t bootMs, const char *boot = "first boot") {
    return {AnchorWall + ms, bootMs, boot};
}

TEST(Resume, TakesUpTheKeptCountWhereItWouldStandNow) {
    struct Row {
        const char *scenario;
        std::string file;
        int opMode;
        Clocks now;
        const char *count; // "run MM:SS/H", "stop MM:SS/H", "ended at <ms after anchor>" or "-"
    };
    const Row rows[] = {
        {"same boot, running: the seconds that began since", Kept(CountdownMode, true, 2, 0),
         CountdownMode, Later(7'200, AnchorBoot + 7'200), "run 1:53/0"},
        {"same boot, paused: as it stood", Kept(CountdownMode, false, 1, 57), CountdownMode,
         Later(600'000, AnchorBoot + 600'000), "stop 1:57/0"},
        {"stopped stopwatch: as it stood", Kept(StopwatchMode, false, 4, 2, 3), StopwatchMode,
         Later(5'000, AnchorBoot + 5'000), "stop 4:2/3"},
        {"a suspend: the boot clock ran on, the wall clock was set back",
         Kept(StopwatchMode, true, 0, 10), StopwatchMode, Later(-600'000, AnchorBoot + 3'600'000),
         "run 0:10/1"},
        {"another boot: the wall clock", Kept(CountdownMode, true, 5, 0), CountdownMode,
         Later(90'000, 4'000, "second boot"), "run 3:30/0"},
        {"keyed seconds above 59 count as keyed", Kept(CountdownMode, true, 0, 75), CountdownMode,
         Later(3'000, AnchorBoot + 3'000), "run 0:72/0"},
        {"the end passed meanwhile", Kept(CountdownMode, true, 0, 3), CountdownMode,
         Later(6'000, 2'000, "second boot"), "ended at 2700"},
        {"the wall clock set back before another boot: no time passed",
         Kept(CountdownMode, true, 5, 0), CountdownMode, Later(-3'600'000, 4'000, "second boot"),
         "run 5:0/0"},
        {"a stopwatch kept for over a day wraps as it would have",
         Kept(StopwatchMode, true, 0, 0, 23), StopwatchMode,
         Later(2 * 86'400'000 + 3'600'000, 9'000, "second boot"), "run 0:0/0"},
        {"the clock keeps no count", Kept(ClockMode, false, 0, 0), ClockMode,
         Later(1'000, AnchorBoot + 1'000), "-"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        state.OpMode = row.opMode;
        const TakeUp takeUp = TakeUpCount(row.file, row.now, state);
        EXPECT_EQ(takeUp.problem, "");
        std::string count = "-";
        if (takeUp.endedAtWallMs)
            count = "ended at " + std::to_string(*takeUp.endedAtWallMs - AnchorWall);
        else if (takeUp.taken)
            count = std::string(state.RunFlag == Running ? "run " : "stop ") +
                    std::to_string(state.Minutes) + ":" + std::to_string(state.Seconds) + "/" +
                    std::to_string(state.StopwatchHours);
        EXPECT_EQ(count, row.count);
        EXPECT_EQ(state.KeyedMinutes, takeUp.taken ? 20 : 0);
        EXPECT_EQ(state.OpMode, row.opMode);
    }
}

TEST(Resume, LeavesAFileThatCannotBeTrustedAndSaysWhy) {
    struct Row {
        const char *scenario;
        std::string file;
        int opMode;
        const char *problem;
    };
    std::string twice = Kept(CountdownMode, true, 1, 0) + "MINUTES=3\n";
    constexpr std::int64_t Earliest = std::numeric_limits<std::int64_t>::min();
    const Row rows[] = {
        {"not a record", "garbage\n", CountdownMode, "the kept count cannot be read"},
        {"a key given twice", twice, CountdownMode, "the kept count cannot be read"},
        {"empty", "", CountdownMode, "the kept count cannot be read"},
        {"of another function", Kept(StopwatchMode, true, 1, 0), CountdownMode,
         "the kept count belongs to the stopwatch, not the countdown"},
        {"out of range", Kept(StopwatchMode, true, 75, 0), StopwatchMode,
         "the kept count is out of range"},
        {"running at 00 00", Kept(CountdownMode, true, 0, 0), CountdownMode,
         "the kept count is out of range"},
        {"anchored more than a day ahead",
         Kept(CountdownMode, true, 1, 0, 0, {AnchorWall + 2 * 86'400'000, 0, "old boot"}),
         CountdownMode, "the kept count is anchored more than a day ahead"},
        {"anchored before 2000, as far back as the file can say",
         Kept(CountdownMode, true, 5, 0, 0, {Earliest, AnchorBoot, "old boot"}), CountdownMode,
         "the kept count is anchored before 2000"},
        {"anchored before this boot began, as far back as the file can say",
         Kept(CountdownMode, true, 5, 0, 0, {AnchorWall, Earliest, "first boot"}), CountdownMode,
         "the kept count is anchored before its boot"},
        {"ahead of this boot's clock",
         Kept(CountdownMode, true, 1, 0, 0, {AnchorWall, AnchorBoot + 5'000, "first boot"}),
         CountdownMode, "the kept count is anchored ahead of this boot's clock"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TimerState state;
        state.OpMode = row.opMode;
        const TakeUp takeUp = TakeUpCount(row.file, Later(1'000, AnchorBoot + 1'000), state);
        EXPECT_FALSE(takeUp.taken);
        EXPECT_EQ(state.KeyedMinutes, 0) << "left alone";
        EXPECT_EQ(takeUp.problem, row.problem);
    }
}

TEST(Resume, TheCountIsKeptWhenItsCourseChangesAndNeverByTheTick) {
    TestGadget gadget(CountdownMode, {10, 0, 5, 300});
    gadget.press("2 0 0 0");
    EXPECT_EQ(gadget.effects.countWrites, 4);
    gadget.press("START");
    const std::string started = *gadget.effects.countFile;
    EXPECT_NE(started.find("RUNNING=1\nMINUTES=20\nSECONDS=0\n"), std::string::npos);
    gadget.seconds(30);
    EXPECT_EQ(gadget.effects.countWrites, 5) << "no write while counting";
    EXPECT_EQ(*gadget.effects.countFile, started);

    // Taken up after a kill 30 s later, the count goes on as though it had
    // run all along, and rewrites nothing until its course changes.
    TestGadget again;
    again.effects = gadget.effects;
    again.effects.advance(30'000);
    again.effects.countWrites = 0;
    again.gadget.load();
    again.seconds(1);
    EXPECT_EQ(again.digits(), "1859");
    EXPECT_EQ(again.state.RunFlag, Running);
    EXPECT_EQ(again.effects.countWrites, 0);
    again.press("START");
    EXPECT_NE(again.effects.countFile->find("RUNNING=0\nMINUTES=18\nSECONDS=59\n"),
              std::string::npos);
}

TEST(Resume, ACountdownThatEndedMeanwhileRingsAtStartUp) {
    TestGadget gadget({14, 0, 0});
    gadget.effects.countFile =
        FormatCountRecord({CountdownMode,
                           true,
                           3,
                           0,
                           0,
                           20,
                           0,
                           {gadget.effects.utcMs - 17 * 60'000, 0, "an earlier boot"}});
    gadget.gadget.load();
    gadget.gadget.soundOutcome(SoundOutcome::NoServer);
    EXPECT_EQ(gadget.state.RunFlag, Stopped);
    EXPECT_TRUE(gadget.effects.onTop);
    EXPECT_EQ(gadget.effects.soundsPlayed.size(), 1U);
    EXPECT_EQ(gadget.state.ShakeCount, 4);
    EXPECT_EQ(gadget.effects.notices,
              (std::vector<std::string>{
                  "post The countdown of 20:00 ended at 13:46, while pomelo was not running.",
                  "post The countdown of 20:00 ended at 13:46, while pomelo was not running.\n"
                  "No sound: no sound server."}));
    gadget.seconds(1);
    EXPECT_EQ(gadget.digits(), "0000");
    // Rung once: the kept count now stands stopped at 00 00.
    EXPECT_NE(gadget.effects.countFile->find("RUNNING=0\nMINUTES=0\nSECONDS=0\n"),
              std::string::npos);
}

TEST(Resume, StartsAsBeforeWithoutATrustworthyFile) {
    TestGadget gadget;
    gadget.effects.settingsFile = "[FORM1]\nMODE= 0\nSTARTF=1\n";
    gadget.effects.countFile = "FUNCTION=stopwatch\n";
    gadget.gadget.load();
    EXPECT_EQ(gadget.effects.notes,
              std::vector<std::string>{"the kept count cannot be read; starting without it"});
    EXPECT_EQ(gadget.state.RunFlag, 1) << "the settings' run flag, as before";
    EXPECT_EQ(gadget.effects.countFile, "FUNCTION=stopwatch\n") << "left alone";
}

} // namespace
} // namespace pomelo
