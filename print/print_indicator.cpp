// The printed indicator band (the chart window's prtgcv): the lower part of
// the page mapped to the oscillator's own scale, its dotted level lines with
// their labels, its title and legend; then the curves, drawn by the
// indicator pane's own drawer on the printer.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "print/printed_page.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

std::string Num(double value) { return NumberText(value); }
int Round(double value) { return static_cast<int>(RoundHalfEven(value)); }

struct Band {
    Band(ChartHost& window, Surface& printer) : w(window), page(printer) {}
    ChartHost& w;
    Surface& page;
    double m = 0;
    double sw = 0;
    double k = 10;
    double labelX = 0;
    double right = 0;  // the level lines' right end
    std::string u;
    int p = 0;
    bool inverted = false;
    bool enlarged = false;

    void Level(double y, Color c, double x1 = 0) { page.Line(x1, y, right, y, c); }
    void Label(double y, const std::string& text) {
        page.SetCurrentY(y);
        page.SetCurrentX(labelX);
        page.Print(text);
    }
    void Zero(double x1, Color c) {
        page.SetDrawStyle(DrawStyle::DashDotDot);
        Level(0, c, x1);
        page.SetDrawStyle(DrawStyle::Dot);
    }
    void Title(double x, double y, Color c, const std::string& text) {
        page.SetCurrentX(x);
        page.SetCurrentY(y);
        page.SetForeColor(c);
        page.Print(text);
    }
    std::string Period() const { return std::to_string(p).append(u); }
};

// RSI, stochastics, %R.
void LayoutA(Band& b) {
    for (int y = 0; y <= 100; y += 10) {
        if (y == 0 || y == 100) {
            b.Level(y, QBColor(8));
        } else if (y == 20 || y == 30 || y == 70 || y == 80) {
            b.Level(y, QBColor(8));
            b.Label(y - b.k + 5, std::to_string(b.inverted ? y : 100 - y).append("%"));
        }
    }
    Surface& page = b.page;
    if (Checked(b.w, "mnuストキャス")) {
        page.SetCurrentX(0);
        page.SetCurrentY(0);
        page.SetForeColor(QBColor(8));
        page.Print("%K,", PrintEnd::SameLine);
        page.SetForeColor(QBColor(1));
        page.Print("  %D,", PrintEnd::SameLine);
        page.SetForeColor(QBColor(13));
        page.Print("  SLOW %D");
    }
    page.SetDrawStyle(DrawStyle::DashDotDot);
    b.Level(50, QBColor(2));
    page.SetDrawStyle(DrawStyle::Dot);
    const char* title = Checked(b.w, "mnuストキャス")     ? "ｽﾄｷｬｽﾃｲｸｽ  "
                        : Checked(b.w, "mnuPerOscillator") ? "%Rｵｼﾚｰﾀ  "
                                                           : "R S I  ";
    b.Title(-0.05 * b.sw, 45, QBColor(13), std::string(title).append(b.Period()));
}

// Momentum: price steps at ±40 and ±80, percentages between.
void LayoutB(Band& b) {
    const ChartWindowState& f = b.w.Fields();
    // The yen sign the screen's momentum frame prints.
    const std::string yen = "¥";
    for (int y = -100; y <= 100; y += 20) {
        const int a = std::abs(y);
        if (y != 0) b.Level(y, a == 40 || a == 80 ? RGB(169, 169, 169) : RGB(135, 206, 235));
        b.page.SetForeColor(QBColor(13));
        double value = y * (static_cast<double>(f.PriceGridStep) * 5) / 100;
        if (b.enlarged) value = value * 2;
        const std::string L = FormatNumber(std::fabs(value), f.AxisFormat);
        std::string text;
        if (y == -40 || y == -80) {
            text = std::string(b.inverted ? "-" : "+").append(yen).append(L);
        } else if (y == 40 || y == 80) {
            text = std::string(b.inverted ? "+" : "-").append(yen).append(L);
        } else if (y != 0) {
            b.page.SetForeColor(QBColor(9));
            const int c = b.enlarged ? y : Round(y / 2.0);
            if (y < 0) {
                text = b.inverted ? std::to_string(c).append("%") : std::string("+").append(std::to_string(std::abs(c))).append("%");
            } else {
                text = b.inverted ? std::string("+").append(std::to_string(c)).append("%") : std::to_string(-c).append("%");
            }
        }
        b.page.SetCurrentY(y - b.k);
        b.page.SetCurrentX(b.labelX);
        if (!text.empty()) b.page.Print(text);
    }
    b.Zero(b.page.ScaleLeft() + b.m, QBColor(13));
    b.Title(-0.05 * b.sw, -10, QBColor(9), std::string("ﾓﾒﾝﾀﾑ  ").append(b.Period()));
}

