// The candlestick chart drawer: price grid and labels, caption, date marks,
// candles, the volume area per bar, the labels after the pass, and panes of
// no size.
#include "chart/drawing/candle_chart.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>
#include <string>
#include <vector>

#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "tests/chart/drawing/drawing_fixture.h"
#include "tests/chart/drawing/polylines.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

const Color kGrey = RGB(150, 150, 150);

class CandleChart : public test::DrawingTest {
protected:
    // Draws the whole file (or the bars that fit) from record 2 with a new
    // price scale, daily unless `daily` is false.
    void Draw(const DataFileBuilder& file, float viewWidth = 903, bool daily = true) {
        file.Write(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        DataFileBuilder copy = file;
        const QuoteRecord& h = copy.Header();
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = 2;
        f.RecordCount = h.RecordNo;
        f.ViewWidth = viewWidth;
        f.ViewHigh = 0;
        f.IsDaily = daily ? -1 : 0;
        f.PeriodUnit = daily ? "日" : "週";
        f.FileHigh = h.High;
        f.FileLow = h.Low;
        f.FileMaxVolume = h.Volume;
        w.price.Scale(0, 1, viewWidth, 0);
        w.indicator.Scale(0, 1, viewWidth, 0);
        w.price.ClearLog();
        w.indicator.ClearLog();
        ChartFile file1;
        file1.Open(f.DataFileName);
        DrawCandleChart(w, file1);
    }
    std::vector<RecordedCall> Price(Kind kind) const { return w.price.CallsOf(kind); }
    double U() const { return (w.fields.PriceTop - w.fields.PriceBottom) / w.price.Height() * 100; }
};

// Grid values, line styles, label texts and places for a few pane heights;
// a pane below 1000 twips draws every second line of the normal step.
TEST_F(CandleChart, PriceGridAndLabels) {
    struct Case {
        double height;
        bool inverted;
    };
    for (const Case c : {Case{4000, false}, Case{2500, false}, Case{900, false}, Case{4000, true}}) {
        const std::string what = "height " + std::to_string(c.height) + (c.inverted ? " inverted" : "");
        w.price.Resize(9000, c.height);
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        Draw(DataFileBuilder(15));
        const ChartWindowState& f = w.fields;
        const double step = f.PriceGridStep * (c.height < 1000 ? 2.0 : 1.0);
        const double sw = w.price.ScaleWidth();
        const double perTwip = sw / 9000;
        const float t = static_cast<float>(U()) * (c.inverted ? -1.0f : 1.0f);
        std::vector<RecordedCall> grid;
        for (const RecordedCall& l : Price(Kind::Line)) {
            if (l.color == kGrey && l.y1 == l.y2 && l.x1 > 0) grid.push_back(l);
        }
        const std::vector<RecordedCall> texts = Price(Kind::Text);
        ASSERT_EQ(texts.size(), 2 * grid.size()) << what;
        double y = std::ceil(f.PriceBottom / step) * step;
        ASSERT_GT(grid.size(), 2u) << what;
        for (std::size_t i = 0; i < grid.size(); ++i, y += step) {
            const std::string text = FormatNumber(y, f.AxisFormat);
            double wdt = RoundHalfEven(perTwip * 100 * static_cast<double>(text.size()));
            if (text.size() <= 3) wdt = RoundHalfEven(perTwip * 20 + wdt);
            EXPECT_NEAR(grid[i].y1, y, 1e-3) << what << " line " << i;
            EXPECT_EQ(grid[i].x1, wdt) << what;
            EXPECT_EQ(grid[i].x2, sw - wdt) << what;
            EXPECT_EQ(grid[i].state.Style, i % 3 == 2 ? DrawStyle::Solid : DrawStyle::Dot) << what << " line " << i;
            EXPECT_EQ(texts[2 * i].text, text) << what;
            EXPECT_EQ(texts[2 * i].x1, 0) << what;
            EXPECT_NEAR(texts[2 * i].y1, grid[i].y1 + t, 1e-3) << what;
            EXPECT_EQ(texts[2 * i + 1].x1, sw - wdt) << what;
            EXPECT_EQ(texts[2 * i].state.ForeColor, RGB(50, 100, 150)) << what;
            EXPECT_EQ(texts[2 * i].state.FontSize, 10) << what;
        }
        EXPECT_GT(y, f.PriceTop - 1e-3) << what;
        EXPECT_LE(y - step, f.PriceTop + 1e-3) << what;
    }
}

// With the correction on, the fixed volume scale and the highlighted bar
// come from the largest corrected volume, not the stored maximum.
TEST_F(CandleChart, FixedVolumeScaleWithCorrectionUsesCorrectedVolumes) {
    DataFileBuilder file(6);
    file[3].Volume = 30000;  // 60000 once corrected
    file[6].Volume = 50000;  // the stored maximum
    file.Point(5, "2").HeaderPoint(5, "2");
    file.Seal();
    file.Write(dir.File("1301d.KDT"));
    w.SetItem("mnuFuncExItem", 2, true);
    w.SetItem("mnuDekidaka", 1, true);
    w.fields.DataFileName = dir.File("1301d.KDT");
    w.fields.StockSource = 1;
    ShowChart(w);
    ASSERT_TRUE(w.Item("mnuHosei", 1).Checked());
    ASSERT_EQ(w.fields.FirstRecord, 2);
    EXPECT_EQ(w.fields.MaxVolume, 60000);
    std::vector<RecordedCall> highlighted;
    for (const RecordedCall& c : Price(Kind::FilledBox)) {
        if (c.color == QBColor(2)) highlighted.push_back(c);
    }
    ASSERT_EQ(highlighted.size(), 1u);
    EXPECT_EQ(highlighted[0].x1, 7 + 1);
    EXPECT_EQ(highlighted[0].y2, 60000);
}

// The sub-pane of the three-day candles: a band of one price span between
// the prices and a volume area twice as high, its own boundary line and a
// third copy of each label, upright and inverted.
TEST_F(CandleChart, SubPaneScaleAndLabels) {
    w.SetItem("mnu3Days", 1, true);
    for (bool inverted : {false, true}) {
        w.fields.InvertedChart = inverted ? -1 : 0;
        Draw(DataFileBuilder(15));
        const ChartWindowState& f = w.fields;
        const double span = f.PriceTop - f.PriceBottom;
        EXPECT_EQ(f.PriceSpan, static_cast<float>(span));
        EXPECT_EQ(f.VolumeAreaHeight, static_cast<float>(2 * span / (f.VolumeAreaRatio - 1)));
        const double far = inverted ? f.PriceTop + f.PriceSpan + f.VolumeAreaHeight
                                    : f.PriceBottom - f.PriceSpan - f.VolumeAreaHeight;
        EXPECT_EQ(w.price.ScaleTop(), inverted ? f.PriceBottom : f.PriceTop);
        EXPECT_DOUBLE_EQ(w.price.ScaleTop() + w.price.ScaleHeight(), far);
        EXPECT_EQ(inverted ? f.ClipLevelH : f.ClipLevelL, inverted ? far : static_cast<float>(far));
        const double band = inverted ? f.PriceTop + f.PriceSpan : f.PriceBottom - f.PriceSpan;
        bool boundary = false;
        std::size_t gridLines = 0;
        for (const RecordedCall& l : Price(Kind::Line)) {
            boundary = boundary || (l.x1 == 0 && l.y1 == band && l.y2 == band && l.color == kGrey);
            if (l.color == kGrey && l.y1 == l.y2 && l.x1 > 0) ++gridLines;
        }
        EXPECT_TRUE(boundary);
        const std::vector<RecordedCall> texts = Price(Kind::Text);
        ASSERT_EQ(texts.size(), 3 * gridLines);
        const float t = static_cast<float>(U()) * (inverted ? -2.0f : 2.0f);
        EXPECT_NEAR(texts[2].y1 - texts[1].y1, inverted ? f.PriceSpan : -f.PriceSpan, 1e-3);
        EXPECT_NEAR(texts[0].y1 - t, std::ceil(f.PriceBottom / f.PriceGridStep) * f.PriceGridStep, 1e-3);
    }
}

// With monthly candles the monthly file is made once, the first shown month
// is found in it and the days of that month before the first shown record
// are counted; file number 1 is the data file again afterwards.
TEST_F(CandleChart, MonthlyPreparation) {
    // Weekdays from 6 January 2020: January is records 2 to 21, February
    // 22 to 41.
    DataFileBuilder file(60);
    file.Write(dir.File("1301d.KDT"));
    w.checks[8] = 1;
    struct Case {
        int firstRecord;
        int monthlyFirst;
        int cutDays;
    };
    for (const Case c : {Case{30, 3, 8}, Case{22, 3, 0}, Case{2, 2, 0}, Case{21, 2, 19}}) {
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = static_cast<std::int16_t>(c.firstRecord);
        f.RecordCount = 61;
        f.ViewWidth = 300;
        f.ViewHigh = 0;
        f.IsDaily = -1;
        w.price.Scale(0, 1, 300, 0);
        ChartFile file1;
        file1.Open(f.DataFileName);
        DrawCandleChart(w, file1);
        EXPECT_EQ(f.MonthlyFileName, "Temp1m.KDT");
        EXPECT_EQ(f.MonthlyRecordCount, 4) << c.firstRecord;
        EXPECT_EQ(f.MonthlyFirstRecord, c.monthlyFirst) << c.firstRecord;
        EXPECT_EQ(f.MonthCutDays, c.cutDays) << c.firstRecord;
        EXPECT_EQ(f.FirstRecord, c.firstRecord);
        EXPECT_EQ(f.RecordCount, 61);
        EXPECT_EQ(file1.Path(), f.DataFileName);
        EXPECT_EQ(w.windowCaption, "月足");
    }
}

TEST_F(CandleChart, CaptionNamesPeriodAndOverlays) {
    struct Case {
        std::vector<std::pair<const char*, int>> items;
        bool daily;
        const char* caption;
    };
    const std::vector<Case> cases = {
        {{}, true, "日足"},
        {{}, false, "週足"},
        // Only the first of the nine named overlays counts.
        {{{"mnuIdouHeikin", 1}, {"mnu一目", 1}, {"mnuPibott", 1}}, true, "日足 + 移動平均"},
        {{{"mnuPibott", 1}, {"mnu3Days", 1}}, true, "日足 + 三日平均"},
        {{{"mnuHLband", 1}, {"mnuParabolic", 1}}, true, "日足 + ＨＬﾊﾞﾝﾄﾞ + ﾊﾟﾗﾎﾞﾘｯｸﾀｲﾑﾌﾟﾗｲｽ"},
        {{{"mnuIdouHeikin", 1}, {"mnuParabolic", 1}, {"mnu線形回帰", 1}, {"mnuKagiAshi", 1}},
         true,
         "日足 + 移動平均 + ﾊﾟﾗﾎﾞﾘｯｸﾀｲﾑﾌﾟﾗｲｽ + 線形回帰ﾄﾚﾝﾄﾞ + 時系列ｶｷﾞ足"},
        {{{"mnuKagiAshi", 2}}, false, "週足 + 非時系列ｶｷﾞ足"},
        {{{"mnuKagiAshi", 1}, {"mnuKagiAshi", 2}}, true, "日足 + 時系列ｶｷﾞ足"},
        {{{"mnuBBdaikin", 1}, {"mnuEnvelope", 1}}, true, "日足 + ｴﾝﾍﾞﾛｰﾌﾟ"},
    };
    for (const Case& c : cases) {
        for (const auto& [item, index] : c.items) w.SetItem(item, index, true);
        Draw(DataFileBuilder(20, c.daily ? Spacing::Weekdays : Spacing::Weeks), 903, c.daily);
        EXPECT_EQ(w.windowCaption, c.caption);
        for (const auto& [item, index] : c.items) w.SetItem(item, index, false);
    }
}

// Bodies and wicks: upright a rising bar is hollow, inverted a falling one;
// the file's high or low turns a candle red; bars before the correction
// point are 50 lighter.
TEST_F(CandleChart, CandlesUprightAndInverted) {
    DataFileBuilder file(4);
    auto set = [&](int r, float o, float h, float l, float c) {
        file[r].Open = o;
        file[r].High = h;
        file[r].Low = l;
        file[r].Close = c;
    };
    set(2, 1000, 1020, 990, 1010);  // rising
    set(3, 1010, 1015, 995, 1000);  // falling
    set(4, 1000, 1030, 995, 1000);  // level, the file's high
    set(5, 1000, 1010, 980, 1005);  // rising, the file's low
    file.Seal();
    const Color blue = RGB(0, 120, 200);
    const Color red = RGB(255, 0, 0);
    for (bool inverted : {false, true}) {
        w.fields.InvertedChart = inverted ? -1 : 0;
        Draw(file);
        std::vector<RecordedCall> bodies;
        for (const RecordedCall& c : w.price.Calls()) {
            if (c.kind == Kind::Box || c.kind == Kind::FilledBox) bodies.push_back(c);
        }
        std::size_t next = 0;
        for (int r = 2; r <= 5; ++r) {
            const double x = 7.0 * (r - 2);
            const QuoteRecord& bar = file[r];
            const Color color = r >= 4 ? red : blue;
            const std::string what = std::string(inverted ? "inverted" : "upright") + " record " + std::to_string(r);
            bool wick = false;
            for (const RecordedCall& c : Price(Kind::Line)) {
                wick = wick || (c.x1 == x + 3 && c.x2 == x + 3 && c.y1 == bar.High && c.y2 == bar.Low && c.color == color);
            }
            EXPECT_TRUE(wick) << what;
            const bool hollow = inverted ? bar.Open > bar.Close : bar.Open < bar.Close;
            ASSERT_LT(next, bodies.size()) << what;
            const RecordedCall& body = bodies[next++];
            EXPECT_EQ(body.x1, x) << what;
            EXPECT_EQ(body.y1, bar.Open) << what;
            EXPECT_EQ(body.x2, x + 6) << what;
            EXPECT_EQ(body.y2, bar.Close) << what;
            EXPECT_EQ(body.kind, Kind::FilledBox) << what;
            EXPECT_EQ(body.color, hollow ? QBColor(15) : color) << what;
            if (hollow) {
                ASSERT_LT(next, bodies.size()) << what;
                EXPECT_EQ(bodies[next].kind, Kind::Box) << what;
                EXPECT_EQ(bodies[next++].color, color) << what;
            }
        }
        EXPECT_EQ(next, bodies.size());
    }
}

TEST_F(CandleChart, BarsBeforeTheCorrectionPointAreLighter) {
    DataFileBuilder file(6);
    file.Point(5, "2").HeaderPoint(5, "2");
    file.Seal();
    file.Write(dir.File("1301d.KDT"));
    w.fields.DataFileName = dir.File("1301d.KDT");
    w.fields.StockSource = 1;
    ShowChart(w);
    ASSERT_TRUE(w.Item("mnuHosei", 1).Checked());
    std::vector<Color> wicks;
    for (const RecordedCall& c : Price(Kind::Line)) {
        if (c.x1 == c.x2 && std::fmod(c.x1, 7) == 3) wicks.push_back(c.color);
    }
    ASSERT_GE(wicks.size(), 6u);
    for (std::size_t k = 0; k < wicks.size(); ++k) {
        const int r = static_cast<int>(k) + w.fields.FirstRecord;
        const Color plain = wicks[k] == RGB(255, 0, 0) || wicks[k] == RGB(255, 50, 50) ? RGB(255, 0, 0) : RGB(0, 120, 200);
        const Color expected = r < 5 ? RGB(plain.r + 50, plain.g + 50, plain.b + 50) : plain;
        EXPECT_EQ(wicks[k], expected) << "record " << r;
    }
}

// Year, month and quarter marks and the date labels, worked out from the
// file's dates for daily and weekly data and several view widths.
TEST_F(CandleChart, DateMarks) {
    struct Case {
        bool daily;
        float viewWidth;
        Date first;
    };
    const std::vector<Case> cases = {
        {true, 2000, {2019, 10, 1}},  {true, 4000, {2019, 10, 1}},  {true, 8000, {2019, 10, 1}},
        {true, 15000, {2020, 9, 1}},  {true, 25000, {2020, 9, 1}},  {true, 25000, {2019, 9, 2}},
        {false, 400, {2019, 11, 4}},  {false, 1200, {2019, 11, 4}}, {false, 3000, {2019, 11, 4}},
        {false, 8000, {2020, 6, 1}},  {false, 12000, {2020, 6, 1}},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.daily ? "daily " : "weekly ") + std::to_string(c.viewWidth);
        const int bars = c.daily ? 400 : 120;
        DataFileBuilder file(bars, c.daily ? Spacing::Weekdays : Spacing::Weeks, c.first);
        Draw(file, c.viewWidth, c.daily);
        const ChartWindowState& f = w.fields;
        const double u = U();
        const double dateY = f.PriceBottom + 2 * u;
        const double sw = c.viewWidth;
        std::vector<std::pair<double, std::string>> texts;  // expected (x, text) at the date-label y
        std::vector<double> solid, dotted, ticks;
        int year = static_cast<int>(Val(file[2].QuoteDate.substr(6)));
        int month = static_cast<int>(Val(file[2].QuoteDate.substr(0, 2)));
        double start = 0;
        double x = 0;
        for (int r = 2; r <= bars + 1; ++r, x += 7) {
            if (x >= sw) break;
            const int y = static_cast<int>(Val(file[r].QuoteDate.substr(6)));
            const int m = static_cast<int>(Val(file[r].QuoteDate.substr(0, 2)));
            if (y != year) {
                solid.push_back(x);
                const bool narrow = c.daily ? sw < 20000 : sw < 9000;
                if (narrow || y % 5 == 0) texts.push_back({x, " '" + file[r].QuoteDate.substr(6)});
                if (narrow && c.daily && sw <= 3000) texts.push_back({x - (x - start) / 2 - 14, " " + std::to_string(month) + " "});
            } else if (m != month && sw <= 5000) {
                if (c.daily) dotted.push_back(x);
                if (!c.daily && sw <= 1500) ticks.push_back(x);
                if (month % 2 == 0 && c.daily && sw <= 3000 && x - start >= 28)
                    texts.push_back({x - (x - start) / 2 - 14, " " + std::to_string(month) + " "});
                if (month % 2 == 0 && !c.daily && sw <= 450 && x - start >= 14)
                    texts.push_back({x - (x - start) / 2 - 5, " " + std::to_string(month) + " "});
            } else if (m != month && sw <= 13000 && c.daily && (month == 3 || month == 6 || month == 9)) {
                dotted.push_back(x);
            }
            if (m != month || y != year) start = x;
            year = y;
            month = m;
        }
        if (month % 2 == 0 && ((c.daily && sw <= 3000) || sw <= 500))
            texts.push_back({x - (x - start) / 2, " " + std::to_string(month) + " "});
        std::vector<double> gotSolid, gotDotted, gotTicks;
        for (const RecordedCall& l : Price(Kind::Line)) {
            const bool full = l.x1 == l.x2 && l.y1 == w.price.ScaleTop() &&
                              l.y2 == w.price.ScaleTop() + w.price.ScaleHeight() && l.color == kGrey;
            if (full) (l.state.Style == DrawStyle::Solid ? gotSolid : gotDotted).push_back(l.x1);
            if (l.x1 == l.x2 && l.y1 == f.PriceTop && std::abs(l.y2 - (f.PriceTop - u)) < 1e-9) gotTicks.push_back(l.x1);
        }
        EXPECT_EQ(gotSolid, solid) << what;
        EXPECT_EQ(gotDotted, dotted) << what;
        EXPECT_EQ(gotTicks, ticks) << what;
        EXPECT_EQ(w.indicator.CallsOf(Kind::Line).size(), solid.size() + dotted.size() + 1) << what;
        std::vector<std::pair<double, std::string>> got;
        for (const RecordedCall& t : Price(Kind::Text)) {
            if (std::abs(t.y1 - dateY) < 1e-9) got.push_back({t.x1, t.text});
        }
        EXPECT_EQ(got, texts) << what;
    }
}

