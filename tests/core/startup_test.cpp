#include "TestGadget.h"
#include "state/Topmost.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::TestGadget;

TEST(FormLoad, StacksEveryDigitPictureOnItsCellAndHidesAllFifty) {
    TestGadget gadget;
    // A picture of every array shown before, so that hiding them shows.
    gadget.effects.setWallClock(21, 7, 0);
    gadget.press("MOD");
    ASSERT_EQ(gadget.digits(), "2107");
    ASSERT_EQ(gadget.indicators(), "colon");
    gadget.gadget.load();

    const int cellLeft[4] = {345, 705, 1365, 1725};
    for (int array = 1; array <= 5; ++array) {
        for (int index = 0; index < 10; ++index) {
            SCOPED_TRACE("Picture" + std::to_string(array) + "(" + std::to_string(index) + ")");
            const Picture &picture = gadget.gadget.lcd()[static_cast<PictureArray>(array)][index];
            if (array <= 4) {
                EXPECT_EQ(picture.Left, cellLeft[array - 1]);
                EXPECT_EQ(picture.Top, 285);
            }
            EXPECT_FALSE(picture.Visible);
        }
    }
    EXPECT_TRUE(gadget.effects.shaped);
    EXPECT_EQ(gadget.state.IniSection, "FORM1");
}

TEST(FormLoad, RestoresTheStoredModeHourFormatAndPlace) {
    TestGadget gadget;
    gadget.effects.settingsFile =
        "[FORM1]\nMODE= 2\nSTRATF= 1\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= 1\n";
    gadget.gadget.load();
    EXPECT_EQ(gadget.state.OpMode, StopwatchMode);
    EXPECT_EQ(gadget.state.RunFlag, Stopped)
        << "the run flag is read from a key the program never writes";
    EXPECT_EQ(gadget.state.Hour12Flag, 1);
    EXPECT_EQ(gadget.effects.top, 1500);
    EXPECT_EQ(gadget.effects.left, 3000);
    // The top edge is set first, then the left edge.
    ASSERT_EQ(gadget.effects.moves.size(), 2U);
    EXPECT_EQ(gadget.effects.moves[0], std::make_pair(1500.0F, 0.0F));
    EXPECT_EQ(gadget.state.PosX, 1500);
    EXPECT_EQ(gadget.state.PosY, 3000);
}

TEST(FormLoad, FirstStartWithoutSettingsOpensAtTheScreenOrigin) {
    TestGadget gadget;
    gadget.gadget.load();
    EXPECT_EQ(gadget.state.OpMode, CountdownMode);
    EXPECT_EQ(gadget.state.Hour12Flag, 0);
    EXPECT_EQ(gadget.effects.top, 0);
    EXPECT_EQ(gadget.effects.left, 0);
    EXPECT_EQ(gadget.effects.settingsWrites, 0);
}

TEST(FormLoad, APlaceOffEveryScreenOpensOnThePrimaryScreenAndBecomesHome) {
    TestGadget gadget;
    gadget.effects.settingsFile = "[FORM1]\nPOJIX=-90000\nPOJIY= 400000\n";
    gadget.effects.onScreen = false;
    gadget.effects.primaryScreenTopLeft = {450, 0};
    gadget.gadget.load();
    EXPECT_EQ(gadget.effects.top, 450);
    EXPECT_EQ(gadget.effects.left, 0);
    EXPECT_EQ(gadget.state.PosX, 450) << "the shake must come home on screen";
    EXPECT_EQ(gadget.state.PosY, 0);
}

TEST(WindowPlace, WhereThePlatformCannotTellItTheLoadedHomeIsKept) {
    const std::string stored = "[FORM1]\nMODE= 0\nSTRATF= 0\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= 0\n";
    TestGadget gadget;
    gadget.effects.placeKnown = false;
    gadget.effects.onScreen = false; // the place reads as nothing on any screen
    gadget.effects.setWallClock(10, 0, 5);
    gadget.effects.settingsFile = stored;
    gadget.gadget.load();
    EXPECT_TRUE(gadget.effects.moves.empty()) << "the platform places the window";
    EXPECT_EQ(gadget.state.PosX, 1500);
    EXPECT_EQ(gadget.state.PosY, 3000);

    // START saves, the alarm takes the home, OFF saves: all keep the place loaded.
    gadget.press("1 START");
    EXPECT_EQ(gadget.effects.settingsWrites, 1);
    EXPECT_EQ(gadget.effects.settingsFile, stored);
    gadget.seconds(2);
    ASSERT_EQ(gadget.effects.soundsPlayed.size(), 1U);
    EXPECT_EQ(gadget.state.PosX, 1500);
    EXPECT_EQ(gadget.state.PosY, 3000);
    gadget.press("OFF");
    EXPECT_EQ(gadget.effects.settingsWrites, 2);
    EXPECT_EQ(gadget.effects.settingsFile, stored);
    EXPECT_TRUE(gadget.effects.ended);
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
        TestGadget gadget;
        gadget.gadget.mouseDown(row.button);
        EXPECT_EQ(gadget.effects.dragsBegun, row.drags);
    }
}

TEST(SetTopmost, PassesOnWhetherTheWindowIsNowInTheLayerAskedFor) {
    struct Row {
        const char *scenario;
        bool refuses;
        bool onTopBefore;
        int flag;
        int result;
        bool onTopAfter;
        std::vector<int> calls;
    };
    const Row rows[] = {
        {"put on top", false, false, 1, 1, true, {1}},
        {"put on top again", false, true, 1, 1, true, {1}},
        {"taken off the top", false, true, 0, 1, false, {0}},
        {"refused the top", true, false, 1, 0, false, {1}},
        {"refused leaving the top", true, true, 0, 0, true, {0}},
        {"refused but already on top", true, true, 1, 1, true, {1}},
        {"flag 2 does nothing", false, true, 2, 0, true, {}},
        {"flag -1 does nothing", false, false, -1, 0, false, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        FakeEffects effects;
        effects.refusesStacking = row.refuses;
        effects.onTop = row.onTopBefore;
        EXPECT_EQ(SetTopmost(effects, row.flag), row.result);
        EXPECT_EQ(effects.onTop, row.onTopAfter);
        EXPECT_EQ(effects.topmostCalls, row.calls);
    }
}

} // namespace
} // namespace pomelo
