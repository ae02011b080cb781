// Monthly candles on the screen and on a recording printer: year marks and
// month ticks, candles, the volume area, the date range, files of one month
// or none, all worked out here from the monthly file the drawer reads.
#include "chart/drawing/monthly_candles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/price_overlays.h"
#include "chart/drawing/print_scale.h"
#include "chart/drawing/segment_clipping.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "tests/chart/drawing/drawing_fixture.h"
#include "tests/chart/drawing/polylines.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

struct Box {
    Kind kind;
    double x1, y1, x2, y2;
    Color color;
    friend bool operator==(const Box&, const Box&) = default;
};
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << static_cast<int>(b.kind) << " (" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ") "
               << b.color.r << "," << b.color.g << "," << b.color.b;
}

std::vector<Box> BoxesOf(const std::vector<RecordedCall>& calls, bool lines = true) {
    std::vector<Box> out;
    for (const RecordedCall& c : calls) {
        if (c.kind == Kind::Box || c.kind == Kind::FilledBox || (lines && c.kind == Kind::Line)) {
            out.push_back({c.kind, c.x1, c.y1, c.x2, c.y2, c.color});
        }
    }
    return out;
}

class MonthlyCandles : public test::DrawingTest {
protected:
    // Draws `file` as monthly candles from `first` on the screen.
    void Draw(const DataFileBuilder& file, int first, float viewWidth, bool daily = true) {
        file.Write(dir.File("1301d.KDT"));
        DataFileBuilder copy = file;
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = static_cast<std::int16_t>(first);
        f.RecordCount = copy.Header().RecordNo;
        f.ViewWidth = viewWidth;
        f.ViewHigh = 0;
        f.IsDaily = daily ? -1 : 0;
        f.PeriodUnit = daily ? "日" : "週";
        f.FileHigh = copy.Header().High;
        f.FileLow = copy.Header().Low;
        f.FileMaxVolume = copy.Header().Volume;
        w.checks[8] = 1;
        w.price.Scale(0, 1, viewWidth, 0);
        w.indicator.Scale(0, 1, viewWidth, 0);
        w.price.ClearLog();
        w.indicator.ClearLog();
        if (file1.IsOpen()) file1.Close();
        file1.Open(f.DataFileName);
        DrawCandleChart(w, file1, Bare());
        ReadMonths();
    }
    // The bar layer alone, on the printer, as the print routine calls it
    // after a screen draw.
    void Print(double paneFactor = 1.2) {
        ChartWindowState& f = w.fields;
        f.PrintingNow = -1;
        f.VolumePaneFactor = paneFactor;
        SetPrinterPriceScale(f, w.price, w.printer);
        w.price.ClearLog();
        w.indicator.ClearLog();
        w.printer.ClearLog();
        DrawMonthlyCandles(w, file1, Bare());
        f.PrintingNow = 0;
        EXPECT_EQ(file1.Path(), f.DataFileName);
    }
    // The other layers left out: only what this drawer draws is logged.
    static CandleLayers Bare() {
        CandleLayers l;
        l.pricePane = l.indicatorPane = l.volumePane = l.priceBandVolume = [](ChartHost&, ChartFile&) {};
        return l;
    }
    void ReadMonths() {
        months.clear();
        ChartFile monthly;
        monthly.Open(dir.File(w.fields.MonthlyFileName));
        for (std::int64_t r = 1; r <= w.fields.MonthlyRecordCount; ++r) {
            QuoteRecord rec;
            months.push_back(monthly.Read(r, rec));
        }
    }
    const QuoteRecord& Month(std::int64_t r) const { return months.at(static_cast<std::size_t>(r - 1)); }
    double Um() const {
        const ChartWindowState& f = w.fields;
        return (f.PriceTop - f.PriceBottom + f.VolumeAreaHeight / 3) / w.price.Height() * 100;
    }
    // Each drawn month's record and left x.
    std::vector<std::pair<std::int64_t, double>> Drawn() const {
        std::vector<std::pair<std::int64_t, double>> out;
        double x = -w.fields.MonthCutDays;
        for (std::int64_t r = w.fields.MonthlyFirstRecord; r <= w.fields.MonthlyRecordCount; ++r) {
            out.push_back({r, x});
            x += Month(r).RecordNo;
            if (x >= w.price.ScaleWidth()) break;
        }
        return out;
    }
    std::vector<Box> Candle(const QuoteRecord& m, double x, Color color, Color hollow = QBColor(15)) const {
        const double w = m.RecordNo;
        std::vector<Box> out = {{Kind::Line, x + w / 2 - 0.5, m.High, x + w / 2 - 0.5, m.Low, color}};
        if (m.Open > m.Close) {
            out.push_back({Kind::FilledBox, x, m.Open, x + w - 1, m.Close, color});
        } else {
            out.push_back({Kind::FilledBox, x, m.Open, x + w - 1, m.Close, hollow});
            out.push_back({Kind::Box, x, m.Open, x + w - 1, m.Close, color});
        }
        return out;
    }

