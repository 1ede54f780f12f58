#include "app/bus/BusProperties.h"

#include <array>

namespace pomelo {
namespace {

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

} // namespace pomelo
