// The printed page's common last part: the panes drawn by the shared
// drawers, the legends of the chosen overlays, the frame line below the
// chart, the title line and the version-and-date line.
#include <QString>
#include <cstdio>
#include <string>

#include "chart/drawing/ichimoku.h"
#include "chart/drawing/price_pane.h"
#include "chart/panes/price_band_volume.h"
#include "chart/panes/volume_pane.h"
#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/program_version.h"
#include "platform/runtime/values.h"
#include "print/printed_page.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

std::string Trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string Num(int value) { return std::to_string(value); }

// Row of a paper in the tables below: A4, B5, A5, postcard.
int PaperRow(int paperSize) {
    switch (paperSize) {
        case 13: return 1;
        case 11: return 2;
        case 43: return 3;
        default: return 0;
    }
}

std::string FamilyLegend(ChartHost& w, Surface& page, const std::string& u) {
    ChartWindowState& f = w.Fields();
    auto line = [&](Color c, const std::string& text) {
        page.SetCurrentX(10);
        page.SetForeColor(c);
        page.Print(text);
    };
    if (Checked(w, "mnu一目")) {
        page.SetCurrentX(10);
        page.SetForeColor(QBColor(4));
        if (Checked(w, "mnu一目雲のみ")) return "一目均衡表雲のみ";
        line(QBColor(4), std::string("転換線(").append(Num(f.OverlayPeriods[0])).append(u).append(")"));
        line(QBColor(12), std::string("基準線(").append(Num(f.OverlayPeriods[1])).append(u).append(")"));
        line(QBColor(9), "先行スパン１上限線");
        line(QBColor(13), "先行スパン２下限線");
        line(QBColor(3), "遅行スパン");
        return "一目均衡表";
    }
    if (Checked(w, "mnuボリンジャ")) return std::string("ボリンジャバンド ").append(Num(f.BandPeriod)).append(u);
    if (Checked(w, "mnuEnvelope")) {
        std::string pct;
        if (Val(w.MainBoxText(37)) != 0) pct = Trimmed(w.MainBoxText(37));
        if (Val(w.MainBoxText(39)) != 0) pct.append(", ").append(Trimmed(w.MainBoxText(39)));
        if (f.EnvelopePct != 0) pct.append(", ").append(NumberText(f.EnvelopePct));
        if (!pct.empty()) pct.append("％");
        return std::string("エンベロープ ").append(Num(f.BandPeriod)).append(u).append(" : ").append(pct);
    }
    if (Checked(w, "mnuHLband")) return std::string("ＨＬバンド ").append(Num(f.BandPeriod)).append(u);
    if (Checked(w, "mnu陰陽足")) return std::string("陰陽足 ").append(Num(f.BandPeriod)).append(u);
    if (Checked(w, "mnu3Days")) return std::string("三日平均 ").append(Num(f.BandPeriod)).append(u);
    if (Checked(w, "mnuPibott")) return "ピボット ";
    std::string family;
    auto average = [&](int n) { return Num(n).append(u).append("移動平均"); };
    const bool idou = Checked(w, "mnuIdouHeikin");
    const bool daikin = Checked(w, "mnuBBdaikin");
    if (idou || daikin) {
        family = daikin ? "売買代金移動平均線" : "移動平均線";
        if (idou || (daikin && f.FileMaxVolume != 0)) {
            const int colours[3] = {8, 12, 13};
            for (std::size_t i = 0; i < 3; ++i) {
                page.SetCurrentX(10);
                page.SetForeColor(QBColor(colours[i]));
                if (f.OverlayPeriods[i] > 0) page.Print(average(f.OverlayPeriods[i]));
            }
        }
    }
    page.SetCurrentX(10);
    page.SetForeColor(QBColor(6));
    if (f.OverlayPeriods[3] > 0) page.Print(average(f.OverlayPeriods[3]));
    return family;
}

void SecondColumn(ChartHost& w, Surface& page, std::string& family, const std::string& u, double y) {
    ChartWindowState& f = w.Fields();
    page.SetCurrentY(y);
    page.SetForeColor(QBColor(9));
    auto item = [&](const std::string& text) {
        page.SetCurrentX(page.ScaleWidth() / 8);
        if (!family.empty()) {
            page.Print(text);
        } else {
            family = text;
        }
    };
    if (Checked(w, "mnuParabolic")) {
        page.SetForeColor(QBColor(9));
        item(std::string("パラボリックタイムプライス ").append("AF=").append(NumberText(f.ParabolicAF)));
    }
    if (Checked(w, "mnuKagiAshi", 1) || Checked(w, "mnuKagiAshi", 2)) {
        page.SetForeColor(QBColor(0));
        std::string text = std::string("時系列カギ足 ").append(NumberText(f.KagiPct)).append(" ％");
        if (Checked(w, "mnuKagiAshi", 2)) text = std::string("非").append(text);
        item(text);
    }
    const MenuItem regression = w.Item("mnu線形回帰", 1);
    if (regression.Checked() && regression.Enabled()) {
        page.SetForeColor(QBColor(2));
        std::string text = "線形回帰トレンド";
        if (f.RegressionPeriods[1] > 0) text.append(" ").append(Num(f.RegressionPeriods[1]));
        if (f.RegressionPeriods[2] > 0) text.append(",").append(Num(f.RegressionPeriods[2]));
        if (f.RegressionPeriods[3] > 0) text.append(",").append(Num(f.RegressionPeriods[3]));
        item(text.append(u));
    }
}

