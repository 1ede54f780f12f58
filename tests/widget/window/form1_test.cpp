#include "TestWindow.h"
#include "app/face/PictureBox.h"
#include "app/window/SecondTimer.h"

#include <QTest>
#include <QWindow>
#include <memory>

using namespace pomelo;

namespace {

// Where two pictures of the window differ.
QRect Changed(const QImage &before, const QImage &after) {
    QRect changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUpPlacesAndHidesAllFiftyPictures();
    void keyAreasSitOnTheirKeys();
    void toolTipsOfTheCommandKeys();
    void everyKeyAreaReachesItsHandler_data();
    void everyKeyAreaReachesItsHandler();
    void clicksOnTheLcdAndRightClicksOnKeysDoNothing();
    void aHeldKeyShowsPressedUntilReleasedOrLeft();
    void aTypedKeyShowsPressedForAMoment();
    void maskKeepsTheFaceLessTwoColumnsWithRoundedCorners();
    void offKeyWritesTheSettingsAndEnds();
    void firstTickDrawsTheDisplay();
    void stackingReportsTheLayerTheWindowIsIn();

private:
    void clickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton);
    // The window on the screen, once the first tick has drawn the display.
    bool showDrawn();
    QImage shot() { return window_->form().grab().toImage(); }

    std::unique_ptr<test::TestWindow> window_;
};

void Form1Test::init() {
    window_ = std::make_unique<test::TestWindow>();
}

void Form1Test::cleanup() {
    window_.reset();
}

void Form1Test::clickAt(QPoint point, Qt::MouseButton button) {
    // Through the window, so the click lands on whichever child is there.
    QTest::mouseClick(window_->form().windowHandle(), button, {}, point);
}

bool Form1Test::showDrawn() {
    if (!window_->show())
        return false;
    return QTest::qWaitFor(
        [this] { return !window_->form().picture(PictureArray::Picture4, 0)->isHidden(); });
}

void Form1Test::startUpPlacesAndHidesAllFiftyPictures() {
    const int cellLeft[4] = {23, 47, 91, 115}; // 345, 705, 1365, 1725 twips
    for (int array = 1; array <= 5; ++array) {
        for (int index = 0; index < 10; ++index) {
            const PictureBox *box =
                window_->form().picture(static_cast<PictureArray>(array), index);
            QVERIFY(box->isHidden());
            if (array <= 4) {
                QCOMPARE(box->geometry(), QRect(cellLeft[array - 1], 19, 24, 41));
            }
        }
    }
    QCOMPARE(window_->form().picture(PictureArray::Picture5, 0)->geometry(), QRect(71, 19, 20, 41));
    QCOMPARE(window_->form().picture(PictureArray::Picture5, 6)->geometry(),
             QRect(143, 37, 19, 27));
}

void Form1Test::keyAreasSitOnTheirKeys() {
    QCOMPARE(window_->form().size(), QSize(184, 155));
    QCOMPARE(window_->key(Key::Start)->geometry(), QRect(109, 121, 66, 25)); // START
    QCOMPARE(window_->key(Key::Zero)->geometry(), QRect(12, 98, 30, 21));    // 0
    QCOMPARE(window_->key(Key::Five)->geometry(), QRect(13, 74, 28, 23));    // 5
    for (int control = 1; control <= KeyCount; ++control)
        QCOMPARE(window_->key(static_cast<Key>(control))->objectName(),
                 QStringLiteral("Image%1").arg(control));
}

void Form1Test::toolTipsOfTheCommandKeys() {
    QVERIFY(window_->key(Key::Off)->toolTip().startsWith(QStringLiteral("終了（最新版は、")));
    QVERIFY(window_->key(Key::Off)->toolTip().endsWith(QStringLiteral("にあります。）")));
    QVERIFY(window_->key(Key::Off)->toolTip().contains(QStringLiteral("://")));
    QCOMPARE(window_->key(Key::Mod)->toolTip(),
             QStringLiteral("モード切替（タイマー計測時には停止します。）"));
    QCOMPARE(window_->key(Key::Clear)->toolTip(),
             QStringLiteral("クリア（タイマー計測時には停止します。）"));
    QCOMPARE(window_->key(Key::Start)->toolTip(),
             QStringLiteral("スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）"));
    for (int control = 1; control <= 10; ++control)
        QVERIFY(window_->key(static_cast<Key>(control))->toolTip().isEmpty());
}

