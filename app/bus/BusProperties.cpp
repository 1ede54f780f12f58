#include "app/bus/BusProperties.h"

#include "app/bus/BusNames.h"
#include "app/bus/CallErrors.h"
#include "remote/Escape.h"

#include <QCoreApplication>
#include <QDBusVariant>
#include <array>

namespace pomelo {
namespace {

// A name the caller gave, as a message may show it.
QString EscapedName(const QString &name) {
    return QString::fromStdString(EscapeArgument(name.toStdString()));
}

// The arguments of the methods of org.freedesktop.DBus.Properties.
QString PropertiesSignature(const QString &method) {
    if (method == QLatin1String("Get"))
        return QStringLiteral("ss");
    if (method == QLatin1String("GetAll"))
        return QStringLiteral("s");
    if (method == QLatin1String("Set"))
        return QStringLiteral("ssv");
    return {};
}

struct PropertyEntry {
    Property property;
    const char *name;
    const char *type; // as D-Bus writes it
};

// In the order of Property.
constexpr std::array<PropertyEntry, PropertyCount> Entries{{
    {Property::Mode, "Mode", "s"},
    {Property::Running, "Running", "b"},
    {Property::Display, "Display", "s"},
    {Property::Remaining, "Remaining", "i"},
    {Property::Keyed, "Keyed", "s"},
    {Property::Ringing, "Ringing", "b"},
}};

QVariant ValueOf(const Observed &seen, Property property) {
    switch (property) {
    case Property::Mode:
        return QString::fromStdString(seen.mode);
    case Property::Running:
        return seen.running;
    case Property::Display:
        return QString::fromStdString(seen.display);
    case Property::Remaining:
        return seen.remaining;
    case Property::Keyed:
        return QString::fromStdString(seen.keyed);
    case Property::Ringing:
        return seen.ringing;
    }
    return {};
}

void Take(const QVariant &value, Property property, Observed &seen) {
    switch (property) {
    case Property::Mode:
        seen.mode = value.toString().toStdString();
        break;
    case Property::Running:
        seen.running = value.toBool();
        break;
    case Property::Display:
        seen.display = value.toString().toStdString();
        break;
    case Property::Remaining:
        seen.remaining = value.toInt();
        break;
    case Property::Keyed:
        seen.keyed = value.toString().toStdString();
        break;
    case Property::Ringing:
        seen.ringing = value.toBool();
        break;
    }
}

} // namespace

std::optional<Property> PropertyNamed(const QString &name) {
    for (const PropertyEntry &entry : Entries) {
        if (name == QLatin1String(entry.name))
            return entry.property;
    }
    return std::nullopt;
}

QVariantMap PropertyValues(const Observed &seen, Properties which) {
    QVariantMap values;
    for (const PropertyEntry &entry : Entries) {
        if (which[static_cast<std::size_t>(entry.property)])
            values.insert(QLatin1String(entry.name), ValueOf(seen, entry.property));
    }
    return values;
}

void TakePropertyValues(const QVariantMap &values, Observed &seen) {
    for (const PropertyEntry &entry : Entries) {
        const auto value = values.constFind(QLatin1String(entry.name));
        if (value != values.constEnd())
            Take(*value, entry.property, seen);
    }
}

QString PropertiesIntrospection() {
    QString xml;
    for (const PropertyEntry &entry : Entries)
        xml += QStringLiteral("  <property name=\"%1\" type=\"%2\" access=\"read\"/>\n")
                   .arg(QLatin1String(entry.name), QLatin1String(entry.type));
    return xml;
}

bool IsPropertiesMethod(const QString &method) {
    return !PropertiesSignature(method).isEmpty();
}

QDBusMessage AnswerProperties(const QDBusMessage &message, const Observed &seen) {
    const QString signature = PropertiesSignature(message.member());
    if (message.signature() != signature)
        return WrongArguments(message, signature);
    const QString interface = message.arguments().value(0).toString();
    // The interface may go unnamed; org.freedesktop.Application has none.
    const bool ours = interface.isEmpty() || interface == QLatin1String(RemoteInterface);
    if (message.member() == QLatin1String("GetAll")) {
        if (!ours && interface != QLatin1String(ApplicationInterfaceName))
            return message.createErrorReply(
                QDBusError::UnknownInterface,
                //: %1 names an interface on the session bus.
                QCoreApplication::translate("RemoteControl", "no properties in %1")
                    .arg(EscapedName(interface)));
        return message.createReply(ours ? PropertyValues(seen) : QVariantMap());
    }
    const QString name = message.arguments().value(1).toString();
    const std::optional<Property> property = ours ? PropertyNamed(name) : std::nullopt;
    if (!property)
        return message.createErrorReply(
            QDBusError::UnknownProperty,
            //: %1 names a property, %2 an interface on the session bus.
            QCoreApplication::translate("RemoteControl", "no property %1 in %2")
                .arg(EscapedName(name), EscapedName(interface)));
    if (message.member() == QLatin1String("Set"))
        return message.createErrorReply(
            QDBusError::PropertyReadOnly,
            //: %1 names a property.
            QCoreApplication::translate("RemoteControl", "%1 is read-only").arg(name));
    Properties which;
    which.set(static_cast<std::size_t>(*property));
    return message.createReply(
        QVariant::fromValue(QDBusVariant(PropertyValues(seen, which).value(name))));
}

} // namespace pomelo
