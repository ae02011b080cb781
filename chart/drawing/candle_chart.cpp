// The candlestick chart of a chart window: its grid and caption, the pass over
// the shown daily or weekly bars (date marks, volume area, candles) and what
// follows the pass.
#include "chart/drawing/candle_chart.h"

#include <QLabel>
#include <algorithm>
#include <string>
#include <string_view>

#include "chart/drawing/monthly_candles.h"
#include "chart/drawing/monthly_file.h"
#include "chart/drawing/price_overlays.h"
#include "chart/drawing/split_correction.h"
#include "chart/drawing/visible_range.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

// What the steps before the bar pass leave for it and for the steps after it.
struct CandleFrame {
    double U = 0;     // the price span of 100 twips of pane height
    float T = 0;      // the label offset
    bool subPane = false;
    Color grey;
};

// The scale of the price pane while prices are drawn: the one the visible
// range set, or with the sub-pane the taller one of step 3.
void RestorePriceScale(ChartWindowState& f, Surface& price) {
    if (f.InvertedChart == kTrue) {
        price.Scale(0, f.ClipLevelL, f.ViewWidth, f.ClipLevelH);
    } else {
        price.Scale(0, f.PriceTop, f.ViewWidth, f.ClipLevelL);
    }
}

void SetUpSubPane(ChartWindowState& f, Surface& price) {
    f.VolumeAreaHeight = static_cast<float>(2 * (f.PriceTop - f.PriceBottom) / (f.VolumeAreaRatio - 1));
    if (f.InvertedChart == kTrue) {
        const double bottom = f.PriceTop + f.PriceSpan + f.VolumeAreaHeight;
        price.Scale(0, f.PriceBottom, f.ViewWidth, bottom);
        f.ClipLevelH = bottom;
        f.ClipLevelL = static_cast<float>(f.PriceBottom);
    } else {
        const double bottom = f.PriceBottom - f.PriceSpan - f.VolumeAreaHeight;
        price.Scale(0, f.PriceTop, f.ViewWidth, bottom);
        f.ClipLevelH = f.PriceTop;
        f.ClipLevelL = static_cast<float>(bottom);
    }
}

void DrawBoundaryLines(ChartWindowState& f, Surface& price, const CandleFrame& frame) {
    const bool inverted = f.InvertedChart == kTrue;
    const double right = price.ScaleWidth();
    const double y = inverted ? f.PriceTop : f.PriceBottom;
    price.Line(price.ScaleLeft(), y, right, y, frame.grey);
    if (frame.subPane) {
        const double sub = inverted ? f.PriceTop + f.PriceSpan : f.PriceBottom - f.PriceSpan;
        price.Line(0, sub, right, sub, frame.grey);
    }
}

void PrintAt(Surface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

void PrintNumberAt(Surface& s, double x, double y, int value) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.PrintNumber(value);
}

void DrawPriceGrid(ChartWindowState& f, Surface& price, const CandleFrame& frame) {
    const float s = f.PriceGridStep;
    price.SetForeColor(f.BackColorNo == 2 ? QBColor(7) : RGB(50, 100, 150));
    price.SetFontSize(10);
    // A step the range never chose (no scale yet) or one too small to move
    // the float counter would never end the loop.
    if (s > 0) {
        double first = Fix((f.PriceBottom + s) / s) * s;
        if (first == f.PriceBottom + s) first = f.PriceBottom;
        const double scaleWidth = price.ScaleWidth();
        const double perTwip = scaleWidth / price.Width();
        int counter = 1;
        for (float y = static_cast<float>(first); y <= f.PriceTop; y += s) {
            price.SetDrawStyle(counter == 0 ? DrawStyle::Solid : DrawStyle::Dot);
            counter = (counter + 1) % 3;
            const std::string text = FormatNumber(y, f.AxisFormat);
            double w = RoundHalfEven(perTwip * 100 * static_cast<double>(text.size()));
            if (text.size() <= 3) w = RoundHalfEven(perTwip * 20 + w);
            price.Line(w, y, scaleWidth - w, y, frame.grey);
            PrintAt(price, 0, y + frame.T, text);
            PrintAt(price, scaleWidth - w, y + frame.T, text);
            if (frame.subPane) {
                const double sub = f.InvertedChart == kTrue ? y + f.PriceSpan : y - f.PriceSpan;
                PrintAt(price, scaleWidth - w, sub + frame.T, text);
            }
            if (y + s == y) break;
        }
    }
    if (f.ViewWidth > 10000) price.SetFontSize(9);
    price.SetDrawStyle(DrawStyle::Solid);
}

