#pragma once

#include <QAbstractButton>

namespace pomelo {

// A transparent key over a key drawn on the face. A left click on it is the
// key's click; a press on it never drags the window. Being a button, it
// reaches screen readers as one, named after its label.
class ClickArea : public QAbstractButton {
    Q_OBJECT
public:
    ClickArea(const QString &label, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pomelo
