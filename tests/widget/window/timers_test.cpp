#include "TestWindow.h"
#include "app/face/PictureBox.h"
#include "app/window/SecondTimer.h"

#include <QElapsedTimer>
#include <QTest>
#include <ctime>
#include <functional>
#include <memory>

using namespace pomelo;

namespace {

qint64 WallClockMs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

// The window's two timers: the tick once per wall-clock second just after
// it begins while the LCD can change without a key, the shake timer only for
// the four steps of an alarm.
class TimersTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tickWakesOncePerSecondJustAfterTheBoundary();
    void tickSleepsWhileOnlyAKeyCanChangeTheLcd();
    void shakeTimerRunsOnlyForTheFourStepsOfAnAlarm();

private:
    std::unique_ptr<test::TestWindow> window_;
};

void TimersTest::init() {
    window_ = std::make_unique<test::TestWindow>();
    window_->form().move(300, 200);
    QVERIFY(window_->show());
}

void TimersTest::cleanup() {
    window_.reset();
}

void TimersTest::tickWakesOncePerSecondJustAfterTheBoundary() {
    auto *timer1 = window_->form().findChild<SecondTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer1 != nullptr);
    window_->key(Key::Mod)->click(); // MOD: the clock changes every second
    QList<qint64> wakes;
    connect(timer1, &SecondTimer::timeout, this, [&wakes] { wakes << WallClockMs(); });
    QTest::qWait(3500);
    QVERIFY2(wakes.size() >= 3 && wakes.size() <= 4, qPrintable(QString::number(wakes.size())));
    for (qsizetype i = 0; i < wakes.size(); ++i) {
        // Within 100 ms after the second began: the display follows it.
        QVERIFY2(wakes[i] % 1000 < 100, qPrintable(QString::number(wakes[i] % 1000)));
        if (i > 0)
            QCOMPARE(wakes[i] / 1000, wakes[i - 1] / 1000 + 1);
    }
}

void TimersTest::tickSleepsWhileOnlyAKeyCanChangeTheLcd() {
    auto *timer1 = window_->form().findChild<SecondTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer1 != nullptr);
    // The first tick draws the stopped countdown, then the tick sleeps.
    QTRY_VERIFY_WITH_TIMEOUT(!timer1->isActive(), 2500);
    QVERIFY(!window_->form().picture(PictureArray::Picture4, 0)->isHidden());

    const auto key = [this](Key pressed) {
        return [this, pressed] { window_->key(pressed)->click(); };
    };
    const auto command = [this](Command::Kind kind, Duration duration = {}) {
        return [this, kind, duration] { window_->gadget().carryOut({kind, duration}); };
    };
    struct Step {
        const char *what;
        std::function<void()> press;
        bool awakeAfterTheNextTick;
    };
    const Step steps[] = {
        {"the 5 key in the stopped countdown", key(Key::Five), false},
        {"START: the countdown runs", key(Key::Start), true},
        {"START: paused", key(Key::Start), false},
        {"MOD: the clock", key(Key::Mod), true},
        {"MOD: the stopwatch, stopped", key(Key::Mod), false},
        {"START: the stopwatch runs", key(Key::Start), true},
        {"START: paused", key(Key::Start), false},
        {"a command: a countdown of 0:30 runs", command(Command::Kind::Countdown, {0, 30}), true},
        {"a command: start, which pauses it", command(Command::Kind::Start), false},
        {"a command: the clock", command(Command::Kind::Clock), true},
    };
    for (const Step &step : steps) {
        step.press();
        QVERIFY2(timer1->isActive(), step.what);
        int ticks = 0;
        const auto counting = connect(timer1, &SecondTimer::timeout, this, [&ticks] { ++ticks; });
        QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 2500);
        disconnect(counting);
        QVERIFY2(timer1->isActive() == step.awakeAfterTheNextTick, step.what);
    }
}

void TimersTest::shakeTimerRunsOnlyForTheFourStepsOfAnAlarm() {
    auto *timer2 = window_->form().findChild<QTimer *>(QStringLiteral("Timer2"));
    QVERIFY(timer2 != nullptr);
    QTest::qWait(1100);
    QVERIFY(!timer2->isActive());

    struct Step {
        qint64 ms;
        QPoint pos;
    };
    QList<Step> steps;
    QElapsedTimer clock;
    clock.start();
    connect(timer2, &QTimer::timeout, this, [&] {
        steps << Step{clock.elapsed(), window_->form().pos()};
    });

    window_->key(Key::Two)->click();   // 00 02
    window_->key(Key::Start)->click(); // START
    const QPoint home = window_->form().pos() + QPoint(40, 30);
    window_->form().move(home); // dragged while counting: the shake comes home here
    QTRY_VERIFY_WITH_TIMEOUT(timer2->isActive(), 3500);
    QTRY_VERIFY_WITH_TIMEOUT(!timer2->isActive(), 1000);
    QTest::qWait(300);

    QCOMPARE(steps.size(), 4);
    for (int step = 0; step < 3; ++step) {
        const QPoint offset = steps[step].pos - home;
        QVERIFY(offset.x() >= 0 && offset.x() < 67); // under 1000 twips
        QVERIFY(offset.y() >= 0 && offset.y() < 67);
    }
    QCOMPARE(steps[3].pos, home);
    for (int step = 1; step < 4; ++step) {
        const qint64 gap = steps[step].ms - steps[step - 1].ms;
        QVERIFY2(gap >= 90 && gap <= 250, qPrintable(QString::number(gap)));
    }
    QCOMPARE(window_->state().ShakeCount, 0);
}

QTEST_MAIN(TimersTest)
#include "timers_test.moc"
