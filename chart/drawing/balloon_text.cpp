#include "chart/drawing/balloon_text.h"

#include <cmath>

#include "platform/runtime/values.h"

namespace ranvik {
namespace {

const std::string kBreak = "\r\n";

// A line of the Ichimoku legend is 4595 / 26 twips, a line of the volume
// legend 176.
constexpr double kIchimokuLineTwips = 4595.0 / 26.0;
constexpr double kVolumeLineTwips = 176;
constexpr double kLegendFontPoints = 9;
constexpr double kSmallestLegendFont = 6;

std::string Wrapped(const std::string& list, const std::string& unit) {
    if (list.empty()) return list;
    std::string out = "(";
    out.append(list).append(unit).append(")");
    return out;
}

void ShowVolumeExplanation(Balloon& b, const ChartWindowState& f, const BalloonMarks& m, const BalloonClick& click) {
    const bool averages = m.volumeAverage && f.MaxVolume != 0;
    std::vector<LegendLine> lines;
    if (averages) {
        const Color colours[3] = {QBColor(6), QBColor(12), QBColor(13)};
        for (int i = 0; i < 3; ++i) {
            if (f.VolumeAvgPeriods[i] > 0) {
                std::string text = "出来高移動平均 ";
                text.append(std::to_string(f.VolumeAvgPeriods[i])).append(click.unit);
                lines.push_back({text, colours[i]});
            }
        }
    }
    if (m.marginVolume) {
        if (f.ViewMaxBuyBalance != 0) lines.push_back({"信用買残", QBColor(13)});
        if (f.ViewMaxSellBalance != 0) lines.push_back({"信用売残", QBColor(9)});
    }
    BalloonLegend& legend = b.legend;
    if (!lines.empty()) {
        legend.drawn = true;
        legend.shown = true;
        legend.heightTwips = static_cast<double>(lines.size()) * kVolumeLineTwips;
        legend.height = legend.heightTwips * click.paneUnitsPerTwip;
        legend.frameColor = QBColor(2);
        legend.lines = std::move(lines);
    }

    const bool volume = f.MaxVolume != 0;
    if (averages) {
        b.caption = "出来高移動平均は相場のトレンド／需給動向を予測します" + kBreak;
    } else if (m.volumeRatio1 && volume) {
        b.caption = "ボリュームレシオは出来高の大小から過売(70 %)／過買(450 %)を判断します" + kBreak;
    } else if (m.volumeRatio2 && volume) {
        b.caption = "ボリュームレシオは出来高の大小から過売(30 %)／過買(70 %)を判断します" + kBreak;
    } else if (m.wakoVolumeRatio && volume) {
        b.caption = "ワコーボリュームレシオは出来高の大小から-40 % 以下は買い／+40 % 以上は売りを判断します" + kBreak;
    } else if (m.psychological) {
        b.caption = "ｻｲｺﾛｼﾞｶﾙﾗｲﾝは連騰／続落から相場の動きを予測します" + kBreak;
    }
    if (m.marginVolume && (f.ViewMaxSellBalance != 0 || f.ViewMaxBuyBalance != 0)) {
        b.caption.append("信用売買残高は相場の現在と将来のトレンドを予測します");
    }
    // Above the press on upside-down charts too.
    b.labelShown = true;
    b.labelLeft = click.x;
    b.labelTop = legend.shown ? click.y - legend.height : click.y;
}

// The first price-pane case that applies sets the caption.
void PricePaneCase(Balloon& b, const ChartWindowState& f, const BalloonMarks& m, const BalloonClick& click) {
    auto say = [&b](const std::string& text) {
        b.caption = text + kBreak;
        b.labelShown = true;
    };
    if (m.ichimoku) {
        BalloonLegend& legend = b.legend;
        legend.drawn = true;
        legend.heightTwips = 5 * kIchimokuLineTwips;
        legend.height = legend.heightTwips * click.paneUnitsPerTwip;
        legend.frameColor = QBColor(10);
        if (!m.ichimokuCloudOnly) {
            legend.lines = {{"基準線", QBColor(12)},
                            {"転換線", QBColor(4)},
                            {"先行ｽﾊﾟﾝ１上限線", QBColor(9)},
                            {"先行ｽﾊﾟﾝ２下限線", QBColor(13)},
                            {"遅行ｽﾊﾟﾝ", QBColor(3)}};
            legend.shown = true;
        }
        legend.left = click.x;
        legend.top = click.y;
        say("一目均衡表は将来の株価を予測します");
    } else if (m.hlBand) {
        say("HLバンドは高値や安値の更新を予測します");
    } else if (m.bollinger) {
        say("ボリンジャバンドは株価変動の範囲を予測します");
    } else if (m.envelope) {
        say("エンベロープは株価変動の範囲を予測します" +
            EnvelopePercentList(click.envelopeDaily, click.envelopeWeekly, click.envelopeQuick));
    } else if (m.inYouBars) {
        say("陰陽足は相場のトレンドと勢いを見ます");
    } else if (m.pivot) {
        say("ピボットは短期売買・逆張りで利用されます");
    } else if (m.threeDayAverage) {
        say("三日平均線「天井・底値」、又はそれらの前兆・変化などの予測で利用されます");
    } else if (m.movingAverage || m.tradeValueAverage || f.OverlayPeriods[3] >= 1) {
        const std::string periods =
            OverlayPeriodList(f.OverlayPeriods, m.movingAverage, m.tradeValueAverage, click.unit);
        if (!periods.empty()) {
            if (m.tradeValueAverage && f.FileMaxVolume != 0) {
                say("売買代金移動平均は株価の上昇／下落期待を予測します" + periods);
            } else if (m.tradeValueAverage) {
                b.labelShown = true;  // a volume-less file has no trading value to explain
            } else {
                say("移動平均は株価の上昇／下落期待を予測します" + periods);
            }
        }
    }
}

}  // namespace

BalloonMarks ReadBalloonMarks(const ChartHost& w) {
    auto on = [&w](const char* item, int index = 1) { return w.Item(item, index).Checked(); };
    BalloonMarks m;
    m.movingAverage = on("mnuIdouHeikin");
    m.ichimoku = on("mnu一目");
    m.ichimokuCloudOnly = on("mnu一目雲のみ");
    m.hlBand = on("mnuHLband");
    m.bollinger = on("mnuボリンジャ");
    m.envelope = on("mnuEnvelope");
    m.tradeValueAverage = on("mnuBBdaikin");
    m.inYouBars = on("mnu陰陽足");
    m.pivot = on("mnuPibott");
    m.threeDayAverage = on("mnu3Days");
    m.parabolic = on("mnuParabolic");
    m.kagi = on("mnuKagiAshi", 1) || on("mnuKagiAshi", 2);
    m.regression = on("mnu線形回帰") && w.Item("mnu線形回帰", 1).Enabled();
    m.volumeAverage = on("mnuDekiIdou");
    m.marginVolume = on("mnuSinyouBB");
    m.volumeRatio1 = on("mnuVolRate", 1);
    m.volumeRatio2 = on("mnuVolRate", 2);
    m.wakoVolumeRatio = on("mnuVolRate", 3);
    m.psychological = on("mnuPSY");
    return m;
}

BalloonKind BalloonKindOf(const ChartHost& w) {
    if (w.CheckValue(11) != 0 || w.CheckValue(12) != 0) return BalloonKind::NewPriceBars;
    if (w.CheckValue(4) != 0) return BalloonKind::PointFigure;
    if (w.CheckValue(1) != 0) return BalloonKind::Candlestick;
    return BalloonKind::Other;
}

Color BalloonTextColor(const ChartWindowState& f) { return f.BackColorNo == 2 ? QBColor(15) : RGB(0, 0, 255); }

bool InVolumeArea(const ChartWindowState& f, bool overlayBelowPrices, double y) {
    // The overlay's band lies between the prices and the volume area on
    // either chart, beyond PriceTop when the chart is upside down.
    if (f.InvertedChart != 0) {
        const double top = overlayBelowPrices ? f.PriceTop + f.PriceSpan : f.PriceTop;
        return y > top - f.PriceSpan / 20;
    }
    const double bottom = overlayBelowPrices ? f.PriceBottom - f.PriceSpan : f.PriceBottom;
    return y < bottom + f.PriceSpan / 20;
}

std::string EnvelopePercentList(const std::string& daily, const std::string& weekly, const std::string& quick) {
    std::string list;
    if (Val(daily) != 0) list = daily;
    // The separator comes even after an empty list.
    if (Val(weekly) != 0) list.append(",  ").append(weekly);
    if (Val(quick) != 0) list.append(",  ").append(quick);
    return Wrapped(list, " %");
}

std::string OverlayPeriodList(const std::array<std::int16_t, 4>& periods, bool movingAverage,
                              bool tradeValueAverage, const std::string& unit) {
    std::string list = periods[0] > 0 ? std::to_string(periods[0]) : std::string();
    for (int i = 1; i <= 3; ++i) {
        if (periods[i] > 0) list.append(", ").append(std::to_string(periods[i]));
    }
    if (periods[3] > 0 && !movingAverage && !tradeValueAverage) list = std::to_string(periods[3]);
    return Wrapped(list, unit);
}

std::string RegressionPeriodList(const std::array<std::int16_t, 4>& periods, const std::string& unit) {
    std::string list = periods[1] > 0 ? std::to_string(periods[1]) : std::string();
    for (int i = 2; i <= 3; ++i) {
        if (periods[i] > 0) list.append(",").append(std::to_string(periods[i]));
    }
    return Wrapped(list, unit);
}

Balloon ExplainPress(BalloonKind kind, const ChartWindowState& f, const BalloonMarks& marks,
                     const BalloonClick& click) {
    Balloon b;
    b.textColor = BalloonTextColor(f);
    switch (kind) {
        case BalloonKind::NewPriceBars:
        case BalloonKind::PointFigure:
            b.caption = kind == BalloonKind::NewPriceBars
                            ? "新値足は大きな相場の流れの転換点を捕らえます"
                            : "Ｐ＆Ｆは株価の小さな値動きにとらわれない大局的な分析に利用します";
            b.labelShown = true;
            b.labelLeft = click.x;
            b.labelTop = click.y;
            b.labelTopAddsOwnHeight = true;
            return b;
        case BalloonKind::Other: return b;
        case BalloonKind::Candlestick: break;
    }

    b.startsAfresh = true;
    if (InVolumeArea(f, marks.inYouBars || marks.threeDayAverage, click.y)) {
        if (f.MaxVolume == 0 && !marks.psychological) return b;
        ShowVolumeExplanation(b, f, marks, click);
        b.legend.left = click.x;
        b.legend.top = click.y;
        return b;
    }

    PricePaneCase(b, f, marks, click);
    // Directly below the legend box on the screen, whichever way y runs.
    b.labelLeft = click.x;
    b.labelTop = click.y;
    if (b.legend.shown) b.labelTop += f.InvertedChart != 0 ? b.legend.height : -b.legend.height;

    if (marks.kagi) {
        b.caption.append("カギ足は相場のトレンドを予測します").append(kBreak);
        b.labelShown = true;
    }
    if (marks.parabolic) {
        b.caption.append("ﾊﾟﾗﾎﾞﾘｯｸ･ﾀｲﾑ･ﾌﾟﾗｲｽは相場のトレンドの反転を予測します").append(kBreak);
        b.labelShown = true;
    }
    if (marks.regression) {
        b.caption.append("線形回帰ﾄﾚﾝﾄﾞは線の傾きや幅で値動きのﾄﾚﾝﾄﾞを予測します")
            .append(RegressionPeriodList(f.RegressionPeriods, click.unit));
        b.labelShown = true;
    }
    return b;
}

void DrawLegend(Surface& box, const BalloonLegend& legend) {
    if (!legend.drawn) return;
    const double width = box.ScaleWidth();
    const double height = box.ScaleHeight();
    box.Line(0, box.ScaleTop(), width - width / 100, height - height / 40, legend.frameColor, LineKind::Box);
    // The box allows about 176 twips a line: a screen font whose lines are
    // taller is made smaller until five lines fit.
    box.SetFontSize(kLegendFontPoints);
    while (box.FontSize() > kSmallestLegendFont && std::abs(box.TextHeight("基準線")) > kVolumeLineTwips) {
        box.SetFontSize(box.FontSize() - 0.5);
    }
    box.SetCurrentY(static_cast<double>(IntDiv(RoundHalfEven(height), 20).value_or(0)));
    for (const LegendLine& line : legend.lines) {
        box.SetCurrentX(width / 100);
        box.SetForeColor(line.color);
        box.Print(line.text);
    }
}

}  // namespace ranvik
