#include "app/CountFile.h"

#include "app/Logging.h"
#include "app/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pomelo {
namespace {

QString UserStateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state))
        return state;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

bool IsSymLink(const QString &path) {
    return QFileInfo(path).isSymLink();
}

} // namespace

CountFile::CountFile()
    : CountFile(UserStateFolder() + QStringLiteral("/pomelo")) {}

CountFile::CountFile(QString folder)
    : folder_(std::move(folder)) {}

QString CountFile::path() const {
    return folder_ + QStringLiteral("/count");
}

std::optional<std::string> CountFile::read() const {
    QFile file(path());
    if (!file.exists() && !IsSymLink(path()))
        return std::nullopt;
    if (IsSymLink(path()) || IsSymLink(folder_)) {
        qCWarning(lcCount) << "not following the symlink" << path();
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcCount) << "cannot read" << path() << file.errorString();
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

void CountFile::write(std::string_view contents) const {
    if (PrivateFolder(folder_).isEmpty() || IsSymLink(path())) {
        qCWarning(lcCount) << "cannot keep the count in" << folder_
                           << "(not a private folder, or the file is a symlink)";
        return;
    }
    QSaveFile file(path());
    const auto size = static_cast<qint64>(contents.size());
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(contents.data(), size) != size || !file.commit())
        qCWarning(lcCount) << "cannot write" << path() << file.errorString();
}

} // namespace pomelo
