// The visible-range scan and the price grid step.
#include "chart/drawing/visible_range.h"

#include <gtest/gtest.h>

#include <limits>

#include "chart/drawing/price_scale.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class VisibleRange : public test::DrawingTest {
protected:
    // Bars of 60 records, High 1000 and Low 990 unless a test changes them.
    VisibleRange() : file(59) {
        for (int r = 2; r <= 60; ++r) {
            file[r].High = 1000;
            file[r].Low = 990;
        }
        w.fields.RecordCount = 60;
    }
    void Scan(int first = 2, float width = 140) {
        file.Write(dir.File("1301d.KDT"));
        ChartFile file1;
        file1.Open(dir.File("1301d.KDT"));
        w.fields.FirstRecord = static_cast<std::int16_t>(first);
        w.fields.ViewWidth = width;
        if (w.price.ScaleWidth() != width) w.price.SetScaleWidth(width);
        ScanVisibleRange(w, file1);
    }
    int Scales() { return static_cast<int>(w.price.CallsOf(Kind::Scale).size()); }

    DataFileBuilder file;
};

// A range of at most 20 takes a margin of 1/200,
// a wider one of 1/100.
TEST_F(VisibleRange, TheMarginsOfTheRange) {
    Scan();
    EXPECT_EQ(w.fields.ViewHigh, 1000);
    EXPECT_EQ(w.fields.ViewLow, 990);
    EXPECT_EQ(w.fields.PriceTop, 1005);
    EXPECT_EQ(w.fields.PriceBottom, 990.0f - 990.0f / 200.0f);  // 985.05 as a Single
    const float volume = static_cast<float>((w.fields.PriceTop - w.fields.PriceBottom) / 6);
    EXPECT_EQ(w.fields.VolumeAreaHeight, volume);
    EXPECT_EQ(w.fields.ClipLevelH, 1005);
    EXPECT_EQ(w.fields.ClipLevelL, static_cast<float>(w.fields.PriceBottom - volume));
    EXPECT_NEAR(w.price.ScaleTop(), 1005, 1e-9);
    EXPECT_NEAR(w.price.ScaleTop() + w.price.ScaleHeight(), w.fields.PriceBottom - volume, 1e-4);
    EXPECT_EQ(w.fields.PriceGridStep, 4);
    EXPECT_EQ(w.fields.AxisFormat, "#,###");

    file[10].Low = 900;
    w.fields.ViewHigh = 0;
    Scan();
    EXPECT_EQ(w.fields.PriceTop, 1010);
    EXPECT_EQ(w.fields.PriceBottom, 891);
}

// The same highest and lowest value again: scale, clip levels and grid step
// stay as they are; a new high alone moves only the top.
TEST_F(VisibleRange, AnUnchangedRangeKeepsTheScale) {
    Scan();
    const int scales = Scales();
    w.fields.PriceTop = 1234;  // would be rebuilt as 1005
    w.fields.PriceGridStep = 77;
    Scan(5);
    EXPECT_EQ(Scales(), scales);
    EXPECT_EQ(w.fields.PriceTop, 1234);
    EXPECT_EQ(w.fields.PriceGridStep, 77);

    file[20].High = 1100;
    w.fields.PriceBottom = 900;  // kept: the low is unchanged
    Scan();
    EXPECT_EQ(Scales(), scales + 1);
    EXPECT_EQ(w.fields.PriceTop, 1111);
    EXPECT_EQ(w.fields.PriceBottom, 900);
}

TEST_F(VisibleRange, AnInvertedChartHasItsLowestPriceAtTheTop) {
    file[10].Low = 900;
    w.fields.InvertedChart = -1;
    w.fields.VolumeAreaRatio = 3;  // the enlarged volume area
    Scan();
    const double volume = (1010.0 - 891.0) / 2;
    EXPECT_EQ(w.fields.VolumeAreaHeight, static_cast<float>(volume));
    EXPECT_NEAR(w.price.ScaleTop(), 891, 1e-9);
    EXPECT_NEAR(w.price.ScaleTop() + w.price.ScaleHeight(), 1010 + volume, 1e-3);
    EXPECT_EQ(w.fields.ClipLevelH, 1010 + w.fields.VolumeAreaHeight);
    EXPECT_EQ(w.fields.ClipLevelL, 891);
    EXPECT_EQ(PricePaneScale(w.fields), (ScaleCorners{0, 891, 140, 1010 + w.fields.VolumeAreaHeight}));
}

// Every bar at least partly inside the pane and the one starting at or past
// its right edge: 20 bars from the first in a pane 140 units wide.
TEST_F(VisibleRange, TheScanEndsWithTheBarThatReachesTheRightEdge) {
    file[22].High = 1500;  // the 21st bar from record 2: x = 140
    file[23].High = 2000;  // beyond
    file[22].Volume = 99999;
    file[22].SellBalance = 50;
    file[22].BuyBalance = 70;
    Scan(2, 140);
    EXPECT_EQ(w.fields.ViewHigh, 1500);
    EXPECT_EQ(w.fields.MaxVolume, 99999);
    EXPECT_EQ(w.fields.ViewMaxSellBalance, 50);
    EXPECT_EQ(w.fields.ViewMaxBuyBalance, 70);
    EXPECT_EQ(Program().store.QuoteBufA.High, 1500);  // the last bar scanned
    w.fields.ViewHigh = 0;
    Scan(2, 141);
    EXPECT_EQ(w.fields.ViewHigh, 2000);
    // At the file's end the scan stops with the last record.
    w.fields.ViewHigh = 0;
    Scan(50, 1000);
    EXPECT_EQ(w.fields.ViewHigh, 1000);
}

