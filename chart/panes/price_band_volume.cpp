// The price-band volume pane: totals of the shown bars by closing price,
// the pane's scale, grid, bars, border and legend, and its mouse clicks.
#include "chart/panes/price_band_volume.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/drawing/split_correction.h"
#include "chart/panes/monthly_switch.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr Color kBar = RGB(100, 220, 100);
constexpr Color kBorder = RGB(100, 120, 200);
// More bands than any grid step divided by 16 gives: a scale that makes
// more is not drawn in bands.
constexpr double kMostBands = 100000;

// The first multiple of `step` not below `bottom`.
double FirstMultipleFrom(double bottom, double step) {
    const double m = step * Fix((bottom + step) / step);
    return m == bottom + step ? bottom : m;
}

// Totals in thousands of shares, indexed 0 to n.
std::vector<float> BandTotals(ChartHost& w, ChartFile& file1, const PriceBands& bands, bool monthly) {
    ChartWindowState& f = w.Fields();
    std::vector<float> totals(static_cast<std::size_t>(bands.count) + 1, 0.0F);
    const bool correct = !monthly && CorrectionOn(w);
    // The bar pass has moved the point in force on past the view: the view's
    // first bar takes its point again, and the view gets its state back.
    const std::int16_t savedRecord = f.CorrectionRecord;
    const float savedFactor = f.CorrectionFactor;
    if (correct && f.CorrectionFactors[0] > 1) SetPointInForce(f, f.FirstRecord);
    const double right = w.PricePane().ScaleWidth();
    double x = 0;
    for (std::int64_t r = f.FirstRecord; r <= f.RecordCount; ++r) {
        BarValues bar = file1.Values(r);
        if (correct) ApplyCorrection(f, r, bar);
        // A close outside the bands (possible only when the price scale
        // does not cover every counted close) has no band to go to.
        const std::int64_t i = BandIndexOf(bar.Close, bands);
        if (i >= 0 && i <= bands.count) totals[static_cast<std::size_t>(i)] += bar.Volume / 1000;
        x += monthly ? bar.RecordNo : 7;
        if (x >= right) break;
    }
    if (correct) {
        f.CorrectionRecord = savedRecord;
        f.CorrectionFactor = savedFactor;
    }
    return totals;
}

void PrintLine(Surface& s, double x, const std::string& text) {
    s.SetCurrentX(x);
    s.Print(text);
}

void ShowNoVolume(ChartWindowState& f, Surface& p) {
    if (f.InvertedChart != 0) {
        p.Scale(0, f.PriceBottom, 100, f.ClipLevelH);
        p.Line(p.ScaleLeft(), f.PriceTop, p.ScaleLeft() + p.ScaleWidth(), f.PriceTop, QBColor(8));
    } else {
        p.Scale(0, f.PriceTop, 100, f.ClipLevelL);
    }
    p.SetCurrentY(p.ScaleTop());
    p.SetForeColor(QBColor(12));
    p.SetFontSize(9);
    PrintLine(p, p.ScaleLeft() + 5, " ");
    PrintLine(p, p.ScaleLeft() + 5, "出来高なし");
}

void DrawGrid(ChartWindowState& f, Surface& p) {
    const double left = p.ScaleLeft();
    const double right = left + p.ScaleWidth();
    p.SetDrawStyle(DrawStyle::Dot);
    for (int quarter = 1; quarter <= 3; ++quarter) {
        const double x = p.ScaleWidth() * quarter / 4;
        p.Line(x, f.PriceTop, x, f.PriceBottom, QBColor(8));
    }
    const double step = f.PriceGridStep;
    if (step > 0) {
        for (double y = FirstMultipleFrom(f.PriceBottom, step); y <= f.PriceTop; y += step) {
            p.Line(left, y, right, y, QBColor(8));
        }
    }
    p.SetDrawStyle(DrawStyle::Solid);
    p.Line(left, f.PriceBottom, right, f.PriceBottom, QBColor(8));
}

