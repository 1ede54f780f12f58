#include "settings/Settings.h"

#include "settings/PrivateProfile.h"

#include <array>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace pomelo {

namespace {
// The TimerState field a key holds: whole numbers, or the window's place.
using Field = std::variant<int TimerState::*, float TimerState::*>;

struct SettingsKey {
    std::string_view readKey;
    std::string_view writtenKey;
    Field field;
    // A stored value outside these reads as 0.
    std::int32_t least = std::numeric_limits<std::int32_t>::min();
    std::int32_t most = std::numeric_limits<std::int32_t>::max();
};

// The keys, in the order they are written. The run flag is written under
// "STRATF" but read from "STARTF": existing files hold these spellings, so
// neither is corrected, and a run flag only comes back when someone has put
// STARTF into the file by hand. A mode outside the three (a hand-edited file)
// would match no branch of the tick and leave a dead display, so it reads as
// the countdown.
constexpr std::array<SettingsKey, 5> SettingsKeys{{
    {"MODE", "MODE", &TimerState::OpMode, 0, 2},
    {"STARTF", "STRATF", &TimerState::RunFlag},
    {"POJIX", "POJIX", &TimerState::PosX},
    {"POJIY", "POJIY", &TimerState::PosY},
    {"MEMORI", "MEMORI", &TimerState::Hour12Flag},
}};

void Store(TimerState &state, const SettingsKey &key, std::int32_t value) {
    if (value < key.least || value > key.most)
        value = 0;
    std::visit(
        [&state, value](auto member) {
            using Type = std::remove_reference_t<decltype(state.*member)>;
            state.*member = static_cast<Type>(value);
        },
        key.field);
}

double Stored(const TimerState &state, const SettingsKey &key) {
    return std::visit([&state](auto member) { return static_cast<double>(state.*member); },
                      key.field);
}

} // namespace

void LoadSettings(TimerState &state, const Effects &effects) {
    std::string text;
    try {
        // An unreadable file reads like an empty one: every value 0.
        text = effects.readSettingsFile().value_or(std::string{});
    } catch (const std::bad_alloc &) {
        // The file could not be had at all (out of memory): start as if there
        // were none.
    }
    const PrivateProfile profile(std::move(text));
    for (const SettingsKey &key : SettingsKeys)
        Store(state, key, profile.getInt(state.IniSection, key.readKey, 0));
}

void SaveSettings(TimerState &state, Effects &effects) {
    try {
        std::optional<std::string> current = effects.readSettingsFile();
        if (!current)
            return; // rewriting it would throw away whatever it holds
        PrivateProfile profile(std::move(*current));
        bool written = false;
        for (const SettingsKey &key : SettingsKeys)
            written |= profile.writeString(state.IniSection, key.writtenKey,
                                           FormatProfileNumber(Stored(state, key)));
        if (written)
            effects.writeSettingsFile(profile.text());
    } catch (const std::bad_alloc &) {
        // Out of memory on any key: nothing is written, and the file keeps
        // its previous contents whole.
    }
}

} // namespace pomelo
