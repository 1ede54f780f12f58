#include "keypad/ModeKeys.h"

#include "alarm/AlarmAnswer.h"
#include "display/Display.h"
#include "display/Indicators.h"
#include "state/Topmost.h"

namespace pomelo {
namespace {

void ClearCount(TimerState &state) {
    state.RunFlag = Stopped;
    state.StopwatchHours = 0;
    state.Minutes = 0;
    state.Seconds = 0;
}

// CLR leaves the mode's icon (dial or running figure) as it stands.
constexpr IndicatorRow ClearedIndicators{Show::Hidden, Show::Hidden, Show::Hidden, Show::Shown,
                                         Show::Shown,  Show::Keep,   Show::Keep,   Show::Hidden,
                                         Show::Hidden, Show::Hidden};

} // namespace

void Image12_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    AnswerAlarm(state, effects);
    ClearCount(state);
    state.OpMode += 1;
    if (state.OpMode > StopwatchMode)
        state.OpMode = CountdownMode;

    if (state.OpMode == CountdownMode || state.OpMode == StopwatchMode) {
        SetTopmost(effects, 0);
        SetDigitsToMinutesSeconds(state);
        SetIndicators(lcd, state.OpMode == CountdownMode ? CountdownIndicators
                                                         : StopwatchMinutesIndicators);
        RefreshDisplay(state, lcd);
    } else {
        SetTopmost(effects, 1);
        ShowClockTime(state, lcd, effects);
    }
}

void Image13_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    AnswerAlarm(state, effects);
    if (state.OpMode == ClockMode)
        return;
    SetTopmost(effects, 0);
    ClearCount(state);
    SetDigitsToMinutesSeconds(state);
    SetIndicators(lcd, ClearedIndicators);
    RefreshDisplay(state, lcd);
}

} // namespace pomelo
