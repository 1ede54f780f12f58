#include "app/Form1.h"

#include "app/ClickArea.h"
#include "app/FaceGeometry.h"
#include "app/KeyboardKeys.h"
#include "app/Lcd.h"
#include "app/Logging.h"
#include "display/LcdReading.h"
#include "gadget/Gadget.h"
#include "resources/Pictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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

// The key's tooltip in the user's language; OFF's names where the newest
// version is published.
QString ToolTip(const KeyControl &key) {
    if (*key.toolTip == '\0')
        return {};
    const QString text = QCoreApplication::translate(ToolTipContext, key.toolTip);
    return key.key == Key::Off ? text.arg(QStringLiteral(POMELO_HOME_URL)) : text;
}

} // namespace

Form1::Form1()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("pomelo"));
    setWindowIcon(RenderIcon());
    setFixedSize(FaceWidth, FaceHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);

    lcd_ = new Lcd(
        [this] {
            return gadget_ != nullptr ? QString::fromStdString(LcdReading(gadget_->lcd()))
                                      : QString();
        },
        this);
    lcd_->setObjectName(QStringLiteral("Lcd"));
    lcd_->setGeometry(LcdArea);
    createKeyAreas();

    timer1_.setParent(this);
    timer2_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(ShakeStepMs);
    timer2_.setTimerType(Qt::PreciseTimer);
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
}

void Form1::drive(Gadget &gadget) {
    gadget_ = &gadget;
    for (const KeyControl &key : Keys())
        connect(keyArea(key.key), &ClickArea::clicked, this,
                [&gadget, pressed = key.key] { gadget.press(pressed); });
    connect(&timer1_, &SecondTimer::timeout, this, [&gadget] { gadget.tick(); });
    connect(&timer2_, &QTimer::timeout, this, [&gadget] { gadget.shakeTick(); });
    gadget.setListener([this] { followGadget(); });
    followGadget();
}

void Form1::followGadget() {
    if (lcd_->show(gadget_->lcd())) {
        LogDisplayChange();
        lcd_->announceReading();
    }
    // The tick sleeps while nothing but a key can change the LCD, and the
    // shake timer wakes only while shake steps are pending.
    const bool ticks = gadget_->wantsTicks();
    if (ticks != timer1_.isActive())
        ticks ? timer1_.start() : timer1_.stop();
    const bool shakes = gadget_->wantsShakeSteps();
    if (shakes != timer2_.isActive())
        shakes ? timer2_.start() : timer2_.stop();
}

const PictureBox *Form1::picture(PictureArray array, int index) const {
    return &lcd_->picture(array, index);
}

void Form1::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // A window that cannot cut its shape (see DesktopEffects) is see-through
    // outside it, as a shaped one is.
    if (testAttribute(Qt::WA_TranslucentBackground))
        painter.setClipRegion(mask());
    painter.drawPixmap(0, 0, face_.at(devicePixelRatioF()));
}

void Form1::keyPressEvent(QKeyEvent *event) {
    const std::optional<Key> key = KeyForKeyboard(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    gadget_->press(*key);
}

void Form1::mousePressEvent(QMouseEvent *event) {
    gadget_->mouseDown(static_cast<int>(event->button()));
}

} // namespace pomelo