void Form1Test::everyKeyAreaReachesItsHandler_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("opMode");
    QTest::addColumn<int>("runFlag");
    // From a countdown with 12 34 keyed in: a digit key shifts its digit in.
    const int digitOfKey[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    for (int control = 1; control <= 10; ++control) {
        const int digit = digitOfKey[control - 1];
        QTest::addRow("Image%d is the %d key", control, digit)
            << control << 23 << 40 + digit << 0 << 0;
    }
    QTest::newRow("Image12 MOD steps to the clock") << 12 << 0 << 0 << 1 << 0;
    QTest::newRow("Image13 CLR clears") << 13 << 0 << 0 << 0 << 0;
    QTest::newRow("Image14 START runs the countdown") << 14 << 12 << 34 << 0 << 1;
}

void Form1Test::everyKeyAreaReachesItsHandler() {
    QFETCH(int, control);
    QVERIFY(window_->show());
    for (const int key : {1, 2, 3, 4}) // keys 1, 2, 3, 4: 12 34
        clickAt(window_->key(static_cast<Key>(key))->geometry().center());
    QCOMPARE(window_->state().Minutes, 12);
    QCOMPARE(window_->state().Seconds, 34);

    clickAt(window_->key(static_cast<Key>(control))->geometry().center());
    QTEST(window_->state().Minutes, "minutes");
    QTEST(window_->state().Seconds, "seconds");
    QTEST(window_->state().OpMode, "opMode");
    QTEST(window_->state().RunFlag, "runFlag");
}

void Form1Test::clicksOnTheLcdAndRightClicksOnKeysDoNothing() {
    QVERIFY(window_->show());
    clickAt(window_->key(Key::Seven)->geometry().center(), Qt::RightButton);
    clickAt(QPoint(60, 40));   // the LCD
    clickAt(QPoint(100, 150)); // the face below the keys
    QCOMPARE(window_->state().Seconds, 0);
    QCOMPARE(window_->state().Minutes, 0);
}

void Form1Test::aHeldKeyShowsPressedUntilReleasedOrLeft() {
    QVERIFY(showDrawn());
    QWindow *handle = window_->form().windowHandle();
    const QRect five = window_->key(Key::Five)->geometry();
    const QImage before = shot();
    QTest::mousePress(handle, Qt::LeftButton, {}, five.center());
    const QRect pressed = Changed(before, shot());
    QVERIFY(!pressed.isEmpty());
    QVERIFY(five.contains(pressed));
    // Off the key it comes up; back on it, it is down again.
    QTest::mouseMove(handle, QPoint(100, 150));
    QCOMPARE(Changed(before, shot()), QRect());
    QTest::mouseMove(handle, five.center());
    QCOMPARE(Changed(before, shot()), pressed);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, five.center());
    QCOMPARE(window_->state().Seconds, 5);
    QCOMPARE(shot().copy(five), before.copy(five));
}

void Form1Test::aTypedKeyShowsPressedForAMoment() {
    QVERIFY(showDrawn());
    const QRect clear = window_->key(Key::Clear)->geometry();
    const QImage before = shot();
    QTest::keyClick(&window_->form(), Qt::Key_Backspace); // CLR, which changes nothing here
    const QRect pressed = Changed(before, shot());
    QVERIFY(!pressed.isEmpty());
    QVERIFY(clear.contains(pressed));
    QTRY_COMPARE(Changed(before, shot()), QRect());
    // Nothing stays awake for it.
    QVERIFY(!window_->form().findChild<QTimer *>(QStringLiteral("KeyFlash"))->isActive());
}

