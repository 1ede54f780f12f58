#include "app/desktop/SoundPlayer.h"

#include "app/desktop/WaveFileCheck.h"
#include "app/log/Logging.h"

#include <QFile>
#include <canberra.h>

namespace pomelo {
namespace {

// Our one sound; asking whether it still plays, or stopping it, needs an id.
constexpr unsigned AlarmSoundId = 1;

// What an error of libcanberra's playing a file that passed its check means
// for the user: mostly the sound server's doing, or the file changed since.
SoundOutcome OutcomeOf(int error) {
    switch (error) {
    case CA_SUCCESS:
        return SoundOutcome::Playing;
    case CA_ERROR_NOTFOUND:
        return SoundOutcome::NoFile;
    case CA_ERROR_ACCESS:
        return SoundOutcome::UnreadableFile;
    case CA_ERROR_CORRUPT:
        return SoundOutcome::BrokenFile;
    case CA_ERROR_TOOBIG:
        return SoundOutcome::TooLargeFile;
    case CA_ERROR_NOTSUPPORTED:
        return SoundOutcome::UnsupportedFormat;
    case CA_ERROR_NOTAVAILABLE:
    case CA_ERROR_DISCONNECTED:
    case CA_ERROR_STATE:
    case CA_ERROR_IO:
    case CA_ERROR_NODRIVER:
        return SoundOutcome::NoServer;
    default:
        return SoundOutcome::Failed;
    }
}

} // namespace

SoundPlayer::~SoundPlayer() {
    if (context_ != nullptr)
        ca_context_destroy(context_);
}

bool SoundPlayer::open() {
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

int SoundPlayer::playOnContext(const QByteArray &file) {
    // No event id: the file alone is played, never a theme's sound instead.
    return ca_context_play(context_, AlarmSoundId, CA_PROP_MEDIA_FILENAME, file.constData(),
                           CA_PROP_MEDIA_ROLE, "alarm", nullptr);
}

SoundOutcome SoundPlayer::playFile(const QString &path) {
    if (const std::optional<SoundOutcome> problem = WaveFileProblem(path))
        return *problem;
    // Whatever the reason, a context that cannot be opened has no server
    // (or device) to play on.
    if (!open())
        return SoundOutcome::NoServer;
    int playing = 0;
    if (ca_context_playing(context_, AlarmSoundId, &playing) == CA_SUCCESS && playing != 0)
        return SoundOutcome::Playing;
    const QByteArray file = QFile::encodeName(path);
    int error = playOnContext(file);
    // A context stays broken once its sound server went away (restarted, say);
    // a new one connects afresh.
    if (error == CA_ERROR_STATE || error == CA_ERROR_DISCONNECTED) {
        qCInfo(lcSound) << "the sound context broke:" << ca_strerror(error) << "- opening anew";
        ca_context_destroy(context_);
        context_ = nullptr;
        if (!open())
            return SoundOutcome::NoServer;
        error = playOnContext(file);
    }
    if (error != CA_SUCCESS)
        qCWarning(lcSound) << "cannot play" << path << ca_strerror(error);
    else
        qCDebug(lcSound) << "playing" << path;
    return OutcomeOf(error);
}

void SoundPlayer::play(quint64 request, const QString &path) {
    Q_EMIT played(request, playFile(path));
}

void SoundPlayer::stop() {
    if (context_ == nullptr)
        return;
    if (const int error = ca_context_cancel(context_, AlarmSoundId); error != CA_SUCCESS)
        qCInfo(lcSound) << "cannot stop the sound:" << ca_strerror(error);
    else
        qCDebug(lcSound) << "stopped the sound";
}

} // namespace pomelo