void SetChartCaption(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    struct Overlay {
        const char* item;
        const char* name;
    };
    static constexpr Overlay kFirstOf[] = {
        {"mnuIdouHeikin", "移動平均"},   {"mnu一目", "一目均衡表"},      {"mnuボリンジャ", "ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"},
        {"mnuHLband", "ＨＬﾊﾞﾝﾄﾞ"},      {"mnuEnvelope", "ｴﾝﾍﾞﾛｰﾌﾟ"},    {"mnuBBdaikin", "売買代金移動平均"},
        {"mnu陰陽足", "陰陽足"},         {"mnu3Days", "三日平均"},       {"mnuPibott", "ピボット"},
    };
    std::string overlay;
    for (const Overlay& o : kFirstOf) {
        if (Checked(w, o.item)) {
            overlay += std::string(" + ") + o.name;
            break;
        }
    }
    if (Checked(w, "mnuParabolic")) overlay += " + ﾊﾟﾗﾎﾞﾘｯｸﾀｲﾑﾌﾟﾗｲｽ";
    if (Checked(w, "mnu線形回帰")) overlay += " + 線形回帰ﾄﾚﾝﾄﾞ";
    if (Checked(w, "mnuKagiAshi", 1)) {
        overlay += " + 時系列ｶｷﾞ足";
    } else if (Checked(w, "mnuKagiAshi", 2)) {
        overlay += " + 非時系列ｶｷﾞ足";
    }
    const std::string period = w.CheckValue(8) == 1 ? std::string("月") : f.PeriodUnit.Text();
    w.SetWindowCaption(period + "足" + overlay);
}

// The working state of one daily or weekly bar pass.
struct BarPass {
    double x = 0;
    int year = 0;   // of the previous bar
    int month = 0;  // of the previous bar: the old month at a change
    double monthStartX = 0;
    double lastX = 0;
    std::int64_t lastRecord = 0;
    float previousSell = 0;
    float previousBuy = 0;
    float d = 1;     // the volume unit
    float vmax = 0;  // the volume ceiling in units of d
    double dateY = 0;
    bool daily = false;
    bool pivotOn = false;
    bool kagiOn = false;
    bool parabolicOn = false;
    PivotPass pivot;
    KagiPass kagi;
    ParabolicPass parabolic;
    bool topicsOn = false;
    bool volumesOn = false;   // the menus do not change during the pass
    bool balancesOn = false;
    // The dates' texts the year and month above were read from: a bar of the
    // same month reads them again only when its text differs.
    std::string yearText;
    std::string monthText;
    int textYear = 0;
    int textMonth = 0;
    // The file's largest volume as the bars are drawn: corrected while the
    // correction is on.
    double fileMaxVolume = 0;
};

// The two-digit year (the last two characters of "mm/dd/yy") and the month
// (the first two).
std::string YearText(const QuoteRecord& r) {
    const std::string& d = r.QuoteDate;
    return d.size() >= 2 ? d.substr(d.size() - 2) : d;
}
int YearOf(const QuoteRecord& r) { return static_cast<int>(Val(YearText(r))); }
int MonthOf(const QuoteRecord& r) { return static_cast<int>(Val(r.QuoteDate.substr(0, 2))); }

void DrawThroughBothPanes(ChartHost& w, double x, Color grey, DrawStyle style) {
    for (Surface* s : {&w.IndicatorPane(), &w.PricePane()}) {
        s->SetDrawStyle(style);
        s->Line(x, s->ScaleTop(), x, s->ScaleTop() + s->ScaleHeight(), grey);
        s->SetDrawStyle(DrawStyle::Solid);
    }
}

// The topics take x and the text height by reference and give them back
// unchanged; copies keep the pass's own x out of their reach.
void DrawTopicsFrom(ChartHost& w, const CandleLayers& layers, double x, double textHeight, int year) {
    layers.topics(w, x, textHeight, year);
}

