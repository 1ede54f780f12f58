#include "remote/Status.h"

#include "display/LcdReading.h"

namespace pomelo {

std::string StatusLine(const TimerState &state, const LcdPictures &lcd) {
    std::string line;
    if (state.OpMode == ClockMode) {
        line = "clock";
    } else {
        line = state.OpMode == StopwatchMode ? "stopwatch" : "countdown";
        line += state.RunFlag == Running ? " running" : " stopped";
    }

    const LcdContents shown = ReadLcd(lcd);
    switch (shown.reads) {
    case LcdContents::Reads::Nothing:
        break;
    case LcdContents::Reads::MinutesSeconds:
        line += ' ';
        line += shown.left;
        line += ' ';
        line += shown.right;
        break;
    case LcdContents::Reads::HoursMinutes:
        line += ' ';
        line += shown.left;
        line += 'h';
        line += shown.right;
        line += 'm';
        break;
    case LcdContents::Reads::TimeOfDay:
        line += ' ';
        line += LcdReading(lcd);
        break;
    }
    return line;
}

} // namespace pomelo
