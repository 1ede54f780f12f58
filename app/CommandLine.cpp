#include "app/CommandLine.h"

#include "remote/Escape.h"

#include <QCommandLineParser>
#include <QStringList>

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

// The parser reads each byte as one character (the options are ASCII), so
// that an argument keeps its very bytes until a message names it.
QStringList ByteForByte(const QByteArrayList &arguments) {
    QStringList read;
    for (const QByteArray &argument : arguments)
        read << QString::fromLatin1(argument);
    return read;
}

QString Named(const QString &argument) {
    return QStringLiteral("'%1'").arg(
        QString::fromStdString(EscapeArgument(argument.toLatin1().toStdString())));
}

} // namespace

Invocation ParseCommandLine(const QByteArrayList &arguments) {
    QCommandLineParser parser;
    // "-5m" is one unknown option, not the options 5 and m.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const OptionCommand &option : OptionCommands)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name)));

    if (!parser.parse(ByteForByte(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        // Qt's other complaints name only options of ours.
        const QString complaint = unknown.isEmpty()
                                      ? parser.errorText()
                                      : QStringLiteral("Unknown option %1.").arg(Named(unknown[0]));
        return BadUsage(complaint + QStringLiteral(" See pomelo --help."));
    }
    if (parser.isSet(help))
        return {Invocation::Outcome::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {Invocation::Outcome::Version, std::nullopt, {}};

    // The commands in the order given, each as often as given.
    QStringList given;
    Command command;
    for (const QString &name : parser.optionNames()) {
        for (const OptionCommand &option : OptionCommands) {
            if (name == QLatin1String(option.name)) {
                given << QStringLiteral("'--%1'").arg(name);
                command.kind = option.kind;
            }
        }
    }
    for (const QString &argument : parser.positionalArguments()) {
        given << Named(argument);
        const auto duration = ParseDuration(argument.toLatin1().toStdString());
        if (!duration)
            return BadUsage(QStringLiteral("%1 is no duration: give one like 5:00, 5m, 90s or "
                                           "1m30s, from 0:01 to 99:59.")
                                .arg(given.last()));
        command = {Command::Kind::Countdown, *duration};
    }
    if (given.size() > 1)
        return BadUsage(
            QStringLiteral("one command at a time, not %1 and %2.").arg(given[0], given[1]));
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
        "Each option may also be written with one dash (-status); one command at a time.\n"
        "\n"
        "Exit status: 0 done; 1 the running copy could not be reached, or none runs\n"
        "(--status, --quit); 2 bad usage.\n");
}

} // namespace pomelo