    ChartFile file1;
    std::vector<QuoteRecord> months;
};

// Year lines, labels and month ticks by the pane's scale and width, and the
// candles in order with their colours; the first month starts left of the
// pane and never gets a year line.  Daily months are 20 units wide, weekly
// ones 14 or 28.
TEST_F(MonthlyCandles, MarksAndCandlesOnTheScreen) {
    struct Case {
        bool daily;
        float viewWidth;
        double paneWidth;
        bool inverted;
    };
    const std::vector<Case> cases = {
        {true, 1400, 9000, false}, {true, 1400, 6000, false}, {true, 2000, 9000, false},
        {true, 1400, 9000, true},  {false, 1400, 9000, false},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.daily ? "daily " : "weekly ") + std::to_string(c.viewWidth) + " " +
                                 std::to_string(c.paneWidth) + (c.inverted ? " inverted" : "");
        w.price.Resize(c.paneWidth, 4000);
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        w.fields.MonthlyFileName.clear();
        // Daily from 1 May 2019 (the view from 10 May), weekly from 6 May.
        DataFileBuilder file = c.daily ? DataFileBuilder(300, Spacing::Weekdays, {2019, 5, 1})
                                       : DataFileBuilder(80, Spacing::Weeks, {2019, 5, 6});
        file[40].High = 5000;  // the file's high, in the candle of its month
        file.Seal();
        Draw(file, c.daily ? 9 : 3, c.viewWidth, c.daily);
        const ChartWindowState& f = w.fields;
        ASSERT_EQ(f.MonthlyFirstRecord, 2) << what;
        ASSERT_EQ(f.MonthCutDays, c.daily ? 7 : 1) << what;
        const double um = Um();
        const double dateY = c.inverted ? f.PriceTop - 2 * um : f.PriceBottom + 2 * um;
        std::vector<Box> candles, years, ticks;
        std::vector<std::pair<double, std::string>> labels;
        bool lastExtreme = false;
        int previousYear = static_cast<int>(Val(Month(2).QuoteDate.substr(6)));
        for (const auto& [r, x] : Drawn()) {
            const QuoteRecord& m = Month(r);
            const int year = static_cast<int>(Val(m.QuoteDate.substr(6)));
            if (year != previousYear) {
                years.push_back({Kind::Line, x, w.price.ScaleTop(), x, w.price.ScaleTop() + w.price.ScaleHeight(), QBColor(8)});
                labels.push_back({x, " '" + m.QuoteDate.substr(6)});
            } else if (c.viewWidth <= 1500 && (m.QuoteDate.substr(0, 2) == "07" || c.paneWidth > 7000)) {
                const Color tick = m.QuoteDate.substr(0, 2) == "07" ? QBColor(12) : QBColor(8);
                ticks.push_back({Kind::Line, x, f.PriceTop, x, f.PriceTop - um, tick});
                ticks.push_back({Kind::Line, x, f.PriceBottom, x, f.PriceBottom + um, tick});
            }
            previousYear = year;
            const bool extreme = m.High == f.FileHigh || m.Low == f.FileLow;
            lastExtreme = extreme;
            for (const Box& b : Candle(m, x, extreme ? RGB(255, 0, 0) : RGB(0, 128, 128))) candles.push_back(b);
        }
        ASSERT_EQ(years.size(), 1u) << what;
        std::vector<Box> gotCandles, gotYears, gotTicks;
        for (const Box& b : BoxesOf(w.price.Calls())) {
            const bool vertical = b.kind == Kind::Line && b.x1 == b.x2;
            if (vertical && b.y1 == w.price.ScaleTop() && b.y2 == w.price.ScaleTop() + w.price.ScaleHeight()) {
                gotYears.push_back(b);
            } else if (vertical && (b.y1 == f.PriceTop || b.y1 == f.PriceBottom)) {
                gotTicks.push_back(b);
            } else if (b.color == RGB(0, 128, 128) || b.color == RGB(255, 0, 0) || b.color == QBColor(15)) {
                gotCandles.push_back(b);
            }
        }
        EXPECT_EQ(gotCandles, candles) << what;
        EXPECT_EQ(gotYears, years) << what;
        EXPECT_EQ(gotTicks, ticks) << what;
        EXPECT_EQ(w.indicator.CallsOf(Kind::Line).size(), years.size() + 1) << what;  // and the top border
        std::vector<std::pair<double, std::string>> gotLabels;
        for (const RecordedCall& t : w.price.CallsOf(Kind::Text)) {
            if (std::abs(t.y1 - dateY) < 1e-9) {
                gotLabels.push_back({t.x1, t.text});
                EXPECT_EQ(t.state.ForeColor, RGB(50, 130, 255)) << what;
            }
        }
        EXPECT_EQ(gotLabels, labels) << what;
        EXPECT_EQ(f.LineColorNo, lastExtreme ? 12 : 3) << what;
        EXPECT_EQ(w.windowCaption, "月足") << what;
    }
}

