#include "app/face/SunkKey.h"

#include <QPainter>

namespace pomelo {
namespace {

// A key's corners on the face (resources/face.svg).
constexpr qreal KeyCornerRadius = 4;
// How much a held key darkens, out of 255.
constexpr int SunkShade = 40;

} // namespace

void DrawSunkKey(QPainter &painter, const QPixmap &face, const QRect &key) {
    painter.save();
    const QRect sunk = key.adjusted(0, 0, 0, -1);
    painter.setClipRect(sunk, Qt::IntersectClip);
    painter.drawPixmap(0, 1, face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, SunkShade));
    painter.drawRoundedRect(QRectF(sunk.adjusted(0, 1, 0, 0)), KeyCornerRadius, KeyCornerRadius);
    painter.restore();
}

} // namespace pomelo
