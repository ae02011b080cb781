// The price-band volume pane: bands and their edges, totals of the shown
// bars, full scale, bars, legend, the pane without volume, paper, monthly
// candles and the pane's clicks.
#include "chart/panes/price_band_volume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/runtime/number_format.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

TEST(PriceBands, WidthBaseAndTheBandOfAClose) {
    struct Case {
        double bottom, close;
        double base;
        std::int64_t band;
    };
    // Grid step 100 in 8 parts: bands of 12.5, each ending half a price unit
    // above its multiple of 12.5.
    const std::vector<Case> cases = {
        {1000, 1000, 1000, 0},     {1000, 1000.4, 1000, 0},   {1000, 1000.5, 1000, 1},
        {1000, 1012, 1000, 1},     {1000, 1012.9, 1000, 1},   {1000, 1013, 1000, 2},
        {1000, 1099, 1000, 8},     {1000, 990, 1000, 0},      {1000, 987, 1000, -1},
        {1003, 1012, 1012.5, 0},   {1003, 1013, 1012.5, 1},   {1010, 1012.5, 1012.5, 0},
        {1000, 1200, 1000, 16},
    };
    for (const Case& c : cases) {
        const PriceBands b = BandsOf(c.bottom, 1100, 100, 8);
        EXPECT_DOUBLE_EQ(b.width, 12.5);
        EXPECT_DOUBLE_EQ(b.base, c.base) << c.bottom;
        EXPECT_EQ(b.count, static_cast<int>(std::trunc((1100 - c.bottom) / 12.5)) + 1);
        EXPECT_EQ(BandIndexOf(c.close, b), c.band) << c.bottom << " " << c.close;
    }
    // No grid step yet: no bands rather than a division by nothing.
    EXPECT_EQ(BandsOf(1000, 1100, 0, 8).count, -1);
    EXPECT_DOUBLE_EQ(BandsOf(1000, 1100, 100, 0).width, 100);
}

TEST(PriceBands, FullScaleAndTradingUnit) {
    const std::vector<std::pair<double, double>> scales = {
        {2345.6, 2400}, {10000.5, 20000}, {85, 85},           {100, 100},
        {100.1, 200},   {10000, 10100},   {2000000, 3000000}, {1000000, 1010000}};
    for (const auto& [m, full] : scales) EXPECT_DOUBLE_EQ(BandFullScale(m), full) << m;
    const std::vector<std::pair<std::string, double>> units = {
        {"", 1000},        {"(100株)", 100}, {"(500株)", 1000}, {"(50株)", 100},  {"(1株)", 1},
        {"(1000株)", 1000}, {"(0株)", 1000},  {"(株)", 1000},     {"(abc株)", 1000}, {"(-100株)", 1000}};
    for (const auto& [text, u] : units) EXPECT_DOUBLE_EQ(BandVolumeUnitOf(text), u) << text;
}

struct Bar {
    float close;
    float volume;
};

class PriceBandVolumeTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ChartWindowState& f = w.fields;
        f.PriceTop = 1100;
        f.PriceBottom = 1000;
        f.PriceGridStep = 100;
        f.VolumeAreaHeight = 20;
        f.ClipLevelH = 1100;
        f.ClipLevelL = 980;
        f.BandVolumeScale = 8;
        f.StockUnitText = "(100株)";
        f.IsDaily = -1;
        w.price.Scale(0, 1100, 903, 980);
    }
    void TearDown() override {
        if (file1.IsOpen()) file1.Close();
        DrawingTest::TearDown();
    }
    static DataFileBuilder FileOf(const std::vector<Bar>& bars) {
        DataFileBuilder file(static_cast<int>(bars.size()));
        for (std::size_t i = 0; i < bars.size(); ++i) {
            QuoteRecord& r = file[static_cast<int>(i) + 2];
            r.Close = bars[i].close;
            r.Volume = bars[i].volume;
        }
        return file.Seal();
    }
    void Open(const std::vector<Bar>& bars) {
        DataFileBuilder file = FileOf(bars);
        file.Write(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = 2;
        f.RecordCount = static_cast<std::int16_t>(bars.size() + 1);
        f.MaxVolume = file.Header().Volume;
        if (file1.IsOpen()) file1.Close();
        file1.Open(f.DataFileName);
    }
    void Draw(const std::vector<Bar>& bars) {
        Open(bars);
        DrawPriceBandVolume(w, file1);
    }
    std::vector<RecordedCall> Bars() {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : w.bandVolume.CallsOf(Kind::FilledBox)) {
            if (c.color == RGB(100, 220, 100)) out.push_back(c);
        }
        return out;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const RecordedCall& c : w.bandVolume.CallsOf(Kind::Text)) out.push_back(c.text);
        return out;
    }

    ChartFile file1;
};

