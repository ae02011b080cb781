// The volume scale of the enlarged volume area: round volumes in trading
// units and the unit's name, on the price pane or the printed page.
#include "chart/panes/volume_scale.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/drawing/price_scale.h"
#include "chart/panes/volume_figures.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* item, int index = 1) { return w.Item(item, index).Checked(); }

// "x" & U & "株": the trading unit the labels count in.
std::string UnitLabel(int u) {
    std::string text = "x";
    text += std::to_string(u);
    text += "株";
    return text;
}

void PrintAt(Surface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

void DrawOnScreen(ChartHost& window, double m, double unit, int u, double step) {
    ChartWindowState& f = window.Fields();
    Surface& price = window.PricePane();
    const int ratio = f.VolumeAreaRatio;
    price.Scale(0, ratio * m, f.ViewWidth, 0);
    const double d = -price.ScaleHeight() / price.Height() * 90;
    price.SetForeColor(f.BackColorNo == 2 ? QBColor(3) : QBColor(2));
    price.SetDrawStyle(DrawStyle::Dot);
    const double perTwip = price.ScaleWidth() / price.Width();
    const double top = -price.ScaleHeight() / ratio;
    // With no grid line the unit label keeps the margin of an empty label.
    double w = RoundHalfEven(perTwip * 20);
    int k = 1;
    for (; k * step < top - step / 2; ++k) {
        const double y = k * step;
        const std::string label = FormatNumber(Fix(unit * y / u), "#,###");
        w = RoundHalfEven(perTwip * 80 * static_cast<double>(label.size()));
        if (label.size() <= 3) w = RoundHalfEven(perTwip * 20 + w);
        price.Line(w, y, price.ScaleWidth(), y, RGB(80, 150, 100));
        PrintAt(price, 0, y + d, label);
    }
    const double x = price.FontSize() > 9 ? w * 1.3 : w + 7;
    PrintAt(price, x, (k - 1) * step + 2 * d, UnitLabel(u));
    const ScaleCorners c = PricePaneScale(f);
    price.Scale(c.x1, c.y1, c.x2, c.y2);
    price.SetDrawStyle(DrawStyle::Solid);
}

void DrawOnPaper(ChartHost& w, Surface& printer, double m, double unit, int u, double step) {
    ChartWindowState& f = w.Fields();
    const Surface& price = w.PricePane();
    const int ratio = f.VolumeAreaRatio;
    const double base = ratio * m;
    const double margin = std::trunc(price.ScaleWidth() * 0.1);
    const double d = 150 * base / printer.Height();
    printer.SetForeColor(QBColor(8));
    printer.SetDrawStyle(DrawStyle::Dot);
    const double b = std::trunc(RoundHalfEven(price.ScaleWidth()) / 300);
    double v = 0;
    int k = 1;
    for (; k * step < base / 3 - step / 2; ++k) {
        v = Fix(unit * k * step / u);
        const double y = base - k * step;
        printer.Line(0, y, price.ScaleWidth(), y, RGB(80, 150, 100));
        PrintAt(printer, b - margin / 2, y - d, FormatNumber(v, "#,###"));
    }
    --k;
    const double width =
        RoundHalfEven(price.ScaleWidth() / price.Width() * 95 * static_cast<double>(NumberText(v).size()));
    PrintAt(printer, b - margin / 2 + width, base - k * step - 2 * d, UnitLabel(u));
    printer.SetDrawStyle(DrawStyle::Solid);
}

}  // namespace

void DrawVolumeScale(ChartHost& w, double& maxVolume, int unit) {
    ChartWindowState& f = w.Fields();
    const bool volumes = Checked(w, "mnuDekidaka");
    const bool averages = Checked(w, "mnuDekiIdou");
    const bool balances = Checked(w, "mnuSinyouBB");
    const bool anyBalance = f.ViewMaxSellBalance != 0 || f.ViewMaxBuyBalance != 0;
    if (!(volumes || averages || (balances && anyBalance))) return;
    if (Checked(w, "mnuVolRate", 1) || Checked(w, "mnuVolRate", 2) || Checked(w, "mnuVolRate", 3) ||
        Checked(w, "mnuPSY")) {
        return;
    }
    // A unit the callers never pass would only scale the labels wrongly.
    double scaleUnit = unit >= 1 ? unit : 1;
    double m = maxVolume / scaleUnit;
    if (balances && !volumes && !averages && anyBalance) {
        m = std::max<double>(f.ViewMaxSellBalance, f.ViewMaxBuyBalance);
        scaleUnit = 1;
    }
    // An area of no height has no scale to label.
    if (!(m > 0) || !std::isfinite(m)) return;
    const int u = TradingUnitOf(f.StockUnitText);
    const double step = VolumeScaleStep(m, u);
    if (f.PrintingNow == kTrue) {
        if (Surface* printer = w.PrintPage()) DrawOnPaper(w, *printer, m, scaleUnit, u, step);
        return;
    }
    Surface& price = w.PricePane();
    if (price.Height() <= 0 || price.Width() <= 0) return;
    DrawOnScreen(w, m, scaleUnit, u, step);
}

}  // namespace ranvik
