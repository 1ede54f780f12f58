#include "remote/Status.h"

#include "display/LcdReading.h"

namespace pomelo {

std::string StatusLine(const TimerState &state, const Effects &effects) {
    std::string line;
    if (state.OpMode == 1)
        line = "clock";
    else
        line = std::string(state.OpMode == 2 ? "stopwatch" : "countdown") +
               (state.RunFlag == 1 ? " running" : " stopped");

    const LcdContents lcd = ReadLcd(effects);
    switch (lcd.reads) {
    case LcdContents::Reads::Nothing:
        break;
    case LcdContents::Reads::MinutesSeconds:
        line += " " + lcd.left + " " + lcd.right;
        break;
    case LcdContents::Reads::HoursMinutes:
        line += " " + lcd.left + "h" + lcd.right + "m";
        break;
    case LcdContents::Reads::TimeOfDay:
        line += " " + LcdReading(effects);
        break;
    }
    return line;
}

} // namespace pomelo
