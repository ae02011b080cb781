#pragma once
// The chart set-up of a chart window: ShowChart opens the window's data file,
// takes its size and period, sets up the view (width, scroll range, first
// shown record) and draws the chart of the kind that is on.  This is the
// least of it that the window needs to load, scroll and zoom; the split
// correction, the captions and the other chart kinds come with the chart
// set-up proper.
#include <string_view>

#include "chart/drawing/chart_host.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

inline constexpr std::string_view kMessage300 = "300, 銘柄を指定して下さい    ";
inline constexpr std::string_view kMessage302 = "302, 株価データが無い    ";

// Records of a stock data file.
inline constexpr std::size_t kDataRecordLength = 52;

void ShowChart(ChartHost& window);

// Opens DataFileName for reading as file number 1.  A file that is missing
// cannot be read: message 302, and the window is left without a stock
// (DataFileName empty, ChartShown 0, no blink), as after a file with no bars.
bool OpenChartFile(ChartHost& window, RecordFile& file1);

// Message 302 and the window without a stock.
void ReportNoData(ChartHost& window);

}  // namespace ranvik
