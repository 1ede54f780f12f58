#include "app/face/WindowShape.h"

#include "app/face/FaceGeometry.h"

#include <algorithm>
#include <cmath>

namespace pomelo {

QRegion RoundedRectRegion(const QRect &rect, int ellipseWidth, int ellipseHeight) {
    const double rx = ellipseWidth / 2.0;
    const double ry = ellipseHeight / 2.0;
    QRegion region;
    for (int row = 0; row < rect.height(); ++row) {
        // Distance of this pixel row's centre from the nearer corner ellipse's centre.
        const double y = row + 0.5;
        const double fromEdge = std::min(y, rect.height() - y);
        int inset = 0;
        if (fromEdge < ry) {
            const double dy = (ry - fromEdge) / ry;
            inset = static_cast<int>(std::lround(rx - rx * std::sqrt(1.0 - dy * dy)));
        }
        region += QRect(rect.left() + inset, rect.top() + row, rect.width() - 2 * inset, 1);
    }
    return region;
}

QRegion GadgetShape() {
    return RoundedRectRegion(QRect(ShapeLeft, 0, FaceWidth - ShapeLeft, FaceHeight), CornerEllipse,
                             CornerEllipse);
}

} // namespace pomelo
