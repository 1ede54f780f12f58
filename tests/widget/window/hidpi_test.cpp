#include "TestWindow.h"
#include "app/face/LcdPixmap.h"
#include "app/window/ClickArea.h"
#include "display/Glyphs.h"

#include <QApplication>
#include <QSet>
#include <QTest>

using namespace pomelo;

namespace {

const QRgb Ground = qRgb(180, 205, 181);
const QRgb Dot = qRgb(0, 0, 0);

// Pixels of `image` in `rect` that are neither the LCD ground nor a dot.
int BlurredPixels(const QImage &image, const QRect &rect) {
    int blurred = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            blurred += pixel != (Ground & 0xFFFFFF) && pixel != (Dot & 0xFFFFFF) ? 1 : 0;
        }
    return blurred;
}

// The colours of `image` in `rect`.
QSet<QRgb> Colours(const QImage &image, const QRect &rect) {
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

// The LCD stays sharp and even, and the keys stay on their keys, at any pixel
// ratio (QT_SCALE_FACTOR, 2 unless given).
class HiDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void glyphsHaveOnlyTwoColoursAtAnyRatio_data();
    void glyphsHaveOnlyTwoColoursAtAnyRatio();
    void windowAtRatioTwoIsSharpAndKeepsItsGeometry();
    void everyModeShowsTheLcdOnOneGround();
};

void HiDpiTest::glyphsHaveOnlyTwoColoursAtAnyRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("3") << 3.0;
}

void HiDpiTest::glyphsHaveOnlyTwoColoursAtAnyRatio() {
    QFETCH(qreal, ratio);
    for (int digit = 0; digit < 10; ++digit) {
        const QImage image = RenderBitmap(DigitGlyph(digit), ratio).toImage();
        QCOMPARE(image.size(), QSize(qRound(25 * ratio), qRound(42 * ratio)));
        QCOMPARE(BlurredPixels(image, image.rect()), 0);
        // Every dot covers whole device pixels: the dot's top-left logical
        // pixel of the 8's top row starts exactly at its scaled position.
        const QImage eight = RenderBitmap(DigitGlyph(8), ratio).toImage();
        const int x = qRound(7 * ratio);
        const int y = qRound(4 * ratio);
        QCOMPARE(eight.pixel(x, y), Dot);
        QCOMPARE(eight.pixel(x - 1, y), Ground);
        QCOMPARE(eight.pixel(x, y - 1), Ground);
    }
}

void HiDpiTest::windowAtRatioTwoIsSharpAndKeepsItsGeometry() {
    test::TestWindow window;
    QVERIFY(window.show());
    Form1 &form = window.form();
    QCOMPARE(form.devicePixelRatioF(), 2.0);
    // Logical geometry is unchanged by the scale.
    QCOMPARE(form.size(), QSize(184, 155));
    QCOMPARE(form.keyArea(Key::Start)->geometry(), QRect(109, 121, 66, 25));

    form.keyArea(Key::Eight)->click();
    form.keyArea(Key::Eight)->click(); // 00 88
    const QImage shot = form.grab().toImage();
    QCOMPARE(shot.size(), QSize(368, 310));
    // A dot of the 8 in the ones of seconds: top row, second column.
    QCOMPARE(shot.pixel((115 + 7) * 2, (19 + 4) * 2), Dot);
    QCOMPARE(shot.pixel((115 + 7) * 2 - 1, (19 + 4) * 2), Ground);
}

void HiDpiTest::everyModeShowsTheLcdOnOneGround() {
    test::TestWindow window;
    QVERIFY(window.show());
    Form1 &form = window.form();
    const qreal ratio = form.devicePixelRatioF();
    const auto device = [ratio](int edge) { return qRound(edge * ratio); };
    const QRect lcd(QPoint(device(18), device(12)), QPoint(device(167) - 1, device(66) - 1));
    // The running countdown (digits, M, S, dial), the clock in 12 hours
    // (colon, A or P), the running stopwatch (M, S, running figure).
    const std::initializer_list<Key> countdown{Key::One, Key::Two, Key::Three, Key::Eight,
                                               Key::Start};
    for (const std::initializer_list<Key> keys :
         {countdown, {Key::Mod, Key::Start}, {Key::Mod, Key::Start}}) {
        for (const Key key : keys)
            form.keyArea(key)->click();
        // The clock shows at the next tick.
        QTRY_COMPARE(Colours(form.grab().toImage(), lcd), (QSet<QRgb>{Ground, Dot}));
    }
}

int main(int argc, char *argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
