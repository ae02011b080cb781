#pragma once
// The year-by-year comparison chart: the years of one stock laid over one
// another on an axis of days of the year, each in percent of its first
// close.  Variant 1 draws every year at once; variant 2 sets up the axes and
// the year-selection panel, and each year picked there adds its line.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawYearCompare(ChartHost& window, ChartFile& file1);

// The panel's handlers: a year picked in the list is drawn over the chart;
// the reset button sets the chart up again.  Each opens and closes file
// number 1 itself.
void PickYear(ChartHost& window);
void ResetYearChart(ChartHost& window);

}  // namespace ranvik
