#include "PressKeys.h"
#include "TickDriver.h"
#include "keypad/DigitKeys.h"
#include "keypad/KeyLayout.h"
#include "keypad/StartKey.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
using test::PressKeys;
using test::TickDriver;

TEST(Alarm, TheEndOfACountdownRaisesPlaysAndShakesHome) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 5);
    effects.top = 1500;
    effects.left = 3000;
    TickDriver driver{state, effects};
    Image2_Click(state, effects);
    Image14_Click(state, effects);
    effects.moves.clear();
    effects.randoms = {0.0, 0.999, 0.5, 0.25, 0.1, 0.2, 0.75, 0.5};

    // Up to the tick that reaches 00 00: nothing moves.
    effects.advance(1000);
    Timer1_Timer(state, effects);
    EXPECT_EQ(effects.digits(), "0001");
    effects.advance(1000);
    Timer1_Timer(state, effects);
    EXPECT_EQ(effects.digits(), "0000");
    EXPECT_EQ(state.RunFlag, 0);
    EXPECT_EQ(state.ShakeCount, 4);
    EXPECT_TRUE(effects.onTop);
    EXPECT_EQ(effects.soundsPlayed, std::vector<std::string>{"/opt/pomelo/BEEP"});
    EXPECT_TRUE(effects.moves.empty());

    // Four Timer2 steps: three random spots right of and below home, then home.
    for (int step = 0; step < 4; ++step)
        Timer2_Timer(state, effects);
    const std::vector<std::pair<float, float>> expected{
        {1500, 3000}, {1500, 3999},  // step 1: top + 0, then left + 999
        {2000, 3999}, {2000, 3250},  // step 2
        {1600, 3250}, {1600, 3200},  // step 3
        {2250, 3200}, {2250, 3500},  // step 4 moves once more...
        {1500, 3500}, {1500, 3000}}; // ... and comes home
    EXPECT_EQ(effects.moves, expected);
    EXPECT_EQ(state.ShakeCount, 0);

    // Later Timer2 ticks and ticks change nothing.
    driver.seconds(3);
    EXPECT_EQ(effects.moves.size(), expected.size());
    EXPECT_EQ(effects.soundsPlayed.size(), 1U);
    EXPECT_TRUE(effects.onTop) << "the window stays on top until a key is pressed";
    Image5_Click(state, effects);
    EXPECT_FALSE(effects.onTop);
}

TEST(Alarm, TheShakeComesHomeToWhereTheWindowWasDraggedWhileCounting) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(10, 0, 5);
    effects.top = 150;
    effects.left = 300;
    Image1_Click(state, effects);
    Image14_Click(state, effects);
    effects.top = 4500; // dragged away while counting
    effects.left = 6000;
    TickDriver{state, effects}.seconds(2);
    EXPECT_EQ(state.PosX, 4500);
    EXPECT_EQ(state.PosY, 6000);
    EXPECT_EQ(effects.top, 4500);
    EXPECT_EQ(effects.left, 6000);
}

TEST(Alarm, Timer2IsIdleWithoutAPendingShake) {
    TimerState state;
    FakeEffects effects;
    for (int tick = 0; tick < 50; ++tick)
        Timer2_Timer(state, effects);
    EXPECT_TRUE(effects.moves.empty());
    EXPECT_EQ(state.ShakeCount, 0);
}

TEST(AlarmNotice, IsPostedAtTheAlarmWithTheKeyedLengthAndTheTime) {
    TimerState state;
    FakeEffects effects;
    effects.setWallClock(9, 59, 50);
    TickDriver driver{state, effects};
    driver.seconds(1);
    // Paused and resumed, the countdown still is one of the length keyed in.
    PressKeys(state, effects, "1 2 START");
    driver.seconds(3);
    PressKeys(state, effects, "START START");
    driver.seconds(8);
    EXPECT_TRUE(effects.notices.empty());
    driver.seconds(1);
    EXPECT_EQ(effects.notices,
              std::vector<std::string>{"post The countdown of 00:12 ended at 10:00."});
    // Ticks and the shake leave it up.
    driver.seconds(5);
    EXPECT_EQ(effects.notices.size(), 1U);
}

TEST(AlarmNotice, TheFirstKeyPressAfterTheAlarmWithdrawsIt) {
    for (const Key &key : Keys()) {
        SCOPED_TRACE(key.label);
        TimerState state;
        FakeEffects effects;
        effects.setWallClock(21, 7, 0);
        TickDriver driver{state, effects};
        PressKeys(state, effects, "1 0 3 0 START");
        driver.seconds(630);
        ASSERT_EQ(effects.notices.size(), 1U);
        EXPECT_EQ(effects.notices[0], "post The countdown of 10:30 ended at 21:17.");
        key.click(state, effects);
        PressKeys(state, effects, "1 CLR");
        EXPECT_EQ(effects.notices.back(), "withdraw");
        EXPECT_EQ(effects.notices.size(), 2U) << "withdrawn once";
    }
}

TEST(AlarmNotice, NoneForACountdownStoppedBeforeItsEnd) {
    for (const char *stop : {"MOD", "CLR", "START"}) {
        SCOPED_TRACE(stop);
        TimerState state;
        FakeEffects effects;
        TickDriver driver{state, effects};
        PressKeys(state, effects, "3 START");
        driver.seconds(1);
        PressKeys(state, effects, stop);
        driver.seconds(10);
        EXPECT_TRUE(effects.notices.empty());
    }
}

} // namespace
} // namespace pomelo
