// The view set-up of ShowChart: the whole width, the width shown, the scroll
// range (16-bit), the first shown record, the zoom buttons and the panes.
#include "chart/drawing/view_setup.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using test::DataFileBuilder;

class ViewSetup : public test::DrawingTest {};

TEST_F(ViewSetup, WidthsScrollRangeAndFirstRecord) {
    enum Data { Daily, Weekly, Ichimoku, MonthlyCandles };
    const struct {
        const char* what;
        int records;  // RecordCount
        Data data;
        float width;  // ViewWidth before; PartialViewWidth is 903
        bool dataCut;
        float widthAfter, widthMax;
        int min, max;  // scroll range; value = max; hidden when max is 14 and all fits
        bool hidden;
        int first;
    } cases[] = {
        {"20 records fit in 385", 20, Daily, 385, false, 240, 240, 14, 14, true, 2},
        // 1000 x 7 - 903 + 63, less (950 - 903) \ 25.
        {"partial view", 1001, Daily, 903, false, 903, 7107, 14, 6159, false, 879},
        {"full view", 1001, Daily, 1, false, 7107, 7107, 14, 14, true, 2},
        {"wide partial view", 1001, Daily, 1400, false, 1400, 7107, 14, 5663, false, 809},
        // 4999 x 7 = 34993: the view widens until the range fits 32767.
        {"5000 records", 5000, Daily, 903, false, 2276, 35100, 14, 32767, false, 4681},
        {"5000 records, data-cut", 5000, Daily, 903, true, 903, 35100, 14, 31914, false, 4878},
        {"5000 records, 950 or wider", 5000, Daily, 1200, false, 2276, 35100, 14, 32767, false, 4681},
        {"5000 records, 950 or wider, data-cut", 5000, Daily, 1200, true, 1200, 35100, 14, 31617, false, 4836},
        {"data-cut on a short file", 1001, Daily, 903, true, 903, 7107, 14, 6159, false, 879},
        {"weekly", 1001, Weekly, 903, false, 903, 7107, 14, 6159, false, 879},
        {"weekly, 5000 records", 5000, Weekly, 903, false, 2276, 35100, 14, 32767, false, 4681},
        {"weekly, 5000 records, data-cut", 5000, Weekly, 903, true, 903, 35100, 14, 31914, false, 4878},
        // Ichimoku: 300 units more, and its own margin.
        {"Ichimoku", 1001, Ichimoku, 903, false, 903, 7307, 14, 6195, false, 885},
        {"Ichimoku, 5000 records", 5000, Ichimoku, 903, false, 2276, 35300, 14, 32767, false, 4681},
        {"Ichimoku, 5000 records, data-cut", 5000, Ichimoku, 903, true, 903, 35300, 14, 31914, false, 4878},
        {"Ichimoku on a short file", 100, Ichimoku, 903, false, 903, 1000, 14, 14, true, 2},
        // Daily data as monthly candles: a unit a day; the partial view
        // takes 0.7 of the slider's width.
        {"monthly candles", 1001, MonthlyCandles, 903, false, 632.1f, 1101, 2, 418, false, 419},
        {"monthly candles, another width", 1001, MonthlyCandles, 600, false, 600, 1101, 2, 450, false, 451},
        {"monthly candles of a short file", 100, MonthlyCandles, 903, false, 200, 200, 14, 14, true, 2},
    };
    for (const auto& c : cases) {
        DataFileBuilder file(c.records - 1, c.data == Weekly ? test::Spacing::Weeks : test::Spacing::Weekdays);
        w.fields.ViewWidth = c.width;
        w.SetItem("mnuGamen比", 5, c.dataCut);
        w.SetItem("mnu一目", 1, c.data == Ichimoku);
        w.checks[8] = c.data == MonthlyCandles ? 1 : 0;
        w.bar.setRange(14, 14);
        w.bar.show();
        w.scrollChanges.clear();
        Show(file, c.data == Weekly ? "1301w.KDT" : "1301d.KDT");
        EXPECT_EQ(w.fields.RecordCount, c.records) << c.what;
        EXPECT_FLOAT_EQ(w.fields.ViewWidth, c.widthAfter) << c.what;
        EXPECT_EQ(w.fields.ViewWidthMax, c.widthMax) << c.what;
        EXPECT_EQ(w.bar.minimum(), c.min) << c.what;
        EXPECT_EQ(w.bar.maximum(), c.max) << c.what;
        EXPECT_EQ(w.bar.value(), c.max) << c.what;
        EXPECT_EQ(w.bar.isHidden(), c.hidden) << c.what;
        EXPECT_EQ(w.fields.FirstRecord, c.first) << c.what;
        // The zoom buttons: in above the narrowest view (never at the top of
        // the scroll range), out below the whole width.
        EXPECT_EQ(w.buttons["拡大"], c.widthAfter > 385 && c.max != 32767) << c.what;
        EXPECT_EQ(w.buttons["縮小"], c.widthAfter < c.widthMax) << c.what;
        EXPECT_EQ(w.Item("mnu表示ボタン", 3).Enabled(), c.widthAfter > 385) << c.what;
        EXPECT_EQ(w.Item("mnu表示ボタン", 6).Enabled(), c.widthAfter < c.widthMax) << c.what;
        for (const auto& change : w.scrollChanges) EXPECT_EQ(change.dataFileName, "") << c.what;
        EXPECT_LE(w.bar.maximum(), 32767) << c.what;
    }
    EXPECT_TRUE(Messages().empty());
}