// Per month the pane is switched to volume units and back; bars outlined in
// white, balance lines only right of x = 0 from the previous month's centre;
// a ceiling above 100,000,000 counts in thousands.
TEST_F(MonthlyCandles, VolumeAreaOnTheScreen) {
    for (float daily : {3e6f, 6e6f}) {
        DataFileBuilder file(100, Spacing::Weekdays, {2020, 1, 6});
        for (int r = 2; r <= 101; ++r) {
            file[r].Volume = daily + static_cast<float>(r);
            file[r].BuyBalance = static_cast<float>(100 * r);
            file[r].SellBalance = r > 30 ? static_cast<float>(50 * r) : 0;
        }
        file.Seal();
        w.SetItem("mnuDekidaka", 1, true);
        w.SetItem("mnuSinyouBB", 1, true);
        w.fields.MonthlyFileName.clear();
        Draw(file, 8, 903);
        const ChartWindowState& f = w.fields;
        const float d = f.MaxVolume > 100000000 ? 1000 : 1;
        const float vmax = f.MaxVolume / d;
        std::vector<Box> expected;
        std::vector<Box> scales;
        double previousWidth = -f.MonthCutDays;
        const QuoteRecord* previous = nullptr;
        for (const auto& [r, x] : Drawn()) {
            const QuoteRecord& m = Month(r);
            const double wd = m.RecordNo;
            const float v = m.Volume / d;
            expected.push_back({Kind::FilledBox, x, 0, x + wd, v, RGB(100, 220, 100)});
            expected.push_back({Kind::Box, x, 0, x + wd, v, QBColor(15)});
            if (x > 0 && previous != nullptr) {
                if (previous->BuyBalance != 0 && m.BuyBalance != 0)
                    expected.push_back({Kind::Line, x - previousWidth / 2, previous->BuyBalance / d, x + wd / 2, m.BuyBalance / d, QBColor(13)});
                if (previous->SellBalance != 0 && m.SellBalance != 0)
                    expected.push_back({Kind::Line, x - previousWidth / 2, previous->SellBalance / d, x + wd / 2, m.SellBalance / d, QBColor(9)});
            }
            scales.push_back({Kind::Line, 0, f.VolumeAreaRatio * static_cast<double>(vmax), f.ViewWidth, 0, {}});
            scales.push_back({Kind::Line, 0, f.PriceTop, f.ViewWidth, f.ClipLevelL, {}});
            previous = &m;
            previousWidth = wd;
        }
        std::vector<Box> got;
        for (const Box& b : BoxesOf(w.price.Calls())) {
            if (b.color == RGB(100, 220, 100) || b.color == QBColor(13) || b.color == QBColor(9) ||
                (b.kind == Kind::Box && b.color == QBColor(15) && b.y1 == 0)) {
                got.push_back(b);
            }
        }
        EXPECT_EQ(got, expected) << daily;
        std::vector<Box> gotScales;
        const std::vector<RecordedCall> all = w.price.CallsOf(Kind::Scale);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const double top = f.VolumeAreaRatio * static_cast<double>(vmax);
            if (all[i].y1 == top || (i > 0 && all[i - 1].y1 == top)) {
                gotScales.push_back({Kind::Line, all[i].x1, all[i].y1, all[i].x2, all[i].y2, {}});
            }
        }
        EXPECT_EQ(gotScales, scales) << daily;
        EXPECT_EQ(d, daily > 5e6f ? 1000 : 1);
    }
}

