#pragma once

namespace pomelo {

// The picture arrays of the LCD: four digit stacks and the indicators.
enum class PictureArray { Picture1 = 1, Picture2, Picture3, Picture4, Picture5 };

} // namespace pomelo
