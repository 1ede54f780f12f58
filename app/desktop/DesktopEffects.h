#pragma once

#include "app/desktop/AlarmSound.h"
#include "app/desktop/CountFile.h"
#include "app/desktop/DesktopNotice.h"
#include "app/desktop/SettingsFile.h"
#include "state/Effects.h"

namespace pomelo {

class Form1;

// The world outside the timer logic, as the desktop gives it: the gadget's
// window (its place as WindowPlace tells and changes it), the clocks, the
// sound, the user's language, the notification centre, and the settings and
// count files.
class DesktopEffects : public Effects {
public:
    // Only keeps the window until the gadget acts: the gadget takes the
    // effects, and the window the gadget, as they are made.
    DesktopEffects(Form1 &window, SettingsFile settingsFile, CountFile countFile);

    bool isWindowPlaceKnown() const override;
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
    void playSound(const std::string &path) override;
    void stopSound() override;
    std::string translate(const char *context, const char *text) const override;
    std::string translate(const char *context, const char *text, int n) const override;
    ShownTime timeOfDay(const LocalTime &time) const override;
    std::string shortDate(const LocalTime &time) const override;
    void postAlarmNotice(const std::string &text) override;
    void withdrawAlarmNotice() override;
    std::optional<std::string> readSettingsFile() const override;
    bool writeSettingsFile(std::string_view contents) override;
    std::optional<std::string> readCountFile() const override;
    void writeCountFile(std::string_view contents) override;
    void note(std::string_view line) override;

    // The alarm's notice, whose actions and dismissal the window hands on,
    // as it does what became of the alarm's sound.
    DesktopNotice &alarmNotice() { return alarmNotice_; }
    AlarmSound &alarmSound() { return alarmSound_; }

private:
    Form1 &window_;
    SettingsFile settingsFile_;
    CountFile countFile_;
    AlarmSound alarmSound_;
    DesktopNotice alarmNotice_;
};

} // namespace pomelo
