#pragma once

#include "display/Bitmap.h"

#include <QColor>
#include <QPixmap>
#include <QRect>

namespace pomelo {

// One LCD picture: a two-colour bitmap drawn from the box's top-left corner
// and clipped to the box, in window coordinates. It is no widget of its own:
// the LCD paints the shown ones.
class PictureBox {
public:
    PictureBox(const Bitmap &bitmap, const QSize &boxSize)
        : bitmap_(&bitmap)
        , geometry_(QPoint(), boxSize) {}

    const Bitmap &bitmap() const { return *bitmap_; }
    const QRect &geometry() const { return geometry_; }
    void move(const QPoint &topLeft) { geometry_.moveTopLeft(topLeft); }
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }

private:
    const Bitmap *bitmap_;
    QRect geometry_;
    bool hidden_ = true;
};

// The colour of the LCD's ground, behind the pictures and between them, as
// the face (resources/face.svg) fills its LCD window.
inline constexpr QRgb LcdGround = qRgb(180, 205, 181);

// Renders a bitmap at the device pixel ratio with every dot edge on a device
// pixel, so the LCD stays sharp at fractional scales too.
QPixmap RenderBitmap(const Bitmap &bitmap, qreal devicePixelRatio);

} // namespace pomelo
