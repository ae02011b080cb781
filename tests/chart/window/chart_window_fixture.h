#pragma once
// Chart windows inside a started main window, drawing on recording panes,
// in a temporary program folder that holds a few stock data files; requests
// sent as the main window's grids send them; a page fetch that merges a few
// bars into the window's temporary file instead of downloading.
#include <QComboBox>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "collect/web_update.h"
#include "collect/collection_panel.h"
#include "company/form7.h"
#include "core/data_store.h"
#include "core/window_management.h"
#include "maintenance/form2.h"
#include "platform/runtime/ansi_text.h"
#include "platform/surface/recording_surface.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/twips.h"
#include "tests/core/main_window_fixture.h"
#include "tests/support/data_files.h"

namespace ranvik::test {

// Form3 whose drawing routines draw on recording surfaces of its panes' size.
class RecordingForm3 : public Form3 {
public:
    Surface& PricePane() override {
        price.Resize(WidthOf(Picture1), HeightOf(Picture1));
        return price;
    }
    Surface& IndicatorPane() override {
        indicator.Resize(WidthOf(Picture3), HeightOf(Picture3));
        return indicator;
    }
    Surface& ProgressBar() override {
        progress.Resize(WidthOf(Picture10), HeightOf(Picture10));
        return progress;
    }
    // Draws begin by clearing the price pane (so does a new background
    // colour: tests clear the log after the load).
    int Draws() const { return static_cast<int>(price.CallsOf(RecordedCall::Kind::Clear).size()); }
    std::vector<RecordedCall> Lines() const { return price.CallsOf(RecordedCall::Kind::Line); }

    RecordingSurface price;
    RecordingSurface indicator;
    RecordingSurface progress;
};

// A point inside a row of a shown grid, in its viewport, as the mouse
// reaches it.
inline QPoint RowPoint(FlexGrid& grid, int row, int col = 1) {
    const QPoint inGrid(grid.frameWidth() + (grid.ColPos(col) + grid.ColWidth(col) / 2) / 15,
                        grid.frameWidth() + (grid.RowPos(row) + grid.RowHeight(row) / 2) / 15);
    return grid.viewport()->mapFrom(&grid, inGrid);
}

// A double click as the window system delivers it: press, release, double
// click, release.
inline void DoubleClickRow(FlexGrid& grid, int row) {
    const QPoint at = RowPoint(grid, row);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

class ChartWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Makers().chartWindow = [] { return new RecordingForm3; };
        InstallMaintenanceWindowMaker();
        InstallCompanyWindowMaker();
        InstallCollectionPanelMaker();
        WriteUrlList();
        for (const auto& [name, bars] : kFiles) WriteDataFile(dir.File(name), bars);
        previousFetcher = InstallQuotePageFetcher([this](const QuoteFetch& request) { FakeFetch(request); });
    }
    void TearDown() override {
        InstallQuotePageFetcher(previousFetcher);
        MainWindowTest::TearDown();
    }
    MDIForm1& Start() {
        MDIForm1& main = MainWindowTest::Start();
        main.Combo2->setEditText("https://quote.example.com/history?code=");
        return main;
    }

    // The stock data files of the folder, by name and number of bars.
    static constexpr std::pair<const char*, int> kFiles[] = {
        {"1301d.KDT", 1000}, {"6501d.KDT", 300}, {"7203w.KDT", 60}};

    RecordingForm3* Window(int no) { return static_cast<RecordingForm3*>(Program().windows.ChartWindow(no)); }
    RecordingForm3& Active() { return *static_cast<RecordingForm3*>(form->ActiveChild()); }
    ChartWindowState& F(int no = 1) { return Window(no)->Fields(); }

    MDIForm1& StartShown() {
        MDIForm1& main = Start();
        main.show();
        return main;
    }

    // A press ("s") or double click ("d") on the data-file grid's row of the
    // file: the selection published, then code "4" into the active window.
    void RequestFile(const std::string& file, const std::string& mode) {
        FlexGrid& grid = *form->MSFGrid1;
        int row = 0;
        for (int r = 1; r < grid.Rows(); ++r) {
            if (Trim(grid.TextMatrix(r, 4)) == file) row = r;
        }
        ASSERT_NE(row, 0) << file;
        grid.SetRow(row);
        grid.SetCol(1);
        Publish(file.substr(0, 4), Trim(grid.TextMatrix(row, 1)), grid.TextMatrix(row, 2), "(100株)");
        Send("4", mode);
    }
    // The data-file grid's row of the file; 0 when the grid has none.
    int FileRow(const std::string& file) {
        FlexGrid& grid = *form->MSFGrid1;
        for (int r = 1; r < grid.Rows(); ++r) {
            if (Trim(grid.TextMatrix(r, 4)) == file) return r;
        }
        return 0;
    }
    // The same on the list-table grid's row.
    void RequestListStock(int row, const std::string& mode) {
        FlexGrid& grid = *form->MSF全Grid2;
        grid.SetRow(row);
        grid.SetCol(1);
        Publish(grid.TextMatrix(row, 0), Trim(grid.TextMatrix(row, 1)), grid.TextMatrix(row, 2), "(100株)");
        Send("5", mode);
    }
    void Publish(const std::string& code, const std::string& name, const std::string& market, const std::string& unit) {
        auto& s = Program().selection;
        s.CurrentCode = code;
        s.CurrentName = name;
        s.CurrentMarket = "." + market.substr(0, market.empty() ? 0 : 1);
        s.CurrentSection = market.empty() ? "" : market.substr(market.size() - 1);
        s.CurrentUnitText = unit;
    }
    void Send(const std::string& code, const std::string& mode) {
        Program().selection.ChartLoadMode = mode;
        form->ActiveChild()->FG1Text6.SetText(code);
        EXPECT_EQ(form->ActiveChild()->FG1Text6.Text(), "") << code;
    }

    // The pages of a stock, as a reader stores them: `webBars` bars in the
    // window's temporary file, and the current price.
    void FakeFetch(const QuoteFetch& request) {
        ++webUpdates;
        RecordFile file(request.dataFile, QuoteRecord::kLength);
        for (int r = 2; r <= 1 + webBars; ++r) {
            Program().store.QuoteBufB = TestBar(r);
            MergeQuoteRecord(file);
        }
        auto& net = Program().collection;
        net.NetFailed = 0;
        net.UpdateLog = webBars > 0 ? "取込み完了" : "更新すべきデータは有りません（更新済み/データ無し)";
        net.PagePriceText = "2,500";
        net.PagePriceNote = "+10";
    }

    int webUpdates = 0;
    int webBars = 40;
    QuotePageFetcher previousFetcher;
};

// The chart window fixture with windows of the test's own class, a
// recording window that records one more pane or listens for more.
template <typename Form>
class ChartWindowTestOf : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        Makers().chartWindow = [] { return new Form; };
    }
    Form& W(int no = 1) { return *static_cast<Form*>(Program().windows.ChartWindow(no)); }
};

}  // namespace ranvik::test
