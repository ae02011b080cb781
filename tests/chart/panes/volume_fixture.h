#pragma once
// A chart window whose candlestick chart has just been drawn from a test's
// data file, ready for the volume-area drawers: file number 1 open on the
// data file, the view from a chosen first record, the panes' logs cleared.
#include <string>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/chart_file.h"
#include "core/program_state.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {

class VolumeAreaTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Program().windows.ActiveWindowNo = 1;
        w.mainBoxes[32] = "5";
        w.mainBoxes[33] = "25";
        w.mainBoxes[34] = "5";
        w.mainBoxes[35] = "26";
    }
    void TearDown() override {
        if (file1.IsOpen()) file1.Close();
        DrawingTest::TearDown();
    }

    // Draws the chart of `file` from `first` as the candlestick drawer does
    // before it hands over to the volume area.
    void DrawChart(const DataFileBuilder& file, int first = 2, float viewWidth = 903, bool daily = true) {
        SetShownFile(file, first, viewWidth, daily);
        if (file1.IsOpen()) file1.Close();
        file1.Open(w.fields.DataFileName);
        // The volume-area indicators are the tests' own to draw; the
        // indicator pane, drawn in between, is no part of them.
        CandleLayers layers;
        layers.volumePane = [](ChartHost&, ChartFile&) {};
        layers.indicatorPane = [](ChartHost&, ChartFile&) {};
        DrawCandleChart(w, file1, layers);
        w.price.ClearLog();
        w.printer.ClearLog();
        w.quickBar.ClearLog();
    }

    // The print routine's scales for the volume area: the printer's price
    // scale saved, x as on the screen.
    void StartPrinting(double paneFactor = 1.2) {
        ChartWindowState& f = w.fields;
        f.PrintingNow = -1;
        f.VolumePaneFactor = paneFactor;
        w.printer.Scale(-0.1 * f.ViewWidth, 3000, 1.1 * f.ViewWidth, 500);
        f.SavedScaleHeight = w.printer.ScaleHeight();
        f.SavedScaleTop = static_cast<float>(w.printer.ScaleTop());
        w.printer.ClearLog();
    }

    ChartFile file1;
};

}  // namespace ranvik::test
