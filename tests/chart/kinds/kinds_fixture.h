#pragma once
// The ground of the other chart kinds' tests: the drawing tests' window of
// recording panes with the real drawers behind it and the year-selection
// panel recorded, the calendar tables filled, and helpers that pick the
// calls of one colour or kind out of a pane's log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/kinds/point_figure.h"
#include "chart/kinds/reverse_watch.h"
#include "chart/kinds/stock_compare.h"
#include "chart/kinds/three_line_break.h"
#include "chart/kinds/year_compare.h"
#include "core/startup_checks.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {

class KindsHost : public TestChartHost {
public:
    explicit KindsHost(HostSizes sizes = {}) : TestChartHost(sizes) {
        MenuItemArray* items = menus.Add(&menu, &owner, "mnuChartItemeyc");
        items->Add(1, "年毎比較1(&N)");
        items->Add(2, "年毎比較2(&M)");
    }
    void DrawStockCompare(ChartFile& file1) override { ranvik::DrawStockCompare(*this, file1); }
    void DrawReverseWatch(ChartFile& file1) override { ranvik::DrawReverseWatch(*this, file1); }
    void DrawPointFigure(ChartFile& file1) override { ranvik::DrawPointFigure(*this, file1); }
    void DrawThreeLineBreak(ChartFile& file1) override { ranvik::DrawThreeLineBreak(*this, file1); }
    void DrawYearCompare(ChartFile& file1) override { ranvik::DrawYearCompare(*this, file1); }
    void SetYearPanelVisible(bool shown) override { yearPanelVisible = shown; }
    void ClearYearList() override { yearList.clear(); }
    void AddYearToList(const std::string& year) override { yearList.push_back(year); }
    void SetYearListText(const std::string& text) override { yearListText = text; }
    std::string YearListText() const override { return yearListText; }

    bool yearPanelVisible = false;
    std::vector<std::string> yearList;
    std::string yearListText;
};

class KindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        FillCalendarTables();
        Program().app.AppDir = dir.Path();
        Program().app.AppTitle = "Ranvikチャート ";
        Program().windows.ActiveWindowNo = 1;
        w.fields.WindowNo = 1;
    }
    void TearDown() override { ResetProgramState(); }

    // The file written into the program folder and loaded as a local file.
    void Show(const DataFileBuilder& file, const std::string& name = "1301d.KDT") {
        file.Write(dir.File(name));
        w.fields.DataFileName = dir.File(name);
        w.fields.StockSource = 1;
        ShowChart(w);
    }
    std::vector<RecordedCall> Of(const RecordingSurface& s, RecordedCall::Kind kind, Color color) const {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : s.Calls())
            if (c.kind == kind && c.color == color) out.push_back(c);
        return out;
    }
    std::vector<std::string> Texts(const RecordingSurface& s) const {
        std::vector<std::string> out;
        for (const RecordedCall& c : s.CallsOf(RecordedCall::Kind::Text)) out.push_back(c.text);
        return out;
    }

    FixedClock clock{{2024, 5, 17}};
    TempFolder dir;
    ScopedRecordingMessages messages;
    KindsHost w;
};

}  // namespace ranvik::test
