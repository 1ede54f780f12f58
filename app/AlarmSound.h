#pragma once

#include "state/Effects.h"

#include <QByteArray>
#include <QString>

struct ca_context;

namespace pomelo {

// Plays the alarm's sound file through libcanberra, as an alarm (the stream's
// media.role), so that a desktop whose event sounds are muted or turned down
// still rings; the volume is the user's. Its context, and with it the
// connection to the sound server, is opened at the first alarm, so a gadget
// that never rings pays nothing for it.
class AlarmSound {
public:
    AlarmSound() = default;
    ~AlarmSound();
    AlarmSound(const AlarmSound &) = delete;
    AlarmSound &operator=(const AlarmSound &) = delete;

    // Starts the file playing and returns at once, telling whether it plays
    // or why not. A sound of ours still playing is not cut off; this one is
    // skipped instead. Any failure is silence.
    SoundOutcome play(const QString &path);
    // Stops our sound at once, if it still plays.
    void stop();

private:
    bool open();
    int start(const QByteArray &file);

    ca_context *context_ = nullptr;
};

} // namespace pomelo
