#include "app/bus/HandOver.h"

#include "app/bus/CommandLine.h"
#include "app/bus/RemoteClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdio>

namespace pomelo {
namespace {

// A new process waits this long in all for the copy that holds the instance
// lock: to take its name on the bus while it starts, to end, or to answer.
constexpr int HandOverMs = 5000;
constexpr int RetryPauseMs = 50;

// The command went to the copy, which has not answered: one that still holds
// the lock will carry it out once it does, one that gave it up has ended.
void ReportUnanswered(qint64 holder, bool stillRunning) {
    const QString process = QString::number(holder);
    if (stillRunning)
        //: %1 is a process number.
        Complain(QCoreApplication::translate("RemoteClient",
                                             "the command was handed to the running copy "
                                             "(process %1), which has not answered; it will be "
                                             "carried out when it does")
                     .arg(process));
    else
        //: %1 is a process number.
        Complain(QCoreApplication::translate(
                     "RemoteClient",
                     "the command was handed to the running copy (process %1), which ended "
                     "without answering")
                     .arg(process));
}

bool IsQuery(const std::optional<Command> &command) {
    return command &&
           (command->kind == Command::Kind::Status || command->kind == Command::Kind::Quit);
}

} // namespace

std::optional<int> HandToRunningCopy(SingleInstance &instance,
                                     const std::optional<Command> &command) {
    const bool query = IsQuery(command);
    if (!query && instance.take())
        return std::nullopt;
    RemoteClient client;
    const QDeadlineTimer handOver(HandOverMs);
    for (;;) {
        const std::optional<qint64> holder = instance.holder();
        if (holder) {
            switch (client.send(command, *holder, handOver)) {
            case Delivery::Done:
                return 0;
            case Delivery::Failed:
                return 1;
            case Delivery::Unanswered:
                ReportUnanswered(*holder, instance.holder() == holder);
                return 1;
            case Delivery::NotTaken:
                break;
            }
        } else if (query) {
            Print(command->kind == Command::Kind::Status ? stdout : stderr,
                  QCoreApplication::translate("RemoteClient", "pomelo is not running") +
                      QLatin1Char('\n'));
            return 1;
        }
        if (handOver.hasExpired()) {
            if (holder)
                //: %1 is a process number, %2 the last answer from the bus.
                Complain(QCoreApplication::translate("RemoteClient",
                                                     "cannot reach the running copy (process %1): "
                                                     "it does not answer (%2)")
                             .arg(QString::number(*holder), client.lastProblem()));
            else
                //: %1 is the path of the lock file.
                Complain(
                    QCoreApplication::translate("RemoteClient", "cannot take the instance lock %1")
                        .arg(SingleInstance::lockPath()));
            return 1;
        }
        QThread::msleep(RetryPauseMs);
        if (!query && instance.take())
            return std::nullopt;
    }
}

} // namespace pomelo
