// The volume moving averages of DrawVolumePane: the lines against fresh
// averages of volume / unit, where they start, the periods and the quick
// bar, the unit, the printed page, and what the pane is left with.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/price_scale.h"
#include "chart/panes/volume_pane.h"
#include "tests/chart/drawing/polylines.h"
#include "tests/chart/panes/volume_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Polyline;

// Volumes that a wrong window length or a stale sum would show: a ramp with
// a few zero bars and a spike.
DataFileBuilder VolumeFile(int bars, float scale = 1) {
    DataFileBuilder file(bars);
    for (int r = 2; r <= bars + 1; ++r) {
        float v = static_cast<float>(1000 + 37 * r + (r % 7) * 400);
        if (r % 23 == 0) v = 0;
        if (r == 40) v = 90000;
        file[r].Volume = v * scale;
    }
    return file.Seal();
}

// The average of period n at record r, computed afresh.
double Average(DataFileBuilder& file, int r, int n, double unit) {
    double sum = 0;
    for (int j = r - n + 1; j <= r; ++j) sum += static_cast<double>(file[j].Volume / static_cast<float>(unit));
    return sum / n;
}

// The line the pass should draw: from the first full window on, a segment
// per bar whose window does not start on a zero volume.
std::vector<Polyline> ExpectedLines(DataFileBuilder& file, int first, int n, double unit, double rightEdge,
                                    bool paper = false, double paperBase = 0) {
    const int last = file.LastRecord();
    int s = first - n;
    if (s < 2) s = 2;
    auto y = [&](int r) {
        const double v = Average(file, r, n, unit);
        return paper ? paperBase - v : v;
    };
    std::vector<Polyline> lines;
    bool open = false;
    double px = 7.0 * (s + n - 1 - first) + 3;
    double py = y(s + n - 1);
    for (int r = s + n; r <= last; ++r) {
        const double x = px + 7;
        const double ny = y(r);
        if (file[r - n + 1].Volume != 0) {
            if (!open) lines.push_back({{px, py}});
            lines.back().push_back({x, ny});
            open = true;
        } else {
            open = false;
        }
        px = x;
        py = ny;
        if (x >= rightEdge) break;
    }
    return lines;
}

void ExpectSameLines(const std::vector<Polyline>& drawn, const std::vector<Polyline>& expected, const char* name) {
    ASSERT_EQ(drawn.size(), expected.size()) << name;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        ASSERT_EQ(drawn[i].size(), expected[i].size()) << name << " line " << i;
        for (std::size_t j = 0; j < drawn[i].size(); ++j) {
            EXPECT_NEAR(drawn[i][j].first, expected[i][j].first, 1e-9) << name << " line " << i << " point " << j;
            EXPECT_NEAR(drawn[i][j].second, expected[i][j].second, 1e-3 * std::max(1.0, expected[i][j].second))
                << name << " line " << i << " point " << j;
        }
    }
}

class VolumeAverages : public test::VolumeAreaTest {
protected:
    void SetUp() override {
        VolumeAreaTest::SetUp();
        w.SetItem("mnuDekidaka", 1, true);
        w.SetItem("mnuDekiIdou", 1, true);
    }
};

// From record 2 (the window is records 2..26 for 25, nothing to its left)
// and from record 40 (the first segment from x = -4 to the first candle).
TEST_F(VolumeAverages, LinesMatchFreshAveragesOfTheWindow) {
    DataFileBuilder file = VolumeFile(150);
    for (int first : {2, 40}) {
        SCOPED_TRACE(first);
        DrawChart(file, first, 903);
        w.fields.VolumeIndicatorPeriod = 10;
        DrawVolumePane(w, file1);
        const double right = 903;
        const std::vector<RecordedCall> calls = w.price.Calls();
        ExpectSameLines(test::ChainSegments(calls, QBColor(6)), ExpectedLines(file, first, 5, 1, right), "first");
        ExpectSameLines(test::ChainSegments(calls, QBColor(12)), ExpectedLines(file, first, 25, 1, right), "second");
        ExpectSameLines(test::ChainSegments(calls, QBColor(13)), ExpectedLines(file, first, 10, 1, right), "third");
        EXPECT_EQ(w.fields.VolumeAvgPeriods, (std::array<std::int16_t, 3>{5, 25, 10}));
    }
    const std::vector<Polyline> second = test::ChainSegments(w.price.Calls(), QBColor(12));
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.front().front().first, -4);
    EXPECT_EQ(second.front()[1].first, 3);
}

TEST_F(VolumeAverages, FirstLineOfAViewFromTheFirstRecordStartsAtItsFullWindow) {
    DataFileBuilder file = VolumeFile(60);
    DrawChart(file, 2);
    DrawVolumePane(w, file1);
    const std::vector<Polyline> second = test::ChainSegments(w.price.Calls(), QBColor(12));
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(second.front().front().first, 7.0 * (26 - 2) + 3);  // record 26
}

