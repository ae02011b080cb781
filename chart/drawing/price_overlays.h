#pragma once
// Pivot, kagi and parabolic: three price overlays worked out bar by bar while
// the candles are drawn, each a start step run before the bar pass and a bar
// step run after each candle, in the order pivot, kagi, parabolic.  The kagi
// and parabolic state lives in the window's fields and stays there after the
// draw; the start steps give the main window's quick bar the kagi percentage
// and the parabolic factor in use when the window is the active one.
//
// These are the daily/weekly pass's steps: bars 7 units apart, the bar's
// centre at x + 3, prices split-corrected.
#include <array>
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

// The seven pivot levels of a bar: P, HBOP, R2, R1, S1, S2, LBOP.
struct PivotLevels {
    std::array<float, 7> values{};
    float P() const { return values[0]; }
};
PivotLevels PivotOf(float high, float low, float close);

// Segments from the previous bar's centre to this one's; the first bar of the
// pass has none.
struct PivotPass {
    PivotLevels previous;
    void Bar(Surface& price, float high, float low, float close, double x);
};

struct KagiPass {
    double kx = 10;     // where the next reversal stands
    double kxPrev = 3;  // where the current line stands
    bool timeAxis = true;
    void Bar(ChartWindowState& fields, Surface& price, float close, double x);
};
KagiPass StartKagi(ChartHost& window, ChartFile& file1);

struct ParabolicPass {
    bool correct = false;  // the look-back's bars are corrected too
    void Bar(ChartWindowState& fields, Surface& price, ChartFile& file1, std::int64_t r, float open,
             float high, float low, float close, double x);
};
ParabolicPass StartParabolic(ChartHost& window, ChartFile& file1);

}  // namespace ranvik
