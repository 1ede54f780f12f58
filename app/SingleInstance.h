#pragma once

#include <QLockFile>

namespace pomelo {

// Holds the per-user lock that keeps a second copy of the gadget from running.
// A lock left behind by a copy that was killed is taken over.
class SingleInstance {
public:
    SingleInstance();
    bool isFirst() const { return locked_; }

private:
    QLockFile lock_;
    bool locked_ = false;
};

} // namespace pomelo
