#pragma once
// The common ground of the drawing tests: a program folder of its own, a
// fixed clock (the corrected copy's header carries the day it was made),
// recorded messages and a chart window of recording panes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "chart/drawing/chart_setup.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik::test {

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = dir.Path();
        w.fields.WindowNo = 1;
    }
    void TearDown() override { ResetProgramState(); }

    // The file written into the program folder and shown as a local file.
    void Show(const DataFileBuilder& file, const std::string& name = "1301d.KDT") {
        file.Write(dir.File(name));
        w.fields.DataFileName = dir.File(name);
        w.fields.StockSource = 1;
        ShowChart(w);
    }
    // The file written into the program folder and set up as the chart
    // set-up leaves the window: shown from record `first` over `viewWidth`
    // bars, the header's extremes, both panes scaled to the view.
    void SetShownFile(const DataFileBuilder& file, int first, float viewWidth, bool daily) {
        file.Write(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        DataFileBuilder copy = file;
        const QuoteRecord& h = copy.Header();
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = static_cast<std::int16_t>(first);
        f.RecordCount = h.RecordNo;
        f.ViewWidth = viewWidth;
        f.ViewHigh = 0;
        f.IsDaily = daily ? -1 : 0;
        f.ParamsIsDaily = f.IsDaily;
        f.PeriodUnit = daily ? "日" : "週";
        f.FileHigh = h.High;
        f.FileLow = h.Low;
        f.FileMaxVolume = h.Volume;
        w.price.Scale(0, 1, viewWidth, 0);
        w.indicator.Scale(0, 1, viewWidth, 0);
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : messages->shown) texts.push_back(m.text);
        return texts;
    }

    FixedClock clock{{2024, 5, 17}};
    TempFolder dir;
    ScopedRecordingMessages messages;
    TestChartHost w;
};

}  // namespace ranvik::test
