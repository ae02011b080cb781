// The chart window's pane layout: Form_Resize with the coordinate systems and the command-line file, and the pane layout menu.
#include "chart/window/form3.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/chart_setup.h"
#include "chart/drawing/price_scale.h"
#include "chart/drawing/redraw.h"
#include "chart/window/pane_layout.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

}  // namespace

int Form3::FormWidthTw() const { return Frame() != nullptr ? PixelsToTwips(Frame()->width()) : WidthOf(this); }

int Form3::FormHeightTw() const { return Frame() != nullptr ? PixelsToTwips(Frame()->height()) : HeightOf(this); }

bool Form3::Minimized() const {
    const MDIForm1* main = Main();
    return (Frame() != nullptr && Frame()->isMinimized()) || (main != nullptr && main->isMinimized());
}

void Form3::WatchWindowStates() {
    if (MDIForm1* main = Main()) main->installEventFilter(this);
    if (Frame() != nullptr) Frame()->installEventFilter(this);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (IndicatorPaneEvent(watched, event) || PanelEvent(watched, event)) return true;
    if (PaneMouseUp(watched, event)) return true;
    if (PricePaneEvent(watched, event)) return true;
    if (event->type() == QEvent::MouseMove) PaneMouseMove(watched, event);
    // A new caption asks the window for a new layout.
    if ((watched == this && event->type() == QEvent::LayoutRequest) || (watched == Label20 && event->type() == QEvent::Show))
        FitInformationLabel();
    if (event->type() == QEvent::WindowStateChange) {
        if (Minimized()) {
            resizeOnRestore_ = true;
        } else if (resizeOnRestore_) {
            // Once, after the restore has settled: a resize that the restore
            // brings itself has done it by then.
            QTimer::singleShot(0, this, [this] {
                if (resizeOnRestore_) Form_Resize();
            });
        }
    }
    return ChartWindowBase::eventFilter(watched, event);
}

void Form3::resizeEvent(QResizeEvent* event) {
    ChartWindowBase::resizeEvent(event);
    if (Loaded()) Form_Resize();
}

void Form3::Form_Resize() {
    if (Minimized()) {
        resizeOnRestore_ = true;
        return;
    }
    resizeOnRestore_ = false;
    auto& f = fields_;
    // 1 to 8.
    PaneLayoutInput in;
    in.formWidth = FormWidthTw();
    in.formHeight = FormHeightTw();
    in.osMajorVersion = Program().app.OsMajorVersion;
    in.pricePaneLeft = LeftOf(Picture1);
    in.pricePaneTop = TopOf(Picture1);
    in.pricePaneHeight = HeightOf(Picture1);
    in.indicatorPaneHeight = HeightOf(Picture3);
    in.scrollBarHeight = HeightOf(HScroll1);
    in.indicatorPaneShown = Item("mnuGamen比", 3).Checked();
    in.candleChart = Check1.Value() == 1;
    in.priceBandShown = !Picture5->isHidden();
    in.priceBandWidth = WidthOf(Picture5);
    in.wholeFileShown = f.ChartShown == 1 && !(f.ViewWidthMax > f.ViewWidth);
    in.pricePaneAlone = Check11.Value() == 1 || Check12.Value() == 1 || Check4.Value() == 1 || Check3.Value() == 1;
    const PaneLayout out = LayOutPanes(in);
    if (out.savesPricePaneHeight) f.SavedPricePaneHeight = static_cast<float>(out.savedPricePaneHeight);
    SetWidth(Picture1, out.pricePaneWidth);
    SetHeight(Picture1, out.pricePaneHeight);
    SetLeft(Picture5, out.priceBandLeft);
    SetWidth(Picture3, out.indicatorPaneWidth);
    SetTop(Picture3, out.indicatorPaneTop);
    SetTop(HScroll1, out.scrollBarTop);
    SetLeft(Picture11, out.readOutLeft);
    SetWidth(Picture11, out.readOutWidth);
    SetWidth(HScroll1, out.scrollBarWidth);
    // 9.
    ApplyPaneScales(f, PricePane(), IndicatorPane());
    // 10. The command-line file, at the first resize.  That resize comes
    // inside the main window's first show(), and a file without bars shows
    // message 302, whose box must not wait for the user in there: the file
    // opens as soon as the start-up is back in the event loop.
    if (!f.CommandLineFile.empty()) {
        if (!commandLineQueued_) {
            commandLineQueued_ = true;
            QTimer::singleShot(0, this, [this] { OpenCommandLineFile(); });
        }
        return;
    }
    // 11.
    if (f.ChartShown != 0) {
        MDIForm1* main = Main();
        if (main != nullptr && f.WindowNo == Program().windows.ActiveWindowNo) main->QuickBoxes[4]->setEnabled(true);
        RedrawChart(*this);
    }
}

