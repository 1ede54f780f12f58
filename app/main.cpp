#include "app/Form1.h"
#include "app/SingleInstance.h"

#include <QApplication>

namespace {

// A Wayland session lets no window place itself or stay on top, so the gadget
// goes through XWayland unless the user chose a platform.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The window is tiny: sending its changed pixels costs less than the round
// trip that shared-memory transfers make before each reuse of their buffer.
void PreferPlainImageTransfers() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace

int main(int argc, char *argv[]) {
    PreferX11OnWayland();
    PreferPlainImageTransfers();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pomelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(POMELO_APP_ID));

    const pomelo::SingleInstance instance;
    if (!instance.isFirst())
        return 0;

    pomelo::Form1 form;
    form.show();
    return QApplication::exec();
}
