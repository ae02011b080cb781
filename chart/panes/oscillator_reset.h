#pragma once
// ResetOscillatorIndicators: the oscillator group of the window's indicator
// menu switched off, with the quick bar's oscillator box idle.  The window's
// oscillator menu handlers run it before they check an item; the indicator
// pane runs it when it finds no oscillator to take a period for.
#include "chart/drawing/chart_host.h"

namespace ranvik {

void ResetOscillatorIndicators(ChartHost& window);

// The period unit printed on the quick bar beside box `textNo`, in the quick
// bar's colour: "月" with monthly candles, else the window's PeriodUnit.
void PrintUnitBeside(ChartHost& window, int textNo, Color color);

}  // namespace ranvik
