#pragma once
// The common ground of the drawing tests: a program folder of its own, a
// fixed clock (the corrected copy's header carries the day it was made),
// recorded messages and a chart window of recording panes.
#include <gtest/gtest.h>

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
