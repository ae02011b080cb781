// The Ichimoku overlay against values the test works out itself (window
// extremes, the rounded first value, the spans and the lagging closes):
// periods and their replacements, the line pass and the cloud pass on the
// bars and on monthly candles, lines the data cannot fill, the correction
// of the bars, and the printed overlay within the price band.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/ichimoku.h"
#include "chart/drawing/print_scale.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

struct Seg {
    double xa;
    double ya;
    double xb;
    double yb;
};

class Ichimoku : public test::PricePaneTest {
protected:
    void SetUp() override {
        PricePaneTest::SetUp();
        Check("mnu一目");
        // A pane of 8 pixels to the x unit, where every quarter step of the
        // cloud's fill has a pixel column of its own.
        w.price.Resize(903 * 8 * 15, w.price.Height());
    }

    void Pass(bool cloud) {
        w.price.ClearLog();
        w.printer.ClearLog();
        w.fields.IchimokuCloudPass = cloud ? -1 : 0;
        DrawIchimoku(w, file1);
    }

    // Bars as the overlay sees them.
    std::function<double(int)> high = [this](int r) { return static_cast<double>(bars[r].High); };
    std::function<double(int)> low = [this](int r) { return static_cast<double>(bars[r].Low); };

    // A line of period p whose first value belongs to record `first`.
    double Value(int r, int p, int first) const {
        double h = high(r);
        double l = low(r);
        for (int i = r - p + 1; i <= r; ++i) {
            h = std::max(h, high(i));
            l = std::min(l, low(i));
        }
        if (r == first) return l + std::floor(std::nearbyint(h - l) / 2);
        return (h + l) / 2;
    }

    // Bar view.
    double X(int r) const { return 7.0 * (r - w.fields.FirstRecord) + 3; }
    std::function<double(int)> x = [this](int r) { return X(r); };
    int EndOf(int from, double ahead) const {
        int r = from;
        while (r < w.fields.RecordCount && !(x(r) - ahead > 903)) ++r;
        return r;
    }

