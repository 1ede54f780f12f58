#pragma once

#include "timer/Effects.h"

#include <optional>
#include <string>
#include <string_view>

namespace pomelo::test {

// Effects for the settings tests: the settings file is a string (nullopt when
// it exists but cannot be read); everything else does nothing.
class FakeEffects : public Effects {
public:
    std::optional<std::string> settingsFile = std::string{};
    int settingsWrites = 0;

    void placePicture(PictureArray, int, int, int) override {}
    void setPictureVisible(PictureArray, int, bool) override {}
    bool isPictureVisible(PictureArray, int) const override { return false; }

    float windowTop() const override { return 0; }
    float windowLeft() const override { return 0; }
    void setWindowTop(float) override {}
    void setWindowLeft(float) override {}
    bool isWindowOnAnyScreen() const override { return true; }
    void moveWindowToPrimaryScreen() override {}
    void applyWindowShape() override {}
    void beginWindowDrag() override {}
    int setWindowStaysOnTop(bool) override { return 1; }
    void endProgram() override {}

    LocalTime localTime() const override { return {}; }
    std::int64_t elapsedMilliseconds() const override { return 0; }
    double random() override { return 0; }

    std::string programFolder() const override { return {}; }
    void playSound(const std::string &) override {}

    std::optional<std::string> readSettingsFile() const override { return settingsFile; }
    bool writeSettingsFile(std::string_view contents) override {
        ++settingsWrites;
        settingsFile = std::string(contents);
        return true;
    }
};

} // namespace pomelo::test