void DrawDateMarks(ChartHost& w, BarPass& p, const QuoteRecord& bar, const CandleFrame& frame,
                   const CandleLayers& layers) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    const std::string& date = bar.QuoteDate;
    const std::string_view yearText =
        date.size() >= 2 ? std::string_view(date).substr(date.size() - 2) : std::string_view(date);
    const std::string_view monthText = std::string_view(date).substr(0, 2);
    if (yearText != p.yearText || monthText != p.monthText) {
        p.yearText = yearText;
        p.monthText = monthText;
        p.textYear = YearOf(bar);
        p.textMonth = MonthOf(bar);
    }
    const int year = p.textYear;
    const int month = p.textMonth;
    if (month == p.month && year == p.year) return;
    const double x = p.x;
    const double scaleWidth = price.ScaleWidth();
    const Color monthColor = f.BackColorNo == 2 ? QBColor(10) : QBColor(2);
    if (year != p.year) {
        DrawThroughBothPanes(w, x, frame.grey, DrawStyle::Solid);
        const bool narrow = p.daily ? f.ViewWidth < 20000 : f.ViewWidth < 9000;
        const std::string label = " '" + YearText(bar);
        if (narrow || year % 5 == 0) {
            price.SetForeColor(RGB(0, 150, 255));
            PrintAt(price, x, p.dateY, label);
        }
        if (narrow && p.daily && f.ViewWidth <= 3000) {
            price.SetForeColor(QBColor(2));
            PrintNumberAt(price, x - (x - p.monthStartX) / 2 - 14, p.dateY, p.month);
        }
        if (p.topicsOn) DrawTopicsFrom(w, layers, x, frame.U, year);
    } else if (scaleWidth <= 5000) {
        if (p.daily) {
            DrawThroughBothPanes(w, x, frame.grey, DrawStyle::Dot);
        } else if (scaleWidth <= 1500) {
            f.LineColorNo = p.month == 6 ? 12 : 8;
            const Color tick = QBColor(f.LineColorNo);
            price.Line(x, f.PriceTop, x, f.PriceTop - frame.U, tick);
            price.Line(x, f.PriceBottom, x, f.PriceBottom + frame.U, tick);
        }
        if (p.month % 2 == 0) {
            const double span = x - p.monthStartX;
            price.SetForeColor(monthColor);
            if (p.daily) {
                if (scaleWidth <= 3000 && span >= 28) PrintNumberAt(price, x - span / 2 - 14, p.dateY, p.month);
            } else if (scaleWidth <= 450 && span >= 14) {
                PrintNumberAt(price, x - span / 2 - 5, p.dateY, p.month);
            }
        }
    } else if (scaleWidth <= 13000) {
        if (p.daily && (p.month == 3 || p.month == 6 || p.month == 9)) {
            DrawThroughBothPanes(w, x, frame.grey, DrawStyle::Dot);
        }
    }
    p.month = month;
    p.year = year;
    p.monthStartX = x;
}

void DrawVolumeArea(ChartHost& w, BarPass& p, const QuoteRecord& bar) {
    ChartWindowState& f = w.Fields();
    const bool volumes = p.volumesOn;
    const bool balances = p.balancesOn;
    float v = bar.Volume;
    float s = bar.SellBalance;
    float b = bar.BuyBalance;
    if (!(volumes || balances) || (v == 0 && s == 0 && b == 0)) return;
    // A ceiling of 0 would scale the pane to no height: nothing to show.
    if (p.vmax == 0) return;
    if (p.d != 1) {
        v /= p.d;
        s /= p.d;
        b /= p.d;
    }
    Surface& price = w.PricePane();
    const double x = p.x;
    price.Scale(0, f.VolumeAreaRatio * static_cast<double>(p.vmax), f.ViewWidth, 0);
    if (volumes) {
        price.Line(x + 1, 0, x + 5, v, RGB(100, 220, 100), LineKind::FilledBox);
        if (bar.Volume == p.fileMaxVolume) price.Line(x + 1, 0, x + 5, v, QBColor(2), LineKind::FilledBox);
    }
    if (balances) {
        if (p.previousSell != 0 && s != 0) price.Line(x - 4, p.previousSell, x + 3, s, QBColor(9));
        if (p.previousBuy != 0 && b != 0) price.Line(x - 4, p.previousBuy, x + 3, b, QBColor(13));
        p.previousSell = s;
        p.previousBuy = b;
    }
    RestorePriceScale(f, price);
}

