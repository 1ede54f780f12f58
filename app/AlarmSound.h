#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QString>

struct ca_context;

namespace pomelo {

// Plays the alarm's sound file through the desktop's event-sound library.
// The library is loaded and its context opened at the first alarm, so a
// gadget that never rings pays nothing for it. Any failure is silence.
class AlarmSound {
public:
    AlarmSound();
    ~AlarmSound();
    AlarmSound(const AlarmSound &) = delete;
    AlarmSound &operator=(const AlarmSound &) = delete;

    // Starts the file playing and returns at once. A sound of ours still
    // playing is not cut off; this one is skipped instead.
    void play(const QString &path);

private:
    bool open();
    bool createContext();
    int start(const QByteArray &file);

    using CreateFn = int (*)(ca_context **);
    using DestroyFn = int (*)(ca_context *);
    using PlayFn = int (*)(ca_context *, unsigned, ...);
    using PlayingFn = int (*)(ca_context *, unsigned, int *);
    using StrErrorFn = const char *(*)(int);

    QLibrary library_;
    bool tried_ = false;
    ca_context *context_ = nullptr;
    CreateFn create_ = nullptr;
    DestroyFn destroy_ = nullptr;
    PlayFn play_ = nullptr;
    PlayingFn playing_ = nullptr;
    StrErrorFn strError_ = nullptr;
};

} // namespace pomelo