// One point at record 30 ("2"): the bars before it are halved, their volume
// and balances doubled, on the first bar and on the others.
TEST_F(VisibleRange, TheBarsBeforeThePointAreCorrected) {
    file[25].High = 2400;  // 1200 corrected
    file[25].Volume = 30000;
    file[20].SellBalance = 40;
    file[20].Low = 800;  // the first bar scanned: 400
    w.fields.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    w.fields.CorrectionRecords = {0, 30, 0, 0, 0, 0};
    w.fields.CorrectionRecord = 30;
    w.fields.CorrectionFactor = 2;
    w.SetItem("mnuHosei", 1, true);
    Scan(20);
    EXPECT_EQ(w.fields.ViewHigh, 1200);
    EXPECT_EQ(w.fields.ViewLow, 400);
    EXPECT_EQ(w.fields.MaxVolume, 60000);
    EXPECT_EQ(w.fields.ViewMaxSellBalance, 80);

    w.SetItem("mnuHosei", 1, false);
    w.fields.ViewHigh = 0;
    Scan(20);
    EXPECT_EQ(w.fields.ViewHigh, 2400);
}

// Monthly candles: each record's width is its RecordNo, and the monthly file
// is never corrected.
TEST_F(VisibleRange, MonthlyRecordsCarryTheirWidths) {
    for (int r = 2; r <= 60; ++r) file[r].RecordNo = 20;
    file[9].High = 1300;  // the widths of records 3 to 9 reach 140
    file[10].High = 1400;
    w.checks[8] = 1;
    w.fields.CorrectionFactors = {1, 2, 0, 0, 0, 0};
    w.fields.CorrectionRecord = 30;
    w.fields.CorrectionFactor = 2;
    w.SetItem("mnuHosei", 1, true);
    Scan(2, 140);
    EXPECT_EQ(w.fields.ViewHigh, 1300);
    EXPECT_EQ(w.fields.ViewLow, 990);
}

// After a set-up (ViewHigh 0) both bounds are taken afresh: a flat file
// whose lows equal the file's high does not keep the bottom of the stock
// shown before.  Every price 0 still gives the pane a range.
TEST_F(VisibleRange, AfterASetUpBothBoundsAreNew) {
    for (int r = 2; r <= 60; ++r) file[r].High = file[r].Low = 1000;
    w.fields.PriceBottom = 300;
    w.fields.ViewHigh = 0;
    w.fields.ViewLow = 1000;  // FileHigh
    Scan();
    EXPECT_EQ(w.fields.PriceTop, 1005);
    EXPECT_EQ(w.fields.PriceBottom, 995);

    for (int r = 2; r <= 60; ++r) file[r].High = file[r].Low = 0;
    w.fields.ViewHigh = 0;
    w.fields.ViewLow = 0;
    Scan();
    EXPECT_EQ(w.fields.PriceBottom, 0);
    EXPECT_EQ(w.fields.PriceTop, 1);
    EXPECT_NEAR(w.price.ScaleTop(), 1, 1e-9);
    EXPECT_EQ(w.fields.AxisFormat, "0.#0");
}

TEST(PriceGridStep, TheLadderAndItsRefinements) {
    const struct {
        double range;
        float step;
        const char* format;
    } cases[] = {
        {120, 20, "#,###"},
        {100, 20, "#,###"},  // 100 is not below 100
        {60, 10, "#,###"},
        {15, 3, "#,###.#0"},
        {7, 1, "0.#0"},
        {4.9, 1, "0.#0"},
        {2, 0.5f, "0.#0"},
        {0.8, 0.01f, "0.###0"},
        {0.05, 0.005f, "0.###0"},
        {0, 0.005f, "0.###0"},
        {1000, 100, "#,###"},  // up to 1,000 inclusive
        {25000, 4000, "#,###"},
        {45000, 10000, "#,###"},  // more than 20 steps: five times the step
        {70000, 10000, "#,###"},
        {300001, 60000, "#,###"},
        {300049, 60010, "#,###"},  // 60009 rounded up to a multiple of 10
        {20000000, 5000000, "#,###"},
        // Ranges of damaged bars: never more than twenty lines.
        {1e9, 250000000, "#,###"},
        {1e12, 2.5e11f, "#,###"},
        {3e30, 2.5e29f, "#,###"},
        {std::numeric_limits<double>::infinity(), 0, "0.###0"},
    };
    for (const auto& c : cases) {
        ChartWindowState f;
        f.PriceBottom = 500;
        f.PriceTop = 500 + c.range;
        ChoosePriceGridStep(f);
        EXPECT_FLOAT_EQ(f.PriceGridStep, c.step) << c.range;
        EXPECT_EQ(f.AxisFormat, c.format) << c.range;
    }
}

}  // namespace
}  // namespace ranvik
