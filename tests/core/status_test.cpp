#include "TestGadget.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::TestGadget;

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
        TestGadget gadget({21, 7, 0});
        gadget.gadget.load();
        gadget.seconds(1);
        gadget.press(row.keys);
        gadget.seconds(row.seconds);
        EXPECT_EQ(gadget.gadget.status(), row.line);
    }
}

TEST(StatusLine, LeavesTheDigitsOutBeforeTheLcdShowsAny) {
    TestGadget gadget;
    gadget.effects.settingsFile = "[FORM1]\nMODE= 1\n";
    gadget.gadget.load();
    EXPECT_EQ(gadget.gadget.status(), "clock");
}

} // namespace
} // namespace pomelo
