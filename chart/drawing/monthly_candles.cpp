// The monthly candles of the candlestick chart, on screen and on paper.
#include "chart/drawing/monthly_candles.h"

#include <QLabel>
#include <algorithm>
#include <optional>
#include <string>

#include "chart/drawing/price_overlays.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

std::string TwoDigitYear(const std::string& date) { return date.size() >= 2 ? date.substr(date.size() - 2) : date; }

void PrintAt(Surface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// The working state of the pass.
struct MonthPass {
    ChartHost& w;
    ChartWindowState& f;
    Surface& price;  // Picture1
    Surface& out;    // Picture1, or the page while printing
    bool paper = false;
    ChartFile monthly;  // file number 2
    const CandleLayers& layers;

    float d = 1;     // the volume unit
    float vmax = 0;  // the volume ceiling in units of d
    double um = 0;   // the text unit
    double dateY = 0;
    double x = 0;
    double previousWidth = 0;
    int previousYear = 0;
    float previousBuy = 0;
    float previousSell = 0;
    std::int64_t lastRecord = 0;  // 0 while no month is drawn
    double lastX = 0;

    bool pivotOn = false;
    bool kagiOn = false;
    bool parabolicOn = false;
    MonthlyPivotPass pivot;
    KagiPass kagi;
    ParabolicPass parabolic;

    MonthPass(ChartHost& window, Surface& onto, bool printing, const CandleLayers& l)
        : w(window), f(window.Fields()), price(window.PricePane()), out(onto), paper(printing), layers(l) {}

    bool VolumeArea() const { return f.MaxVolume != 0 && vmax > 0; }
    double Base() const { return f.VolumeAreaRatio * static_cast<double>(vmax); }

    void SetVolumeScale() {
        if (paper) {
            out.SetScaleHeight(Base() * f.VolumePaneFactor);
            out.SetScaleTop(-(static_cast<double>(vmax) * f.VolumeAreaRatio * 0.2));
        } else {
            price.Scale(0, Base(), f.ViewWidth, 0);
        }
    }
    void RestoreScale() {
        if (paper) {
            out.SetScaleHeight(f.SavedScaleHeight);
            out.SetScaleTop(f.SavedScaleTop);
        } else if (f.InvertedChart == kTrue) {
            price.Scale(0, f.ClipLevelL, f.ViewWidth, f.ClipLevelH);
        } else {
            price.Scale(0, f.PriceTop, f.ViewWidth, f.ClipLevelL);
        }
    }
};

void ChooseVolumeCeiling(MonthPass& p) {
    ChartWindowState& f = p.f;
    if (Checked(p.w, "mnuFuncExItem", 2)) {
        p.f.MaxVolume = p.monthly.ReadHeader().value_or(QuoteRecord{}).Volume;
    }
    if (f.MaxVolume > 100000000) p.d = 1000;
    p.vmax = f.MaxVolume / p.d;
    if (Checked(p.w, "mnuSinyouBB") && !Checked(p.w, "mnuDekiIdou") && !Checked(p.w, "mnuDekidaka") &&
        (f.ViewMaxBuyBalance != 0 || f.ViewMaxSellBalance != 0)) {
        p.vmax = static_cast<float>(std::max<double>(f.ViewMaxBuyBalance, f.ViewMaxSellBalance));
        p.d = 1;
    }
}

void DrawThroughBothPanes(ChartHost& w, double x, Color color) {
    for (Surface* s : {&w.IndicatorPane(), &w.PricePane()}) {
        s->Line(x, s->ScaleTop(), x, s->ScaleTop() + s->ScaleHeight(), color);
    }
}

void DrawDateMarks(MonthPass& p, const QuoteRecord& bar, int year) {
    ChartWindowState& f = p.f;
    Surface& price = p.price;
    if (year != p.previousYear) {
        DrawThroughBothPanes(p.w, p.x, QBColor(8));
        price.SetForeColor(RGB(50, 130, 255));
        PrintAt(price, p.x, p.dateY, " '" + TwoDigitYear(bar.QuoteDate));
        if (Checked(p.w, "mnuTopicsDisp", 1) || Checked(p.w, "mnuTopicsDisp", 2)) {
            double x = p.x;
            double height = p.um;
            p.layers.topics(p.w, x, height, year);
        }
        return;
    }
    if (price.ScaleWidth() > 1500) return;
    Color tick;
    if (bar.QuoteDate.compare(0, 2, "07") == 0) {
        tick = QBColor(12);
    } else if (price.Width() > 7000) {
        tick = QBColor(8);
    } else {
        return;
    }
    price.Line(p.x, f.PriceTop, p.x, f.PriceTop - p.um, tick);
    price.Line(p.x, f.PriceBottom, p.x, f.PriceBottom + p.um, tick);
}

void DrawCandle(MonthPass& p, const QuoteRecord& bar, double w) {
    ChartWindowState& f = p.f;
    Color color = RGB(0, 128, 128);
    f.LineColorNo = 3;
    if (bar.High == f.FileHigh || bar.Low == f.FileLow) {
        color = RGB(255, 0, 0);
        f.LineColorNo = 12;
    }
    Surface& out = p.out;
    const double x = p.x;
    if (p.paper) {
        out.SetForeColor(QBColor(8));
        if (bar.High == f.ViewHigh) {
            PrintAt(out, x, f.ViewHigh + p.um, FormatNumber(f.ViewHigh, f.AxisFormat));
        } else if (bar.Low == f.ViewLow) {
            PrintAt(out, x, f.ViewLow - p.um, FormatNumber(f.ViewLow, f.AxisFormat));
        }
        if (!(w > 0)) return;
        color = QBColor(f.LineColorNo);
    }
    out.Line(x + w / 2 - 0.5, bar.High, x + w / 2 - 0.5, bar.Low, color);
    if (bar.Open > bar.Close) {
        out.Line(x, bar.Open, x + w - 1, bar.Close, color, LineKind::FilledBox);
    } else {
        out.Line(x, bar.Open, x + w - 1, bar.Close, QBColor(15), LineKind::FilledBox);
        out.Line(x, bar.Open, x + w - 1, bar.Close, color, LineKind::Box);
    }
}

void DrawVolumeArea(MonthPass& p, QuoteRecord& bar, double w) {
    if (!p.VolumeArea()) return;
    Surface& out = p.out;
    const double x = p.x;
    const double base = p.Base();
    p.SetVolumeScale();
    if (Checked(p.w, "mnuDekidaka")) {
        if (p.d != 1) bar.Volume = bar.Volume / p.d;
        const float v = bar.Volume;
        if (v != 0 && w > 0) {
            if (p.paper) {
                out.Line(x, base, x + w, base - v, QBColor(10), LineKind::Box);
            } else {
                out.Line(x, 0, x + w, v, RGB(100, 220, 100), LineKind::FilledBox);
                out.Line(x, 0, x + w, v, QBColor(15), LineKind::Box);
            }
        }
    }
    if (Checked(p.w, "mnuSinyouBB") && x > 0) {
        const double from = x - p.previousWidth / 2;
        const double to = x + w / 2;
        auto y = [&](float value) { return p.paper ? base - value / p.d : value / p.d; };
        if (bar.BuyBalance != 0 && p.previousBuy != 0) out.Line(from, y(p.previousBuy), to, y(bar.BuyBalance), QBColor(13));
        if (bar.SellBalance != 0 && p.previousSell != 0) {
            out.Line(from, y(p.previousSell), to, y(bar.SellBalance), QBColor(9));
        }
    }
    p.previousBuy = bar.BuyBalance;
    p.previousSell = bar.SellBalance;
    p.RestoreScale();
}

void DrawParabolic(MonthPass& p, std::int64_t r, const QuoteRecord& bar, double w) {
    ChartWindowState& f = p.f;
    const float next = p.parabolic.Step(f, p.monthly, r, bar.Open, bar.High, bar.Low, bar.Close);
    const Color color = p.parabolic.ColorOf(f);
    p.price.SetDrawWidth(2);
    if (!p.paper) {
        p.price.Line(p.x, next, p.x + w, next, color);
    } else if (f.ClipLevelL < next && next < f.ClipLevelH) {
        p.out.SetDrawWidth(8);
        p.out.Line(p.x, next, p.x + w, next, color);
        p.out.SetDrawWidth(3);
    }
    p.price.SetDrawWidth(1);
}

void RunMonths(MonthPass& p) {
    ChartWindowState& f = p.f;
    QuoteRecord& bar = Program().store.QuoteBufA;
    const double scaleWidth = p.price.ScaleWidth();
    // The header is no month: a search that found none starts at record 1.
    for (std::int64_t r = std::max<std::int64_t>(f.MonthlyFirstRecord, 2); r <= f.MonthlyRecordCount; ++r) {
        p.monthly.Read(r, bar);
        const double w = bar.RecordNo;
        const int year = static_cast<int>(Val(TwoDigitYear(bar.QuoteDate)));
        if (!p.paper) DrawDateMarks(p, bar, year);
        DrawCandle(p, bar, w);
        DrawVolumeArea(p, bar, w);
        if (p.pivotOn) p.pivot.Bar(p.out, p.paper, f, bar.High, bar.Low, bar.Close, p.x, p.previousWidth, w);
        if (p.kagiOn) p.kagi.Bar(f, p.out, bar.Close, p.x + w / 2, w / 2);
        if (p.parabolicOn) DrawParabolic(p, r, bar, w);
        p.lastRecord = r;
        p.previousYear = year;
        p.previousWidth = w;
        p.x += w;
        p.lastX = p.x;
        if (p.x >= scaleWidth) break;
    }
}

void ShowDateRange(MonthPass& p) {
    QLabel& range = p.w.LabelNo(21);
    const QuoteRecord& last = p.monthly.Read(p.lastRecord, Program().store.QuoteBufA);
    range.setText(QString::fromStdString("  (" + p.f.FirstShownDate.Text() + "～" + last.QuoteDate + ")"));
    range.adjustSize();
    const QLabel& info = p.w.LabelNo(20);
    SetLeft(&range, LeftOf(&info) + WidthOf(&info) + 10);
    range.show();
}

// The monthly file as file number 1 for the regression, the data file put
// back however the call ends.
class MonthlyFileAsFile1 {
public:
    MonthlyFileAsFile1(ChartFile& file1, const std::string& monthly, const std::string& data)
        : file1_(file1), data_(data) {
        file1.Close();
        file1.Open(monthly);
    }
    ~MonthlyFileAsFile1() {
        file1_.Close();
        try {
            file1_.Open(data_);
        } catch (const FileError&) {
            // The caller finds file number 1 closed.
        }
    }
    MonthlyFileAsFile1(const MonthlyFileAsFile1&) = delete;
    MonthlyFileAsFile1& operator=(const MonthlyFileAsFile1&) = delete;

private:
    ChartFile& file1_;
    std::string data_;
};

}  // namespace