// Closes by band (width 12.5 from 1000): 1000 in band 0, 1012 and 1012.4 in
// band 1, 1037.6 in 3, 1038 in 4, 1099 in 8; 1200 and 950 lie outside.
const std::vector<Bar> kBars = {{1000, 3000},   {1012, 5000},   {1012.4F, 1000}, {1037.6F, 2000},
                                {1038, 4000},   {1099, 7000},   {1200, 90000},   {950, 90000}};

TEST_F(PriceBandVolumeTest, TotalsInThousandsDrawnOverTheMiddleHalfOfEachBand) {
    Draw(kBars);
    const ChartWindowState& f = w.fields;
    // Band 0 lies wholly below the pane (v = 0): no box.  m = 7 stays.
    struct Expected {
        int band;
        double total;
    };
    const std::vector<Expected> expected = {{1, 6}, {3, 2}, {4, 4}, {8, 7}};
    const std::vector<RecordedCall> bars = Bars();
    ASSERT_EQ(bars.size(), expected.size()) << w.bandVolume.Log();
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double v = expected[i].band;
        EXPECT_DOUBLE_EQ(bars[i].x1, 0);
        EXPECT_NEAR(bars[i].x2, expected[i].total, 1e-6) << v;
        EXPECT_DOUBLE_EQ(bars[i].y1, 1000 + (v - 0.75) * 12.5);
        EXPECT_DOUBLE_EQ(bars[i].y2, 1000 + (v - 0.25) * 12.5);
    }
    // The scale: 0 to m across, prices as in the price pane.
    EXPECT_DOUBLE_EQ(w.bandVolume.ScaleWidth(), 7);
    EXPECT_DOUBLE_EQ(w.bandVolume.ScaleTop(), 1100);
    EXPECT_DOUBLE_EQ(w.bandVolume.ScaleTop() + w.bandVolume.ScaleHeight(), 1000 - 20);
    // Legend: m x 1000 / 100 shares.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"←-------→", " 70", " x100株"}));
    for (const RecordedCall& t : w.bandVolume.CallsOf(Kind::Text)) EXPECT_EQ(t.color, RGB(100, 120, 200));
    EXPECT_EQ(w.toolTips[Pane::BandVolume], "クリック");
    // Laid beside the price pane, then reaching down beside the indicators.
    EXPECT_EQ(w.PaneTop(Pane::BandVolume), w.PaneTop(Pane::Price));
    EXPECT_EQ(w.PaneHeight(Pane::BandVolume), w.PaneHeight(Pane::Price) + w.PaneHeight(Pane::Indicator));
    EXPECT_EQ(f.FirstRecord, 2);
    EXPECT_EQ(f.RecordCount, 9);
}

TEST_F(PriceBandVolumeTest, GridAndBorder) {
    Draw(kBars);
    std::vector<RecordedCall> dotted;
    std::vector<RecordedCall> border;
    for (const RecordedCall& c : w.bandVolume.CallsOf(Kind::Line)) {
        if (c.color == QBColor(8) && c.state.Style == DrawStyle::Dot) dotted.push_back(c);
        if (c.color == RGB(100, 120, 200)) border.push_back(c);
    }
    // Quarters of the width 7, then the grid's multiples of 100: 1000 and 1100.
    ASSERT_EQ(dotted.size(), 5u);
    EXPECT_DOUBLE_EQ(dotted[0].x1, 1.75);
    EXPECT_DOUBLE_EQ(dotted[1].x1, 3.5);
    EXPECT_DOUBLE_EQ(dotted[2].x1, 5.25);
    EXPECT_DOUBLE_EQ(dotted[3].y1, 1000);
    EXPECT_DOUBLE_EQ(dotted[4].y1, 1100);
    ASSERT_EQ(border.size(), 2u);
    EXPECT_DOUBLE_EQ(border[0].y1, 1100);  // from ClipLevelH down
    EXPECT_DOUBLE_EQ(border[0].y2, -w.PaneHeight(Pane::BandVolume));
    EXPECT_DOUBLE_EQ(border[1].y1, 1100);  // across at PriceTop
}

