#pragma once
// The point and figure chart: columns of X boxes for rises and O boxes for
// falls of the closes from the first shown record to the end of the file,
// with a three-box reversal and no time axis.  One pass finds the columns
// and the price range, a second draws them.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// The half box for a box of `percent` % of the top price: a whole number
// above 1 (a fraction of .45 or more goes up), else cut to the first of 3 to
// 7 decimals that leaves it above 0; 0 when none does.  A percentage of 0 or
// below counts as 1 %.
double PnfHalfBox(double percent, double priceTop);

void DrawPointFigure(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
