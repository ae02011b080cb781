#include "platform/ui/control_colors.h"

#include <QVariant>

namespace ranvik {

namespace {

constexpr const char* kBackProperty = "ranvikBackColor";
constexpr const char* kForeProperty = "ranvikForeColor";

}  // namespace

void SetBackColor(QWidget* widget, Color color) {
    widget->setProperty(kBackProperty, ToQColor(color));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    palette.setColor(QPalette::Base, ToQColor(color));
    palette.setColor(QPalette::Button, ToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Color BackColorOf(const QWidget* widget) {
    const QVariant value = widget->property(kBackProperty);
    return FromQColor(value.isValid() ? value.value<QColor>()
                                       : widget->palette().color(widget->backgroundRole()));
}

void SetForeColor(QWidget* widget, Color color) {
    widget->setProperty(kForeProperty, ToQColor(color));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    palette.setColor(QPalette::Text, ToQColor(color));
    palette.setColor(QPalette::ButtonText, ToQColor(color));
    widget->setPalette(palette);
}

Color ForeColorOf(const QWidget* widget) {
    const QVariant value = widget->property(kForeProperty);
    return FromQColor(value.isValid() ? value.value<QColor>()
                                       : widget->palette().color(widget->foregroundRole()));
}

}  // namespace ranvik