// Periods from the panel, rounded, 0 or less or no number leaving the line
// out; the third only from a stored period of 1 or more.
TEST_F(VolumeAverages, PeriodsFromThePanel) {
    struct Case {
        const char* first;
        const char* second;
        std::int16_t stored;
        std::array<std::int16_t, 3> periods;
        std::array<bool, 3> drawn;
    };
    const Case cases[] = {
        {"5", "0", 0, {5, 0, 0}, {true, false, false}},
        {"", "-3", 12, {0, 0, 12}, {false, false, true}},
        {"4.5", "6.5", 0, {4, 6, 0}, {true, true, false}},  // halves to even
        {"abc", "99999999", 3, {0, 32767, 3}, {false, false, true}},
    };
    DataFileBuilder file = VolumeFile(80);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        w.mainBoxes[32] = c.first;
        w.mainBoxes[33] = c.second;
        DrawChart(file, 30);
        w.fields.VolumeIndicatorPeriod = c.stored;
        DrawVolumePane(w, file1);
        EXPECT_EQ(w.fields.VolumeAvgPeriods, c.periods);
        const Color colors[] = {QBColor(6), QBColor(12), QBColor(13)};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(!test::ChainSegments(w.price.Calls(), colors[i]).empty(), c.drawn[static_cast<std::size_t>(i)])
                << "average " << i;
        }
    }
}

TEST_F(VolumeAverages, WeeklyDataReadsTheWeeklyBoxes) {
    DataFileBuilder file = VolumeFile(80);
    w.mainBoxes[34] = "3";
    w.mainBoxes[35] = "8";
    DrawChart(file, 30, 903, false);
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.fields.VolumeAvgPeriods, (std::array<std::int16_t, 3>{3, 8, 0}));
}

// The quick bar of the active window: caption, colour, box, its period
// text and the unit beside Text2 (Left + Width + 20, Top + 10).
TEST_F(VolumeAverages, QuickBarOfTheActiveWindowOnly) {
    DataFileBuilder file = VolumeFile(60);
    DrawChart(file, 10);
    w.mainBoxes[2] = "keep";
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.mainBoxes[2], "keep");  // no stored period: the box is left
    EXPECT_EQ(w.mainLabels[6].caption, "出来平均");
    EXPECT_EQ(w.mainLabels[6].color, QBColor(12));
    EXPECT_TRUE(w.mainBoxEnabled[2]);
    const std::vector<RecordedCall> texts = w.quickBar.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "日");
    EXPECT_EQ(texts[0].x1, 640);
    EXPECT_EQ(texts[0].y1, 295);
    EXPECT_EQ(texts[0].color, QBColor(0));

    w.fields.VolumeIndicatorPeriod = 9;
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.mainBoxes[2], "9");

    w.mainLabels.clear();
    w.mainBoxEnabled.clear();
    w.mainBoxes[2] = "keep";
    w.quickBar.ClearLog();
    w.price.ClearLog();
    Program().windows.ActiveWindowNo = 2;
    DrawVolumePane(w, file1);
    EXPECT_TRUE(w.mainLabels.empty());
    EXPECT_TRUE(w.mainBoxEnabled.empty());
    EXPECT_EQ(w.mainBoxes[2], "keep");
    EXPECT_TRUE(w.quickBar.Calls().empty());
    EXPECT_FALSE(test::ChainSegments(w.price.Calls(), QBColor(6)).empty());  // drawn all the same
}

// Unit 1000 only above 100,000,000; the scale puts 0..S in the volume area;
// afterwards the price scale (upright or inverted) and font size 9.
TEST_F(VolumeAverages, UnitScaleAndWhatIsPutBack) {
    struct Case {
        float volumeScale;
        bool inverted;
        double unit;
    };
    const Case cases[] = {{1, false, 1}, {1, true, 1}, {1500, false, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volumeScale);
        DataFileBuilder file = VolumeFile(60, c.volumeScale);
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        DrawChart(file, 2);
        const double maxVolume = w.fields.MaxVolume;
        DrawVolumePane(w, file1);
        const std::vector<RecordedCall> scales = w.price.CallsOf(Kind::Scale);
        ASSERT_EQ(scales.size(), 2u);
        EXPECT_EQ(scales[0].y1, 7 * (maxVolume / c.unit));
        EXPECT_EQ(scales[0].y2, 0);
        const ScaleCorners back = PricePaneScale(w.fields);
        EXPECT_EQ(scales[1].y1, back.y1);
        EXPECT_EQ(scales[1].y2, back.y2);
        EXPECT_EQ(w.price.FontSize(), 9);
        ExpectSameLines(test::ChainSegments(w.price.Calls(), QBColor(6)), ExpectedLines(file, 2, 5, c.unit, 903),
                        "first");
    }
}

TEST_F(VolumeAverages, NothingWithoutVolumeOrWithoutTheItem) {
    DataFileBuilder file = VolumeFile(60);
    DrawChart(file, 2);
    w.SetItem("mnuDekiIdou", 1, false);
    DrawVolumePane(w, file1);
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_TRUE(w.mainLabels.empty());

    w.SetItem("mnuDekiIdou", 1, true);
    w.fields.MaxVolume = 0;
    DrawVolumePane(w, file1);
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_EQ(w.mainLabels[6].caption, "出来平均");  // the caption still follows the item
}