    std::vector<Seg> Drawn(const RecordingSurface& s, Color color) const {
        std::vector<Seg> segs;
        for (const RecordedCall& l : s.CallsOf(Kind::Line)) {
            if (l.color == color) segs.push_back({l.x1, l.y1, l.x2, l.y2});
        }
        return segs;
    }
    static void ExpectSegments(const std::vector<Seg>& drawn, const std::vector<Seg>& expected,
                               const std::string& what) {
        ASSERT_EQ(drawn.size(), expected.size()) << what;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_NEAR(drawn[i].xa, expected[i].xa, 1e-6) << what << " segment " << i;
            EXPECT_NEAR(drawn[i].xb, expected[i].xb, 1e-6) << what << " segment " << i;
            EXPECT_NEAR(drawn[i].ya, expected[i].ya, 0.01) << what << " segment " << i;
            EXPECT_NEAR(drawn[i].yb, expected[i].yb, 0.01) << what << " segment " << i;
        }
    }

    // Segments from record `from` + 1 to `to` of a series placed at x(r) +
    // shift, those ending left of the pane left out.
    std::vector<Seg> Segments(int from, int to, double shift, const std::function<double(int)>& v) const {
        std::vector<Seg> segs;
        for (int r = from + 1; r <= to; ++r) {
            if (x(r) + shift < 0) continue;
            segs.push_back({x(r - 1) + shift, v(r - 1), x(r) + shift, v(r)});
        }
        return segs;
    }

    struct Lines {
        int p0, p1, p2, f0, f1, f2, e0, e1, e2;
        double shift;
        std::function<double(int)> conversion, base, span1, span2, lagging;
    };
    Lines Expect(int p0, int p1, double shift, int f0, int f1, int f2) {
        Lines l{p0, p1, 2 * p1, f0, f1, f2, 0, 0, 0, shift, {}, {}, {}, {}, {}};
        l.e0 = EndOf(f0, 0);
        l.e1 = EndOf(f1, shift);
        l.e2 = EndOf(f2, 0);
        l.conversion = [this, p0, f0](int r) { return Value(r, p0, f0); };
        l.base = [this, p1, f1](int r) { return Value(r, p1, f1); };
        l.span1 = [this, p0, p1, f0, f1](int r) { return (Value(r, p0, f0) + Value(r, p1, f1)) / 2; };
        l.span2 = [this, p1, f2](int r) { return Value(r, 2 * p1, f2); };
        l.lagging = [this](int r) { return close(r); };
        return l;
    }

    // The line pass: conversion, base, the head of leading span 1 up to
    // where span 2 begins, the lagging span.
    void ExpectLinePass(const Lines& l, double back, const std::function<double(int)>& ownWidth,
                        const std::string& what) {
        ExpectSegments(Drawn(w.price, QBColor(4)), Segments(l.f0, l.e0, 0, l.conversion), what + " conversion");
        ExpectSegments(Drawn(w.price, QBColor(12)), Segments(l.f1, l.e1, 0, l.base), what + " base");
        ExpectSegments(Drawn(w.price, QBColor(9)), Segments(l.f1, std::min(l.f2, l.e1), l.shift, l.span1),
                       what + " head of span 1");
        std::vector<Seg> lagging;
        for (int r = l.f1 + 1; r <= l.e1; ++r) {
            const double xb = x(r) - back + ownWidth(r);
            if (xb < 0) continue;
            lagging.push_back({x(r - 1) - back + ownWidth(r - 1), close(r - 1), xb, close(r)});
        }
        ExpectSegments(Drawn(w.price, QBColor(3)), lagging, what + " lagging span");
        EXPECT_TRUE(Drawn(w.price, QBColor(13)).empty()) << what;
    }

    // The cloud pass: per span-2 segment where span 1 exists, the fill of
    // vertical lines every quarter unit in the colour of the spans' order,
    // then span 2 and span 1 unless the cloud is shown alone.
    void ExpectCloudPass(const Lines& l, bool cloudOnly, const std::string& what) {
        std::vector<RecordedCall> fills;
        for (const RecordedCall& c : w.price.CallsOf(Kind::Line)) {
            if (c.color == RGB(250, 220, 240) || c.color == RGB(190, 220, 250)) fills.push_back(c);
        }
        std::vector<Seg> span1;
        std::vector<Seg> span2;
        std::size_t at = 0;
        int colours[2] = {0, 0};
        for (int r = std::max(l.f2, l.f1) + 1; r <= l.e2; ++r) {
            const double xa = x(r - 1) + l.shift;
            const double xb = x(r) + l.shift;
            if (xb < 0) continue;
            const double a1 = l.span1(r - 1), b1 = l.span1(r), a2 = l.span2(r - 1), b2 = l.span2(r);
            for (double t = 0.25; t <= xb - xa; t += 0.25) {
                ASSERT_LT(at, fills.size()) << what;
                const RecordedCall& c = fills[at++];
                const double v1 = a1 + (b1 - a1) * t / (xb - xa);
                const double v2 = a2 + (b2 - a2) * t / (xb - xa);
                EXPECT_DOUBLE_EQ(c.x1, xa + t) << what;
                EXPECT_DOUBLE_EQ(c.x2, xa + t) << what;
                EXPECT_NEAR(c.y1, v1, 0.01) << what;
                EXPECT_NEAR(c.y2, v2, 0.01) << what;
                // Where the spans meet within rounding either colour will do.
                if (std::abs(v1 - v2) > 0.01) {
                    EXPECT_EQ(c.color, v1 <= v2 ? RGB(250, 220, 240) : RGB(190, 220, 250)) << what << " x " << xa + t;
                    ++colours[v1 <= v2 ? 0 : 1];
                }
            }
            span1.push_back({xa, a1, xb, b1});
            span2.push_back({xa, a2, xb, b2});
        }
        EXPECT_EQ(at, fills.size()) << what;
        EXPECT_GT(colours[0], 0) << what;
        EXPECT_GT(colours[1], 0) << what;
        if (cloudOnly) {
            span1.clear();
            span2.clear();
        }
        ExpectSegments(Drawn(w.price, QBColor(13)), span2, what + " span 2");
        ExpectSegments(Drawn(w.price, QBColor(9)), span1, what + " span 1");
        for (const Color c : {QBColor(4), QBColor(12), QBColor(3)}) EXPECT_TRUE(Drawn(w.price, c).empty()) << what;
    }
};

