#pragma once
// Back and fore colours of labels, frames, picture boxes and text boxes, set
// and read as colour numbers.  The value set is kept on the control, so a
// window can test which colour a control shows (a tab's colour tells whether
// its chart window is open).
#include <QWidget>

#include "platform/ui/colors.h"

namespace ranvik {

void SetBackColor(QWidget* widget, Color color);
Color BackColorOf(const QWidget* widget);
void SetForeColor(QWidget* widget, Color color);
Color ForeColorOf(const QWidget* widget);

}  // namespace ranvik
