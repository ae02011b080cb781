#pragma once
// The chart set-up of a chart window: ShowChart opens the window's data file,
// takes its size, period and split correction, sets the captions of the
// window and of the main window, sets the view up (width, scroll range, first
// shown record, panes) and draws the chart of the kind that is on.  Every
// load, view change and kind change ends here; a repaint at the same scale
// goes through RedrawChart.
#include <string>
#include <string_view>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

inline constexpr std::string_view kMessage300 = "300, 銘柄を指定して下さい    ";
inline constexpr std::string_view kMessage302 = "302, 株価データが無い    ";

// Records of a stock data file.
inline constexpr std::size_t kDataRecordLength = 52;

void ShowChart(ChartHost& window);

// Opens DataFileName as file number 1.  A file that cannot be read: message
// 302, and the window is left without a stock (DataFileName empty,
// ChartShown 0, no blink), as after a file with no bars.
bool OpenChartFile(ChartHost& window, ChartFile& file1);

// Message 302 and the window without a stock: nothing of the chart drawn
// before stays on it.
void ReportNoData(ChartHost& window);

// The text of the window's tab in the main window: the title after a code
// in parentheses or a market label in angle brackets at its start (the
// closing character within its first five), else the whole title; empty
// when a ">" first stands further in.
std::string WindowTabText(const std::string& stockTitle);

// A price of the information label: "#,###.##" without a trailing point,
// and for an exchange-rate series a "0" before a leading point.
std::string PriceCaption(double price, bool exchangeRate);

// Codes "0010" to "0500", compared as text, are exchange-rate series.
bool IsExchangeRateCode(const ChartWindowState& fields);

}  // namespace ranvik
