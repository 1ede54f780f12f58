#pragma once

#include "state/LcdPictures.h"

#include <string>

namespace pomelo {

// What the LCD shows, read off its pictures: the two positions left and
// right of the middle (' ' for a blank one) and what they count.
struct LcdContents {
    enum class Reads { Nothing, MinutesSeconds, HoursMinutes, TimeOfDay };
    Reads reads = Reads::Nothing;
    std::string left;
    std::string right;
};
LcdContents ReadLcd(const LcdPictures &lcd);

// What the LCD shows, as text for screen readers: "12:34" for minutes and
// seconds, "01 05" for the stopwatch's hours and minutes, "21:07" or
// "9:07 PM" for the clock; empty while nothing is shown. The clock's
// blinking colon does not change it.
std::string LcdReading(const LcdPictures &lcd);

} // namespace pomelo
