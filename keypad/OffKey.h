#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// The OFF key: remember the window's place, save the settings and end.
void Image11_Click(TimerState &state, LcdPictures &lcd, Effects &effects);

// What OFF and every START press keep: the window's current place as its
// home, where the platform tells it, and the settings file written.
void RememberHomeAndSaveSettings(TimerState &state, Effects &effects);

} // namespace pomelo