void Form1Test::maskKeepsTheFaceLessTwoColumnsWithRoundedCorners() {
    const QRegion mask = window_->form().mask();
    QCOMPARE(mask.boundingRect(), QRect(2, 0, 182, 155));
    // The two leftmost columns are cut away all the way down.
    for (int y = 0; y < 155; ++y) {
        QVERIFY(!mask.contains(QPoint(0, y)));
        QVERIFY(!mask.contains(QPoint(1, y)));
    }
    // Straight edges between the corners.
    QVERIFY(mask.contains(QPoint(2, 77)));
    QVERIFY(mask.contains(QPoint(183, 77)));
    QVERIFY(mask.contains(QPoint(92, 0)));
    QVERIFY(mask.contains(QPoint(92, 154)));
    // Each corner is cut off, the more the nearer the corner.
    for (const QPoint corner : {QPoint(2, 0), QPoint(183, 0), QPoint(2, 154), QPoint(183, 154),
                                QPoint(3, 1), QPoint(182, 153)})
        QVERIFY2(!mask.contains(corner),
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    QVERIFY(mask.contains(QPoint(6, 3)));
    QVERIFY(mask.contains(QPoint(179, 151)));
    // Rounding by a 17 x 17 ellipse cuts about (1 - pi/4) * 8.5^2 px per corner.
    qint64 area = 0;
    for (const QRect &rect : mask)
        area += qint64(rect.width()) * rect.height();
    const qint64 full = 182 * 155;
    QVERIFY2(full - area >= 4 * 12 && full - area <= 4 * 20,
             qPrintable(QString::number(full - area)));
}

void Form1Test::offKeyWritesTheSettingsAndEnds() {
    window_->form().move(200, 100);
    QVERIFY(window_->show());
    clickAt(window_->key(Key::Off)->geometry().center());
    QVERIFY(window_->form().isHidden());
    const QByteArray saved("[FORM1]\nMODE= 0\nSTRATF= 0\nPOJIX= 1500\nPOJIY= 3000\nMEMORI= 0\n");
    QFile file(window_->settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    // Nothing acts after OFF: the hidden window's keys still emit clicks, but
    // the gadget takes none, and its timers have stopped.
    window_->key(Key::One)->click();
    window_->key(Key::Start)->click();
    QTest::qWait(250);
    QCOMPARE(window_->state().Seconds, 0);
    QCOMPARE(window_->state().RunFlag, 0);
    QVERIFY(window_->form().picture(PictureArray::Picture4, 1)->isHidden());
    QVERIFY(!window_->form().findChild<SecondTimer *>(QStringLiteral("Timer1"))->isActive());
    QVERIFY(!window_->form().findChild<QTimer *>(QStringLiteral("Timer2"))->isActive());
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), saved);
}

void Form1Test::firstTickDrawsTheDisplay() {
    QVERIFY(window_->show());
    QTRY_VERIFY_WITH_TIMEOUT(!window_->form().picture(PictureArray::Picture4, 0)->isHidden(), 1500);
    for (const PictureArray array :
         {PictureArray::Picture1, PictureArray::Picture2, PictureArray::Picture3})
        QVERIFY(!window_->form().picture(array, 0)->isHidden());
    for (const int shown : {3, 4, 5}) // M, S and the dial
        QVERIFY(!window_->form().picture(PictureArray::Picture5, shown)->isHidden());
    for (const int hidden : {0, 1, 2, 6, 7, 8, 9})
        QVERIFY(window_->form().picture(PictureArray::Picture5, hidden)->isHidden());
}

void Form1Test::stackingReportsTheLayerTheWindowIsIn() {
    // Before the native window exists, and on the live window.
    for (const bool shown : {false, true}) {
        if (shown) {
            QVERIFY(window_->show());
        }
        for (const bool onTop : {true, false, true}) {
            QCOMPARE(window_->effects().setWindowStaysOnTop(onTop), 1);
            const Qt::WindowFlags flags =
                shown ? window_->form().windowHandle()->flags() : window_->form().windowFlags();
            QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), onTop);
        }
    }
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
