#include "app/SingleInstance.h"

#include "app/Logging.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace pomelo {
namespace {

// `path` as a folder only this user can enter: created with mode 0700 where
// missing, refused when it is a symlink or belongs to someone else. Empty
// when it cannot be had.
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

} // namespace

QString SingleInstance::lockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = PrivateFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/pomelo.lock");
}

SingleInstance::SingleInstance()
    : lock_(lockPath()) {
    // Held for the program's whole life: never stale by age, only when the
    // process that wrote it is gone.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::take() {
    if (!lock_.fileName().isEmpty() && lock_.tryLock(0))
        return true;
    // Only another running copy keeps this one from starting; a lock that
    // cannot be written at all must not keep the gadget away.
    if (lock_.error() == QLockFile::LockFailedError)
        return false;
    qCWarning(lcWindow) << "cannot create the instance lock; starting anyway";
    return true;
}

void SingleInstance::release() {
    lock_.unlock();
}

std::optional<qint64> SingleInstance::holder() const {
    qint64 pid = 0;
    if (lock_.fileName().isEmpty() || !lock_.getLockInfo(&pid, nullptr, nullptr))
        return std::nullopt;
    // A copy that was killed leaves its lock behind.
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return std::nullopt;
    return pid;
}

} // namespace pomelo
