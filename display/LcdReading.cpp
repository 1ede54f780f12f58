#include "display/LcdReading.h"

#include "state/PictureLayout.h"

namespace pomelo {
namespace {

// The digit a position shows, or a blank.
char ShownDigit(const LcdPictures &lcd, const DigitCell &cell) {
    for (int digit = 0; digit < 10; ++digit) {
        if (lcd[cell.array][digit].Visible)
            return static_cast<char>('0' + digit);
    }
    return ' ';
}

bool Shown(const LcdPictures &lcd, Indicator indicator) {
    return lcd.Picture5[indicator].Visible;
}

} // namespace

LcdContents ReadLcd(const LcdPictures &lcd) {
    LcdContents contents;
    for (std::size_t position = 0; position < DigitCells.size(); ++position)
        (position < 2 ? contents.left : contents.right) += ShownDigit(lcd, DigitCells[position]);
    if (contents.left == "  " && contents.right == "  ")
        contents.reads = LcdContents::Reads::Nothing;
    else if (Shown(lcd, LetterH))
        contents.reads = LcdContents::Reads::HoursMinutes;
    else if (Shown(lcd, LetterMAfterMinutes))
        contents.reads = LcdContents::Reads::MinutesSeconds;
    else
        contents.reads = LcdContents::Reads::TimeOfDay;
    return contents;
}

std::string LcdReading(const LcdPictures &lcd) {
    LcdContents shown = ReadLcd(lcd);
    switch (shown.reads) {
    case LcdContents::Reads::Nothing:
        return {};
    case LcdContents::Reads::HoursMinutes:
        return shown.left + " " + shown.right;
    case LcdContents::Reads::MinutesSeconds:
        return shown.left + ":" + shown.right;
    case LcdContents::Reads::TimeOfDay:
        break;
    }
    // The clock: an hour without its leading zero.
    if (shown.left.front() == ' ')
        shown.left.erase(0, 1);
    std::string reading = shown.left + ":" + shown.right;
    if (Shown(lcd, LetterA))
        reading += " AM";
    else if (Shown(lcd, LetterP))
        reading += " PM";
    return reading;
}

} // namespace pomelo
