#include "app/bus/SingleInstance.h"

#include "app/desktop/PrivateFolder.h"
#include "app/log/Logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pomelo {
namespace {

// The whole file, for fcntl's record locks: unlike flock, F_GETLK tells who
// holds one without taking it, so that a query never keeps a copy away.
struct flock WholeFile(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    return range;
}

// Opens the lock file for writing, never through a symlink: one found in its
// place (in a folder only the user may write) is replaced by the file.
int OpenForLocking(const QByteArray &path) {
    constexpr int Flags = O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC;
    int file = open(path.constData(), Flags, 0600);
    if (file < 0 && errno == ELOOP && unlink(path.constData()) == 0)
        file = open(path.constData(), Flags, 0600);
    return file;
}

// The holder's process id, for people and tools that look into the file;
// the program itself asks the kernel.
void WriteProcessId(int file) {
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (ftruncate(file, 0) != 0 || pwrite(file, text.constData(), text.size(), 0) != text.size())
        qCDebug(lcLock) << "cannot write the process id into the instance lock:"
                        << std::strerror(errno);
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
    : path_(lockPath()) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::take() {
    if (file_ < 0 && !path_.isEmpty())
        file_ = OpenForLocking(QFile::encodeName(path_));
    if (file_ < 0) {
        // A lock that cannot be had at all must not keep the gadget away.
        qCWarning(lcLock) << "cannot create the instance lock; starting anyway:"
                          << (path_.isEmpty() ? "no folder for it" : std::strerror(errno));
        return true;
    }
    struct flock range = WholeFile(F_WRLCK);
    if (fcntl(file_, F_SETLK, &range) == 0) {
        WriteProcessId(file_);
        return true;
    }
    if (errno == EAGAIN || errno == EACCES)
        return false;
    qCWarning(lcLock) << "cannot take the instance lock; starting anyway:" << std::strerror(errno);
    return true;
}

void SingleInstance::release() {
    // The file stays: a copy that opened it meanwhile locks the same file.
    if (file_ >= 0)
        close(file_);
    file_ = -1;
}

std::optional<qint64> SingleInstance::holder() const {
    if (path_.isEmpty())
        return std::nullopt;
    // Asked through the descriptor this process holds, if any, as closing
    // another one would give its lock up.
    const int file =
        file_ >= 0 ? file_
                   : open(QFile::encodeName(path_).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    struct flock range = WholeFile(F_WRLCK);
    const bool asked = fcntl(file, F_GETLK, &range) == 0;
    if (file != file_)
        close(file);
    if (!asked || range.l_type == F_UNLCK)
        return std::nullopt;
    return range.l_pid;
}

} // namespace pomelo
