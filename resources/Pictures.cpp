#include "resources/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pomelo {
namespace {

constexpr int FacePictureWidth = 186;
constexpr int FacePictureHeight = 158;
const QString FacePath = QStringLiteral(":/face.svg");

// A picture of ours at `size` logical pixels, drawn for the given ratio.
QPixmap RenderSvg(const QString &path, const QSize &size, qreal devicePixelRatio) {
    QSvgRenderer renderer(path);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

QPixmap RenderFace(qreal devicePixelRatio) {
    return RenderSvg(FacePath, QSize(FacePictureWidth, FacePictureHeight), devicePixelRatio);
}

QList<QRect> KeysOnFace(const QStringList &names) {
    // The face's user units are its logical pixels.
    const QSvgRenderer renderer(FacePath);
    QList<QRect> keys;
    for (const QString &name : names)
        keys << (renderer.elementExists(name) ? renderer.boundsOnElement(name).toAlignedRect()
                                              : QRect());
    return keys;
}

QIcon RenderIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64})
        icon.addPixmap(RenderSvg(QStringLiteral(":/pomelo.svg"), QSize(size, size), 1.0));
    return icon;
}

} // namespace pomelo
