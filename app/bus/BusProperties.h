#pragma once

#include "remote/Observed.h"

#include <QDBusMessage>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace pomelo {

// What watchers see of the gadget (Observed) as the read-only properties of
// its interface on the session bus: Mode, Running, Display, Remaining, Keyed
// and Ringing.

// The property of that name, if there is one.
std::optional<Property> PropertyNamed(const QString &name);
// The values of the properties in `which`, by name.
QVariantMap PropertyValues(const Observed &seen, Properties which = Properties().set());
// Takes the values of the properties the map names into `seen`.
void TakePropertyValues(const QVariantMap &values, Observed &seen);
// The properties' lines of the interface's introspection.
QString PropertiesIntrospection();

// Whether `method` is one of org.freedesktop.DBus.Properties' (Get, GetAll,
// Set).
bool IsPropertiesMethod(const QString &method);
// The answer to such a call on the gadget's object, which sees `seen`:
// the values asked for; Set is refused, as every property is read-only.
QDBusMessage AnswerProperties(const QDBusMessage &call, const Observed &seen);

} // namespace pomelo
