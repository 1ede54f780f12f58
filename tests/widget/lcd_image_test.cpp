#include "app/LcdImage.h"
#include "display/Glyphs.h"

#include <QTest>
#include <cmath>

using namespace pomelo;

namespace {

const QRgb Face = qRgb(10, 20, 30);
const QRgb Ground = qRgb(175, 205, 175);
const QRgb Dot = qRgb(0, 0, 0);
const QRect LcdPlace(18, 12, 149, 54); // window pixels
const QRect DigitBox(23, 19, 24, 41);

int Device(int edge, qreal ratio) {
    return static_cast<int>(std::floor(edge * ratio + 0.5));
}

// The face of a window of 184 x 155 pixels, one colour all over.
QImage FaceAt(qreal ratio) {
    QImage face(Device(184, ratio), Device(155, ratio), QImage::Format_ARGB32_Premultiplied);
    face.fill(Face);
    return face;
}

struct Fixture {
    qreal ratio;
    std::vector<PictureBox> pictures{PictureBox(DigitGlyph(8), DigitBox.size())};
    LcdImage image;

    explicit Fixture(qreal devicePixelRatio)
        : ratio(devicePixelRatio) {
        pictures[0].move(DigitBox.topLeft());
        pictures[0].setHidden(false);
        image.reset(FaceAt(ratio), LcdPlace, ratio);
        image.compose(LcdPlace, pictures);
    }
    // A pixel of the LCD image, by device pixel of the window.
    QRgb at(int x, int y) const {
        return image.image().pixel(x - Device(LcdPlace.left(), ratio),
                                   y - Device(LcdPlace.top(), ratio));
    }
};

} // namespace

// The LCD's pixels as it keeps them: the face where no picture is shown,
// each shown picture on its ground and cut to its box, at any pixel ratio.
class LcdImageTest : public QObject {
    Q_OBJECT

private slots:
    void ratios_data();
    void aPictureFillsItsBoxWithEdgesRoundedToDevicePixels_data() { ratios_data(); }
    void aPictureFillsItsBoxWithEdgesRoundedToDevicePixels();
    void aHiddenPictureLeavesTheFace_data() { ratios_data(); }
    void aHiddenPictureLeavesTheFace();
    void copiesTheChangedBoxIntoTheWindowAndNothingElse_data() { ratios_data(); }
    void copiesTheChangedBoxIntoTheWindowAndNothingElse();
    void refusesAWindowOfOtherPixels();
};

void LcdImageTest::ratios_data() {
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
        QTest::addRow("%g", ratio) << ratio;
}

void LcdImageTest::aPictureFillsItsBoxWithEdgesRoundedToDevicePixels() {
    QFETCH(qreal, ratio);
    const Fixture lcd(ratio);
    QCOMPARE(lcd.image.image().devicePixelRatio(), ratio);
    const int left = Device(DigitBox.left(), ratio);
    const int top = Device(DigitBox.top(), ratio);
    const int right = Device(DigitBox.left() + DigitBox.width(), ratio); // first pixel past
    const int bottom = Device(DigitBox.top() + DigitBox.height(), ratio);
    // The glyph's ground reaches every edge of the box, and no further.
    for (const QPoint inside : {QPoint(left, top), QPoint(right - 1, top), QPoint(left, bottom - 1),
                                QPoint(right - 1, bottom - 1)})
        QCOMPARE(lcd.at(inside.x(), inside.y()), Ground);
    for (const QPoint outside :
         {QPoint(left - 1, top), QPoint(right, top), QPoint(left, top - 1), QPoint(left, bottom)})
        QCOMPARE(lcd.at(outside.x(), outside.y()), Face);
    // The 8's top row: its second column is a dot, drawn from the box's corner.
    QCOMPARE(lcd.at(left + Device(7, ratio), top + Device(4, ratio)), Dot);
    QCOMPARE(lcd.at(left + Device(7, ratio) - 1, top + Device(4, ratio)), Ground);
}

void LcdImageTest::aHiddenPictureLeavesTheFace() {
    QFETCH(qreal, ratio);
    Fixture lcd(ratio);
    lcd.pictures[0].setHidden(true);
    lcd.image.compose(DigitBox, lcd.pictures);
    const QRect device(QPoint(Device(DigitBox.left(), ratio), Device(DigitBox.top(), ratio)),
                       QPoint(Device(DigitBox.left() + DigitBox.width(), ratio) - 1,
                              Device(DigitBox.top() + DigitBox.height(), ratio) - 1));
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            QCOMPARE(lcd.at(x, y), Face);
}

void LcdImageTest::copiesTheChangedBoxIntoTheWindowAndNothingElse() {
    QFETCH(qreal, ratio);
    const Fixture lcd(ratio);
    const QRgb Elsewhere = qRgb(1, 2, 3);
    QImage window = FaceAt(ratio);
    window.fill(Elsewhere);
    window.setDevicePixelRatio(ratio);
    QVERIFY(lcd.image.copyTo(window, DigitBox));
    const int left = Device(DigitBox.left(), ratio);
    const int top = Device(DigitBox.top(), ratio);
    const int right = Device(DigitBox.left() + DigitBox.width(), ratio);
    QCOMPARE(window.pixel(left, top), Ground);
    QCOMPARE(window.pixel(right - 1, top), Ground);
    QCOMPARE(window.pixel(left + Device(7, ratio), top + Device(4, ratio)), Dot);
    QCOMPARE(window.pixel(right, top), Elsewhere);
    QCOMPARE(window.pixel(left - 1, top), Elsewhere);
}

void LcdImageTest::refusesAWindowOfOtherPixels() {
    const Fixture lcd(1.0);
    for (const QImage::Format format : {QImage::Format_RGB16, QImage::Format_ARGB32}) {
        QImage window(184, 155, format);
        QVERIFY(!lcd.image.copyTo(window, DigitBox));
    }
    QImage otherRatio = FaceAt(1.0);
    otherRatio.setDevicePixelRatio(2.0);
    QVERIFY(!lcd.image.copyTo(otherRatio, DigitBox));
}

QTEST_MAIN(LcdImageTest)
#include "lcd_image_test.moc"
