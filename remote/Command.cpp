#include "remote/Command.h"

#include "form/FormEvents.h"
#include "keypad/DigitKeys.h"
#include "keypad/ModeKeys.h"
#include "keypad/StartKey.h"
#include "state/Handler.h"

#include <array>

namespace pomelo {
namespace {

constexpr int CountdownMode = 0;
constexpr int ClockMode = 1;
constexpr int StopwatchMode = 2;

// The digit keys by the digit they key in.
constexpr std::array<Handler, 10> DigitKey{Image10_Click, Image1_Click, Image2_Click, Image3_Click,
                                           Image4_Click,  Image5_Click, Image6_Click, Image7_Click,
                                           Image8_Click,  Image9_Click};

void PressModeUntil(int mode, TimerState &state, Effects &effects) {
    // MOD steps through the three modes, so two presses reach any of them.
    for (int presses = 0; state.OpMode != mode && presses < 3; ++presses)
        Image12_Click(state, effects);
}

void CountDown(const Duration &duration, TimerState &state, Effects &effects) {
    PressModeUntil(CountdownMode, state, effects);
    Image13_Click(state, effects);
    for (const int digit : {duration.minutes / 10, duration.minutes % 10, duration.seconds / 10,
                            duration.seconds % 10})
        DigitKey.at(static_cast<std::size_t>(digit))(state, effects);
    Image14_Click(state, effects);
}

} // namespace

void CarryOut(const Command &command, TimerState &state, Effects &effects) {
    switch (command.kind) {
    case Command::Kind::Countdown:
        CountDown(command.duration, state, effects);
        break;
    case Command::Kind::Clock:
        PressModeUntil(ClockMode, state, effects);
        break;
    case Command::Kind::Stopwatch:
        if (state.OpMode == StopwatchMode)
            Image13_Click(state, effects);
        else
            PressModeUntil(StopwatchMode, state, effects);
        break;
    case Command::Kind::Start:
        Image14_Click(state, effects);
        break;
    case Command::Kind::Clear:
        Image13_Click(state, effects);
        break;
    case Command::Kind::Quit:
        Image11_Click(state, effects);
        break;
    case Command::Kind::Status:
        break;
    }
}

} // namespace pomelo
