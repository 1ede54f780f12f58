#include "remote/LauncherAction.h"

#include <algorithm>

namespace pomelo {

const std::array<LauncherAction, LauncherActionCount> &LauncherActions() {
    using Kind = Command::Kind;
    static const std::array<LauncherAction, LauncherActionCount> actions{{
        {"countdown-3", {Kind::Countdown, {3, 0}}},
        {"countdown-5", {Kind::Countdown, {5, 0}}},
        {"countdown-10", {Kind::Countdown, {10, 0}}},
        {"clock", {Kind::Clock, {}}},
        {"stopwatch", {Kind::Stopwatch, {}}},
    }};
    return actions;
}

const LauncherAction *LauncherActionNamed(std::string_view name) {
    const auto &actions = LauncherActions();
    const auto found =
        std::find_if(actions.begin(), actions.end(),
                     [name](const LauncherAction &action) { return action.name == name; });
    return found != actions.end() ? &*found : nullptr;
}

} // namespace pomelo
