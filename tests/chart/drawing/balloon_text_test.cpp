// The price pane's explanation balloon: which texts, legend lines and
// places a left press gives, the volume-area boundary and the period lists.
#include "chart/drawing/balloon_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

const std::string kBr = "\r\n";
const std::string kMaText = "移動平均は株価の上昇／下落期待を予測します";
const std::string kIchimokuText = "一目均衡表は将来の株価を予測します";
const std::string kVolumeAverageText = "出来高移動平均は相場のトレンド／需給動向を予測します";
const std::string kMarginText = "信用売買残高は相場の現在と将来のトレンドを予測します";
const std::string kRegressionText = "線形回帰ﾄﾚﾝﾄﾞは線の傾きや幅で値動きのﾄﾚﾝﾄﾞを予測します";

// A drawn daily chart: prices 1000 to 1200, the volume area below 1000
// (above 1200 upside down); 0.05 price units to the twip.
ChartWindowState Drawn(bool inverted = false) {
    ChartWindowState f;
    f.ChartShown = 1;
    f.PriceTop = 1200;
    f.PriceBottom = 1000;
    f.PriceSpan = 200;
    f.InvertedChart = inverted ? -1 : 0;
    f.MaxVolume = 5000;
    f.FileMaxVolume = 8000;
    f.ViewMaxBuyBalance = 300;
    f.ViewMaxSellBalance = 200;
    f.OverlayPeriods = {5, 25, 75, 0};
    f.RegressionPeriods = {0, 13, 0, 26};
    f.VolumeAvgPeriods = {5, 25, 0};
    f.PeriodUnit = "日";
    return f;
}

constexpr double kUnitsPerTwip = 0.05;
const double kIchimokuHeight = 5 * 4595.0 / 26 * kUnitsPerTwip;

BalloonClick At(double x, double y, const std::string& unit = "日") {
    BalloonClick c;
    c.x = x;
    c.y = y;
    c.paneUnitsPerTwip = kUnitsPerTwip;
    c.unit = unit;
    return c;
}

