#include "app/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace pomelo {
namespace {

const QColor LcdGround(175, 205, 175);
const QColor LcdDot(0, 0, 0);

int DeviceEdge(int logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

} // namespace

QPixmap RenderBitmap(const Bitmap &bitmap, qreal devicePixelRatio) {
    QPixmap pixmap(DeviceEdge(bitmap.width, devicePixelRatio),
                   DeviceEdge(bitmap.height, devicePixelRatio));
    pixmap.fill(LcdGround);
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

PictureBox::PictureBox(const Bitmap &bitmap, const QSize &boxSize, QWidget *parent)
    : QWidget(parent)
    , bitmap_(bitmap) {
    resize(boxSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *) {
    const qreal ratio = devicePixelRatioF();
    if (rendered_.isNull() || rendered_.devicePixelRatio() != ratio)
        rendered_ = RenderBitmap(bitmap_, ratio);
    QPainter painter(this);
    painter.fillRect(rect(), LcdGround);
    painter.drawPixmap(0, 0, rendered_);
}

void PictureBox::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

} // namespace pomelo
