#pragma once
// Pivot, kagi and parabolic: three price overlays worked out bar by bar while
// the candles are drawn, each a start step run before the bar pass and a bar
// step run after each candle, in the order pivot, kagi, parabolic.  The kagi
// and parabolic state lives in the window's fields and stays there after the
// draw; the start steps give the main window's quick bar the kagi percentage
// and the parabolic factor in use when the window is the active one.
//
// The daily/weekly pass has bars 7 units apart, the bar's centre at x + 3,
// prices split-corrected; the monthly pass has bars as wide as their
// month, read from the monthly file, and also draws on the printed page.
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

// Segments from the previous bar's centre to this one's (fromX to toX); a
// pass whose previous P is 0 (the first daily bar) draws none.
struct PivotPass {
    PivotLevels previous;
    void Bar(Surface& onto, float high, float low, float close, double fromX, double toX);
};

// The monthly pass: the previous levels start from the month before the
// first shown one, when there is one.  On paper the three upper levels are
// cut at ClipLevelH and the three lower at ClipLevelL; `drawn` holds the
// previous values as cut, `previous` as computed.
struct MonthlyPivotPass {
    PivotLevels previous;
    PivotLevels drawn;
    void Bar(Surface& onto, bool paper, const ChartWindowState& fields, float high, float low, float close,
             double x, double previousWidth, double width);
};
MonthlyPivotPass StartMonthlyPivot(const ChartWindowState& fields, ChartFile& monthly);

struct KagiPass {
    double kx = 10;     // where the next reversal stands
    double kxPrev = 3;  // where the current line stands
    bool timeAxis = true;
    Color color = RGB(200, 150, 100);
    // centre: the bar's centre; step: how far a reversal moves kx on.
    void Bar(ChartWindowState& fields, Surface& onto, float close, double centre, double step);
    // The monthly pass's last horizontal line, to where the next reversal
    // would stand.
    void Close(const ChartWindowState& fields, Surface& onto) const;
};
KagiPass StartKagi(ChartHost& window, ChartFile& file1);
// From the first shown month, read from the monthly file.
KagiPass StartMonthlyKagi(ChartHost& window, ChartFile& monthly);

struct ParabolicPass {
    bool correct = false;        // the look-back's bars are corrected too
    std::int64_t lookBack = 3;   // bars read back at a turn
    Color fallingColor = QBColor(6);
    // The stop of bar r (its prices as drawn), the window's state moved on;
    // the look-back reads `file`.
    float Step(ChartWindowState& fields, ChartFile& file, std::int64_t r, float open, float high, float low,
               float close) const;
    Color ColorOf(const ChartWindowState& fields) const;
    // Step, and the stop drawn over the bar from x to x + 7.
    void Bar(ChartWindowState& fields, Surface& price, ChartFile& file1, std::int64_t r, float open,
             float high, float low, float close, double x) const;
};
ParabolicPass StartParabolic(ChartHost& window, ChartFile& file1);
// From five months before the view in the monthly file, all five rising for
// a rising start.
ParabolicPass StartMonthlyParabolic(ChartHost& window, ChartFile& monthly);

}  // namespace ranvik
