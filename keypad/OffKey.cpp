#include "keypad/OffKey.h"

#include "alarm/AlarmAnswer.h"
#include "settings/Settings.h"
#include "state/WindowHome.h"

namespace pomelo {

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
