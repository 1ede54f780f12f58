#pragma once

class QPainter;
class QPixmap;
class QRect;

namespace pomelo {

// A held key sinks a pixel into its shadow and darkens, out of the light, as
// a physical key does: the key but its shadow's last row is drawn a pixel
// lower, under a shade of its own shape.
void DrawSunkKey(QPainter &painter, const QPixmap &face, const QRect &key);

} // namespace pomelo
