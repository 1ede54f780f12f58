#include "app/SingleInstance.h"

#include "app/Logging.h"
#include "app/PrivateFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>

namespace pomelo {

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
