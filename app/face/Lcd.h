#pragma once

#include "app/face/LcdImage.h"
#include "app/face/PictureBox.h"
#include "state/LcdPictures.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace pomelo {

// The LCD window of the face with its fifty pictures, the four digit stacks
// and the indicators, all in one widget: a change redraws only the boxes it
// touched, and goes to the screen at once. Screen readers see it as static
// text that reads what it shows.
class Lcd : public QWidget {
    Q_OBJECT
public:
    using Reading = std::function<QString()>;
    Lcd(Reading reading, QWidget *parent);

    // A picture as drawn, in window pixels.
    const PictureBox &picture(PictureArray array, int index) const;
    // Brings the pictures in line with `lcd` and puts the boxes that changed
    // on the screen at once; returns whether any did.
    bool show(const LcdPictures &lcd);

    QString reading() const { return reading_(); }
    // Tells a screen reader, if one listens, that the reading changed.
    void announceReading();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    PictureBox &box(PictureArray array, int index);
    void follow(PictureBox &box, const Picture &picture);
    // The changed boxes: copied straight to the screen where the window can
    // take them, else repainted through update().
    void showChanges();
    // Copies the changed pixels to the window's backing store and flushes
    // them; false when that cannot be done here.
    bool putOnScreen(const QRect &changed);

    Reading reading_;
    QString announced_;
    std::vector<PictureBox> pictures_; // Picture1(0..9), ..., Picture5(0..9)
    LcdPictures drawn_;                // what the pictures were last brought in line with
    QRect changed_;                    // bounds the changes, in window pixels
    LcdImage image_;
};

} // namespace pomelo
