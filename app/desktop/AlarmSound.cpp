#include "app/desktop/AlarmSound.h"

#include "app/desktop/SoundPlayer.h"
#include "app/log/Logging.h"

#include <QDeadlineTimer>
#include <QThread>

namespace pomelo {
namespace {

// How long the sound server may take to start the sound before the notice
// says it does not answer; a sound server that works takes milliseconds.
constexpr int AnswerDeadlineMs = 5000;
// How long the program, ending, waits for the sound's thread.
constexpr int LastWaitMs = 1000;

} // namespace

AlarmSound::AlarmSound() {
    answerDeadline_.setSingleShot(true);
    answerDeadline_.setInterval(AnswerDeadlineMs);
    connect(&answerDeadline_, &QTimer::timeout, this, &AlarmSound::noAnswer);
}

AlarmSound::~AlarmSound() {
    if (thread_ == nullptr)
        return;
    // The player, and with it the sound, goes as the thread ends.
    thread_->quit();
    if (thread_->wait(QDeadlineTimer(LastWaitMs))) {
        delete thread_;
        return;
    }
    // Deleting a running QThread aborts the program.
    qCWarning(lcSound) << "the sound server does not answer; the program ends without waiting "
                          "for it";
}

void AlarmSound::play(const QString &path) {
    if (thread_ == nullptr) {
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("sound"));
        player_ = new SoundPlayer;
        player_->moveToThread(thread_);
        connect(thread_, &QThread::finished, player_, &QObject::deleteLater);
        connect(player_, &SoundPlayer::played, this, &AlarmSound::played);
        thread_->start();
    }
    const quint64 request = ++lastRequest_;
    toldNoAnswer_ = false;
    answerDeadline_.start();
    QMetaObject::invokeMethod(
        player_, [player = player_, request, path] { player->play(request, path); },
        Qt::QueuedConnection);
}

void AlarmSound::stop() {
    if (player_ != nullptr)
        QMetaObject::invokeMethod(player_, &SoundPlayer::stop, Qt::QueuedConnection);
}

void AlarmSound::played(quint64 request, SoundOutcome sound) {
    // An earlier alarm's sound, answered and replaced meanwhile, is no news.
    if (request != lastRequest_)
        return;
    answerDeadline_.stop();
    // A server that gave up after not answering has still not answered.
    if (toldNoAnswer_ && sound == SoundOutcome::NoServer)
        return;
    Q_EMIT outcome(sound);
}

void AlarmSound::noAnswer() {
    qCWarning(lcSound) << "the sound server has not answered for" << AnswerDeadlineMs << "ms";
    toldNoAnswer_ = true;
    Q_EMIT outcome(SoundOutcome::NoAnswer);
}

} // namespace pomelo
