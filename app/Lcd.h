#pragma once

#include "app/LcdImage.h"
#include "app/PictureBox.h"
#include "state/PictureArray.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace pomelo {

class FacePicture;

// The LCD window of the face with its fifty pictures, the four digit stacks
// and the indicators, all in one widget: a change redraws only the boxes it
// touched, and goes to the screen at once. Screen readers see it as static
// text that reads what it shows.
class Lcd : public QWidget {
    Q_OBJECT
public:
    using Reading = std::function<QString()>;
    Lcd(FacePicture &face, Reading reading, QWidget *parent);

    const PictureBox &picture(PictureArray array, int index) const;
    // Places are in window pixels, like the pictures' geometry.
    void placePicture(PictureArray array, int index, const QPoint &topLeft);
    // Returns whether the picture was shown or hidden by this call.
    bool setPictureVisible(PictureArray array, int index, bool visible);
    // Puts the changes made since the last call on the screen now.
    void showChanges();

    QString reading() const { return reading_(); }
    // Tells a screen reader, if one listens, that the reading changed.
    void announceReading();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    PictureBox &box(PictureArray array, int index);
    // Copies the changed pixels to the window's backing store and flushes
    // them; false when that cannot be done here.
    bool putOnScreen(const QRect &changed);

    FacePicture &face_;
    Reading reading_;
    QString announced_;
    std::vector<PictureBox> pictures_; // Picture1(0..9), ..., Picture5(0..9)
    QRect changed_;                    // bounds the changes, in window pixels
    LcdImage image_;
};

} // namespace pomelo
