#pragma once

#include "remote/Command.h"

#include <array>
#include <string_view>

namespace pomelo {

// An action the desktop entry offers beside starting the program, by the name
// of its [Desktop Action] group, and the command its Exec line gives; a
// launcher that starts programs over the session bus asks for it by name.
struct LauncherAction {
    std::string_view name;
    Command command;
};

inline constexpr std::size_t LauncherActionCount = 5;
const std::array<LauncherAction, LauncherActionCount> &LauncherActions();
// The action of that name; nullptr for none.
const LauncherAction *LauncherActionNamed(std::string_view name);

} // namespace pomelo
