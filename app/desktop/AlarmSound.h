#pragma once

#include "state/SoundOutcome.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QThread;

namespace pomelo {

class SoundPlayer;

// The alarm's sound as the window meets it: asking for it, or stopping it,
// never waits, since a SoundPlayer on a thread of its own talks to the sound
// server. What became of the sound comes back as `outcome`, and a server
// that has not answered within a few seconds is told as not answering. The
// thread starts at the first alarm, so a gadget that never rings pays
// nothing for it.
class AlarmSound : public QObject {
    Q_OBJECT
public:
    AlarmSound();
    // Waits a little for the thread to end; one that waits on a hung sound
    // server is left behind for the ending process to take down.
    ~AlarmSound() override;

    void play(const QString &path);
    void stop();

Q_SIGNALS:
    // What became of the sound last asked for.
    void outcome(pomelo::SoundOutcome sound);

private:
    void played(quint64 request, SoundOutcome sound);
    void noAnswer();

    QThread *thread_ = nullptr;
    SoundPlayer *player_ = nullptr;
    quint64 lastRequest_ = 0;
    bool toldNoAnswer_ = false;
    QTimer answerDeadline_;
};

} // namespace pomelo