// MACD: the band of ± MacdClipLevel and the periods in force.
void LayoutC(Band& b, int pageHeight) {
    ChartWindowState& f = b.w.Fields();
    Surface& page = b.page;
    double d = b.w.CheckValue(8) == 1 ? 10 : 16;
    if (b.enlarged) d = d / 2;
    f.MacdClipLevel = static_cast<float>(f.PriceSpan / (d / 2));
    const double t = pageHeight > 0 ? static_cast<double>(f.IndicatorPaneHeight) / pageHeight * (page.ScaleHeight() / 20) : 0;
    page.SetDrawStyle(DrawStyle::DashDotDot);
    b.Level(0, QBColor(2));
    page.SetDrawStyle(DrawStyle::Dot);
    b.Label(-t, " MACD ");
    for (int y = -100; y <= 100; y += 50) {
        if (y != 0) b.Level(y, QBColor(8));
    }
    const std::string L = FormatNumber(f.PriceSpan / d, f.AxisFormat);
    b.Label(-50 - t, std::string(b.inverted ? "-" : "+").append(L));
    b.Label(50 - t, std::string(b.inverted ? "+" : "-").append(L));
    page.SetCurrentX(0);
    page.SetCurrentY(-100);
    page.Print(std::string("短期     ").append(Num(f.MacdShortPeriod)).append(b.u));
    page.SetCurrentX(0);
    // The long period as the curves use it.
    page.Print(std::string("長期     ").append(Num(f.MacdLongPeriod)).append(b.u));
    page.SetForeColor(QBColor(1));
    page.SetCurrentX(0);
    page.Print(std::string("シグナル ").append(std::to_string(f.MacdSignalPeriod)).append(b.u));
}

// Deviation rates: percentages only; their curves are not printed.
void LayoutD(Band& b, int paperSize) {
    const ChartWindowState& f = b.w.Fields();
    Surface& page = b.page;
    for (int y = -100; y <= 100; y += 20) {
        b.Level(y, QBColor(8));
        page.SetCurrentY(y - b.k);
        page.SetCurrentX(b.labelX);
        if (std::abs(y) == 40 || std::abs(y) == 80) {
            int c = Round(y / 4.0);
            if (f.ClipLevelH - f.ClipLevelL < 50) c = Round(c / 2.0);
            if (b.enlarged) c = c * 2;
            const std::string a = std::to_string(std::abs(c));
            if (y < 0) {
                page.Print(std::string(b.inverted ? "-" : "+").append(a).append("%"));
            } else {
                page.Print(std::string(b.inverted ? "+" : "-").append(a).append("%"));
            }
        }
    }
    b.Zero(page.ScaleLeft() + b.m, QBColor(2));
    page.SetCurrentY(-10);
    page.SetCurrentX(b.labelX);
    page.SetForeColor(QBColor(13));
    page.SetFontSize(paperSize == 43 ? 7 : 9);
    const bool two = Checked(b.w, "mnu2LineKairiRitsu");
    const char* title = Checked(b.w, "mnuBBdaikin") ? (two ? "売買代金移動平均２線乖離率" : "売買代金移動平均乖離率")
                        : Checked(b.w, "mnuKairiRitsu") ? "移動平均乖離率"
                                                        : "移動平均２線乖離率";
    page.Print(title);
    if (!two) return;
    page.SetCurrentX(0);
    page.SetCurrentY(-100);
    page.SetForeColor(QBColor(8));
    page.Print(std::to_string(f.OverlayPeriods[0]).append(" / "), PrintEnd::SameLine);
    if (f.OverlayPeriods[1] != 0) {
        page.SetForeColor(QBColor(12));
        page.PrintNumber(f.OverlayPeriods[1], PrintEnd::SameLine);
    }
    if (f.OverlayPeriods[2] != 0) {
        page.SetForeColor(QBColor(13));
        page.Print(" ", PrintEnd::SameLine);
        page.PrintNumber(f.OverlayPeriods[2], PrintEnd::SameLine);
    }
    if (f.OverlayPeriods[3] != 0) {
        page.SetForeColor(QBColor(3));
        page.Print(std::string(" :").append(std::to_string(f.OverlayPeriods[3])), PrintEnd::SameLine);
    }
}

