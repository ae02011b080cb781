// RedrawChart, the partial and full view, and the four zoom steps.
#include "chart/drawing/redraw.h"

#include <QScrollBar>
#include <algorithm>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/chart_setup.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

bool MonthlyFromDaily(ChartHost& w) {
    return w.Fields().IsDaily == kTrue && w.CheckValue(8) == 1 && w.CheckValue(1) == 1;
}

float ZoomStep(ChartHost& w) { return MonthlyFromDaily(w) ? 60.0f : 182.0f; }

void SetZoomIn(ChartHost& w, bool enabled) {
    w.SetToolbarButtonEnabled("拡大", enabled);
    for (int i : {3, 4}) w.Item("mnu表示ボタン", i).SetEnabled(enabled);
}

void SetZoomOut(ChartHost& w, bool enabled) {
    w.SetToolbarButtonEnabled("縮小", enabled);
    for (int i : {5, 6}) w.Item("mnu表示ボタン", i).SetEnabled(enabled);
}

// The scroll maximum moves with the width; DataFileName is empty meanwhile,
// so that a value the new maximum cuts draws nothing.
void MoveScrollMax(ChartHost& w, int change) {
    ChartWindowState& f = w.Fields();
    QScrollBar& bar = w.ScrollBar();
    f.ShownFileName = f.DataFileName;
    f.DataFileName.clear();
    const int max = bar.maximum();
    bar.setMaximum(change > 0 && max > 32767 - change ? 32767 : max + change);
    f.DataFileName = f.ShownFileName;
}

void DrawCandlesDirectly(ChartHost& w) {
    RecordFile file1;
    if (!OpenChartFile(w, file1)) return;
    DrawCandleChart(w, file1);
}

void ShowOtherKind(ChartHost& w) {
    if (w.CheckValue(2) == 1) w.Fields().CompareRestart = kTrue;
    ShowChart(w);
}

void DropMonthlyFileWhileLoading(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.MonthlyFileName.empty() || !w.BlinkRunning()) return;
    DeleteFile(JoinPath(Program().app.AppDir, f.MonthlyFileName));
    f.MonthlyFileName.clear();
}

// The first steps of both zoom-in variants; false when nothing is left to do.
bool NarrowView(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.ViewWidth == kNarrowestView || f.DataFileName.empty()) return false;
    f.ViewWidth -= ZoomStep(w);
    if (w.CheckValue(1) != 1) {
        ShowOtherKind(w);
        return false;
    }
    f.ViewWidth = std::max(f.ViewWidth, kNarrowestView);
    if (f.ViewWidth <= kNarrowestView) SetZoomIn(w, false);
    if (f.ViewWidth < f.ViewWidthMax) SetZoomOut(w, true);
    w.PricePane().SetScaleWidth(f.ViewWidth);
    w.IndicatorPane().SetScaleWidth(f.ViewWidth);
    MoveScrollMax(w, static_cast<int>(ZoomStep(w)));
    return true;
}

}  // namespace

void RedrawChart(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty() || f.DataFileName != f.ShownFileName) return;
    {
        RecordFile file1;
        if (!OpenChartFile(w, file1)) return;
        if (w.CheckValue(1) == 1) DrawCandleChart(w, file1);
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
        w.PricePane().SetScaleWidth(f.ViewWidth);
        w.IndicatorPane().SetScaleWidth(f.ViewWidth);
        MoveScrollMax(w, -static_cast<int>(ZoomStep(w)));
    }
    ShowOtherKind(w);
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
        ShowOtherKind(w);
        return;
    }
    w.PricePane().SetScaleWidth(f.ViewWidth);
    w.IndicatorPane().SetScaleWidth(f.ViewWidth);
    MoveScrollMax(w, -static_cast<int>(ZoomStep(w)));
    DrawCandlesDirectly(w);
}

}  // namespace ranvik
