// The figures of the sub-pane, the band of one price span between the prices
// and the volume area: the three-day average candles with their close marks
// and the 陰陽足 boxes, and the 陰陽足 line over the candles.
#include "chart/drawing/overlay_pass.h"

#include <algorithm>
#include <cmath>

#include "core/program_state.h"

namespace ranvik {

namespace {

const Color kBlueDot = RGB(0, 0, 255);
const Color kInYoBlue = RGB(0, 120, 200);

// The sub-pane repeats the price range one band lower; on paper the
// printer's scale is derived from it as the print routine derives the price
// area's.  The frame puts the printer's vertical scale back after the bar.
void EnterSubPane(OverlayPass& pass) {
    SetSubPaneScale(pass.f, pass.price);
    if (!pass.printing) return;
    const Surface& p1 = pass.price;
    const double w = 0.1 * p1.ScaleWidth();
    const double h = 0.33 * p1.ScaleHeight();
    pass.target.SetScaleLeft(p1.ScaleLeft() - w);
    pass.target.SetScaleWidth(p1.ScaleWidth() + 2 * w);
    pass.target.SetScaleTop(p1.ScaleTop() - h / 2);
    pass.target.SetScaleHeight(h / 2 * 2.37 + p1.ScaleHeight() * 1.1);
}

void LeaveSubPane(OverlayPass& pass) { RestorePricePaneScale(pass.f, pass.price); }

// Where the bar's own close lies against its average candle, row by row:
// which side of O and of C counts as beyond, the colour of the line out to
// the close (none: the surface's current colour), the dots' colours (beyond
// O, beyond C, inside above the middle, inside otherwise) and whether each
// inside dot sits in the upper quarter.
struct MarkRow {
    bool aboveO;
    bool aboveC;
    bool plainLine;
    Color dots[4];
    bool upper[2];
};

// The filled body: upright the falling average candle, inverted the rising one.
const MarkRow& MarkRowOf(bool inverted, bool filled) {
    static const MarkRow kRows[4] = {
        {true, false, true, {QBColor(12), kBlueDot, QBColor(12), kBlueDot}, {true, false}},     // upright, O >= C
        {false, true, false, {kBlueDot, QBColor(12), kBlueDot, QBColor(12)}, {false, true}},    // upright, O < C
        {false, true, true, {QBColor(12), kBlueDot, QBColor(12), kBlueDot}, {false, true}},     // inverted, O <= C
        {true, false, false, {kBlueDot, QBColor(12), kBlueDot, QBColor(12)}, {true, false}},    // inverted, O > C
    };
    return kRows[(inverted ? 2 : 0) + (filled ? 0 : 1)];
}

bool Beyond(float cl, float level, bool above) { return above ? cl > level : cl < level; }

void DrawCloseMark(OverlayPass& pass, const AverageCandle& a, float cl, double xm, bool inverted, bool filled) {
    Surface& t = pass.target;
    const MarkRow& row = MarkRowOf(inverted, filled);
    auto lineTo = [&](float from) {
        if (row.plainLine) {
            t.Line(xm, from, xm, cl);
        } else {
            t.Line(xm, from, xm, cl, QBColor(13));
        }
    };
    if (Beyond(cl, a.O, row.aboveO)) {
        lineTo(a.O);
        t.Circle(xm, cl, pass.markRadius, row.dots[0]);
    } else if (Beyond(cl, a.C, row.aboveC)) {
        lineTo(a.C);
        t.Circle(xm, cl, pass.markRadius, row.dots[1]);
    } else {
        const float mid = static_cast<float>(a.O - (a.O - a.C) / 2);
        const bool aboveMid = mid < cl;
        const float quarter = std::abs(a.O - a.C) / 4;
        const bool upper = row.upper[aboveMid ? 0 : 1];
        const float y = upper ? std::max(a.O, a.C) - quarter : std::min(a.O, a.C) + quarter;
        t.Circle(xm, y, pass.markRadius, row.dots[aboveMid ? 2 : 3]);
    }
}

}  // namespace

void SetSubPaneScale(const ChartWindowState& f, Surface& price) {
    if (f.InvertedChart == kTrue) {
        price.Scale(0, f.PriceBottom - f.PriceSpan, f.ViewWidth, f.PriceTop + f.VolumeAreaHeight);
    } else {
        price.Scale(0, f.PriceTop + f.PriceSpan, f.ViewWidth, f.PriceBottom - f.VolumeAreaHeight);
    }
}

void RestorePricePaneScale(const ChartWindowState& f, Surface& price) {
    if (f.InvertedChart == kTrue) {
        price.Scale(0, f.PriceBottom, f.ViewWidth, f.PriceTop + f.PriceSpan + f.VolumeAreaHeight);
    } else {
        price.Scale(0, f.PriceTop, f.ViewWidth, f.PriceBottom - f.PriceSpan - f.VolumeAreaHeight);
    }
}

void DrawThreeDayCandle(OverlayPass& pass, const AverageCandle& a, float cl, double xl, double xNew) {
    const double xr = xNew - 1;
    const double xm = (xl + xNew) / 2;
    const bool inverted = pass.f.InvertedChart == kTrue;
    Surface& t = pass.target;
    EnterSubPane(pass);
    const bool filled = inverted ? a.O <= a.C : a.O >= a.C;
    if (filled) {
        t.Line(xl, a.O, xr, a.C, RGB(150, 150, 200), LineKind::FilledBox);
    } else {
        t.Line(xl, a.O, xr, a.C, QBColor(15), LineKind::FilledBox);
        t.Line(xl, a.O, xr, a.C, QBColor(12), LineKind::Box);
    }
    if (!inverted && filled) {
        t.Line(xl, a.O, xl, a.H);
        t.Line(xr, a.C, xr, a.L);
    } else if (!inverted) {
        t.Line(xl, a.C, xl, a.H, QBColor(12));
        t.Line(xr, a.O, xr, a.L, QBColor(12));
    } else if (filled) {
        t.Line(xl, a.C, xl, a.H, RGB(0, 0, 200));
        t.Line(xr, a.O, xr, a.L, RGB(0, 0, 200));
    } else {
        t.Line(xr, a.C, xr, a.H, QBColor(12));
        t.Line(xl, a.O, xl, a.L, QBColor(12));
    }
    DrawCloseMark(pass, a, cl, xm, inverted, filled);
    LeaveSubPane(pass);
}

void DrawInYoStep(OverlayPass& pass, float previous, float average) {
    Surface& t = pass.target;
    double x1 = pass.prevX - 4;
    double x2 = pass.newX - 4;
    if (pass.monthly) {
        x1 = pass.prevX - pass.prevWidth / 2.0;
        x2 = pass.newX - pass.curWidth / 2.0;
    }
    const bool inside = average > pass.levels.ClipLevelL && average < pass.levels.ClipLevelH;
    if (!pass.printing || inside || average != previous) t.Line(x1, previous, x2, average, pass.color);
    EnterSubPane(pass);
    const bool rising = previous < average;
    const bool white = pass.f.InvertedChart == kTrue ? !rising : rising;
    if (white) {
        t.Line(pass.prevX, previous, pass.newX, average, QBColor(15), LineKind::FilledBox);
        t.Line(pass.prevX, previous, pass.newX, average, kInYoBlue, LineKind::Box);
    } else {
        t.Line(pass.prevX, previous, pass.newX, average, kInYoBlue, LineKind::FilledBox);
    }
    LeaveSubPane(pass);
}

}  // namespace ranvik
