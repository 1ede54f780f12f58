#include "form/FormEvents.h"

#include "settings/Settings.h"
#include "state/AlarmAnswer.h"

namespace pomelo {

void Form_Load(TimerState &state, LcdPictures &lcd, Effects &effects) {
    state.IniSection = SettingsSection;
    LoadSettings(state, effects);

    effects.setWindowTop(state.PosX);
    effects.setWindowLeft(state.PosY);
    // A gadget without a title bar that opens off every screen (a monitor
    // unplugged, a hand-edited file) could never be dragged back.
    if (!effects.isWindowOnAnyScreen()) {
        effects.moveWindowToPrimaryScreen();
        state.PosX = effects.windowTop();
        state.PosY = effects.windowLeft();
    }
    effects.applyWindowShape();

    for (int index = 0; index < 10; ++index) {
        for (const DigitCell &cell : DigitCells) {
            Picture &picture = lcd[cell.array][index];
            picture.Top = cell.topTwips;
            picture.Left = cell.leftTwips;
            picture.Visible = false;
        }
    }
    for (int index = 0; index < IndicatorCount; ++index)
        lcd.Picture5[index].Visible = false;
}

void Form_MouseDown(Effects &effects, int button) {
    if ((button & 1) == 0)
        return;
    effects.beginWindowDrag();
}

void RememberHomeAndSaveSettings(TimerState &state, Effects &effects) {
    state.PosX = effects.windowTop();
    state.PosY = effects.windowLeft();
    state.IniSection = SettingsSection;
    SaveSettings(state, effects);
}

void Image11_Click(TimerState &state, LcdPictures &, Effects &effects) {
    AnswerAlarm(state, effects);
    RememberHomeAndSaveSettings(state, effects);
    state.Ended = true;
    effects.endProgram();
}

} // namespace pomelo