void DrawMonthlyCandles(ChartHost& w, ChartFile& file1, const CandleLayers& layers) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    const bool paper = f.PrintingNow != 0;
    Surface* page = paper ? w.PrintPage() : nullptr;
    if (paper && page == nullptr) return;
    MonthPass p(w, paper ? *page : price, paper, layers);
    const std::string monthlyPath = Program().app.AppDir + f.MonthlyFileName;
    // 1.
    p.monthly.Open(monthlyPath);
    ChooseVolumeCeiling(p);
    w.LabelNo(21).hide();
    if (price.Height() > 0) p.um = (f.PriceTop - f.PriceBottom + f.VolumeAreaHeight / 3) / price.Height() * 100;
    p.dateY = f.InvertedChart == kTrue ? f.PriceTop - 2 * p.um : f.PriceBottom + 2 * p.um;
    p.x = -f.MonthCutDays;
    p.previousWidth = -f.MonthCutDays;
    // 2.
    p.pivotOn = Checked(w, "mnuPibott");
    p.kagiOn = Checked(w, "mnuKagiAshi", 1) || Checked(w, "mnuKagiAshi", 2);
    p.parabolicOn = Checked(w, "mnuParabolic");
    if (p.parabolicOn) p.parabolic = StartMonthlyParabolic(w, p.monthly);
    if (p.kagiOn) p.kagi = StartMonthlyKagi(w, p.monthly);
    // 3.
    p.previousYear = static_cast<int>(Val(TwoDigitYear(p.monthly.Read(f.MonthlyFirstRecord, Program().store.QuoteBufA).QuoteDate)));
    if (p.pivotOn) p.pivot = StartMonthlyPivot(f, p.monthly);
    // 4.
    RunMonths(p);
    // 5.
    if (p.kagiOn) p.kagi.Close(f, p.out);
    // 6.
    if (Checked(w, "mnuGamen比", 2) && f.MaxVolume != 0) {
        if (paper) p.SetVolumeScale();
        double maxVolume = f.MaxVolume;
        layers.volumeScale(w, maxVolume, static_cast<int>(p.d));
        f.MaxVolume = static_cast<float>(maxVolume);
        if (paper) p.RestoreScale();
    }
    // 7.
    if (Checked(w, "mnuFuncExItem", 1) && p.lastRecord != 0) ShowDateRange(p);
    // 8.
    p.monthly.Close();
    if (Checked(w, "mnu線形回帰") && p.lastRecord != 0) {
        MonthlyFileAsFile1 monthlyAsFile1(file1, monthlyPath, f.DataFileName);
        layers.regression(w, file1, p.lastRecord, p.lastX);
    }
}

}  // namespace ranvik
