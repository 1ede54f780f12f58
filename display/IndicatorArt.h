#pragma once

#include "display/Bitmap.h"

namespace pomelo {

// The picture of indicator 0..9 of Picture5 (see Indicator), in its own
// bitmap size: colon 25 x 42, H/M/M/S 16 x 18, dial 23 x 24, running figure
// 23 x 30, A 18 x 22, P 14 x 16, dotted slash 18 x 28.
const Bitmap &IndicatorPicture(int index);

} // namespace pomelo