// Weekly ticks take light red at the end of June, grey elsewhere.
TEST_F(CandleChart, WeeklyTickColours) {
    DataFileBuilder file(20, Spacing::Weeks, {2020, 5, 4});
    Draw(file, 1000, false);
    std::vector<Color> colors;
    for (const RecordedCall& l : Price(Kind::Line)) {
        if (l.x1 == l.x2 && l.y1 == w.fields.PriceTop && l.y2 < l.y1) colors.push_back(l.color);
    }
    // Months change to June, July, August and September.
    EXPECT_EQ(colors, (std::vector<Color>{QBColor(8), QBColor(12), QBColor(8), QBColor(8)}));
}

// Each bar with something in the volume area switches the scale to volume
// units and back; the bar of the file's largest volume is filled again.
TEST_F(CandleChart, VolumeAreaPerBar) {
    DataFileBuilder file(5);
    file[3].Volume = 0;
    file[4].Volume = 2e8;
    file[2].SellBalance = 100000;
    file[3].SellBalance = 200000;
    file[4].SellBalance = 300000;
    file[5].BuyBalance = 50000;
    file[6].BuyBalance = 60000;
    file.Seal();
    w.SetItem("mnuDekidaka", 1, true);
    w.SetItem("mnuSinyouBB", 1, true);
    Draw(file);
    const ChartWindowState& f = w.fields;
    const double vmax = f.MaxVolume / 1000.0;
    ASSERT_EQ(f.MaxVolume, 2e8f);
    std::vector<RecordedCall> scales = Price(Kind::Scale);
    // The last scale before the bar pass is the price scale the pass restores.
    int volumeScales = 0;
    for (std::size_t i = 0; i < scales.size(); ++i) {
        if (scales[i].y1 == f.VolumeAreaRatio * vmax) {
            ++volumeScales;
            ASSERT_LT(i + 1, scales.size());
            EXPECT_EQ(scales[i].y2, 0);
            EXPECT_EQ(scales[i + 1].y1, f.PriceTop);
            EXPECT_EQ(scales[i + 1].y2, f.ClipLevelL);
        }
    }
    EXPECT_EQ(volumeScales, 5);  // every bar has a volume or a balance
    std::vector<RecordedCall> boxes;
    for (const RecordedCall& c : Price(Kind::FilledBox)) {
        if (c.x2 - c.x1 == 4) boxes.push_back(c);
    }
    // Every bar's, the largest twice; the bar of no volume but a balance
    // gets a box of no height.
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0].y2, file[2].Volume / 1000);
    EXPECT_EQ(boxes[1].x1, 7 + 1);
    EXPECT_EQ(boxes[1].y2, 0);
    EXPECT_EQ(boxes[2].x1, 7 * 2 + 1);
    EXPECT_EQ(boxes[2].color, RGB(100, 220, 100));
    EXPECT_EQ(boxes[3].color, QBColor(2));
    EXPECT_EQ(boxes[3].y2, 2e8f / 1000);
    const std::vector<test::Polyline> sells = test::ChainSegments(w.price.Calls(), QBColor(9));
    ASSERT_EQ(sells.size(), 1u);
    EXPECT_EQ(sells[0], (test::Polyline{{3, 100}, {10, 200}, {17, 300}}));
    const std::vector<test::Polyline> buys = test::ChainSegments(w.price.Calls(), QBColor(13));
    ASSERT_EQ(buys.size(), 1u);
    EXPECT_EQ(buys[0], (test::Polyline{{24, 50}, {31, 60}}));
}

