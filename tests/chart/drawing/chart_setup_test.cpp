// The least of the chart set-up and redraw: opening the data file, the view,
// the scroll range, the zoom steps and the stand-in candlestick drawer,
// checked on a window of recording panes.
#include "chart/drawing/chart_setup.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/price_scale.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "tests/chart/drawing/test_chart_host.h"
#include "tests/support/data_files.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;

class ChartSetup : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = dir.Path();
    }
    void TearDown() override { ResetProgramState(); }

    // A daily file of `bars` bars, chosen in the window.
    void Choose(int bars, const std::string& name = "1301d.KDT") {
        test::WriteDataFile(dir.File(name), bars);
        w.fields.DataFileName = dir.File(name);
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : messages->shown) texts.push_back(m.text);
        return texts;
    }

    test::TempFolder dir;
    ScopedRecordingMessages messages;
    test::TestChartHost w;
};

TEST_F(ChartSetup, WithoutAFileNameOnlyMessage300IsShown) {
    ShowChart(w);
    ASSERT_EQ(Messages(), std::vector<std::string>{"300, 銘柄を指定して下さい    "});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(w.blinking);
    EXPECT_TRUE(w.price.Calls().empty());
}

// A file that names no bar leaves the window without a stock, and a reader
// never creates the file it was sent to.
TEST_F(ChartSetup, AFileWithoutBarsIsReportedAndLeavesTheWindowEmpty) {
    QuoteRecord headerOnly;
    headerOnly.RecordNo = 1;
    QuoteRecord noCount;
    const struct {
        const char* what;
        std::string bytes;  // empty: no file at all
    } cases[] = {
        {"missing", ""},
        {"ends inside its header", test::DataFileBytes(3).substr(0, 30)},
        {"header only", headerOnly.Encode()},
        {"a header that counts no bar, bars after it", noCount.Encode() + test::TestBar(2).Encode()},
    };
    for (const auto& c : cases) {
        messages->shown.clear();
        const std::string path = dir.File("7203d.KDT");
        std::filesystem::remove(path);
        if (!c.bytes.empty()) test::WriteBytes(path, c.bytes);
        w.fields.DataFileName = path;
        w.fields.ChartShown = 1;
        w.blinking = true;
        ShowChart(w);
        EXPECT_EQ(Messages(), std::vector<std::string>{"302, 株価データが無い    "}) << c.what;
        EXPECT_EQ(w.fields.DataFileName, "") << c.what;
        EXPECT_EQ(w.fields.ChartShown, 0) << c.what;
        EXPECT_FALSE(w.blinking) << c.what;
        EXPECT_EQ(std::filesystem::exists(path), !c.bytes.empty()) << c.what;
        if (!c.bytes.empty()) {
            EXPECT_EQ(test::ReadBytes(path), c.bytes) << c.what;
        }
    }
    EXPECT_TRUE(w.price.CallsOf(Kind::Line).empty());
}

TEST_F(ChartSetup, ThePeriodComesFromTheLetterBeforeKdtForALocalFileOnly) {
    const struct {
        const char* name;
        double source;
        std::int16_t before, after;
        const char* unit;
    } cases[] = {
        {"1301d.KDT", 1, 0, -1, "日"},  {"1301w.KDT", 1, -1, 0, "週"},
        {"1301x.KDT", 1, -1, -1, "日"}, {"1301D.KDT", 1, 0, 0, "週"},
        // A stock fetched from the web keeps the period its update set.
        {"Temp1w.KDT", 2, -1, -1, "日"},
    };
    for (const auto& c : cases) {
        Choose(30, c.name);
        w.fields.StockSource = c.source;
        w.fields.IsDaily = c.before;
        ShowChart(w);
        EXPECT_EQ(w.fields.IsDaily, c.after) << c.name;
        EXPECT_EQ(w.fields.PeriodUnit.Text(), c.unit) << c.name;
    }
}

