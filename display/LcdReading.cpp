#include "display/LcdReading.h"

#include "display/PictureLayout.h"

namespace pomelo {
namespace {

// The digit a position shows, or a blank.
char ShownDigit(const Effects &effects, const DigitCell &cell) {
    for (int digit = 0; digit < 10; ++digit) {
        if (effects.isPictureVisible(cell.array, digit))
            return static_cast<char>('0' + digit);
    }
    return ' ';
}

bool Shown(const Effects &effects, Indicator indicator) {
    return effects.isPictureVisible(PictureArray::Picture5, indicator);
}

} // namespace

std::string LcdReading(const Effects &effects) {
    std::string left;
    std::string right;
    for (std::size_t position = 0; position < DigitCells.size(); ++position)
        (position < 2 ? left : right) += ShownDigit(effects, DigitCells[position]);
    if (left == "  " && right == "  ")
        return {};

    if (Shown(effects, LetterH))
        return left + " " + right;
    if (Shown(effects, LetterMAfterMinutes))
        return left + ":" + right;
    // The clock: an hour without its leading zero.
    if (left.front() == ' ')
        left.erase(0, 1);
    std::string reading = left + ":" + right;
    if (Shown(effects, LetterA))
        reading += " AM";
    else if (Shown(effects, LetterP))
        reading += " PM";
    return reading;
}

} // namespace pomelo