void DrawBars(ChartWindowState& f, Surface& p, Surface* paper, const PriceBands& bands,
              const std::vector<float>& totals, double m) {
    double pageWidth = 0;
    double margin = 0;
    if (paper != nullptr) {
        // A full scale below 10 would leave the page no width to scale to.
        pageWidth = std::max<double>(1, IntDiv(RoundHalfEven(m), 10).value_or(0));
        paper->SetScaleLeft(0);
        paper->SetScaleWidth(pageWidth);
        margin = 0.04 * pageWidth;
    }
    const double bw = bands.width;
    for (double v = (bands.base - f.PriceBottom) / bw; v <= bands.count; v += 1) {
        const auto k = static_cast<std::size_t>(Fix(v));
        const double t = totals[k];
        if (t == 0) continue;
        const double y2 = f.PriceBottom + (v - 0.25) * bw;
        double y1 = 0;
        if (k != 0 || v > 0.75) {
            y1 = f.PriceBottom + (v - 0.75) * bw;
        } else if (v >= 0.25) {
            y1 = f.PriceBottom;
        } else {
            continue;
        }
        p.Line(0, y1, t, y2, kBar, LineKind::FilledBox);
        if (paper != nullptr) {
            paper->Line(pageWidth - margin, y1, pageWidth - margin - t / 50, y2, QBColor(9), LineKind::Box);
        }
    }
}

void DrawBorder(ChartHost& w, ChartWindowState& f, Surface& p) {
    w.SetPaneHeight(Pane::BandVolume, w.PaneHeight(Pane::Indicator) + w.PaneHeight(Pane::Price));
    const double height = w.PaneHeight(Pane::BandVolume);
    const double left = p.ScaleLeft();
    const double right = left + p.ScaleWidth();
    if (f.InvertedChart == 0) {
        p.Line(0, f.ClipLevelH, 0, -height, kBorder);
        p.Line(left, f.PriceTop, right, f.PriceTop, kBorder);
    } else {
        p.Line(0, f.ClipLevelL, 0, f.PriceTop + f.VolumeAreaHeight + height, kBorder);
        p.Line(left, f.PriceBottom, right, f.PriceBottom, kBorder);
    }
}

void DrawLegend(ChartWindowState& f, Surface& p, const PriceBands& bands, double m) {
    p.SetForeColor(kBorder);
    p.SetFontSize(9);
    p.SetCurrentY(f.PriceBottom - static_cast<double>(IntDiv(RoundHalfEven(bands.width), 10).value_or(0)));
    PrintLine(p, p.ScaleLeft() + static_cast<double>(IntDiv(RoundHalfEven(m), 20).value_or(0)), "←-------→");
    const double u = BandVolumeUnitOf(f.StockUnitText);
    std::string scale = " ";
    scale += FormatNumber(m * 1000 / u, "#,###");
    PrintLine(p, p.ScaleLeft(), scale);
    std::string unit = " x";
    unit += FormatNumber(u, "0");
    unit += "株";
    PrintLine(p, p.ScaleLeft(), unit);
}

}  // namespace

PriceBands BandsOf(double priceBottom, double priceTop, double gridStep, int bandVolumeScale) {
    PriceBands b;
    // The clicks keep the scale between 1 and 16; anything else counts as 1.
    const int scale = bandVolumeScale >= 1 ? bandVolumeScale : 1;
    b.width = static_cast<float>(gridStep / scale);
    const double bands = (priceTop - priceBottom) / b.width;
    if (!(b.width > 0) || !(bands >= 0) || bands > kMostBands) {
        b.count = -1;
        return b;
    }
    b.count = static_cast<int>(Fix(bands)) + 1;
    b.base = FirstMultipleFrom(priceBottom, b.width);
    return b;
}

std::int64_t BandIndexOf(double close, const PriceBands& b) {
    const double offset = close - b.base;
    double i = Fix(offset / b.width);
    if (offset - i * b.width >= 0.5) i += 1;
    if (!std::isfinite(i) || std::fabs(i) > 1e15) return -1;
    return static_cast<std::int64_t>(i);
}

