#pragma once

#include "app/PictureBox.h"
#include "state/PictureArray.h"

#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>
#include <unordered_map>
#include <vector>

namespace pomelo {

class FacePicture;

// The LCD window of the face with its fifty pictures, the four digit stacks
// and the indicators. One widget paints them over the face, so a change
// repaints the boxes it touched and nothing else. Screen readers see it as
// static text that reads what it shows.
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
    // Puts the changes made since the last call on the screen at once.
    void showChanges();

    QString reading() const { return reading_(); }
    // Tells a screen reader, if one listens, that the reading changed.
    void announceReading();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    PictureBox &box(PictureArray array, int index);
    void paintPicture(QPainter &painter, const PictureBox &picture, qreal ratio);

    FacePicture &face_;
    Reading reading_;
    QString announced_;
    std::vector<PictureBox> pictures_; // Picture1(0..9), ..., Picture5(0..9)
    QRegion changed_;                  // in window pixels
    // The rendered bitmaps, shared by the four digit stacks.
    std::unordered_map<const Bitmap *, QPixmap> rendered_;
};

} // namespace pomelo
