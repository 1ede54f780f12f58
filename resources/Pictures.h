#pragma once

#include <QIcon>
#include <QPixmap>

namespace pomelo {

// The face, 186 x 158 logical pixels, drawn for the given device pixel ratio.
QPixmap RenderFace(qreal devicePixelRatio);

// The program's icon at 16, 32 and 64 pixels.
QIcon RenderIcon();

} // namespace pomelo
