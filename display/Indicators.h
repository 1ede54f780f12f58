#pragma once

#include "state/LcdPictures.h"
#include "state/PictureLayout.h"

#include <array>

namespace pomelo {

// What one operation does to an indicator of Picture5.
enum class Show { Keep, Hidden, Shown };

using IndicatorRow = std::array<Show, IndicatorCount>;

// Writes a row of indicator states in ascending index, skipping Keep.
void SetIndicators(LcdPictures &lcd, const IndicatorRow &row);

// Hides indicator `index` if it is shown and shows it if it is hidden.
void InvertIndicator(LcdPictures &lcd, int index);

// The rows the counting modes show: minutes and seconds with M and S and the
// mode's icon, or hours and minutes with H and M.
inline constexpr IndicatorRow CountdownIndicators{
    Show::Hidden, Show::Hidden, Show::Hidden, Show::Shown,  Show::Shown,
    Show::Shown,  Show::Hidden, Show::Hidden, Show::Hidden, Show::Hidden};
inline constexpr IndicatorRow StopwatchMinutesIndicators{
    Show::Hidden, Show::Hidden, Show::Hidden, Show::Shown,  Show::Shown,
    Show::Hidden, Show::Shown,  Show::Hidden, Show::Hidden, Show::Hidden};
inline constexpr IndicatorRow StopwatchHoursIndicators{
    Show::Keep,   Show::Shown, Show::Shown,  Show::Hidden, Show::Hidden,
    Show::Hidden, Show::Shown, Show::Hidden, Show::Hidden, Show::Hidden};

} // namespace pomelo
