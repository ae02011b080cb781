#pragma once
// The one place where our colours meet Qt's.  A QColor with an alpha or
// outside the RGB model comes back as its opaque RGB value.
#include <QColor>

#include "platform/color/color.h"

namespace ranvik {

QColor ToQColor(Color color);
Color FromQColor(const QColor& color);

}  // namespace ranvik
