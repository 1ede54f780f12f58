#pragma once

#include "display/Bitmap.h"

#include <QPixmap>
#include <QWidget>

namespace pomelo {

// One LCD picture: a two-colour bitmap drawn from the box's top-left corner
// and clipped to the box. Presses on it are taken, so they never drag the
// window.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const Bitmap &bitmap, const QSize &boxSize, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const Bitmap &bitmap_;
    QPixmap rendered_;
};

// Renders a bitmap at the device pixel ratio with every dot edge on a device
// pixel, so the LCD stays sharp at fractional scales too.
QPixmap RenderBitmap(const Bitmap &bitmap, qreal devicePixelRatio);

} // namespace pomelo
