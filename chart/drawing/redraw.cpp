// RedrawChart, the partial and full view, and the four zoom steps.
#include "chart/drawing/redraw.h"

#include <QScrollBar>
#include <algorithm>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/chart_setup.h"
#include "chart/drawing/view_setup.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

float ZoomStep(ChartHost& w) { return MonthlyFromDaily(w) ? 60.0f : 182.0f; }

void SetZoomIn(ChartHost& w, bool enabled) {
    w.SetToolbarButtonEnabled("拡大", enabled);
    for (int i : {3, 4}) w.Item("mnu表示ボタン", i).SetEnabled(enabled);
}

void SetZoomOut(ChartHost& w, bool enabled) {
    w.SetToolbarButtonEnabled("縮小", enabled);
    for (int i : {5, 6}) w.Item("mnu表示ボタン", i).SetEnabled(enabled);
}

void SetPaneScaleWidths(ChartHost& w) {
    w.PricePane().SetScaleWidth(w.Fields().ViewWidth);
    w.IndicatorPane().SetScaleWidth(w.Fields().ViewWidth);
}

// The scroll maximum moves with the width; DataFileName is empty meanwhile,
// so that a value the new maximum cuts draws nothing.  It stays a 16-bit
// value, and never below the minimum (the scroll bar would move it).
void MoveScrollMax(ChartHost& w, int change) {
    ChartWindowState& f = w.Fields();
    QScrollBar& bar = w.ScrollBar();
    f.ShownFileName = f.DataFileName;
    f.DataFileName.clear();
    bar.setMaximum(std::clamp(bar.maximum() + change, bar.minimum(), kLargestScrollValue));
    f.DataFileName = f.ShownFileName;
}

void DrawCandlesDirectly(ChartHost& w) {
    ChartFile file1;
    if (!OpenChartFile(w, file1)) return;
    DrawCandleChart(w, file1);
}

void ShowAgain(ChartHost& w) {
    if (w.CheckValue(2) == 1) w.Fields().CompareRestart = kTrue;
    ShowChart(w);
}

void DropMonthlyFileWhileLoading(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.MonthlyFileName.empty() || !w.BlinkRunning()) return;
    DeleteFile(JoinPath(Program().app.AppDir, f.MonthlyFileName));
    f.MonthlyFileName.clear();
}

// The steps both zoom-in variants share; false when nothing is left to do.
bool NarrowView(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.ViewWidth == kNarrowestView || f.DataFileName.empty()) return false;
    // Every kind stops at the narrowest view: below it the other kinds would
    // be left a width of 0 or less to draw in.
    f.ViewWidth = std::max(f.ViewWidth - ZoomStep(w), kNarrowestView);
    if (w.CheckValue(1) != 1) {
        ShowAgain(w);
        return false;
    }
    if (f.ViewWidth <= kNarrowestView) SetZoomIn(w, false);
    if (f.ViewWidth < f.ViewWidthMax) SetZoomOut(w, true);
    SetPaneScaleWidths(w);
    MoveScrollMax(w, static_cast<int>(ZoomStep(w)));
    return true;
}

}  // namespace

void RedrawChart(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty() || f.DataFileName != f.ShownFileName) return;
    {
        ChartFile file1;
        if (!OpenChartFile(w, file1)) return;
        // The yearly candles keep what they show.
        if (w.CheckValue(1) == 1) {
            DrawCandleChart(w, file1);
        } else if (w.CheckValue(2) == 1) {
            f.CompareRestart = kTrue;
            w.DrawStockCompare(file1);
        } else if (w.CheckValue(3) == 1) {
            w.DrawReverseWatch(file1);
        } else if (w.CheckValue(4) == 1) {
            w.DrawPointFigure(file1);
        } else if (w.CheckValue(10) == 1) {
            f.YearCompareRestart = kTrue;
            w.DrawYearCompare(file1);
        } else if (w.CheckValue(11) == 1 || w.CheckValue(12) == 1) {
            w.DrawThreeLineBreak(file1);
        }
    }
    w.FocusToolbarStrip();
}

void ShowPartialView(ChartHost& w) {
    w.Fields().ViewWidth = w.Fields().PartialViewWidth;
    DropMonthlyFileWhileLoading(w);
    ShowChart(w);
}

void ShowFullView(ChartHost& w) {
    w.Fields().ViewWidth = 1;
    DropMonthlyFileWhileLoading(w);
    ShowChart(w);
}

void ZoomIn1(ChartHost& w) {
    if (NarrowView(w)) ShowChart(w);
}

void ZoomIn2(ChartHost& w) {
    if (NarrowView(w)) DrawCandlesDirectly(w);
}

void ZoomOut1(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty() || f.ViewWidth >= f.ViewWidthMax) return;
    f.ViewWidth = std::min(f.ViewWidth + ZoomStep(w), f.ViewWidthMax);
    if (f.ViewWidth < f.ViewWidthMax && w.CheckValue(1) == 1) {
        SetPaneScaleWidths(w);
        MoveScrollMax(w, -static_cast<int>(ZoomStep(w)));
    }
    ShowAgain(w);
}

void ZoomOut2(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty() || f.ViewWidth >= f.ViewWidthMax) return;
    // Nothing to widen into when the bars right of the first one already fit.
    const float limit = static_cast<float>(f.RecordCount - f.FirstRecord) * (MonthlyFromDaily(w) ? 30.0f : 7.0f);
    if (!(f.ViewWidth < limit)) return;
    f.ViewWidth = std::min(f.ViewWidth + ZoomStep(w), f.ViewWidthMax);
    if (f.ViewWidth >= kNarrowestView) SetZoomIn(w, true);
    if (f.ViewWidth == f.ViewWidthMax || w.CheckValue(1) != 1) {
        ShowAgain(w);
        return;
    }
    SetPaneScaleWidths(w);
    MoveScrollMax(w, -static_cast<int>(ZoomStep(w)));
    DrawCandlesDirectly(w);
}

}  // namespace ranvik
