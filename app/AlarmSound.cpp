#include "app/AlarmSound.h"

#include "app/Logging.h"

#include <QFileInfo>
#include <canberra.h>

namespace pomelo {
namespace {

// Our one sound; asking whether it still plays needs an id.
constexpr unsigned AlarmSoundId = 1;

} // namespace

AlarmSound::~AlarmSound() {
    if (context_ != nullptr)
        ca_context_destroy(context_);
}

bool AlarmSound::open() {
    if (context_ != nullptr)
        return true;
    if (const int error = ca_context_create(&context_); error != CA_SUCCESS) {
        qCWarning(lcSound) << "cannot create a sound context:" << ca_strerror(error);
        context_ = nullptr;
        return false;
    }
    return true;
}

int AlarmSound::start(const QByteArray &file) {
    // No event id: the file alone is played, never a theme's sound instead.
    return ca_context_play(context_, AlarmSoundId, CA_PROP_MEDIA_FILENAME, file.constData(),
                           CA_PROP_APPLICATION_NAME, "pomelo", nullptr);
}

void AlarmSound::play(const QString &path) {
    if (!QFileInfo(path).isFile()) {
        qCInfo(lcSound) << "no sound file at" << path;
        return;
    }
    if (!open())
        return;
    int playing = 0;
    if (ca_context_playing(context_, AlarmSoundId, &playing) == CA_SUCCESS && playing != 0)
        return;
    const QByteArray file = QFile::encodeName(path);
    int error = start(file);
    // A context stays broken once its sound server went away (restarted, say);
    // a new one connects afresh.
    if (error == CA_ERROR_STATE || error == CA_ERROR_DISCONNECTED) {
        qCInfo(lcSound) << "the sound context broke:" << ca_strerror(error) << "- opening anew";
        ca_context_destroy(context_);
        context_ = nullptr;
        if (!open())
            return;
        error = start(file);
    }
    if (error != CA_SUCCESS)
        qCWarning(lcSound) << "cannot play" << path << ca_strerror(error);
}

} // namespace pomelo
