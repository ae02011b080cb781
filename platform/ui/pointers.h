#pragma once
// Mouse pointers chosen by number, as the windows choose them: 0 the
// default, 1 arrow, 2 cross, 3 I-beam, 5 size all, 6 north-east/south-west,
// 7 north-south, 8 north-west/south-east, 9 west-east, 10 up arrow,
// 11 hourglass, 12 no-drop, 13 arrow and hourglass, 14 arrow and question
// mark, 15 size all.  The number is kept on the control, so a window can ask
// which pointer a control shows (a grid with pointer 12 ignores clicks).
#include <QWidget>

namespace ranvik {

void SetMousePointer(QWidget* widget, int pointer);
int MousePointerOf(const QWidget* widget);

}  // namespace ranvik
