#pragma once

#include "display/Bitmap.h"

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

} // namespace pomelo
