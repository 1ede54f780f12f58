#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

inline constexpr const char *SettingsSection = "FORM1";

// Start-up, once the single-instance check has passed: settings loaded, the
// window placed and shaped, every LCD picture stacked on its cell and hidden.
void Form_Load(TimerState &state, LcdPictures &lcd, Effects &effects);

// A mouse press on the face, outside the keys and the shown LCD pictures;
// bit 0 of `button` is the left button.
void Form_MouseDown(Effects &effects, int button);

// The OFF key: remember the window's place, save the settings and end.
void Image11_Click(TimerState &state, LcdPictures &lcd, Effects &effects);

// Takes the window's current place as its home, where the platform tells
// it, and writes the settings file.
void RememberHomeAndSaveSettings(TimerState &state, Effects &effects);

} // namespace pomelo