TEST(IchimokuValue, FirstValueHalvesARoundedRange) {
    struct Case {
        float high;
        float low;
        float value;
    };
    const Case cases[] = {
        {105, 100, 102},      // 5 \ 2 = 2
        {104.5f, 100, 102},   // 4.5 rounds to 4
        {105.5f, 100, 103},   // 5.5 rounds to 6
        {100, 100, 100},
        {90000, 10000, 50000},  // a range past the Integer range
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(IchimokuFirstValue(c.high, c.low), c.value) << c.high;
}

// The periods: the panel's pair or its defaults, the replacements of
// unusable periods, the stored pair while it stands for this kind of data,
// monthly candles, and the quick bar written by the active window only.
TEST_F(Ichimoku, Periods) {
    struct Case {
        const char* what;
        std::string conversion;
        std::string base;
        bool daily;
        std::array<std::int16_t, 2> stored;
        bool storedForThisKind;
        bool monthly;
        int active;
        int p0;
        int p1;
        bool written;
    };
    const Case cases[] = {
        {"daily boxes", "12", "30", true, {0, 0}, true, false, 1, 12, 30, true},
        {"halves to even", "2.5", "26.5", true, {0, 0}, true, false, 1, 2, 26, true},
        {"empty conversion box", "", "30", true, {0, 0}, true, false, 1, 9, 26, true},
        {"base below conversion", "30", "26", true, {0, 0}, true, false, 1, 9, 26, true},
        {"weekly defaults", "", "", false, {0, 0}, true, false, 1, 2, 5, true},
        {"weekly boxes", "3", "8", false, {0, 0}, true, false, 1, 3, 8, true},
        {"zeros", "0", "0", true, {0, 0}, true, false, 1, 9, 26, true},
        {"negatives", "-3", "-1", true, {0, 0}, true, false, 1, 9, 26, true},
        {"text", "abc", "x", true, {0, 0}, true, false, 1, 9, 26, true},
        {"past the Integer range", "40000", "50000", true, {0, 0}, true, false, 1, 9, 26, true},
        {"base whose double overflows", "20000", "20000", true, {0, 0}, true, false, 1, 9, 26, true},
        {"monthly candles", "12", "30", true, {0, 0}, true, true, 1, 2, 5, true},
        {"stored pair kept", "12", "30", true, {7, 20}, true, false, 1, 7, 20, false},
        {"stored pair of the other kind", "12", "30", true, {7, 20}, false, false, 1, 12, 30, true},
        {"stored negative", "12", "30", true, {-4, 20}, true, false, 1, 12, 30, true},
        {"background window", "12", "30", true, {0, 0}, true, false, 2, 12, 30, false},
    };
    for (const Case& c : cases) {
        w.mainBoxes = {{c.daily ? 58 : 60, c.conversion}, {c.daily ? 59 : 61, c.base}, {4, "-"}, {5, "-"}};
        if (c.conversion.empty()) w.mainBoxes.erase(c.daily ? 58 : 60);
        ChartWindowState& f = w.fields;
        f.IsDaily = c.daily ? -1 : 0;
        f.ParamsIsDaily = c.storedForThisKind ? f.IsDaily : static_cast<std::int16_t>(-1 - f.IsDaily);
        f.OverlayPeriods = {c.stored[0], c.stored[1], 0, 0};
        w.checks[8] = c.monthly ? 1 : 0;
        Program().windows.ActiveWindowNo = c.active;
        const IchimokuPeriods p = TakeIchimokuPeriods(w);
        EXPECT_EQ(p.p0, c.p0) << c.what;
        EXPECT_EQ(p.p1, c.p1) << c.what;
        EXPECT_EQ(p.p2, 2 * c.p1) << c.what;
        EXPECT_EQ(f.OverlayPeriods[0], c.p0) << c.what;
        EXPECT_EQ(f.OverlayPeriods[1], c.p1) << c.what;
        EXPECT_EQ(f.OverlayPeriods[2], 2 * c.p1) << c.what;
        EXPECT_EQ(f.ParamsIsDaily, f.IsDaily) << c.what;
        EXPECT_EQ(w.mainBoxes[4], c.written ? std::to_string(c.p0) : "-") << c.what;
        EXPECT_EQ(w.mainBoxes[5], c.written ? std::to_string(c.p1) : "-") << c.what;
        // The panel's boxes are never rewritten.
        EXPECT_EQ(w.MainBoxText(c.daily ? 59 : 61), c.base) << c.what;
    }
    w.checks[8] = 0;
}

// The line pass on the bars: from the first bar (every line starting with
// its first full window, span 1's head up to span 2's start) and from
// further in (lines starting p1 + 1 bars before the view), with and
// without the correction of the bars before a split.
// Bars that wander up and down at random (always the same), so that a
// window's highest and lowest bar leave it in every order.
DataFileBuilder Wandering(int count) {
    DataFileBuilder file(count);
    unsigned state = 4242;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return static_cast<float>((state >> 16) & 0x7fff) / 32767.0f;
    };
    float price = 1000;
    for (int r = 2; r <= count + 1; ++r) {
        price = std::max(100.0f, price + std::round((next() - 0.5f) * 40));
        QuoteRecord& bar = file[r];
        bar.Open = price;
        bar.Close = price + std::round((next() - 0.5f) * 20);
        bar.High = std::max(bar.Open, bar.Close) + std::round(next() * 15);
        bar.Low = std::min(bar.Open, bar.Close) - std::round(next() * 15);
    }
    return file.Seal();
}