// The stock comparison counts calendar days: a view of 425 days (a year and
// two months) reaches back to the month before the last bar's month a year
// earlier, and starts at that month's first bar.
TEST_F(ViewSetup, TheStockComparisonStartsAtTheMonthItsWidthReachesBackTo) {
    DataFileBuilder file(600);
    w.ShowKind(2);
    w.fields.ViewWidth = 425;
    Show(file);
    const std::string last = file[601].QuoteDate;
    int month = std::stoi(last.substr(0, 2)) - 1;
    int year = std::stoi(last.substr(6, 2)) - 1;
    if (month == 0) {
        month = 12;
        year -= 1;
    }
    int first = 2;
    for (int r = 601; r >= 2; --r) {
        const std::string date = file[r].QuoteDate;
        const int y = std::stoi(date.substr(6, 2)), m = std::stoi(date.substr(0, 2));
        if (y < year || (y == year && m < month)) {
            first = r + 1;
            break;
        }
    }
    ASSERT_GT(first, 2);
    EXPECT_EQ(file[first].QuoteDate.substr(0, 2), (month < 10 ? "0" : "") + std::to_string(month));
    EXPECT_EQ(w.fields.FirstRecord, first);
    EXPECT_EQ(w.bar.maximum(), first * 7);
    EXPECT_EQ(w.bar.value(), first * 7);
    EXPECT_FALSE(w.bar.isHidden());
    EXPECT_EQ(w.fields.ViewWidth, 425);
}

// The panes in twips below the title strip: the price pane reaches down to
// the scroll bar when the indicator pane is off, the indicator pane gives
// the scroll bar its room, and the comparisons bring the indicator pane back.
TEST_F(ViewSetup, ThePaneLayout) {
    const int s = 255;  // the scroll bar's height
    const struct {
        const char* what;
        int kind;
        bool indicatorShown;  // 指標画面表示
        bool indicatorVisible;
        bool enlarged;  // 指標画面拡大
        int indicatorHeight;
        int bars;  // 1000 scroll; 20 fit and hide the scroll bar
        int os;
        int priceHeight, indicatorAfter, barTop;  // -1: as before
    } cases[] = {
        {"price pane alone", 1, false, false, false, 1310, 1000, 5, 6500 - 700 - 265, -1, 6500 - 700 + 30},
        {"price pane alone, system 6", 1, false, false, false, 1310, 1000, 6, 6500 - 700 - 265 - 150, -1,
         6500 - 700 - 150 + 30},
        {"price pane alone, no scroll bar", 1, false, false, false, 1310, 20, 5, 6500 - 700 - 265 + s, -1,
         6500 - 700 + s + 30},
        {"indicator pane shown", 1, true, true, false, 1310, 1000, 5, 4000, 1310, 265 + 4010 + 1310 + 30},
        {"indicator pane taller than it was", 1, true, true, false, 1600, 1000, 5, 4000, 1600 - s,
         265 + 4010 + 1600 - s + 30},
        {"no scroll bar: the indicator pane takes its room", 1, true, true, false, 1310, 20, 5, 4000, 1310 + s,
         265 + 4010 + 1310 + s + 30},
        {"enlarged indicator pane", 1, true, true, true, 3000, 1000, 5, 4000, 3000 - s, 265 + 4000 + 3000 - s + 30},
        {"comparison brings the indicator pane", 2, false, false, false, 1310, 1000, 5, 6500 - 700 - 265 - 1310,
         1310, 6500 - 700 + 30},
    };
    for (const auto& c : cases) {
        w.fields = ChartWindowState{};
        w.fields.WindowNo = 1;
        Program().app.OsMajorVersion = c.os;
        w.ShowKind(c.kind);
        w.SetItem("mnuGamen比", 3, c.indicatorShown);
        w.SetItem("mnuGamen比", 1, c.enlarged);
        w.visible[Pane::Indicator] = c.indicatorVisible;
        w.SetPaneHeight(Pane::Price, 4000);
        w.SetPaneHeight(Pane::Indicator, c.indicatorHeight);
        w.SetPaneTop(Pane::Indicator, 265 + 4010);
        w.bar.setRange(14, 14);
        w.bar.show();
        Show(DataFileBuilder(c.bars));
        EXPECT_EQ(w.PaneHeight(Pane::Price), c.priceHeight) << c.what;
        if (c.indicatorAfter >= 0) {
            EXPECT_EQ(w.PaneHeight(Pane::Indicator), c.indicatorAfter) << c.what;
        }
        EXPECT_EQ(TopOf(&w.bar), PixelsToTwips(TwipsToPixels(c.barTop))) << c.what;
        if (c.kind == 2) {
            EXPECT_TRUE(w.PaneVisible(Pane::Indicator)) << c.what;
            EXPECT_EQ(w.PaneTop(Pane::Indicator), 265 + c.priceHeight) << c.what;
        }
    }
}

}  // namespace
}  // namespace ranvik
