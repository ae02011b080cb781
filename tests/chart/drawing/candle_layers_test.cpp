// The layers the candlestick drawer hands over to: which run, in what order,
// with what arguments and on which file, for daily and monthly candles.
#include "chart/drawing/candle_layers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/candle_chart.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

std::string Num(double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

class CandleLayersTest : public test::DrawingTest {
protected:
    // Each layer logs its name and arguments, and whether file number 1 is
    // anything but the data file at the call.
    CandleLayers Recording() {
        CandleLayers l;
        auto file = [this](ChartFile& f1) {
            if (!f1.IsOpen()) return std::string(" (file 1 closed)");
            return f1.Path() == w.fields.DataFileName ? std::string() : " (file 1 " + f1.Path() + ")";
        };
        l.ichimoku = [this, file](ChartHost& h, ChartFile& f1) {
            log.push_back("ichimoku " + std::to_string(h.Fields().IchimokuCloudPass) + file(f1));
            if (h.Fields().IchimokuCloudPass == -1) linesBeforeCloud = w.price.CallsOf(Kind::Line).size();
        };
        l.topics = [this](ChartHost&, double& x, double& height, int year) {
            log.push_back("topics " + Num(x) + " " + std::to_string(year));
            heights.push_back(height);
        };
        l.volumeScale = [this](ChartHost&, double& maxVolume, int unit) {
            log.push_back("volume scale " + Num(maxVolume) + " " + std::to_string(unit));
        };
        l.regression = [this, file](ChartHost&, ChartFile& f1, std::int64_t& last, double& x) {
            log.push_back("regression " + std::to_string(last) + " " + Num(x) + file(f1));
        };
        l.pricePane = [this, file](ChartHost&, ChartFile& f1) { log.push_back("price pane" + file(f1)); };
        l.indicatorPane = [this, file](ChartHost&, ChartFile& f1) { log.push_back("indicator pane" + file(f1)); };
        l.volumePane = [this, file](ChartHost&, ChartFile& f1) { log.push_back("volume pane" + file(f1)); };
        l.priceBandVolume = [this, file](ChartHost&, ChartFile& f1) {
            log.push_back("price-band volume" + file(f1));
        };
        return l;
    }

    void Draw(const DataFileBuilder& file, float viewWidth = 903, int firstRecord = 2) {
        file.Write(dir.File("1301d.KDT"));
        DataFileBuilder copy = file;
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = static_cast<std::int16_t>(firstRecord);
        f.RecordCount = copy.Header().RecordNo;
        f.ViewWidth = viewWidth;
        f.ViewHigh = 0;
        f.IsDaily = -1;
        f.PeriodUnit = "日";
        f.FileHigh = copy.Header().High;
        f.FileLow = copy.Header().Low;
        f.FileMaxVolume = copy.Header().Volume;
        w.price.Scale(0, 1, viewWidth, 0);
        w.indicator.Scale(0, 1, viewWidth, 0);
        w.price.ClearLog();
        log.clear();
        heights.clear();
        ChartFile file1;
        file1.Open(f.DataFileName);
        DrawCandleChart(w, file1, Recording());
        EXPECT_EQ(file1.Path(), f.DataFileName);
    }

    std::vector<std::string> log;
    std::vector<double> heights;
    std::size_t linesBeforeCloud = 99;
};

// The layers by menu state over ten daily bars from 6 January 2020.
TEST_F(CandleLayersTest, OrderAndConditionsOfADailyChart) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, int>> items;
        int check9;
        std::vector<std::string> log;
    };
    const std::vector<std::string> panes = {"price pane", "indicator pane", "volume pane"};
    auto with = [&](std::vector<std::string> before, std::vector<std::string> after = {}) {
        before.insert(before.end(), panes.begin(), panes.end());
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const std::vector<Case> cases = {
        {"nothing checked", {}, 0, with({})},
        {"ichimoku", {{"mnu一目", 1}}, 0, with({"ichimoku -1", "ichimoku 0"})},
        {"ichimoku cloud only", {{"mnu一目", 1}, {"mnu一目雲のみ", 1}}, 0, with({"ichimoku -1"})},
        {"price-band volume", {}, 1, with({}, {"price-band volume"})},
        {"enlarged volume area", {{"mnuGamen比", 2}}, 0, with({"volume scale 10110 1"})},
        {"regression",
         {{"mnu線形回帰", 1}, {"mnuGamen比", 2}, {"mnuDekidaka", 1}, {"mnu一目", 1}},
         1,
         with({"ichimoku -1", "volume scale 10110 1", "regression 11 63", "ichimoku 0"}, {"price-band volume"})},
    };
    for (const Case& c : cases) {
        for (const auto& [item, index] : c.items) w.SetItem(item, index, true);
        w.checks[9] = c.check9;
        Draw(DataFileBuilder(10));
        EXPECT_EQ(log, c.log) << c.what;
        for (const auto& [item, index] : c.items) w.SetItem(item, index, false);
    }
    // The cloud is drawn before any line of the chart.
    w.SetItem("mnu一目", 1, true);
    Draw(DataFileBuilder(10));
    EXPECT_EQ(linesBeforeCloud, 0u);
}

