#include "platform/ui/pointers.h"

#include <QVariant>

namespace ranvik {

namespace {

constexpr const char* kPointerProperty = "ranvikMousePointer";

Qt::CursorShape ShapeOf(int pointer) {
    switch (pointer) {
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 5:
        case 15: return Qt::SizeAllCursor;
        case 6: return Qt::SizeBDiagCursor;
        case 7: return Qt::SizeVerCursor;
        case 8: return Qt::SizeFDiagCursor;
        case 9: return Qt::SizeHorCursor;
        case 10: return Qt::UpArrowCursor;
        case 11: return Qt::WaitCursor;
        case 12: return Qt::ForbiddenCursor;
        case 13: return Qt::BusyCursor;
        case 14: return Qt::WhatsThisCursor;
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

void SetMousePointer(QWidget* widget, int pointer) {
    widget->setProperty(kPointerProperty, pointer);
    if (pointer == 0) {
        widget->unsetCursor();
    } else {
        widget->setCursor(ShapeOf(pointer));
    }
}

int MousePointerOf(const QWidget* widget) {
    const QVariant value = widget->property(kPointerProperty);
    return value.isValid() ? value.toInt() : 0;
}

}  // namespace ranvik