std::string DateText() {
    const Date d = Today();
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", d.year, d.month, d.day);
    return text;
}

}  // namespace

void PrintLegendsAndTitle(ChartHost& w, Surface& page, const PageValues& v, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const bool inverted = f.InvertedChart == kTrue;
    const bool landscape = v.orientation == 2;
    const int row = PaperRow(v.paperSize);
    // Pane sequence.
    RestorePageScale(w, page);
    if (Checked(w, "mnu一目") && !Checked(w, "mnu一目雲のみ")) {
        f.IchimokuCloudPass = 0;
        DrawIchimoku(w, file1);
    }
    DrawPricePane(w, file1);
    PrintedIndicatorPane(w, page, v.paperSize, v.orientation, file1);
    DrawVolumePane(w, file1);
    RestorePageScale(w, page);
    const Surface& pic = w.PricePane();
    if (f.MaxVolume != 0 && w.CheckValue(9) == 1) {
        DrawPriceBandVolume(w, file1);
        page.SetScaleLeft(pic.ScaleLeft() - v.W);
        page.SetScaleWidth(pic.ScaleWidth() + 2 * v.W);
    }
    // Legend set-up.
    double U = f.PriceSpan / 130.0;
    static const double kLandscapeK[4] = {2.5, 2.1, 2.7, 2.9};
    static const double kPortraitK[4] = {2.8, 3, 2.9, 3};
    double K = landscape ? kLandscapeK[row] : kPortraitK[row];
    if (landscape && row == 2) U = U * 0.8;
    if (v.paperSize == 43) page.SetFontSize(6);
    const double legendY = inverted ? f.PriceBottom + 3 * U : f.PriceTop - 3 * U;
    page.SetCurrentY(legendY);
    // First column.
    std::string family = FamilyLegend(w, page, v.letter);
    // Second column.
    SecondColumn(w, page, family, v.letter, legendY);
    // Frame line below the chart.
    page.SetDrawWidth(6);
    const double frameY = inverted ? f.ClipLevelH : f.ClipLevelL;
    page.Line(page.ScaleLeft() + v.W, frameY, page.ScaleWidth() - 2 * v.W, frameY, QBColor(6));
    page.SetDrawWidth(3);
    // Title line.
    page.SetForeColor(QBColor(9));
    page.SetCurrentX(0);
    static const int kN[4][4] = {{7, 5, 6, 6}, {8, 5, 7, 5}, {11, 6, 10, 7}, {11, 6, 10, 7}};
    const int n = kN[row][(inverted ? 2 : 0) + (landscape ? 0 : 1)];
    double t = inverted ? f.PriceBottom - n * U : f.PriceTop + n * U;
    const bool lowerPane = Checked(w, "mnu陰陽足") || Checked(w, "mnu3Days");
    if (lowerPane) t = inverted ? f.PriceBottom - 2 * (f.PriceBottom - t) : f.PriceTop + 2 * (t - f.PriceTop);
    page.SetCurrentY(t);
    static const double kTitleFont[4] = {14, 13, 11, 8};
    page.SetFontSize(kTitleFont[row]);
    if (v.paperSize == 43 && !landscape) K = 4;
    std::string title = f.StockTitle;
    if (!title.empty() && title[0] == '(') {
        // Four characters, whatever their width in bytes.
        const QString q = QString::fromStdString(title);
        title = q.mid(4).toStdString();
    }
    title.append(w.CheckValue(8) == 1 ? std::string("(月足)") : std::string("(").append(f.PeriodUnit.Text()).append("足)"));
    title.append("    ").append(family);
    page.Print(title);
    // Version and date.
    if (!w.Item("mnuFuncExItem", 3).Checked()) return;
    page.SetFontSize(v.paperSize == 43 ? 6 : 9);
    const double x = page.ScaleWidth() - 1.1 * K * v.W;
    const double rise = lowerPane ? 14 * U : 9 * U;
    page.SetCurrentX(x);
    page.SetCurrentY(inverted ? t - rise : t + rise);
    const ApplicationState& app = Program().app;
    page.Print(std::string(app.AppTitle)
                   .append(Num(kProgramVersion.major))
                   .append(".")
                   .append(Num(kProgramVersion.minor))
                   .append(".")
                   .append(Num(kProgramVersion.revision))
                   .append(app.VersionSuffix));
    page.SetCurrentX(x);
    page.Print(DateText());
}

}  // namespace ranvik
