#pragma once

#include "state/SoundOutcome.h"

#include <QByteArray>
#include <QObject>
#include <QString>

struct ca_context;

namespace pomelo {

// Plays the alarm's sound file through libcanberra, as an alarm (the stream's
// media.role), so that a desktop whose event sounds are muted or turned down
// still rings; the volume is the user's. It lives on a thread of its own,
// since libcanberra waits for the sound server, which may not answer for
// half a minute; its context, and with it the connection to the sound
// server, is opened at the first alarm and closed with it.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    SoundPlayer() = default;
    ~SoundPlayer() override;

    // Checks the file and starts it playing, then tells what became of it
    // as `played`, naming the request. A sound of ours still playing is not
    // cut off; this one is skipped instead. Any failure is silence.
    void play(quint64 request, const QString &path);
    // Stops our sound at once, if it still plays.
    void stop();

Q_SIGNALS:
    void played(quint64 request, pomelo::SoundOutcome sound);

private:
    SoundOutcome playFile(const QString &path);
    bool open();
    int playOnContext(const QByteArray &file);

    ca_context *context_ = nullptr;
};

} // namespace pomelo
