#include "platform/color/qt_color.h"

namespace ranvik {

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

Color FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

}  // namespace ranvik
