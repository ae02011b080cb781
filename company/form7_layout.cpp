// Form7's resize: its captions, and the places of its charts, panels and grid.
#include <QEvent>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QTimer>

#include "company/company_layout.h"
#include "company/form7.h"
#include "company/form7_design.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

Box BoxOf(const QWidget* w) { return {double(LeftOf(w)), double(TopOf(w)), double(WidthOf(w)), double(HeightOf(w))}; }

void Place(QWidget* w, const Box& b) { MoveTwips(w, b.left, b.top, b.width, b.height); }

}  // namespace

void Form7::resizeEvent(QResizeEvent* event) {
    ChildForm::resizeEvent(event);
    Surface->setGeometry(rect());
    WatchFrame();
    Form_Resize();
}

// Minimizing and restoring change the frame's state, not always this
// window's size, and the layout must follow both.
void Form7::WatchFrame() {
    QMdiSubWindow* frame = Frame();
    if (frame == nullptr || watchedFrame_ == frame) return;
    watchedFrame_ = frame;
    frame->installEventFilter(this);
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedFrame_ && event->type() == QEvent::WindowStateChange) {
        // The frame has its new state once the event has been delivered.
        QTimer::singleShot(0, this, [this] { Form_Resize(); });
    }
    return ChildForm::eventFilter(watched, event);
}

void Form7::Form_Resize() {
    auto& f = fields_;
    auto& selection = Program().selection;
    const auto& app = Program().app;
    // 1.
    selection.CurrentName = f.SelectedName;
    // 2.
    if (Maximized()) {
        setWindowTitle(QString());
    } else {
        setWindowTitle(QString::fromStdString(StockTitle(f.SelectedName)));
        // Not while the window is still opening: its first activation
        // decides whether the stock loads.
        if (selection.CurrentCode != f.LoadedCode && !awaitingMaximize_) StartBlink();
    }
    // 3. The caption belongs to the active child: a window resized behind
    // another one leaves that one's caption alone.
    if (MDIForm1* main = Program().windows.MainForm) {
        const ChildForm* active = main->ActiveChild();
        if (active == nullptr || active == this) SetMainCaption("", f.SelectedName);
    }
    // A minimized window has nothing to lay out; it keeps its sizes.
    if (Minimized()) return;
    // 4. to 6.
    CompanyLayoutInput in;
    in.width = WidthOf(this);
    in.height = HeightOf(this);
    in.osMajorVersion = app.OsMajorVersion;
    in.chartLeft = form7_design::kChartLeft;
    in.chartTop = form7_design::kChartTop;
    in.chart3DesignWidth = form7_design::kChart3Width;
    in.chart5DesignWidth = form7_design::kChart5Width;
    in.frames = {BoxOf(Frame1), BoxOf(Frame2), BoxOf(Frame3)};
    const CompanyLayout layout = ComputeCompanyLayout(in);
    if (layout.charts) {
        for (int no = 1; no <= 5; ++no) Place(MSChart[no], (*layout.charts)[no - 1]);
    }
    Place(Frame1, layout.frames[0]);
    Place(Frame2, layout.frames[1]);
    Place(Frame3, layout.frames[2]);
    MSFGrid1->SetColAlignment(0, kFlexAlignRightCenter);
    if (layout.grid) Place(MSFGrid1, *layout.grid);
    if (awaitingMaximize_ && Maximized()) RunDeferredActivation();
}

}  // namespace ranvik
