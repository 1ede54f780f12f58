#pragma once

#include <QLockFile>
#include <QString>
#include <optional>

namespace pomelo {

// The per-user lock that keeps a second copy of the gadget from running. Only
// a copy that starts takes it; a command for the running copy only looks at
// it, to know which process that is.
class SingleInstance {
public:
    SingleInstance();

    // Takes the lock unless a running copy holds it; a lock left behind by a
    // copy that was killed is taken over. Also true when no lock can be had
    // at all, which must not keep the gadget away.
    bool take();
    // Lets the next copy start, once this one has ended.
    void release();
    // The process id of the running copy that holds the lock, read without
    // taking it; nothing when none does.
    std::optional<qint64> holder() const;

    // Where the lock lives: the session's runtime folder or, where Qt finds
    // none it can use, a private folder in the user's cache. Empty when
    // neither can be had.
    static QString lockPath();

private:
    QLockFile lock_;
};

} // namespace pomelo
