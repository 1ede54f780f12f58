#include "app/bus/CommandLine.h"

#include "remote/Escape.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace pomelo {
namespace {

Invocation BadUsage(const QString &complaint) {
    return {Invocation::Outcome::BadUsage, std::nullopt,
            QStringLiteral("pomelo: ") +
                //: %1 says what is wrong with the command line.
                QCoreApplication::translate("CommandLine", "%1 See pomelo --help.").arg(complaint)};
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

// An unknown option as the user wrote it, with its dashes, as the parser
// names it without them; a value given with '=' is left out.
QString AsWritten(const QString &name, const QStringList &arguments) {
    for (const QString &argument : arguments.mid(1)) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option == QLatin1Char('-') + name || option == QLatin1String("--") + name)
            return option;
    }
    return name;
}

QString DurationName() {
    //: Stands for the duration the user gives, in --help.
    return QCoreApplication::translate("CommandLine", "DURATION");
}

// How --help names a command.
QString Synopsis(const CommandEntry &entry) {
    return *entry.option == 0 ? DurationName() : QStringLiteral("--") + QLatin1String(entry.option);
}

// The columns a text takes on a terminal: the wide characters of Chinese,
// Japanese and Korean take two.
int Columns(const QString &text) {
    int columns = 0;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// "  NAME           what it does", continued lines under the text.
QString HelpItem(const QString &name, QString text) {
    constexpr int NameWidth = 15;
    const QString indent(2 + NameWidth, QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
    const QString padding(std::max(1, NameWidth - Columns(name)), QLatin1Char(' '));
    return QStringLiteral("  ") + name + padding + text + QLatin1Char('\n');
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
    for (const CommandEntry &entry : Commands()) {
        if (*entry.option != 0)
            parser.addOption(QCommandLineOption(QString::fromLatin1(entry.option)));
    }

    const QStringList read = ByteForByte(arguments);
    if (!parser.parse(read)) {
        const QStringList unknown = parser.unknownOptionNames();
        // Qt's other complaints name only options of ours.
        const QString complaint =
            unknown.isEmpty() ? parser.errorText()
                              : QCoreApplication::translate("CommandLine", "Unknown option %1.")
                                    .arg(Named(AsWritten(unknown[0], read)));
        return BadUsage(complaint);
    }
    if (parser.isSet(help))
        return {Invocation::Outcome::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {Invocation::Outcome::Version, std::nullopt, {}};

    // The commands in the order given, each as often as given.
    QStringList given;
    Command command;
    for (const QString &name : parser.optionNames()) {
        for (const CommandEntry &entry : Commands()) {
            if (*entry.option != 0 && name == QLatin1String(entry.option)) {
                given << QStringLiteral("'%1'").arg(Synopsis(entry));
                command.kind = entry.kind;
            }
        }
    }
    for (const QString &argument : parser.positionalArguments()) {
        given << Named(argument);
        const auto duration = ParseDuration(argument.toLatin1().toStdString());
        if (!duration)
            return BadUsage(
                QCoreApplication::translate("CommandLine",
                                            "%1 is not a duration: give one like 5:00, 5m, 90s or "
                                            "1m30s, from 0:01 to 99:59.")
                    .arg(given.last()));
        command = {Command::Kind::Countdown, *duration};
    }
    if (given.size() > 1)
        return BadUsage(
            QCoreApplication::translate("CommandLine", "one command at a time, not %1 and %2.")
                .arg(given[0], given[1]));
    if (given.isEmpty())
        return {};
    return {Invocation::Outcome::Run, command, {}};
}

QString UsageText() {
    QString items;
    for (const CommandEntry &entry : Commands())
        items += HelpItem(Synopsis(entry), QCoreApplication::translate(HelpContext, entry.help));
    // The commands are too many for one line: the usage names them as one.
    const QString synopsis = DurationName() + QStringLiteral(" | ") +
                             //: Stands for one of the options --help lists, in its usage line.
                             QCoreApplication::translate("CommandLine", "COMMAND");
    //: The lines of --help: keep each under 80 columns (40 full-width characters).
    return QCoreApplication::translate("CommandLine", "Usage: pomelo [%1]").arg(synopsis) +
           QStringLiteral("\n\n") +
           QCoreApplication::translate(
               "CommandLine",
               "A kitchen timer on the desktop. Without a command it starts the gadget. A\n"
               "command goes to the copy that runs; when none runs, the gadget starts and\n"
               "carries it out (but for --status and --quit).") +
           QStringLiteral("\n\n") + items +
           HelpItem(QStringLiteral("-h, --help"),
                    QCoreApplication::translate("CommandLine", "print this help")) +
           HelpItem(QStringLiteral("-v, --version"),
                    QCoreApplication::translate("CommandLine", "print the version")) +
           QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine",
               "Each option may also be written with one dash (-status); one command at a time.\n"
               "\n"
               "Exit status: 0 done; 1 the running copy could not be reached, or none runs\n"
               "(--status, --quit), or --again has no countdown to start again; 2 bad usage.") +
           QLatin1Char('\n');
}

void Print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void Complain(const QString &message) {
    Print(stderr, QStringLiteral("pomelo: %1\n").arg(message));
}

} // namespace pomelo
