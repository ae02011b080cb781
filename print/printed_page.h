#pragma once
// The printed candlestick page of one chart window, drawn on the printer in
// the screen chart's own coordinates (x in bar units, 7 a bar; y in prices),
// widened by a side margin of a tenth of the chart's width and extended below
// for the printed indicator band.  The page keeps its scale in the window's
// SavedScaleTop and SavedScaleHeight and puts it back after every pane.
//
// Steps: PrintCandleChart lays out the page (scale, frame, price grid, date
// axis, cloud, volume scale maximum) and calls the bar pass and then the
// legends and title.  A page that cannot be drawn (a refused scale, a price
// grid of no step, a chart of no height, a monthly file that is missing or
// too short) throws PrintRefused before anything reaches the paper the job
// sends, so that the job drops the page and says why.
#include <stdexcept>
#include <string>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "platform/surface/printer.h"

namespace ranvik {

class PrintRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The page's own values, worked out once and used by all its steps.
struct PageValues {
    int paperSize = 9;
    int orientation = 2;
    double W = 0;            // SideMargin
    float H = 0;             // ExtraHeight, signed like the screen's y axis
    double LabelOffset = 0;  // price units
    std::string letter;      // "月", "日" or "週"
    int VolumeUnit = 1;
    float VolumeScaleMax = 0;
};

// The whole page on `page`; file1 is the window's data file.  The page is not
// ended here.
void PrintCandleChart(ChartHost& window, Surface& page, int paperSize, int orientation, ChartFile& file1);

// The bars of daily and weekly data.
void PrintBarPass(ChartHost& window, Surface& page, const PageValues& v, ChartFile& file1);
// The panes, legends, frame line, title and version-and-date line.
void PrintLegendsAndTitle(ChartHost& window, Surface& page, const PageValues& v, ChartFile& file1);
// The printed indicator band below the chart (the window's prtgcv): level
// lines, labels and title of the checked oscillator, then its curves.
void PrintedIndicatorPane(ChartHost& window, Surface& page, int paperSize, int orientation, ChartFile& file1);

// The page height in twips, which the MACD text offset is measured by.
int PageHeightTwips(const Surface& page);

// The volume area's own vertical scale, and back to the page's.
void UseVolumeScale(ChartHost& window, Surface& page, float volumeScaleMax);
void RestorePageScale(ChartHost& window, Surface& page);

}  // namespace ranvik
