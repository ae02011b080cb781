// Form3: the panels floating on the price pane: the zoom-slider panel's
// close button, and moving the two panels and the yearly-candle pane by
// dragging them within the window.
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "chart/window/form3.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/keys.h"
#include "platform/ui/label_button.h"
#include "platform/ui/pointers.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

// The close button's picture, 24 x 14 pixels: a cross on a grey face, or on
// a red one while the mouse is over it.
QPixmap ClosePicture(bool highlighted) {
    QPixmap picture(24, 14);
    picture.fill(highlighted ? QColor(200, 40, 40) : QColor(212, 208, 200));
    QPainter painter(&picture);
    painter.setPen(QPen(highlighted ? Qt::white : Qt::black, 1.5));
    painter.drawLine(QPointF(8.5, 3.5), QPointF(15.5, 10.5));
    painter.drawLine(QPointF(15.5, 3.5), QPointF(8.5, 10.5));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, 23, 13);
    return picture;
}

LabelButton* NewCloseImage(QWidget* panel, const char* name, bool highlighted, int left) {
    auto* image = new LabelButton(panel);
    image->setObjectName(name);
    image->SetAutoPressLook(false);
    // Pressed, the picture shrinks by 20 twips and moves 10 right and down.
    image->SetPressLook(10, 10, -20, -20);
    image->setScaledContents(true);
    image->setPixmap(ClosePicture(highlighted));
    MoveTwips(image, left, 0, 360, 210);
    return image;
}

}  // namespace

void Form3::BuildPanelControls() {
    Image1 = NewCloseImage(Frame1, "Image1", false, 2400);
    Image2 = NewCloseImage(Frame1, "Image2", true, 2400);
    Image2->hide();
    // The year-selection panel has the same pair, which is never shown: that
    // panel goes with its chart kind, not with a button.
    Image3 = NewCloseImage(Frame3, "Image3", false, 1680);
    Image4 = NewCloseImage(Frame3, "Image4", true, 1680);
    Image3->hide();
    Image4->hide();
    connect(Image1, &LabelButton::MouseMove, this, [this] { Image1_MouseMove(); });
    connect(Image2, &LabelButton::MouseDown, this, [this] { Image2_MouseDown(); });
    connect(Image2, &LabelButton::MouseUp, this, [this] { Image2_MouseUp(); });
    connect(Image3, &LabelButton::MouseMove, this, [this] { Image3_MouseMove(); });
    connect(Image4, &LabelButton::MouseDown, this, [this] { Image4_MouseDown(); });
    connect(Image4, &LabelButton::MouseUp, this, [this] { Image4_MouseUp(); });

    for (QWidget* panel : std::initializer_list<QWidget*>{Frame1, Frame3, Picture4}) {
        panel->setMouseTracking(true);
        panel->installEventFilter(this);
    }
    SetMousePointer(Picture4, 1);

    panelDrag_ = new ControlDrag(this);
    panelDrag_->SetDropTarget(
        Picture1, [this](QWidget* source, double x, double y) { Picture1_DragDrop(source, x, y); },
        [this](const QPointF& px) {
            Surface& pane = PricePane();
            return QPointF(pane.FromTwipsX(PixelsToTwips(px.x())), pane.FromTwipsY(PixelsToTwips(px.y())));
        });
    panelDrag_->SetDropTarget(Frame1, [this](QWidget* source, double x, double y) { Frame1_DragDrop(source, x, y); });
    panelDrag_->SetDropTarget(Frame3, [this](QWidget* source, double x, double y) { Frame3_DragDrop(source, x, y); });
    panelDrag_->SetDropTarget(
        Picture4, [this](QWidget* source, double x, double y) { Picture4_DragDrop(source, x, y); },
        [this](const QPointF& px) {
            Surface& pane = YearPane();
            return QPointF(pane.FromTwipsX(PixelsToTwips(px.x())), pane.FromTwipsY(PixelsToTwips(px.y())));
        });
}

