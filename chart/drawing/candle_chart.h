#pragma once
// DrawCandleChart: the candlestick chart of the window's fields, drawn on
// its price and indicator panes.  Called with file number 1 open on the data
// file and the view set up; leaves file number 1 open.
//
// It fits the price scale to the shown bars, draws the price grid with its
// labels, names the period and overlays in the window's caption, then passes
// over the shown daily or weekly bars (record FirstRecord + k at x = 7k):
// year and month marks, the volume bar and margin balances in the volume
// area, the candle; after the pass the date range and web price labels and
// the top borders of both panes.  With monthly candles the bar pass is
// DrawMonthlyCandles over the window's monthly file, made here when there is
// none.  The layers of the other overlays and panes are drawn through
// `layers`, in the order the chart stacks them.  Fields it leaves for the read-out, the
// crosshair and the printed page: PriceSpan, VolumeAreaHeight, the clip
// levels, FirstShownDate, MaxVolume, LineColorNo, WebPriceNote.
#include "chart/drawing/candle_layers.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawCandleChart(ChartHost& window, ChartFile& file1, const CandleLayers& layers = {});

}  // namespace ranvik
