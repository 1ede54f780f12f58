#include "keypad/StartKey.h"

#include "display/Display.h"
#include "form/FormEvents.h"
#include "state/AlarmNotice.h"
#include "state/Topmost.h"

namespace pomelo {

void Image14_Click(TimerState &state, Effects &effects) {
    WithdrawAlarmNotice(state, effects);
    if (state.OpMode == 1) {
        if (state.Hour12Flag == 0)
            state.Hour12Flag = 1;
        else if (state.Hour12Flag == 1)
            state.Hour12Flag = 0;
    }
    RememberHomeAndSaveSettings(state, effects);

    if (state.OpMode == 1) {
        SetTopmost(effects, 1);
        ShowClockTime(state, effects);
        return;
    }
    SetTopmost(effects, 0);
    if (state.OpMode == 0 && state.Minutes == 0 && state.Seconds == 0)
        return;
    if (state.OpMode == 2 && state.RunFlag == 0)
        SetTopmost(effects, 1);
    if (state.RunFlag == 0)
        state.RunFlag = 1;
    else if (state.RunFlag == 1)
        state.RunFlag = 0;
}

} // namespace pomelo
