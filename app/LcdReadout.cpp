#include "app/LcdReadout.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace pomelo {
namespace {

class LcdReadoutAccessible : public QAccessibleWidget {
public:
    explicit LcdReadoutAccessible(LcdReadout *readout)
        : QAccessibleWidget(readout, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const LcdReadout *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *CreateLcdReadoutAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("pomelo::LcdReadout") && object->isWidgetType())
        return new LcdReadoutAccessible(static_cast<LcdReadout *>(object));
    return nullptr;
}

} // namespace

LcdReadout::LcdReadout(QWidget *parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LcdReadout::setText(const QString &text) {
    if (text == text_)
        return;
    text_ = text;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void InstallLcdReadoutAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateLcdReadoutAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace pomelo
