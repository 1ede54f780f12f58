#include "app/face/LcdPixmap.h"

#include <QPainter>
#include <cmath>

namespace pomelo {
namespace {

const QColor LcdDot(0, 0, 0);

int DeviceEdge(int logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

} // namespace

QPixmap RenderBitmap(const Bitmap &bitmap, qreal devicePixelRatio) {
    QPixmap pixmap(DeviceEdge(bitmap.width, devicePixelRatio),
                   DeviceEdge(bitmap.height, devicePixelRatio));
    pixmap.fill(QColor(LcdGround));
    QPainter painter(&pixmap);
    for (int y = 0; y < bitmap.height; ++y) {
        const int top = DeviceEdge(y, devicePixelRatio);
        const int bottom = DeviceEdge(y + 1, devicePixelRatio);
        for (int x = 0; x < bitmap.width; ++x) {
            if (!bitmap.isDot(x, y))
                continue;
            const int left = DeviceEdge(x, devicePixelRatio);
            const int right = DeviceEdge(x + 1, devicePixelRatio);
            painter.fillRect(left, top, right - left, bottom - top, LcdDot);
        }
    }
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace pomelo
