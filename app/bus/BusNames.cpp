#include "app/bus/BusNames.h"

#include <QCoreApplication>

namespace pomelo {

QString NothingKeyedMessage() {
    return QCoreApplication::translate("pomelo",
                                       "no countdown to start again: none has been keyed in");
}

} // namespace pomelo
