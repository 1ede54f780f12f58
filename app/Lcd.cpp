#include "app/Lcd.h"

#include "app/FaceGeometry.h"
#include "app/FacePicture.h"
#include "display/Glyphs.h"
#include "display/IndicatorArt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

Lcd::Lcd(FacePicture &face, Reading reading, QWidget *parent)
    : QWidget(parent)
    , face_(face)
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

void Lcd::placePicture(PictureArray array, int index, const QPoint &topLeft) {
    PictureBox &picture = box(array, index);
    if (picture.geometry().topLeft() == topLeft)
        return;
    changed_ += picture.geometry();
    picture.move(topLeft);
    changed_ += picture.geometry();
}

bool Lcd::setPictureVisible(PictureArray array, int index, bool visible) {
    PictureBox &picture = box(array, index);
    if (picture.isHidden() == !visible)
        return false;
    picture.setHidden(!visible);
    changed_ += picture.geometry();
    return true;
}

void Lcd::showChanges() {
    if (changed_.isEmpty())
        return;
    // Painted now rather than on a posted update: the tick's change reaches
    // the screen in the same wake-up, without a round through the event queue.
    repaint(changed_.translated(-pos()));
    changed_ = QRegion();
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

void Lcd::paintEvent(QPaintEvent *event) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    // The pictures lie in window coordinates on the face, which the LCD
    // shows wherever no picture is.
    painter.translate(-pos());
    const QRect dirty = event->rect().translated(pos());
    const auto covers = [&dirty](const PictureBox &picture) {
        return !picture.isHidden() && picture.geometry().contains(dirty);
    };
    if (std::none_of(pictures_.begin(), pictures_.end(), covers))
        painter.drawPixmap(0, 0, face_.at(ratio));
    for (const PictureBox &picture : pictures_) {
        if (!picture.isHidden() && picture.geometry().intersects(dirty))
            paintPicture(painter, picture, ratio);
    }
}

void Lcd::paintPicture(QPainter &painter, const PictureBox &picture, qreal ratio) {
    QPixmap &rendered = rendered_[&picture.bitmap()];
    if (rendered.isNull() || rendered.devicePixelRatio() != ratio)
        rendered = RenderBitmap(picture.bitmap(), ratio);
    const QRect &box = picture.geometry();
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, QColor(LcdGround));
    painter.drawPixmap(box.topLeft(), rendered);
    painter.restore();
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
