#pragma once

#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

namespace pomelo {

// Shifts digit d into the stopped countdown's MM SS from the right.
void ShiftInDigit(TimerState &state, LcdPictures &lcd, Effects &effects, int d);

void Image1_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image2_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image3_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image4_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image5_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image6_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image7_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image8_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image9_Click(TimerState &state, LcdPictures &lcd, Effects &effects);
void Image10_Click(TimerState &state, LcdPictures &lcd, Effects &effects); // the 0 key

} // namespace pomelo
