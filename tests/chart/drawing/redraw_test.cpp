// RedrawChart and the view routines: what each redraws, the zoom sequences
// and their limits, the scroll range they move.
#include "chart/drawing/redraw.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <filesystem>

#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class Redraw : public test::DrawingTest {
protected:
    void Choose(int bars) {
        DataFileBuilder(bars).Write(dir.File("1301d.KDT"));
        w.fields.DataFileName = dir.File("1301d.KDT");
    }
    int Draws() { return static_cast<int>(w.price.CallsOf(Kind::Clear).size()); }
};

TEST_F(Redraw, OnlyWhileTheShownFileIsTheChosenOne) {
    Choose(200);
    ShowChart(w);
    const struct {
        const char* what;
        std::string data, shown;
        bool draws;
    } cases[] = {
        {"no file", "", "", false},
        {"another file pending", dir.File("6501d.KDT"), dir.File("1301d.KDT"), false},
        {"a view routine moving the scroll bar", "", dir.File("1301d.KDT"), false},
        {"the file shown", dir.File("1301d.KDT"), dir.File("1301d.KDT"), true},
    };
    for (const auto& c : cases) {
        w.price.ClearLog();
        w.focusCalls = 0;
        w.fields.DataFileName = c.data;
        w.fields.ShownFileName = c.shown;
        RedrawChart(w);
        EXPECT_EQ(Draws(), c.draws ? 1 : 0) << c.what;
        EXPECT_EQ(w.focusCalls, c.draws ? 1 : 0) << c.what;
    }
}

// The kind that is on is drawn again, the comparisons from their start.
TEST_F(Redraw, TheKindThatIsOnIsDrawnAgain) {
    const struct {
        int box;
        const char* drawer;
    } cases[] = {{2, "stock comparison"}, {3, "reverse watch"}, {4, "point and figure"},
                 {10, "year comparison"}, {11, "three-line break"}, {12, "three-line break"}};
    for (const auto& c : cases) {
        Choose(200);
        w.ShowKind(c.box);
        ShowChart(w);
        w.kindDraws.clear();
        w.fields.CompareRestart = 0;
        w.fields.YearCompareRestart = 0;
        w.fields.PnfBoxSize = 25;
        RedrawChart(w);
        EXPECT_EQ(w.kindDraws, (std::map<std::string, int>{{c.drawer, 1}})) << c.box;
        EXPECT_EQ(w.fields.CompareRestart, c.box == 2 ? -1 : 0) << c.box;
        EXPECT_EQ(w.fields.YearCompareRestart, c.box == 10 ? -1 : 0) << c.box;
        EXPECT_EQ(w.fields.PnfBoxSize, 25) << c.box;
    }
}

TEST_F(Redraw, ZoomSequencesStopAt55BarsAndAtTheWholeFile) {
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
            // Scrolled back, so that the bars right of the view outnumber it.
            w.fields.FirstRecord = 2;
            step.zoom(w);
            EXPECT_EQ(w.fields.ViewWidth, step.width) << c.what;
            EXPECT_EQ(w.price.ScaleWidth(), step.width) << c.what;
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
    EXPECT_TRUE(w.Item("mnu表示ボタン", 5).Enabled());
    EXPECT_TRUE(w.Item("mnu表示ボタン", 6).Enabled());
    w.fields.FirstRecord = 2;
    ZoomOut2(w);
    EXPECT_TRUE(w.buttons["拡大"]);
    EXPECT_TRUE(w.Item("mnu表示ボタン", 3).Enabled());
}

// The other kinds step by 182 too, and stop at the same narrowest view.
TEST_F(Redraw, OtherKindsZoomInNoFurtherThan385) {
    Choose(1000);
    w.ShowKind(3);
    w.fields.PartialViewWidth = 600;
    ShowPartialView(w);
    const struct {
        float width;
        int draws;
    } steps[] = {{418, 1}, {385, 1}, {385, 0}};
    for (const auto& step : steps) {
        w.kindDraws.clear();
        ZoomIn1(w);
        EXPECT_EQ(w.fields.ViewWidth, step.width);
        EXPECT_EQ(w.kindDraws["reverse watch"], step.draws) << step.width;
    }
    EXPECT_FALSE(w.buttons["拡大"]);
    ZoomIn2(w);
    EXPECT_EQ(w.fields.ViewWidth, 385);
}

TEST_F(Redraw, ZoomingOutRepaintsNothingWhenTheRestOfTheFileFits) {
    Choose(1000);
    ShowChart(w);  // the newest bars: fewer are left than the view holds
    w.price.ClearLog();
    ZoomOut2(w);
    EXPECT_EQ(w.fields.ViewWidth, 903);
    EXPECT_TRUE(w.price.Calls().empty());
    // The set-up zoom widens all the same.
    ZoomOut1(w);
    EXPECT_EQ(w.fields.ViewWidth, 1085);
    EXPECT_EQ(Draws(), 1);
}

TEST_F(Redraw, ARepaintingZoomInKeepsTheLeftEdgeAndWidensTheScrollRange) {
    Choose(1000);
    ShowChart(w);
    const int max = w.bar.maximum();
    const int first = w.fields.FirstRecord;
    w.scrollChanges.clear();
    w.price.ClearLog();
    ZoomIn2(w);
    EXPECT_EQ(w.bar.maximum(), max + 182);
    EXPECT_EQ(w.bar.value(), max);
    EXPECT_EQ(w.fields.FirstRecord, first);
    EXPECT_EQ(w.price.ScaleWidth(), 721);
    EXPECT_EQ(w.indicator.ScaleWidth(), 721);
    EXPECT_EQ(Draws(), 1);
    for (const auto& change : w.scrollChanges) EXPECT_EQ(change.dataFileName, "");

    // Daily data as monthly candles steps by 60.
    w.checks[8] = 1;
    w.fields.ViewWidth = 903;
    ZoomIn2(w);
    EXPECT_EQ(w.fields.ViewWidth, 843);
}

TEST_F(Redraw, TheScrollMaximumNeverPasses32767) {
    Choose(32766);
    ShowChart(w);
    ASSERT_EQ(w.bar.maximum(), 32767);
    const float width = w.fields.ViewWidth;
    ZoomIn2(w);
    EXPECT_EQ(w.fields.ViewWidth, width - 182);
    EXPECT_EQ(w.bar.maximum(), 32767);
}

TEST_F(Redraw, TheViewsWhileLoadingDropTheOldMonthlyFile) {
    for (void (*view)(ChartHost&) : {ShowPartialView, ShowFullView}) {
        for (bool loading : {false, true}) {
            Choose(100);
            test::WriteBytes(dir.File("Temp1m.KDT"), "x");
            w.fields.MonthlyFileName = "Temp1m.KDT";
            w.blinking = loading;
            view(w);
            EXPECT_EQ(std::filesystem::exists(dir.File("Temp1m.KDT")), !loading) << loading;
            EXPECT_EQ(w.fields.MonthlyFileName, loading ? "" : "Temp1m.KDT") << loading;
        }
    }
    EXPECT_EQ(w.fields.ViewWidth, 807);  // the full view of 100 bars
}

TEST_F(Redraw, NothingHappensWithoutAChart) {
    for (void (*routine)(ChartHost&) : {RedrawChart, ZoomIn1, ZoomIn2, ZoomOut1, ZoomOut2}) {
        w.fields.ViewWidth = 903;
        w.fields.ViewWidthMax = 2000;
        routine(w);
        EXPECT_EQ(w.fields.ViewWidth, 903);
    }
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace ranvik