// The view set-up: the whole width, the scroll range (set while DataFileName
// is empty, so that the window's scroll handler draws nothing) and the first
// shown record.
TEST_F(ChartSetup, TheViewTheScrollRangeAndTheFirstRecord) {
    const struct {
        const char* what;
        int bars;
        float width;
        bool dataCut;
        float widthAfter, widthMax;
        int max;  // scroll maximum (value = maximum); 14 and hidden when all fits
        int first;
    } cases[] = {
        {"all fits: bar hidden", 20, 903, false, 247, 247, 14, 2},
        // 1000 x 7 - 903 + 63, less (950 - 903) \ 25.
        {"partial view", 1000, 903, false, 903, 7107, 6159, 6159 / 7},
        {"full view", 1000, 1, false, 7107, 7107, 14, 2},
        {"no wider than 16 bits", 32766, 903, false, 903, 229469, 32767, 4681},
        // The newest 4681 records: 32767 - 129 + 7.
        {"data-cut view", 32766, 903, true, 903, 229469, 32767 - 903 + 50, 32645},
        {"data-cut view on a short file", 1000, 903, true, 903, 7107, 6159, 6159 / 7},
    };
    for (const auto& c : cases) {
        Choose(c.bars);
        w.fields.ViewWidth = c.width;
        w.Item("mnuGamen比", 5).SetChecked(c.dataCut);
        w.bar.show();
        w.scrollChanges.clear();
        ShowChart(w);
        EXPECT_EQ(w.fields.RecordCount, c.bars + 1) << c.what;
        EXPECT_EQ(w.fields.ViewWidth, c.widthAfter) << c.what;
        EXPECT_EQ(w.fields.ViewWidthMax, c.widthMax) << c.what;
        EXPECT_EQ(w.bar.minimum(), 14) << c.what;
        EXPECT_EQ(w.bar.maximum(), c.max) << c.what;
        EXPECT_EQ(w.bar.value(), c.max) << c.what;
        EXPECT_EQ(w.bar.isHidden(), c.max == 14) << c.what;
        EXPECT_EQ(w.fields.FirstRecord, c.first) << c.what;
        for (const auto& change : w.scrollChanges) EXPECT_EQ(change.dataFileName, "") << c.what;
        EXPECT_EQ(w.fields.DataFileName, dir.File("1301d.KDT")) << c.what;
        EXPECT_EQ(w.fields.ShownFileName, w.fields.DataFileName) << c.what;
        EXPECT_EQ(w.fields.ChartShown, 1) << c.what;
        EXPECT_FALSE(w.blinking) << c.what;
    }
    EXPECT_TRUE(Messages().empty());
}

// The stand-in drawer: both panes cleared, the crosshair forgotten, the price
// range of the shown bars, one high-low line per bar at x = 7k.
TEST_F(ChartSetup, TheCandleStandInDrawsAHighLowLinePerShownBar) {
    Choose(1000);
    w.fields.CrossX = 300;
    w.fields.CrossY = 1200;
    ShowChart(w);
    const int first = w.fields.FirstRecord;
    const int count = 1001 - first + 1;  // fewer bars left than the view holds
    ASSERT_EQ(ShownBarCount(w.fields), count);
    EXPECT_EQ(w.fields.CrossX, -2000);
    EXPECT_EQ(w.fields.CrossY, -2000);
    // Cleared before the first line is drawn.
    const auto& calls = w.price.Calls();
    const auto clear = std::find_if(calls.begin(), calls.end(), [](const auto& call) { return call.kind == Kind::Clear; });
    const auto line = std::find_if(calls.begin(), calls.end(), [](const auto& call) { return call.kind == Kind::Line; });
    EXPECT_LT(clear - calls.begin(), line - calls.begin());
    EXPECT_EQ(w.indicator.CallsOf(Kind::Clear).size(), 1u);

    float high = 0, low = 1e9f;
    for (int r = first; r <= 1001; ++r) {
        high = std::max(high, test::TestBar(r).High);
        low = std::min(low, test::TestBar(r).Low);
    }
    EXPECT_EQ(w.fields.PriceTop, high);
    EXPECT_EQ(w.fields.PriceBottom, low);
    const double volume = (high - low) / 6.0;
    EXPECT_NEAR(w.price.ScaleTop(), high, 1e-3);
    EXPECT_NEAR(w.price.ScaleTop() + w.price.ScaleHeight(), low - volume, 1e-3);
    EXPECT_EQ(w.price.ScaleWidth(), 903);

    const auto lines = w.price.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const QuoteRecord bar = test::TestBar(first + k);
        const auto& line = lines[static_cast<std::size_t>(k)];
        EXPECT_EQ(line.x1, 7.0 * k) << k;
        EXPECT_EQ(line.x2, 7.0 * k) << k;
        EXPECT_EQ(line.y1, bar.Low) << k;
        EXPECT_EQ(line.y2, bar.High) << k;
    }
    EXPECT_EQ(w.LabelNo(12).text(), w.LabelNo(1).text());
}

TEST_F(ChartSetup, TheRedrawActsOnlyWhileTheShownFileIsTheChosenOne) {
    Choose(200);
    ShowChart(w);
    const auto lines = w.price.CallsOf(Kind::Line).size();
    const struct {
        const char* what;
        std::string data, shown;
        bool draws;
    } cases[] = {
        {"no file", "", "", false},
        {"another file pending", dir.File("6501d.KDT"), dir.File("1301d.KDT"), false},
        {"the file shown", dir.File("1301d.KDT"), dir.File("1301d.KDT"), true},
    };
    for (const auto& c : cases) {
        w.price.ClearLog();
        w.focusCalls = 0;
        w.fields.DataFileName = c.data;
        w.fields.ShownFileName = c.shown;
        RedrawChart(w);
        EXPECT_EQ(w.price.CallsOf(Kind::Line).size(), c.draws ? lines : 0u) << c.what;
        EXPECT_EQ(w.focusCalls, c.draws ? 1 : 0) << c.what;
    }
}