// The fixed volume scale takes the largest month of the monthly file; with
// no volume at all the area, its balances and its scale are left out.
TEST_F(MonthlyCandles, FixedCeilingAndNoVolume) {
    DataFileBuilder file(100, Spacing::Weekdays, {2020, 1, 6});
    for (int r = 85; r <= 101; ++r) file[r].Volume = 90000;  // May, past the view and the scan
    file.Seal();
    w.SetItem("mnuDekidaka", 1, true);
    w.SetItem("mnuFuncExItem", 2, true);
    Draw(file, 2, 60);
    const float largest = Month(1).Volume;
    EXPECT_EQ(w.fields.MaxVolume, largest);
    EXPECT_GT(largest, Month(2).Volume);
    bool scaled = false;
    for (const RecordedCall& s : w.price.CallsOf(Kind::Scale)) scaled = scaled || s.y1 == w.fields.VolumeAreaRatio * largest;
    EXPECT_TRUE(scaled);

    w.SetItem("mnuFuncExItem", 2, false);
    w.SetItem("mnuSinyouBB", 1, true);
    w.SetItem("mnuGamen比", 2, true);
    DataFileBuilder quiet(60);
    for (int r = 2; r <= 61; ++r) {
        quiet[r].Volume = 0;
        quiet[r].BuyBalance = 10;
    }
    quiet.Seal();
    w.fields.MonthlyFileName.clear();
    Draw(quiet, 2, 903);
    ASSERT_EQ(w.fields.MaxVolume, 0);
    const std::vector<RecordedCall> scales = w.price.CallsOf(Kind::Scale);
    for (const RecordedCall& s : scales) EXPECT_NE(s.y2, 0) << Describe(s);
    EXPECT_TRUE(test::ChainSegments(w.price.Calls(), QBColor(13)).empty());
}

// The date range ends at the first date of the last month drawn.
TEST_F(MonthlyCandles, DateRangeToTheLastMonthDrawn) {
    DataFileBuilder file(200, Spacing::Weekdays, {2020, 1, 6});
    w.SetItem("mnuFuncExItem", 1, true);
    Draw(file, 30, 60);  // February from x = -9 to May, which reaches x = 60
    const std::vector<std::pair<std::int64_t, double>> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(w.LabelNo(21).text().toStdString(),
              "  (" + file[30].QuoteDate + "～" + Month(drawn.back().first).QuoteDate + ")");
    EXPECT_FALSE(w.LabelNo(21).isHidden());
    w.SetItem("mnuFuncExItem", 1, false);
    Draw(file, 30, 60);
    EXPECT_TRUE(w.LabelNo(21).isHidden());
}

// On paper: no date marks anywhere, the view's extremes labelled, candles
// in QBColor(LineColorNo) and the hollow fill in white, volume outlines
// hanging from the area's top and balances measured from it, the printer's
// scale put back after each month.
TEST_F(MonthlyCandles, PrintedMonths) {
    DataFileBuilder file(200, Spacing::Weekdays, {2019, 11, 1});
    for (int r = 2; r <= 201; ++r) file[r].BuyBalance = static_cast<float>(10 * r);
    file[60].High = 2000;
    file.Seal();
    w.SetItem("mnuDekidaka", 1, true);
    w.SetItem("mnuSinyouBB", 1, true);
    Draw(file, 12, 903);
    Print(1.3);
    const ChartWindowState& f = w.fields;
    EXPECT_TRUE(w.price.CallsOf(Kind::Line).empty());
    EXPECT_TRUE(w.price.CallsOf(Kind::Text).empty());
    EXPECT_TRUE(w.indicator.Calls().empty());
    const double um = Um();
    const double base = f.VolumeAreaRatio * static_cast<double>(f.MaxVolume);
    std::vector<Box> expected;
    std::vector<std::pair<double, std::string>> texts;
    double previousWidth = -f.MonthCutDays;
    const QuoteRecord* previous = nullptr;
    for (const auto& [r, x] : Drawn()) {
        const QuoteRecord& m = Month(r);
        const double wd = m.RecordNo;
        if (m.High == f.ViewHigh) {
            texts.push_back({x, FormatNumber(f.ViewHigh, f.AxisFormat)});
        } else if (m.Low == f.ViewLow) {
            texts.push_back({x, FormatNumber(f.ViewLow, f.AxisFormat)});
        }
        const bool extreme = m.High == f.FileHigh || m.Low == f.FileLow;
        for (const Box& b : Candle(m, x, QBColor(extreme ? 12 : 3))) expected.push_back(b);
        expected.push_back({Kind::Box, x, base, x + wd, base - m.Volume, QBColor(10)});
        if (x > 0 && previous != nullptr) {
            expected.push_back({Kind::Line, x - previousWidth / 2, base - previous->BuyBalance, x + wd / 2, base - m.BuyBalance, QBColor(13)});
        }
        previous = &m;
        previousWidth = wd;
    }
    EXPECT_EQ(BoxesOf(w.printer.Calls()), expected);
    std::vector<std::pair<double, std::string>> gotTexts;
    for (const RecordedCall& t : w.printer.CallsOf(Kind::Text)) {
        gotTexts.push_back({t.x1, t.text});
        EXPECT_EQ(t.state.ForeColor, QBColor(8));
        const double y = t.text == FormatNumber(f.ViewHigh, f.AxisFormat) ? f.ViewHigh + um : f.ViewLow - um;
        EXPECT_NEAR(t.y1, y, 1e-6);
    }
    EXPECT_EQ(gotTexts, texts);
    ASSERT_GE(texts.size(), 2u);
    // Each month's volume scale, then the saved one.
    const std::vector<RecordedCall> scales = w.printer.CallsOf(Kind::Scale);
    ASSERT_EQ(scales.size(), 4 * Drawn().size());
    for (std::size_t i = 0; i < scales.size(); i += 4) {
        EXPECT_NEAR(scales[i + 1].y2 - scales[i + 1].y1, base * 1.3, 1e-6);
        EXPECT_DOUBLE_EQ(scales[i + 1].y1, -(f.MaxVolume * f.VolumeAreaRatio * 0.2));
        EXPECT_DOUBLE_EQ(scales[i + 3].y1, f.SavedScaleTop);
        EXPECT_NEAR(scales[i + 3].y2 - scales[i + 3].y1, f.SavedScaleHeight, 1e-6);
    }
}

