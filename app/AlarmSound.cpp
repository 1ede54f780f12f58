#include "app/AlarmSound.h"

#include "app/Logging.h"

#include <QFileInfo>
#include <canberra.h>

namespace pomelo {
namespace {

// Our one sound; asking whether it still plays, or stopping it, needs an id.
constexpr unsigned AlarmSoundId = 1;

// What an error of libcanberra's means for the user.
SoundOutcome OutcomeOf(int error) {
    switch (error) {
    case CA_SUCCESS:
        return SoundOutcome::Playing;
    case CA_ERROR_NOTFOUND:
        return SoundOutcome::NoFile;
    case CA_ERROR_ACCESS:
    case CA_ERROR_IO:
        return SoundOutcome::UnreadableFile;
    case CA_ERROR_CORRUPT:
    case CA_ERROR_NOTSUPPORTED:
    case CA_ERROR_TOOBIG:
        return SoundOutcome::BrokenFile;
    case CA_ERROR_NOTAVAILABLE:
    case CA_ERROR_DISCONNECTED:
    case CA_ERROR_STATE:
        return SoundOutcome::NoServer;
    default:
        return SoundOutcome::Failed;
    }
}

} // namespace

AlarmSound::~AlarmSound() {
    if (context_ != nullptr)
        ca_context_destroy(context_);
}

bool AlarmSound::open() {
    if (context_ != nullptr)
        return true;
    int error = ca_context_create(&context_);
    if (error == CA_SUCCESS)
        error = ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "pomelo",
                                        CA_PROP_APPLICATION_ID, POMELO_APP_ID, nullptr);
    // Connecting here tells a missing sound server from a bad file.
    if (error == CA_SUCCESS)
        error = ca_context_open(context_);
    if (error == CA_SUCCESS)
        return true;
    qCWarning(lcSound) << "cannot open a sound context:" << ca_strerror(error);
    if (context_ != nullptr)
        ca_context_destroy(context_);
    context_ = nullptr;
    return false;
}

int AlarmSound::start(const QByteArray &file) {
    // No event id: the file alone is played, never a theme's sound instead.
    return ca_context_play(context_, AlarmSoundId, CA_PROP_MEDIA_FILENAME, file.constData(),
                           CA_PROP_MEDIA_ROLE, "alarm", nullptr);
}

SoundOutcome AlarmSound::play(const QString &path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        qCInfo(lcSound) << "no sound file at" << path;
        return SoundOutcome::NoFile;
    }
    if (!info.isReadable()) {
        qCInfo(lcSound) << "cannot read the sound file" << path;
        return SoundOutcome::UnreadableFile;
    }
    // Whatever the reason, a context that cannot be opened has no server
    // (or device) to play on.
    if (!open())
        return SoundOutcome::NoServer;
    int playing = 0;
    if (ca_context_playing(context_, AlarmSoundId, &playing) == CA_SUCCESS && playing != 0)
        return SoundOutcome::Playing;
    const QByteArray file = QFile::encodeName(path);
    int error = start(file);
    // A context stays broken once its sound server went away (restarted, say);
    // a new one connects afresh.
    if (error == CA_ERROR_STATE || error == CA_ERROR_DISCONNECTED) {
        qCInfo(lcSound) << "the sound context broke:" << ca_strerror(error) << "- opening anew";
        ca_context_destroy(context_);
        context_ = nullptr;
        if (!open())
            return SoundOutcome::NoServer;
        error = start(file);
    }
    if (error != CA_SUCCESS)
        qCWarning(lcSound) << "cannot play" << path << ca_strerror(error);
    else
        qCDebug(lcSound) << "playing" << path;
    return OutcomeOf(error);
}

void AlarmSound::stop() {
    if (context_ == nullptr)
        return;
    if (const int error = ca_context_cancel(context_, AlarmSoundId); error != CA_SUCCESS)
        qCInfo(lcSound) << "cannot stop the sound:" << ca_strerror(error);
    else
        qCDebug(lcSound) << "stopped the sound";
}

} // namespace pomelo
