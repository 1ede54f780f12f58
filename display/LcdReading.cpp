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

LcdContents ReadLcd(const Effects &effects) {
    LcdContents contents;
    for (std::size_t position = 0; position < DigitCells.size(); ++position)
        (position < 2 ? contents.left : contents.right) +=
            ShownDigit(effects, DigitCells[position]);
    if (contents.left == "  " && contents.right == "  ")
        contents.reads = LcdContents::Reads::Nothing;
    else if (Shown(effects, LetterH))
        contents.reads = LcdContents::Reads::HoursMinutes;
    else if (Shown(effects, LetterMAfterMinutes))
        contents.reads = LcdContents::Reads::MinutesSeconds;
    else
        contents.reads = LcdContents::Reads::TimeOfDay;
    return contents;
}

std::string LcdReading(const Effects &effects) {
    LcdContents lcd = ReadLcd(effects);
    switch (lcd.reads) {
    case LcdContents::Reads::Nothing:
        return {};
    case LcdContents::Reads::HoursMinutes:
        return lcd.left + " " + lcd.right;
    case LcdContents::Reads::MinutesSeconds:
        return lcd.left + ":" + lcd.right;
    case LcdContents::Reads::TimeOfDay:
        break;
    }
    // The clock: an hour without its leading zero.
    if (lcd.left.front() == ' ')
        lcd.left.erase(0, 1);
    std::string reading = lcd.left + ":" + lcd.right;
    if (Shown(effects, LetterA))
        reading += " AM";
    else if (Shown(effects, LetterP))
        reading += " PM";
    return reading;
}

} // namespace pomelo
