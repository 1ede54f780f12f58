#pragma once

#include <QDBusMessage>
#include <QString>

namespace pomelo {

// The answer to a call whose arguments are not those its method takes.
QDBusMessage WrongArguments(const QDBusMessage &message, const QString &signature);

} // namespace pomelo
