#include "PressKeys.h"
#include "TickDriver.h"
#include "form/FormEvents.h"
#include "remote/Status.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::PressKeys;
using test::TickDriver;

TEST(StatusLine, NamesTheModeWhetherItRunsAndWhatTheLcdShows) {
    struct Row {
        const char *keys;
        int seconds; // ticked after the keys
        const char *line;
    };
    const Row rows[] = {
        {"", 1, "countdown stopped 00 00"},
        {"5 0 0 START", 1, "countdown running 04 59"},
        {"5 0 0 START", 61, "countdown running 03 59"},
        {"5 0 0 START START", 1, "countdown stopped 05 00"},
        {"9 9", 0, "countdown stopped 00 99"},
        {"2 START", 2, "countdown stopped 00 00"},
        {"MOD", 0, "clock 21:07"},
        {"MOD START", 0, "clock 9:07 PM"},
        {"MOD MOD", 0, "stopwatch stopped 00 00"},
        {"MOD MOD START", 3, "stopwatch running 00 03"},
        {"MOD MOD START", 3725, "stopwatch running 01h02m"},
        {"MOD MOD START START", 3725, "stopwatch stopped 00 00"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.keys) + " and " + std::to_string(row.seconds) + " s");
        TimerState state;
        FakeEffects effects;
        effects.setWallClock(21, 7, 0);
        Form_Load(state, effects);
        TickDriver driver{state, effects};
        driver.seconds(1);
        PressKeys(state, effects, row.keys);
        driver.seconds(row.seconds);
        EXPECT_EQ(StatusLine(state, effects), row.line);
    }
}

TEST(StatusLine, LeavesTheDigitsOutBeforeTheLcdShowsAny) {
    TimerState state;
    FakeEffects effects;
    effects.settingsFile = "[FORM1]\nMODE= 1\n";
    Form_Load(state, effects);
    EXPECT_EQ(StatusLine(state, effects), "clock");
}

} // namespace
} // namespace pomelo