bool Form3::PanelEvent(QObject* watched, QEvent* event) {
    if (watched != Frame1 && watched != Frame3 && watched != Picture4) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int button = MouseButtonOf(*mouse);
    const int shift = ShiftStateOf(mouse->modifiers());
    const QPointF at = mouse->position();
    if (watched == Picture4) {
        Surface& pane = YearPane();
        const double x = pane.FromTwipsX(PixelsToTwips(at.x()));
        const double y = pane.FromTwipsY(PixelsToTwips(at.y()));
        if (type == QEvent::MouseButtonPress) {
            Picture4_MouseDown(button, shift, x, y);
        } else {
            Picture4_MouseMove(button, shift, x, y);
        }
        return true;
    }
    // Inside a panel, twips from its corner.
    const double x = PixelsToTwips(at.x());
    const double y = PixelsToTwips(at.y());
    if (watched == Frame1) {
        if (type == QEvent::MouseButtonPress) {
            Frame1_MouseDown(button, shift, x, y);
        } else {
            Frame1_MouseMove();
        }
    } else if (type == QEvent::MouseButtonPress) {
        Frame3_MouseDown(button, shift, x, y);
    } else {
        Frame3_MouseMove();
    }
    // A move over a panel is not one over the price pane beneath it.
    return true;
}

// ---------------------------------------------------------------- close button

void Form3::Image1_MouseMove() {
    Image2->move(Image1->pos());
    Image2->show();
    Image2->raise();
}

void Form3::Frame1_MouseMove() { Image1->raise(); }

void Form3::Image2_MouseDown() { Image2->ShowPressed(); }

void Form3::Image2_MouseUp() {
    Image2->ShowReleased();
    mnuGamen比_Click(4);
    Image2->hide();
    FocusToolbarStrip();
}

void Form3::Image3_MouseMove() {
    Image4->move(Image3->pos());
    Image4->show();
    Image4->raise();
}

void Form3::Frame3_MouseMove() { Image3->raise(); }

void Form3::Image4_MouseDown() { Image4->ShowPressed(); }

void Form3::Image4_MouseUp() {
    Image4->ShowReleased();
    Image4->hide();
    FocusToolbarStrip();
}

// ---------------------------------------------------------------- dragging

void Form3::Frame1_MouseDown(int, int, double x, double y) {
    fields_.PanelGrabX = static_cast<float>(x);
    fields_.PanelGrabY = static_cast<float>(y);
    panelDrag_->BeginDrag(Frame1);
}

void Form3::Frame3_MouseDown(int, int, double x, double y) {
    fields_.PanelGrabX = static_cast<float>(x);
    fields_.PanelGrabY = static_cast<float>(y);
    panelDrag_->BeginDrag(Frame3);
}

void Form3::PlaceDropped(QWidget* source, double x, double y) {
    if (source == nullptr || source->parentWidget() != Picture1) return;
    const auto& f = fields_;
    Surface& pane = PricePane();
    // Where the dragged control was grabbed, in twips from its corner: a
    // panel measures its inside in twips, the yearly-candle pane in its own
    // scale.  Measured from the corner, the pane's margin for its price
    // labels and an inverted price scale keep the grabbed point under the
    // pointer too.
    double grabX = f.PanelGrabX;
    double grabY = f.PanelGrabY;
    if (source == Picture4) {
        grabX = YearPane().ToTwipsX(f.PanelGrabX);
        grabY = YearPane().ToTwipsY(f.PanelGrabY);
    }
    const double left = x - pane.ScaleWidth() * grabX / WidthOf(Picture1);
    const double top = y - pane.ScaleHeight() * grabY / HeightOf(Picture1);
    PlaceInScale(pane, *source, left, top);
}

void Form3::Picture1_DragDrop(QWidget* source, double x, double y) {
    PlaceDropped(source, x, y);
    FocusToolbarStrip();
}

void Form3::DropOnPanel(QWidget* panel, QWidget* source, double x, double y) {
    Surface& pane = PricePane();
    PlaceDropped(source, LeftInScale(pane, *panel) + x * pane.ScaleWidth() / WidthOf(Picture1),
                 TopInScale(pane, *panel) + y * pane.ScaleHeight() / HeightOf(Picture1));
}

void Form3::Frame1_DragDrop(QWidget* source, double x, double y) { DropOnPanel(Frame1, source, x, y); }

void Form3::Frame3_DragDrop(QWidget* source, double x, double y) { DropOnPanel(Frame3, source, x, y); }

void Form3::Picture4_DragDrop(QWidget* source, double x, double y) {
    Surface& own = YearPane();
    DropOnPanel(Picture4, source, own.ToTwipsX(x), own.ToTwipsY(y));
    FocusToolbarStrip();
}

}  // namespace ranvik
