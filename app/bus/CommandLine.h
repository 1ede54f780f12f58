#pragma once

#include "remote/Command.h"

#include <QByteArrayList>
#include <QString>
#include <cstdio>
#include <optional>

namespace pomelo {

// What the command line asks for.
struct Invocation {
    enum class Outcome { Run, Help, Version, BadUsage };
    Outcome outcome = Outcome::Run;
    std::optional<Command> command; // Run: none just starts the gadget
    QString complaint;              // BadUsage: one line naming the bad argument
};

// Reads the arguments as the program got them, the program's name first: at
// most one command, a duration or one of the options, given once. An option
// may also be written with one dash (-status).
Invocation ParseCommandLine(const QByteArrayList &arguments);

// What --help prints.
QString UsageText();

// Writes the command line's output as the locale encodes it.
void Print(std::FILE *stream, const QString &text);
// A line on the standard error that names the program.
void Complain(const QString &message);

} // namespace pomelo
