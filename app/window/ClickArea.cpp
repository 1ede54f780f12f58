#include "app/window/ClickArea.h"

namespace pomelo {

ClickArea::ClickArea(const QString &label, QWidget *parent)
    : QAbstractButton(parent) {
    // The button's text is also the name screen readers announce.
    setText(label);
    // The keyboard goes to the window, which maps keys to these buttons.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
}

// The key is drawn on the face; the area itself is invisible.
void ClickArea::paintEvent(QPaintEvent *) {}

} // namespace pomelo
