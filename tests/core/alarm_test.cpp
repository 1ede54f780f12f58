#include "TestGadget.h"

#include <functional>
#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::TestGadget;

TEST(Alarm, TheEndOfACountdownRaisesPlaysAndShakesHome) {
    TestGadget gadget({10, 0, 5});
    gadget.effects.top = 1500;
    gadget.effects.left = 3000;
    gadget.press("2 START");
    gadget.effects.moves.clear();
    gadget.effects.randoms = {0.0, 0.999, 0.5, 0.25, 0.1, 0.2, 0.75, 0.5};

    // Up to the tick that reaches 00 00: nothing moves.
    gadget.effects.advance(1000);
    gadget.gadget.tick();
    EXPECT_EQ(gadget.digits(), "0001");
    gadget.effects.advance(1000);
    gadget.gadget.tick();
    EXPECT_EQ(gadget.digits(), "0000");
    EXPECT_EQ(gadget.state.RunFlag, Stopped);
    EXPECT_EQ(gadget.state.ShakeCount, 4);
    EXPECT_TRUE(gadget.effects.onTop);
    EXPECT_EQ(gadget.effects.soundsPlayed, std::vector<std::string>{"/opt/pomelo/BEEP"});
    EXPECT_TRUE(gadget.effects.moves.empty());

    // Four Timer2 steps: three random spots right of and below home, then home.
    for (int step = 0; step < 4; ++step)
        gadget.gadget.shakeTick();
    const std::vector<std::pair<float, float>> expected{
        {1500, 3000}, {1500, 3999},  // step 1: top + 0, then left + 999
        {2000, 3999}, {2000, 3250},  // step 2
        {1600, 3250}, {1600, 3200},  // step 3
        {2250, 3200}, {2250, 3500},  // step 4 moves once more...
        {1500, 3500}, {1500, 3000}}; // ... and comes home
    EXPECT_EQ(gadget.effects.moves, expected);
    EXPECT_EQ(gadget.state.ShakeCount, 0);

    // Later Timer2 ticks and ticks change nothing.
    gadget.gadget.shakeTick();
    gadget.seconds(3);
    EXPECT_EQ(gadget.effects.moves.size(), expected.size());
    EXPECT_EQ(gadget.effects.soundsPlayed.size(), 1U);
    EXPECT_TRUE(gadget.effects.onTop) << "the window stays on top until a key is pressed";
    gadget.press("5");
    EXPECT_FALSE(gadget.effects.onTop);
}

TEST(Alarm, TheShakeComesHomeToWhereTheWindowWasDraggedWhileCounting) {
    TestGadget gadget({10, 0, 5});
    gadget.effects.top = 150;
    gadget.effects.left = 300;
    gadget.press("1 START");
    gadget.effects.top = 4500; // dragged away while counting
    gadget.effects.left = 6000;
    gadget.seconds(2);
    EXPECT_EQ(gadget.state.PosX, 4500);
    EXPECT_EQ(gadget.state.PosY, 6000);
    EXPECT_EQ(gadget.effects.top, 4500);
    EXPECT_EQ(gadget.effects.left, 6000);
}

TEST(Alarm, KeysPressedWhileItShakesLeaveItsHomeAsItWas) {
    TestGadget gadget({10, 0, 5});
    gadget.effects.top = 1500;
    gadget.effects.left = 3000;
    gadget.press("1 START");
    gadget.effects.advance(1000);
    gadget.gadget.tick();
    ASSERT_EQ(gadget.state.ShakeCount, 4);
    gadget.gadget.shakeTick();
    ASSERT_NE(gadget.effects.top, 1500);
    // START saves the place: it finds the home the shake comes back to.
    gadget.press("START");
    EXPECT_EQ(gadget.state.PosX, 1500);
    EXPECT_EQ(gadget.state.PosY, 3000);
    for (int step = 0; step < 3; ++step)
        gadget.gadget.shakeTick();
    EXPECT_EQ(gadget.state.ShakeCount, 0);
    EXPECT_EQ(gadget.effects.top, 1500);
    EXPECT_EQ(gadget.effects.left, 3000);
}

