#include "app/CountFile.h"

#include "app/Logging.h"
#include "app/PrivateFolder.h"
#include "app/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

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
    // Neither waiting for a writer to a FIFO nor following a symlink; what
    // the file is, is asked of the file opened rather than of its name.
    const int descriptor =
        open(QFile::encodeName(path()).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ELOOP)
            qCWarning(lcCount) << "not following the symlink" << path();
        else if (errno != ENOENT)
            qCWarning(lcCount) << "cannot read" << path() << qt_error_string(errno);
        return std::nullopt;
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (PrivateFolder(folder_).isEmpty()) {
        qCWarning(lcCount) << "not reading the count from" << folder_ << "(not a private folder)";
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        qCWarning(lcCount) << "not reading" << path() << "(not a regular file)";
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MostCountFileBytes + 1);
    if (bytes.size() > MostCountFileBytes) {
        qCWarning(lcCount) << "not reading" << path() << "(larger than" << MostCountFileBytes
                           << "bytes)";
        return std::nullopt;
    }
    return bytes.toStdString();
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
