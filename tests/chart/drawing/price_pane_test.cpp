// The overlay pass of the price pane: when it draws, its periods and their
// write-backs, the moving-average and trading-value lines against averages
// the test sums afresh, the monthly file and counts put back, and the
// printed lines held within the price band.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/drawing/monthly_file.h"
#include "chart/drawing/print_scale.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Polyline;

class PricePane : public test::PricePaneTest {
protected:
    void AverageBoxes(const std::string& a, const std::string& b, const std::string& c) {
        w.mainBoxes[20] = a;
        w.mainBoxes[21] = b;
        w.mainBoxes[22] = c;
    }
};

// Three lines from the boxes in grey, red and magenta; a quick-bar period
// adds a cyan fourth; an empty box leaves its line out; a stock with too
// little history starts each line at the first bar whose window is full.
TEST_F(PricePane, MovingAverageLines) {
    struct Line {
        Color color;
        int period;
    };
    struct Case {
        const char* what;
        const char* boxes[3];
        std::int16_t quickBar;
        int first;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"boxes 5 25 75", {"5", "25", "75"}, 0, 150, {{QBColor(8), 5}, {QBColor(12), 25}, {QBColor(13), 75}}},
        {"quick bar 100",
         {"5", "25", "75"},
         100,
         150,
         {{QBColor(8), 5}, {QBColor(12), 25}, {QBColor(13), 75}, {QBColor(3), 100}}},
        {"box 2 empty", {"5", "", "75"}, 0, 150, {{QBColor(8), 5}, {QBColor(13), 75}}},
        {"short history", {"5", "25", "75"}, 0, 10, {{QBColor(8), 5}, {QBColor(12), 25}, {QBColor(13), 75}}},
    };
    for (const Case& c : cases) {
        AverageBoxes(c.boxes[0], c.boxes[1], c.boxes[2]);
        w.fields.BandPeriod = c.quickBar;
        Check("mnuIdouHeikin");
        Prepare(DataFileBuilder(300), c.first);
        Draw();
        for (const Color color : {QBColor(8), QBColor(12), QBColor(13), QBColor(3)}) {
            const auto drawn = test::ChainSegments(w.price.Calls(), color);
            const auto it = std::find_if(c.lines.begin(), c.lines.end(), [&](const Line& l) { return l.color == color; });
            if (it == c.lines.end()) {
                EXPECT_TRUE(drawn.empty()) << c.what;
                continue;
            }
            ASSERT_EQ(drawn.size(), 1u) << c.what << " period " << it->period;
            const int p = it->period;
            ExpectLine(drawn[0], Expected(p, [&](int r) { return Mean(r, p, close); }), 0.01,
                       std::string(c.what) + " period " + std::to_string(p));
        }
        EXPECT_TRUE(w.indicator.Calls().empty()) << c.what;
        EXPECT_EQ(w.fields.OverlayPeriods[3], c.quickBar) << c.what;
    }
}

// Closes before a split point enter the window divided by its factor, so the
// average runs on without a jump across the point.
TEST_F(PricePane, SplitPointInsideTheWindow) {
    AverageBoxes("25", "", "");
    Check("mnuIdouHeikin");
    Check("mnuHosei");
    ChartWindowState& f = w.fields;
    f.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    f.CorrectionRecords = {0, 160, 0, 0, 0, 0};
    f.CorrectionRecord = 160;
    f.CorrectionFactor = 2;
    DataFileBuilder file(300);
    for (int r = 2; r < 160; ++r) file[r].Close = file[r].Close * 2;
    Prepare(file, 150);
    Draw();
    const auto drawn = test::ChainSegments(w.price.Calls(), QBColor(8));
    ASSERT_EQ(drawn.size(), 1u);
    auto corrected = [&](int r) { return r < 160 ? bars[r].Close / 2.0 : static_cast<double>(bars[r].Close); };
    ExpectLine(drawn[0], Expected(25, [&](int r) { return Mean(r, 25, corrected); }), 0.01, "corrected");
}

