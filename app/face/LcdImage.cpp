#include "app/face/LcdImage.h"

#include "app/face/LcdPixmap.h"

#include <algorithm>
#include <cstring>

namespace pomelo {
namespace {

constexpr QImage::Format Format = QImage::Format_ARGB32_Premultiplied;
constexpr int BytesPerPixel = 4;

// Opaque pixels read the same in either format, so they can be copied as
// they are into a backing store of either.
bool IsOpaqueCopyOf(QImage::Format format) {
    return format == Format || format == QImage::Format_RGB32;
}

// Copies `source` of one image to `target` of another of the same format.
void CopyPixels(const QImage &from, const QRect &source, QImage &to, const QPoint &target) {
    const auto bytes = static_cast<std::size_t>(source.width()) * BytesPerPixel;
    const qsizetype inLine = from.bytesPerLine();
    const qsizetype outLine = to.bytesPerLine();
    const uchar *in = from.constBits() + source.y() * inLine + source.x() * BytesPerPixel;
    uchar *out = to.bits() + target.y() * outLine + target.x() * BytesPerPixel;
    for (int row = 0; row < source.height(); ++row, in += inLine, out += outLine)
        std::memcpy(out, in, bytes);
}

} // namespace

void LcdImage::reset(const QRect &area, qreal ratio) {
    ratio_ = ratio;
    rendered_.clear();
    const QRect device = deviceRect(area);
    origin_ = device.topLeft();
    // One ground from edge to edge, as on a real LCD: the face's own LCD
    // blends into its bezel where an edge falls between device pixels.
    ground_ = QImage(device.size(), Format);
    ground_.fill(QColor(LcdGround));
    shown_ = QImage(device.size(), Format);
    shown_.setDevicePixelRatio(ratio);
}

QRect LcdImage::deviceRect(const QRect &rect) const {
    const auto device = [this](int edge) { return qRound(edge * ratio_); };
    return QRect(QPoint(device(rect.left()), device(rect.top())),
                 QPoint(device(rect.left() + rect.width()), device(rect.top() + rect.height())))
        .adjusted(0, 0, -1, -1);
}

void LcdImage::compose(const QRect &rect, const std::vector<PictureBox> &pictures) {
    const QRect area = deviceRect(rect).translated(-origin_) & shown_.rect();
    const auto box = [this](const PictureBox &picture) {
        return deviceRect(picture.geometry()).translated(-origin_);
    };
    // A tick mostly changes one picture for another in the same box: the
    // ground under it is hidden again anyway.
    const bool covered = std::any_of(pictures.begin(), pictures.end(), [&](const auto &picture) {
        return !picture.isHidden() && box(picture).contains(area);
    });
    if (!covered)
        CopyPixels(ground_, area, shown_, area.topLeft());
    for (const PictureBox &picture : pictures) {
        if (picture.isHidden())
            continue;
        const QRect place = box(picture);
        const QRect part = place & area;
        if (!part.isEmpty())
            CopyPixels(rendered(picture.bitmap(), place.size()), part.translated(-place.topLeft()),
                       shown_, part.topLeft());
    }
}

const QImage &LcdImage::rendered(const Bitmap &bitmap, const QSize &box) {
    QImage &image = rendered_[{&bitmap, box.width(), box.height()}];
    if (image.isNull()) {
        image = QImage(box, Format);
        image.fill(QColor(LcdGround));
        const QImage picture = RenderBitmap(bitmap, ratio_).toImage().convertToFormat(Format);
        const QRect part = picture.rect() & image.rect();
        CopyPixels(picture, part, image, part.topLeft());
    }
    return image;
}

bool LcdImage::copyTo(QImage &window, const QRect &rect) const {
    if (!IsOpaqueCopyOf(window.format()) || window.devicePixelRatio() != ratio_)
        return false;
    const QRect device = deviceRect(rect) & QRect(origin_, shown_.size()) & window.rect();
    CopyPixels(shown_, device.translated(-origin_), window, device.topLeft());
    return true;
}

} // namespace pomelo
