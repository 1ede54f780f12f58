#include "app/window/SecondTimer.h"

#include "app/log/Logging.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#include <utility>

namespace pomelo {
namespace {

// Wake this long after the boundary, so that the clock read by the tick is
// surely in the new second.
constexpr int MarginMs = 1;
// A wake this much later than that, or before the boundary (the wall clock
// slewed against the timer's clock), arms the timer afresh.
constexpr int LateMs = 3;
constexpr int SecondMs = 1000;

// A wall-clock instant that never comes: the clock-change timer exists only
// to be cancelled when the wall clock is set.
constexpr std::time_t Never = 4102444800; // 2100-01-01

int MillisecondsIntoSecond() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<int>(now.tv_nsec / 1000000);
}

} // namespace

SecondTimer::SecondTimer(QObject *parent)
    : QObject(parent) {
    next_.setTimerType(Qt::PreciseTimer);
    connect(&next_, &QTimer::timeout, this, &SecondTimer::wake);
}

SecondTimer::~SecondTimer() {
    clockChangeNotifier_.reset();
    if (clockChangeFd_ >= 0)
        close(clockChangeFd_);
}

void SecondTimer::start() {
    watchForClockChanges();
    armForNextSecond();
}

void SecondTimer::stop() {
    next_.stop();
    if (clockChangeNotifier_)
        clockChangeNotifier_->setEnabled(false);
}

void SecondTimer::wake() {
    // Once in step with the wall clock, the timer keeps its beat of a second
    // and is armed again only when the two drift apart.
    if (MillisecondsIntoSecond() > MarginMs + LateMs)
        armForNextSecond();
    else if (next_.interval() != SecondMs)
        next_.start(SecondMs);
    Q_EMIT timeout();
}

void SecondTimer::armForNextSecond() {
    next_.start(SecondMs - MillisecondsIntoSecond() + MarginMs);
}

void SecondTimer::watchForClockChanges() {
    if (clockChangeFd_ < 0) {
        clockChangeFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (clockChangeFd_ < 0) {
            cannotWatchClock();
            return;
        }
        clockChangeNotifier_ =
            std::make_unique<QSocketNotifier>(clockChangeFd_, QSocketNotifier::Read);
        connect(clockChangeNotifier_.get(), &QSocketNotifier::activated, this,
                &SecondTimer::clockChanged);
    }
    const itimerspec never{{0, 0}, {Never, 0}};
    if (timerfd_settime(clockChangeFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never,
                        nullptr) < 0) {
        cannotWatchClock();
        return;
    }
    clockChangeNotifier_->setEnabled(true);
}

void SecondTimer::cannotWatchClock() {
    if (!std::exchange(toldCannotWatch_, true))
        qCWarning(lcClock) << "cannot watch the wall clock for changes:" << qt_error_string(errno);
}

void SecondTimer::clockChanged() {
    // Reading reports ECANCELED once the clock was set; the timer must then
    // be armed again to watch for the next change.
    std::uint64_t expirations = 0;
    if (read(clockChangeFd_, &expirations, sizeof expirations) < 0 && errno != ECANCELED &&
        errno != EAGAIN)
        qCWarning(lcClock) << "watching the wall clock failed";
    watchForClockChanges();
    wake();
}

} // namespace pomelo
