#pragma once
// What the parts of the indicator pane share within one draw: the draw's
// state (surface, window of closes, text colour, the bar read), the
// oscillator chosen, the screen frames and the oscillator lines.  Internal
// to chart/panes.
#include <cstdint>
#include <memory>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "chart/panes/oscillator_math.h"

namespace ranvik {

// The oscillators in the order the frame tests them.
enum class Oscillator { None, Rsi, Stochastics, PercentR, Momentum, Macd, Vector, Rci, Deviation, Obv };

Oscillator CheckedOscillator(ChartHost& w);

struct IndicatorDraw {
    IndicatorDraw(ChartHost& window, ChartFile& file);
    ChartHost& w;
    ChartWindowState& f;
    ChartFile& file1;
    Surface* target = nullptr;  // Picture3, or the printed page
    Oscillator kind = Oscillator::None;
    bool printing = false;
    bool inverted = false;
    bool enlarged = false;  // mnuGamen比 item 1
    bool monthly = false;
    bool corrected = false;
    Color text;               // QBColor of the text colour number
    double printMargin = 0;   // Fix(Picture1.ScaleWidth * 0.1)
    std::int16_t vectorScale = 1;  // S
    int n = 0;
    // The close window, positions 1 to n (volumes for OBV); `leaving` the
    // value that left position 1 on the last move.
    ValueWindow window;
    float leaving = 0;
    // The bar pass: the record read next and whether the bar drawn is the
    // pass's first.
    std::int64_t nextRecord = 0;
    bool firstBar = true;
    MacdPeriods macd;
};

// Character unit u and text offset ratio r of Picture3.
double CharacterUnit(Surface& pane);
double OffsetRatio(const ChartWindowState& f, Surface& pane);

// Screen frames (indicator_frames.cpp), drawn on Picture3 with the text
// colour, dotted style and font set.
void DrawPercentFrame(IndicatorDraw& d, Surface& pane);
void DrawMomentumFrame(IndicatorDraw& d, Surface& pane);
void DrawMacdFrame(IndicatorDraw& d, Surface& pane);
void DrawVectorFrame(IndicatorDraw& d, Surface& pane);
void DrawRciFrame(IndicatorDraw& d, Surface& pane);
void DrawObvFrame(IndicatorDraw& d, Surface& pane);
void DrawDeviationFrame(IndicatorDraw& d, Surface& pane);

// One oscillator's steps in the frame's warm-up and bar pass.
class OscillatorLine {
public:
    virtual ~OscillatorLine() = default;
    // Each warm-up bar, after its close (or volume) went to position i.
    virtual void WarmUp(IndicatorDraw&, int /*i*/, const BarValues& /*bar*/) {}
    // The first value, from the full window; it belongs to x0.  False ends
    // the draw with nothing drawn.
    virtual bool Start(IndicatorDraw& d, double x0) = 0;
    // The next bar, the window moved on and holding it at position n.
    virtual void Step(IndicatorDraw& d, const BarValues& bar) = 0;
    // The segment from the previous value at x0 to the new one at x1.
    virtual void Draw(IndicatorDraw& d, double x0, double x1) = 0;
};

std::unique_ptr<OscillatorLine> MakeRsiLine();
std::unique_ptr<OscillatorLine> MakeStochasticsLine();
std::unique_ptr<OscillatorLine> MakePercentRLine();
std::unique_ptr<OscillatorLine> MakeMomentumLine();
std::unique_ptr<OscillatorLine> MakeMacdLine();
std::unique_ptr<OscillatorLine> MakeRciLine();
std::unique_ptr<OscillatorLine> MakeVectorLine();
std::unique_ptr<OscillatorLine> MakeObvLine();

// A bar as the pane reads it: split-corrected while the correction applies.
BarValues ReadBar(IndicatorDraw& d, std::int64_t r);

}  // namespace ranvik
