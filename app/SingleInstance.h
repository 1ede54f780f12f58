#pragma once

#include <QLockFile>
#include <QString>

namespace pomelo {

// Holds the per-user lock that keeps a second copy of the gadget from running.
// A lock left behind by a copy that was killed is taken over.
class SingleInstance {
public:
    SingleInstance();
    bool isFirst() const { return locked_; }

    // Where the lock lives: the session's runtime folder or, where Qt finds
    // none it can use, a private folder in the user's cache. Empty when
    // neither can be had.
    static QString lockPath();

private:
    QLockFile lock_;
    bool locked_ = false;
};

} // namespace pomelo
