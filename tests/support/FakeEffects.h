#pragma once

#include "state/Effects.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pomelo::test {

// Stands in for the window and the platform: records what the handlers ask
// for and plays a clock the test steps by hand. The wall clock and the
// elapsed-time clock move together unless a test sets the wall clock.
class FakeEffects : public Effects {
public:
    // --- what the handlers did ---
    float top = 0;
    float left = 0;
    std::vector<std::pair<float, float>> moves; // (top, left) after every move
    bool onTop = false;
    std::vector<int> topmostCalls; // 1 or 0 per stacking change asked for
    std::vector<std::string> soundsPlayed;
    int soundStops = 0;
    std::vector<std::string> notices; // "post <text>" or "withdraw", in order
    bool shaped = false;
    int dragsBegun = 0;
    bool ended = false;
    std::optional<std::string> settingsFile = std::string(); // nullopt: unreadable
    int settingsWrites = 0;
    std::optional<std::string> countFile; // nullopt: none
    int countWrites = 0;
    std::vector<std::string> notes;

    // --- the world the handlers see ---
    std::int64_t wallMs = 0;    // milliseconds since local midnight
    std::int64_t elapsedMs = 0; // elapsed-time clock
    // The same wall clock in UTC, the fake's local time zone.
    std::int64_t utcMs = UtcDayStartMs;
    std::string boot = "first boot";
    std::deque<double> randoms; // next random numbers; 0.5 when empty
    bool onScreen = true;
    bool placeKnown = true;       // false: the platform places the window and tells nothing
    bool refusesStacking = false; // the window stays in its layer whatever is asked
    std::pair<float, float> primaryScreenTopLeft{0, 0};
    std::string folder = "/opt/pomelo";
    std::map<std::string, std::string> translations; // text -> its translation
    // (counting text, number) -> its form for that number
    std::map<std::pair<std::string, int>, std::string> countedTranslations;
    bool twelveHourClock = false;
    std::string afternoon = "PM"; // as the twelve-hour clock marks it

    void setWallClock(int hour, int minute, int second, int millisecond = 0);
    void setWallClock(const LocalTime &time) {
        setWallClock(time.hour, time.minute, time.second, time.millisecond);
    }
    // Moves both clocks on without any tick, as a suspend or a stall does.
    void advance(std::int64_t ms);

    bool isWindowPlaceKnown() const override { return placeKnown; }
    float windowTop() const override { return top; }
    float windowLeft() const override { return left; }
    void setWindowTop(float twips) override;
    void setWindowLeft(float twips) override;
    bool isWindowOnAnyScreen() const override { return onScreen; }
    void moveWindowToPrimaryScreen() override;
    void applyWindowShape() override { shaped = true; }
    void beginWindowDrag() override { ++dragsBegun; }
    int setWindowStaysOnTop(bool isOnTop) override;
    void endProgram() override { ended = true; }
    LocalTime localTime() const override;
    std::int64_t elapsedMilliseconds() const override { return elapsedMs; }
    std::int64_t utcMilliseconds() const override { return utcMs; }
    LocalTime localTimeAt(std::int64_t utc) const override;
    std::string bootId() const override { return boot; }
    double random() override;
    std::string programFolder() const override { return folder; }
    void playSound(const std::string &path) override { soundsPlayed.push_back(path); }
    void stopSound() override { ++soundStops; }
    // The texts as they are made, in English, but for those given a
    // translation here, a counting text in the form for its number where it
    // has one; the time of day as 21:07, or 9:07 PM on a 12-hour clock; the
    // date as 2025-12-09.
    std::string translate(const char *context, const char *text) const override;
    std::string translate(const char *context, const char *text, int n) const override;
    ShownTime timeOfDay(const LocalTime &time) const override;
    std::string shortDate(const LocalTime &time) const override;
    void postAlarmNotice(const std::string &text) override { notices.push_back("post " + text); }
    void withdrawAlarmNotice() override { notices.emplace_back("withdraw"); }
    std::optional<std::string> readSettingsFile() const override;
    bool writeSettingsFile(std::string_view contents) override;
    std::optional<std::string> readCountFile() const override { return countFile; }
    void writeCountFile(std::string_view contents) override;
    void note(std::string_view line) override { notes.emplace_back(line); }

    // Midnight UTC of the day the fake clock starts on.
    static constexpr std::int64_t UtcDayStartMs = 1'765'238'400'000;
};

} // namespace pomelo::test