TEST_F(ChartSetup, ZoomStepsStopAt55BarsAndAtTheWholeFile) {
    struct Step {
        void (*zoom)(ChartHost&);
        float width;
    };
    const struct {
        const char* what;
        int bars;
        std::int16_t partial;
        std::vector<Step> steps;
    } cases[] = {
        {"in from 500: 385, not 318, then no further", 1000, 500, {{ZoomIn1, 385}, {ZoomIn1, 385}, {ZoomIn2, 385}}},
        {"in, repaint only", 1000, 903, {{ZoomIn2, 721}, {ZoomIn2, 539}, {ZoomIn2, 385}}},
        // 99 bars: the whole file is 800 units wide.
        {"out from 385", 99, 385, {{ZoomOut1, 567}, {ZoomOut1, 749}, {ZoomOut1, 800}, {ZoomOut1, 800}}},
        {"out, repaint only, while bars are left", 1000, 385, {{ZoomOut2, 567}, {ZoomOut2, 749}}},
    };
    for (const auto& c : cases) {
        Choose(c.bars);
        w.fields.PartialViewWidth = c.partial;
        ShowPartialView(w);
        ASSERT_EQ(w.fields.ViewWidth, c.partial) << c.what;
        for (const Step& step : c.steps) {
            // Scroll back so that the bars right of the view outnumber it.
            w.fields.FirstRecord = 2;
            step.zoom(w);
            EXPECT_EQ(w.fields.ViewWidth, step.width) << c.what;
        }
    }
    // At 385 the zoom-in button and items are off, zoom-out on.
    Choose(1000);
    w.fields.PartialViewWidth = 500;
    ShowPartialView(w);
    ZoomIn2(w);
    EXPECT_FALSE(w.buttons["拡大"]);
    EXPECT_TRUE(w.buttons["縮小"]);
    EXPECT_FALSE(w.Item("mnu表示ボタン", 3).Enabled());
    EXPECT_FALSE(w.Item("mnu表示ボタン", 4).Enabled());
    EXPECT_TRUE(w.Item("mnu表示ボタン", 6).Enabled());
}

TEST_F(ChartSetup, ZoomingOutRepaintsNothingWhenTheRestOfTheFileFits) {
    Choose(1000);
    ShowChart(w);  // the newest bars: fewer are left than the view holds
    w.price.ClearLog();
    ZoomOut2(w);
    EXPECT_EQ(w.fields.ViewWidth, 903);
    EXPECT_TRUE(w.price.Calls().empty());
}

TEST_F(ChartSetup, ARepaintingZoomInKeepsTheLeftEdgeAndWidensTheScrollRange) {
    Choose(1000);
    ShowChart(w);
    const int max = w.bar.maximum();
    const int first = w.fields.FirstRecord;
    w.scrollChanges.clear();
    ZoomIn2(w);
    EXPECT_EQ(w.bar.maximum(), max + 182);
    EXPECT_EQ(w.fields.FirstRecord, first);
    EXPECT_EQ(w.price.ScaleWidth(), 721);
    for (const auto& change : w.scrollChanges) EXPECT_EQ(change.dataFileName, "");

    // Daily data as monthly candles steps by 60.
    w.checks[8] = 1;
    w.fields.ViewWidth = 903;
    ZoomIn2(w);
    EXPECT_EQ(w.fields.ViewWidth, 843);
}

TEST_F(ChartSetup, TheScrollMaximumNeverPasses32767) {
    Choose(32766);
    w.fields.ViewWidth = 903;
    ShowChart(w);
    ASSERT_EQ(w.bar.maximum(), 32767);
    ZoomIn2(w);
    EXPECT_EQ(w.bar.maximum(), 32767);
}

TEST_F(ChartSetup, APartialViewWhileLoadingDropsTheOldMonthlyFile) {
    for (bool loading : {false, true}) {
        Choose(100);
        test::WriteBytes(dir.File("Temp1m.KDT"), "x");
        w.fields.MonthlyFileName = "Temp1m.KDT";
        w.blinking = loading;
        ShowPartialView(w);
        EXPECT_EQ(std::filesystem::exists(dir.File("Temp1m.KDT")), !loading) << loading;
        EXPECT_EQ(w.fields.MonthlyFileName, loading ? "" : "Temp1m.KDT") << loading;
    }
}

TEST(PricePaneScale, UprightAndInverted) {
    ChartWindowState f;
    f.ViewWidth = 903;
    f.PriceTop = 1200;
    f.PriceBottom = 900;
    f.VolumeAreaHeight = 50;
    EXPECT_EQ(PricePaneScale(f), (ScaleCorners{0, 1200, 903, 850}));
    f.InvertedChart = -1;
    EXPECT_EQ(PricePaneScale(f), (ScaleCorners{0, 900, 903, 1250}));

    RecordingSurface price(9000, 3000), indicator(9000, 1310);
    ApplyPaneScales(f, price, indicator);
    EXPECT_EQ(price.ScaleTop(), 900);
    EXPECT_EQ(price.ScaleHeight(), 350);
    EXPECT_EQ(indicator.ScaleWidth(), 903);
    // A range of no height leaves the scale as it was.
    f.PriceTop = f.PriceBottom = 1000;
    f.VolumeAreaHeight = 0;
    ApplyPaneScales(f, price, indicator);
    EXPECT_EQ(price.ScaleTop(), 900);
}

}  // namespace
}  // namespace ranvik
