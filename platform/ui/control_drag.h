#pragma once
// Manual drag and drop of controls, with which the windows let the user move
// a panel or a list: a control's press handler begins the drag, and when a
// mouse button is released, the control under the pointer receives the
// dragged control and the drop point in its own units; its handler moves the
// dragged control.
//
// Only the controls made drop targets of this object receive drops.  A
// release over any other control, over no window of the program, or after the
// dragged control has gone, ends the drag with nothing done.  The parts Qt
// builds inside a list, a grid or a combo box (viewport, headers, scroll
// bars, editor) count as that control; a control placed inside a panel or a
// pane is a control of its own, not part of the panel.
//
// While the drag lasts, an outline of the dragged control follows the
// pointer, and mouse moves and the ending release belong to the drag: no
// control's MouseMove or MouseUp handler sees them.
//
// Units of the drop point: a target converts the point, in pixels from its
// top-left corner, to its own units.  Without a converter the point comes in
// twips from the top-left corner, as plain controls and the inside of a frame
// measure; a pane with a user scale passes its scale's conversion (for a
// screen surface, its PixelToUserX and PixelToUserY).
#include <functional>
#include <vector>

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QRubberBand>
#include <QWidget>

namespace ranvik {

class ControlDrag : public QObject {
public:
    // The target's `..._DragDrop` (Source, X, Y).  The drag has ended when it
    // runs, so a handler may begin another.
    using DropHandler = std::function<void(QWidget* source, double x, double y)>;
    using PointConverter = std::function<QPointF(const QPointF& pixels)>;

    explicit ControlDrag(QObject* parent = nullptr);

    // Makes `target` receive drops; a second call for the same control
    // replaces its handler and converter.
    void SetDropTarget(QWidget* target, DropHandler onDrop, PointConverter toUnits = {});

    // Begins dragging `source`, ending a drag already under way without a
    // drop.  Called from a press handler: the release of the button ends it.
    void BeginDrag(QWidget* source);
    // Ends the drag without a drop; nothing happens when none is under way.
    void EndDrag();
    bool Dragging() const { return !source_.isNull(); }
    QWidget* Source() const { return source_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QPointer<QWidget> widget;
        DropHandler onDrop;
        PointConverter toUnits;
    };
    void Drop(const QPointF& globalPos);
    void MoveOutline(const QPoint& globalPos);

    std::vector<Target> targets_;
    QPointer<QWidget> source_;
    QPointer<QRubberBand> outline_;
    QPoint pointerAtBegin_;
};

}  // namespace ranvik
