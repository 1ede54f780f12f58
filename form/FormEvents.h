#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// Start-up, once the single-instance check has passed: settings loaded, the
// window placed and shaped, every LCD picture stacked on its cell and hidden.
void Form_Load(TimerState &state, LcdPictures &lcd, Effects &effects);

// A mouse press on the face, outside the keys and the shown LCD pictures;
// bit 0 of `button` is the left button.
void Form_MouseDown(Effects &effects, int button);

} // namespace pomelo