TEST_F(Ichimoku, LinePass) {
    struct Case {
        const char* what;
        int firstRecord;
        bool corrected;
        bool wandering = false;
    };
    const Case cases[] = {{"from the first bar", 2, false},
                          {"from record 150", 150, false},
                          {"corrected", 150, true},
                          {"wandering bars", 150, false, true}};
    for (const Case& c : cases) {
        w.fields.OverlayPeriods = {0, 0, 0, 0};
        Check("mnuHosei", c.corrected);
        Prepare(c.wandering ? Wandering(400) : DataFileBuilder(400), c.firstRecord);
        if (c.corrected) {
            w.fields.CorrectionRecord = 200;
            w.fields.CorrectionFactor = 2;
            w.fields.CorrectionFactors[0] = 1;
        }
        const double k = c.corrected ? 2 : 1;
        high = [this, k](int r) { return bars[r].High / (r < 200 ? k : 1.0); };
        low = [this, k](int r) { return bars[r].Low / (r < 200 ? k : 1.0); };
        close = [this, k](int r) { return bars[r].Close / (r < 200 ? k : 1.0); };
        Pass(false);
        const int first = c.firstRecord;
        const Lines l = Expect(9, 26, 182, std::max(10, first - 27), std::max(27, first - 27),
                               std::max(53, first - 53));
        ExpectLinePass(l, 182, [](int) { return 7.0; }, c.what);
        if (first == 2) {
            // The first value of each line is the rounded one; span 1's head
            // runs from record 27 to 53.
            EXPECT_EQ(Drawn(w.price, QBColor(9)).size(), 26u);
            EXPECT_DOUBLE_EQ(Drawn(w.price, QBColor(4)).front().xa, X(10));
        }
        EXPECT_EQ(w.fields.SavedFirstRecord, first) << c.what;
        EXPECT_EQ(w.fields.SavedRecordCount, w.fields.RecordCount) << c.what;
    }
    Check("mnuHosei", false);
    high = [this](int r) { return static_cast<double>(bars[r].High); };
    low = [this](int r) { return static_cast<double>(bars[r].Low); };
}

// The cloud pass: the fill between the spans and the span lines over it;
// with the cloud alone only the fill.
TEST_F(Ichimoku, CloudPass) {
    for (const bool cloudOnly : {false, true}) {
        for (const int first : {2, 150}) {
            Check("mnu一目雲のみ", cloudOnly);
            w.fields.OverlayPeriods = {0, 0, 0, 0};
            Prepare(DataFileBuilder(400), first);
            Pass(true);
            const Lines l = Expect(9, 26, 182, std::max(10, first - 27), std::max(27, first - 27),
                                   std::max(53, first - 53));
            ExpectCloudPass(l, cloudOnly, std::string(cloudOnly ? "cloud only" : "cloud") + " from " +
                                              std::to_string(first));
        }
    }
}

