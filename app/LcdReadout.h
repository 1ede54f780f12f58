#pragma once

#include <QWidget>

namespace pomelo {

// An invisible stand-in over the LCD that gives screen readers the LCD's
// reading as static text. It paints nothing and lets presses through, so
// the face below still drags the window.
class LcdReadout : public QWidget {
    Q_OBJECT
public:
    explicit LcdReadout(QWidget *parent);

    const QString &text() const { return text_; }
    void setText(const QString &text);

private:
    QString text_;
};

// Lets screen readers see LcdReadout as static text; call once at start-up.
void InstallLcdReadoutAccessibility();

} // namespace pomelo
