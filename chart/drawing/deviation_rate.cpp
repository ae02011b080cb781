// The deviation rates' part of the overlay pass: the indicator pane's scale
// and the two-line rate's legend, and the rate's line per bar on the pane or
// in the printed indicator band.
#include "chart/drawing/overlay_pass.h"

#include "core/program_state.h"

namespace ranvik {

namespace {

bool Inverted(const OverlayPass& pass) { return pass.f.InvertedChart == kTrue; }

}  // namespace

void SetUpDeviationPane(OverlayPass& pass) {
    ChartWindowState& f = pass.f;
    Surface& pane = pass.indicator;
    f.DeviationScale = ChooseDeviationScale(f.ViewLow, f.ViewHigh, pass.items.enlargedIndicator);
    const double ds = f.DeviationScale;
    if (Inverted(pass)) {
        pane.Scale(0, -ds, f.ViewWidth, ds);
    } else {
        pane.Scale(0, ds, f.ViewWidth, -ds);
    }
    if (!pass.items.twoLine) return;
    pane.SetCurrentX(40);
    pane.SetCurrentY(ds);
    static const Color kPairColors[4] = {QBColor(8), QBColor(12), QBColor(13), QBColor(3)};
    const std::int16_t shortPeriod = f.OverlayPeriods[0];
    for (std::size_t j = 1; j <= 3; ++j) {
        const std::int16_t period = f.OverlayPeriods[j];
        // A line shorter than the short one has no rate: its pair is left out.
        if (period == 0 || period < shortPeriod) continue;
        pane.SetForeColor(kPairColors[j]);
        if (j > 1) pane.Print("  ", PrintEnd::SameLine);
        pane.PrintNumber(shortPeriod, PrintEnd::SameLine);
        pane.Print(" - ", PrintEnd::SameLine);
        pane.PrintNumber(period, PrintEnd::SameLine);
    }
}

float StartDeviationLine(const OverlayPass& pass, float rate) {
    if (!pass.printing) return rate;
    return PrintedDeviation(rate, pass.levels.ClipLevelH, pass.levels.ClipLevelL, pass.items.enlargedIndicator);
}

void DrawDeviationStep(OverlayPass& pass, float& previous, float rate) {
    if (!pass.printing) {
        pass.indicator.Line(pass.prevX, previous, pass.newX, rate, pass.color);
        previous = rate;
        return;
    }
    // The printed indicator band: ±100 over its height; the frame puts the
    // price area's vertical scale back after the bar.
    Surface& paper = pass.target;
    paper.SetScaleTop(Inverted(pass) ? 1000 : -1000);
    paper.SetScaleHeight(Inverted(pass) ? -1142 : 1142);
    const float v = StartDeviationLine(pass, rate);
    const bool atEdge = v >= 100 || v <= -100;
    if (!(atEdge && v == previous)) paper.Line(pass.prevX, -previous, pass.newX, -v, pass.color);
    previous = v;
}

}  // namespace ranvik
