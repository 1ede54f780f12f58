#include "FakeEffects.h"
#include "form/FormEvents.h"
#include "state/Topmost.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;

TEST(FormLoad, StacksEveryDigitPictureOnItsCellAndHidesAllFifty) {
    FakeEffects effects;
    for (auto &array : effects.visible)
        array.fill(true);
    TimerState state;
    Form_Load(state, effects);

    const int cellLeft[4] = {345, 705, 1365, 1725};
    for (int array = 0; array < 4; ++array) {
        for (int index = 0; index < 10; ++index) {
            SCOPED_TRACE("Picture" + std::to_string(array + 1) + "(" + std::to_string(index) + ")");
            EXPECT_EQ(effects.placed[array][index], std::make_pair(cellLeft[array], 285));
        }
    }
    for (const auto &array : effects.visible)
        for (const bool shown : array)
            EXPECT_FALSE(shown);
    EXPECT_TRUE(effects.shaped);
    EXPECT_EQ(state.IniSection, "FORM1");
}

TEST(FormLoad, RestoresTheStoredModeHourFormatAndPlace) {
    FakeEffects effects;
    effects.settingsFile = "[FORM1]\nMODE= 2\nSTRATF= 1\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= 1\n";
    TimerState state;
    Form_Load(state, effects);
    EXPECT_EQ(state.OpMode, 2);
    EXPECT_EQ(state.RunFlag, 0) << "the run flag is read from a key the program never writes";
    EXPECT_EQ(state.Hour12Flag, 1);
    EXPECT_EQ(effects.top, 1500);
    EXPECT_EQ(effects.left, 3000);
    // The top edge is set first, then the left edge.
    ASSERT_EQ(effects.moves.size(), 2U);
    EXPECT_EQ(effects.moves[0], std::make_pair(1500.0F, 0.0F));
    EXPECT_EQ(state.PosX, 1500);
    EXPECT_EQ(state.PosY, 3000);
}

TEST(FormLoad, FirstStartWithoutSettingsOpensAtTheScreenOrigin) {
    FakeEffects effects;
    TimerState state;
    Form_Load(state, effects);
    EXPECT_EQ(state.OpMode, 0);
    EXPECT_EQ(state.Hour12Flag, 0);
    EXPECT_EQ(effects.top, 0);
    EXPECT_EQ(effects.left, 0);
    EXPECT_EQ(effects.settingsWrites, 0);
}

TEST(FormLoad, APlaceOffEveryScreenOpensOnThePrimaryScreenAndBecomesHome) {
    FakeEffects effects;
    effects.settingsFile = "[FORM1]\nPOJIX=-90000\nPOJIY= 400000\n";
    effects.onScreen = false;
    effects.primaryScreenTopLeft = {450, 0};
    TimerState state;
    Form_Load(state, effects);
    EXPECT_EQ(effects.top, 450);
    EXPECT_EQ(effects.left, 0);
    EXPECT_EQ(state.PosX, 450) << "the shake must come home on screen";
    EXPECT_EQ(state.PosY, 0);
}

TEST(OffKey, StoresTheWindowsPlaceSavesAndEnds) {
    FakeEffects effects;
    TimerState state;
    Form_Load(state, effects);
    state.OpMode = 1;
    state.Hour12Flag = 1;
    effects.top = 1500; // dragged since start-up
    effects.left = -45;
    Image11_Click(state, effects);
    EXPECT_EQ(effects.settingsFile,
              "[FORM1]\nMODE= 1\nSTRATF= 0\nPOJIX= 1500\nPOJIY=-45\nMEMORI= 1\n");
    EXPECT_EQ(state.PosX, 1500);
    EXPECT_EQ(state.PosY, -45);
    EXPECT_TRUE(effects.ended);
}

TEST(FormMouseDown, OnlyTheLeftButtonDrags) {
    struct Row {
        const char *scenario;
        int button;
        int drags;
    };
    const Row rows[] = {{"left", 1, 1}, {"right", 2, 0}, {"middle", 4, 0}, {"none", 0, 0}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        FakeEffects effects;
        Form_MouseDown(effects, row.button);
        EXPECT_EQ(effects.dragsBegun, row.drags);
    }
}

TEST(SetTopmost, OneAndZeroChangeTheLayerAnyOtherFlagDoesNothing) {
    FakeEffects effects;
    EXPECT_NE(SetTopmost(effects, 1), 0);
    EXPECT_NE(SetTopmost(effects, 1), 0);
    EXPECT_TRUE(effects.onTop);
    EXPECT_EQ(SetTopmost(effects, 2), 0);
    EXPECT_EQ(SetTopmost(effects, -1), 0);
    EXPECT_TRUE(effects.onTop);
    EXPECT_NE(SetTopmost(effects, 0), 0);
    EXPECT_FALSE(effects.onTop);
    EXPECT_EQ(effects.topmostCalls, (std::vector<int>{1, 1, 0}));
}

TEST(SetTopmost, PassesOnWhetherTheWindowIsNowInTheLayerAskedFor) {
    struct Row {
        const char *scenario;
        bool refuses;
        bool onTopBefore;
        int flag;
        int result;
        bool onTopAfter;
    };
    const Row rows[] = {
        {"put on top", false, false, 1, 1, true},
        {"taken off the top", false, true, 0, 1, false},
        {"refused the top", true, false, 1, 0, false},
        {"refused leaving the top", true, true, 0, 0, true},
        {"refused but already on top", true, true, 1, 1, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        FakeEffects effects;
        effects.refusesStacking = row.refuses;
        effects.onTop = row.onTopBefore;
        EXPECT_EQ(SetTopmost(effects, row.flag), row.result);
        EXPECT_EQ(effects.onTop, row.onTopAfter);
        EXPECT_EQ(effects.topmostCalls, std::vector<int>{row.flag});
    }
}

} // namespace
} // namespace pomelo
