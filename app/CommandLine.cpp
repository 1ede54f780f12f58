#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace pomelo {
namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

Invocation BadUsage(const QString &complaint) {
    return {Invocation::Outcome::BadUsage, std::nullopt, QStringLiteral("pomelo: ") + complaint};
}

// How --help and the usage line name a command.
QString Synopsis(const CommandEntry &entry) {
    return entry.option.empty() ? QStringLiteral("DURATION")
                                : QStringLiteral("--") + Latin1(entry.option);
}

// "  NAME           what it does", continued lines under the text.
QString HelpItem(const QString &name, std::string_view help) {
    constexpr int NameWidth = 15;
    const QString indent(2 + NameWidth, QLatin1Char(' '));
    QString text = Latin1(help);
    text.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    return QStringLiteral("  ") + name.leftJustified(NameWidth - 1) + QLatin1Char(' ') + text +
           QLatin1Char('\n');
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
    for (const CommandEntry &entry : Commands()) {
        if (!entry.option.empty())
            parser.addOption(QCommandLineOption(Latin1(entry.option)));
    }
    if (!parser.parse(arguments))
        return BadUsage(parser.errorText() + QStringLiteral(" See pomelo --help."));
    if (parser.isSet(help))
        return {Invocation::Outcome::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {Invocation::Outcome::Version, std::nullopt, {}};

    QStringList given;
    Command command;
    for (const CommandEntry &entry : Commands()) {
        if (!entry.option.empty() && parser.isSet(Latin1(entry.option))) {
            given << Synopsis(entry);
            command.kind = entry.kind;
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
    QStringList synopses;
    QString items;
    for (const CommandEntry &entry : Commands()) {
        synopses << Synopsis(entry);
        items += HelpItem(Synopsis(entry), entry.help);
    }
    return QStringLiteral("Usage: pomelo [%1]\n"
                          "\n"
                          "A kitchen timer on the desktop. Without a command it starts the "
                          "gadget. A\n"
                          "command goes to the copy that runs; when none runs, the gadget starts "
                          "and\n"
                          "carries it out (but for --status and --quit).\n"
                          "\n")
               .arg(synopses.join(QStringLiteral(" | "))) +
           items + HelpItem(QStringLiteral("-h, --help"), "print this help") +
           HelpItem(QStringLiteral("-v, --version"), "print the version") +
           QStringLiteral("\n"
                          "Exit status: 0 done; 1 the running copy could not be reached, or none "
                          "runs\n"
                          "(--status, --quit); 2 bad usage.\n");
}

} // namespace pomelo