// With only the balances on, the area is scaled to the larger balance in
// units of 1; with nothing to scale to, the area is left out.
TEST_F(CandleChart, VolumeCeilingFromBalancesOrNone) {
    DataFileBuilder file(3);
    file[2].BuyBalance = 400;
    file[3].BuyBalance = 500;
    file[3].SellBalance = 700;
    file.Seal();
    w.SetItem("mnuSinyouBB", 1, true);
    Draw(file);
    bool found = false;
    for (const RecordedCall& s : Price(Kind::Scale)) found = found || s.y1 == w.fields.VolumeAreaRatio * 700.0;
    EXPECT_TRUE(found);
    // No volume shown and no balance in the view: ceiling 0.
    w.fields.MaxVolume = 0;
    DataFileBuilder quiet(3);
    for (int r = 2; r <= 4; ++r) quiet[r].Volume = 0;
    quiet[3].BuyBalance = 10;
    quiet.Seal();
    w.SetItem("mnuDekidaka", 1, true);
    w.SetItem("mnuSinyouBB", 1, false);
    Draw(quiet);
    for (const RecordedCall& s : Price(Kind::Scale)) EXPECT_NE(s.y1, s.y2);
    EXPECT_TRUE(Price(Kind::FilledBox).size() == 3u);  // the three bodies only
}

