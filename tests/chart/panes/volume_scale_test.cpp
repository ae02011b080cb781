// DrawVolumeScale: when it draws, the step, grid lines and labels in trading
// units, the unit label, the paper variant and the scale it leaves.
#include "chart/panes/volume_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/price_scale.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "tests/chart/panes/volume_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class VolumeScale : public test::VolumeAreaTest {
protected:
    void SetUp() override {
        VolumeAreaTest::SetUp();
        w.SetItem("mnuDekidaka", 1, true);
        w.SetItem("mnuGamen比", 2, true);
        w.fields.VolumeAreaRatio = 3;
        DrawChart(DataFileBuilder(60), 2);
    }
    std::vector<RecordedCall> GridLines() const {
        std::vector<RecordedCall> lines;
        for (const RecordedCall& l : w.price.CallsOf(Kind::Line)) {
            if (l.color == RGB(80, 150, 100)) lines.push_back(l);
        }
        return lines;
    }
};

// Each case works out its own levels from the rule: step, lines while
// k × step < M − step / 2, labels of unit × k × step / U in "#,###", the
// margin by label length, the unit label 2d above the last line.
TEST_F(VolumeScale, GridLinesAndLabelsOnScreen) {
    struct Case {
        const char* unitText;
        double maximum;
        int unit;
        double fontSize;
        double step;        // expected
        int lines;          // expected
        std::string first;  // first label
        std::string unitLabel;
    };
    const Case cases[] = {
        {"(100株)", 1000000, 1, 9, 160000, 5, "1,600", "x100株"},
        {"(1000株)", 50000, 1, 9, 8000, 5, "8", "x1000株"},
        {"", 50000, 1, 9, 8000, 5, "8", "x1000株"},
        {"(0株)", 50000, 1, 9, 8000, 5, "8", "x1000株"},  // a unit of 0 reads as a missing one
        {"(100株)", 250000000, 1000, 10, 40000, 5, "400,000", "x100株"},
        {"(1000株)", 500, 1, 9, 1000, 0, "", "x1000株"},  // no line fits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.unitText) + " " + std::to_string(c.maximum));
        w.fields.StockUnitText = c.unitText;
        w.price.SetFontSize(c.fontSize);
        w.price.ClearLog();
        double maximum = c.maximum;
        DrawVolumeScale(w, maximum, c.unit);
        const double m = c.maximum / c.unit;
        const int u = std::string(c.unitText).find("100株") != std::string::npos ? 100 : 1000;
        const std::vector<RecordedCall> scales = w.price.CallsOf(Kind::Scale);
        ASSERT_EQ(scales.size(), 2u);
        EXPECT_EQ(scales[0].y1, 3 * m);
        const double perTwip = 903 / w.price.Width();
        const double d = 3 * m / w.price.Height() * 90;
        const std::vector<RecordedCall> lines = GridLines();
        const std::vector<RecordedCall> texts = w.price.CallsOf(Kind::Text);
        ASSERT_EQ(static_cast<int>(lines.size()), c.lines);
        ASSERT_EQ(texts.size(), lines.size() + 1);
        double margin = RoundHalfEven(perTwip * 20);
        for (int k = 1; k <= c.lines; ++k) {
            const RecordedCall& line = lines[static_cast<std::size_t>(k - 1)];
            const RecordedCall& text = texts[static_cast<std::size_t>(k - 1)];
            const std::string label = FormatNumber(std::trunc(c.unit * k * c.step / u), "#,###");
            margin = RoundHalfEven(perTwip * 80 * static_cast<double>(label.size()));
            if (label.size() <= 3) margin = RoundHalfEven(perTwip * 20 + margin);
            EXPECT_EQ(line.y1, k * c.step);
            EXPECT_EQ(line.x1, margin);
            EXPECT_EQ(line.x2, 903);
            EXPECT_EQ(line.state.Style, DrawStyle::Dot);
            EXPECT_EQ(text.text, label);
            EXPECT_EQ(text.x1, 0);
            EXPECT_NEAR(text.y1, k * c.step + d, 1e-6);
            EXPECT_EQ(text.color, QBColor(2));
        }
        if (c.lines > 0) {
            EXPECT_EQ(texts[0].text, c.first);
            EXPECT_LT(c.lines * c.step, m - c.step / 2);
            EXPECT_GE((c.lines + 1) * c.step, m - c.step / 2);
        }
        const RecordedCall& unitLabel = texts.back();
        EXPECT_EQ(unitLabel.text, c.unitLabel);
        EXPECT_NEAR(unitLabel.y1, c.lines * c.step + 2 * d, 1e-6);
        EXPECT_NEAR(unitLabel.x1, c.fontSize > 9 ? margin * 1.3 : margin + 7, 1e-9);
        const ScaleCorners back = PricePaneScale(w.fields);
        EXPECT_EQ(scales[1].y1, back.y1);
        EXPECT_EQ(scales[1].y2, back.y2);
        EXPECT_EQ(w.price.DrawStyle(), DrawStyle::Solid);
    }
}

