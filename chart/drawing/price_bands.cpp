// The Bollinger band, the envelope and the HL band: their lines at each bar
// and one segment of every line per bar, on the price pane or on paper held
// within the price band's levels.
#include "chart/drawing/overlay_pass.h"

namespace ranvik {

namespace {

const Color kEnvelopeScreen[3] = {QBColor(8), RGB(200, 150, 150), RGB(250, 150, 150)};
const Color kEnvelopePaper[3] = {RGB(150, 150, 150), RGB(200, 150, 150), RGB(250, 150, 150)};

bool Inside(const ClipLevels& c, float v) { return v > c.ClipLevelL && v < c.ClipLevelH; }

void ScreenSegment(OverlayPass& pass, const BandEnds& ends, const BandValues& v, std::size_t i, Color color) {
    pass.target.Line(pass.prevX, ends.lines[i].value, pass.newX, v[i], color);
}

void DrawOnScreen(OverlayPass& pass, BandEnds& ends, const BandValues& v) {
    switch (pass.band) {
        case BandKind::Bollinger:
            for (std::size_t i = 0; i < 7; ++i) ScreenSegment(pass, ends, v, i, i == 3 ? QBColor(12) : QBColor(8));
            break;
        case BandKind::HighLow:
            ScreenSegment(pass, ends, v, 0, QBColor(8));
            ScreenSegment(pass, ends, v, 1, QBColor(8));
            ScreenSegment(pass, ends, v, 2, QBColor(13));
            break;
        case BandKind::Envelope:
            ScreenSegment(pass, ends, v, 0, QBColor(12));
            for (std::size_t j = 0; j < 3; ++j) {
                if (pass.percents[j] == 0) continue;
                ScreenSegment(pass, ends, v, 1 + 2 * j, kEnvelopeScreen[j]);
                ScreenSegment(pass, ends, v, 2 + 2 * j, kEnvelopeScreen[j]);
            }
            break;
    }
    for (std::size_t i = 0; i < 7; ++i) ends.lines[i] = {v[i], v[i]};
}

enum class Cut { High, Low, Both };

// A line cut at a level (or both) from its previous drawn end; the caller
// says whether the cut segment is worth drawing.
struct CutSegment {
    double x1, x2;
    float from, to;
};
CutSegment CutLine(const OverlayPass& pass, const LineEnd& end, float value, Cut cut) {
    std::int16_t rX1 = 0;
    std::int16_t rX2 = 0;
    float pv = end.value;
    float nv = value;
    const float px = static_cast<float>(pass.prevX);
    const float nx = static_cast<float>(pass.newX);
    if (cut == Cut::High) SuppressH(pass.levels, rX1, rX2, px, nx, pv, nv, end.unclipped);
    if (cut == Cut::Low) SuppressL(pass.levels, rX1, rX2, px, nx, pv, nv, end.unclipped);
    if (cut == Cut::Both) SuppressHL(pass.levels, rX1, rX2, px, nx, pv, nv, end.unclipped);
    return {pass.prevX + rX1, pass.newX - rX2, pv, nv};
}

void PrintBollinger(OverlayPass& pass, BandEnds& ends, const BandValues& v) {
    const ClipLevels& c = pass.levels;
    for (std::size_t i = 0; i < 7; ++i) {
        LineEnd& end = ends.lines[i];
        const Cut cut = i < 3 ? Cut::High : i == 3 ? Cut::Both : Cut::Low;
        const CutSegment s = CutLine(pass, end, v[i], cut);
        bool drawn = true;
        if (cut == Cut::High) drawn = !(s.from == c.ClipLevelH && s.to == c.ClipLevelH);
        if (cut == Cut::Low) drawn = !(s.from == c.ClipLevelL && s.to == c.ClipLevelL);
        if (cut == Cut::Both) drawn = s.from != s.to || Inside(c, s.to);
        if (drawn) pass.target.Line(s.x1, s.from, s.x2, s.to, i == 3 ? QBColor(12) : QBColor(8));
        end = {s.to, v[i]};
    }
    CutUpBottom(c, ends.lines[3].value);
}

// A clamped line: drawn where it differs or comes inside the band.
void PrintClamped(OverlayPass& pass, LineEnd& end, float value, Color color, bool eitherEndInside) {
    float nv = value;
    CutUpBottom(pass.levels, nv);
    const bool drawn = eitherEndInside ? Inside(pass.levels, end.value) || Inside(pass.levels, nv)
                                       : end.value != nv || Inside(pass.levels, nv);
    if (drawn) pass.target.Line(pass.prevX, end.value, pass.newX, nv, color);
    end = {nv, value};
}

void PrintHighLow(OverlayPass& pass, BandEnds& ends, const BandValues& v) {
    PrintClamped(pass, ends.lines[2], v[2], QBColor(12), true);
    PrintClamped(pass, ends.lines[0], v[0], QBColor(2), true);
    PrintClamped(pass, ends.lines[1], v[1], QBColor(2), true);
}

void PrintEnvelope(OverlayPass& pass, BandEnds& ends, const BandValues& v) {
    for (std::size_t j = 0; j < 3; ++j) {
        if (pass.percents[j] == 0) continue;
        PrintClamped(pass, ends.lines[2 + 2 * j], v[2 + 2 * j], kEnvelopePaper[j], false);
        PrintClamped(pass, ends.lines[1 + 2 * j], v[1 + 2 * j], kEnvelopePaper[j], false);
    }
    LineEnd& centre = ends.lines[0];
    const CutSegment s = CutLine(pass, centre, v[0], Cut::Both);
    if (centre.unclipped != 0 && (s.from != s.to || Inside(pass.levels, s.to))) {
        pass.target.Line(s.x1, s.from, s.x2, s.to, QBColor(12));
    }
    centre = {s.to, v[0]};
    CutUpBottom(pass.levels, centre.value);
}

}  // namespace

BandValues BandLines(const OverlayPass& pass, float m, const MovingAverage& closes, const SeriesWindow& highs,
                     const SeriesWindow& lows) {
    switch (pass.band) {
        case BandKind::Bollinger: return BollingerLines(m, SampleDeviation(closes.Closes(), m));
        case BandKind::Envelope: return EnvelopeLines(m, pass.percents);
        case BandKind::HighLow: return HighLowLines(highs, lows);
    }
    return {};
}

void StartBandLines(const OverlayPass& pass, BandEnds& ends, const BandValues& first) {
    for (std::size_t i = 0; i < 7; ++i) {
        ends.lines[i] = {first[i], first[i]};
        // On paper the Bollinger band's outer lines start unclipped and are
        // cut as they go; every other line starts clamped into the band.
        const bool clamped = pass.band != BandKind::Bollinger || i == 3;
        if (pass.printing && clamped) CutUpBottom(pass.levels, ends.lines[i].value);
    }
}

void DrawBandStep(OverlayPass& pass, BandEnds& ends, const BandValues& values) {
    if (!pass.printing) {
        DrawOnScreen(pass, ends, values);
        return;
    }
    switch (pass.band) {
        case BandKind::Bollinger: PrintBollinger(pass, ends, values); break;
        case BandKind::HighLow: PrintHighLow(pass, ends, values); break;
        case BandKind::Envelope: PrintEnvelope(pass, ends, values); break;
    }
}

}  // namespace ranvik
