#include "form/FormEvents.h"

#include "display/PictureLayout.h"
#include "settings/Settings.h"
#include "state/AlarmNotice.h"

namespace pomelo {

void Form_Load(TimerState &state, Effects &effects) {
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
            effects.placePicture(cell.array, index, cell.leftTwips, cell.topTwips);
            effects.setPictureVisible(cell.array, index, false);
        }
    }
    for (int index = 0; index < IndicatorCount; ++index)
        effects.setPictureVisible(PictureArray::Picture5, index, false);
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

void Image11_Click(TimerState &state, Effects &effects) {
    WithdrawAlarmNotice(state, effects);
    RememberHomeAndSaveSettings(state, effects);
    effects.endProgram();
}

} // namespace pomelo
