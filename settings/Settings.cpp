#include "settings/Settings.h"

#include "settings/PrivateProfile.h"

#include <optional>
#include <string>
#include <utility>

namespace pomelo {

namespace {
// The run flag is written under "STRATF" but read from "STARTF". Existing files
// hold these spellings, so neither is corrected: a run flag only comes back
// when someone has put STARTF into the file by hand.
constexpr const char *ModeKey = "MODE";
constexpr const char *RunFlagReadKey = "STARTF";
constexpr const char *RunFlagWriteKey = "STRATF";
constexpr const char *PosXKey = "POJIX";
constexpr const char *PosYKey = "POJIY";
constexpr const char *Hour12Key = "MEMORI";
} // namespace

void LoadSettings(TimerState &state, const Effects &effects) {
    try {
        // An unreadable file reads like an empty one: every value 0.
        const PrivateProfile profile(effects.readSettingsFile().value_or(std::string{}));
        const std::string &section = state.IniSection;
        const int mode = profile.getInt(section, ModeKey, 0);
        const int runFlag = profile.getInt(section, RunFlagReadKey, 0);
        const int posX = profile.getInt(section, PosXKey, 0);
        const int posY = profile.getInt(section, PosYKey, 0);
        const int hour12 = profile.getInt(section, Hour12Key, 0);

        // A hand-edited mode outside the three would match no branch of the
        // tick and leave a dead display until the mode key is pressed.
        state.OpMode = mode >= 0 && mode <= 2 ? mode : 0;
        state.RunFlag = runFlag;
        state.PosX = static_cast<float>(posX);
        state.PosY = static_cast<float>(posY);
        state.Hour12Flag = hour12;
    } catch (...) {
        // The file could not be had at all (out of memory): start as if there
        // were none.
        state.OpMode = 0;
        state.RunFlag = 0;
        state.PosX = 0;
        state.PosY = 0;
        state.Hour12Flag = 0;
    }
}

void SaveSettings(TimerState &state, Effects &effects) {
    try {
        std::optional<std::string> current = effects.readSettingsFile();
        if (!current)
            return; // rewriting it would throw away whatever it holds
        PrivateProfile profile(std::move(*current));
        const std::string &section = state.IniSection;
        bool written = profile.writeString(section, ModeKey, FormatProfileNumber(state.OpMode));
        written |=
            profile.writeString(section, RunFlagWriteKey, FormatProfileNumber(state.RunFlag));
        written |= profile.writeString(section, PosXKey, FormatProfileNumber(state.PosX));
        written |= profile.writeString(section, PosYKey, FormatProfileNumber(state.PosY));
        written |= profile.writeString(section, Hour12Key, FormatProfileNumber(state.Hour12Flag));
        if (written)
            effects.writeSettingsFile(profile.text());
    } catch (...) {
        // Nothing is reported; the file keeps its previous contents.
    }
}

} // namespace pomelo
