#include "settings/Settings.h"

#include "FakeEffects.h"

#include <exception>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>

namespace pomelo {
namespace {

using test::FakeEffects;

TimerState StateFor(int opMode, int runFlag, float posX, float posY, int hour12) {
    TimerState state;
    state.IniSection = "FORM1";
    state.OpMode = opMode;
    state.RunFlag = runFlag;
    state.PosX = posX;
    state.PosY = posY;
    state.Hour12Flag = hour12;
    return state;
}

// A settings file whose reading fails with `error`.
struct FailingEffects : FakeEffects {
    std::exception_ptr error;
    std::optional<std::string> readSettingsFile() const override { std::rethrow_exception(error); }
};

TimerState Loaded(const FakeEffects &effects) {
    TimerState state;
    state.IniSection = "FORM1";
    LoadSettings(state, effects);
    return state;
}

TEST(SaveSettings, WritesTheFiveKeysInWritingOrderAndKeepsTheRest) {
    const struct {
        const char *scenario;
        std::optional<std::string> before; // the file as it was; nullopt: unreadable
        TimerState state;
        const char *section;
        std::optional<std::string> after;
    } rows[] = {
        {"a new file", std::string(), StateFor(0, 0, 1500, 3000, 0), "FORM1",
         "[FORM1]\nMODE= 0\nSTRATF= 0\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= 0\n"},
        {"negative and fractional places keep sign and fraction", std::string(),
         StateFor(2, 1, -150, 1500.5f, 1), "FORM1",
         "[FORM1]\nMODE= 2\nSTRATF= 1\nPOJIX=-150\nPOJIY= 1500.5\nMEMORI= 1\n"},
        {"a second save rewrites the same lines",
         "[FORM1]\nMODE= 2\nSTRATF= 1\nPOJIX= 15\nPOJIY= 30\nMEMORI= 1\n",
         StateFor(1, 0, -45, 3000, 0), "FORM1",
         "[FORM1]\nMODE= 1\nSTRATF= 0\nPOJIX=-45\nPOJIY= 3000\nMEMORI= 0\n"},
        {"the section the caller set", "[FORM1]\nMODE= 1\n", StateFor(2, 0, 0, 0, 0), "FORM2",
         "[FORM1]\nMODE= 1\n[FORM2]\nMODE= 2\nSTRATF= 0\nPOJIX= 0\nPOJIY= 0\nMEMORI= 0\n"},
        {"comments, other sections, unknown keys and CRLF are kept",
         "; pomelo\r\n[OTHER]\r\nMODE=9\r\n\r\n[form1]\r\nmode=1\r\nSTARTF=1\r\nCOLOR=red\r\n"
         "pojix = 10\r\n; end of the window settings\r\n\r\n[LAST]\r\nX=1",
         StateFor(2, 1, 1500, -30, 1), "FORM1",
         "; pomelo\r\n[OTHER]\r\nMODE=9\r\n\r\n[form1]\r\nmode= 2\r\nSTARTF=1\r\nCOLOR=red\r\n"
         "pojix= 1500\r\nSTRATF= 1\r\nPOJIY=-30\r\nMEMORI= 1\r\n"
         "; end of the window settings\r\n\r\n[LAST]\r\nX=1"},
        {"an unreadable file is not written", std::nullopt, StateFor(2, 1, 1500, 3000, 1), "FORM1",
         std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.scenario);
        FakeEffects effects;
        effects.settingsFile = row.before;
        TimerState state = row.state;
        state.IniSection = row.section;
        SaveSettings(state, effects);
        EXPECT_EQ(effects.settingsWrites, row.after ? 1 : 0);
        EXPECT_EQ(effects.settingsFile, row.after);
    }
}

TEST(SettingsRoundTrip, RestoresEverythingButTheRunFlag) {
    const TimerState saved[] = {
        StateFor(0, 1, 1500, 3000, 0),   // countdown running
        StateFor(1, 0, 0, 0, 1),         // clock, 12-hour display
        StateFor(2, 1, -600, -15, 1),    // stopwatch running, window off the top left
        StateFor(2, 0, 123456, 7890, 0), // far right on a wide desktop
    };
    for (TimerState state : saved) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << state.OpMode << " at " << state.PosX << ", " << state.PosY);
        FakeEffects effects;
        SaveSettings(state, effects);
        const TimerState loaded = Loaded(effects);
        EXPECT_EQ(loaded.OpMode, state.OpMode);
        EXPECT_EQ(loaded.PosX, state.PosX);
        EXPECT_EQ(loaded.PosY, state.PosY);
        EXPECT_EQ(loaded.Hour12Flag, state.Hour12Flag);
        // Written as STRATF, read from STARTF.
        EXPECT_EQ(loaded.RunFlag, 0);
        EXPECT_NE(effects.settingsFile->find("STRATF= " + std::to_string(state.RunFlag) + "\n"),
                  std::string::npos);
        EXPECT_EQ(effects.settingsFile->find("STARTF"), std::string::npos);
    }
}

