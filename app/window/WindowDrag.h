#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace pomelo {

// Moves the window with the pointer while the left button is held: through
// the window manager where there is one, else by following the pointer.
class WindowDrag : public QObject {
public:
    explicit WindowDrag(QWidget &window);

    // Starts a drag from the press the window is handling now.
    void begin();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    QPoint pressPosition_; // where the last press went down, on the screen
    QPoint offset_;        // of that press from the window's corner
    bool following_ = false;
};

} // namespace pomelo
