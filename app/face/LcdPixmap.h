#pragma once

#include "display/Bitmap.h"

#include <QColor>
#include <QPixmap>

namespace pomelo {

// The colour of the LCD's ground, behind the pictures and between them, as
// the face (resources/face.svg) fills its LCD window.
inline constexpr QRgb LcdGround = qRgb(180, 205, 181);

// Renders a bitmap at the device pixel ratio with every dot edge on a device
// pixel, so the LCD stays sharp at fractional scales too.
QPixmap RenderBitmap(const Bitmap &bitmap, qreal devicePixelRatio);

} // namespace pomelo
