#include "app/desktop/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace pomelo {

QString PrivateFolder(const QString &path) {
    if (!QDir::isAbsolutePath(path) || !QDir().mkpath(QFileInfo(path).path()))
        return {};
    const QByteArray native = QFile::encodeName(path);
    mkdir(native.constData(), 0700);
    struct stat status {};
    if (lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != geteuid())
        return {};
    if ((status.st_mode & 077) != 0 && chmod(native.constData(), 0700) != 0)
        return {};
    return path;
}

} // namespace pomelo
