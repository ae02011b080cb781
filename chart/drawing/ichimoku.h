#pragma once
// DrawIchimoku: the cloud pass (IchimokuCloudPass -1) or the line pass (0)
// of the Ichimoku overlay on the price pane or the printed page.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// The conversion, base and leading-span-2 periods the overlay draws with:
// the window's stored ones while they are usable and were taken for this
// kind of data, else the extended panel's (with the defaults for an empty
// conversion box, a base below the conversion period or periods of 0 or
// less), fixed with monthly candles.  Kept in OverlayPeriods, written into
// the quick bar by the active window when read afresh.
struct IchimokuPeriods {
    int p0 = 0;
    int p1 = 0;
    int p2 = 0;
};
IchimokuPeriods TakeIchimokuPeriods(ChartHost& window);

// A line's first value: the low plus half the range rounded to a whole
// number and halved without its fraction (High 105, Low 100 give 102).
float IchimokuFirstValue(float high, float low);

void DrawIchimoku(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
