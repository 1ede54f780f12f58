#pragma once

#include "display/Bitmap.h"

namespace pomelo {

inline constexpr int GlyphWidth = 25;
inline constexpr int GlyphHeight = 42;

// The 25 x 42 px dot-matrix picture of a digit 0..9.
const Bitmap &DigitGlyph(int digit);

} // namespace pomelo
