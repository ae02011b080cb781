#pragma once
// The printing tests' common ground: a chart window of recording panes whose
// print page is a recording printer, a data file shown in it, a fixed clock
// and recorded messages.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "chart/drawing/chart_setup.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/surface/printer.h"
#include "print/print_job.h"
#include "print/printed_page.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik::test {

class PrintHost : public TestChartHost {
public:
    Surface* PrintPage() override { return &paper->Page(); }
    Printer* paper = &recording;
    RecordingPrinter recording;
};

class PrintTest : public ::testing::Test {
public:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = dir.Path();
        Program().app.AppTitle = "Ranvikチャート Ver.";
        Program().app.VersionSuffix = " β ";
        w.fields.WindowNo = 1;
    }
    void TearDown() override { ResetProgramState(); }
    void Show(const DataFileBuilder& file, const std::string& name = "1301d.KDT") {
        file.Write(dir.File(name));
        w.fields.DataFileName = dir.File(name);
        w.fields.StockSource = 1;
        w.fields.StockTitle = "極洋";
        w.fields.PeriodUnit = "日";
        ShowChart(w);
    }
    // The page on the recording printer, its log cleared first.
    PrintOutcome Print(const PrintOptions& options = {}) {
        w.recording.Recorder().ClearLog();
        return PrintChart(w, w.recording, options);
    }
    std::vector<RecordedCall> Calls(RecordedCall::Kind kind) { return w.recording.Recorder().CallsOf(kind); }
    std::vector<RecordedCall> Texts() { return Calls(RecordedCall::Kind::Text); }
    bool HasText(const std::string& text) {
        for (const auto& c : Texts()) {
            if (c.text == text) return true;
        }
        return false;
    }
    const RecordedCall* FindText(const std::string& text) {
        static RecordedCall found;
        for (const auto& c : Texts()) {
            if (c.text == text) {
                found = c;
                return &found;
            }
        }
        return nullptr;
    }

    FixedClock clock{{2024, 5, 17}};
    TempFolder dir;
    ScopedRecordingMessages messages;
    PrintHost w;
};

}  // namespace ranvik::test
