#include "keypad/StartKey.h"

#include "alarm/AlarmAnswer.h"
#include "display/Display.h"
#include "keypad/OffKey.h"
#include "state/Topmost.h"

namespace pomelo {

void Image14_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    AnswerAlarm(state, effects);
    if (state.OpMode == ClockMode) {
        if (state.Hour12Flag == 0)
            state.Hour12Flag = 1;
        else if (state.Hour12Flag == 1)
            state.Hour12Flag = 0;
    }
    RememberHomeAndSaveSettings(state, effects);

    if (state.OpMode == ClockMode) {
        SetTopmost(effects, 1);
        ShowClockTime(state, lcd, effects);
        return;
    }
    SetTopmost(effects, 0);
    if (state.OpMode == CountdownMode && state.Minutes == 0 && state.Seconds == 0)
        return;
    if (state.OpMode == StopwatchMode && state.RunFlag == Stopped)
        SetTopmost(effects, 1);
    if (state.RunFlag == Stopped)
        state.RunFlag = Running;
    else if (state.RunFlag == Running)
        state.RunFlag = Stopped;
}

} // namespace pomelo