TEST_F(CandleChart, DateRangeAndWebPriceLabels) {
    DataFileBuilder file(10);
    w.SetItem("mnuFuncExItem", 1, true);
    w.fields.WebPriceText = "1,234";
    w.fields.WebPriceNote = "15:00";
    Draw(file);
    EXPECT_EQ(w.LabelNo(21).text().toStdString(), "  (" + file[2].QuoteDate + "～" + file[11].QuoteDate + ")");
    EXPECT_FALSE(w.LabelNo(21).isHidden());
    EXPECT_EQ(w.LabelNo(10).text().toStdString(), "現在値 1,234(15:00)");
    EXPECT_EQ(w.fields.WebPriceNote, "(15:00)");
    EXPECT_EQ(w.fields.FirstShownDate.Text(), file[2].QuoteDate);
    // A note already in parentheses stays; without the range the label hides.
    w.SetItem("mnuFuncExItem", 1, false);
    Draw(file);
    EXPECT_TRUE(w.LabelNo(21).isHidden());
    EXPECT_EQ(w.LabelNo(10).text().toStdString(), "現在値 1,234(15:00)");
}

// A file of one bar is drawn; a pane of no height or width draws nothing
// after the scan.
TEST_F(CandleChart, OneBarAndPanesOfNoSize) {
    Draw(DataFileBuilder(1));
    EXPECT_EQ(Price(Kind::Box).size() + Price(Kind::FilledBox).size(), 2u);
    for (auto [wd, ht] : {std::pair{0.0, 4000.0}, std::pair{9000.0, 0.0}}) {
        w.price.Resize(wd, ht);
        Draw(DataFileBuilder(10));
        EXPECT_TRUE(Price(Kind::Line).empty());
        EXPECT_TRUE(Price(Kind::Text).empty());
    }
}

}  // namespace
}  // namespace ranvik