TEST(LoadSettings, ReadsEachKeyAndZeroWhereTheFileHasNone) {
    const struct {
        const char *scenario;
        std::optional<std::string> file;
        int mode, runFlag, top, left, hour12;
    } rows[] = {
        {"every key", "[FORM1]\r\nMODE= 2\r\nSTARTF=1\r\nPOJIX=-45\r\nPOJIY= 3000\r\nMEMORI= 1\r\n",
         2, 1, -45, 3000, 1},
        {"the run flag (not STRATF) and hour format as they stand",
         "[FORM1]\nSTARTF=3\nSTRATF=1\nMEMORI=5\n", 0, 3, 0, 0, 5},
        {"no file yet", std::string{}, 0, 0, 0, 0, 0},
        {"unreadable file", std::nullopt, 0, 0, 0, 0, 0},
        {"other section only", "[OTHER]\nMODE= 2\nPOJIX= 15\nMEMORI= 1\n", 0, 0, 0, 0, 0},
        {"binary junk", std::string("\0\xff[\x01]=\n\x80", 8), 0, 0, 0, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.scenario);
        FakeEffects effects;
        effects.settingsFile = row.file;
        TimerState state = StateFor(2, 1, 15, 30, 1);
        state.Minutes = 12;
        LoadSettings(state, effects);
        EXPECT_EQ(state.OpMode, row.mode);
        EXPECT_EQ(state.RunFlag, row.runFlag);
        EXPECT_EQ(state.PosX, row.top);
        EXPECT_EQ(state.PosY, row.left);
        EXPECT_EQ(state.Hour12Flag, row.hour12);
        EXPECT_EQ(state.Minutes, 12); // not a setting
        EXPECT_EQ(effects.settingsWrites, 0);
    }
}

TEST(LoadSettings, ModeOutsideTheThreeBecomesTheCountdown) {
    const struct {
        const char *text;
        int mode;
    } rows[] = {
        {"0", 0}, {"1", 1}, {"2", 2}, {"3", 0}, {"7", 0}, {"-1", 0}, {"2147483647", 0}, {"x", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        FakeEffects effects;
        effects.settingsFile = std::string("[FORM1]\nMODE=") + row.text + "\nPOJIX= 15\n";
        const TimerState loaded = Loaded(effects);
        EXPECT_EQ(loaded.OpMode, row.mode);
        EXPECT_EQ(loaded.PosX, 15);
    }
}

TEST(Settings, OutOfMemoryLoadsZerosAndSavesNothing) {
    FailingEffects effects;
    effects.error = std::make_exception_ptr(std::bad_alloc());
    TimerState state = StateFor(2, 1, 15, 30, 1);
    LoadSettings(state, effects);
    // Every stored setting back at 0, as with no settings file at all.
    EXPECT_EQ(std::tie(state.OpMode, state.RunFlag, state.PosX, state.PosY, state.Hour12Flag),
              std::make_tuple(0, 0, 0.0F, 0.0F, 0));

    state = StateFor(2, 1, 15, 30, 1);
    SaveSettings(state, effects);
    EXPECT_EQ(effects.settingsWrites, 0);
}

TEST(Settings, OtherFailuresAreNotSwallowed) {
    FailingEffects effects;
    effects.error = std::make_exception_ptr(std::logic_error("a fault of the program"));
    TimerState state = StateFor(2, 1, 15, 30, 1);
    EXPECT_THROW(LoadSettings(state, effects), std::logic_error);
    EXPECT_THROW(SaveSettings(state, effects), std::logic_error);
    EXPECT_EQ(effects.settingsWrites, 0);
}

} // namespace
} // namespace pomelo
