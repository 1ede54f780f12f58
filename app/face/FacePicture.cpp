#include "app/face/FacePicture.h"

#include "resources/Pictures.h"

namespace pomelo {

const QPixmap &FacePicture::at(qreal devicePixelRatio) {
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != devicePixelRatio)
        pixmap_ = RenderFace(devicePixelRatio);
    return pixmap_;
}

} // namespace pomelo
