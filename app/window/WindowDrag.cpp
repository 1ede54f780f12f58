#include "app/window/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pomelo {

WindowDrag::WindowDrag(QWidget &window)
    : window_(window) {
    window_.installEventFilter(this);
}

void WindowDrag::begin() {
    QWindow *handle = window_.windowHandle();
    if (handle != nullptr && handle->startSystemMove())
        return;
    // No window manager to hand the move to: follow the pointer ourselves,
    // anchored where the button went down: the pointer may have moved on by
    // the time the press is handled, and the window must not lag behind it.
    following_ = true;
    offset_ = pressPosition_ - window_.pos();
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressPosition_ = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        break;
    case QEvent::MouseMove:
        if (following_)
            window_.move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - offset_);
        break;
    case QEvent::MouseButtonRelease:
        following_ = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace pomelo
