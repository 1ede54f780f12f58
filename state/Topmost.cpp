#include "state/Topmost.h"

namespace pomelo {

int SetTopmost(Effects &effects, int flag) {
    if (flag != 0 && flag != 1)
        return 0;
    return effects.setWindowStaysOnTop(flag == 1);
}

} // namespace pomelo