void DrawCandle(ChartHost& w, BarPass& p, std::int64_t r, const QuoteRecord& bar, bool corrected) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    // The candle's colour: the file's extremes red, bars before the split
    // point of a corrected chart lighter.  Taken from a table, not put
    // together part by part on every bar.
    static constexpr Color kCandleColors[2][2] = {{RGB(0, 120, 200), RGB(255, 0, 0)},
                                                  {RGB(0 + 50, 120 + 50, 200 + 50), RGB(255 + 50, 0 + 50, 0 + 50)}};
    const bool extreme = bar.High == f.FileHigh || bar.Low == f.FileLow;
    const bool lighter = corrected && f.CorrectionRecord > r;
    const Color color = kCandleColors[lighter ? 1 : 0][extreme ? 1 : 0];
    static constexpr Color kHollow = QBColor(15);
    const double x = p.x;
    p.lastX = x;
    price.Line(x + 3, bar.High, x + 3, bar.Low, color);
    const bool hollow = f.InvertedChart == kTrue ? bar.Open > bar.Close : bar.Open < bar.Close;
    if (hollow) {
        price.Line(x, bar.Open, x + 6, bar.Close, kHollow, LineKind::FilledBox);
        price.Line(x, bar.Open, x + 6, bar.Close, color, LineKind::Box);
    } else {
        price.Line(x, bar.Open, x + 6, bar.Close, color, LineKind::FilledBox);
    }
}

BarPass StartBarPass(ChartHost& w, ChartFile& file1, const QuoteRecord& first, const CandleFrame& frame) {
    ChartWindowState& f = w.Fields();
    BarPass p;
    p.pivotOn = Checked(w, "mnuPibott");
    p.kagiOn = Checked(w, "mnuKagiAshi", 1) || Checked(w, "mnuKagiAshi", 2);
    p.parabolicOn = Checked(w, "mnuParabolic");
    if (p.parabolicOn) p.parabolic = StartParabolic(w, file1);
    if (p.kagiOn) p.kagi = StartKagi(w, file1);
    p.daily = f.IsDaily == kTrue;
    p.fileMaxVolume = CorrectionOn(w) && f.CorrectedMaxVolume != 0 ? f.CorrectedMaxVolume : f.FileMaxVolume;
    if (Checked(w, "mnuFuncExItem", 2)) f.MaxVolume = static_cast<float>(p.fileMaxVolume);
    if (f.MaxVolume > 100000000) p.d = 1000;
    p.vmax = f.MaxVolume / p.d;
    if (Checked(w, "mnuSinyouBB") && !Checked(w, "mnuDekiIdou") && !Checked(w, "mnuDekidaka") &&
        (f.ViewMaxBuyBalance != 0 || f.ViewMaxSellBalance != 0)) {
        p.vmax = static_cast<float>(f.ViewMaxBuyBalance > f.ViewMaxSellBalance ? f.ViewMaxBuyBalance
                                                                               : f.ViewMaxSellBalance);
        p.d = 1;
    }
    p.year = YearOf(first);
    p.month = MonthOf(first);
    const double lift = (Checked(w, "mnuGamen比", 2) ? 2.5 : 2) * frame.U;
    p.dateY = f.InvertedChart == kTrue ? f.PriceTop - lift : f.PriceBottom + lift;
    p.topicsOn = Checked(w, "mnuTopicsDisp", 1) || Checked(w, "mnuTopicsDisp", 2);
    p.volumesOn = Checked(w, "mnuDekidaka");
    p.balancesOn = Checked(w, "mnuSinyouBB");
    return p;
}

void RunBarPass(ChartHost& w, ChartFile& file1, BarPass& p, const CandleFrame& frame, const CandleLayers& layers) {
    ChartWindowState& f = w.Fields();
    const bool corrected = CorrectionOn(w);
    const double scaleWidth = w.PricePane().ScaleWidth();
    QuoteRecord& bar = Program().store.QuoteBufA;
    for (std::int64_t r = f.FirstRecord; r <= f.RecordCount; ++r) {
        file1.Read(r, bar);
        if (corrected) ApplyCorrection(f, r, bar);
        p.lastRecord = r;
        DrawDateMarks(w, p, bar, frame, layers);
        DrawVolumeArea(w, p, bar);
        DrawCandle(w, p, r, bar, corrected);
        Surface& price = w.PricePane();
        if (p.pivotOn) p.pivot.Bar(price, bar.High, bar.Low, bar.Close, p.x - 4, p.x + 3);
        if (p.kagiOn) p.kagi.Bar(f, price, bar.Close, p.x + 3, 7);
        if (p.parabolicOn) p.parabolic.Bar(f, price, file1, r, bar.Open, bar.High, bar.Low, bar.Close, p.x);
        p.x += 7;
        if (p.x >= scaleWidth) break;
    }
}

