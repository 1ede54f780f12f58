#include "app/bus/CallErrors.h"

#include <QCoreApplication>
#include <QDBusError>

namespace pomelo {

QDBusMessage WrongArguments(const QDBusMessage &message, const QString &signature) {
    return message.createErrorReply(QDBusError::InvalidArgs,
                                    //: %1 is a method's name, %2 the D-Bus types of its arguments.
                                    QCoreApplication::translate("RemoteControl", "%1 takes (%2)")
                                        .arg(message.member(), signature));
}

} // namespace pomelo
