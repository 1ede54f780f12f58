#pragma once

#include <QRegion>

namespace pomelo {

// The gadget's visible and clickable area in logical pixels: the face less
// its two leftmost columns, corners rounded by a 17 x 17 ellipse.
QRegion GadgetShape();

// A rectangle whose corners are rounded by an ellipse of the given size,
// built row by row so that it covers whole pixels exactly.
QRegion RoundedRectRegion(const QRect &rect, int ellipseWidth, int ellipseHeight);

} // namespace pomelo
