#pragma once

class QWidget;

namespace pomelo {

// Where the gadget's window stands, in twips as the timer logic counts, and
// its shape and stacking. Where the compositor alone places and stacks
// windows (Wayland), the window's place is unknown, and a move or a stay on
// top is refused with one line in the log the first time.
class WindowPlace {
public:
    explicit WindowPlace(QWidget &window);

    bool isKnown() const;
    float top() const;
    float left() const;
    void setTop(float twips);
    void setLeft(float twips);
    bool isOnAnyScreen() const;
    void moveToPrimaryScreen();
    void applyShape();
    // Puts the window into or out of the always-on-top layer: 1 when it now
    // is in the layer asked for, else 0.
    int setStaysOnTop(bool onTop);

private:
    // Logs why the window cannot do `what`, the first time it is asked.
    void refuse(bool &told, const char *what);
    // Whether the window may move itself; refuses where it may not.
    bool mayMove();

    QWidget &window_;
    // Whether the window places and stacks itself, or the compositor does.
    const bool placesItself_;
    bool toldMoveRefused_ = false;
    bool toldStayOnTopRefused_ = false;
};

} // namespace pomelo
