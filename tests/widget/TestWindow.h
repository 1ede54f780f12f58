#pragma once

#include "app/GadgetWindow.h"
#include "app/window/ClickArea.h"

#include <QTemporaryDir>
#include <QTest>

namespace pomelo::test {

// The gadget's window with a settings file of its own, made anew for each
// test.
class TestWindow {
public:
    TestWindow()
        : window_(SettingsFile(settingsPath()),
                  CountFile(configDir_.filePath(QStringLiteral("state")))) {}

    Form1 &form() { return window_.form(); }
    Gadget &gadget() { return window_.gadget(); }
    DesktopEffects &effects() { return window_.effects(); }
    const TimerState &state() { return window_.gadget().state(); }
    ClickArea *key(Key key) { return form().keyArea(key); }
    QString settingsPath() const { return configDir_.filePath(QStringLiteral("pomelo.ini")); }

    // Shows the window and waits until it is on the screen.
    [[nodiscard]] bool show() {
        form().show();
        return QTest::qWaitForWindowExposed(&form());
    }

private:
    QTemporaryDir configDir_;
    GadgetWindow window_;
};

} // namespace pomelo::test
