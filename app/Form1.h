#pragma once

#include "app/AlarmSound.h"
#include "app/DesktopNotice.h"
#include "app/FacePicture.h"
#include "app/SecondTimer.h"
#include "app/SettingsFile.h"
#include "keypad/KeyLayout.h"
#include "remote/Command.h"
#include "state/Effects.h"
#include "state/Handler.h"
#include "state/TimerState.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

namespace pomelo {

class ClickArea;
class Lcd;
class PictureBox;

// The gadget's one window: the face, fourteen key areas, the LCD with its
// fifty pictures and the two timers. It hands every event to the timer logic and
// carries out what the logic asks of the outside world.
class Form1 : public QWidget, public Effects {
    Q_OBJECT
public:
    explicit Form1(SettingsFile settingsFile = SettingsFile(), QWidget *parent = nullptr);
    ~Form1() override;

    const TimerState &state() const { return state_; }
    ClickArea *keyArea(int control) const { return keyAreas_.at(control - 1); }
    const PictureBox *picture(PictureArray array, int index) const;
    Lcd *lcd() const { return lcd_; }

    // A command from outside the window, carried out as its key presses.
    void carryOut(const Command &command);
    std::string statusLine() const;
    // Whether OFF has ended the program: nothing is carried out any more.
    bool hasEnded() const { return ended_; }

    // Effects
    void placePicture(PictureArray array, int index, int leftTwips, int topTwips) override;
    void setPictureVisible(PictureArray array, int index, bool visible) override;
    bool isPictureVisible(PictureArray array, int index) const override;
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void createKeyAreas();
    void createTimers();
    using Action = std::function<void(TimerState &, Effects &)>;
    // Keys and commands go through here, and the tick wakes after them.
    void run(const Action &action);
    void runTimer(Handler handler);
    void act(const Action &action);
    void followTimers();

    TimerState state_;
    SettingsFile settingsFile_;
    AlarmSound alarmSound_;
    DesktopNotice alarmNotice_;
    std::array<ClickArea *, KeyCount> keyAreas_{};
    FacePicture face_;
    Lcd *lcd_ = nullptr;
    SecondTimer timer1_;
    QTimer timer2_;
    bool ended_ = false;
    bool displayChanged_ = false;
    bool manualDrag_ = false;
    QPoint pressPosition_;
    QPoint dragOffset_;
};

} // namespace pomelo