// A file shorter than a period misses that line; the others are drawn.
TEST_F(PricePane, FileShorterThanAPeriod) {
    AverageBoxes("5", "25", "75");
    Check("mnuIdouHeikin");
    Prepare(DataFileBuilder(60), 2);
    Draw();
    EXPECT_EQ(test::ChainSegments(w.price.Calls(), QBColor(8)).size(), 1u);
    EXPECT_EQ(test::ChainSegments(w.price.Calls(), QBColor(12)).size(), 1u);
    EXPECT_TRUE(test::ChainSegments(w.price.Calls(), QBColor(13)).empty());
}

// Nothing to draw: no surface is touched and the periods stay.  The
// trading-value average over a view without volume returns at once even
// with a deviation item checked.
TEST_F(PricePane, NothingToDraw) {
    Prepare(DataFileBuilder(100), 50);
    w.fields.OverlayPeriods = {5, 25, 75, 0};
    Draw();
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_TRUE(w.indicator.Calls().empty());
    EXPECT_EQ(w.fields.OverlayPeriods[0], 5);

    Check("mnuBBdaikin");
    Check("mnuKairiRitsu");
    AverageBoxes("5", "25", "75");
    w.fields.MaxVolume = 0;
    Draw();
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_TRUE(w.indicator.Calls().empty());
}

// Σ volume × close / Σ volume per window; bars without volume give 0 and
// leave a gap on the screen.
TEST_F(PricePane, TradingValueAverage) {
    AverageBoxes("5", "", "");
    Check("mnuBBdaikin");
    DataFileBuilder file(300);
    for (int r = 2; r <= 300; ++r) file[r].Volume = static_cast<float>(1000 + 37 * (r % 11));
    for (int r = 160; r <= 170; ++r) file[r].Volume = 0;
    Prepare(file.Seal(), 150);
    Draw();
    auto value = [&](int r) {
        double sv = 0;
        double v = 0;
        for (int i = r - 4; i <= r; ++i) {
            sv += static_cast<double>(bars[i].Volume) * bars[i].Close;
            v += bars[i].Volume;
        }
        return v == 0 ? 0.0 : sv / v;
    };
    std::vector<Polyline> expected;
    const Polyline points = Expected(5, value);
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1].second == 0 || points[i].second == 0) continue;
        if (expected.empty() || expected.back().back() != points[i - 1]) expected.push_back({points[i - 1]});
        expected.back().push_back(points[i]);
    }
    const auto drawn = test::ChainSegments(w.price.Calls(), QBColor(8), 0.01);
    ASSERT_EQ(drawn.size(), 2u);
    ASSERT_EQ(expected.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) ExpectLine(drawn[i], expected[i], 0.01, "stretch " + std::to_string(i));
}