double BandFullScale(double m) {
    if (m > 1000000) return Fix(m / 1000000) * 1000000 + 1000000;
    if (m > 10000) return Fix(m / 10000) * 10000 + 10000;
    if (m > 100) return Fix(m / 100) * 100 + 100;
    return m;
}

double BandVolumeUnitOf(const std::string& text) {
    if (text.empty()) return 1000;
    const std::size_t length = CharCount(text);
    const double u = length > 3 ? RoundHalfEven(Val(MidChars(text, 2, length - 3))) : 0;
    // A unit of 0 or none would divide the legend's volume by nothing.
    if (!(u >= 1)) return 1000;
    if (u == 500) return 1000;
    if (u == 50) return 100;
    return u;
}

void DrawPriceBandVolume(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.BandVolumePane();
    Surface* paper = f.PrintingNow == kTrue ? w.PrintPage() : nullptr;
    // 1.
    w.SetPaneTop(Pane::BandVolume, w.PaneTop(Pane::Price));
    w.SetPaneHeight(Pane::BandVolume, w.PaneHeight(Pane::Price));
    p.Cls();
    f.SavedFirstRecord = f.FirstRecord;
    f.SavedRecordCount = f.RecordCount;
    const bool monthly = w.CheckValue(8) == 1;
    double m = 0;
    PriceBands bands;
    std::vector<float> totals;
    {
        MonthlySwitch monthlyFile(f, file1, monthly);
        // 2, 3.
        bands = BandsOf(f.PriceBottom, f.PriceTop, f.PriceGridStep, f.BandVolumeScale);
        if (bands.count >= 0) totals = BandTotals(w, file1, bands, monthly);
    }
    f.FirstRecord = f.SavedFirstRecord;
    f.RecordCount = f.SavedRecordCount;
    // 4.
    for (const float t : totals) m = std::max<double>(m, t);
    if (m != 0) m = BandFullScale(m);
    // 5.
    if (m != 0) {
        const bool twoTone = w.Item("mnu陰陽足", 1).Checked();
        p.Scale(0, f.PriceTop, m, twoTone ? f.ClipLevelL : f.PriceBottom - f.VolumeAreaHeight);
    } else {
        ShowNoVolume(f, p);
    }
    // 6.
    DrawGrid(f, p);
    // 7.
    if (m != 0) DrawBars(f, p, paper, bands, totals, m);
    // 8.
    DrawBorder(w, f, p);
    // 9.
    if (m != 0) {
        DrawLegend(f, p, bands, m);
        w.SetPaneToolTip(Pane::BandVolume, "クリック");
    } else {
        w.SetPaneToolTip(Pane::BandVolume, "");
    }
}

void BandVolumeMouseUp(ChartHost& w, int button, double y) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty() || f.MaxVolume == 0) return;
    if (button == 1 && f.BandVolumeScale < 16) f.BandVolumeScale = static_cast<std::int16_t>(f.BandVolumeScale * 2);
    if (button == 2 && f.BandVolumeScale > 1) f.BandVolumeScale = static_cast<std::int16_t>(f.BandVolumeScale / 2);
    ChartFile file1;
    try {
        file1.Open(f.DataFileName);
        DrawPriceBandVolume(w, file1);
    } catch (const FileError&) {
        // The file went away under the window: the pane keeps what it shows.
    }
    file1.Close();
    if (w.Item("mnuMisc", 0).Checked() && f.ClipLevelL <= y && y <= f.ClipLevelH) {
        Surface& p = w.BandVolumePane();
        p.SetDrawMode(DrawMode::Xor);
        p.Line(0, y, p.ScaleWidth(), y, QBColor(7));
        p.SetDrawMode(DrawMode::Copy);
    }
    w.FocusToolbarStrip();
}

}  // namespace ranvik
