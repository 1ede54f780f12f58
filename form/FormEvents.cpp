#include "form/FormEvents.h"

#include "display/Display.h"
#include "settings/Settings.h"
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
    StackLcd(lcd);
}

void Form_MouseDown(Effects &effects, int button) {
    if ((button & 1) == 0)
        return;
    effects.beginWindowDrag();
}

} // namespace pomelo
