#include "app/face/Lcd.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>

using namespace pomelo;

// The LCD widget: what it tells screen readers, and when it works that out.
class LcdTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsItselfOnlyWhenAScreenReaderAsks();
};

void LcdTest::readsItselfOnlyWhenAScreenReaderAsks() {
    QVERIFY(!QAccessible::isActive());
    QWidget window;
    int readings = 0;
    Lcd lcd(
        [&readings] {
            ++readings;
            return QStringLiteral("12:34");
        },
        &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Changes on the LCD cost no reading while no screen reader listens.
    LcdPictures shown;
    for (int digit = 0; digit < 10; ++digit) {
        shown.Picture4[digit].Visible = true;
        QVERIFY(lcd.show(shown));
        lcd.announceReading();
    }
    QVERIFY(!lcd.show(shown));
    QCOMPARE(readings, 0);

    QAccessibleInterface *text = QAccessible::queryAccessibleInterface(&lcd);
    QVERIFY(text != nullptr);
    QCOMPARE(text->role(), QAccessible::StaticText);
    QCOMPARE(text->text(QAccessible::Name), QStringLiteral("12:34"));
    QCOMPARE(readings, 1);
}

QTEST_MAIN(LcdTest)
#include "lcd_test.moc"