TEST(Balloon, TextsLegendsAndPlacesByKindMarksAndPlace) {
    BalloonMarks none;  // every mark off
    BalloonMarks ma = none;
    ma.movingAverage = true;
    BalloonMarks ichimoku = none;
    ichimoku.ichimoku = true;
    ichimoku.hlBand = true;  // the first case that applies decides
    BalloonMarks cloud = ichimoku;
    cloud.ichimokuCloudOnly = true;
    BalloonMarks appended = none;
    appended.hlBand = true;
    appended.kagi = true;
    appended.parabolic = true;
    appended.regression = true;
    BalloonMarks tradeValue = none;
    tradeValue.tradeValueAverage = true;
    BalloonMarks volume = none;
    volume.volumeAverage = true;
    volume.marginVolume = true;
    BalloonMarks ratio2 = none;
    ratio2.volumeRatio2 = true;
    ratio2.psychological = true;

    const std::vector<LegendLine> ichimokuLines = {{"基準線", QBColor(12)},
                                                   {"転換線", QBColor(4)},
                                                   {"先行ｽﾊﾟﾝ１上限線", QBColor(9)},
                                                   {"先行ｽﾊﾟﾝ２下限線", QBColor(13)},
                                                   {"遅行ｽﾊﾟﾝ", QBColor(3)}};
    const std::vector<LegendLine> volumeLines = {{"出来高移動平均 5日", QBColor(6)},
                                                 {"出来高移動平均 25日", QBColor(12)},
                                                 {"信用買残", QBColor(13)},
                                                 {"信用売残", QBColor(9)}};
    const double volumeHeight = 4 * 176 * kUnitsPerTwip;

    struct Case {
        const char* name;
        BalloonKind kind;
        BalloonMarks marks;
        double y;
        bool inverted;
        std::string caption;
        bool labelShown;
        double labelTop;  // of the label, before its own height
        bool addsOwnHeight;
        std::vector<LegendLine> legend;  // shown lines
        bool legendDrawn;
        double legendHeight;
    };
    const Case cases[] = {
        {"new price bars", BalloonKind::NewPriceBars, ma, 1100, false, "新値足は大きな相場の流れの転換点を捕らえます",
         true, 1100, true, {}, false, 0},
        {"point and figure", BalloonKind::PointFigure, ma, 1100, true,
         "Ｐ＆Ｆは株価の小さな値動きにとらわれない大局的な分析に利用します", true, 1100, true, {}, false, 0},
        {"stock comparison explains nothing", BalloonKind::Other, ma, 1100, false, "", false, 0, false, {}, false, 0},
        {"moving averages", BalloonKind::Candlestick, ma, 1100, false, kMaText + "(5, 25, 75日)" + kBr, true, 1100,
         false, {}, false, 0},
        {"nothing checked: no text", BalloonKind::Candlestick, none, 1100, false, "", false, 1100, false, {}, false,
         0},
        {"ichimoku upright: label below the box", BalloonKind::Candlestick, ichimoku, 1100, false, kIchimokuText + kBr,
         true, 1100 - kIchimokuHeight, false, ichimokuLines, true, kIchimokuHeight},
        {"ichimoku upside down: label below the box", BalloonKind::Candlestick, ichimoku, 1100, true,
         kIchimokuText + kBr, true, 1100 + kIchimokuHeight, false, ichimokuLines, true, kIchimokuHeight},
        {"ichimoku cloud only: framed, not shown", BalloonKind::Candlestick, cloud, 1100, false, kIchimokuText + kBr,
         true, 1100, false, {}, true, kIchimokuHeight},
        {"appended texts in order", BalloonKind::Candlestick, appended, 1100, false,
         "HLバンドは高値や安値の更新を予測します" + kBr + "カギ足は相場のトレンドを予測します" + kBr +
             "ﾊﾟﾗﾎﾞﾘｯｸ･ﾀｲﾑ･ﾌﾟﾗｲｽは相場のトレンドの反転を予測します" + kBr + kRegressionText + "(13,26日)",
         true, 1100, false, {}, false, 0},
        {"trade value average", BalloonKind::Candlestick, tradeValue, 1100, false,
         "売買代金移動平均は株価の上昇／下落期待を予測します(5, 25, 75日)" + kBr, true, 1100, false, {}, false, 0},
        {"volume area: averages and balances", BalloonKind::Candlestick, volume, 995, false,
         kVolumeAverageText + kBr + kMarginText, true, 995 - volumeHeight, false, volumeLines, true, volumeHeight},
        {"volume area upside down: still above the box", BalloonKind::Candlestick, volume, 1250, true,
         kVolumeAverageText + kBr + kMarginText, true, 1250 - volumeHeight, false, volumeLines, true, volumeHeight},
        {"volume area: ratio before the psychological line", BalloonKind::Candlestick, ratio2, 900, false,
         "ボリュームレシオは出来高の大小から過売(30 %)／過買(70 %)を判断します" + kBr, true, 900, false, {}, false,
         0},
        {"a price-pane click upside down is below PriceTop", BalloonKind::Candlestick, ma, 1185, true,
         kMaText + "(5, 25, 75日)" + kBr, true, 1185, false, {}, false, 0},
    };
    for (const Case& c : cases) {
        const Balloon b = ExplainPress(c.kind, Drawn(c.inverted), c.marks, At(30, c.y));
        EXPECT_EQ(b.caption, c.caption) << c.name;
        EXPECT_EQ(b.labelShown, c.labelShown) << c.name;
        EXPECT_EQ(b.textColor, RGB(0, 0, 255)) << c.name;
        EXPECT_EQ(b.startsAfresh, c.kind == BalloonKind::Candlestick) << c.name;
        if (c.labelShown) {
            EXPECT_EQ(b.labelLeft, 30) << c.name;
            EXPECT_NEAR(b.labelTop, c.labelTop, 1e-9) << c.name;
            EXPECT_EQ(b.labelTopAddsOwnHeight, c.addsOwnHeight) << c.name;
        }
        EXPECT_EQ(b.legend.drawn, c.legendDrawn) << c.name;
        EXPECT_EQ(b.legend.shown, !c.legend.empty()) << c.name;
        EXPECT_EQ(b.legend.lines, c.legend) << c.name;
        if (c.legendDrawn) {
            EXPECT_NEAR(b.legend.height, c.legendHeight, 1e-9) << c.name;
            EXPECT_EQ(b.legend.left, 30) << c.name;
            EXPECT_EQ(b.legend.top, c.y) << c.name;
            EXPECT_EQ(b.legend.frameColor, c.kind == BalloonKind::Candlestick && c.marks.ichimoku ? QBColor(10)
                                                                                                : QBColor(2))
                << c.name;
        }
    }
}