TEST_F(PriceBandVolumeTest, BandZeroFullCutOrLeftOutByWhereTheBottomLies) {
    struct Case {
        double bottom;
        int boxes;
        double y1;
    };
    // A close of 1012 lies in band 0 of base 1012.5.
    const std::vector<Case> cases = {
        {1003, 1, 1003 + (0.76 - 0.75) * 12.5},  // v = 0.76: the whole middle half
        {1005, 1, 1005},                         // v = 0.6: cut at PriceBottom
        {1010, 0, 0},                            // v = 0.2: below the pane
    };
    for (const Case& c : cases) {
        w.fields.PriceBottom = c.bottom;
        w.bandVolume.ClearLog();
        Draw({{1012, 5000}});
        const std::vector<RecordedCall> bars = Bars();
        ASSERT_EQ(static_cast<int>(bars.size()), c.boxes) << c.bottom;
        if (c.boxes == 0) continue;
        const double v = (1012.5 - c.bottom) / 12.5;
        EXPECT_NEAR(bars[0].y1, c.y1, 1e-9) << c.bottom;
        EXPECT_NEAR(bars[0].y2, c.bottom + (v - 0.25) * 12.5, 1e-9) << c.bottom;
    }
}

TEST_F(PriceBandVolumeTest, OnlyTheBarsThePricePaneShows) {
    // A view 21 units wide shows three bars, the third reaching its edge.
    w.price.Scale(0, 1100, 21, 980);
    Draw({{1012, 1000}, {1012, 2000}, {1012, 4000}, {1012, 8000}});
    const std::vector<RecordedCall> bars = Bars();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_NEAR(bars[0].x2, 7, 1e-6);
}

TEST_F(PriceBandVolumeTest, SplitCorrectedClosesAndVolumes) {
    // One point on record 3: record 2's close halved and its volume doubled.
    w.SetItem("mnuHosei", 1, true);
    ChartWindowState& f = w.fields;
    f.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    f.CorrectionRecords = {0, 3, 0, 0, 0, 0};
    f.CorrectionRecord = 3;
    f.CorrectionFactor = 2;
    Draw({{2024, 1000}, {1012, 500}});
    const std::vector<RecordedCall> bars = Bars();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_NEAR(bars[0].x2, 2.5, 1e-6);
    EXPECT_DOUBLE_EQ(bars[0].y1, 1000 + 0.25 * 12.5);
}

TEST_F(PriceBandVolumeTest, WithoutVolumeANoteAndNoTip) {
    for (const bool inverted : {false, true}) {
        w.fields.InvertedChart = inverted ? -1 : 0;
        w.bandVolume.ClearLog();
        w.toolTips[Pane::BandVolume] = "x";
        Draw({{1012, 0}, {1040, 0}});
        EXPECT_TRUE(Bars().empty());
        EXPECT_EQ(Texts(), (std::vector<std::string>{" ", "出来高なし"}));
        for (const RecordedCall& t : w.bandVolume.CallsOf(Kind::Text)) {
            EXPECT_EQ(t.color, QBColor(12));
            EXPECT_DOUBLE_EQ(t.x1, 5);
        }
        EXPECT_EQ(w.toolTips[Pane::BandVolume], "");
        EXPECT_DOUBLE_EQ(w.bandVolume.ScaleWidth(), 100);
        const double top = w.bandVolume.ScaleTop();
        const double bottom = top + w.bandVolume.ScaleHeight();
        EXPECT_DOUBLE_EQ(top, inverted ? 1000 : 1100);
        EXPECT_DOUBLE_EQ(bottom, inverted ? 1100 : 980);
        bool topLine = false;
        for (const RecordedCall& c : w.bandVolume.CallsOf(Kind::Line)) {
            topLine = topLine || (c.color == QBColor(8) && c.state.Style == DrawStyle::Solid && c.y1 == 1100);
        }
        EXPECT_EQ(topLine, inverted);
    }
}

TEST_F(PriceBandVolumeTest, OnPaperOutlinesAtThePagesRightEdge) {
    w.fields.PrintingNow = -1;
    w.printer.Scale(-90, 1200, 1000, 900);
    for (const auto& [volume, width] : std::vector<std::pair<float, double>>{{2345600, 240}, {7000, 1}}) {
        w.printer.ClearLog();
        Draw({{1012, volume}});
        const double m = BandFullScale(volume / 1000.0);
        EXPECT_DOUBLE_EQ(w.printer.ScaleLeft(), 0);
        EXPECT_DOUBLE_EQ(w.printer.ScaleWidth(), width) << volume;
        const std::vector<RecordedCall> boxes = w.printer.CallsOf(Kind::Box);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].color, QBColor(9));
        EXPECT_DOUBLE_EQ(boxes[0].x1, width - 0.04 * width);
        EXPECT_NEAR(boxes[0].x2, width - 0.04 * width - volume / 1000.0 / 50, 1e-4);
        EXPECT_DOUBLE_EQ(boxes[0].y1, 1000 + 0.25 * 12.5);
        EXPECT_DOUBLE_EQ(boxes[0].y2, 1000 + 0.75 * 12.5);
        EXPECT_EQ(Bars().size(), 1u);
        EXPECT_DOUBLE_EQ(w.bandVolume.ScaleWidth(), m);
        w.bandVolume.ClearLog();
    }
}

