// Prints the tooltips of the program's keys as its window has them in the
// language of the environment (LANG), its translations loaded as the program
// loads them: one "LABEL<tab>tooltip" line for each key that has one. The
// language test reads the tooltips here, which no X tool can read off the
// screen.

#include "app/GadgetWindow.h"
#include "app/Translation.h"
#include "app/window/ClickArea.h"
#include "keypad/KeyLayout.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[]) {
    pomelo::Translation translation;
    const QApplication app(argc, argv);
    translation.install();
    // Files of its own, so that the user's settings and count stay as they are.
    const QTemporaryDir files;
    pomelo::GadgetWindow window(pomelo::SettingsFile(files.filePath(QStringLiteral("pomelo.ini"))),
                                pomelo::CountFile(files.filePath(QStringLiteral("state"))));
    for (const pomelo::KeyControl &key : pomelo::Keys()) {
        const QString toolTip = window.form().keyArea(key.key)->toolTip();
        if (!toolTip.isEmpty())
            std::printf("%s\t%s\n", key.label, toolTip.toUtf8().constData());
    }
}