TEST(Balloon, TextColourFollowsTheBlackBackground) {
    ChartWindowState f = Drawn();
    for (int no = 1; no <= 7; ++no) {
        f.BackColorNo = static_cast<std::int16_t>(no);
        const Balloon b = ExplainPress(BalloonKind::Other, f, {}, At(0, 0));
        EXPECT_EQ(b.textColor, no == 2 ? QBColor(15) : RGB(0, 0, 255)) << no;
    }
}

TEST(Balloon, VolumeAreaCasesWithoutVolumeOrBalances) {
    BalloonMarks volume;
    volume.volumeAverage = true;
    volume.marginVolume = true;
    volume.psychological = true;
    BalloonMarks plain;
    plain.volumeAverage = true;

    ChartWindowState noVolume = Drawn();
    noVolume.MaxVolume = 0;
    noVolume.ViewMaxBuyBalance = 0;
    noVolume.ViewMaxSellBalance = 0;
    // Bars without volume and no psychological line: nothing at all.
    Balloon b = ExplainPress(BalloonKind::Candlestick, noVolume, plain, At(7, 990));
    EXPECT_FALSE(b.labelShown);
    EXPECT_FALSE(b.legend.drawn);
    EXPECT_TRUE(b.caption.empty());
    EXPECT_TRUE(b.startsAfresh);
    // The psychological line is explained whatever the volume; no legend.
    b = ExplainPress(BalloonKind::Candlestick, noVolume, volume, At(7, 990));
    EXPECT_EQ(b.caption, "ｻｲｺﾛｼﾞｶﾙﾗｲﾝは連騰／続落から相場の動きを予測します" + kBr);
    EXPECT_TRUE(b.labelShown);
    EXPECT_FALSE(b.legend.shown);
    EXPECT_EQ(b.labelTop, 990);

    // Balances alone: their legend lines and the balance text, no average.
    ChartWindowState balances = noVolume;
    balances.ViewMaxSellBalance = 50;
    b = ExplainPress(BalloonKind::Candlestick, balances, volume, At(7, 990));
    EXPECT_EQ(b.caption, "ｻｲｺﾛｼﾞｶﾙﾗｲﾝは連騰／続落から相場の動きを予測します" + kBr + kMarginText);
    ASSERT_EQ(b.legend.lines.size(), 1u);
    EXPECT_EQ(b.legend.lines[0], (LegendLine{"信用売残", QBColor(9)}));
    EXPECT_NEAR(b.legend.height, 176 * kUnitsPerTwip, 1e-9);

    // The three volume ratios by their marks.
    const struct {
        bool BalloonMarks::*mark;
        const char* caption;
    } ratios[] = {
        {&BalloonMarks::volumeRatio1, "ボリュームレシオは出来高の大小から過売(70 %)／過買(450 %)を判断します"},
        {&BalloonMarks::volumeRatio2, "ボリュームレシオは出来高の大小から過売(30 %)／過買(70 %)を判断します"},
        {&BalloonMarks::wakoVolumeRatio,
         "ワコーボリュームレシオは出来高の大小から-40 % 以下は買い／+40 % 以上は売りを判断します"},
    };
    for (const auto& r : ratios) {
        BalloonMarks m;
        m.*(r.mark) = true;
        b = ExplainPress(BalloonKind::Candlestick, Drawn(), m, At(7, 990));
        EXPECT_EQ(b.caption, r.caption + kBr) << r.caption;
        EXPECT_FALSE(b.legend.drawn) << r.caption;
    }
}

