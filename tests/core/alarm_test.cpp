#include "TickDriver.h"
#include "keypad/DigitKeys.h"
#include "keypad/StartKey.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::FakeEffects;
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

} // namespace
} // namespace pomelo
