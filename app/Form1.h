#pragma once

#include "app/FacePicture.h"
#include "app/SecondTimer.h"
#include "keypad/KeyLayout.h"
#include "state/PictureArray.h"

#include <QTimer>
#include <QWidget>
#include <array>

namespace pomelo {

class ClickArea;
class Gadget;
class Lcd;
class PictureBox;

// The gadget's one window: the face, fourteen key areas, the LCD and the two
// timers. It hands every click, keyboard key and timer tick to the gadget,
// and after each event draws what changed on the gadget's LCD.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // Connects the keys, the keyboard and the timers to `gadget`.
    void drive(Gadget &gadget);

    ClickArea *keyArea(Key key) const { return keyAreas_.at(static_cast<std::size_t>(key) - 1); }
    const PictureBox *picture(PictureArray array, int index) const;
    Lcd *lcd() const { return lcd_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createKeyAreas();
    // After each event of the gadget: draw, tell screen readers, and run the
    // timers only while the gadget wants them.
    void followGadget();

    Gadget *gadget_ = nullptr;
    std::array<ClickArea *, KeyCount> keyAreas_{};
    FacePicture face_;
    Lcd *lcd_ = nullptr;
    SecondTimer timer1_;
    QTimer timer2_;
};

} // namespace pomelo
