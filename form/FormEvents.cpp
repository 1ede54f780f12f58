#include "form/FormEvents.h"

#include "settings/Settings.h"
#include "state/AlarmAnswer.h"
#include "state/WindowHome.h"

namespace pomelo {

namespace {

void PlaceWindowAtHome(TimerState &state, Effects &effects) {
    effects.setWindowTop(state.PosX);
    effects.setWindowLeft(state.PosY);
    // A gadget without a title bar that opens off every screen (a monitor
    // unplugged, a hand-edited file) could never be dragged back.
    if (!effects.isWindowOnAnyScreen()) {
        effects.moveWindowToPrimaryScreen();
        TakeWindowPlaceAsHome(state, effects);
    }
}

} // namespace

void Form_Load(TimerState &state, LcdPictures &lcd, Effects &effects) {
    state.IniSection = SettingsSection;
    LoadSettings(state, effects);

    // Where the platform places windows itself, it does so, and the home
    // stays as loaded.
    if (effects.isWindowPlaceKnown())
        PlaceWindowAtHome(state, effects);
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
    TakeWindowPlaceAsHome(state, effects);
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