TEST_F(VolumeScale, WhenItDraws) {
    struct Case {
        const char* name;
        bool volumes, averages, balances;
        float balanceMax;
        const char* ratioItem;
        int ratioIndex;
        bool draws;
    };
    const Case cases[] = {
        {"bars", true, false, false, 0, "", 0, true},
        {"averages", false, true, false, 0, "", 0, true},
        {"balances", false, false, true, 500, "", 0, true},
        {"balances at 0", false, false, true, 0, "", 0, false},
        {"nothing", false, false, false, 0, "", 0, false},
        {"bars and a ratio", true, false, false, 0, "mnuVolRate", 2, false},
        {"bars and the psychological line", true, false, false, 0, "mnuPSY", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.SetItem("mnuDekidaka", 1, c.volumes);
        w.SetItem("mnuDekiIdou", 1, c.averages);
        w.SetItem("mnuSinyouBB", 1, c.balances);
        for (int i = 1; i <= 3; ++i) w.SetItem("mnuVolRate", i, false);
        w.SetItem("mnuPSY", 1, false);
        if (c.ratioIndex > 0) w.SetItem(c.ratioItem, c.ratioIndex, true);
        w.fields.ViewMaxBuyBalance = c.balanceMax;
        w.fields.ViewMaxSellBalance = 0;
        w.price.ClearLog();
        double maximum = 1000000;
        DrawVolumeScale(w, maximum, 1);
        EXPECT_EQ(!w.price.Calls().empty(), c.draws);
    }
}

// Balances alone: the larger balance maximum in units of 1, whatever the
// volume unit passed.
TEST_F(VolumeScale, BalancesAloneTakeTheLargerBalance) {
    w.SetItem("mnuDekidaka", 1, false);
    w.SetItem("mnuSinyouBB", 1, true);
    w.fields.ViewMaxBuyBalance = 600000;
    w.fields.ViewMaxSellBalance = 900000;
    w.fields.StockUnitText = "(100株)";
    double maximum = 250000000;
    DrawVolumeScale(w, maximum, 1000);
    const std::vector<RecordedCall> scales = w.price.CallsOf(Kind::Scale);
    ASSERT_FALSE(scales.empty());
    EXPECT_EQ(scales[0].y1, 3 * 900000.0);
    const std::vector<RecordedCall> texts = w.price.CallsOf(Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "1,500");  // step 150,000 / 100
    EXPECT_EQ(maximum, 250000000);
}

TEST_F(VolumeScale, InvertedChartGetsItsPriceScaleBack) {
    w.fields.InvertedChart = -1;
    DrawChart(DataFileBuilder(60), 2);
    double maximum = 1000000;
    DrawVolumeScale(w, maximum, 1);
    const ScaleCorners back = PricePaneScale(w.fields);
    EXPECT_EQ(w.price.ScaleTop(), back.y1);
    EXPECT_EQ(w.price.ScaleTop() + w.price.ScaleHeight(), back.y2);
}

// On paper: lines at VolumeAreaRatio × M − k × step across the price pane's
// width, labels at b − m / 2, the unit label after the last one; the
// printer's scale untouched.
TEST_F(VolumeScale, OnPaper) {
    w.fields.StockUnitText = "(100株)";
    StartPrinting();
    const double m = 1000000;
    const double base = 3 * m;
    w.printer.Scale(-90, 0, 1000, base * 1.5);
    const double top = w.printer.ScaleTop();
    const double height = w.printer.ScaleHeight();
    w.printer.ClearLog();
    double maximum = m;
    DrawVolumeScale(w, maximum, 1);
    const double d = 150 * base / w.printer.Height();
    const double b = std::trunc(903.0 / 300);
    const double margin = std::trunc(903 * 0.1);
    std::vector<RecordedCall> lines;
    for (const RecordedCall& l : w.printer.CallsOf(Kind::Line)) lines.push_back(l);
    const std::vector<RecordedCall> texts = w.printer.CallsOf(Kind::Text);
    ASSERT_EQ(lines.size(), 5u);
    ASSERT_EQ(texts.size(), 6u);
    for (int k = 1; k <= 5; ++k) {
        const RecordedCall& l = lines[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(l.y1, base - k * 160000.0);
        EXPECT_EQ(l.x1, 0);
        EXPECT_EQ(l.x2, 903);
        EXPECT_EQ(l.color, RGB(80, 150, 100));
        const RecordedCall& t = texts[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(t.text, FormatNumber(1600.0 * k, "#,###"));
        EXPECT_EQ(t.x1, b - margin / 2);
        EXPECT_NEAR(t.y1, base - k * 160000.0 - d, 1e-6);
        EXPECT_EQ(t.color, QBColor(8));
    }
    const double width = RoundHalfEven(903 / w.price.Width() * 95 * 4);  // "8000"
    EXPECT_EQ(texts.back().text, "x100株");
    EXPECT_NEAR(texts.back().x1, b - margin / 2 + width, 1e-9);
    EXPECT_NEAR(texts.back().y1, base - 5 * 160000.0 - 2 * d, 1e-6);
    EXPECT_EQ(w.printer.ScaleTop(), top);
    EXPECT_EQ(w.printer.ScaleHeight(), height);
    EXPECT_EQ(w.printer.DrawStyle(), DrawStyle::Solid);
    EXPECT_TRUE(w.price.Calls().empty());
}

}  // namespace
}  // namespace ranvik
