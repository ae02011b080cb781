#pragma once
// DrawIndicatorPane: the oscillator checked in the window's menu, drawn in
// the indicator pane or the printed indicator band; the window's gcv.
//
// It draws the checked oscillator's frame on the pane (or, with a deviation
// rate checked, that rate's frame, the rate's lines coming from the price
// pane's pass), takes the oscillator's period from the window, the quick bar
// or the extended panel and shows it on the quick bar, reads the bars before
// the view that the first value needs and draws the line over the shown bars.
// File number 1 is open on the data file on entry and on return.
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawIndicatorPane(ChartHost& window, ChartFile& file1);

// The printed indicator band's part that the pane relies on until the
// printed page lays the band out: the band's vertical scale (0 to 100 for
// RSI, stochastics and %R, -120 to 120 for the others), MacdClipLevel, and
// the pane's lines drawn on the page with PrintingNow -1.  The page's price
// scale is put back afterwards.
void PrintIndicatorBand(ChartHost& window, ChartFile& file1);

// The message shown when the MACD periods cannot be drawn.
inline constexpr const char* kMacdPeriodsMessage =
    "313, ＭＡＣＤのパラメータが間違っています。    \r\nデフォルト値で処理を続けます。    ";

}  // namespace ranvik