// Fewer records than the period: the window never fills, nothing drawn.
TEST_F(VolumeAverages, ShortFileDrawsNothing) {
    DataFileBuilder file = VolumeFile(20);
    DrawChart(file, 2);
    DrawVolumePane(w, file1);
    EXPECT_TRUE(test::ChainSegments(w.price.Calls(), QBColor(12)).empty());
    EXPECT_FALSE(test::ChainSegments(w.price.Calls(), QBColor(6)).empty());
}

// On paper: y = VolumeAreaRatio × S − v, pen width 2, the printer's scale
// for the area and then its saved price scale again.
TEST_F(VolumeAverages, PrintedLines) {
    DataFileBuilder file = VolumeFile(150);
    DrawChart(file, 40);
    StartPrinting(1.3);
    const double s = w.fields.MaxVolume;
    DrawVolumePane(w, file1);
    const std::vector<RecordedCall> scales = w.printer.CallsOf(Kind::Scale);
    ASSERT_FALSE(scales.empty());
    EXPECT_NEAR(scales.front().y1, -0.2 * 7 * s, 1e-6);
    const std::vector<RecordedCall> lines = w.printer.CallsOf(Kind::Line);
    ASSERT_FALSE(lines.empty());
    for (const RecordedCall& l : lines) {
        EXPECT_EQ(l.state.DrawWidth, 2);
        EXPECT_NEAR(w.printer.ScaleHeight(), w.fields.SavedScaleHeight, 1e-9);
    }
    ExpectSameLines(test::ChainSegments(w.printer.Calls(), QBColor(12)),
                    ExpectedLines(file, 40, 25, 1, 903, true, 7 * s), "second");
    EXPECT_NEAR(w.printer.ScaleHeight(), w.fields.SavedScaleHeight, 1e-9);
    EXPECT_NEAR(w.printer.ScaleTop(), w.fields.SavedScaleTop, 1e-3);
    EXPECT_EQ(w.printer.DrawWidth(), 2);
    EXPECT_TRUE(w.price.CallsOf(Kind::Line).empty());  // nothing on the screen
}

// Monthly candles: periods 2 and 6, "月" on the quick bar, the monthly file
// read in place of the data file and the window's counts put back.
TEST_F(VolumeAverages, MonthlyCandles) {
    DataFileBuilder file = VolumeFile(400);
    w.checks[8] = 1;
    DrawChart(file, 200, 903);
    const std::int16_t first = w.fields.FirstRecord;
    const std::int16_t count = w.fields.RecordCount;
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.fields.VolumeAvgPeriods, (std::array<std::int16_t, 3>{2, 6, 0}));
    EXPECT_EQ(w.fields.FirstRecord, first);
    EXPECT_EQ(w.fields.RecordCount, count);
    EXPECT_TRUE(file1.IsOpen());
    EXPECT_EQ(file1.Path(), w.fields.DataFileName);
    const std::vector<RecordedCall> texts = w.quickBar.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "月");
    // Monthly points: the month starting at -MonthCutDays has its point at
    // start + w - trunc(w / 2); later ones step by half of both widths.
    ChartFile monthly;
    monthly.Open(Program().app.AppDir + w.fields.MonthlyFileName);
    const int mf = w.fields.MonthlyFirstRecord;
    auto width = [&](int r) { return static_cast<double>(monthly.Values(r).RecordNo); };
    double start = -w.fields.MonthCutDays - width(mf - 1);
    const double firstPoint = start + width(mf - 1) - std::trunc(width(mf - 1) / 2);
    const std::vector<Polyline> lines = test::ChainSegments(w.price.Calls(), QBColor(6));
    ASSERT_FALSE(lines.empty());
    EXPECT_NEAR(lines.front()[0].first, firstPoint, 1e-9);
    EXPECT_NEAR(lines.front()[1].first, firstPoint + (width(mf - 1) + width(mf)) / 2, 1e-9);
    const double average = (monthly.Values(mf - 1).Volume + monthly.Values(mf).Volume) / 2.0;
    EXPECT_NEAR(lines.front()[1].second, average, 1e-3 * average);
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

// With the split correction on, bars before the point count with their
// volume multiplied by the factor, in the warm-up as in the view.
TEST_F(VolumeAverages, SplitCorrectedVolumes) {
    DataFileBuilder file = VolumeFile(120);
    DrawChart(file, 40);
    ChartWindowState& f = w.fields;
    f.CorrectionRecord = 45;
    f.CorrectionFactor = 2;
    f.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    f.CorrectionRecords = {0, 45, 0, 0, 0, 0};
    w.menus.Item("mnuHosei", 1).SetEnabled(true);
    w.SetItem("mnuHosei", 1, true);
    DataFileBuilder corrected = file;
    for (int r = 2; r < 45; ++r) corrected[r].Volume = file[r].Volume * 2;
    DrawVolumePane(w, file1);
    ExpectSameLines(test::ChainSegments(w.price.Calls(), QBColor(12)), ExpectedLines(corrected, 40, 25, 1, 903),
                    "second");
}

}  // namespace
}  // namespace ranvik