TEST(AlarmNotice, IsPostedAtTheAlarmWithTheKeyedLengthAndTheTime) {
    TestGadget gadget({9, 59, 50});
    gadget.seconds(1);
    // Paused and resumed, the countdown still is one of the length keyed in.
    gadget.press("1 2 START");
    gadget.seconds(3);
    gadget.press("START START");
    gadget.seconds(8);
    EXPECT_TRUE(gadget.effects.notices.empty());
    gadget.seconds(1);
    EXPECT_EQ(gadget.effects.notices,
              std::vector<std::string>{"post The countdown of 00:12 ended at 10:00."});
    // Ticks and the shake leave it up.
    gadget.seconds(5);
    EXPECT_EQ(gadget.effects.notices.size(), 1U);
}

TEST(AlarmNotice, IsInTheUsersLanguageWhichMayNameTheTimeFirst) {
    TestGadget gadget;
    gadget.effects.translations["The countdown of %1 ended at %2."] = "%2: %1 zu Ende.";
    gadget.effects.setWallClock(21, 7, 0);
    gadget.press("1 0 START");
    gadget.seconds(10);
    EXPECT_EQ(gadget.effects.notices, std::vector<std::string>{"post 21:07: 00:10 zu Ende."});
}

TEST(AlarmNotice, TakesTheFormOfItsLanguageForTheHourTheTimeShows) {
    // Spanish says "a la 1:07" and "a las 13:07"; a time that ends in an
    // abbreviation's stop ends the sentence too.
    const struct {
        bool twelveHourClock;
        const char *afternoon;
        int hour;
        const char *posted;
    } rows[] = {
        {false, "PM", 1, "post 00:10 a la 01:07."},
        {false, "PM", 13, "post 00:10 a las 13:07."},
        {true, "PM", 13, "post 00:10 a la 1:07 PM."},
        {true, "p. m.", 13, "post 00:10 a la 1:07 p. m."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.posted);
        TestGadget gadget;
        gadget.effects.translations["The countdown of %1 ended at %2."] = "%1 a las %2.";
        gadget.effects.countedTranslations[{"The countdown of %1 ended at %2.", 1}] = "%1 a la %2.";
        gadget.effects.twelveHourClock = row.twelveHourClock;
        gadget.effects.afternoon = row.afternoon;
        gadget.effects.setWallClock(row.hour, 7, 0);
        gadget.press("1 0 START");
        gadget.seconds(10);
        EXPECT_EQ(gadget.effects.notices, std::vector<std::string>{row.posted});
    }
}

TEST(AlarmNotice, SaysOnASecondLineWhyNoSoundRingsOnceTheSoundSystemTells) {
    const struct {
        SoundOutcome sound;
        const char *line;
        int stops; // only a sound that plays, or may yet start, is stopped
    } rows[] = {
        {SoundOutcome::Playing, "", 1},
        {SoundOutcome::NoAnswer, "\nNo sound: the sound server does not answer.", 1},
        {SoundOutcome::NoServer, "\nNo sound: no sound server.", 0},
        {SoundOutcome::NoFile, "\nNo sound: the sound file is missing.", 0},
        {SoundOutcome::NotAFile, "\nNo sound: the sound file is not a regular file.", 0},
        {SoundOutcome::UnreadableFile, "\nNo sound: the sound file cannot be read.", 0},
        {SoundOutcome::TooLargeFile, "\nNo sound: the sound file is too large.", 0},
        {SoundOutcome::BrokenFile, "\nNo sound: the sound file is broken.", 0},
        {SoundOutcome::UnsupportedFormat, "\nNo sound: the sound file's format is not supported.",
         0},
        {SoundOutcome::Failed, "\nNo sound: the sound system failed.", 0},
    };
    const std::string posted = "post The countdown of 00:02 ended at 10:00.";
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        TestGadget gadget({10, 0, 0});
        gadget.press("2 START");
        gadget.seconds(3);
        // The notice goes up at once; the sound's outcome comes later.
        EXPECT_EQ(gadget.effects.notices, std::vector<std::string>{posted});
        gadget.gadget.soundOutcome(row.sound);
        std::vector<std::string> notices{posted};
        if (*row.line)
            notices.push_back(posted + row.line);
        EXPECT_EQ(gadget.effects.notices, notices);
        gadget.press("CLR");
        EXPECT_EQ(gadget.effects.soundStops, row.stops);
        notices.emplace_back("withdraw");
        // A ring that starts late changes no notice.
        gadget.gadget.soundOutcome(SoundOutcome::Playing);
        EXPECT_EQ(gadget.effects.notices, notices);
    }
}

