#include "keypad/ModeKeys.h"

#include "display/Display.h"
#include "display/Indicators.h"
#include "state/AlarmNotice.h"
#include "state/Topmost.h"

namespace pomelo {
namespace {

void ClearCount(TimerState &state) {
    state.RunFlag = 0;
    state.StopwatchHours = 0;
    state.Minutes = 0;
    state.Seconds = 0;
}

// CLR leaves the mode's icon (dial or running figure) as it stands.
constexpr IndicatorRow ClearedIndicators{Show::Hidden, Show::Hidden, Show::Hidden, Show::Shown,
                                         Show::Shown,  Show::Keep,   Show::Keep,   Show::Hidden,
                                         Show::Hidden, Show::Hidden};

} // namespace

void Image12_Click(TimerState &state, Effects &effects) {
    WithdrawAlarmNotice(state, effects);
    ClearCount(state);
    state.OpMode += 1;
    if (state.OpMode > 2)
        state.OpMode = 0;

    if (state.OpMode == 0 || state.OpMode == 2) {
        SetTopmost(effects, 0);
        SetDigitsToMinutesSeconds(state);
        SetIndicators(effects,
                      state.OpMode == 0 ? CountdownIndicators : StopwatchMinutesIndicators);
        RefreshDisplay(state, effects);
    } else {
        SetTopmost(effects, 1);
        ShowClockTime(state, effects);
    }
}

void Image13_Click(TimerState &state, Effects &effects) {
    WithdrawAlarmNotice(state, effects);
    if (state.OpMode == 1)
        return;
    SetTopmost(effects, 0);
    ClearCount(state);
    SetDigitsToMinutesSeconds(state);
    SetIndicators(effects, ClearedIndicators);
    RefreshDisplay(state, effects);
}

} // namespace pomelo
