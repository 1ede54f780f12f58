#pragma once

#include "app/face/PictureBox.h"

#include <QImage>
#include <QRect>
#include <map>
#include <tuple>
#include <vector>

namespace pomelo {

// The LCD as it looks, in device pixels: its ground with the shown pictures
// over it. Kept up to date box by box by copying pixels, so that a change
// costs no painter, and copied from there to the screen.
class LcdImage {
public:
    // Starts over for the LCD at `area` (window pixels) of a window drawn at
    // `ratio` device pixels per window pixel.
    void reset(const QRect &area, qreal ratio);
    bool isFor(qreal ratio) const { return !shown_.isNull() && ratio == ratio_; }

    // Draws the part within `rect` (window pixels) anew.
    void compose(const QRect &rect, const std::vector<PictureBox> &pictures);
    // The LCD, with the pixel ratio it is drawn at.
    const QImage &image() const { return shown_; }
    // Copies the part within `rect` into an image of the whole window in
    // device pixels; false if its pixels are not of the same kind.
    bool copyTo(QImage &window, const QRect &rect) const;

    // Where window pixels lie in device pixels: each edge rounded, as a
    // painter rounds a clip.
    QRect deviceRect(const QRect &rect) const;

private:
    const QImage &rendered(const Bitmap &bitmap, const QSize &box);

    qreal ratio_ = 0;
    QPoint origin_; // of the LCD, in device pixels of the window
    QImage ground_; // the LCD with nothing shown
    QImage shown_;
    // The pictures with their ground, each cut to its box; the four digit
    // stacks share theirs.
    std::map<std::tuple<const Bitmap *, int, int>, QImage> rendered_;
};

} // namespace pomelo
