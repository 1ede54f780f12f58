#include "app/window/Form1.h"

#include "app/face/FaceGeometry.h"
#include "app/face/Lcd.h"
#include "app/face/SunkKey.h"
#include "app/log/Logging.h"
#include "app/window/ClickArea.h"
#include "app/window/KeyboardKeys.h"
#include "display/LcdReading.h"
#include "gadget/Gadget.h"
#include "resources/Pictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <ctime>

namespace pomelo {
namespace {

constexpr int ShakeStepMs = 100;
// How long a key typed on the keyboard shows pressed.
constexpr int KeyFlashMs = 100;

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

// The key's tooltip in the user's language; OFF's names where the newest
// version is published.
QString ToolTip(const KeyControl &key) {
    if (*key.toolTip == '\0')
        return {};
    const QString text = QCoreApplication::translate(ToolTipContext, key.toolTip);
    return key.key == Key::Off ? text.arg(QStringLiteral(POMELO_HOME_URL)) : text;
}

} // namespace

Form1::Form1(Gadget &gadget)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , gadget_(gadget)
    , drag_(*this)
    , place_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("pomelo"));
    setWindowIcon(RenderIcon());
    setFixedSize(FaceWidth, FaceHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    lcd_ = new Lcd([this] { return QString::fromStdString(LcdReading(gadget_.lcd())); }, this);
    lcd_->setObjectName(QStringLiteral("Lcd"));
    lcd_->setGeometry(LcdArea);
    createKeyAreas();

    timer1_.setParent(this);
    timer2_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(ShakeStepMs);
    timer2_.setTimerType(Qt::PreciseTimer);
    keyFlash_.setParent(this);
    keyFlash_.setObjectName(QStringLiteral("KeyFlash"));
    keyFlash_.setSingleShot(true);
    keyFlash_.setInterval(KeyFlashMs);
    connect(&keyFlash_, &QTimer::timeout, this, &Form1::endKeyFlash);

    for (const KeyControl &key : Keys())
        connect(keyArea(key.key), &ClickArea::clicked, this,
                [&gadget, pressed = key.key] { gadget.press(pressed); });
    connect(&timer1_, &SecondTimer::timeout, this, [&gadget] { gadget.tick(); });
    connect(&timer2_, &QTimer::timeout, this, [&gadget] { gadget.shakeTick(); });
    gadget.setListener([this] { followGadget(); });
    followGadget();
}

Form1::~Form1() = default;

void Form1::createKeyAreas() {
    for (const KeyControl &key : Keys()) {
        auto *area = new ClickArea(QString::fromUtf8(key.label), this);
        area->setObjectName(QString::fromUtf8(key.control));
        area->setGeometry(TwipsToPixels(key.area));
        area->setToolTip(ToolTip(key));
        area->setAccessibleDescription(area->toolTip());
        keyAreas_[static_cast<std::size_t>(key.key) - 1] = area;
    }
    QStringList names;
    for (const ClickArea *area : keyAreas_)
        names << area->objectName();
    const QList<QRect> onFace = KeysOnFace(names);
    std::copy(onFace.begin(), onFace.end(), keysOnFace_.begin());
    // The button knows while it is held, the face shows it.
    for (std::size_t index = 0; index < KeyCount; ++index) {
        const QRect drawn = keysOnFace_[index];
        connect(keyAreas_[index], &ClickArea::pressed, this, [this, drawn] { update(drawn); });
        connect(keyAreas_[index], &ClickArea::released, this, [this, drawn] { update(drawn); });
    }
}

const QRect &Form1::keyOnFace(Key key) const {
    return keysOnFace_.at(static_cast<std::size_t>(key) - 1);
}

void Form1::flashKey(Key key) {
    endKeyFlash();
    flashed_ = key;
    keyArea(key)->setDown(true);
    update(keyOnFace(key));
    keyFlash_.start();
}

void Form1::endKeyFlash() {
    keyFlash_.stop();
    if (!flashed_)
        return;
    keyArea(*flashed_)->setDown(false);
    update(keyOnFace(*flashed_));
    flashed_.reset();
}

void Form1::followGadget() {
    if (lcd_->show(gadget_.lcd())) {
        LogDisplayChange();
        lcd_->announceReading();
    }
    // The tick sleeps while nothing but a key can change the LCD, and the
    // shake timer wakes only while shake steps are pending.
    const bool ticks = gadget_.wantsTicks();
    if (ticks != timer1_.isActive())
        ticks ? timer1_.start() : timer1_.stop();
    const bool shakes = gadget_.wantsShakeSteps();
    if (shakes != timer2_.isActive())
        shakes ? timer2_.start() : timer2_.stop();
}

const PictureBox *Form1::picture(PictureArray array, int index) const {
    return &lcd_->picture(array, index);
}

void Form1::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // A window that cannot cut its shape (see WindowPlace) is see-through
    // outside it, as a shaped one is.
    if (testAttribute(Qt::WA_TranslucentBackground))
        painter.setClipRegion(mask());
    const QPixmap &face = face_.at(devicePixelRatioF());
    painter.drawPixmap(0, 0, face);
    for (std::size_t index = 0; index < KeyCount; ++index) {
        if (keyAreas_[index]->isDown())
            DrawSunkKey(painter, face, keysOnFace_[index]);
    }
}

void Form1::keyPressEvent(QKeyEvent *event) {
    const std::optional<Key> key = KeyForKeyboard(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    flashKey(*key);
    gadget_.press(*key);
}

void Form1::mousePressEvent(QMouseEvent *event) {
    gadget_.mouseDown(static_cast<int>(event->button()));
}

} // namespace pomelo
