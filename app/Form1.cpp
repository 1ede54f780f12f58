#include "app/Form1.h"

#include "app/ClickArea.h"
#include "app/FaceGeometry.h"
#include "app/KeyboardKeys.h"
#include "app/Lcd.h"
#include "app/Logging.h"
#include "app/WindowShape.h"
#include "display/LcdReading.h"
#include "form/FormEvents.h"
#include "remote/Status.h"
#include "resources/Pictures.h"
#include "timer/Alarm.h"
#include "timer/Tick.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <ctime>

namespace pomelo {
namespace {

constexpr int ShakeStepMs = 100;

// When the LCD changed, on the wall clock, for measuring how closely the
// display follows the second boundary.
void LogDisplayChange() {
    if (!lcDisplay().isDebugEnabled())
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    qCDebug(lcDisplay, "display changed at %lld.%03ld", static_cast<long long>(now.tv_sec),
            now.tv_nsec / 1000000);
}

} // namespace

Form1::Form1(SettingsFile settingsFile, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , settingsFile_(std::move(settingsFile)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("pomelo"));
    setWindowIcon(RenderIcon());
    setFixedSize(FaceWidth, FaceHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    lcd_ = new Lcd(
        face_, [this] { return QString::fromStdString(LcdReading(*this)); }, this);
    lcd_->setObjectName(QStringLiteral("Lcd"));
    lcd_->setGeometry(LcdArea);

    createKeyAreas();
    createTimers();

    Form_Load(state_, *this);
    timer1_.start();
}

void Form1::createKeyAreas() {
    for (int control = 1; control <= KeyCount; ++control) {
        const Key &key = Keys()[control - 1];
        auto *area = new ClickArea(QString::fromUtf8(key.label), this);
        area->setObjectName(QString::fromUtf8(key.control));
        area->setGeometry(TwipsToPixels(key.area));
        area->setToolTip(QString::fromUtf8(key.toolTip));
        area->setAccessibleDescription(area->toolTip());
        connect(area, &ClickArea::clicked, this, [this, handler = key.click] { run(handler); });
        keyAreas_[control - 1] = area;
    }
}

void Form1::createTimers() {
    timer1_.setParent(this);
    timer2_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(ShakeStepMs);
    timer2_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &SecondTimer::timeout, this, [this] { runTimer(Timer1_Timer); });
    connect(&timer2_, &QTimer::timeout, this, [this] { runTimer(Timer2_Timer); });
}

Form1::~Form1() = default;

void Form1::carryOut(const Command &command) {
    run([&command](TimerState &state, Effects &effects) { CarryOut(command, state, effects); });
}

std::string Form1::statusLine() const {
    return StatusLine(state_, *this);
}

void Form1::run(const Action &action) {
    // Nothing runs once the OFF key has ended the program.
    if (ended_)
        return;
    act(action);
    WakeTick(state_, *this);
    followTimers();
}

void Form1::runTimer(Handler handler) {
    if (ended_)
        return;
    act(handler);
    followTimers();
}

void Form1::act(const Action &action) {
    displayChanged_ = false;
    action(state_, *this);
    lcd_->showChanges();
    if (displayChanged_) {
        LogDisplayChange();
        lcd_->announceReading();
    }
}

void Form1::followTimers() {
    if (ended_)
        return;
    // The tick sleeps while nothing but a key can change the LCD, and the
    // shake timer wakes only while shake steps are pending.
    if (state_.TickAsleep && timer1_.isActive())
        timer1_.stop();
    else if (!state_.TickAsleep && !timer1_.isActive())
        timer1_.start();
    if (state_.ShakeCount > 0 && !timer2_.isActive())
        timer2_.start();
    else if (state_.ShakeCount <= 0 && timer2_.isActive())
        timer2_.stop();
}

const PictureBox *Form1::picture(PictureArray array, int index) const {
    return &lcd_->picture(array, index);
}

void Form1::placePicture(PictureArray array, int index, int leftTwips, int topTwips) {
    lcd_->placePicture(array, index, QPoint(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)));
}

void Form1::setPictureVisible(PictureArray array, int index, bool visible) {
    if (lcd_->setPictureVisible(array, index, visible))
        displayChanged_ = true;
}

bool Form1::isPictureVisible(PictureArray array, int index) const {
    return !lcd_->picture(array, index).isHidden();
}

float Form1::windowTop() const {
    return static_cast<float>(pos().y() * TwipsPerPixel);
}

float Form1::windowLeft() const {
    return static_cast<float>(pos().x() * TwipsPerPixel);
}

void Form1::setWindowTop(float twips) {
    move(pos().x(), TwipsToPixels(twips));
}

void Form1::setWindowLeft(float twips) {
    move(TwipsToPixels(twips), pos().y());
}

bool Form1::isWindowOnAnyScreen() const {
    const QRect window(pos(), size());
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&window](const QScreen *screen) {
        return screen->geometry().intersects(window);
    });
}

void Form1::moveWindowToPrimaryScreen() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
}

void Form1::applyWindowShape() {
    setMask(GadgetShape());
}

void Form1::beginWindowDrag() {
    QWindow *window = windowHandle();
    if (window != nullptr && window->startSystemMove())
        return;
    // No window manager to hand the move to: follow the pointer ourselves.
    // Anchored where the button went down: the pointer may have moved on by
    // the time the press is handled, and the window must not lag behind it.
    manualDrag_ = true;
    dragOffset_ = pressPosition_ - pos();
}

int Form1::setWindowStaysOnTop(bool onTop) {
    // Changing the flag on the live window only updates its stacking state;
    // QWidget::setWindowFlag would destroy and re-create the native window.
    QWindow *window = windowHandle();
    if (window != nullptr)
        window->setFlag(Qt::WindowStaysOnTopHint, onTop);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    const Qt::WindowFlags flags = window != nullptr ? window->flags() : windowFlags();
    return flags.testFlag(Qt::WindowStaysOnTopHint) == onTop ? 1 : 0;
}

void Form1::endProgram() {
    ended_ = true;
    timer1_.stop();
    timer2_.stop();
    hide();
    QCoreApplication::exit(0);
}

LocalTime Form1::localTime() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(now.tv_nsec / 1000000)};
}

std::int64_t Form1::elapsedMilliseconds() const {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

double Form1::random() {
    return QRandomGenerator::global()->generateDouble();
}

std::string Form1::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

void Form1::playSound(const std::string &path) {
    alarmSound_.play(QString::fromStdString(path));
}

void Form1::postAlarmNotice(const std::string &text) {
    alarmNotice_.post(QString::fromStdString(text));
}

void Form1::withdrawAlarmNotice() {
    alarmNotice_.withdraw();
}

std::optional<std::string> Form1::readSettingsFile() const {
    return settingsFile_.read();
}

bool Form1::writeSettingsFile(std::string_view contents) {
    return settingsFile_.write(contents);
}

void Form1::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, face_.at(devicePixelRatioF()));
}

void Form1::keyPressEvent(QKeyEvent *event) {
    const int area = KeyAreaForKeyboard(*event);
    if (area == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    run(Keys()[area - 1].click);
}

void Form1::mousePressEvent(QMouseEvent *event) {
    pressPosition_ = event->globalPosition().toPoint();
    Form_MouseDown(*this, static_cast<int>(event->button()));
}

void Form1::mouseMoveEvent(QMouseEvent *event) {
    if (manualDrag_)
        move(event->globalPosition().toPoint() - dragOffset_);
}

void Form1::mouseReleaseEvent(QMouseEvent *) {
    manualDrag_ = false;
}

} // namespace pomelo
