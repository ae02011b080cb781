// Form3: the mouse over the chart: the crosshair and the bar read-out, and
// the controls around the chart that remove the crosshair.
#include <QLabel>
#include <QMouseEvent>

#include "chart/drawing/bar_readout.h"
#include "chart/drawing/crosshair.h"
#include "chart/window/form3.h"
#include "core/program_state.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/label_button.h"

namespace ranvik {

void Form3::InstallMouseMoves() {
    for (QWidget* widget : std::initializer_list<QWidget*>{Picture1, Picture3, Picture11, Label1, Label10, Label20,
                                                           Label21, this}) {
        widget->setMouseTracking(true);
        if (widget != Picture5 && widget != this) widget->installEventFilter(this);
    }
    Picture5->setMouseTracking(true);  // its filter is installed with the button release
    installEventFilter(this);
}

void Form3::PaneMouseMove(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    const int button = (mouse->buttons().testFlag(Qt::LeftButton) ? 1 : 0) +
                       (mouse->buttons().testFlag(Qt::RightButton) ? 2 : 0) +
                       (mouse->buttons().testFlag(Qt::MiddleButton) ? 4 : 0);
    if (watched == Picture1) {
        Picture1_MouseMove(button, 0, Picture1->PixelToUserX(at.x()), Picture1->PixelToUserY(at.y()));
    } else if (watched == Picture3) {
        Picture3_MouseMove(button, 0, Picture3->PixelToUserX(at.x()), Picture3->PixelToUserY(at.y()));
    } else if (watched == Picture5) {
        Picture5_MouseMove(button, 0, Picture5->PixelToUserX(at.x()), Picture5->PixelToUserY(at.y()));
    } else if (watched == Picture11 || watched == Label1 || watched == Label10 || watched == Label20 ||
               watched == Label21 || (watched == this && OverBackground(at))) {
        if (CrosshairMayBeDrawn(*this)) DelLine();
    }
}

bool Form3::OverBackground(QPointF at) const {
    // A move a pane or label did not take comes up to the window as well,
    // after the pane has drawn the crosshair: only the window's own
    // background removes it, or no line would ever stay on the screen.
    return childAt(at.toPoint()) == nullptr;
}

void Form3::Picture1_MouseMove(int, int, double x, double y) {
    // Ends the close button's highlight, shown chart or not.
    if (Item("mnuGamen比", 4).Checked()) Image1->raise();
    if (!CrosshairKind(*this)) return;
    MoveCrosshair(*this, x, y);
    if (CheckValue(1) != 0 && CheckValue(6) != 0 && x != ChartWindowState::kNoCross) PrintReadout(x);
}

void Form3::DelLine() { ranvik::DelLine(*this); }

void Form3::PrintReadout(double x) {
    const bool correction = Item("mnuHosei", 1).Checked();
    const BarReadout readout = ReadBarUnderCursor(fields_, x, CheckValue(8) == 1, correction);
    Program().store.QuoteBufA = readout.shown;
    if (readout.hasBar) Program().store.QuoteBufB = readout.before;
    Surface& panel = DataPanel();
    panel.Cls();
    for (const ReadoutText& text : readout.texts) {
        panel.SetForeColor(QBColor(text.qbColor));
        panel.SetCurrentX(panel.FromTwipsX(text.x));
        panel.SetCurrentY(panel.FromTwipsY(text.y));
        panel.Print(text.text);
    }
}

}  // namespace ranvik