// A file of one bar makes one month, a file of no bar a monthly file of its
// header alone: both are drawn without an error, the second empty.
TEST_F(MonthlyCandles, OneMonthOrNone) {
    Draw(DataFileBuilder(1), 2, 903);
    EXPECT_EQ(w.fields.MonthlyRecordCount, 2);
    EXPECT_EQ(BoxesOf(w.price.Calls(), false).size(), 2u);  // the filled body and its outline
    w.fields.MonthlyFileName.clear();
    w.SetItem("mnuFuncExItem", 1, true);
    w.SetItem("mnu線形回帰", 1, true);
    Draw(DataFileBuilder(0), 2, 903);
    EXPECT_EQ(w.fields.MonthlyRecordCount, 1);
    EXPECT_TRUE(BoxesOf(w.price.Calls(), false).empty());
    EXPECT_TRUE(w.LabelNo(21).isHidden());
    Print();
    EXPECT_TRUE(BoxesOf(w.printer.Calls(), false).empty());
}

// Daily bars from 6 January 2020 whose months open and close at the given
// prices: every bar of month k opens at its open and closes at its close.
DataFileBuilder MonthsOf(const std::vector<std::pair<float, float>>& openClose) {
    const int k = static_cast<int>(openClose.size());
    DataFileBuilder probe(23 * k + 23);
    int bars = 0;
    int month = 0;
    for (int r = 2; month < k; ++r, ++bars) {
        if (r > 2 && probe[r].QuoteDate.substr(0, 2) != probe[r - 1].QuoteDate.substr(0, 2)) ++month;
        if (month == k) break;
    }
    DataFileBuilder file(bars);
    month = 0;
    for (int r = 2; r <= bars + 1; ++r) {
        if (r > 2 && file[r].QuoteDate.substr(0, 2) != file[r - 1].QuoteDate.substr(0, 2)) ++month;
        const auto [o, c] = openClose[static_cast<std::size_t>(month)];
        file[r].Open = o;
        file[r].Close = c;
        file[r].High = std::max(o, c) + 2;
        file[r].Low = std::min(o, c) - 2;
    }
    return file.Seal();
}

std::vector<Box> LinesOf(const RecordingSurface& s, Color color) {
    std::vector<Box> out;
    for (const Box& b : BoxesOf(s.Calls())) {
        if (b.kind == Kind::Line && b.color == color) out.push_back(b);
    }
    return out;
}

// The monthly file is made once and then kept; one removed meanwhile is
// made again under the same name.
TEST_F(MonthlyCandles, MonthlyFileKeptOrMadeAgain) {
    DataFileBuilder file(60);
    Draw(file, 2, 903);
    const std::string name = w.fields.MonthlyFileName;
    ASSERT_EQ(name, "Temp1m.KDT");
    const std::vector<QuoteRecord> first = months;
    DataFileBuilder changed = file;
    changed[2].Open = 500;  // not in the kept file
    changed.Seal();
    Draw(changed, 2, 903);
    EXPECT_EQ(months, first);
    std::remove(dir.File(name).c_str());
    Draw(changed, 2, 903);
    EXPECT_EQ(w.fields.MonthlyFileName, name);
    EXPECT_EQ(Month(2).Open, 500);
}

