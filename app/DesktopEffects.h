#pragma once

#include "app/AlarmSound.h"
#include "app/CountFile.h"
#include "app/DesktopNotice.h"
#include "app/SettingsFile.h"
#include "app/WindowDrag.h"
#include "state/Effects.h"

class QWidget;

namespace pomelo {

// The world outside the timer logic, as the desktop gives it: the gadget's
// window, the clocks, the sound, the notification centre and the settings
// file.
class DesktopEffects : public Effects {
public:
    DesktopEffects(QWidget &window, SettingsFile settingsFile, CountFile countFile);

    float windowTop() const override;
    float windowLeft() const override;
    void setWindowTop(float twips) override;
    void setWindowLeft(float twips) override;
    bool isWindowOnAnyScreen() const override;
    void moveWindowToPrimaryScreen() override;
    void applyWindowShape() override;
    void beginWindowDrag() override;
    int setWindowStaysOnTop(bool onTop) override;
    void endProgram() override;
    LocalTime localTime() const override;
    std::int64_t elapsedMilliseconds() const override;
    std::int64_t utcMilliseconds() const override;
    LocalTime localTimeAt(std::int64_t utcMs) const override;
    std::string bootId() const override;
    double random() override;
    std::string programFolder() const override;
    SoundOutcome playSound(const std::string &path) override;
    void stopSound() override;
    void postAlarmNotice(const std::string &text) override;
    void withdrawAlarmNotice() override;
    std::optional<std::string> readSettingsFile() const override;
    bool writeSettingsFile(std::string_view contents) override;
    std::optional<std::string> readCountFile() const override;
    void writeCountFile(std::string_view contents) override;
    void note(std::string_view line) override;

    // The alarm's notice, whose actions and dismissal the window hands on.
    DesktopNotice &alarmNotice() { return alarmNotice_; }

private:
    QWidget &window_;
    SettingsFile settingsFile_;
    CountFile countFile_;
    AlarmSound alarmSound_;
    DesktopNotice alarmNotice_;
    WindowDrag drag_;
};

} // namespace pomelo
