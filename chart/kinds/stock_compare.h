#pragma once
// The stock comparison chart: the closes of several stocks in percent of
// their close on one common base date, on an axis of calendar days.  A fresh
// start (CompareRestart -1) draws the axes and the base stock; every later
// call adds the stock loaded into the window as one more line in the next
// colour.  DayOfYear is shared with the year-by-year comparison.
#include <string_view>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// Day of the year of a "mm/dd/yy" date into YearDayNo, the leap day counted
// for two-digit years divisible by 4.  False, YearDayNo untouched, for a
// month outside 1 to 12.
bool DayOfYear(ChartWindowState& fields, std::string_view date);

// Days from d1 to the later date d2 (both "mm/dd/yy", months 1 to 12).
int DayStep(std::string_view d1, std::string_view d2);

void DrawStockCompare(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
