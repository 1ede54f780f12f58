#include "keypad/DigitKeys.h"

#include "alarm/AlarmAnswer.h"
#include "display/Display.h"
#include "state/Topmost.h"

namespace pomelo {

void ShiftInDigit(TimerState &state, LcdPictures &lcd, Effects &effects, int d) {
    AnswerAlarm(state, effects);
    if (state.OpMode != CountdownMode)
        return;
    SetTopmost(effects, 0);
    if (state.RunFlag == Running)
        return;
    state.Seconds = state.Seconds * 10 + d;
    state.Minutes = state.Minutes * 10 + state.Seconds / 100;
    state.Minutes %= 100;
    state.Seconds %= 100;
    state.KeyedMinutes = state.Minutes;
    state.KeyedSeconds = state.Seconds;
    SetDigitsToMinutesSeconds(state);
    RefreshDisplay(state, lcd);
}

void Image1_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 1);
}
void Image2_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 2);
}
void Image3_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 3);
}
void Image4_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 4);
}
void Image5_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 5);
}
void Image6_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 6);
}
void Image7_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 7);
}
void Image8_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 8);
}
void Image9_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 9);
}
void Image10_Click(TimerState &state, LcdPictures &lcd, Effects &effects) {
    ShiftInDigit(state, lcd, effects, 0);
}

} // namespace pomelo
