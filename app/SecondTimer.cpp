#include "app/SecondTimer.h"

#include "app/Logging.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace pomelo {
namespace {

// Wake this long after the boundary, so that the clock read by the tick is
// surely in the new second.
constexpr int MarginMs = 1;

// A wall-clock instant that never comes: the clock-change timer exists only
// to be cancelled when the wall clock is set.
constexpr std::time_t Never = 4102444800; // 2100-01-01

int MillisecondsToNextSecond() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return 1000 - static_cast<int>(now.tv_nsec / 1000000) + MarginMs;
}

} // namespace

SecondTimer::SecondTimer(QObject *parent)
    : QObject(parent) {
    next_.setSingleShot(true);
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
    armForNextSecond();
    emit timeout();
}

void SecondTimer::armForNextSecond() {
    next_.start(MillisecondsToNextSecond());
}

void SecondTimer::watchForClockChanges() {
    if (clockChangeFd_ < 0) {
        clockChangeFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (clockChangeFd_ < 0) {
            qCWarning(lcWindow) << "cannot watch the wall clock for changes";
            return;
        }
        clockChangeNotifier_ =
            std::make_unique<QSocketNotifier>(clockChangeFd_, QSocketNotifier::Read);
        connect(clockChangeNotifier_.get(), &QSocketNotifier::activated, this,
                &SecondTimer::clockChanged);
    }
    const itimerspec never{{0, 0}, {Never, 0}};
    timerfd_settime(clockChangeFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
    clockChangeNotifier_->setEnabled(true);
}

void SecondTimer::clockChanged() {
    // Reading reports ECANCELED once the clock was set; the timer must then
    // be armed again to watch for the next change.
    std::uint64_t expirations = 0;
    if (read(clockChangeFd_, &expirations, sizeof expirations) < 0 && errno != ECANCELED &&
        errno != EAGAIN)
        qCWarning(lcWindow) << "watching the wall clock failed";
    watchForClockChanges();
    wake();
}

} // namespace pomelo
