#include "app/desktop/DesktopEffects.h"

#include "app/face/FaceGeometry.h"
#include "app/face/WindowShape.h"
#include "app/log/Logging.h"
#include "app/window/Form1.h"
#include "app/window/WindowPlatform.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>
#include <QTime>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <ctime>
#include <utility>

namespace pomelo {

DesktopEffects::DesktopEffects(Form1 &window, SettingsFile settingsFile, CountFile countFile)
    : window_(window)
    , placesItself_(CurrentWindowPlatform() != WindowPlatform::Wayland)
    , settingsFile_(std::move(settingsFile))
    , countFile_(std::move(countFile)) {}

void DesktopEffects::refuse(bool &told, const char *what) {
    if (std::exchange(told, true))
        return;
    qCInfo(lcWindow).noquote() << QStringLiteral("the desktop (%1) places and stacks the window "
                                                 "itself: the window cannot %2")
                                      .arg(QGuiApplication::platformName(), QLatin1String(what));
}

bool DesktopEffects::isWindowPlaceKnown() const {
    return placesItself_;
}

float DesktopEffects::windowTop() const {
    return static_cast<float>(window_.pos().y() * TwipsPerPixel);
}

float DesktopEffects::windowLeft() const {
    return static_cast<float>(window_.pos().x() * TwipsPerPixel);
}

bool DesktopEffects::mayMove() {
    if (!placesItself_)
        refuse(toldMoveRefused_, "move itself (the alarm does not shake it)");
    return placesItself_;
}

void DesktopEffects::setWindowTop(float twips) {
    if (mayMove())
        window_.move(window_.pos().x(), TwipsToPixels(twips));
}

void DesktopEffects::setWindowLeft(float twips) {
    if (mayMove())
        window_.move(TwipsToPixels(twips), window_.pos().y());
}

bool DesktopEffects::isWindowOnAnyScreen() const {
    const QRect window(window_.pos(), window_.size());
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&window](const QScreen *screen) {
        return screen->geometry().intersects(window);
    });
}

void DesktopEffects::moveWindowToPrimaryScreen() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window_.move(screen->availableGeometry().topLeft());
}

void DesktopEffects::applyWindowShape() {
    window_.setMask(GadgetShape());
    // Where the shape bounds only the input, the corners outside it are left
    // unpainted and show what lies behind the window.
    if (CurrentWindowPlatform() == WindowPlatform::Wayland)
        window_.setAttribute(Qt::WA_TranslucentBackground);
}

void DesktopEffects::beginWindowDrag() {
    window_.beginDrag();
}

int DesktopEffects::setWindowStaysOnTop(bool onTop) {
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

void DesktopEffects::endProgram() {
    window_.hide();
    QCoreApplication::exit(0);
}

LocalTime DesktopEffects::localTime() const {
    return localTimeAt(utcMilliseconds());
}

LocalTime DesktopEffects::localTimeAt(std::int64_t utcMs) const {
    const auto seconds = static_cast<std::time_t>(utcMs / 1000);
    tm local{};
    localtime_r(&seconds, &local);
    return {.hour = local.tm_hour,
            .minute = local.tm_min,
            .second = local.tm_sec,
            .millisecond = static_cast<int>(utcMs % 1000),
            .year = local.tm_year + 1900,
            .month = local.tm_mon + 1,
            .day = local.tm_mday};
}

std::int64_t DesktopEffects::utcMilliseconds() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

std::string DesktopEffects::bootId() const {
    // The kernel's name for this boot; the same for the whole run.
    static const std::string id = [] {
        QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toStdString()
                                              : std::string();
    }();
    return id;
}

std::int64_t DesktopEffects::elapsedMilliseconds() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

double DesktopEffects::random() {
    return QRandomGenerator::global()->generateDouble();
}

std::string DesktopEffects::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

void DesktopEffects::playSound(const std::string &path) {
    alarmSound_.play(QString::fromStdString(path));
}

void DesktopEffects::stopSound() {
    alarmSound_.stop();
}

std::string DesktopEffects::translate(const char *context, const char *text) const {
    return QCoreApplication::translate(context, text).toStdString();
}

std::string DesktopEffects::timeOfDay(const LocalTime &time) const {
    const QTime hoursAndMinutes(time.hour, time.minute);
    const QLocale locale;
    // The C locale's short form has seconds; without a language's customs
    // the time reads 21:07.
    if (locale.language() == QLocale::C)
        return hoursAndMinutes.toString(QStringLiteral("HH:mm")).toStdString();
    // Qt knows no day periods (Taiwan's "Bh:mm" for 下午9:07) and would print
    // the letter before a 24-hour time; its AM/PM text says the same.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.replace(QLatin1Char('B'), QStringLiteral("AP"));
    return locale.toString(hoursAndMinutes, format).toStdString();
}

std::string DesktopEffects::shortDate(const LocalTime &time) const {
    return QLocale()
        .toString(QDate(time.year, time.month, time.day), QLocale::ShortFormat)
        .toStdString();
}

void DesktopEffects::postAlarmNotice(const std::string &text) {
    alarmNotice_.post(QString::fromStdString(text));
}

void DesktopEffects::withdrawAlarmNotice() {
    alarmNotice_.withdraw();
}

std::optional<std::string> DesktopEffects::readSettingsFile() const {
    return settingsFile_.read();
}

bool DesktopEffects::writeSettingsFile(std::string_view contents) {
    return settingsFile_.write(contents);
}

std::optional<std::string> DesktopEffects::readCountFile() const {
    return countFile_.read();
}

void DesktopEffects::writeCountFile(std::string_view contents) {
    countFile_.write(contents);
}

void DesktopEffects::note(std::string_view line) {
    qCInfo(lcCount).noquote() << QString::fromUtf8(line.data(),
                                                   static_cast<qsizetype>(line.size()));
}

} // namespace pomelo
