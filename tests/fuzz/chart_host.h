#pragma once
// The chart window of the drawing targets: the drawing tests' window of
// recording panes with the real drawers of every chart kind behind it, a
// recording printer for the printed page, and the checks every drawing owes
// the program folder.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "chart/drawing/chart_setup.h"
#include "chart/kinds/point_figure.h"
#include "chart/kinds/reverse_watch.h"
#include "chart/kinds/stock_compare.h"
#include "chart/kinds/three_line_break.h"
#include "chart/kinds/year_compare.h"
#include "core/program_state.h"
#include "core/startup_checks.h"
#include "platform/surface/printer.h"
#include "tests/chart/drawing/test_chart_host.h"
#include "tests/fuzz/fuzz_support.h"

namespace ranvik::fuzz {

// Far more labels than a pane a few thousand twips across holds: a loop
// over labels that does not stop at the pane's edge passes it at once.
inline constexpr std::size_t kLabelsAPaneShows = 4096;

class FuzzChartHost : public test::TestChartHost {
public:
    FuzzChartHost() {
        MenuItemArray* items = menus.Add(&menu, &owner, "mnuChartItemeyc");
        items->Add(1, "年毎比較1(&N)");
        items->Add(2, "年毎比較2(&M)");
        fields.WindowNo = 1;
        fields.StockSource = 1;
        fields.StockTitle = "極洋";
    }
    void DrawStockCompare(ChartFile& file1) override { ranvik::DrawStockCompare(*this, file1); }
    void DrawReverseWatch(ChartFile& file1) override { ranvik::DrawReverseWatch(*this, file1); }
    void DrawPointFigure(ChartFile& file1) override { ranvik::DrawPointFigure(*this, file1); }
    void DrawThreeLineBreak(ChartFile& file1) override { ranvik::DrawThreeLineBreak(*this, file1); }
    void DrawYearCompare(ChartFile& file1) override { ranvik::DrawYearCompare(*this, file1); }
    void SetYearPanelVisible(bool) override {}
    void ClearYearList() override { yearList.clear(); }
    void AddYearToList(const std::string& year) override { yearList.push_back(year); }
    void SetYearListText(const std::string& text) override { yearListText = text; }
    std::string YearListText() const override { return yearListText; }
    Surface* PrintPage() override { return &paper.Page(); }

    std::vector<std::string> yearList;
    std::string yearListText;
    RecordingPrinter paper;
};

// Prepares a drawing run: the calendar tables the kinds count days with, and
// this window the active one.
inline void BeginChartRun() {
    BeginRun();
    FillCalendarTables();
    Program().app.AppTitle = "Ranvikチャート ";
    Program().windows.ActiveWindowNo = 1;
}

// The input saved as the window's data file, daily or weekly by the name.
inline std::string SaveDataFile(FuzzChartHost& window, std::string_view bytes, bool weekly) {
    const std::string name = weekly ? "1301w.KDT" : "1301d.KDT";
    WriteFile(FileIn(name), bytes);
    window.fields.DataFileName = FileIn(name);
    return name;
}

// What a drawing owes the program folder: its data file changes in nothing
// but the split-correction marks, and no file is left but the corrected
// copy the set-up makes for a file of several points and the monthly file
// of a window showing months.
inline void CheckDrawingKeptFolder(const FolderFiles& before, const std::string& name, const FuzzChartHost& window) {
    const FolderFiles after = FolderSnapshot();
    for (const auto& [file, bytes] : after) {
        if (file == name) {
            Check(SameButMultipliers(bytes, before.at(name)),
                  "the chart window changes nothing of its data file but the split-correction marks");
        } else if (before.count(file) == 0) {
            Check((file.rfind("Hosei", 0) == 0 && file.size() > 4 && file.substr(file.size() - 4) == ".KDT") ||
                      file == window.fields.MonthlyFileName,
                  "a drawing leaves no file but the corrected copy and the monthly file");
            CheckDataFile(FileIn(file), false);
        } else {
            Check(bytes == before.at(file), "a drawing changes no other file");
        }
    }
    Check(after.count(name) == 1, "a drawing keeps its data file");
}

// The panes a chart kind draws on.
inline std::vector<RecordingSurface*> DrawnPanes(FuzzChartHost& window) {
    return {&window.price, &window.indicator, &window.yearPane};
}

// What a drawing owes its panes, whatever the file holds: every number it
// hands a surface is an ordinary number (a bar that is not finite is passed
// over, a value beyond the scale is clamped first), and it writes no more
// labels than a pane of its size could show next to the bars it draws.
inline void CheckDrawnCalls(FuzzChartHost& window, std::size_t bars) {
    for (const RecordingSurface* pane : DrawnPanes(window)) {
        std::size_t texts = 0;
        for (const RecordedCall& c : pane->Calls()) {
            const bool ordinary = std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
                                  std::isfinite(c.y2) && std::isfinite(c.radius) && std::isfinite(c.start) &&
                                  std::isfinite(c.end) && std::isfinite(c.aspect);
            if (!ordinary) std::fprintf(stderr, "drawn: %s\n", Describe(c).c_str());
            Check(ordinary, "a drawing hands its surface ordinary numbers only");
            if (c.kind == RecordedCall::Kind::Text) ++texts;
        }
        Check(texts <= kLabelsAPaneShows + 4 * bars, "a drawing writes no more labels than its pane can show");
    }
}

// The calls of the drawn panes, and their logs emptied.
inline std::vector<std::vector<RecordedCall>> TakeDrawnCalls(FuzzChartHost& window) {
    std::vector<std::vector<RecordedCall>> calls;
    for (RecordingSurface* pane : DrawnPanes(window)) {
        calls.push_back(pane->Calls());
        pane->ClearLog();
    }
    return calls;
}

}  // namespace ranvik::fuzz