TEST(Balloon, VolumeAreaBoundaryMovesDownWithTheOverlaysBelowThePrices) {
    const ChartWindowState up = Drawn();
    const ChartWindowState down = Drawn(true);
    const double line = up.PriceBottom + up.PriceSpan / 20;                     // 1010
    const double shifted = up.PriceBottom - up.PriceSpan + up.PriceSpan / 20;  // 810
    const double downLine = down.PriceTop - down.PriceSpan / 20;                // 1190
    // Upside down the overlay's band lies beyond PriceTop: its boundary
    // moves the other way.
    const double downShifted = down.PriceTop + down.PriceSpan - down.PriceSpan / 20;  // 1390
    const struct {
        const ChartWindowState* f;
        bool overlay;
        double y;
        bool volume;
    } cases[] = {
        {&up, false, line - 0.01, true},       {&up, false, line, false},
        {&up, true, line - 0.01, false},       {&up, true, shifted - 0.01, true},
        {&up, true, shifted, false},           {&down, false, downLine + 0.01, true},
        {&down, false, downLine, false},       {&down, true, downLine + 0.01, false},
        {&down, true, downShifted, false},     {&down, true, downShifted + 0.01, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InVolumeArea(*c.f, c.overlay, c.y), c.volume)
            << "y " << c.y << " overlay " << c.overlay << " inverted " << c.f->InvertedChart;
    }
    // A click between the two lines: price-pane text with 陰陽足, the volume
    // text without.
    BalloonMarks marks;
    marks.movingAverage = true;
    marks.volumeAverage = true;
    const Balloon plain = ExplainPress(BalloonKind::Candlestick, up, marks, At(7, 950));
    EXPECT_EQ(plain.caption, kVolumeAverageText + kBr);
    marks.inYouBars = true;
    marks.movingAverage = false;
    const Balloon overlay = ExplainPress(BalloonKind::Candlestick, up, marks, At(7, 950));
    EXPECT_EQ(overlay.caption, "陰陽足は相場のトレンドと勢いを見ます" + kBr);
    marks.inYouBars = false;
    marks.threeDayAverage = true;
    EXPECT_EQ(ExplainPress(BalloonKind::Candlestick, up, marks, At(7, 950)).caption,
              "三日平均線「天井・底値」、又はそれらの前兆・変化などの予測で利用されます" + kBr);
    // The same on an upside-down chart, in the band above PriceTop.
    EXPECT_EQ(ExplainPress(BalloonKind::Candlestick, down, marks, At(7, 1250)).caption,
              "三日平均線「天井・底値」、又はそれらの前兆・変化などの予測で利用されます" + kBr);
    marks.threeDayAverage = false;
    EXPECT_EQ(ExplainPress(BalloonKind::Candlestick, down, marks, At(7, 1250)).caption, kVolumeAverageText + kBr);
}

