#include "app/face/Lcd.h"

#include "app/face/FaceGeometry.h"
#include "display/Glyphs.h"
#include "display/IndicatorArt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace pomelo {
namespace {

constexpr int PicturesPerArray = 10;

std::size_t At(PictureArray array, int index) {
    return (static_cast<std::size_t>(array) - 1) * PicturesPerArray +
           static_cast<std::size_t>(index);
}

class LcdAccessible : public QAccessibleWidget {
public:
    explicit LcdAccessible(Lcd *lcd)
        : QAccessibleWidget(lcd, QAccessible::StaticText) {}

    // Read when asked, so nothing is kept up to date for a reader that may
    // never come.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const Lcd *>(widget())->reading();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *CreateLcdAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("pomelo::Lcd") && object->isWidgetType())
        return new LcdAccessible(static_cast<Lcd *>(object));
    return nullptr;
}

std::vector<PictureBox> CreatePictures() {
    std::vector<PictureBox> pictures;
    const QSize digitBox =
        TwipsToPixels(TwipsRect{0, 0, DigitBoxWidthTwips, DigitBoxHeightTwips}).size();
    for (std::size_t cell = 0; cell < DigitCells.size(); ++cell) {
        for (int digit = 0; digit < PicturesPerArray; ++digit)
            pictures.emplace_back(DigitGlyph(digit), digitBox);
    }
    // The indicators stay where they are put here.
    for (int index = 0; index < IndicatorCount; ++index) {
        const QRect box = TwipsToPixels(IndicatorBoxes[index]);
        pictures.emplace_back(IndicatorPicture(index), box.size()).move(box.topLeft());
    }
    return pictures;
}

} // namespace

Lcd::Lcd(Reading reading, QWidget *parent)
    : QWidget(parent)
    , reading_(std::move(reading))
    , pictures_(CreatePictures()) {
    static const bool accessible = [] {
        QAccessible::installFactory(CreateLcdAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const PictureBox &Lcd::picture(PictureArray array, int index) const {
    return pictures_.at(At(array, index));
}

PictureBox &Lcd::box(PictureArray array, int index) {
    return pictures_.at(At(array, index));
}

bool Lcd::show(const LcdPictures &lcd) {
    // A tick changes a few pictures of fifty: only those are looked at again.
    for (const PictureArray array :
         {PictureArray::Picture1, PictureArray::Picture2, PictureArray::Picture3,
          PictureArray::Picture4, PictureArray::Picture5}) {
        for (int index = 0; index < PicturesPerArray; ++index) {
            Picture &drawn = drawn_[array][index];
            if (drawn == lcd[array][index])
                continue;
            drawn = lcd[array][index];
            follow(box(array, index), drawn);
        }
    }
    if (changed_.isEmpty())
        return false;
    showChanges();
    return true;
}

void Lcd::follow(PictureBox &box, const Picture &picture) {
    const QPoint topLeft(TwipsToPixels(picture.Left), TwipsToPixels(picture.Top));
    if (box.geometry().topLeft() != topLeft) {
        if (!box.isHidden())
            changed_ |= box.geometry();
        box.move(topLeft);
        if (picture.Visible)
            changed_ |= box.geometry();
    }
    if (box.isHidden() == picture.Visible) {
        box.setHidden(!picture.Visible);
        changed_ |= box.geometry();
    }
}

void Lcd::showChanges() {
    const QRect changed = std::exchange(changed_, QRect());
    if (!image_.isFor(devicePixelRatioF())) {
        update(changed.translated(-pos()));
        return;
    }
    image_.compose(changed, pictures_);
    if (!putOnScreen(changed))
        update(changed.translated(-pos()));
}

bool Lcd::putOnScreen(const QRect &changed) {
    // Straight into the window's backing store and out to the screen: the
    // pixels are ready, and the widget repaint machinery would cost the tick
    // more than everything else it does.
    QBackingStore *store = window()->backingStore();
    const QWindow *handle = window()->windowHandle();
    if (store == nullptr || handle == nullptr || !handle->isExposed() || !isVisible())
        return false;
    const QRegion region(changed);
    store->beginPaint(region);
    QPaintDevice *device = store->paintDevice();
    const bool copied = device->devType() == QInternal::Image &&
                        image_.copyTo(*static_cast<QImage *>(device), changed);
    store->endPaint();
    if (copied)
        store->flush(region);
    return copied;
}

void Lcd::announceReading() {
    if (!QAccessible::isActive())
        return;
    const QString now = reading();
    if (now == announced_)
        return;
    announced_ = now;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Lcd::paintEvent(QPaintEvent *) {
    const qreal ratio = devicePixelRatioF();
    if (!image_.isFor(ratio)) {
        image_.reset(geometry(), ratio);
        image_.compose(geometry(), pictures_);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, image_.image());
}

void Lcd::mousePressEvent(QMouseEvent *event) {
    // A press on a shown picture is taken, so it never drags the window; on
    // the bare LCD it goes on to the face below.
    const QPoint at = mapToParent(event->position().toPoint());
    for (const PictureBox &picture : pictures_) {
        if (!picture.isHidden() && picture.geometry().contains(at)) {
            event->accept();
            return;
        }
    }
    event->ignore();
}

} // namespace pomelo
