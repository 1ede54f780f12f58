#pragma once

#include "app/face/FacePicture.h"
#include "app/window/SecondTimer.h"
#include "app/window/WindowDrag.h"
#include "app/window/WindowPlace.h"
#include "keypad/KeyLayout.h"
#include "state/PictureArray.h"

#include <QRect>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

namespace pomelo {

class ClickArea;
class Gadget;
class Lcd;
class PictureBox;

// The gadget's one window: the face, fourteen key areas, the LCD, the two
// timers, and its drag and place on the desktop. It hands every click,
// keyboard key and timer tick to the gadget, and after each event draws what
// changed on the gadget's LCD. A key held with the mouse, or typed on the
// keyboard, is drawn pressed.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Connects the keys, the keyboard and the timers to `gadget`, which
    // outlives the window.
    explicit Form1(Gadget &gadget);
    ~Form1() override;

    ClickArea *keyArea(Key key) const { return keyAreas_.at(static_cast<std::size_t>(key) - 1); }
    const PictureBox *picture(PictureArray array, int index) const;
    Lcd *lcd() const { return lcd_; }
    // Moves the window with the pointer from the press it is handling now.
    void beginDrag() { drag_.begin(); }
    WindowPlace &place() { return place_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createKeyAreas();
    const QRect &keyOnFace(Key key) const;
    // Shows a typed key pressed for a moment, as it has no hold to show.
    void flashKey(Key key);
    void endKeyFlash();
    // After each event of the gadget: draw, tell screen readers, and run the
    // timers only while the gadget wants them.
    void followGadget();

    Gadget &gadget_;
    std::array<ClickArea *, KeyCount> keyAreas_{};
    std::array<QRect, KeyCount> keysOnFace_{}; // where the face draws each key
    std::optional<Key> flashed_;               // the typed key shown pressed
    QTimer keyFlash_;
    FacePicture face_;
    Lcd *lcd_ = nullptr;
    SecondTimer timer1_;
    QTimer timer2_;
    WindowDrag drag_;
    WindowPlace place_;
};

} // namespace pomelo