// RCI, vector and OBV.
void LayoutEF(Band& b) {
    const bool rci = Checked(b.w, "mnuRCI");
    if (rci) {
        for (int y = -100; y <= 100; y += 10) {
            const int a = std::abs(y);
            if (a == 100) {
                b.Level(y, QBColor(8));
            } else if (a == 80 || a == 50) {
                b.Level(y, QBColor(8));
                std::string text;
                if (y < 0) {
                    text = b.inverted ? std::to_string(y).append("%") : std::string("+").append(std::to_string(a)).append("%");
                } else {
                    text = std::string(b.inverted ? "+" : "-").append(std::to_string(y)).append("%");
                }
                b.Label(y - b.k, text);
            }
        }
    } else {
        for (int y = -100; y <= 100; y += 20) {
            const int a = std::abs(y);
            if (a == 40 || a == 80 || a == 100) b.Level(y, QBColor(8));
        }
    }
    b.Zero(b.page.ScaleLeft() + b.m, QBColor(2));
    const char* title = rci ? "RCI  " : Checked(b.w, "mnuVector") ? "ﾍﾞｸﾄﾙ" : "OBV  ";
    b.Title(-0.05 * b.sw, -10, QBColor(13), std::string(title).append(b.Period()));
}

}  // namespace

int PageHeightTwips(const Surface& page) { return static_cast<int>(page.Height()); }

void PrintedIndicatorPane(ChartHost& w, Surface& page, int paperSize, int orientation, ChartFile& file1) {
    // 1.  A hidden pane leaves the printer as it was.
    if (!Checked(w, "mnuGamen比", 3)) return;
    const ChartWindowState& f = w.Fields();
    const Surface& pic = w.PricePane();
    Band b(w, page);
    b.u = w.CheckValue(8) == 1 ? std::string("月") : f.PeriodUnit.Text();
    b.sw = pic.ScaleWidth();
    b.m = static_cast<float>(0.1 * b.sw);
    const bool hundred = Checked(w, "mnuRSI") || Checked(w, "mnuストキャス") || Checked(w, "mnuPerOscillator");
    if (hundred) {
        page.Scale(pic.ScaleLeft() - b.m, -450, b.sw + b.m, 122);
    } else {
        page.Scale(pic.ScaleLeft() - b.m, -1000, b.sw + b.m, 142);
    }
    b.right = page.ScaleWidth() - 2 * b.m;
    b.labelX = page.ScaleLeft() + b.m / 2;
    b.inverted = f.InvertedChart == kTrue;
    b.enlarged = Checked(w, "mnuGamen比", 1);
    page.SetForeColor(QBColor(13));
    b.k = orientation == 1 ? 8 : 10;
    page.SetFontSize(9);
    if (paperSize == 13) page.SetFontSize(8);
    if (paperSize == 11) page.SetFontSize(7);
    if (paperSize == 43) page.SetFontSize(6);
    b.p = f.IsDaily == kTrue ? f.OscPeriodDaily : Round(f.OscPeriodWeekly);
    page.SetDrawStyle(DrawStyle::Dot);
    page.SetDrawWidth(1);
    if (hundred) {
        LayoutA(b);
    } else if (Checked(w, "mnuモメンタム")) {
        LayoutB(b);
    } else if (Checked(w, "mnuMACD")) {
        LayoutC(b, PageHeightTwips(page));
    } else if (Checked(w, "mnuKairiRitsu") || Checked(w, "mnu2LineKairiRitsu")) {
        LayoutD(b, paperSize);
    } else if (Checked(w, "mnuRCI") || Checked(w, "mnuVector") || Checked(w, "mnuOBV")) {
        LayoutEF(b);
    }
    page.SetDrawStyle(DrawStyle::Solid);
    page.SetDrawWidth(2);
    w.gcv(file1);
}

}  // namespace ranvik
