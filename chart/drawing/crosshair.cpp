#include "chart/drawing/crosshair.h"

#include <QLabel>
#include <cmath>

#include "platform/runtime/number_format.h"
#include "platform/ui/twips.h"

namespace ranvik {
namespace {

constexpr double kNone = ChartWindowState::kNoCross;

void SetMode(ChartHost& w, DrawMode mode) {
    w.PricePane().SetDrawMode(mode);
    w.IndicatorPane().SetDrawMode(mode);
    w.BandVolumePane().SetDrawMode(mode);
}

void VerticalLine(ChartHost& w, double x) {
    Surface& price = w.PricePane();
    price.Line(x, price.ScaleTop(), x, price.ScaleTop() + price.ScaleHeight(), QBColor(2));
    if (w.PaneVisible(Pane::Indicator) && w.CheckValue(10) == 0) {
        Surface& ind = w.IndicatorPane();
        ind.Line(x, ind.ScaleTop(), x, ind.ScaleTop() + ind.ScaleHeight(), QBColor(2));
    }
}

void HorizontalLine(ChartHost& w, double y) {
    Surface& price = w.PricePane();
    // The right end is the pane's ScaleWidth itself, as the lines already
    // drawn were: an end moved now would leave them behind.
    price.Line(price.ScaleLeft(), y, price.ScaleWidth(), y, QBColor(7));
    const ChartWindowState& f = w.Fields();
    if (w.PaneVisible(Pane::BandVolume) && f.ClipLevelL <= y && y <= f.ClipLevelH) {
        Surface& band = w.BandVolumePane();
        band.Line(0, y, band.ScaleWidth(), y, QBColor(7));
    }
}

double ScaleSpanX(const Surface& s, double twips) { return std::abs(s.FromTwipsX(twips) - s.FromTwipsX(0)); }
double ScaleSpanY(const Surface& s, double twips) { return std::abs(s.FromTwipsY(twips) - s.FromTwipsY(0)); }

}  // namespace

PriceTagPlace PriceTagFor(const ChartWindowState& f, double x, double y, double scaleWidth, double tagWidth,
                          double tagHeight, bool overlayShift) {
    PriceTagPlace tag;
    tag.visible = true;
    tag.left = x + 10 + tagWidth <= scaleWidth ? x + 10 : x - tagWidth - 10;
    tag.top = f.InvertedChart == -1 ? y - tagHeight / 2 : y + tagHeight / 2;
    double price = y;
    if (overlayShift) {
        if (f.InvertedChart != -1 && y < f.PriceBottom) price = y + f.PriceSpan;
        if (f.InvertedChart == -1 && y > f.PriceTop) price = y - f.PriceSpan;
    }
    tag.caption = FormatNumber(price, f.AxisFormat);
    return tag;
}

bool CrosshairKind(ChartHost& w) {
    if (w.Fields().ChartShown == 0) return false;
    return w.CheckValue(1) != 0 || w.CheckValue(10) != 0 || w.CheckValue(11) != 0 || w.CheckValue(12) != 0;
}

void MoveCrosshair(ChartHost& w, double x, double y) {
    if (!CrosshairKind(w) || !w.Item("mnuMisc", 0).Checked()) return;
    ChartWindowState& f = w.Fields();
    SetMode(w, DrawMode::Xor);
    if (f.CrossX != kNone) VerticalLine(w, f.CrossX);
    if (f.CrossY != kNone) HorizontalLine(w, f.CrossY);
    if (x != kNone) VerticalLine(w, x);
    if (y != kNone) HorizontalLine(w, y);
    QLabel& label = w.LabelNo(14);
    if (y == kNone || !w.Item("mnuFuncExItem", 5).Checked()) {
        label.hide();
    } else {
        Surface& price = w.PricePane();
        const bool shift = w.Item("mnu陰陽足", 1).Checked() || w.Item("mnu3Days", 1).Checked();
        const PriceTagPlace tag = PriceTagFor(f, x, y, price.ScaleWidth(), ScaleSpanX(price, WidthOf(&label)),
                                              ScaleSpanY(price, HeightOf(&label)), shift);
        const Color back = price.BackColor();
        label.setStyleSheet(QString("background-color: rgb(%1,%2,%3); color: rgb(255,0,255);")
                                .arg(back.r)
                                .arg(back.g)
                                .arg(back.b));
        label.setText(QString::fromStdString(tag.caption));
        SetLeft(&label, price.ToTwipsX(tag.left));
        SetTop(&label, price.ToTwipsY(tag.top));
        label.show();
    }
    f.CrossX = x;
    f.CrossY = static_cast<float>(y);
    SetMode(w, DrawMode::Copy);
}

bool CrosshairMayBeDrawn(ChartHost& w) {
    const ChartWindowState& f = w.Fields();
    return f.CrossY >= 0 || f.CrossX >= w.PricePane().ScaleLeft();
}

void DelLine(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.DataFileName.empty()) return;
    Surface& price = w.PricePane();
    if (f.CrossY >= price.ScaleTop() + price.ScaleHeight() || f.CrossX >= price.ScaleLeft()) {
        w.LabelNo(14).hide();
        SetMode(w, DrawMode::Xor);
        if (f.CrossX != kNone) VerticalLine(w, f.CrossX);
        if (f.CrossY != kNone) HorizontalLine(w, f.CrossY);
        SetMode(w, DrawMode::Copy);
    }
    f.CrossX = kNone;
    f.CrossY = static_cast<float>(kNone);
}

void ForgetCrosshair(ChartHost& w) {
    w.Fields().CrossX = kNone;
    w.Fields().CrossY = static_cast<float>(kNone);
    w.LabelNo(14).hide();
}

}  // namespace ranvik