// Pivot segments from the previous month's centre to this one's; the month
// before the first shown one gives the first segments, and a view from the
// first month has none for it.
TEST_F(MonthlyCandles, PivotFromTheMonthBefore) {
    w.SetItem("mnuPibott", 1, true);
    for (int first : {30, 10}) {  // February (cut 9), January (cut 8)
        w.fields.MonthlyFileName.clear();
        Draw(DataFileBuilder(100, Spacing::Weekdays, {2020, 1, 6}), first, 903);
        const ChartWindowState& f = w.fields;
        std::vector<Box> p, others;
        double previousWidth = -f.MonthCutDays;
        std::optional<PivotLevels> before;
        if (f.MonthlyFirstRecord > 2) {
            const QuoteRecord& m = Month(f.MonthlyFirstRecord - 1);
            before = PivotOf(m.High, m.Low, m.Close);
        }
        for (const auto& [r, x] : Drawn()) {
            const QuoteRecord& m = Month(r);
            const PivotLevels now = PivotOf(m.High, m.Low, m.Close);
            if (before) {
                for (std::size_t i = 0; i < 7; ++i) {
                    const Box b{Kind::Line, x - previousWidth / 2, before->values[i], x + m.RecordNo / 2.0, now.values[i],
                                i == 0 ? QBColor(12) : QBColor(8)};
                    (i == 0 ? p : others).push_back(b);
                }
            }
            before = now;
            previousWidth = m.RecordNo;
        }
        EXPECT_EQ(f.MonthlyFirstRecord, first == 30 ? 3 : 2);
        EXPECT_EQ(p.size(), Drawn().size() - (first == 30 ? 0 : 1));
        // Upright lines of these colours are red wicks and year lines.
        std::vector<Box> gotP, got;
        for (const Box& b : LinesOf(w.price, QBColor(12))) {
            if (b.x1 != b.x2) gotP.push_back(b);
        }
        for (const Box& b : LinesOf(w.price, QBColor(8))) {
            if (b.x1 != b.x2) got.push_back(b);
        }
        EXPECT_EQ(gotP, p) << first;
        EXPECT_EQ(got, others) << first;
    }
}

// On paper the upper levels are cut at ClipLevelH and the lower at
// ClipLevelL, each segment over the span 0 to w from the value as last cut
// and the one before the cut; a segment lying on the level is left out; P
// is never cut.
TEST_F(MonthlyCandles, PrintedPivotIsCutAtThePriceBand) {
    w.SetItem("mnuPibott", 1, true);
    DataFileBuilder file = MonthsOf({{1000, 1010}, {1010, 1100}, {1100, 1300}, {1300, 1050}, {1050, 900},
                                     {900, 950}, {950, 1000}});
    Draw(file, 30, 903);
    ChartWindowState& f = w.fields;
    // A narrow band, so that the levels leave and re-enter it.
    f.ClipLevelH = 1150;
    f.ClipLevelL = 950;
    const ClipLevels levels{1150, 950, 0};
    Print();
    std::vector<Box> expected;
    int cut = 0;
    int skipped = 0;
    const QuoteRecord& m0 = Month(f.MonthlyFirstRecord - 1);
    PivotLevels previous = PivotOf(m0.High, m0.Low, m0.Close);
    PivotLevels drawn = previous;
    double previousWidth = -f.MonthCutDays;
    for (const auto& [r, x] : Drawn()) {
        const QuoteRecord& m = Month(r);
        const double wd = m.RecordNo;
        const PivotLevels now = PivotOf(m.High, m.Low, m.Close);
        for (std::size_t i = 0; i < 7; ++i) {
            if (i == 0) {
                expected.push_back({Kind::Line, x - previousWidth / 2, previous.values[0], x + wd / 2, now.values[0], QBColor(12)});
                continue;
            }
            std::int16_t rX1 = 0;
            std::int16_t rX2 = 0;
            float pv = drawn.values[i];
            float nv = now.values[i];
            const bool upper = i <= 3;
            if (upper) {
                SuppressH(levels, rX1, rX2, 0, static_cast<float>(wd), pv, nv, previous.values[i]);
            } else {
                SuppressL(levels, rX1, rX2, 0, static_cast<float>(wd), pv, nv, previous.values[i]);
            }
            drawn.values[i] = nv;
            const float level = upper ? 1150 : 950;
            if (pv == level && nv == level) {
                ++skipped;
                continue;
            }
            if (rX1 != 0 || rX2 != 0) ++cut;
            expected.push_back({Kind::Line, x - previousWidth / 2 + rX1, pv, x + wd / 2 - rX2, nv, QBColor(8)});
        }
        previous = now;
        previousWidth = wd;
    }
    EXPECT_GT(cut, 0);
    EXPECT_GT(skipped, 0);
    std::vector<Box> got;
    for (const Box& b : BoxesOf(w.printer.Calls())) {
        if (b.kind == Kind::Line && (b.color == QBColor(12) || b.color == QBColor(8))) got.push_back(b);
    }
    // Candle wicks of extreme months are QBColor(12) too: they stand upright.
    got.erase(std::remove_if(got.begin(), got.end(), [](const Box& b) { return b.x1 == b.x2; }), got.end());
    EXPECT_EQ(got, expected);
}

