#pragma once
// The bar read-out of the price data panel: which bar lies under the mouse x
// of the price pane, its values (split-corrected as the drawn candle is) and
// the texts printed under the panel's caption labels.  Plain computation on
// the window's fields and its files; the window prints the texts.
#include <string>
#include <vector>

#include "chart/window/chart_window_state.h"
#include "core/quote_record.h"

namespace ranvik {

// Caption labels of the data panel in the order their values are printed,
// with their design left edges in twips; all stand at the panel's top and
// are 160 twips high.
struct ReadoutLabel {
    const char* name;
    const char* caption;
    int left;
};
inline constexpr ReadoutLabel kReadoutLabels[] = {
    {"Label2", "年/月/日", 0},    {"Label3", "始値", 900},      {"Label4", "終値", 1940},
    {"Label5", "高値", 3010},     {"Label6", "安値", 4070},     {"Label7", "前日比", 5000},
    {"Label8", "出来高", 6100},   {"Label9", "信用売残", 7280}, {"Label11", "信用買残", 8350},
    {"Label13", "信用倍率", 9450},
};
inline constexpr int kReadoutLabelTop = 0;
inline constexpr int kReadoutLabelHeight = 160;
// Values stand this far below their label's bottom edge.
inline constexpr int kReadoutGap = 40;

struct ReadoutText {
    std::string text;
    int x = 0;  // twips in the panel
    int y = 0;
    int qbColor = 0;  // QBColor number
};

struct BarReadout {
    bool hasBar = false;
    QuoteRecord shown;   // the bar under the cursor (QuoteBufA); date "xx/xx/xx" when none
    QuoteRecord before;  // the bar before it (QuoteBufB)
    std::vector<ReadoutText> texts;  // the date alone when there is no bar
};

// The price pattern of the read-out: the axis pattern, with "#,###" given
// two optional decimals.
std::string ReadoutPricePattern(const std::string& axisFormat);

// A price in the read-out's pattern without a trailing point.
std::string ReadoutPrice(double value, const std::string& axisFormat);

// The read-out for mouse x `x` of the price pane.  Daily and weekly bars
// read DataFileName, monthly candles walk MonthlyFileName (in the program
// folder).  While
// `correctionOn` (daily and weekly only) the window's running correction
// state advances as the drawers' per-bar rule does.  A record number below 2
// (a cursor far left of the first shown bar), one past the last bar or
// month, and a file that cannot be read all give "no bar": nothing is
// created, nothing reported.
BarReadout ReadBarUnderCursor(ChartWindowState& fields, double x, bool monthly, bool correctionOn);

}  // namespace ranvik