TEST_F(PriceBandVolumeTest, MonthlyCandlesReadTheMonthlyFileByTheMonthsWidths) {
    // The data file's bars would all count; the monthly file's months are
    // 20 units wide, so a view of 50 shows three of them.
    Open({{1040, 90000}, {1040, 90000}});
    DataFileBuilder months = FileOf({{1012, 1000}, {1012, 2000}, {1012, 4000}, {1012, 8000}});
    for (int r = 2; r <= months.LastRecord(); ++r) months[r].RecordNo = 20;
    months.Write(dir.File("Temp1m.KDT"));
    ChartWindowState& f = w.fields;
    f.MonthlyFileName = "Temp1m.KDT";
    f.MonthlyFirstRecord = 2;
    f.MonthlyRecordCount = 5;
    w.checks[8] = 1;
    w.price.Scale(0, 1100, 50, 980);
    DrawPriceBandVolume(w, file1);
    const std::vector<RecordedCall> bars = Bars();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_NEAR(bars[0].x2, 7, 1e-6);
    EXPECT_EQ(f.FirstRecord, 2);
    EXPECT_EQ(f.RecordCount, 3);
    ASSERT_TRUE(file1.IsOpen());
    EXPECT_EQ(file1.Path(), f.DataFileName);
}

class BandVolumeClickTest : public PriceBandVolumeTest {
protected:
    void SetUp() override {
        PriceBandVolumeTest::SetUp();
        Open(kBars);
        file1.Close();
    }
    std::vector<RecordedCall> CrossLines() {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : w.bandVolume.CallsOf(Kind::Line)) {
            if (c.state.Mode == DrawMode::Xor) out.push_back(c);
        }
        return out;
    }
};

TEST_F(BandVolumeClickTest, LeftDoublesUpTo16AndRightHalvesDownTo1) {
    struct Case {
        int scale, button, after;
    };
    const std::vector<Case> cases = {{8, 1, 16}, {16, 1, 16}, {8, 2, 4}, {1, 2, 1}, {2, 2, 1}, {8, 4, 8}};
    for (const Case& c : cases) {
        w.fields.BandVolumeScale = static_cast<std::int16_t>(c.scale);
        w.bandVolume.ClearLog();
        const int focus = w.focusCalls;
        BandVolumeMouseUp(w, c.button, 1050);
        EXPECT_EQ(w.fields.BandVolumeScale, c.after) << c.scale << " " << c.button;
        // Drawn again with bands of PriceGridStep / the new scale.
        ASSERT_FALSE(Bars().empty());
        EXPECT_DOUBLE_EQ(Bars()[0].y2 - Bars()[0].y1, 0.5 * 100 / c.after);
        EXPECT_EQ(w.focusCalls, focus + 1);
    }
}

TEST_F(BandVolumeClickTest, NothingWithoutAStockOrWithoutVolume) {
    for (const bool noFile : {true, false}) {
        w.fields.BandVolumeScale = 8;
        w.fields.DataFileName = noFile ? "" : w.fields.DataFileName;
        if (!noFile) w.fields.MaxVolume = 0;
        BandVolumeMouseUp(w, 1, 1050);
        EXPECT_EQ(w.fields.BandVolumeScale, 8);
        EXPECT_TRUE(w.bandVolume.Calls().empty());
        EXPECT_EQ(w.focusCalls, 0);
        w.fields.DataFileName = dir.File("1301d.KDT");
    }
}

TEST_F(BandVolumeClickTest, TheCrosshairLineIsDrawnAgainWithinTheClipLevels) {
    struct Case {
        bool crosshair;
        double y;
        bool line;
    };
    const std::vector<Case> cases = {
        {true, 1050, true}, {true, 980, true}, {true, 1100, true}, {true, 979, false}, {true, 1101, false},
        {false, 1050, false}};
    for (const Case& c : cases) {
        w.SetItem("mnuMisc", 0, c.crosshair);
        w.bandVolume.ClearLog();
        BandVolumeMouseUp(w, 1, c.y);
        const std::vector<RecordedCall> lines = CrossLines();
        ASSERT_EQ(lines.size(), c.line ? 1u : 0u) << c.y;
        if (c.line) {
            EXPECT_EQ(lines[0].color, QBColor(7));
            EXPECT_DOUBLE_EQ(lines[0].x1, 0);
            EXPECT_DOUBLE_EQ(lines[0].x2, w.bandVolume.ScaleWidth());
            EXPECT_DOUBLE_EQ(lines[0].y1, c.y);
        }
        EXPECT_EQ(w.bandVolume.DrawMode(), DrawMode::Copy);
    }
}

}  // namespace
}  // namespace ranvik::test
