#include "app/bus/PropertyReaders.h"

#include <QDBusConnection>

namespace pomelo {

PropertyReaders::PropertyReaders(std::function<void(bool)> watching, QObject *parent)
    : QObject(parent)
    , watching_(std::move(watching))
    , watcher_(QString(), QDBusConnection::sessionBus(),
               QDBusServiceWatcher::WatchForUnregistration) {
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &PropertyReaders::left);
}

void PropertyReaders::heardFrom(const QString &reader) {
    if (reader.isEmpty() || readers_.contains(reader))
        return;
    readers_.insert(reader);
    watcher_.addWatchedService(reader);
    if (readers_.size() == 1)
        watching_(true);
}

void PropertyReaders::left(const QString &reader) {
    watcher_.removeWatchedService(reader);
    if (readers_.remove(reader) && readers_.isEmpty())
        watching_(false);
}

} // namespace pomelo
