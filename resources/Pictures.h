#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStringList>

namespace pomelo {

// The face, 186 x 158 logical pixels, drawn for the given device pixel ratio.
QPixmap RenderFace(qreal devicePixelRatio);

// Where the face draws the keys of the names given (their click areas'
// names, Image1 .. Image14), in its logical pixels, from the top edge to the
// shadow; an empty rectangle for a name it has no key of.
QList<QRect> KeysOnFace(const QStringList &names);

// The program's icon at 16, 32 and 64 pixels.
QIcon RenderIcon();

} // namespace pomelo
