#pragma once
// What the steps of DrawPricePane share: the overlay items as the running
// pass sees them, the pass's period, colour and x, and the surfaces it draws
// on.  The frame (price_pane.cpp) owns one OverlayPass per draw; the parameter
// steps (overlay_periods.cpp) and the drawing steps of the families
// (moving_averages.cpp, average_candles.cpp, price_bands.cpp,
// deviation_rate.cpp) read it and draw only through its surfaces.
#include <array>
#include <cstdint>

#include "chart/drawing/chart_host.h"
#include "chart/drawing/overlay_series.h"
#include "chart/drawing/segment_clipping.h"

namespace ranvik {

// The menu items the overlay pass reads (element 1 of each), taken afresh
// whenever the frame checks or unchecks one.
struct OverlayItems {
    bool movingAverages = false;  // mnuIdouHeikin
    bool bollinger = false;       // mnuボリンジャ
    bool envelope = false;        // mnuEnvelope
    bool highLow = false;         // mnuHLband
    bool inYo = false;            // mnu陰陽足
    bool threeDays = false;       // mnu3Days
    bool tradingValue = false;    // mnuBBdaikin
    bool deviation = false;       // mnuKairiRitsu
    bool twoLine = false;         // mnu2LineKairiRitsu
    bool correction = false;      // mnuHosei
    bool enlargedIndicator = false;  // element 1 of mnuGamen比

    bool AnyBand() const { return bollinger || envelope || highLow; }
    bool AnyDeviation() const { return deviation || twoLine; }
    bool SubPane() const { return inYo || threeDays; }
};
OverlayItems ReadOverlayItems(ChartHost& window);

// One line of a pass as it goes from bar to bar: the value at the previous
// bar (as drawn, clipped or clamped on paper) and as computed.
struct LineEnd {
    float value = 0;
    float unclipped = 0;
};

struct OverlayPass {
    ChartHost& window;
    ChartWindowState& f;
    Surface& price;      // Picture1, whose scale the x and the sub-pane use
    Surface& indicator;  // Picture3
    Surface& target;     // Picture1, or the printer page while printing
    bool printing = false;
    bool monthly = false;
    OverlayItems items;
    ClipLevels levels;

    int k = 0;  // the element of OverlayPeriods the pass draws
    int p = 0;  // its period
    Color color;
    double prevX = 0;
    double newX = 0;
    int prevWidth = 0;  // monthly slot widths
    int curWidth = 0;
    float markRadius = 0;

    // The band of this draw and the envelope's three percentages.
    BandKind band = BandKind::Bollinger;
    std::array<float, 3> percents{};

    OverlayPass(ChartHost& w, Surface& onto, bool paper);
    bool Active() const;  // this window drives the main window's quick bar
};

// Parameter steps (overlay_periods.cpp), once per draw: the band's period
// and percentages, which make the band the single pass 2; and the periods of
// the line passes (moving averages, trading value, 陰陽足, three-day average,
// the quick bar's fourth line) with the first pass and its colour.  The
// second pass after a suspended overlay adds no fourth line.
void BandParameterStep(OverlayPass& pass);
void LineParameterStep(OverlayPass& pass, bool secondPass);

// Draw steps, one segment from the pass's previous x to its new x.
// Moving averages and the fourth line (moving_averages.cpp).
void DrawAverageSegment(OverlayPass& pass, LineEnd& line, float value);
void DrawTradingValueSegment(OverlayPass& pass, LineEnd& line, float value);

// Three-day candles and 陰陽足 (average_candles.cpp).  The candle of the bar
// whose slot runs from xl to xNew - 1, with the bar's own close cl.
void DrawThreeDayCandle(OverlayPass& pass, const AverageCandle& a, float cl, double xl, double xNew);
void DrawInYoStep(OverlayPass& pass, float previous, float average);
// The scale of Picture1's sub-pane and the price scale it returns to.
void SetSubPaneScale(const ChartWindowState& f, Surface& price);
void RestorePricePaneScale(const ChartWindowState& f, Surface& price);

// Bands (price_bands.cpp): the lines' previous ends after the warm-up, and
// one segment of every line per bar.
struct BandEnds {
    std::array<LineEnd, 7> lines{};
};
BandValues BandLines(const OverlayPass& pass, float m, const MovingAverage& closes,
                     const SeriesWindow& highs, const SeriesWindow& lows);
void StartBandLines(const OverlayPass& pass, BandEnds& ends, const BandValues& first);
void DrawBandStep(OverlayPass& pass, BandEnds& ends, const BandValues& values);

// Deviation rates (deviation_rate.cpp): the indicator pane's scale and
// legend, and one segment of the pass's rate.
void SetUpDeviationPane(OverlayPass& pass);
// The rate's first value as the line starts from it (amplified and held
// within the printed band on paper).
float StartDeviationLine(const OverlayPass& pass, float rate);
void DrawDeviationStep(OverlayPass& pass, float& previous, float rate);

}  // namespace ranvik
