#include "app/window/WindowPlace.h"

#include "app/face/FaceGeometry.h"
#include "app/face/WindowShape.h"
#include "app/log/Logging.h"
#include "app/window/WindowPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace pomelo {

WindowPlace::WindowPlace(QWidget &window)
    : window_(window)
    , placesItself_(CurrentWindowPlatform() != WindowPlatform::Wayland) {}

void WindowPlace::refuse(bool &told, const char *what) {
    if (std::exchange(told, true))
        return;
    qCInfo(lcWindow).noquote() << QStringLiteral("the desktop (%1) places and stacks the window "
                                                 "itself: the window cannot %2")
                                      .arg(QGuiApplication::platformName(), QLatin1String(what));
}

bool WindowPlace::isKnown() const {
    return placesItself_;
}

float WindowPlace::top() const {
    return static_cast<float>(window_.pos().y() * TwipsPerPixel);
}

float WindowPlace::left() const {
    return static_cast<float>(window_.pos().x() * TwipsPerPixel);
}

bool WindowPlace::mayMove() {
    if (!placesItself_)
        refuse(toldMoveRefused_, "move itself (the alarm does not shake it)");
    return placesItself_;
}

void WindowPlace::setTop(float twips) {
    if (mayMove())
        window_.move(window_.pos().x(), TwipsToPixels(twips));
}

void WindowPlace::setLeft(float twips) {
    if (mayMove())
        window_.move(TwipsToPixels(twips), window_.pos().y());
}

bool WindowPlace::isOnAnyScreen() const {
    const QRect window(window_.pos(), window_.size());
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&window](const QScreen *screen) {
        return screen->geometry().intersects(window);
    });
}

void WindowPlace::moveToPrimaryScreen() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window_.move(screen->availableGeometry().topLeft());
}

void WindowPlace::applyShape() {
    window_.setMask(GadgetShape());
    // Where the shape bounds only the input, the corners outside it are left
    // unpainted and show what lies behind the window.
    if (CurrentWindowPlatform() == WindowPlatform::Wayland)
        window_.setAttribute(Qt::WA_TranslucentBackground);
}

int WindowPlace::setStaysOnTop(bool onTop) {
    if (!placesItself_) {
        if (!onTop)
            return 1;
        refuse(toldStayOnTopRefused_, "stay above other windows");
        return 0;
    }
    // Changing the flag on the live window only updates its stacking state;
    // QWidget::setWindowFlag would destroy and re-create the native window.
    QWindow *window = window_.windowHandle();
    if (window != nullptr)
        window->setFlag(Qt::WindowStaysOnTopHint, onTop);
    else
        window_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    const Qt::WindowFlags flags = window != nullptr ? window->flags() : window_.windowFlags();
    return flags.testFlag(Qt::WindowStaysOnTopHint) == onTop ? 1 : 0;
}

} // namespace pomelo
