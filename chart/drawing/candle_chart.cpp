// The candlestick chart's beginning and, until its bar pass is built, a high-low line per shown bar.
#include "chart/drawing/candle_chart.h"

#include <QLabel>

#include "chart/drawing/split_correction.h"
#include "chart/drawing/visible_range.h"

namespace ranvik {

namespace {

void DrawHighLowLines(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    const bool correct = w.CheckValue(8) != 1 && CorrectionOn(w);
    const Color pen = f.BackColorNo == 2 ? QBColor(15) : RGB(0, 120, 200);
    const double right = price.ScaleWidth();
    double x = 0;
    for (std::int64_t r = f.FirstRecord; r <= f.RecordCount && x < right; ++r, x += 7) {
        BarValues bar = file1.Values(r);
        if (correct) ApplyCorrection(f, r, bar);
        price.Line(x + 3, bar.Low, x + 3, bar.High, pen);
    }
}

}  // namespace

void DrawCandleChart(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    w.LabelNo(12).setText(w.LabelNo(1).text());
    w.LabelNo(20).show();
    w.PricePane().Cls();
    w.IndicatorPane().Cls();
    f.CrossX = ChartWindowState::kNoCross;
    f.CrossY = static_cast<float>(ChartWindowState::kNoCross);
    ScanVisibleRange(w, file1);
    DrawHighLowLines(w, file1);
}

}  // namespace ranvik
