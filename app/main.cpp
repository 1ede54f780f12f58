#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/RemoteControl.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QThreadPool>
#include <cstdio>

namespace {

using pomelo::Command;

// A copy that holds the instance lock but does not answer on the bus is
// starting or ending; a new process waits this long for it to do either.
constexpr int HandOverMs = 5000;
constexpr int RetryPauseMs = 50;

// A Wayland session lets no window place itself or stay on top, so the gadget
// goes through XWayland unless the user chose a platform.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The window is tiny: sending its changed pixels costs less than the round
// trip that shared-memory transfers make before each reuse of their buffer.
void PreferPlainImageTransfers() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

// Drawing the face, the painter hands big fills to the thread pool. Its
// threads end as soon as they are done, rather than each waking once half a
// minute later only to end then.
void EndIdlePoolThreadsAtOnce() {
    QThreadPool::globalInstance()->setExpiryTimeout(0);
}

QByteArrayList Arguments(int argc, char *argv[]) {
    QByteArrayList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QByteArray(argv[index]);
    return arguments;
}

void Print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// --status and --quit only ask the running copy: they never take the lock,
// so that they never keep a copy from starting.
bool IsQuery(const std::optional<Command> &command) {
    return command &&
           (command->kind == Command::Kind::Status || command->kind == Command::Kind::Quit);
}

// Hands the command to the running copy, or, for a start, takes the lock when
// no copy holds it. Returns the exit status, or nothing when this process is
// to become the gadget.
std::optional<int> HandToRunningCopy(int &argc, char *argv[], pomelo::SingleInstance &instance,
                                     const std::optional<Command> &command) {
    const bool query = IsQuery(command);
    if (!query && instance.take())
        return std::nullopt;
    // The client's bus connection needs an application, which has to be gone
    // again before the gadget's own starts.
    const QCoreApplication app(argc, argv);
    pomelo::RemoteClient client;
    const QDeadlineTimer handOver(HandOverMs);
    for (;;) {
        const std::optional<qint64> holder = instance.holder();
        if (holder) {
            switch (client.send(command, *holder)) {
            case pomelo::Delivery::Done:
                return 0;
            case pomelo::Delivery::Failed:
                return 1;
            case pomelo::Delivery::NotAnswering:
                break;
            }
        } else if (query) {
            Print(command->kind == Command::Kind::Status ? stdout : stderr,
                  QStringLiteral("pomelo is not running\n"));
            return 1;
        }
        if (handOver.hasExpired()) {
            Print(stderr, holder ? QStringLiteral("pomelo: cannot reach the running copy (process "
                                                  "%1): it does not answer (%2)\n")
                                       .arg(*holder)
                                       .arg(client.lastProblem())
                                 : QStringLiteral("pomelo: cannot take the instance lock %1\n")
                                       .arg(pomelo::SingleInstance::lockPath()));
            return 1;
        }
        QThread::msleep(RetryPauseMs);
        if (!query && instance.take())
            return std::nullopt;
    }
}

} // namespace

int main(int argc, char *argv[]) {
    using pomelo::Invocation;

    PreferX11OnWayland();
    PreferPlainImageTransfers();
    QCoreApplication::setApplicationName(QStringLiteral("pomelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POMELO_VERSION));

    // Read before any connection to the display or the bus, so that a bad
    // argument touches nothing.
    const Invocation invocation = pomelo::ParseCommandLine(Arguments(argc, argv));
    switch (invocation.outcome) {
    case Invocation::Outcome::Help:
        Print(stdout, pomelo::UsageText());
        return 0;
    case Invocation::Outcome::Version:
        Print(stdout, QStringLiteral("pomelo %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    case Invocation::Outcome::BadUsage:
        Print(stderr, invocation.complaint + QLatin1Char('\n'));
        return 2;
    case Invocation::Outcome::Run:
        break;
    }

    pomelo::SingleInstance instance;
    const std::optional<Command> &command = invocation.command;
    if (const std::optional<int> status = HandToRunningCopy(argc, argv, instance, command))
        return *status;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(POMELO_APP_ID));
    EndIdlePoolThreadsAtOnce();
    pomelo::Form1 form;
    pomelo::RemoteControl remote(form);
    remote.registerOnSessionBus();
    if (command)
        form.carryOut(*command);
    form.show();
    const int status = QApplication::exec();
    // The gadget has ended: the next copy may start while this one withdraws
    // its notices.
    remote.leaveSessionBus();
    instance.release();
    return status;
}