TEST(Balloon, EnvelopePercentLists) {
    const struct {
        const char* daily;
        const char* weekly;
        const char* quick;
        const char* list;
    } cases[] = {
        {"0", "10", "", "(,  10 %)"},  // the separator comes first when the daily percent is 0
        {"5", "10", "2.5", "(5,  10,  2.5 %)"},
        {"5", "", "", "(5 %)"},
        {"", "0", "0", ""},
        {"3", "0", "7", "(3,  7 %)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnvelopePercentList(c.daily, c.weekly, c.quick), c.list) << c.daily << "|" << c.weekly;
    }
    BalloonMarks m;
    m.envelope = true;
    BalloonClick click = At(7, 1100);
    click.envelopeDaily = "0";
    click.envelopeWeekly = "10";
    EXPECT_EQ(ExplainPress(BalloonKind::Candlestick, Drawn(), m, click).caption,
              "エンベロープは株価変動の範囲を予測します(,  10 %)" + kBr);
}

TEST(Balloon, PeriodLists) {
    using P = std::array<std::int16_t, 4>;
    const struct {
        P periods;
        bool ma;
        bool tradeValue;
        const char* unit;
        const char* list;
    } overlays[] = {
        {{5, 25, 75, 0}, true, false, "日", "(5, 25, 75日)"},
        {{5, 25, 75, 0}, true, false, "月", "(5, 25, 75月)"},
        {{0, 13, 26, 0}, true, false, "週", "(, 13, 26週)"},  // the separator even after nothing
        {{5, 25, 75, 9}, true, false, "日", "(5, 25, 75, 9日)"},
        {{5, 25, 75, 9}, false, false, "日", "(9日)"},  // element 3 alone without either item
        {{5, 0, 0, 9}, false, true, "日", "(5, 9日)"},
        {{0, 0, 0, 0}, true, true, "日", ""},
    };
    for (const auto& c : overlays) {
        EXPECT_EQ(OverlayPeriodList(c.periods, c.ma, c.tradeValue, c.unit), c.list) << c.list;
    }
    const struct {
        P periods;
        const char* list;
    } regressions[] = {
        {{99, 13, 0, 26}, "(13,26日)"},  // element 0 is not a regression period
        {{0, 0, 13, 26}, "(,13,26日)"},
        {{0, 13, 26, 52}, "(13,26,52日)"},
        {{0, 0, 0, 0}, ""},
    };
    for (const auto& c : regressions) EXPECT_EQ(RegressionPeriodList(c.periods, "日"), c.list) << c.list;

    // The moving-average case's neighbours: no periods, no text; the trade
    // value of a file without volume shows an empty label; element 3 alone.
    BalloonMarks tradeValue;
    tradeValue.tradeValueAverage = true;
    ChartWindowState noVolume = Drawn();
    noVolume.FileMaxVolume = 0;
    Balloon b = ExplainPress(BalloonKind::Candlestick, noVolume, tradeValue, At(7, 1100));
    EXPECT_TRUE(b.labelShown);
    EXPECT_TRUE(b.caption.empty());
    ChartWindowState none = Drawn();
    none.OverlayPeriods = {0, 0, 0, 0};
    BalloonMarks ma;
    ma.movingAverage = true;
    b = ExplainPress(BalloonKind::Candlestick, none, ma, At(7, 1100));
    EXPECT_FALSE(b.labelShown);
    ChartWindowState third = none;
    third.OverlayPeriods[3] = 10;
    b = ExplainPress(BalloonKind::Candlestick, third, BalloonMarks{}, At(7, 1100, "月"));
    EXPECT_EQ(b.caption, kMaText + "(10月)" + kBr);
}

TEST(Balloon, LegendFrameAndLinesOnTheBoxsOwnScale) {
    // Heights where rounding the scale height (halves to even) before the
    // integer division decides the first line.
    const struct {
        double height;
        double firstLine;
    } cases[] = {{899.5, 45}, {900.5, 45}, {885, 44}, {939.4, 46}};
    BalloonLegend legend;
    legend.drawn = true;
    legend.shown = true;
    legend.frameColor = QBColor(2);
    legend.lines = {{"信用買残", QBColor(13)}, {"信用売残", QBColor(9)}};
    for (const auto& c : cases) {
        RecordingSurface box(2400, c.height);
        DrawLegend(box, legend);
        const auto boxes = box.CallsOf(RecordedCall::Kind::Box);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].x1, 0);
        EXPECT_EQ(boxes[0].y1, 0);
        EXPECT_DOUBLE_EQ(boxes[0].x2, 2400 - 24.0);
        EXPECT_DOUBLE_EQ(boxes[0].y2, c.height - c.height / 40);
        EXPECT_EQ(boxes[0].color, QBColor(2));
        const auto texts = box.CallsOf(RecordedCall::Kind::Text);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "信用買残");
        EXPECT_EQ(texts[0].color, QBColor(13));
        EXPECT_DOUBLE_EQ(texts[0].x1, 24);
        EXPECT_EQ(texts[0].y1, c.firstLine) << c.height;
        EXPECT_EQ(texts[1].text, "信用売残");
        EXPECT_EQ(texts[1].color, QBColor(9));
        EXPECT_DOUBLE_EQ(texts[1].x1, 24);
        EXPECT_DOUBLE_EQ(texts[1].y1, c.firstLine + box.TextHeight("信用買残"));
        // Lines no taller than the box allows, in a font no larger than 9 points.
        EXPECT_LE(box.FontSize(), 9);
        EXPECT_TRUE(box.TextHeight("基準線") <= 176 || box.FontSize() == 6) << box.FontSize();
    }
    // A legend not drawn leaves the box alone.
    RecordingSurface box(2400, 900);
    DrawLegend(box, BalloonLegend{});
    EXPECT_TRUE(box.Calls().empty());
}

}  // namespace
}  // namespace ranvik
