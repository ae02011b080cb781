#pragma once
// The three-line break chart: white lines for new highs of the close, black
// ones for new lows, a reversal only when the close breaks beyond the lines
// before.  The column variant (Check11) gives each line the next column; the
// time-scaled one puts it in the slot of the bar that made it, stretches the
// latest line over the bars after it and draws the closes as a polyline.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawThreeLineBreak(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