void Form3::OpenCommandLineFile() {
    auto& f = fields_;
    commandLineQueued_ = false;
    if (f.CommandLineFile.empty()) return;
    // A name that is not a stock data file's opens nothing.
    f.DataFileName = f.CommandLineFile;
    f.CommandLineFile.clear();
    if (ToUpper(RightChars(f.StockTitle, 4)) == ".KDT") {
        ShowPartialView(*this);
    } else {
        f.DataFileName.clear();
    }
}

void Form3::mnuGamen比_Click(int index) {
    auto& f = fields_;
    switch (index) {
        case 1: Picture3_DblClick(); return;
        case 2: Picture1_DblClick(); return;
        case 3: {
            if (f.DataFileName.empty() || Check1.Value() == 0) return;
            const double scaleHeight = PricePane().ScaleHeight();
            if (Item("mnuGamen比", 3).Checked()) {
                SetHeight(Picture1, HeightOf(Picture1) + HeightOf(Picture3));
                Picture3->hide();
                Item("mnuGamen比", 3).SetChecked(false);
                Item("mnuGamen比", 1).SetEnabled(false);
                SetToolbarButtonEnabled("指標窓", false);
            } else {
                SetHeight(Picture1, HeightOf(Picture1) - HeightOf(Picture3));
                SetTop(Picture3, TopOf(Picture1) + HeightOf(Picture1));
                Picture3->show();
                Item("mnuGamen比", 3).SetChecked(true);
                Item("mnuGamen比", 1).SetEnabled(true);
                SetToolbarButtonEnabled("指標窓", true);
            }
            if (f.ChartShown == 1) {
                PricePane().SetScaleHeight(scaleHeight);
                ChartFile file1;
                if (OpenChartFile(*this, file1)) DrawCandleChart(*this, file1);
            }
            FocusToolbarStrip();
            return;
        }
        case 4:
            if (Item("mnuGamen比", 4).Checked()) {
                Item("mnuGamen比", 4).SetChecked(false);
                Frame1->hide();
                FocusToolbarStrip();
            } else {
                Item("mnuGamen比", 4).SetChecked(true);
                PlaceInScale(PricePane(), *Frame1, PricePane().ScaleLeft(), PricePane().ScaleTop());
                Frame1->show();
                Frame1->raise();
                Slider1->setFocus();
            }
            return;
        case 5:
            Item("mnuGamen比", 5).SetChecked(!Item("mnuGamen比", 5).Checked());
            if (!f.DataFileName.empty()) ShowPartialView(*this);
            return;
        default: return;
    }
}

void Form3::Picture3_DblClick() {
    auto& f = fields_;
    if (f.ChartShown == 0 || Check1.Value() == 0) return;
    const double scaleHeight = PricePane().ScaleHeight();
    const MenuItem enlarged = Item("mnuGamen比", 1);
    const double step = f.IndicatorPaneHeight;
    if (!enlarged.Checked()) {
        // The price pane gives up one step only while it is the taller one.
        if (HeightOf(Picture1) <= HeightOf(Picture3)) return;
        SetHeight(Picture1, HeightOf(Picture1) - step);
        SetHeight(Picture3, HeightOf(Picture3) + step);
        enlarged.SetChecked(true);
    } else {
        SetHeight(Picture3, HeightOf(Picture3) - step);
        SetHeight(Picture1, HeightOf(Picture1) + step);
        enlarged.SetChecked(false);
    }
    SetTop(Picture3, TopOf(Picture1) + HeightOf(Picture1));
    // The price range stays on the new height.
    PricePane().SetScaleHeight(scaleHeight);
    RedrawChart(*this);
}

}  // namespace ranvik
