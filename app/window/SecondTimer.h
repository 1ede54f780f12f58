#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class QSocketNotifier;

namespace pomelo {

// Fires just after every wall-clock second boundary, instead of polling ten
// times a second. It beats once a second and is armed afresh from the wall
// clock whenever a wake finds itself out of step, and a change of the wall
// clock (set by hand, by time sync, or on resume) wakes it at once, so it
// stays in step with the clock that the display shows.
class SecondTimer : public QObject {
    Q_OBJECT
public:
    explicit SecondTimer(QObject *parent = nullptr);
    ~SecondTimer() override;

    void start();
    void stop();
    bool isActive() const { return next_.isActive(); }

Q_SIGNALS:
    void timeout();

private:
    void wake();
    void armForNextSecond();
    void watchForClockChanges();
    void clockChanged();
    // Logs, the first time only, that the wall clock cannot be watched; the
    // timer still finds its way back in step at its next wake.
    void cannotWatchClock();

    QTimer next_;
    int clockChangeFd_ = -1;
    std::unique_ptr<QSocketNotifier> clockChangeNotifier_;
    bool toldCannotWatch_ = false;
};

} // namespace pomelo
