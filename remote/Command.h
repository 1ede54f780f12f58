#pragma once

#include "remote/Duration.h"
#include "state/Effects.h"
#include "state/LcdPictures.h"
#include "state/TimerState.h"

#include <array>
#include <optional>

namespace pomelo {

// What the gadget can be told from outside its window.
struct Command {
    enum class Kind { Countdown, Again, Clock, Stopwatch, Start, Clear, Quit, Status, Follow };
    Kind kind = Kind::Status;
    Duration duration; // of a countdown
};

// Whether a command handed to the copy that runs brings its window forward,
// as a relaunch does: those that show a count or a mode, which a launcher's
// actions are. The keys' own (START, CLR), which a shortcut may send to a
// window left behind others, stay where they are, as do the status and OFF.
enum class Forward : bool { Stays, Comes };

// A command as the command line, the session bus and --help know it.
struct CommandEntry {
    Command::Kind kind;
    // The command line's option without its dashes; empty for the countdown,
    // which is given as a duration alone.
    const char *option;
    // On the session bus; empty for --follow, which only listens to it.
    const char *method;
    // What --help says it does, marked for translation in HelpContext.
    const char *help;
    // The key presses it amounts to, through the keys' own handlers; none
    // for the status and --follow, which only read.
    void (*pressKeys)(const Duration &, TimerState &, LcdPictures &, Effects &);
    Forward forward = Forward::Stays;
};

// What the help texts are marked in for translation (state/Translatable.h).
inline constexpr char HelpContext[] = "Commands";

// Follow is the last kind.
inline constexpr std::size_t CommandCount = static_cast<std::size_t>(Command::Kind::Follow) + 1;
const std::array<CommandEntry, CommandCount> &Commands();
const CommandEntry &EntryOf(Command::Kind kind);

// Whether a start with this command (none: a plain start) hands over to the
// copy that runs with its window brought forward.
bool BringsForward(const std::optional<Command> &command);

// Whether the command can be carried out now: Again only once a countdown
// has been keyed in.
bool CanCarryOut(const Command &command, const TimerState &state);
// Carries a command out as the key presses that do the same thing.
void CarryOut(const Command &command, TimerState &state, LcdPictures &lcd, Effects &effects);

} // namespace pomelo
