#pragma once

#include <QByteArray>
#include <QString>

struct ca_context;

namespace pomelo {

// Plays the alarm's sound file through libcanberra. Its context, and with it
// the connection to the sound server, is opened at the first alarm, so a
// gadget that never rings pays nothing for it. Any failure is silence.
class AlarmSound {
public:
    AlarmSound() = default;
    ~AlarmSound();
    AlarmSound(const AlarmSound &) = delete;
    AlarmSound &operator=(const AlarmSound &) = delete;

    // Starts the file playing and returns at once. A sound of ours still
    // playing is not cut off; this one is skipped instead.
    void play(const QString &path);

private:
    bool open();
    int start(const QByteArray &file);

    ca_context *context_ = nullptr;
};

} // namespace pomelo