// The periods of 陰陽足, the three-day average and the bands: the quick
// bar's period while it stands for this kind of data, else the box, with a
// default written back for a box of 0 or less, no number, or a number
// beyond the Integer range.
TEST_F(PricePane, PeriodsAndWriteBacks) {
    struct Case {
        const char* what;
        const char* item;
        bool daily;
        int box;
        const char* text;
        std::int16_t quickBar;
        bool sameKind;
        std::int16_t period;   // BandPeriod afterwards
        const char* boxAfter;
        const char* text4;
    };
    const Case cases[] = {
        {"陰陽足 0", "mnu陰陽足", true, 66, "0", 0, true, 3, "3", "3"},
        {"陰陽足 weekly -2", "mnu陰陽足", false, 67, "-2", 0, true, 5, "5", "5"},
        {"陰陽足 quick bar", "mnu陰陽足", true, 66, "4", 6, true, 6, "4", "6"},
        {"陰陽足 other kind", "mnu陰陽足", true, 66, "4", 6, false, 4, "4", "4"},
        {"陰陽足 huge", "mnu陰陽足", true, 66, "99999", 0, true, 3, "3", "3"},
        {"三日 text", "mnu3Days", true, 79, "abc", 0, true, 3, "3", "3"},
        {"三日 weekly", "mnu3Days", false, 80, "4", 0, true, 4, "4", "4"},
        {"Bollinger 0", "mnuボリンジャ", true, 68, "0", 0, true, 25, "25", "25"},
        {"HL -3", "mnuHLband", true, 54, "-3", 0, true, 25, "25", "25"},
        {"envelope weekly empty", "mnuEnvelope", false, 38, "", 0, true, 13, "13", "13"},
        {"Bollinger 0.4", "mnuボリンジャ", true, 68, "0.4", 0, true, 0, "0.4", "0.4"},
        {"Bollinger 26.5", "mnuボリンジャ", true, 68, "26.5", 0, true, 26, "26.5", "26.5"},
        {"Bollinger huge", "mnuボリンジャ", true, 68, "1e6", 0, true, 25, "25", "25"},
        {"Bollinger quick bar", "mnuボリンジャ", true, 68, "10", 30, true, 30, "10", "30"},
        {"Bollinger other kind", "mnuボリンジャ", true, 68, "10", 30, false, 10, "10", "10"},
    };
    for (const Case& c : cases) {
        for (const char* item : {"mnu陰陽足", "mnu3Days", "mnuボリンジャ", "mnuHLband", "mnuEnvelope"}) {
            Check(item, std::string(item) == c.item);
        }
        w.mainBoxes.clear();
        w.mainBoxes[c.box] = c.text;
        w.fields.BandPeriod = c.quickBar;
        Prepare(DataFileBuilder(200), 100, 903, c.daily);
        if (!c.sameKind) w.fields.ParamsIsDaily = static_cast<std::int16_t>(c.daily ? 0 : -1);
        Draw();
        const bool band = c.box < 60 || c.box == 68;
        EXPECT_EQ(w.fields.BandPeriod, c.period) << c.what;
        EXPECT_EQ(w.fields.OverlayPeriods[band ? 2 : 3], c.period) << c.what;
        EXPECT_EQ(w.mainBoxes[c.box], c.boxAfter) << c.what;
        EXPECT_EQ(w.mainBoxes[4], c.text4) << c.what;
        if (c.period == 0) {
            EXPECT_TRUE(w.price.Calls().empty()) << c.what;
        }
    }
}

// Monthly candles: the monthly file's records and slot widths place the
// line at the centre of each month's slot, also when the warm-up has to
// start at record 2 (x0 from the widths); file number 1, FirstRecord and
// RecordCount are the data file's again afterwards.
TEST_F(PricePane, MonthlyCandles) {
    struct Case {
        const char* what;
        bool daily;
        int firstMonth;
        const char* period;
    };
    const Case cases[] = {
        {"daily", true, 5, "2"},
        {"weekly", false, 8, "3"},
        {"weekly, short history", false, 3, "4"},
    };
    for (const Case& c : cases) {
        w.mainBoxes = {{75, c.period}};
        Check("mnuIdouHeikin");
        w.checks[8] = 0;
        w.fields.MonthlyFileName.clear();
        // Weekly data from the 20th: a first month of two weeks, 14 units wide.
        const DataFileBuilder file = c.daily ? DataFileBuilder(300) : DataFileBuilder(300, test::Spacing::Weeks, {2020, 1, 20});
        Prepare(file, 100, 903, c.daily);
        MakeMonthlyFile(w, file1);
        ChartFile monthly;
        monthly.Open(Program().app.AppDir + w.fields.MonthlyFileName);
        const int count = monthly.ReadHeader()->RecordNo;
        std::vector<double> closes(static_cast<std::size_t>(count) + 1, 0);
        std::vector<double> widths(static_cast<std::size_t>(count) + 1, 0);
        for (int r = 2; r <= count; ++r) {
            closes[static_cast<std::size_t>(r)] = monthly.Values(r).Close;
            widths[static_cast<std::size_t>(r)] = monthly.Values(r).RecordNo;
        }
        if (!c.daily) {
            ASSERT_EQ(widths[2], 14);
        }
        ChartWindowState& f = w.fields;
        f.MonthlyFirstRecord = static_cast<std::int16_t>(c.firstMonth);
        f.MonthlyRecordCount = static_cast<std::int16_t>(count);
        f.MonthCutDays = 3;
        w.checks[8] = 1;
        const std::int16_t first = f.FirstRecord;
        const std::int16_t records = f.RecordCount;
        Draw();
        EXPECT_EQ(f.FirstRecord, first) << c.what;
        EXPECT_EQ(f.RecordCount, records) << c.what;
        EXPECT_EQ(file1.Path(), f.DataFileName) << c.what;
        // The slot of the first shown month starts MonthCutDays left of 0.
        auto centre = [&](int r) {
            double x = -f.MonthCutDays;
            for (int i = c.firstMonth; i < r; ++i) x += widths[static_cast<std::size_t>(i)];
            for (int i = r; i < c.firstMonth; ++i) x -= widths[static_cast<std::size_t>(i)];
            return x + widths[static_cast<std::size_t>(r)] / 2;
        };
        const int p = std::stoi(c.period);
        test::Polyline expected;
        for (int r = std::max(c.firstMonth - 1, p + 1); r <= count; ++r) {
            double sum = 0;
            for (int i = r - p + 1; i <= r; ++i) sum += closes[static_cast<std::size_t>(i)];
            expected.push_back({centre(r), sum / p});
            if (expected.size() > 1 && centre(r) > 903) break;
        }
        const auto drawn = test::ChainSegments(w.price.Calls(), QBColor(8));
        ASSERT_EQ(drawn.size(), 1u) << c.what;
        ExpectLine(drawn[0], expected, 0.01, c.what);
    }
}

