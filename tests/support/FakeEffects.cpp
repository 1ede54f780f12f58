#include "FakeEffects.h"

#include <chrono>
#include <cstdio>

namespace pomelo::test {
namespace {

constexpr std::int64_t MsPerDay = 24LL * 60 * 60 * 1000;

} // namespace

void FakeEffects::setWallClock(int hour, int minute, int second, int millisecond) {
    wallMs = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    utcMs = UtcDayStartMs + wallMs;
}

void FakeEffects::advance(std::int64_t ms) {
    wallMs = (wallMs + ms) % MsPerDay;
    utcMs += ms;
    elapsedMs += ms;
}

std::string FakeEffects::translate(const char *, const char *text) const {
    const auto translation = translations.find(text);
    return translation != translations.end() ? translation->second : text;
}

std::string FakeEffects::translate(const char *context, const char *text, int n) const {
    const auto form = countedTranslations.find({text, n});
    return form != countedTranslations.end() ? form->second : translate(context, text);
}

ShownTime FakeEffects::timeOfDay(const LocalTime &time) const {
    char text[16];
    if (!twelveHourClock) {
        std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
        return {text, time.hour};
    }
    const int hour = (time.hour + 11) % 12 + 1;
    std::snprintf(text, sizeof text, "%d:%02d %s", hour, time.minute,
                  time.hour < 12 ? "AM" : afternoon.c_str());
    return {text, hour};
}

std::string FakeEffects::shortDate(const LocalTime &time) const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

void FakeEffects::setWindowTop(float twips) {
    top = twips;
    moves.emplace_back(top, left);
}

void FakeEffects::setWindowLeft(float twips) {
    left = twips;
    moves.emplace_back(top, left);
}

void FakeEffects::moveWindowToPrimaryScreen() {
    top = primaryScreenTopLeft.first;
    left = primaryScreenTopLeft.second;
    onScreen = true;
}

int FakeEffects::setWindowStaysOnTop(bool isOnTop) {
    topmostCalls.push_back(isOnTop ? 1 : 0);
    if (refusesStacking)
        return onTop == isOnTop ? 1 : 0;
    onTop = isOnTop;
    return 1;
}

LocalTime FakeEffects::localTime() const {
    return localTimeAt(UtcDayStartMs + wallMs);
}

LocalTime FakeEffects::localTimeAt(std::int64_t utc) const {
    // The fake clock's local time is UTC.
    const std::int64_t ms = ((utc % MsPerDay) + MsPerDay) % MsPerDay;
    const auto seconds = static_cast<int>(ms / 1000);
    const std::chrono::year_month_day date{
        std::chrono::sys_days{std::chrono::days{(utc - ms) / MsPerDay}}};
    return {.hour = seconds / 3600,
            .minute = seconds / 60 % 60,
            .second = seconds % 60,
            .millisecond = static_cast<int>(ms % 1000),
            .year = static_cast<int>(date.year()),
            .month = static_cast<int>(static_cast<unsigned>(date.month())),
            .day = static_cast<int>(static_cast<unsigned>(date.day()))};
}

double FakeEffects::random() {
    if (randoms.empty())
        return 0.5;
    const double next = randoms.front();
    randoms.pop_front();
    return next;
}

std::optional<std::string> FakeEffects::readSettingsFile() const {
    return settingsFile;
}

bool FakeEffects::writeSettingsFile(std::string_view contents) {
    ++settingsWrites;
    settingsFile = std::string(contents);
    return true;
}

void FakeEffects::writeCountFile(std::string_view contents) {
    countFile = std::string(contents);
    ++countWrites;
}

} // namespace pomelo::test