// In a view wider than the pane has pixel columns for the quarter steps,
// each column gets one fill line, at the first quarter step within it, from
// span 1 to span 2 there; no column of the cloud is left empty.
TEST_F(Ichimoku, FillOfOneLinePerPixelColumn) {
    w.price.Resize(9000, w.price.Height());  // 600 columns for 903 units
    Prepare(DataFileBuilder(400), 150);
    Pass(true);
    const Lines l = Expect(9, 26, 182, 123, 123, 97);
    const double column = 903.0 * 15 / 9000;
    std::vector<RecordedCall> fills;
    for (const RecordedCall& c : w.price.CallsOf(Kind::Line)) {
        if (c.color == RGB(250, 220, 240) || c.color == RGB(190, 220, 250)) fills.push_back(c);
    }
    ASSERT_GT(fills.size(), 100u);
    for (std::size_t i = 0; i < fills.size(); ++i) {
        const RecordedCall& c = fills[i];
        EXPECT_EQ(c.x1, c.x2);
        EXPECT_EQ(std::fmod(c.x1 * 4, 1.0), 0.0) << c.x1;
        const double col = std::floor(c.x1 / column);
        if (i > 0) {
            EXPECT_EQ(col, std::floor(fills[i - 1].x1 / column) + 1) << c.x1;
            // The first quarter step of its column.
            EXPECT_LT(std::floor((c.x1 - 0.25) / column), col) << c.x1;
        }
        const int r = 150 + static_cast<int>(std::ceil((c.x1 - 182 - 3) / 7));
        const double t = (c.x1 - (X(r - 1) + 182)) / 7;
        EXPECT_NEAR(c.y1, l.span1(r - 1) + (l.span1(r) - l.span1(r - 1)) * t, 0.01) << c.x1;
        EXPECT_NEAR(c.y2, l.span2(r - 1) + (l.span2(r) - l.span2(r - 1)) * t, 0.01) << c.x1;
    }
    EXPECT_LE(fills.front().x1, X(124) + 182);
    EXPECT_GE(fills.back().x1, X(l.e2) + 182 - column);
}

// A file that ends inside a line's first window draws the others: 40 bars
// have no 52-bar window for span 2 (no cloud), 8 bars no window at all.
TEST_F(Ichimoku, ShortFiles) {
    struct Case {
        int bars;
        bool lines;
    };
    for (const Case c : {Case{40, true}, Case{8, false}}) {
        w.fields.OverlayPeriods = {0, 0, 0, 0};
        Prepare(DataFileBuilder(c.bars), 2);
        Pass(true);
        EXPECT_TRUE(w.price.Calls().empty()) << c.bars;
        Pass(false);
        const Lines l = Expect(9, 26, 182, 10, 27, 53);
        if (c.lines) {
            ExpectSegments(Drawn(w.price, QBColor(4)), Segments(10, w.fields.RecordCount, 0, l.conversion), "short");
            ExpectSegments(Drawn(w.price, QBColor(12)), Segments(27, w.fields.RecordCount, 0, l.base), "short");
            ExpectSegments(Drawn(w.price, QBColor(9)), Segments(27, w.fields.RecordCount, 182, l.span1), "short");
        } else {
            EXPECT_TRUE(w.price.Calls().empty());
        }
    }
}

