#pragma once

#include "state/Effects.h"
#include "state/TimerState.h"

namespace pomelo {

// The section the gadget keeps its settings in.
inline constexpr const char *SettingsSection = "FORM1";

// Fills OpMode, RunFlag, PosX, PosY and Hour12Flag from the settings file,
// section state.IniSection. A missing file or key reads 0, and so does every
// value of a file that cannot be read. An OpMode other than 0, 1 or 2 becomes 0,
// the countdown.
void LoadSettings(TimerState &state, const Effects &effects);

// Writes OpMode, RunFlag, PosX, PosY and Hour12Flag into the settings file,
// section state.IniSection, leaving the rest of the file as it was. A file that
// exists but cannot be read is left alone.
void SaveSettings(TimerState &state, Effects &effects);

} // namespace pomelo