// No volume in the view: the enlarged area gets no scale.
TEST_F(CandleLayersTest, NoVolumeScaleWithoutVolume) {
    DataFileBuilder file(5);
    for (int r = 2; r <= 6; ++r) file[r].Volume = 0;
    file.Seal();
    w.SetItem("mnuGamen比", 2, true);
    w.SetItem("mnuDekidaka", 1, true);
    Draw(file);
    EXPECT_EQ(log, (std::vector<std::string>{"price pane", "indicator pane", "volume pane"}));
}

// Topics of the first year when the view starts in October or before, and of
// each year the bars reach, from the year line's x with the text unit.
TEST_F(CandleLayersTest, TopicsOfTheShownYears) {
    struct Case {
        Date first;
        std::vector<std::string> topics;
    };
    // From 1 October 2019, 66 weekdays to the year change on Wednesday 1
    // January 2020; from 2 December 2019, 22.
    const std::vector<Case> cases = {
        {{2019, 10, 1}, {"topics 0 19", "topics 462 20"}},
        {{2019, 12, 2}, {"topics 154 20"}},
    };
    w.SetItem("mnuTopicsDisp", 2, true);
    for (const Case& c : cases) {
        Draw(DataFileBuilder(80, Spacing::Weekdays, c.first), 903);
        std::vector<std::string> topics(log.begin(), log.end() - 3);
        EXPECT_EQ(topics, c.topics);
        const double u = (w.fields.PriceTop - w.fields.PriceBottom) / w.price.Height() * 100;
        for (double h : heights) EXPECT_DOUBLE_EQ(h, u);
    }
}

// Monthly candles: the same order, the regression over the monthly file up
// to the last drawn month and the x after it, the panes on the data file.
TEST_F(CandleLayersTest, OrderOfAMonthlyChart) {
    w.checks[8] = 1;
    w.checks[9] = 1;
    for (const auto& [item, index] : std::vector<std::pair<const char*, int>>{
             {"mnu一目", 1}, {"mnu線形回帰", 1}, {"mnuGamen比", 2}, {"mnuDekidaka", 1}, {"mnuTopicsDisp", 1}}) {
        w.SetItem(item, index, true);
    }
    // Weekdays from 2 December 2019: December is records 2 to 23, then
    // January to March 2020; the view starts on 16 December.
    DataFileBuilder file(80, Spacing::Weekdays, {2019, 12, 2});
    Draw(file, 903, 12);
    const ChartWindowState& f = w.fields;
    ASSERT_EQ(f.MonthlyFirstRecord, 2);
    ASSERT_EQ(f.MonthCutDays, 10);
    ChartFile monthly;
    monthly.Open(dir.File(f.MonthlyFileName));
    const std::int64_t last = f.MonthlyRecordCount;
    const double x = -10 + 20.0 * (last - 1);
    const std::string volume = Num(f.MaxVolume);
    EXPECT_EQ(log, (std::vector<std::string>{"ichimoku -1", "topics 10 20", "volume scale " + volume + " 1",
                                             "regression " + std::to_string(last) + " " + Num(x) + " (file 1 " +
                                                 dir.File(f.MonthlyFileName) + ")",
                                             "ichimoku 0", "price pane", "indicator pane", "volume pane",
                                             "price-band volume"}));
}

}  // namespace
}  // namespace ranvik
