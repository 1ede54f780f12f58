// Writes a screenshot of the real window for the software centres: three
// minutes keyed into the countdown, drawn on Qt's offscreen platform so no
// desktop is needed, with the corners the window's shape cuts off left
// transparent.

#include "app/GadgetWindow.h"
#include "app/window/ClickArea.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// The display is first drawn by the tick after the wall clock's next second,
// so within a second of starting; past this something is wrong.
constexpr int FirstTickTimeoutMs = 3000;
constexpr int PollMs = 20;

void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pomelo"));

    // A settings file of its own, so the user's settings never show.
    const QTemporaryDir configDir;
    if (!configDir.isValid()) {
        std::fprintf(stderr, "%s: no temporary folder\n", argv[0]);
        return 1;
    }
    pomelo::GadgetWindow window(
        pomelo::SettingsFile(configDir.filePath(QStringLiteral("pomelo.ini"))),
        pomelo::CountFile(configDir.filePath(QStringLiteral("state"))));
    pomelo::Form1 &form = window.form();
    form.show();
    for (int waited = 0; !window.gadget().state().HasActed; waited += PollMs) {
        if (waited >= FirstTickTimeoutMs) {
            std::fprintf(stderr, "%s: the display was never drawn\n", argv[0]);
            return 1;
        }
        RunEventsFor(PollMs);
    }
    using pomelo::Key;
    for (const Key key : {Key::Three, Key::Zero, Key::Zero})
        form.keyArea(key)->click();
    RunEventsFor(PollMs);

    const QRegion shape = form.mask();
    if (shape.isEmpty()) {
        std::fprintf(stderr, "%s: the window has no shape\n", argv[0]);
        return 1;
    }
    const QPixmap shot = form.grab();
    QImage image(shot.size(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(shot.devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setClipRegion(shape);
    painter.drawPixmap(0, 0, shot);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
