#pragma once
// The explanation balloon of the price pane: what a left press on the chart
// explains, worked out apart from the window.  A balloon is a text label at
// the pointer and, for the Ichimoku lines and the volume-area averages and
// margin balances, a legend box with one coloured line per drawn series.
// The texts follow the chart kind, the part of the pane pressed (prices or
// the volume area) and the indicator marks of the window.
//
// Positions are in the price pane's own scale (x in bar units, y the price;
// y runs upward unless the chart is drawn upside down).  Captions end their
// lines with a carriage return and a line feed.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "chart/drawing/chart_host.h"
#include "platform/color/color.h"
#include "platform/surface/surface.h"

namespace ranvik {

// The indicator marks a balloon reads, as the window's 指標 menu holds them.
struct BalloonMarks {
    bool movingAverage = false;      // 移動平均線
    bool ichimoku = false;           // 一目均衡表
    bool ichimokuCloudOnly = false;  // 一目均衡表雲のみ
    bool hlBand = false;
    bool bollinger = false;
    bool envelope = false;
    bool tradeValueAverage = false;  // 売買代金移動平均
    bool inYouBars = false;          // 陰陽足
    bool pivot = false;
    bool threeDayAverage = false;    // 三日平均線
    bool parabolic = false;
    bool kagi = false;               // either カギ足 item
    bool regression = false;         // 線形回帰ﾄﾚﾝﾄﾞ, checked and enabled
    bool volumeAverage = false;      // 出来高移動平均
    bool marginVolume = false;       // 信用売買高
    bool volumeRatio1 = false;       // ﾎﾞﾘｭｰﾑﾚｼｵ(1)
    bool volumeRatio2 = false;       // ﾎﾞﾘｭｰﾑﾚｼｵ(2)
    bool wakoVolumeRatio = false;    // ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ
    bool psychological = false;      // ｻｲｺﾛｼﾞｶﾙﾗｲﾝ
};

BalloonMarks ReadBalloonMarks(const ChartHost& w);

// The chart kind as the balloon tells kinds apart.
enum class BalloonKind { Candlestick, NewPriceBars, PointFigure, Other };

// Check1 candlestick, Check4 point and figure, Check11 and Check12 the
// new-price-bar charts, which are asked first.
BalloonKind BalloonKindOf(const ChartHost& w);

// The press and what the window holds around it.
struct BalloonClick {
    double x = 0;
    double y = 0;
    // Price-pane units per twip upward or downward, as a magnitude: the
    // legend box's height in twips becomes the pane's units with it.
    double paneUnitsPerTwip = 1;
    // The envelope percents of the parameter panel (daily Text37, weekly
    // Text39) and of the quick bar (Text5), as typed.
    std::string envelopeDaily;
    std::string envelopeWeekly;
    std::string envelopeQuick;
    // The unit of the period lists: "月" under monthly candles, else the
    // data's period unit.
    std::string unit;
};

struct LegendLine {
    std::string text;
    Color color;
    friend bool operator==(const LegendLine&, const LegendLine&) = default;
};

// The legend box Picture8.
struct BalloonLegend {
    bool drawn = false;  // sized and framed afresh (and moved to the press)
    bool shown = false;
    double heightTwips = 0;
    double height = 0;  // in the price pane's units, a magnitude
    Color frameColor;
    std::vector<LegendLine> lines;
    double left = 0;  // the box's top-left corner in the pane
    double top = 0;
};

struct Balloon {
    Color textColor;
    // A press on the candlestick chart starts from an empty caption and a
    // cleared legend box.
    bool startsAfresh = false;
    std::string caption;
    bool labelShown = false;
    double labelLeft = 0;
    double labelTop = 0;
    // The label's top lies its own height beyond labelTop (the label's size
    // follows its text, which only the window measures).
    bool labelTopAddsOwnHeight = false;
    BalloonLegend legend;
};

// QBColor(15) on the black background, otherwise RGB(0,0,255).
Color BalloonTextColor(const ChartWindowState& f);

// Whether y lies in the volume area of the candlestick chart.  The 陰陽足
// and 三日平均線 overlays draw a band of PriceSpan between the prices and
// the volume area, which moves the boundary by PriceSpan: down on an upright
// chart, beyond PriceTop on an upside-down one.
bool InVolumeArea(const ChartWindowState& f, bool overlayBelowPrices, double y);

// "(a,  b,  c %)" from the three envelope percents; a percent whose value is
// 0 is left out, and empty when all are.
std::string EnvelopePercentList(const std::string& daily, const std::string& weekly, const std::string& quick);
// "(5, 25, 75日)" from the moving averages last drawn; empty when none.
// Element 3 stands alone when neither moving-average item is checked.
std::string OverlayPeriodList(const std::array<std::int16_t, 4>& periods, bool movingAverage,
                              bool tradeValueAverage, const std::string& unit);
// "(13,26日)" from the regression periods 1 to 3; empty when none.
std::string RegressionPeriodList(const std::array<std::int16_t, 4>& periods, const std::string& unit);

// The balloon of a left press with the explanation option on and a chart
// drawn.  Other kinds than those explained give a balloon that shows
// nothing.
Balloon ExplainPress(BalloonKind kind, const ChartWindowState& f, const BalloonMarks& marks,
                     const BalloonClick& click);

// Draws the legend box on its own surface (never scaled: twips): frame and
// lines.  Only for a legend that is drawn.
void DrawLegend(Surface& box, const BalloonLegend& legend);

}  // namespace ranvik
