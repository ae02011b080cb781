// The indicator pane's screen frames: scale, title, level lines and their
// labels for each oscillator, and the deviation rates' ladder.  The
// oscillator's line is drawn afterwards in the scale set here.
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/panes/indicator_internal.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

const Color kGrey = RGB(150, 150, 150);

void PrintAt(Surface& pane, double x, double y, const std::string& text, PrintEnd end = PrintEnd::NewLine) {
    pane.SetCurrentX(x);
    pane.SetCurrentY(y);
    pane.Print(text, end);
}

// A whole number as the frame's labels join it to their texts.
std::string Whole(int v) { return std::to_string(v); }

}  // namespace

// RSI, stochastics and %R: 0 to 100, the mid line and the levels 20, 30, 70
// and 80.
void DrawPercentFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane);
    double r = OffsetRatio(f, pane);
    double titleRow = 99;
    if (d.inverted) {
        pane.Scale(0, 0, f.ViewWidth, 100);
        r = -r;
        titleRow = 1;
    } else {
        pane.Scale(0, 100, f.ViewWidth, 0);
    }
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    pane.SetForeColor(QBColor(2));
    double midStart = 0;
    if (d.kind == Oscillator::Rsi) {
        PrintAt(pane, 0, 50 + 5 * r, "R S I");
        midStart = 8 * u;
    } else if (d.kind == Oscillator::Stochastics) {
        PrintAt(pane, 0, 50 + 5 * r, "ｽﾄｷｬｽﾃｲｸｽ");
        midStart = 20 * u;
        pane.SetForeColor(QBColor(3));
        PrintAt(pane, 2 * u, titleRow, "%K,", PrintEnd::SameLine);
        pane.SetForeColor(d.text);
        pane.Print("  %D,", PrintEnd::SameLine);
        pane.SetForeColor(QBColor(13));
        pane.Print("  SLOW %D");
    } else {
        PrintAt(pane, 0, 50 + 5 * r, "%Rｵｼﾚｰﾀ");
        midStart = 14 * u;
    }
    pane.Line(midStart, 50, pane.ScaleWidth(), 50, QBColor(2));
    pane.SetForeColor(d.text);
    pane.SetDrawStyle(DrawStyle::Dot);
    for (int level : {20, 30, 70, 80}) {
        pane.Line(7 * u, level, pane.ScaleWidth(), level, kGrey);
        PrintAt(pane, 0, level + 5 * r, Whole(level) + "%");
    }
}

// Momentum: -100 to 100 with a rising market above, price levels at 40 and
// 80 on the left, percent levels at 20 and 60 on the right.
void DrawMomentumFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane);
    double t = 8;
    if (d.inverted) {
        pane.Scale(0, 100, f.ViewWidth, -100);
        t = -8;
    } else {
        pane.Scale(0, -100, f.ViewWidth, 100);
    }
    if (d.enlarged) t = t / 2;
    const double perTwip = pane.Width() > 0 ? pane.ScaleWidth() / pane.Width() : 0;
    for (int i = 20; i <= 80; i += 20) {
        if (i == 40 || i == 80) {
            double v = i * (f.PriceGridStep * 5.0) / 100;
            if (d.enlarged) v = v * 2;
            const std::string s = FormatNumber(v, f.AxisFormat);
            const double w = perTwip * 80 * static_cast<double>(s.size() + 3);
            pane.Line(w, i, f.ViewWidth, i, QBColor(7));
            pane.Line(w, -i, f.ViewWidth, -i, QBColor(7));
            pane.SetForeColor(d.text);
            PrintAt(pane, 0, i - t, "-\\" + s);
            PrintAt(pane, 0, -i - t, "+\\" + s);
        } else {
            const double w = perTwip * 90 * 4;
            pane.Line(0, i, f.ViewWidth - w, i, RGB(135, 206, 255));
            pane.Line(0, -i, f.ViewWidth - w, -i, RGB(135, 206, 255));
            pane.SetForeColor(RGB(50, 150, 255));
            const double p = d.enlarged ? i : i / 2.0;
            PrintAt(pane, f.ViewWidth - w, i - t, Str(-p) + "%");
            PrintAt(pane, f.ViewWidth - w, -i - t, Joined({"+", Str(p), "%"}));
        }
    }
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    pane.Line(12 * u, 0, f.ViewWidth, 0, QBColor(2));
    pane.SetForeColor(RGB(50, 150, 255));
    PrintAt(pane, 0, -t, "ﾓﾒﾝﾀﾑ");
}

// MACD: plus and minus 2v price units, v a sixteenth of the price pane's
// span (a tenth with monthly candles), labelled in the price axis's format.
void DrawMacdFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane);
    const double r = OffsetRatio(f, pane);
    double v = Fix(f.PriceSpan / 16.0);
    if (v == 0) v = f.PriceSpan / 16.0;
    if (d.monthly) v = f.PriceSpan / 10.0;
    if (d.enlarged) v = v * 2;
    // A price pane of no height leaves no scale to label.
    if (!(v > 0)) return;
    if (d.inverted) {
        pane.Scale(0, -2 * v, f.ViewWidth, 2 * v);
    } else {
        pane.Scale(0, 2 * v, f.ViewWidth, -2 * v);
    }
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    const double k = r * pane.ScaleHeight() / 20;
    pane.Line(10 * u, 0, pane.ScaleWidth(), 0, QBColor(2));
    pane.SetForeColor(d.text);
    PrintAt(pane, 0, -k, "MACD");
    pane.SetDrawStyle(DrawStyle::Dot);
    const int steps = d.enlarged ? 8 : 4;
    const double g = d.enlarged ? v / 2 : v;
    const double perTwip = pane.Width() > 0 ? pane.ScaleWidth() / pane.Width() : 0;
    for (int j = 1; j < steps; ++j) {
        const double y = -2 * v + j * g;
        if (j * 2 == steps) continue;  // the zero line
        const std::string s = FormatNumber(y, f.AxisFormat);
        const double w = perTwip * 80 * static_cast<double>(s.size() + 2);
        PrintAt(pane, 0, y - k, y < 0 ? s : Joined({"+", s}));
        pane.Line(w, y, pane.ScaleWidth(), y, kGrey);
    }
    pane.SetForeColor(RGB(0, 100, 255));
    PrintAt(pane, 20, k - 0.5 * pane.ScaleHeight(), "ｼｸﾞﾅﾙ");
}

