// The stand-in candlestick drawer: a high-low line per shown bar.
#include "chart/drawing/candle_chart.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/drawing/chart_setup.h"
#include "chart/drawing/price_scale.h"
#include "core/quote_record.h"

namespace ranvik {

int ShownBarCount(const ChartWindowState& f) {
    if (f.FirstRecord < 2 || f.FirstRecord > f.RecordCount || f.ViewWidth <= 0) return 0;
    const int fits = static_cast<int>(std::ceil(f.ViewWidth / 7.0));
    return std::min(fits, f.RecordCount - f.FirstRecord + 1);
}

void DrawCandleChart(ChartHost& w, RecordFile& file1) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    w.LabelNo(12).setText(w.LabelNo(1).text());
    w.LabelNo(20).show();
    price.Cls();
    w.IndicatorPane().Cls();
    f.CrossX = ChartWindowState::kNoCross;
    f.CrossY = static_cast<float>(ChartWindowState::kNoCross);

    const int count = ShownBarCount(f);
    std::vector<QuoteRecord> bars;
    bars.reserve(static_cast<std::size_t>(count));
    if (count > 0) {
        const std::string block = file1.ReadBlock(f.FirstRecord, count);
        for (int k = 0; k < count; ++k) {
            bars.push_back(QuoteRecord::Decode(std::string_view(block).substr(
                static_cast<std::size_t>(k) * kDataRecordLength, kDataRecordLength)));
        }
    }

    // A new price range only when the shown bars reach another high or low.
    if (!bars.empty()) {
        float high = bars.front().High;
        float low = bars.front().Low;
        for (const QuoteRecord& bar : bars) {
            high = std::max(high, bar.High);
            low = std::min(low, bar.Low);
        }
        if (high != f.ViewHigh || low != f.ViewLow) {
            f.ViewHigh = high;
            f.ViewLow = low;
            f.PriceTop = high;
            f.PriceBottom = low < high ? low : high - 1;
            f.PriceSpan = static_cast<float>(f.PriceTop - f.PriceBottom);
            f.VolumeAreaHeight = f.PriceSpan / static_cast<float>(f.VolumeAreaRatio - 1);
            f.ClipLevelH = f.PriceTop;
            f.ClipLevelL = static_cast<float>(f.PriceBottom - f.VolumeAreaHeight);
        }
    }
    ApplyPaneScales(f, price, w.IndicatorPane());

    const Color pen = f.BackColorNo == 2 ? QBColor(15) : QBColor(0);
    for (int k = 0; k < count; ++k) {
        const QuoteRecord& bar = bars[static_cast<std::size_t>(k)];
        price.Line(7.0 * k, bar.Low, 7.0 * k, bar.High, pen);
    }
}

}  // namespace ranvik
