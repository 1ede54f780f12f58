#include "app/desktop/CountFile.h"

#include "app/desktop/PrivateFolder.h"
#include "app/desktop/ReadRegularFile.h"
#include "app/desktop/ReplaceFile.h"
#include "app/log/Logging.h"

#include <QDir>
#include <QFileInfo>

namespace pomelo {
namespace {

// A count file is a few short lines; anything larger is not one of ours.
constexpr qint64 MostCountFileBytes = 4096;

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
    const std::optional<QByteArray> bytes = ReadRegularFile(lcCount(), path(), MostCountFileBytes);
    if (!bytes)
        return std::nullopt;
    if (PrivateFolder(folder_).isEmpty()) {
        qCWarning(lcCount) << "not reading the count from" << folder_ << "(not a private folder)";
        return std::nullopt;
    }
    return bytes->toStdString();
}

void CountFile::write(std::string_view contents) const {
    if (PrivateFolder(folder_).isEmpty() || IsSymLink(path())) {
        qCWarning(lcCount) << "cannot keep the count in" << folder_
                           << "(not a private folder, or the file is a symlink)";
        return;
    }
    ReplaceFile(lcCount(), path(), contents, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace pomelo
