// The draw steps of the moving-average lines and the trading-value average:
// one segment per bar through the slot centres, on the price pane, or on
// paper cut at the price band's levels.
#include "chart/drawing/overlay_pass.h"

namespace ranvik {

namespace {

bool ShownOnScreen(const OverlayPass& pass) {
    const OverlayItems& items = pass.items;
    return (items.movingAverages || items.envelope || pass.k == 3) && !items.SubPane();
}

// The segment on paper: cut where the true line (from the previous value as
// computed) crosses a level; a stretch lying on a level is left out.  A line
// whose previous value is 0 has nothing to start from.
void PrintedSegment(OverlayPass& pass, LineEnd& line, float value) {
    float pv = line.value;
    float nv = value;
    std::int16_t rX1 = 0;
    std::int16_t rX2 = 0;
    const float px = static_cast<float>(pass.prevX);
    const float nx = static_cast<float>(pass.newX);
    SuppressHL(pass.levels, rX1, rX2, px, nx, pv, nv, line.unclipped);
    const bool inside = nv > pass.levels.ClipLevelL && nv < pass.levels.ClipLevelH;
    if (line.unclipped != 0 && (inside || pv != nv)) {
        pass.target.Line(pass.prevX + rX1, pv, pass.newX - rX2, nv, pass.color);
    }
    line.unclipped = value;
    line.value = nv;
}

void PrintedStep(OverlayPass& pass, LineEnd& line, float value) {
    const bool drawn = ShownOnScreen(pass) || (pass.items.tradingValue && !pass.items.SubPane());
    if (drawn) {
        PrintedSegment(pass, line, value);
    } else {
        line.value = value;
        line.unclipped = value;
    }
    CutUpBottom(pass.levels, line.value);
}

}  // namespace

void DrawAverageSegment(OverlayPass& pass, LineEnd& line, float value) {
    if (pass.printing) {
        PrintedStep(pass, line, value);
        return;
    }
    if (ShownOnScreen(pass)) pass.target.Line(pass.prevX, line.value, pass.newX, value, pass.color);
    line.value = value;
    line.unclipped = value;
}

void DrawTradingValueSegment(OverlayPass& pass, LineEnd& line, float value) {
    if (pass.printing) {
        PrintedStep(pass, line, value);
        return;
    }
    const OverlayItems& items = pass.items;
    if (!items.movingAverages && !items.envelope && pass.k != 3) {
        // Bars without volume have no average: the line leaves a gap there.
        if (line.value != 0 && value != 0) pass.target.Line(pass.prevX, line.value, pass.newX, value, pass.color);
    } else if (ShownOnScreen(pass)) {
        pass.target.Line(pass.prevX, line.value, pass.newX, value, pass.color);
    }
    line.value = value;
    line.unclipped = value;
}

}  // namespace ranvik
