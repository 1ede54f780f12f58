#include "app/bus/ApplicationInterface.h"

#include "app/bus/ActivationTokens.h"
#include "app/bus/BusNames.h"
#include "app/bus/WindowActivation.h"
#include "gadget/Gadget.h"
#include "remote/Escape.h"
#include "remote/LauncherAction.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusError>
#include <QVariantList>
#include <QVariantMap>
#include <array>

namespace pomelo {
namespace {

struct Method {
    const char *name;
    const char *signature;
    const char *arguments; // as introspection shows them
};

const std::array<Method, 3> Methods{{
    {"Activate", "a{sv}", R"(<arg name="platform_data" type="a{sv}" direction="in"/>)"},
    {"ActivateAction", "sava{sv}",
     R"(<arg name="action_name" type="s" direction="in"/>)"
     R"(<arg name="parameter" type="av" direction="in"/>)"
     R"(<arg name="platform_data" type="a{sv}" direction="in"/>)"},
    {"Open", "asa{sv}",
     R"(<arg name="uris" type="as" direction="in"/>)"
     R"(<arg name="platform_data" type="a{sv}" direction="in"/>)"},
}};

const Method *MethodNamed(const QString &name) {
    for (const Method &method : Methods) {
        if (name == QLatin1String(method.name))
            return &method;
    }
    return nullptr;
}

template <typename Value> Value Argument(const QDBusMessage &call, int index) {
    return qdbus_cast<Value>(call.arguments().value(index));
}

} // namespace

ApplicationInterface::ApplicationInterface(Gadget &gadget, QWidget &window)
    : gadget_(gadget)
    , window_(window) {}

bool ApplicationInterface::hasMethod(const QString &name) {
    return MethodNamed(name) != nullptr;
}

QString ApplicationInterface::introspection() {
    QString xml =
        QStringLiteral("<interface name=\"%1\">\n").arg(QLatin1String(ApplicationInterfaceName));
    for (const Method &method : Methods)
        xml += QStringLiteral("  <method name=\"%1\">%2</method>\n")
                   .arg(QLatin1String(method.name), QLatin1String(method.arguments));
    return xml + QStringLiteral("</interface>\n");
}

QDBusMessage ApplicationInterface::answer(const QDBusMessage &call) {
    const Method &method = *MethodNamed(call.member());
    if (call.signature() != QLatin1String(method.signature))
        return call.createErrorReply(
            QDBusError::InvalidArgs,
            //: %1 is a method's name, %2 the D-Bus types of its arguments.
            QCoreApplication::translate("RemoteControl", "%1 takes (%2)")
                .arg(QLatin1String(method.name), QLatin1String(method.signature)));
    const QString name = call.member();
    if (name == QLatin1String("Open"))
        return call.createErrorReply(
            QDBusError::NotSupported,
            QCoreApplication::translate("ApplicationInterface", "pomelo opens no files"));
    if (name == QLatin1String("ActivateAction")) {
        const std::string actionName = Argument<QString>(call, 0).toStdString();
        const LauncherAction *action = LauncherActionNamed(actionName);
        if (action == nullptr)
            return call.createErrorReply(
                QDBusError::InvalidArgs,
                //: %1 is the action's name as it was asked for.
                QCoreApplication::translate("ApplicationInterface", "'%1' is no action of pomelo")
                    .arg(QString::fromStdString(EscapeArgument(actionName))));
        if (!Argument<QVariantList>(call, 1).isEmpty())
            return call.createErrorReply(
                QDBusError::InvalidArgs,
                QCoreApplication::translate("ApplicationInterface",
                                            "pomelo's actions take no parameter"));
        gadget_.carryOut(action->command);
    }
    const int platformData = call.arguments().size() - 1;
    BringForward(window_,
                 ActivationTokens::fromPlatformData(Argument<QVariantMap>(call, platformData)));
    return call.createReply();
}

} // namespace pomelo
