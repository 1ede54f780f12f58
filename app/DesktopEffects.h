#pragma once

#include "app/AlarmSound.h"
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
    DesktopEffects(QWidget &window, SettingsFile settingsFile);

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
    double random() override;
    std::string programFolder() const override;
    void playSound(const std::string &path) override;
    void postAlarmNotice(const std::string &text) override;
    void withdrawAlarmNotice() override;
    std::optional<std::string> readSettingsFile() const override;
    bool writeSettingsFile(std::string_view contents) override;

private:
    QWidget &window_;
    SettingsFile settingsFile_;
    AlarmSound alarmSound_;
    DesktopNotice alarmNotice_;
    WindowDrag drag_;
};

} // namespace pomelo