// What answers an alarm: each of the fourteen keys, each command that acts,
// and what the user does with the notice.
struct Answer {
    std::string name;
    std::function<void(Gadget &)> give;
    bool withdraws = true; // false: the notice is gone already
};

std::vector<Answer> Answers() {
    std::vector<Answer> answers;
    for (const KeyControl &key : Keys())
        answers.push_back(
            {std::string("key ") + key.label, [&key](Gadget &gadget) { gadget.press(key.key); }});
    for (const CommandEntry &entry : Commands()) {
        if (entry.pressKeys != nullptr)
            answers.push_back({"command " + std::string(entry.method), [&entry](Gadget &gadget) {
                                   EXPECT_TRUE(gadget.carryOut({entry.kind, {1, 0}}));
                               }});
    }
    answers.push_back({"the notice's Stop", [](Gadget &gadget) { gadget.answerAlarm(); }});
    answers.push_back({"the notice's Again", [](Gadget &gadget) { gadget.again(); }});
    answers.push_back(
        {"the notice dismissed", [](Gadget &gadget) { gadget.alarmNoticeDismissed(); }, false});
    return answers;
}

TEST(AlarmAnswer, TheFirstAnswerStopsTheRingAndWithdrawsTheNoticeOnce) {
    for (const Answer &answer : Answers()) {
        SCOPED_TRACE(answer.name);
        TestGadget gadget({21, 7, 0});
        gadget.press("1 0 3 0 START");
        gadget.seconds(630);
        ASSERT_EQ(gadget.effects.notices,
                  std::vector<std::string>{"post The countdown of 10:30 ended at 21:17."});
        EXPECT_EQ(gadget.effects.soundStops, 0);
        answer.give(gadget.gadget);
        EXPECT_EQ(gadget.effects.soundStops, 1);
        const std::size_t notices = answer.withdraws ? 2 : 1;
        EXPECT_EQ(gadget.effects.notices.size(), notices);
        EXPECT_EQ(gadget.effects.notices.back() == "withdraw", answer.withdraws);
        // Later answers find nothing left to do.
        answer.give(gadget.gadget);
        gadget.press("1 CLR");
        EXPECT_EQ(gadget.effects.soundStops, 1);
        EXPECT_EQ(gadget.effects.notices.size(), notices);
    }
}

TEST(AlarmAnswer, WithoutAnAnswerTheRingPlaysOn) {
    TestGadget gadget;
    gadget.press("2 START");
    gadget.seconds(3);
    ASSERT_EQ(gadget.effects.soundsPlayed.size(), 1U);
    // Ticks, the shake, a drag of the face and asking for the status are none.
    gadget.seconds(120);
    gadget.gadget.mouseDown(1);
    EXPECT_TRUE(gadget.gadget.carryOut({Command::Kind::Status, {}}));
    EXPECT_EQ(gadget.gadget.status(), "countdown stopped 00 00");
    EXPECT_EQ(gadget.effects.soundStops, 0);
    EXPECT_EQ(gadget.effects.notices.size(), 1U);
}

TEST(AlarmAnswer, TheNoticesStopAndDismissalHaveNoKeysEffect) {
    for (const bool dismissed : {false, true}) {
        SCOPED_TRACE(dismissed ? "dismissed" : "Stop");
        TestGadget gadget;
        gadget.press("3 START");
        gadget.seconds(4);
        const LcdPictures lcd = gadget.gadget.lcd();
        if (dismissed)
            gadget.gadget.alarmNoticeDismissed();
        else
            gadget.gadget.answerAlarm();
        EXPECT_EQ(gadget.gadget.lcd(), lcd);
        EXPECT_TRUE(gadget.effects.onTop) << "on top until a key is pressed";
        EXPECT_EQ(gadget.state.KeyedSeconds, 3);
    }
}

TEST(AlarmNotice, NoneForACountdownStoppedBeforeItsEnd) {
    for (const char *stop : {"MOD", "CLR", "START"}) {
        SCOPED_TRACE(stop);
        TestGadget gadget;
        gadget.press("3 START");
        gadget.seconds(1);
        gadget.press(stop);
        gadget.seconds(10);
        EXPECT_TRUE(gadget.effects.notices.empty());
    }
}

} // namespace
} // namespace pomelo
