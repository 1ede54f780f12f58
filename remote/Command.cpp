#include "remote/Command.h"

#include "keypad/KeyLayout.h"
#include "state/Translatable.h"

namespace pomelo {
namespace {

void Press(Key key, TimerState &state, LcdPictures &lcd, Effects &effects) {
    KeyOf(key).click(state, lcd, effects);
}

void PressModeUntil(int mode, TimerState &state, LcdPictures &lcd, Effects &effects) {
    // MOD steps through the three modes, so two presses reach any of them.
    for (int presses = 0; state.OpMode != mode && presses < 3; ++presses)
        Press(Key::Mod, state, lcd, effects);
}

// MOD until the countdown, CLR, the four digits, START.
void CountDown(const Duration &duration, TimerState &state, LcdPictures &lcd, Effects &effects) {
    PressModeUntil(CountdownMode, state, lcd, effects);
    Press(Key::Clear, state, lcd, effects);
    for (const int digit : {duration.minutes / 10, duration.minutes % 10, duration.seconds / 10,
                            duration.seconds % 10})
        Press(DigitKey(digit), state, lcd, effects);
    Press(Key::Start, state, lcd, effects);
}

// The countdown last keyed in, as the countdown of that length.
void CountDownAgain(const Duration &, TimerState &state, LcdPictures &lcd, Effects &effects) {
    CountDown({state.KeyedMinutes, state.KeyedSeconds}, state, lcd, effects);
}

// MOD until the clock; none when it shows.
void ShowClock(const Duration &, TimerState &state, LcdPictures &lcd, Effects &effects) {
    PressModeUntil(ClockMode, state, lcd, effects);
}

// MOD until the stopwatch, or CLR when it shows.
void ShowStopwatch(const Duration &, TimerState &state, LcdPictures &lcd, Effects &effects) {
    if (state.OpMode == StopwatchMode)
        Press(Key::Clear, state, lcd, effects);
    else
        PressModeUntil(StopwatchMode, state, lcd, effects);
}

template <Key key>
void PressOne(const Duration &, TimerState &state, LcdPictures &lcd, Effects &effects) {
    Press(key, state, lcd, effects);
}

using Kind = Command::Kind;

constexpr std::array<CommandEntry, CommandCount> CommandTable{{
    {Kind::Countdown, "", "Countdown",
     //: In --help; a line break goes on under the text, lines of 62 columns at most.
     QT_TRANSLATE_NOOP(
         "Commands",
         "count down that long, starting at once: 5:00, 5m, 90s, 1m30s\n(0:01 to 99:59)"),
     CountDown, Forward::Comes},
    {Kind::Again, "again", "Again",
     QT_TRANSLATE_NOOP("Commands", "count down again the time last keyed in or given"),
     CountDownAgain, Forward::Comes},
    {Kind::Clock, "clock", "Clock", QT_TRANSLATE_NOOP("Commands", "show the clock"), ShowClock,
     Forward::Comes},
    {Kind::Stopwatch, "stopwatch", "Stopwatch",
     QT_TRANSLATE_NOOP("Commands", "show the stopwatch, stopped at 00 00"), ShowStopwatch,
     Forward::Comes},
    {Kind::Start, "start", "Start",
     //: In --help; a line break goes on under the text, lines of 62 columns at most.
     QT_TRANSLATE_NOOP(
         "Commands",
         "what the START key does: start, pause, resume; in the clock,\nswitch between the "
         "24-hour and the 12-hour display"),
     PressOne<Key::Start>},
    {Kind::Clear, "clear", "Clear", QT_TRANSLATE_NOOP("Commands", "what the CLR key does"),
     PressOne<Key::Clear>},
    {Kind::Quit, "quit", "Quit",
     QT_TRANSLATE_NOOP("Commands", "what the OFF key does: save the settings and end"),
     PressOne<Key::Off>},
    {Kind::Status, "status", "Status",
     QT_TRANSLATE_NOOP("Commands", "print the mode, running or stopped, and what the LCD shows"),
     nullptr},
    {Kind::Follow, "follow", "",
     //: In --help; a line break goes on under the text, lines of 62 columns at most.
     QT_TRANSLATE_NOOP("Commands", "print that line, and again each time it changes, until "
                                   "ended;\n\"off\" while no copy runs"),
     nullptr},
}};

// EntryOf finds a command's entry at the number of its kind.
constexpr bool InKindOrder() {
    for (std::size_t index = 0; index < CommandTable.size(); ++index) {
        if (CommandTable[index].kind != static_cast<Kind>(index))
            return false;
    }
    return true;
}
static_assert(InKindOrder(), "the command table lists the commands in the order of their kinds");

} // namespace

const std::array<CommandEntry, CommandCount> &Commands() {
    return CommandTable;
}

const CommandEntry &EntryOf(Command::Kind kind) {
    return Commands().at(static_cast<std::size_t>(kind));
}

bool BringsForward(const std::optional<Command> &command) {
    return !command || EntryOf(command->kind).forward == Forward::Comes;
}

bool CanCarryOut(const Command &command, const TimerState &state) {
    return command.kind != Command::Kind::Again || state.KeyedMinutes != 0 ||
           state.KeyedSeconds != 0;
}

void CarryOut(const Command &command, TimerState &state, LcdPictures &lcd, Effects &effects) {
    if (const auto press = EntryOf(command.kind).pressKeys)
        press(command.duration, state, lcd, effects);
}

} // namespace pomelo