// Monthly kagi: from the first shown month's close and left edge, steps of
// half a month, a closing line to where the next reversal would stand; the
// same lines on paper.
TEST_F(MonthlyCandles, KagiOverMonths) {
    struct Case {
        int item;
        std::vector<Box> lines;
    };
    const Color c6 = QBColor(6);
    // Closes 100, 95, 111, 120, 100 over months from x = -3, 20 wide.
    const std::vector<Case> cases = {
        {1,
         {{Kind::Line, -3, 100, -3, 95, c6}, {Kind::Line, -3, 95, 47, 95, c6}, {Kind::Line, 47, 95, 47, 111, c6},
          {Kind::Line, 47, 111, 47, 120, c6}, {Kind::Line, 47, 120, 87, 120, c6}, {Kind::Line, 87, 120, 87, 100, c6},
          {Kind::Line, 87, 100, 97, 100, c6}}},
        {2,
         {{Kind::Line, -3, 100, -3, 95, c6}, {Kind::Line, -3, 95, 7, 95, c6}, {Kind::Line, 7, 95, 7, 111, c6},
          {Kind::Line, 7, 111, 7, 120, c6}, {Kind::Line, 7, 120, 17, 120, c6}, {Kind::Line, 17, 120, 17, 100, c6},
          {Kind::Line, 17, 100, 27, 100, c6}}},
    };
    DataFileBuilder file = MonthsOf({{100, 100}, {100, 95}, {95, 111}, {111, 120}, {120, 100}});
    for (const Case& c : cases) {
        w.SetItem("mnuKagiAshi", c.item, true);
        w.fields.KagiPct = 10;
        Draw(file, 5, 903);
        ASSERT_EQ(w.fields.MonthCutDays, 3);
        std::vector<Box> got = LinesOf(w.price, c6);
        EXPECT_EQ(got, c.lines) << c.item;
        Print();
        EXPECT_EQ(LinesOf(w.printer, c6), c.lines) << c.item;
        w.SetItem("mnuKagiAshi", c.item, false);
    }
}

