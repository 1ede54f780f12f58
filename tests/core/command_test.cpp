#include "TestGadget.h"

#include <gtest/gtest.h>
#include <sstream>

namespace pomelo {
namespace {

using test::TestGadget;

// Everything a command or a key press can change, as text to compare.
std::string Snapshot(const TestGadget &gadget) {
    const TimerState &state = gadget.state;
    const test::FakeEffects &effects = gadget.effects;
    std::ostringstream out;
    out << "mode " << state.OpMode << " run " << state.RunFlag << " time " << state.Minutes << ":"
        << state.Seconds << "/" << state.StopwatchHours << " 12h " << state.Hour12Flag << " lcd '"
        << gadget.digits() << "' [" << gadget.indicators() << "] topmost";
    for (const int call : effects.topmostCalls)
        out << " " << call;
    out << " settings " << effects.settingsWrites << " '" << effects.settingsFile.value_or("?")
        << "' ended " << effects.ended << " notices " << effects.notices.size() << " count "
        << effects.countFile.value_or("none");
    return out.str();
}

// A gadget at 21:07 that has ticked once and had `keys` pressed.
struct Pressed : TestGadget {
    explicit Pressed(const std::string &keys)
        : TestGadget(CountdownMode, {21, 7, 0}) {
        effects.top = 1500;
        press(keys);
        effects.topmostCalls.clear();
    }
};

TEST(Command, IsCarriedOutAsTheKeyPressesThatDoTheSame) {
    using Kind = Command::Kind;
    struct Row {
        const char *scenario;
        const char *before; // keys pressed first
        Command command;
        const char *keys; // what the command must amount to
    };
    const Row rows[] = {
        {"countdown from the stopped countdown",
         "",
         {Kind::Countdown, {5, 0}},
         "CLR 0 5 0 0 START"},
        {"countdown over a keyed time", "1 2", {Kind::Countdown, {99, 59}}, "CLR 9 9 5 9 START"},
        {"countdown over a running one", "3 START", {Kind::Countdown, {0, 3}}, "CLR 0 0 0 3 START"},
        {"countdown from the clock",
         "MOD",
         {Kind::Countdown, {1, 30}},
         "MOD MOD CLR 0 1 3 0 START"},
        {"countdown from a running stopwatch",
         "MOD MOD START",
         {Kind::Countdown, {0, 7}},
         "MOD CLR 0 0 0 7 START"},
        {"again in the countdown", "1 2", {Kind::Again, {}}, "CLR 0 0 1 2 START"},
        {"again over the running countdown", "9 0 START", {Kind::Again, {}}, "CLR 0 0 9 0 START"},
        {"again from the clock", "4 5 MOD", {Kind::Again, {}}, "MOD MOD CLR 0 0 4 5 START"},
        {"again after CLR", "1 2 3 CLR", {Kind::Again, {}}, "CLR 0 1 2 3 START"},
        {"clock from the countdown", "1", {Kind::Clock, {}}, "MOD"},
        {"clock from the stopwatch", "MOD MOD", {Kind::Clock, {}}, "MOD MOD"},
        {"clock in the clock: nothing", "MOD START", {Kind::Clock, {}}, ""},
        {"stopwatch from the countdown", "5 START", {Kind::Stopwatch, {}}, "MOD MOD"},
        {"stopwatch from the clock", "MOD", {Kind::Stopwatch, {}}, "MOD"},
        {"stopwatch in a running stopwatch", "MOD MOD START", {Kind::Stopwatch, {}}, "CLR"},
        {"stopwatch in the stopped stopwatch", "MOD MOD", {Kind::Stopwatch, {}}, "CLR"},
        {"start in the countdown", "4 2", {Kind::Start, {}}, "START"},
        {"start in the clock", "MOD", {Kind::Start, {}}, "START"},
        {"clear", "4 2 START", {Kind::Clear, {}}, "CLR"},
        {"quit", "MOD", {Kind::Quit, {}}, "OFF"},
        {"status presses nothing", "4 2 START", {Kind::Status, {}}, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        Pressed commanded(row.before);
        commanded.gadget.carryOut(row.command);
        Pressed pressed(row.before);
        pressed.press(row.keys);
        EXPECT_EQ(Snapshot(commanded), Snapshot(pressed));
    }
}

TEST(Command, ARelaunchBringsTheWindowForwardTheKeysAndQueriesDoNot) {
    using Kind = Command::Kind;
    const std::pair<std::optional<Command>, bool> rows[] = {
        {std::nullopt, true},
        {Command{Kind::Countdown, {3, 0}}, true},
        {Command{Kind::Clock, {}}, true},
        {Command{Kind::Stopwatch, {}}, true},
        {Command{Kind::Start, {}}, false},
        {Command{Kind::Clear, {}}, false},
        {Command{Kind::Quit, {}}, false},
        {Command{Kind::Status, {}}, false},
    };
    for (const auto &[command, forward] : rows) {
        SCOPED_TRACE(command ? std::string(EntryOf(command->kind).method) : "plain start");
        EXPECT_EQ(BringsForward(command), forward);
    }
}

TEST(Command, AgainWithNothingKeyedInIsRefusedAndChangesNothing) {
    for (const char *before : {"", "0 0", "MOD MOD START"}) {
        SCOPED_TRACE(before);
        Pressed refused(before);
        const std::string snapshot = Snapshot(refused);
        const int countWrites = refused.effects.countWrites;
        EXPECT_FALSE(refused.gadget.carryOut({Command::Kind::Again, {}}));
        EXPECT_EQ(Snapshot(refused), snapshot);
        EXPECT_EQ(refused.effects.countWrites, countWrites);
    }
}

TEST(Command, TheNoticesAgainIsTheAgainCommand) {
    Pressed notice("2 5 START");
    notice.seconds(30);
    notice.gadget.again();
    Pressed commanded("2 5 START");
    commanded.seconds(30);
    commanded.gadget.carryOut({Command::Kind::Again, {}});
    EXPECT_EQ(Snapshot(notice), Snapshot(commanded));
    EXPECT_EQ(notice.digits(), "0025");
    EXPECT_EQ(notice.state.RunFlag, Running);
}

TEST(Command, ACountdownRunsFromTheGivenTimeAndRings) {
    Pressed gadget("MOD 1 2");
    gadget.gadget.carryOut({Command::Kind::Countdown, {1, 5}});
    EXPECT_EQ(gadget.state.OpMode, CountdownMode);
    EXPECT_EQ(gadget.state.RunFlag, Running);
    EXPECT_EQ(gadget.digits(), "0105");
    EXPECT_EQ(gadget.effects.settingsWrites, 1);
    gadget.seconds(1);
    EXPECT_EQ(gadget.digits(), "0104");
    gadget.seconds(64);
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_EQ(gadget.effects.soundsPlayed.size(), 1U);
}

} // namespace
} // namespace pomelo
