#pragma once

#include <QPixmap>

namespace pomelo {

// The face picture, drawn once for each device pixel ratio it is asked at;
// the window paints from it.
class FacePicture {
public:
    const QPixmap &at(qreal devicePixelRatio);

private:
    QPixmap pixmap_;
};

} // namespace pomelo
