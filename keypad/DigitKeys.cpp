#include "keypad/DigitKeys.h"

#include "display/Display.h"
#include "state/AlarmNotice.h"
#include "state/Topmost.h"

namespace pomelo {

void ShiftInDigit(TimerState &state, Effects &effects, int d) {
    WithdrawAlarmNotice(state, effects);
    if (state.OpMode != 0)
        return;
    SetTopmost(effects, 0);
    if (state.RunFlag == 1)
        return;
    state.Seconds = state.Seconds * 10 + d;
    state.Minutes = state.Minutes * 10 + state.Seconds / 100;
    state.Minutes %= 100;
    state.Seconds %= 100;
    state.KeyedMinutes = state.Minutes;
    state.KeyedSeconds = state.Seconds;
    SetDigitsToMinutesSeconds(state);
    RefreshDisplay(state, effects);
}

void Image1_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 1);
}
void Image2_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 2);
}
void Image3_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 3);
}
void Image4_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 4);
}
void Image5_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 5);
}
void Image6_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 6);
}
void Image7_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 7);
}
void Image8_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 8);
}
void Image9_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 9);
}
void Image10_Click(TimerState &state, Effects &effects) {
    ShiftInDigit(state, effects, 0);
}

} // namespace pomelo
