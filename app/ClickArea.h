#pragma once

#include <QWidget>

namespace pomelo {

// A transparent key area over a key drawn on the face. A left click inside
// it is the key's click; a press on it never drags the window.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace pomelo
