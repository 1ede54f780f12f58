#include "app/face/LcdImage.h"
#include "display/Glyphs.h"

#include <QTest>
#include <cmath>

using namespace pomelo;

namespace {

const QRgb Ground = qRgb(180, 205, 181);
const QRgb Dot = qRgb(0, 0, 0);
const QRect LcdPlace(18, 12, 149, 54); // window pixels
const QRect DigitBox(23, 19, 24, 41);

int Device(int edge, qreal ratio) {
    return static_cast<int>(std::floor(edge * ratio + 0.5));
}

// A window of 184 x 155 pixels.
QImage WindowAt(qreal ratio) {
    return {Device(184, ratio), Device(155, ratio), QImage::Format_ARGB32_Premultiplied};
}

struct Fixture {
    qreal ratio;
    std::vector<PictureBox> pictures{PictureBox(DigitGlyph(8), DigitBox.size())};
    LcdImage image;

    explicit Fixture(qreal devicePixelRatio)
        : ratio(devicePixelRatio) {
        pictures[0].move(DigitBox.topLeft());
        pictures[0].setHidden(false);
        image.reset(LcdPlace, ratio);
        image.compose(LcdPlace, pictures);
    }
    // A pixel of the LCD image, by device pixel of the window.
    QRgb at(int x, int y) const {
        return image.image().pixel(x - Device(LcdPlace.left(), ratio),
                                   y - Device(LcdPlace.top(), ratio));
    }
};

} // namespace

// The LCD's pixels as it keeps them: one ground from edge to edge, each shown
// picture cut to its box, at any pixel ratio.
class LcdImageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ratios_data();
    void aPictureFillsItsBoxWithEdgesRoundedToDevicePixels_data() { ratios_data(); }
    void aPictureFillsItsBoxWithEdgesRoundedToDevicePixels();
    void aHiddenPictureLeavesTheGround_data() { ratios_data(); }
    void aHiddenPictureLeavesTheGround();
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
    // The glyph's ground is the LCD's, in the box and all around it: no
    // box stands out.
    for (const QPoint point : {QPoint(left, top), QPoint(right - 1, top), QPoint(left, bottom - 1),
                               QPoint(right - 1, bottom - 1), QPoint(left - 1, top),
                               QPoint(right, top), QPoint(left, top - 1), QPoint(left, bottom)})
        QCOMPARE(lcd.at(point.x(), point.y()), Ground);
    // The 8's top row: its second column is a dot, drawn from the box's corner.
    QCOMPARE(lcd.at(left + Device(7, ratio), top + Device(4, ratio)), Dot);
    QCOMPARE(lcd.at(left + Device(7, ratio) - 1, top + Device(4, ratio)), Ground);
}

void LcdImageTest::aHiddenPictureLeavesTheGround() {
    QFETCH(qreal, ratio);
    Fixture lcd(ratio);
    lcd.pictures[0].setHidden(true);
    lcd.image.compose(DigitBox, lcd.pictures);
    const QRect device(QPoint(Device(DigitBox.left(), ratio), Device(DigitBox.top(), ratio)),
                       QPoint(Device(DigitBox.left() + DigitBox.width(), ratio) - 1,
                              Device(DigitBox.top() + DigitBox.height(), ratio) - 1));
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            QCOMPARE(lcd.at(x, y), Ground);
}

void LcdImageTest::copiesTheChangedBoxIntoTheWindowAndNothingElse() {
    QFETCH(qreal, ratio);
    const Fixture lcd(ratio);
    const QRgb Elsewhere = qRgb(1, 2, 3);
    QImage window = WindowAt(ratio);
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
    QImage otherRatio = WindowAt(1.0);
    otherRatio.setDevicePixelRatio(2.0);
    QVERIFY(!lcd.image.copyTo(otherRatio, DigitBox));
}

QTEST_MAIN(LcdImageTest)
#include "lcd_image_test.moc"