void PlaceAfter(QLabel& label, const QLabel& before, int gap) {
    SetLeft(&label, LeftOf(&before) + WidthOf(&before) + gap);
}

void FinishBarPass(ChartHost& w, ChartFile& file1, BarPass& p, const CandleLayers& layers) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    const double scaleWidth = price.ScaleWidth();
    if (p.month % 2 == 0 && ((p.daily && scaleWidth <= 3000) || scaleWidth <= 500)) {
        price.SetForeColor(f.BackColorNo == 2 ? QBColor(10) : QBColor(2));
        PrintNumberAt(price, p.x - (p.x - p.monthStartX) / 2, p.dateY, p.month);
    }
    if (Checked(w, "mnuGamen比", 2) && f.MaxVolume != 0) {
        double maxVolume = f.MaxVolume;
        layers.volumeScale(w, maxVolume, static_cast<int>(p.d));
        f.MaxVolume = static_cast<float>(maxVolume);
    }
    QLabel& range = w.LabelNo(21);
    const bool rangeShown = Checked(w, "mnuFuncExItem", 1);
    if (rangeShown) {
        const QuoteRecord& last = file1.Read(p.lastRecord, Program().store.QuoteBufA);
        range.setText(QString::fromStdString("  (" + f.FirstShownDate.Text() + "～" + last.QuoteDate + ")"));
        range.adjustSize();
        PlaceAfter(range, w.LabelNo(20), 10);
        range.show();
    } else {
        range.hide();
    }
    if (!f.WebPriceText.empty()) {
        if (!f.WebPriceNote.empty() && f.WebPriceNote.front() != '(') f.WebPriceNote = "(" + f.WebPriceNote + ")";
        QLabel& web = w.LabelNo(10);
        PlaceAfter(web, rangeShown ? range : w.LabelNo(20), 100);
        web.setText(QString::fromStdString("現在値 " + f.WebPriceText + f.WebPriceNote));
        web.show();
    }
    if (Checked(w, "mnu線形回帰")) layers.regression(w, file1, p.lastRecord, p.lastX);
}

std::string YearText(const std::string& date) { return date.size() >= 2 ? date.substr(date.size() - 2) : date; }
std::string MonthText(const std::string& date) { return date.substr(0, 2); }

// Step 2 with monthly candles: the first shown month in the monthly file,
// the days of it before the first shown record, and the price scale fitted
// over the monthly records from there.
void PrepareMonthlyView(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    StoreState& store = Program().store;
    const std::string path = Program().app.AppDir + f.MonthlyFileName;
    ChartFile file2;
    file2.Open(path);
    f.MonthlyRecordCount = file2.ReadHeader().value_or(QuoteRecord{}).RecordNo;
    const QuoteRecord reference = file1.Read(f.FirstRecord, store.QuoteBufB);
    const std::string year = YearText(reference.QuoteDate);
    const std::string month = MonthText(reference.QuoteDate);
    std::int64_t i = f.MonthlyRecordCount;
    while (i >= 2 && YearText(file2.Read(i, store.QuoteBufB).QuoteDate) != year) --i;
    while (i >= 2 && MonthText(file2.Read(i, store.QuoteBufB).QuoteDate) != month) --i;
    f.MonthlyFirstRecord = static_cast<std::int16_t>(i >= 2 ? i : 1);
    std::int64_t j = f.FirstRecord;
    while (j >= 2 && MonthText(file1.Read(j, store.QuoteBufB).QuoteDate) == month) --j;
    if (j < 2) j = 1;
    f.MonthCutDays = static_cast<std::int16_t>(f.FirstRecord - (j + 1));
    file2.Close();
    f.SavedFirstRecord = f.FirstRecord;
    f.SavedRecordCount = f.RecordCount;
    file1.Close();
    file1.Open(path);
    f.FirstRecord = f.MonthlyFirstRecord;
    f.RecordCount = f.MonthlyRecordCount;
    ScanVisibleRange(w, file1);
    file1.Close();
    f.FirstRecord = f.SavedFirstRecord;
    f.RecordCount = f.SavedRecordCount;
    file1.Open(f.DataFileName);
}

