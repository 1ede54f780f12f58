#include "app/SingleInstance.h"

#include "app/Logging.h"
#include "app/PrivateFolder.h"

#include <QDir>
#include <QStandardPaths>

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
    locked_ = !lock_.fileName().isEmpty() && lock_.tryLock(0);
    // Only another running copy keeps this one from starting; a lock that
    // cannot be written at all must not keep the gadget away.
    if (!locked_ && lock_.error() != QLockFile::LockFailedError) {
        qCWarning(lcWindow) << "cannot create the instance lock; starting anyway";
        locked_ = true;
    }
}

} // namespace pomelo
