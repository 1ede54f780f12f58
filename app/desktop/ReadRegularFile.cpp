#include "app/desktop/ReadRegularFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace pomelo {

std::optional<QByteArray> ReadRegularFile(const QLoggingCategory &log, const QString &path,
                                          qint64 mostBytes) {
    // What the file is, is asked of the file opened rather than of its name.
    const int descriptor =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ELOOP)
            qCWarning(log) << "not following the symlink" << path;
        else if (errno != ENOENT)
            qCWarning(log) << "cannot read" << path << qt_error_string(errno);
        return std::nullopt;
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        qCWarning(log) << "not reading" << path << "(not a regular file)";
        return std::nullopt;
    }
    QByteArray bytes = file.read(mostBytes + 1);
    if (bytes.size() > mostBytes) {
        qCWarning(log) << "not reading" << path << "(larger than" << mostBytes << "bytes)";
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        qCWarning(log) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace pomelo
