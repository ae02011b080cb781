#pragma once
// The ground of the overlay-pass tests: a data file shown from a chosen
// record with the price scale, clip levels and sub-pane the candlestick
// drawer leaves, file number 1 open, and the series the test works out
// itself from the bars (fresh sums, never the drawer's running ones).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/price_pane.h"
#include "chart/drawing/visible_range.h"
#include "core/program_state.h"
#include "tests/chart/drawing/drawing_fixture.h"
#include "tests/chart/drawing/polylines.h"

namespace ranvik::test {

class PricePaneTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Program().windows.ActiveWindowNo = 1;
    }

    // The view from `firstRecord`, `viewWidth` x units wide, as the
    // candlestick drawer leaves it for the overlays.
    void Prepare(const DataFileBuilder& file, int firstRecord, float viewWidth = 903, bool daily = true) {
        bars = file;
        file.Write(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = static_cast<std::int16_t>(firstRecord);
        f.RecordCount = bars.Header().RecordNo;
        f.ViewWidth = viewWidth;
        f.ViewHigh = 0;
        f.IsDaily = daily ? -1 : 0;
        f.ParamsIsDaily = f.IsDaily;
        f.PeriodUnit = daily ? "日" : "週";
        f.MaxVolume = bars.Header().Volume;
        w.price.Scale(0, 1, viewWidth, 0);
        w.indicator.Scale(0, 1, viewWidth, 0);
        if (file1.IsOpen()) file1.Close();
        file1.Open(f.DataFileName);
        ScanVisibleRange(w, file1);
        f.PriceSpan = static_cast<float>(f.PriceTop - f.PriceBottom);
        if (w.menus.Item("mnu陰陽足", 1).Checked() || w.menus.Item("mnu3Days", 1).Checked()) SetUpSubPane();
    }

    // The taller scale of the candlestick drawer with the sub-pane.
    void SetUpSubPane() {
        ChartWindowState& f = w.fields;
        f.VolumeAreaHeight = static_cast<float>(2 * (f.PriceTop - f.PriceBottom) / (f.VolumeAreaRatio - 1));
        if (f.InvertedChart == kTrue) {
            const double bottom = f.PriceTop + f.PriceSpan + f.VolumeAreaHeight;
            w.price.Scale(0, f.PriceBottom, f.ViewWidth, bottom);
            f.ClipLevelH = bottom;
            f.ClipLevelL = static_cast<float>(f.PriceBottom);
        } else {
            const double bottom = f.PriceBottom - f.PriceSpan - f.VolumeAreaHeight;
            w.price.Scale(0, f.PriceTop, f.ViewWidth, bottom);
            f.ClipLevelH = f.PriceTop;
            f.ClipLevelL = static_cast<float>(bottom);
        }
    }

    void Draw() {
        w.price.ClearLog();
        w.indicator.ClearLog();
        w.printer.ClearLog();
        DrawPricePane(w, file1);
    }

    void Check(const char* item, bool on = true) { w.SetItem(item, 1, on); }
    bool Checked(const char* item) { return w.menus.Item(item, 1).Checked(); }

    // Close of record r as the drawer sees it (split-corrected when the
    // test says so).
    std::function<double(int)> close = [this](int r) { return static_cast<double>(bars[r].Close); };

    double Mean(int r, int p, const std::function<double(int)>& value) const {
        double sum = 0;
        for (int i = r - p + 1; i <= r; ++i) sum += value(i);
        return sum / p;
    }

    // The points of a line of period p, x at the slot centres, from the last
    // warm-up bar to the first bar right of the pane's scale width.
    Polyline Expected(int p, const std::function<double(int)>& value) const {
        Polyline line;
        const int first = w.fields.FirstRecord;
        const int start = std::max(first - 1, p + 1);
        const double width = const_cast<RecordingSurface&>(w.price).ScaleWidth();
        for (int r = start; r <= w.fields.RecordCount; ++r) {
            const double x = 7.0 * (r - first) + 3;
            line.push_back({x, value(r)});
            if (r > start && x > width) break;
        }
        return line;
    }

    static void ExpectLine(const Polyline& drawn, const Polyline& expected, double tolerance,
                           const std::string& what) {
        ASSERT_EQ(drawn.size(), expected.size()) << what;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_NEAR(drawn[i].first, expected[i].first, 1e-9) << what << " point " << i;
            EXPECT_NEAR(drawn[i].second, expected[i].second, tolerance) << what << " point " << i;
        }
    }

    std::vector<RecordedCall> Of(const RecordingSurface& s, RecordedCall::Kind kind) const { return s.CallsOf(kind); }

    DataFileBuilder bars{1};
    ChartFile file1;
};

}  // namespace ranvik::test