// Vector: plus and minus S and S/2, with a third of S spare above and below.
void DrawVectorFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane);
    const double r = OffsetRatio(f, pane);
    double s = d.vectorScale;
    if (d.enlarged) s = s * 2;
    d.vectorScale = static_cast<std::int16_t>(std::min<double>(s, kIntegerMax));
    const double top = s + s / 3;
    if (d.inverted) {
        pane.Scale(0, -top, f.ViewWidth, top);
    } else {
        pane.Scale(0, top, f.ViewWidth, -top);
    }
    const double k = r * pane.ScaleHeight() / 20;
    const double perTwip = pane.Width() > 0 ? pane.ScaleWidth() / pane.Width() : 0;
    const double w = perTwip * 80 * static_cast<double>(FormatNumber(s, "###").size() + 3);
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    pane.Line(10 * u, 0, pane.ScaleWidth(), 0, QBColor(2));
    pane.SetForeColor(QBColor(3));
    PrintAt(pane, 0, -k, "ﾍﾞｸﾄﾙ");
    pane.SetDrawStyle(DrawStyle::Dot);
    pane.SetForeColor(d.text);
    for (int v : {2, 1, -1, -2}) {
        const double y = s / v;
        PrintAt(pane, 0, y - k, v > 0 ? Joined({"+", NumberText(y)}) : NumberText(y));
        pane.Line(w, y, pane.ScaleWidth(), y, kGrey);
    }
}

// RCI: -100 to 100 with levels at plus and minus 50 and 80.
void DrawRciFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane);
    double r = OffsetRatio(f, pane);
    if (d.inverted) {
        pane.Scale(0, -100, f.ViewWidth, 100);
        r = -r;
    } else {
        pane.Scale(0, 100, f.ViewWidth, -100);
    }
    for (int v : {-80, -50, 50, 80}) {
        PrintAt(pane, 0, v + 8 * r, Joined({v > 0 ? "+" : "", Whole(v), "%"}));
        pane.Line(8 * u, v, pane.ScaleWidth(), v, kGrey);
    }
    pane.SetCurrentX(0);
    pane.SetCurrentY(8 * r);
    pane.SetForeColor(QBColor(3));
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    pane.Print("R C I");
    pane.Line(8 * u, 0, pane.ScaleWidth(), 0, QBColor(2));
}

// OBV: the zero line and the title; the levels follow once the range is
// known.
void DrawObvFrame(IndicatorDraw& d, Surface& pane) {
    const ChartWindowState& f = d.f;
    const double u = CharacterUnit(pane) * 6 / 5;
    const double r = OffsetRatio(f, pane);
    pane.Scale(0, 100, f.ViewWidth, -100);
    pane.SetDrawStyle(DrawStyle::DashDotDot);
    pane.Line(8 * u, 0, pane.ScaleWidth(), 0, QBColor(2));
    pane.SetDrawStyle(DrawStyle::Dot);
    pane.SetForeColor(QBColor(3));
    PrintAt(pane, 0, 10 * r, "O B V");
    pane.SetForeColor(d.text);
}

// The deviation rates: the ladder of levels around the zero line, the title
// on it, in the scale the price pane's pass has set.
void DrawDeviationFrame(IndicatorDraw& d, Surface& pane) {
    const int ds = d.f.DeviationScale;
    // No scale chosen yet: nothing to label.
    if (ds <= 0) return;
    const double u = CharacterUnit(pane);
    const DeviationLadder ladder = DeviationLadderOf(ds, d.enlarged);
    const double k = (pane.Height() > 0 ? -pane.ScaleHeight() / pane.Height() * 20 : 0) * ladder.offsetFactor;
    const bool tradingValue = d.w.Item("mnuBBdaikin", 1).Checked();
    const bool twoLine = d.w.Item("mnu2LineKairiRitsu", 1).Checked();
    const bool single = d.w.Item("mnuKairiRitsu", 1).Checked();
    std::string title;
    double z = 0;
    if (tradingValue) {
        title = twoLine ? "売買代金移動平均２線乖離率" : "売買代金移動平均乖離率";
        z = twoLine ? 44 * u : 40 * u;
    } else {
        title = single ? "移動平均乖離率" : "移動平均２線乖離率";
        z = single ? 25 * u : 30 * u;
    }
    for (int v = ladder.offset - ds; v <= ds - ladder.offset; v += ladder.step) {
        pane.SetCurrentX(0);
        pane.SetCurrentY(v + 3 * k);
        if (v == 0) {
            pane.SetForeColor(QBColor(3));
            pane.SetDrawStyle(DrawStyle::DashDotDot);
            pane.Print(title);
            pane.Line(z, 0, pane.ScaleWidth(), 0, QBColor(2));
            pane.SetForeColor(d.text);
            pane.SetDrawStyle(DrawStyle::Dot);
        } else {
            pane.Print(Joined({v > 0 ? "+" : "", Whole(v), "%"}));
            pane.Line(8 * u, v, pane.ScaleWidth(), v, kGrey);
        }
    }
}

}  // namespace ranvik