void DrawTopBorders(ChartHost& w) {
    for (Surface* s : {&w.PricePane(), &w.IndicatorPane()}) {
        s->Line(0, s->ScaleTop(), s->ScaleWidth(), s->ScaleTop(), RGB(100, 120, 200));
    }
}

}  // namespace

void DrawCandleChart(ChartHost& w, ChartFile& file1, const CandleLayers& layers) {
    ChartWindowState& f = w.Fields();
    Surface& price = w.PricePane();
    // 1.
    w.LabelNo(12).setText(w.LabelNo(1).text());
    w.LabelNo(20).show();
    price.Cls();
    w.IndicatorPane().Cls();
    f.CrossX = ChartWindowState::kNoCross;
    f.CrossY = static_cast<float>(ChartWindowState::kNoCross);
    // 2.
    const bool monthly = w.CheckValue(8) == 1;
    if (monthly) {
        // A monthly file removed behind the window's back is made again
        // under its name: the draw would otherwise fail on opening it.
        if (f.MonthlyFileName.empty() || FileExistsIn(f.MonthlyFileName, Program().app.AppDir) != 1) {
            MakeMonthlyFile(w, file1);
        }
        PrepareMonthlyView(w, file1);
    } else {
        ScanVisibleRange(w, file1);
    }
    // A pane of no height or width has nothing to show and would divide by
    // nothing below.
    if (price.Height() <= 0 || price.Width() <= 0) return;
    // 3.
    CandleFrame frame;
    frame.grey = f.BackColorNo == 2 ? RGB(90, 90, 90) : RGB(150, 150, 150);
    const bool smallPane = price.Height() < 1000;
    if (smallPane) f.PriceGridStep = f.PriceGridStep * 2;
    frame.U = (f.PriceTop - f.PriceBottom) / price.Height() * 100;
    frame.T = static_cast<float>(frame.U);
    if (f.InvertedChart == kTrue) frame.T = -frame.T;
    if (Checked(w, "mnuGamen比", 2)) frame.T = frame.T * 1.4f;
    f.PriceSpan = static_cast<float>(f.PriceTop - f.PriceBottom);
    frame.subPane = Checked(w, "mnu陰陽足") || Checked(w, "mnu3Days");
    if (frame.subPane) {
        SetUpSubPane(f, price);
        frame.T = frame.T * 2;
    }
    // 4.  The cloud lies under everything drawn later.
    if (Checked(w, "mnu一目")) {
        f.IchimokuCloudPass = kTrue;
        layers.ichimoku(w, file1);
    }
    // 5.
    const QuoteRecord first = file1.Read(f.FirstRecord, Program().store.QuoteBufA);
    f.FirstShownDate = first.QuoteDate;
    // 6.
    DrawBoundaryLines(f, price, frame);
    // 7.
    DrawPriceGrid(f, price, frame);
    if (smallPane) f.PriceGridStep = f.PriceGridStep / 2;
    // 8.
    SetChartCaption(w);
    // 9.
    if (monthly) {
        DrawMonthlyCandles(w, file1, layers);
    } else {
        // 10 to 12.
        BarPass pass = StartBarPass(w, file1, first, frame);
        pass.lastRecord = std::min<std::int64_t>(f.FirstRecord, f.RecordCount);
        if (pass.topicsOn && pass.month <= 10) DrawTopicsFrom(w, layers, 0, frame.U, pass.year);
        RunBarPass(w, file1, pass, frame, layers);
        FinishBarPass(w, file1, pass, layers);
    }
    // 13.
    if (Checked(w, "mnu一目") && !Checked(w, "mnu一目雲のみ")) {
        f.IchimokuCloudPass = 0;
        layers.ichimoku(w, file1);
    }
    layers.pricePane(w, file1);
    layers.indicatorPane(w, file1);
    layers.volumePane(w, file1);
    if (w.CheckValue(9) == 1) layers.priceBandVolume(w, file1);
    DrawTopBorders(w);
}

}  // namespace ranvik
