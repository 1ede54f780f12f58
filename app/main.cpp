#include "app/GadgetWindow.h"
#include "app/Translation.h"
#include "app/bus/ActivationTokens.h"
#include "app/bus/BusNames.h"
#include "app/bus/CommandLine.h"
#include "app/bus/Follower.h"
#include "app/bus/HandOver.h"
#include "app/bus/RemoteControl.h"
#include "app/bus/SingleInstance.h"
#include "app/window/DisplayCheck.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <optional>
#include <variant>

namespace {

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

// Until the gadget starts, the program reads its command line and may hand
// a command to the copy that runs. An application of its own lets those
// texts be translated and the bus be reached; it is gone again before the
// gadget's starts. Returns the exit status, or the command for the gadget
// (none: it just starts) with the lock taken in `instance`.
std::variant<int, std::optional<pomelo::Command>>
BeforeTheGadget(int argc, char *argv[], pomelo::Translation &translation,
                std::optional<pomelo::SingleInstance> &instance) {
    using pomelo::Invocation;
    const QCoreApplication commandLine(argc, argv);
    translation.install();

    // Read before any connection to the display or the bus, so that a bad
    // argument touches nothing.
    const Invocation invocation = pomelo::ParseCommandLine(Arguments(argc, argv));
    switch (invocation.outcome) {
    case Invocation::Outcome::Help:
        pomelo::Print(stdout, pomelo::UsageText());
        return 0;
    case Invocation::Outcome::Version:
        pomelo::Print(stdout,
                      QStringLiteral("pomelo %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    case Invocation::Outcome::BadUsage:
        pomelo::Print(stderr, invocation.complaint + QLatin1Char('\n'));
        return 2;
    case Invocation::Outcome::Run:
        break;
    }

    // Following only listens: it takes no lock and starts no copy.
    if (invocation.command && invocation.command->kind == pomelo::Command::Kind::Follow)
        return pomelo::Follow();
    if (const std::optional<int> status =
            pomelo::HandToRunningCopy(instance.emplace(), invocation.command))
        return *status;
    if (const QString noDisplay = pomelo::WhyNoDisplay(); !noDisplay.isEmpty()) {
        pomelo::Complain(noDisplay);
        return 1;
    }
    return invocation.command;
}

} // namespace

int main(int argc, char *argv[]) {
    PreferX11OnWayland();
    PreferPlainImageTransfers();
    pomelo::ActivationTokens::dropUnusableFromEnvironment();
    QCoreApplication::setApplicationName(QStringLiteral("pomelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POMELO_VERSION));

    pomelo::Translation translation;
    std::optional<pomelo::SingleInstance> instance;
    const auto before = BeforeTheGadget(argc, argv, translation, instance);
    if (const int *status = std::get_if<int>(&before))
        return *status;
    const std::optional<pomelo::Command> &command = std::get<1>(before);

    QApplication app(argc, argv);
    translation.install();
    QGuiApplication::setDesktopFileName(QStringLiteral(POMELO_APP_ID));
    EndIdlePoolThreadsAtOnce();
    pomelo::GadgetWindow window;
    // Again with nothing to start again leaves no gadget behind, not even
    // for a moment on the bus.
    if (command && !window.gadget().carryOut(*command)) {
        pomelo::Complain(pomelo::NothingKeyedMessage());
        return 1;
    }
    pomelo::RemoteControl remote(window.gadget(), window.form());
    remote.registerOnSessionBus();
    window.form().show();
    const int status = QApplication::exec();
    // The gadget has ended: the next copy may start while this one withdraws
    // its notices.
    remote.leaveSessionBus();
    instance->release();
    return status;
}
