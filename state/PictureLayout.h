#pragma once

#include "state/PictureArray.h"

#include <array>

namespace pomelo {

inline constexpr int TwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Indices of the indicator array Picture5.
enum Indicator : int {
    Colon = 0,
    LetterH = 1,
    LetterMAfterHours = 2,
    LetterMAfterMinutes = 3,
    LetterS = 4,
    DialIcon = 5,
    RunnerIcon = 6,
    LetterA = 7,
    LetterP = 8,
    DottedSlash = 9,
};
inline constexpr int IndicatorCount = 10;

// Where start-up stacks the ten pictures of each digit array.
struct DigitCell {
    PictureArray array;
    int leftTwips;
    int topTwips;
};
inline constexpr std::array<DigitCell, 4> DigitCells{{
    {PictureArray::Picture1, 345, 285},
    {PictureArray::Picture2, 705, 285},
    {PictureArray::Picture3, 1365, 285},
    {PictureArray::Picture4, 1725, 285},
}};
inline constexpr int DigitBoxWidthTwips = 360;
inline constexpr int DigitBoxHeightTwips = 615;

// The indicator boxes, by index; each picture is clipped to its box.
inline constexpr std::array<TwipsRect, IndicatorCount> IndicatorBoxes{{
    {1065, 285, 300, 615}, // colon
    {1095, 285, 240, 270}, // H
    {2160, 270, 240, 270}, // M after hours
    {1095, 285, 240, 255}, // M after minutes
    {2160, 270, 225, 255}, // S
    {2115, 600, 315, 315}, // dial
    {2145, 555, 285, 405}, // running figure
    {2145, 315, 240, 270}, // A
    {2160, 615, 210, 240}, // P
    {1095, 420, 270, 405}, // dotted slash
}};

} // namespace pomelo
