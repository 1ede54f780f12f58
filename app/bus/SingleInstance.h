#pragma once

#include <QString>
#include <optional>

namespace pomelo {

// The per-user lock that keeps a second copy of the gadget from running: a
// kernel lock on the lock file, which ends with the process that holds it,
// so that nothing a crash, a power loss or a hand edit leaves in the file
// keeps the next copy away. Only a copy that starts takes it; a command for
// the running copy only asks the kernel who holds it.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Takes the lock unless another running copy holds it. Also true when no
    // lock can be had at all, which must not keep the gadget away.
    bool take();
    // Lets the next copy start, once this one has ended.
    void release();
    // The process id of the other copy that holds the lock, asked without
    // taking it; nothing when none does.
    std::optional<qint64> holder() const;

    // Where the lock lives: the session's runtime folder or, where Qt finds
    // none it can use, a private folder in the user's cache. Empty when
    // neither can be had.
    static QString lockPath();

private:
    QString path_;
    // The lock file, open for as long as this process may take the lock:
    // closing any descriptor of the file would give the lock up.
    int file_ = -1;
};

} // namespace pomelo
