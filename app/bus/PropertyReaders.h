#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

namespace pomelo {

// The connections on the session bus that have read the gadget's
// properties and are still there. The bus does not tell a sender who hears
// its signals, but a client that follows properties reads them once first
// (as GDBus and --follow do); so PropertiesChanged goes out while at least
// one such reader is on the bus, and costs nothing while none is.
class PropertyReaders : public QObject {
    Q_OBJECT
public:
    // `watching` is told true when the first reader comes and false when
    // the last one has left the bus.
    explicit PropertyReaders(std::function<void(bool)> watching, QObject *parent = nullptr);

    // The connection of that unique name has read the properties.
    void heardFrom(const QString &reader);

private:
    void left(const QString &reader);

    std::function<void(bool)> watching_;
    QSet<QString> readers_;
    QDBusServiceWatcher watcher_;
};

} // namespace pomelo
