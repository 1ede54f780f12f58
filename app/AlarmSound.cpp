#include "app/AlarmSound.h"

#include "app/Logging.h"

#include <QFileInfo>
#include <canberra.h>

namespace pomelo {
namespace {

// Our one sound; asking whether it still plays needs an id.
constexpr unsigned AlarmSoundId = 1;

} // namespace

AlarmSound::AlarmSound()
    : library_(QStringLiteral("canberra"), 0) {}

AlarmSound::~AlarmSound() {
    if (context_ != nullptr)
        destroy_(context_);
}

bool AlarmSound::open() {
    if (!tried_) {
        tried_ = true;
        if (!library_.load()) {
            qCWarning(lcSound) << "no sound library:" << library_.errorString();
            return false;
        }
        auto create = reinterpret_cast<CreateFn>(library_.resolve("ca_context_create"));
        destroy_ = reinterpret_cast<DestroyFn>(library_.resolve("ca_context_destroy"));
        play_ = reinterpret_cast<PlayFn>(library_.resolve("ca_context_play"));
        playing_ = reinterpret_cast<PlayingFn>(library_.resolve("ca_context_playing"));
        strError_ = reinterpret_cast<StrErrorFn>(library_.resolve("ca_strerror"));
        if (create == nullptr || destroy_ == nullptr || play_ == nullptr || playing_ == nullptr ||
            strError_ == nullptr) {
            qCWarning(lcSound) << "the sound library lacks a function it should have";
            return false;
        }
        create_ = create;
    }
    if (create_ == nullptr)
        return false;
    return context_ != nullptr || createContext();
}

bool AlarmSound::createContext() {
    if (const int error = create_(&context_); error != CA_SUCCESS) {
        qCWarning(lcSound) << "cannot create a sound context:" << strError_(error);
        context_ = nullptr;
        return false;
    }
    return true;
}

int AlarmSound::start(const QByteArray &file) {
    // No event id: the file alone is played, never a theme's sound instead.
    return play_(context_, AlarmSoundId, CA_PROP_MEDIA_FILENAME, file.constData(),
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
    if (playing_(context_, AlarmSoundId, &playing) == CA_SUCCESS && playing != 0)
        return;
    const QByteArray file = QFile::encodeName(path);
    int error = start(file);
    // A context stays broken once its sound server went away (restarted, say);
    // a new one connects afresh.
    if (error == CA_ERROR_STATE || error == CA_ERROR_DISCONNECTED) {
        qCInfo(lcSound) << "the sound context broke:" << strError_(error) << "- opening anew";
        destroy_(context_);
        context_ = nullptr;
        if (!createContext())
            return;
        error = start(file);
    }
    if (error != CA_SUCCESS)
        qCWarning(lcSound) << "cannot play" << path << strError_(error);
}

} // namespace pomelo
