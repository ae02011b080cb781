#include "platform/ui/label_button.h"

#include <QMouseEvent>

#include "platform/ui/keys.h"
#include "platform/ui/twips.h"

namespace ranvik {

LabelButton::LabelButton(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

LabelButton::LabelButton(const QString& caption, QWidget* parent) : LabelButton(parent) {
    setText(caption);
}

void LabelButton::SetPressLook(int dxTwips, int dyTwips, int dwTwips, int dhTwips) {
    dx_ = dxTwips;
    dy_ = dyTwips;
    dw_ = dwTwips;
    dh_ = dhTwips;
}

void LabelButton::ShowPressed() {
    if (looksPressed_) return;
    looksPressed_ = true;
    released_ = geometry();
    MoveTwips(this, LeftOf(this) + dx_, TopOf(this) + dy_, WidthOf(this) + dw_,
              HeightOf(this) + dh_);
}

void LabelButton::ShowReleased() {
    if (!looksPressed_) return;
    looksPressed_ = false;
    setGeometry(released_);
}

void LabelButton::mousePressEvent(QMouseEvent* event) {
    const int button = MouseButtonOf(*event);
    const QPointF at = event->position();
    if (button == kLeftButton) {
        leftHeld_ = true;
        if (autoPressLook_) ShowPressed();
    }
    emit MouseDown(button, ShiftStateOf(event->modifiers()), PixelsToTwips(at.x()),
                   PixelsToTwips(at.y()));
}

void LabelButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseMove(MouseButtonOf(*event), ShiftStateOf(event->modifiers()), PixelsToTwips(at.x()),
                   PixelsToTwips(at.y()));
}

void LabelButton::mouseReleaseEvent(QMouseEvent* event) {
    const int button = MouseButtonOf(*event);
    const QPointF at = event->position();
    // Inside as the label was while pressed: strictly within its edges.
    const bool inside = at.x() > 0 && at.x() < width() && at.y() > 0 && at.y() < height();
    const bool click = leftHeld_ && button == kLeftButton && inside;
    if (button == kLeftButton) {
        leftHeld_ = false;
        if (autoPressLook_) ShowReleased();
    }
    emit MouseUp(button, ShiftStateOf(event->modifiers()), PixelsToTwips(at.x()),
                 PixelsToTwips(at.y()));
    if (click) emit Click();
}

}  // namespace ranvik
