#include "platform/ui/control_drag.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QMouseEvent>

#include "platform/ui/twips.h"

namespace ranvik {

namespace {

// The control a widget under the pointer belongs to: the widget itself,
// unless Qt built it as a part of a list, grid, combo or spin box.  What lies
// in a scroll area's viewport (the child windows of the multiple-document
// area, a grid's cell editor) is a control of its own.
QWidget* ControlOf(QWidget* hit) {
    QWidget* control = hit;
    QWidget* child = hit;
    QWidget* parent = hit->parentWidget();
    while (parent != nullptr && !child->isWindow()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(parent)) {
            if (child == area->viewport() && control != child) break;
            control = area;
        } else if (qobject_cast<QComboBox*>(parent) != nullptr ||
                   qobject_cast<QAbstractSpinBox*>(parent) != nullptr) {
            control = parent;
        }
        child = parent;
        parent = parent->parentWidget();
    }
    return control;
}

}  // namespace

ControlDrag::ControlDrag(QObject* parent) : QObject(parent) {}

void ControlDrag::SetDropTarget(QWidget* target, DropHandler onDrop, PointConverter toUnits) {
    std::erase_if(targets_, [target](const Target& t) { return t.widget.isNull() || t.widget == target; });
    targets_.push_back({target, std::move(onDrop), std::move(toUnits)});
}

void ControlDrag::BeginDrag(QWidget* source) {
    EndDrag();
    if (source == nullptr) return;
    source_ = source;
    pointerAtBegin_ = QCursor::pos();
    if (!source->isWindow()) {
        outline_ = new QRubberBand(QRubberBand::Rectangle, source->window());
        // The outline lies under the pointer; the drop must find what is
        // below it.
        outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
        MoveOutline(pointerAtBegin_);
        outline_->show();
        outline_->raise();
    }
    qApp->installEventFilter(this);
}

void ControlDrag::EndDrag() {
    qApp->removeEventFilter(this);
    source_.clear();
    delete outline_.data();
}

void ControlDrag::MoveOutline(const QPoint& globalPos) {
    if (outline_.isNull() || source_.isNull()) return;
    QWidget* window = outline_->parentWidget();
    const QPoint topLeft = source_->mapTo(window, QPoint(0, 0)) + (globalPos - pointerAtBegin_);
    outline_->setGeometry(QRect(topLeft, source_->size()));
}

bool ControlDrag::eventFilter(QObject* watched, QEvent* event) {
    // The window's own copy of the event passes: Qt keeps its button and
    // grab state there.  Only what would reach a control belongs to the drag.
    if (!watched->isWidgetType()) return false;
    if (event->type() == QEvent::MouseMove) {
        MoveOutline(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        Drop(static_cast<QMouseEvent*>(event)->globalPosition());
        return true;
    }
    return false;
}

void ControlDrag::Drop(const QPointF& globalPos) {
    QPointer<QWidget> source = source_;
    EndDrag();
    if (source.isNull()) return;
    QWidget* hit = QApplication::widgetAt(globalPos.toPoint());
    if (hit == nullptr) return;
    QWidget* control = ControlOf(hit);
    for (const Target& target : targets_) {
        if (target.widget != control || !target.onDrop) continue;
        const QPointF pixels = control->mapFromGlobal(globalPos);
        const QPointF units = target.toUnits ? target.toUnits(pixels)
                                             : QPointF(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()));
        // A copy: the handler may set targets anew.
        const DropHandler onDrop = target.onDrop;
        onDrop(source, units.x(), units.y());
        return;
    }
}

}  // namespace ranvik
