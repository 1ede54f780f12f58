#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace pomelo {
namespace {

struct OptionCommand {
    const char *name;
    Command::Kind kind;
};

constexpr OptionCommand OptionCommands[] = {
    {"clock", Command::Kind::Clock}, {"stopwatch", Command::Kind::Stopwatch},
    {"start", Command::Kind::Start}, {"clear", Command::Kind::Clear},
    {"quit", Command::Kind::Quit},   {"status", Command::Kind::Status},
};

Invocation BadUsage(const QString &complaint) {
    return {Invocation::Outcome::BadUsage, std::nullopt, QStringLiteral("pomelo: ") + complaint};
}

} // namespace

Invocation ParseCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    // "-5m" is one unknown option, not the options 5 and m.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const OptionCommand &option : OptionCommands)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name)));

    if (!parser.parse(arguments))
        return BadUsage(parser.errorText() + QStringLiteral(" See pomelo --help."));
    if (parser.isSet(help))
        return {Invocation::Outcome::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {Invocation::Outcome::Version, std::nullopt, {}};

    QStringList given;
    Command command;
    for (const OptionCommand &option : OptionCommands) {
        if (parser.isSet(QString::fromLatin1(option.name))) {
            given << QStringLiteral("--") + QString::fromLatin1(option.name);
            command.kind = option.kind;
        }
    }
    for (const QString &argument : parser.positionalArguments()) {
        given << argument;
        const auto duration = ParseDuration(argument.toStdString());
        if (!duration)
            return BadUsage(QStringLiteral("'%1' is no duration: give one like 5:00, 5m, 90s or "
                                           "1m30s, from 0:01 to 99:59.")
                                .arg(argument));
        command = {Command::Kind::Countdown, *duration};
    }
    if (given.size() > 1)
        return BadUsage(QStringLiteral("one command at a time, not '%1'.")
                            .arg(given.join(QStringLiteral("' and '"))));
    if (given.isEmpty())
        return {};
    return {Invocation::Outcome::Run, command, {}};
}

QString UsageText() {
    return QStringLiteral(
        "Usage: pomelo [DURATION | --clock | --stopwatch | --start | --clear | --quit | "
        "--status]\n"
        "\n"
        "A kitchen timer on the desktop. Without a command it starts the gadget. A\n"
        "command goes to the copy that runs; when none runs, the gadget starts and\n"
        "carries it out (but for --status and --quit).\n"
        "\n"
        "  DURATION       count down that long, starting at once: 5:00, 5m, 90s, 1m30s\n"
        "                 (0:01 to 99:59)\n"
        "  --clock        show the clock\n"
        "  --stopwatch    show the stopwatch, stopped at 00 00\n"
        "  --start        what the START key does: start, pause, resume; in the clock,\n"
        "                 switch between the 24-hour and the 12-hour display\n"
        "  --clear        what the CLR key does\n"
        "  --quit         what the OFF key does: save the settings and end\n"
        "  --status       print the mode, running or stopped, and what the LCD shows\n"
        "  -h, --help     print this help\n"
        "  -v, --version  print the version\n"
        "\n"
        "Exit status: 0 done; 1 the running copy could not be reached, or none runs\n"
        "(--status, --quit); 2 bad usage.\n");
}

} // namespace pomelo
