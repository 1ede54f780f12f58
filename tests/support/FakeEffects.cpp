#include "FakeEffects.h"

namespace pomelo::test {
namespace {

constexpr std::int64_t MsPerDay = 24LL * 60 * 60 * 1000;

std::size_t At(PictureArray array) {
    return static_cast<std::size_t>(array) - 1;
}

} // namespace

void FakeEffects::setWallClock(int hour, int minute, int second, int millisecond) {
    wallMs = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
}

void FakeEffects::advance(std::int64_t ms) {
    wallMs = (wallMs + ms) % MsPerDay;
    elapsedMs += ms;
}

std::string FakeEffects::digits() const {
    std::string shown;
    for (std::size_t position = 0; position < 4; ++position) {
        char glyph = ' ';
        for (int digit = 0; digit < 10; ++digit) {
            if (visible[position][digit])
                glyph = glyph == ' ' ? static_cast<char>('0' + digit) : '?';
        }
        shown += glyph;
    }
    return shown;
}

std::string FakeEffects::indicators() const {
    static constexpr std::array<const char *, 10> names{"colon", "H",      "hM", "M", "S",
                                                        "dial",  "runner", "A",  "P", "slash"};
    std::string shown;
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (!visible[4][index])
            continue;
        if (!shown.empty())
            shown += ' ';
        shown += names[index];
    }
    return shown;
}

void FakeEffects::placePicture(PictureArray array, int index, int leftTwips, int topTwips) {
    placed.at(At(array)).at(index) = {leftTwips, topTwips};
}

void FakeEffects::setPictureVisible(PictureArray array, int index, bool isVisible) {
    visible.at(At(array)).at(index) = isVisible;
}

bool FakeEffects::isPictureVisible(PictureArray array, int index) const {
    return visible.at(At(array)).at(index);
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
    const std::int64_t ms = ((wallMs % MsPerDay) + MsPerDay) % MsPerDay;
    const auto seconds = static_cast<int>(ms / 1000);
    return {seconds / 3600, seconds / 60 % 60, seconds % 60, static_cast<int>(ms % 1000)};
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

} // namespace pomelo::test
