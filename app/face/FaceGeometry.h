#pragma once

#include "state/PictureLayout.h"

#include <QRect>
#include <cmath>

namespace pomelo {

// The window's client area in logical pixels; the rest of the face picture
// (186 x 158) falls outside it.
inline constexpr int FaceWidth = 184;
inline constexpr int FaceHeight = 155;
// The shape cuts the two leftmost columns away and rounds the corners.
inline constexpr int ShapeLeft = 2;
inline constexpr int CornerEllipse = 17;
// The LCD window of the face.
inline constexpr QRect LcdArea{QPoint(18, 12), QPoint(166, 65)};

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect TwipsToPixels(const TwipsRect &rect) {
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
            TwipsToPixels(rect.height)};
}

} // namespace pomelo
