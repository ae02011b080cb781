#pragma once
// A chart window whose candlestick chart has just been drawn from a test's
// data file, ready for the indicator pane: file number 1 open on the data
// file, the view from a chosen first record, this window the active one and
// the panes' logs cleared.  The test bars: uneven rises and falls, a split
// point (bars before it stored at twice their price and half their volume),
// a stretch of a suspended stock (every price equal) and bars without
// volume.
#include <string>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/chart_file.h"
#include "core/program_state.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {

// Where the test file's features lie.
inline constexpr int kSplitPoint = 30;  // factor 2
inline constexpr int kFlatFirst = 50;   // records 50 to 57 all at 1100
inline constexpr int kFlatLast = 57;
inline constexpr int kNoVolumeFirst = 62;  // records 62 to 64 without volume
inline constexpr int kNoVolumeLast = 64;

// The bars as the chart shows them, split-corrected.
inline DataFileBuilder ShownBars(int bars = 90) {
    DataFileBuilder file(bars);
    for (int r = 2; r <= bars + 1; ++r) {
        QuoteRecord& b = file[r];
        b.Open = static_cast<float>(1000 + 4 * ((r * 13) % 17) + r);
        b.Close = b.Open + static_cast<float>(((r * 37) % 11) - 5) * 3;
        b.High = std::max(b.Open, b.Close) + static_cast<float>((r % 4) * 2 + 1);
        b.Low = std::min(b.Open, b.Close) - static_cast<float>((r % 3) * 2 + 1);
        b.Volume = static_cast<float>(2000 + 100 * ((r * 7) % 13));
        if (r >= kFlatFirst && r <= kFlatLast) b.Open = b.High = b.Low = b.Close = 1100;
        if (r >= kNoVolumeFirst && r <= kNoVolumeLast) b.Volume = 0;
    }
    return file.Seal();
}

// The same bars as stored before the split: twice the price, half the volume.
inline DataFileBuilder StoredBars(DataFileBuilder shown) {
    for (int r = 2; r < kSplitPoint; ++r) {
        QuoteRecord& b = shown[r];
        b.Open *= 2;
        b.High *= 2;
        b.Low *= 2;
        b.Close *= 2;
        b.Volume /= 2;
    }
    return shown.Seal();
}

class IndicatorPaneTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Program().windows.ActiveWindowNo = 1;
    }
    void TearDown() override {
        if (file1.IsOpen()) file1.Close();
        DrawingTest::TearDown();
    }

    // Only this oscillator checked (none for an empty name).
    void Choose(const std::string& item) {
        for (const char* name : {"mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム", "mnuMACD", "mnuRCI",
                                 "mnuVector", "mnuOBV", "mnuKairiRitsu", "mnu2LineKairiRitsu"}) {
            w.SetItem(name, 1, item == name);
        }
    }

    // Draws the chart of `file` from `first` as the candlestick drawer does,
    // all but the indicator pane.
    void DrawChart(const DataFileBuilder& file, int first = 20, float viewWidth = 903, bool daily = true) {
        SetShownFile(file, first, viewWidth, daily);
        if (file1.IsOpen()) file1.Close();
        file1.Open(w.fields.DataFileName);
        // The pane itself is the test's to draw.
        CandleLayers layers;
        layers.indicatorPane = [](ChartHost&, ChartFile&) {};
        DrawCandleChart(w, file1, layers);
        ClearLogs();
    }

    // The stored bars drawn with the split correction on.
    void DrawCorrectedChart(const DataFileBuilder& shown, int first = 20) {
        DrawChart(StoredBars(shown), first);
        ChartWindowState& f = w.fields;
        f.CorrectionRecord = kSplitPoint;
        f.CorrectionFactor = 2;
        f.CorrectionFactors = {1, 2, 0, 0, 0, 0};
        f.CorrectionRecords = {0, kSplitPoint, 0, 0, 0, 0};
        w.menus.Item("mnuHosei", 1).SetEnabled(true);
        w.SetItem("mnuHosei", 1, true);
    }

    void ClearLogs() {
        w.price.ClearLog();
        w.indicator.ClearLog();
        w.printer.ClearLog();
        w.quickBar.ClearLog();
    }

    // The print routine's price scale, x as on the screen.
    void StartPrinting() {
        ChartWindowState& f = w.fields;
        w.printer.Scale(-0.1 * f.ViewWidth, 3000, 1.1 * f.ViewWidth, 500);
        f.SavedScaleHeight = w.printer.ScaleHeight();
        f.SavedScaleTop = static_cast<float>(w.printer.ScaleTop());
        w.printer.ClearLog();
    }

    ChartFile file1;
};

}  // namespace ranvik::test
