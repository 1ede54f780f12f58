#include "TestWindow.h"
#include "app/face/Lcd.h"
#include "app/window/ClickArea.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>
#include <memory>

using namespace pomelo;

// The keyboard and screen readers reach the same handlers as the clicks.
class KeyboardAccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void digitsOfTheMainRowAndTheKeypadKeyInATime();
    void commandKeys_data();
    void commandKeys();
    void ctrlQSavesAndEnds();
    void keyAreasAreNamedButtonsDescribedByTheirToolTips();
    void lcdReadsWhatItShows();

private:
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString lcdName() const;

    std::unique_ptr<test::TestWindow> window_;
};

void KeyboardAccessibilityTest::init() {
    window_ = std::make_unique<test::TestWindow>();
    QVERIFY(window_->show());
    window_->form().activateWindow();
    QTRY_VERIFY(window_->form().hasFocus());
}

void KeyboardAccessibilityTest::cleanup() {
    window_.reset();
}

void KeyboardAccessibilityTest::type(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&window_->form(), key, modifiers);
}

QString KeyboardAccessibilityTest::lcdName() const {
    QAccessibleInterface *lcd = QAccessible::queryAccessibleInterface(window_->form().lcd());
    return lcd == nullptr ? QStringLiteral("<none>") : lcd->text(QAccessible::Name);
}

void KeyboardAccessibilityTest::digitsOfTheMainRowAndTheKeypadKeyInATime() {
    type(Qt::Key_1);
    type(Qt::Key_2, Qt::KeypadModifier);
    type(Qt::Key_0);
    type(Qt::Key_9, Qt::KeypadModifier);
    QCOMPARE(window_->state().Minutes, 12);
    QCOMPARE(window_->state().Seconds, 9);
    QCOMPARE(lcdName(), QStringLiteral("12:09"));
}

void KeyboardAccessibilityTest::commandKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("runFlag");
    QTest::addColumn<int>("opMode");
    QTest::addColumn<int>("seconds");
    QTest::newRow("Enter starts") << int(Qt::Key_Return) << 0 << 1 << 0 << 5;
    QTest::newRow("keypad Enter starts")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1 << 0 << 5;
    QTest::newRow("Space starts") << int(Qt::Key_Space) << 0 << 1 << 0 << 5;
    QTest::newRow("Backspace clears") << int(Qt::Key_Backspace) << 0 << 0 << 0 << 0;
    QTest::newRow("Delete clears") << int(Qt::Key_Delete) << 0 << 0 << 0 << 0;
    QTest::newRow("M steps the mode") << int(Qt::Key_M) << 0 << 0 << 1 << 0;
    QTest::newRow("Ctrl+M is not M") << int(Qt::Key_M) << int(Qt::ControlModifier) << 0 << 0 << 5;
    QTest::newRow("Q alone is nothing") << int(Qt::Key_Q) << 0 << 0 << 0 << 5;
}

void KeyboardAccessibilityTest::commandKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    type(Qt::Key_5);
    type(static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
    QTEST(window_->state().RunFlag, "runFlag");
    QTEST(window_->state().OpMode, "opMode");
    QTEST(window_->state().Seconds, "seconds");
}

void KeyboardAccessibilityTest::ctrlQSavesAndEnds() {
    type(Qt::Key_M);
    type(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(window_->form().isHidden());
    QFile file(window_->settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("[FORM1]\nMODE= 1\n"));
}

void KeyboardAccessibilityTest::keyAreasAreNamedButtonsDescribedByTheirToolTips() {
    const QStringList names{"1", "2", "3", "4",   "5",   "6",   "7",
                            "8", "9", "0", "OFF", "MOD", "CLR", "START"};
    for (int control = 1; control <= 14; ++control) {
        QAccessibleInterface *button =
            QAccessible::queryAccessibleInterface(window_->key(static_cast<Key>(control)));
        QVERIFY(button != nullptr);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), names[control - 1]);
        QCOMPARE(button->text(QAccessible::Description),
                 window_->key(static_cast<Key>(control))->toolTip());
    }
    // A screen reader's press is a click (animated, so it lands a moment later).
    QAccessibleInterface *seven = QAccessible::queryAccessibleInterface(window_->key(Key::Seven));
    QVERIFY(seven->actionInterface() != nullptr);
    seven->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(window_->state().Seconds, 7);
}

void KeyboardAccessibilityTest::lcdReadsWhatItShows() {
    QAccessibleInterface *lcd = QAccessible::queryAccessibleInterface(window_->form().lcd());
    QVERIFY(lcd != nullptr);
    QCOMPARE(lcd->role(), QAccessible::StaticText);
    QTRY_COMPARE_WITH_TIMEOUT(lcdName(), QStringLiteral("00:00"), 3000);
    type(Qt::Key_4);
    type(Qt::Key_2);
    QCOMPARE(lcdName(), QStringLiteral("00:42"));
    type(Qt::Key_M); // the clock, in the 24-hour form
    QVERIFY(QRegularExpression(QStringLiteral("^(1?[0-9]|2[0-3]):[0-5][0-9]$"))
                .match(lcdName())
                .hasMatch());
    type(Qt::Key_Space); // 12-hour form
    QVERIFY(QRegularExpression(QStringLiteral("^(1[0-2]?|[0-9]):[0-5][0-9] [AP]M$"))
                .match(lcdName())
                .hasMatch());
    type(Qt::Key_M); // the stopwatch
    QCOMPARE(lcdName(), QStringLiteral("00:00"));
}

QTEST_MAIN(KeyboardAccessibilityTest)
#include "keyboard_accessibility_test.moc"