// 陰陽足 with monthly candles: the daily box is read and replaced first, then
// the monthly box's value is taken as it is.
TEST_F(PricePane, MonthlyInYoPeriod) {
    w.mainBoxes = {{66, "0"}, {78, "7"}};
    Check("mnu陰陽足");
    Prepare(DataFileBuilder(300), 100);
    MakeMonthlyFile(w, file1);
    w.fields.MonthlyFirstRecord = 8;
    w.fields.MonthlyRecordCount = 15;
    w.checks[8] = 1;
    Draw();
    EXPECT_EQ(w.mainBoxes[66], "3");
    EXPECT_EQ(w.mainBoxes[78], "7");
    EXPECT_EQ(w.fields.BandPeriod, 7);
    EXPECT_EQ(w.mainBoxes[4], "7");
}

// On paper the lines stay within the price band: every end between the clip
// levels, no stretch along a level, and what lies inside is the screen's
// line; the printer's vertical scale is the price area's after each bar.
TEST_F(PricePane, PrintedLinesKeepWithinTheBand) {
    AverageBoxes("5", "25", "");
    Check("mnuIdouHeikin");
    Prepare(DataFileBuilder(300), 150);
    Draw();
    const std::vector<RecordedCall> screen = Of(w.price, Kind::Line);
    ChartWindowState& f = w.fields;
    f.ClipLevelH = 1060;
    f.ClipLevelL = 1040;
    SetPrinterPriceScale(f, w.price, w.printer);
    f.PrintingNow = -1;
    Draw();
    EXPECT_TRUE(w.price.Calls().empty());
    const std::vector<RecordedCall> paper = Of(w.printer, Kind::Line);
    ASSERT_FALSE(paper.empty());
    int inside = 0;
    for (const RecordedCall& l : paper) {
        for (const double y : {l.y1, l.y2}) {
            EXPECT_GE(y, 1040);
            EXPECT_LE(y, 1060);
        }
        EXPECT_FALSE(l.y1 == l.y2 && (l.y1 == 1060 || l.y1 == 1040)) << Describe(l);
    }
    for (const RecordedCall& s : screen) {
        const bool within = s.y1 > 1040 && s.y1 < 1060 && s.y2 > 1040 && s.y2 < 1060;
        if (!within) continue;
        ++inside;
        const bool found = std::any_of(paper.begin(), paper.end(), [&](const RecordedCall& l) {
            return l.x1 == s.x1 && l.x2 == s.x2 && l.y1 == s.y1 && l.y2 == s.y2 && l.color == s.color;
        });
        EXPECT_TRUE(found) << Describe(s);
    }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(w.printer.ScaleHeight(), f.SavedScaleHeight);
    EXPECT_EQ(w.printer.ScaleTop(), static_cast<double>(f.SavedScaleTop));
}

}  // namespace
}  // namespace ranvik
