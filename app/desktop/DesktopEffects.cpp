#include "app/desktop/DesktopEffects.h"

#include "app/log/Logging.h"
#include "app/window/Form1.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTime>
#include <ctime>
#include <utility>

namespace pomelo {

DesktopEffects::DesktopEffects(Form1 &window, SettingsFile settingsFile, CountFile countFile)
    : window_(window)
    , settingsFile_(std::move(settingsFile))
    , countFile_(std::move(countFile)) {}

bool DesktopEffects::isWindowPlaceKnown() const {
    return window_.place().isKnown();
}

float DesktopEffects::windowTop() const {
    return window_.place().top();
}

float DesktopEffects::windowLeft() const {
    return window_.place().left();
}

void DesktopEffects::setWindowTop(float twips) {
    window_.place().setTop(twips);
}

void DesktopEffects::setWindowLeft(float twips) {
    window_.place().setLeft(twips);
}

bool DesktopEffects::isWindowOnAnyScreen() const {
    return window_.place().isOnAnyScreen();
}

void DesktopEffects::moveWindowToPrimaryScreen() {
    window_.place().moveToPrimaryScreen();
}

void DesktopEffects::applyWindowShape() {
    window_.place().applyShape();
}

int DesktopEffects::setWindowStaysOnTop(bool onTop) {
    return window_.place().setStaysOnTop(onTop);
}

void DesktopEffects::beginWindowDrag() {
    window_.beginDrag();
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

std::string DesktopEffects::translate(const char *context, const char *text, int n) const {
    return QCoreApplication::translate(context, text, nullptr, n).toStdString();
}

ShownTime DesktopEffects::timeOfDay(const LocalTime &time) const {
    const QTime hoursAndMinutes(time.hour, time.minute);
    const QLocale locale;
    // The C locale's short form has seconds; without a language's customs
    // the time reads 21:07.
    if (locale.language() == QLocale::C)
        return {hoursAndMinutes.toString(QStringLiteral("HH:mm")).toStdString(), time.hour};
    // Qt knows no day periods (Taiwan's "Bh:mm" for 下午9:07) and would print
    // the letter before a 24-hour time; its AM/PM text says the same.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.replace(QLatin1Char('B'), QStringLiteral("AP"));
    const std::string text = locale.toString(hoursAndMinutes, format).toStdString();
    // Qt's h counts the hours 1 to 12 beside an AM/PM marker, H always 0 to
    // 23; quoted letters are text.
    format.remove(QRegularExpression(QStringLiteral("'[^']*'")));
    const bool twelveHours =
        format.contains(QLatin1Char('h')) && format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    return {text, twelveHours ? (time.hour + 11) % 12 + 1 : time.hour};
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
