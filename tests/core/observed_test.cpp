#include "TestGadget.h"

#include <gtest/gtest.h>

namespace pomelo {
namespace {

using test::TestGadget;

// What the watcher was told in one event: each changed value, by name.
std::string Told(const Observed &now, Properties changed) {
    const std::pair<Property, std::string> values[] = {
        {Property::Mode, "Mode=" + now.mode},
        {Property::Running, "Running=" + std::to_string(now.running)},
        {Property::Display, "Display=" + now.display},
        {Property::Remaining, "Remaining=" + std::to_string(now.remaining)},
        {Property::Keyed, "Keyed=" + now.keyed},
        {Property::Ringing, "Ringing=" + std::to_string(now.ringing)},
    };
    std::string told;
    for (const auto &[property, value] : values) {
        if (changed[static_cast<std::size_t>(property)])
            told += (told.empty() ? "" : " ") + value;
    }
    return told;
}

TEST(Watcher, IsToldWhatEachEventChangedAndNothingElse) {
    struct Row {
        const char *scenario;
        const char *keys;   // pressed first, at 21:07:01
        int seconds;        // and then ticked
        const char *action; // keys, then seconds ticked, while the watcher listens
        int actionSeconds;
        const char *told; // each event's changes, " | " between events
    };
    const Row rows[] = {
        {"a digit", "", 0, "5", 0, "Display=00 05 Remaining=5 Keyed=00:05"},
        {"START", "5", 0, "START", 0, "Running=1"},
        {"a tick of the countdown", "5 START", 1, "", 1, "Display=00 03 Remaining=3"},
        {"the end of the countdown, and the second after it", "2 START", 1, "", 2,
         "Running=0 Display=00 00 Remaining=0 Ringing=1"},
        {"the shake steps and ticks after the alarm", "1 START", 2, "", 3, ""},
        {"a key that answers the ring", "1 START", 2, "CLR", 0, "Ringing=0"},
        {"CLR over a keyed time", "1 2", 0, "CLR", 0, "Display=00 00 Remaining=0"},
        {"MOD into the clock", "", 0, "MOD", 0, "Mode=clock Display=21:07 Remaining=-1"},
        {"the clock's blinking colon", "MOD", 0, "", 3, ""},
        {"the clock's next minute", "MOD", 0, "", 60, "Display=21:08"},
        {"START in the clock", "MOD", 0, "START", 0, "Display=9:07 PM"},
        {"MOD into the stopwatch", "MOD", 0, "MOD", 0, "Mode=stopwatch Display=00 00"},
        {"the stopwatch counting", "MOD MOD", 0, "START", 1, "Running=1 | Display=00 01"},
        {"the stopped countdown's ticks", "4 2", 0, "", 3, ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.scenario);
        TestGadget gadget(CountdownMode, {21, 7, 0});
        gadget.press(row.keys);
        gadget.seconds(row.seconds);
        std::string told;
        gadget.gadget.setWatcher([&told](const Observed &now, Properties changed) {
            told += (told.empty() ? "" : " | ") + Told(now, changed);
        });
        gadget.press(row.action);
        gadget.seconds(row.actionSeconds);
        EXPECT_EQ(told, row.told);
    }
}

} // namespace
} // namespace pomelo
