#pragma once
// DrawPriceBandVolume: the volume traded at each price band of the view,
// in its own pane Picture5 beside the prices and sharing their vertical
// scale: one bar per band as long as the volume (in thousands of shares) of
// the shown bars that closed in it.  While the window prints the bars also
// go onto the page as outlines at its right edge.
//
// The bands are the price grid step divided into BandVolumeScale parts
// (1 to 16; the pane's clicks double and halve it), counted from the first
// multiple of the band width not below PriceBottom.  A close belongs to the
// band whose upper bound, half a price unit above its multiple, it stays
// below.
#include <cstdint>
#include <string>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

struct PriceBands {
    double width = 0;  // price units
    int count = 0;     // n: bands 0 to n
    double base = 0;   // the first multiple of the width not below the bottom
};
PriceBands BandsOf(double priceBottom, double priceTop, double gridStep, int bandVolumeScale);

// The band of a close; below 0 or above n for closes outside the range.
std::int64_t BandIndexOf(double close, const PriceBands& bands);

// The pane's full scale for the largest band total: rounded up one step of
// 100, 10,000 or 1,000,000 (an exact multiple too); 100 or less unchanged.
double BandFullScale(double largestTotal);

// Shares per trading unit from "(" & unit & "株)"; no unit (empty, no
// number, 0 or less) is 1000, and 500 counts as 1000 and 50 as 100.
double BandVolumeUnitOf(const std::string& stockUnitText);

// File number 1 open on the data file and the price scale of the draw set.
void DrawPriceBandVolume(ChartHost& window, ChartFile& file1);

// A mouse button released on the pane at height y (its scale): 1 left
// makes the bands finer, 2 right coarser; the pane is drawn again from the
// data file, the crosshair's horizontal line put back, and the keyboard
// focus given to the toolbar strip.  Only with a stock shown that has
// volume.
void BandVolumeMouseUp(ChartHost& window, int button, double y);

}  // namespace ranvik