// Monthly candles: every value at the centre of its month, the months laid
// out from -MonthCutDays at the first shown one; the leading spans shifted
// by the width of p1 months, the lagging span back by that less its own
// month.  Months of daily data (20 wide) and of weekly data (14 or 28).
// File number 1 and the counts are put back.
TEST_F(Ichimoku, MonthlyCandles) {
    for (const bool weekly : {false, true}) {
        DataFileBuilder months(80, test::Spacing::Days);
        for (int r = 2; r <= months.LastRecord(); ++r) {
            months[r].RecordNo = static_cast<std::int16_t>(weekly ? (r % 3 == 0 ? 14 : 28) : 20);
        }
        months.Seal();
        months.Header().RecordNo = static_cast<std::int16_t>(months.LastRecord());
        months.Write(dir.File("Temp1m.KDT"));
        w.fields.OverlayPeriods = {0, 0, 0, 0};
        Prepare(DataFileBuilder(300), 150);
        ChartWindowState& f = w.fields;
        f.MonthlyFileName = "Temp1m.KDT";
        f.MonthlyFirstRecord = 30;
        f.MonthlyRecordCount = static_cast<std::int16_t>(months.LastRecord());
        f.MonthCutDays = 5;
        w.checks[8] = 1;
        DataFileBuilder daily = bars;
        bars = months;
        std::vector<double> left(static_cast<std::size_t>(months.LastRecord()) + 2, 0);
        double edge = -5;
        for (int r = 30; r <= months.LastRecord(); ++r) {
            left[r] = edge;
            edge += months[r].RecordNo;
        }
        edge = -5;
        for (int r = 29; r >= 2; --r) {
            edge -= months[r].RecordNo;
            left[r] = edge;
        }
        x = [&left, &months](int r) { return left[r] + months[r].RecordNo / 2.0; };
        const double shift = [&] {
            double s = 0;
            for (int r = 20; r < 25; ++r) s += months[r].RecordNo;
            return s;
        }();
        // Fresh periods with monthly candles: 2, 5 and 10; each line's first
        // window from 5 (10) months before the first shown one.
        f.FirstRecord = 30;
        f.RecordCount = f.MonthlyRecordCount;
        const Lines l = Expect(2, 5, shift, 26, 29, 29);
        f.FirstRecord = 150;
        f.RecordCount = daily.Header().RecordNo;
        const std::string what = weekly ? "weekly months" : "daily months";
        Pass(false);
        ExpectLinePass(l, shift, [&months](int r) { return static_cast<double>(months[r].RecordNo); }, what);
        if (!weekly) {
            EXPECT_DOUBLE_EQ(Drawn(w.price, QBColor(4)).front().xb, 5) << "month 30's centre";
            EXPECT_DOUBLE_EQ(shift, 100);
        }
        Pass(true);
        ExpectCloudPass(l, false, what);
        EXPECT_EQ(f.FirstRecord, 150) << what;
        EXPECT_EQ(f.RecordCount, daily.Header().RecordNo) << what;
        EXPECT_EQ(file1.Path(), f.DataFileName) << what;
        EXPECT_TRUE(file1.IsOpen()) << what;
        w.checks[8] = 0;
        x = [this](int r) { return X(r); };
    }
}

// On paper every value is held within the clip levels, no segment lies
// along a level, and segments off the page's price area are left out.
TEST_F(Ichimoku, PrintedWithinTheBand) {
    for (const bool cloud : {true, false}) {
        w.fields.OverlayPeriods = {0, 0, 0, 0};
        Prepare(DataFileBuilder(400), 150);
        ChartWindowState& f = w.fields;
        f.ClipLevelH = 1055;
        f.ClipLevelL = 1045;
        w.price.Scale(0, 1055, 903, 1045);
        SetPrinterPriceScale(f, w.price, w.printer);
        const double limit = w.printer.ScaleWidth() + 1.7 * w.printer.ScaleLeft();
        f.PrintingNow = -1;
        Pass(cloud);
        f.PrintingNow = 0;
        EXPECT_TRUE(w.price.Calls().empty());
        const std::vector<RecordedCall> paper = w.printer.CallsOf(Kind::Line);
        ASSERT_FALSE(paper.empty()) << cloud;
        int onALevel = 0;
        for (const RecordedCall& l : paper) {
            for (const double y : {l.y1, l.y2}) {
                EXPECT_GE(y, 1045) << Describe(l);
                EXPECT_LE(y, 1055) << Describe(l);
                onALevel += y == 1045 || y == 1055 ? 1 : 0;
            }
            const bool fill = l.color == RGB(250, 220, 240) || l.color == RGB(190, 220, 250);
            if (!fill) {
                EXPECT_FALSE(l.y1 == l.y2 && (l.y1 == 1045 || l.y1 == 1055)) << Describe(l);
                EXPECT_GT(l.x2, 0) << Describe(l);
                const double right = l.color == QBColor(3) ? l.x2 - 7 : l.x2;
                if (l.color == QBColor(13) || l.color == QBColor(9)) {
                    EXPECT_LE(l.x1, limit) << Describe(l);
                } else {
                    EXPECT_LE(right, limit) << Describe(l);
                }
            }
        }
        EXPECT_GT(onALevel, 0) << cloud;
    }
}

}  // namespace
}  // namespace ranvik