// The monthly parabolic against its rules worked out here: all five months
// before the view rising for a rising start (counted only when the monthly
// file holds them), the look-back of 5 weekly-data months at a turn, falling
// in QBColor(9), each segment a month wide.
TEST_F(MonthlyCandles, ParabolicOverMonths) {
    struct Case {
        const char* what;
        std::vector<std::pair<float, float>> months;
        bool weekly;
        bool risingStart;
    };
    std::vector<std::pair<float, float>> zigzag;
    for (int k = 0; k < 16; ++k) {
        const float o = 1000 + 30.0f * (k % 8 < 5 ? k % 8 : 8 - k % 8);
        zigzag.push_back({o, k % 8 < 5 ? o + 25 : o - 25});
    }
    const std::vector<Case> cases = {
        {"four rising months: too few to count", {{100, 110}, {110, 120}, {120, 130}, {130, 140}}, false, false},
        {"sixteen months, five rising first", zigzag, false, true},
        {"the same over weekly data", zigzag, true, true},
    };
    w.SetItem("mnuParabolic", 1, true);
    for (const Case& c : cases) {
        w.fields.MonthlyFileName.clear();
        DataFileBuilder file = MonthsOf(c.months);
        if (c.weekly) {
            // One weekly bar a week, the months as in the daily file.
            DataFileBuilder weekly(70, Spacing::Weeks, {2020, 1, 6});
            int month = 0;
            for (int r = 2; r <= 71; ++r) {
                if (r > 2 && weekly[r].QuoteDate.substr(0, 2) != weekly[r - 1].QuoteDate.substr(0, 2)) ++month;
                const auto [o, cl] = c.months[static_cast<std::size_t>(std::min<int>(month, 15))];
                weekly[r].Open = o;
                weekly[r].Close = cl;
                weekly[r].High = std::max(o, cl) + 2;
                weekly[r].Low = std::min(o, cl) - 2;
            }
            file = weekly.Seal();
        }
        Draw(file, 2, 903, !c.weekly);
        const ChartWindowState& f = w.fields;
        const std::int64_t n = c.weekly ? 5 : 22;
        ASSERT_EQ(f.MonthlyFirstRecord, 2) << c.what;
        const QuoteRecord& start = Month(2);
        bool up = c.risingStart;
        float sar = up ? start.High : start.Low;
        float ep = sar;
        float af = 0.02f;
        std::vector<Box> rising, falling;
        int turns = 0;
        for (const auto& [r, x] : Drawn()) {
            const QuoteRecord& b = Month(r);
            float next = sar + af * (ep - sar);
            if (up && (next >= b.Open || next >= b.Close)) {
                up = false, ep = b.High, af = 0.02f, ++turns;
                for (std::int64_t k = 0; r - n >= 2 && k <= n; ++k) {
                    ep = std::max(ep, Month(r - k).Close), next = std::max(next, Month(r - k).High);
                }
            } else if (!up && (next <= b.Open || next <= b.Close)) {
                up = true, ep = b.Low, af = 0.02f, ++turns;
                for (std::int64_t k = 0; r - n >= 2 && k <= n; ++k) {
                    ep = std::min(ep, Month(r - k).Open), next = std::min(next, Month(r - k).Low);
                }
            } else if (up ? b.Close > ep : b.Close < ep) {
                ep = b.Close;
                if (af < 0.2f) af = static_cast<float>(static_cast<double>(af) + 0.02);
            }
            (up ? rising : falling).push_back({Kind::Line, x, next, x + b.RecordNo, next, up ? QBColor(12) : QBColor(9)});
            sar = next;
        }
        EXPECT_GT(turns, 0) << c.what;
        std::vector<Box> gotRising;
        for (const RecordedCall& l : w.price.CallsOf(Kind::Line)) {
            if (l.color == QBColor(12) && l.y1 == l.y2) {
                gotRising.push_back({Kind::Line, l.x1, l.y1, l.x2, l.y2, l.color});
                EXPECT_EQ(l.state.DrawWidth, 2);
            }
        }
        EXPECT_EQ(gotRising, rising) << c.what;
        std::vector<Box> gotFalling;
        for (const Box& b : LinesOf(w.price, QBColor(9))) gotFalling.push_back(b);
        EXPECT_EQ(gotFalling, falling) << c.what;
        EXPECT_EQ(w.price.DrawWidth(), 1);
    }
}

// On paper the stop is printed 8 wide only inside the price band, the
// printer left at width 3.
TEST_F(MonthlyCandles, PrintedParabolicInsideTheBand) {
    w.SetItem("mnuParabolic", 1, true);
    Draw(MonthsOf({{100, 110}, {110, 120}, {120, 130}, {130, 140}, {140, 150}, {150, 160}, {160, 100}}), 2, 903);
    ChartWindowState& f = w.fields;
    std::vector<double> stops;
    for (const RecordedCall& l : w.price.CallsOf(Kind::Line)) {
        if (l.y1 == l.y2 && (l.color == QBColor(12) || l.color == QBColor(9)) && l.x2 > l.x1) stops.push_back(l.y1);
    }
    ASSERT_GE(stops.size(), 6u);
    f.ClipLevelH = static_cast<float>(*std::max_element(stops.begin(), stops.end())) - 0.5;
    f.ClipLevelL = *std::min_element(stops.begin(), stops.end()) + 0.5f;
    Print();
    std::vector<double> printed;
    for (const RecordedCall& l : w.printer.CallsOf(Kind::Line)) {
        if (l.y1 == l.y2 && (l.color == QBColor(12) || l.color == QBColor(9))) {
            printed.push_back(l.y1);
            EXPECT_EQ(l.state.DrawWidth, 8);
        }
    }
    std::vector<double> inside;
    for (double s : stops) {
        if (f.ClipLevelL < s && s < f.ClipLevelH) inside.push_back(s);
    }
    EXPECT_EQ(printed, inside);
    EXPECT_LT(inside.size(), stops.size());
    EXPECT_EQ(w.printer.DrawWidth(), 3);
    EXPECT_EQ(w.price.DrawWidth(), 1);
}

}  // namespace
}  // namespace ranvik
