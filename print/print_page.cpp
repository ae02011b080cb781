// The printed page's layout: scale, price frame and grid, date axis, cloud,
// the volume scale's maximum and the margin-balance legend; then the bars and
// the common last part.
#include <cmath>
#include <string>

#include "chart/drawing/ichimoku.h"
#include "chart/drawing/monthly_candles.h"
#include "chart/drawing/topics.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"
#include "print/printed_page.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

int TwoDigits(const std::string& text, std::size_t at) {
    return text.size() >= at + 2 ? static_cast<int>(Val(text.substr(at, 2))) : 0;
}
std::string LastTwo(const std::string& date) { return date.size() >= 2 ? date.substr(date.size() - 2) : date; }

void TickMarks(ChartWindowState& f, Surface& page, double p, double labelOffset) {
    const Color c = QBColor(f.LineColorNo);
    page.Line(p, f.PriceTop, p, f.PriceTop - labelOffset / 2, c);
    page.Line(p, f.PriceBottom, p, f.PriceBottom + labelOffset / 2, c);
}

void Topics(ChartHost& w, double x, double labelOffset, int year) {
    DrawTopics(w, x, labelOffset, year);
}

bool TopicsShown(ChartHost& w) { return Checked(w, "mnuTopicsDisp", 1) || Checked(w, "mnuTopicsDisp", 2); }

// Step 2: the page's scale from the price pane's, read back and kept.
void SetPageScale(ChartHost& w, Surface& page, PageValues& v) {
    ChartWindowState& f = w.Fields();
    const Surface& pic = w.PricePane();
    const double sh = pic.ScaleHeight();
    bool ok = page.SetScaleHeight(v.H / 2 * 2.37 + sh * 1.1);
    ok = page.SetScaleTop(pic.ScaleTop() - v.H / 2) && ok;
    f.VolumePaneFactor = (static_cast<double>(v.H) / 135 / sh + 1) * 1.279 * 1.2;
    ok = page.SetScaleLeft(pic.ScaleLeft() - v.W) && ok;
    ok = page.SetScaleWidth(pic.ScaleWidth() + 2 * v.W) && ok;
    if (!ok) throw PrintRefused("印刷ページの目盛を設定できません");
    f.SavedScaleTop = static_cast<float>(page.ScaleTop());
    f.SavedScaleHeight = page.ScaleHeight();
    page.SetDrawWidth(3);
    page.SetFontSize(v.paperSize == 43 ? 7 : 11);
}

// Step 3: frame, price grid with its labels, the lower pane's bottom line.
void DrawPriceGrid(ChartHost& w, Surface& page, const PageValues& v, bool lowerPane) {
    ChartWindowState& f = w.Fields();
    const float step = f.PriceGridStep;
    double g = static_cast<double>(step) * std::trunc((f.PriceBottom + step) / step);
    if (f.PriceBottom + step == g) g = f.PriceBottom;
    const double left = page.ScaleLeft() + v.W;
    const double right = page.ScaleWidth() - 2 * v.W;
    page.Line(left, f.PriceTop, right, f.PriceTop, QBColor(6));
    page.Line(left, f.PriceBottom, right, f.PriceBottom, QBColor(6));
    const double factor = (v.paperSize == 11 || v.paperSize == 43) ? 1.0 : 0.8;
    double s = factor * v.LabelOffset;
    if (f.InvertedChart == kTrue) s = -s;
    if (lowerPane) s = s * 2;
    page.SetDrawStyle(DrawStyle::Dot);
    page.SetForeColor(QBColor(13));
    int c = 1;
    for (float y = static_cast<float>(g); y <= f.PriceTop; y += step) {
        f.LineColorNo = 6;
        page.SetDrawWidth(1);
        if (c == 0) {
            f.LineColorNo = 13;
            page.SetDrawWidth(2);
        }
        c = (c + 1) % 3;
        if (y != f.PriceTop) page.Line(left, y, right, y, QBColor(f.LineColorNo));
        const std::string label = FormatNumber(y, f.AxisFormat);
        page.SetCurrentX(page.ScaleLeft() + v.W / 2);
        page.SetCurrentY(y + s);
        page.Print(label);
        if (lowerPane) {
            page.SetCurrentX(page.ScaleLeft() + v.W / 2);
            page.SetCurrentY(f.InvertedChart == kTrue ? y + f.PriceSpan + s : y - f.PriceSpan + s);
            page.Print(label);
        }
    }
    page.SetDrawWidth(2);
    page.SetDrawStyle(DrawStyle::Solid);
    if (lowerPane) {
        const double y = f.InvertedChart == kTrue ? f.PriceTop + f.PriceSpan : f.PriceBottom - f.PriceSpan;
        page.Line(0, y, w.PricePane().ScaleWidth(), y, QBColor(6));
    }
}

struct Axis {
    int m0 = 0, y0 = 0, d0 = 0;
    double D = 0;
    double dateLine = 0;
};

// Step 5a: the months of the temporary monthly file.
void MonthlyAxis(ChartHost& w, Surface& page, const PageValues& v, const Axis& a) {
    ChartWindowState& f = w.Fields();
    StoreState& store = Program().store;
    ChartFile file2;
    const std::string path = Program().app.AppDir + f.MonthlyFileName;
    try {
        if (!f.MonthlyFileName.empty()) file2.Open(path);
    } catch (const std::exception&) {
    }
    if (!file2.IsOpen()) throw PrintRefused("月足の一時ファイルを読めません");
    if (f.MonthlyFirstRecord < 2 || file2.RecordsHeld() < f.MonthlyFirstRecord) {
        throw PrintRefused("月足の一時ファイルが足りません");
    }
    double x = page.ScaleLeft() + v.W - f.MonthCutDays;
    int month = a.m0, year = a.y0, previousYear = a.y0;
    const int k = file2.Read(f.MonthlyFirstRecord, store.QuoteBufA).RecordNo == 14 ? 14 : 0;
    const double held = static_cast<double>(file2.RecordsHeld());
    for (std::int64_t r = f.MonthlyFirstRecord + 1; x < page.ScaleWidth() - 2 * v.W && r <= held; ++r) {
        const QuoteRecord& rec = file2.Read(r, store.QuoteBufA);
        const double width = rec.RecordNo;
        if (year != previousYear) {
            if (f.InvertedChart == kTrue) {
                page.Line(x - k, f.PriceTop + a.D, x - k, f.PriceBottom, RGB(100, 100, 100));
            } else {
                page.Line(x - k, f.PriceTop, x - k, f.PriceBottom + a.D, RGB(100, 100, 100));
            }
            page.SetCurrentY(a.dateLine);
            page.SetCurrentX(x);
            page.SetForeColor(QBColor(3));
            page.Print(std::string(" '").append(LastTwo(rec.QuoteDate)));
            if (TopicsShown(w)) Topics(w, x, v.LabelOffset, year);
            TickMarks(f, page, x + width, v.LabelOffset);
        } else if (w.PricePane().ScaleWidth() <= 3000) {
            if (month == 2 && year % 4 == 0) x = x + 1;
            f.LineColorNo = month == 6 ? 13 : 8;
            TickMarks(f, page, x + width, v.LabelOffset);
        }
        if (r >= f.MonthlyRecordCount) break;
        x = x + width;
        previousYear = year;
        month = TwoDigits(rec.QuoteDate, 0);
        year = TwoDigits(rec.QuoteDate, 6);
    }
    file2.Close();
}

// The line of a year or month from the price range's top edge into the
// volume area, with the lower pane and the inversion.
void DateLine(ChartWindowState& f, Surface& page, double x, double D, bool lowerPane, Color color) {
    if (f.InvertedChart == kTrue) {
        const double top = lowerPane ? f.PriceTop + f.PriceSpan + D : f.PriceTop + D;
        page.Line(x, top, x, f.PriceBottom, color);
    } else {
        const double bottom = lowerPane ? f.PriceBottom - f.PriceSpan + D : f.PriceBottom + D;
        page.Line(x, f.PriceTop, x, bottom, color);
    }
}

// Step 5b: the months and years of the daily or weekly records.
void BarAxis(ChartHost& w, Surface& page, const PageValues& v, const Axis& a, ChartFile& file1, bool lowerPane) {
    ChartWindowState& f = w.Fields();
    const bool daily = f.IsDaily == kTrue;
    const double sw = w.PricePane().ScaleWidth();
    const bool wide = daily ? f.ViewWidth >= 20000 : f.ViewWidth >= 10000;
    int previousMonth = a.m0, previousYear = a.y0;
    double x = 7;
    int b = 7;
    auto monthNumber = [&](double at, int month) {
        page.SetCurrentX(at);
        page.SetCurrentY(a.dateLine);
        page.SetForeColor(QBColor(2));
        page.PrintNumber(month);
    };
    for (std::int64_t r = f.FirstRecord + 1; r <= f.RecordCount; ++r) {
        const QuoteRecord& rec = file1.Read(r, Program().store.QuoteBufA);
        const int yr = TwoDigits(rec.QuoteDate, 6);
        const int mo = TwoDigits(rec.QuoteDate, 0);
        if (mo != previousMonth) {
            const bool newYear = yr != previousYear;
            if (newYear) {
                page.SetForeColor(QBColor(4));
                DateLine(f, page, x, a.D, lowerPane, RGB(100, 100, 100));
                if (!wide || yr % 5 == 0) {
                    page.SetCurrentX(x);
                    page.SetCurrentY(a.dateLine);
                    page.Print(std::string(" '").append(LastTwo(rec.QuoteDate)));
                }
                if (TopicsShown(w)) Topics(w, x, v.LabelOffset, yr);
            }
            if (sw > 5000) {
                if (daily && sw <= 13000 &&
                    (previousMonth == 3 || previousMonth == 6 || previousMonth == 9)) {
                    page.Line(x, f.PriceTop, x, f.PriceBottom + a.D, RGB(200, 200, 200));
                }
            } else if (!daily) {
                f.LineColorNo = mo == 7 ? 13 : 8;
                TickMarks(f, page, x, v.LabelOffset);
            } else if (!newYear) {
                DateLine(f, page, x, a.D, lowerPane, RGB(200, 200, 200));
            }
            if (previousMonth % 2 == 0) {
                if (daily && x - b >= 28 && sw <= 3000) {
                    monthNumber(x - (x - b) / 2 - 14, previousMonth);
                } else if (!daily && x - b >= 14 && sw <= 450) {
                    monthNumber(x - (x - b) / 2 - 5, previousMonth);
                }
            }
            previousYear = yr;
            previousMonth = mo;
            b = static_cast<int>(x);
        }
        x = x + 7;
        if (x > sw) break;
    }
    if (daily && previousMonth % 2 == 0 && sw <= 3000 && x - b >= 42) monthNumber(x - (x - b) / 2, previousMonth);
}

}  // namespace

void UseVolumeScale(ChartHost& w, Surface& page, float m) {
    const ChartWindowState& f = w.Fields();
    const double rm = static_cast<double>(f.VolumeAreaRatio) * m;
    page.SetScaleHeight(f.VolumePaneFactor * rm);
    page.SetScaleTop(-0.2 * rm);
}

void RestorePageScale(ChartHost& w, Surface& page) {
    page.SetScaleHeight(w.Fields().SavedScaleHeight);
    page.SetScaleTop(w.Fields().SavedScaleTop);
}

void PrintCandleChart(ChartHost& w, Surface& page, int paperSize, int orientation, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const Surface& pic = w.PricePane();
    // 1.  A scale the printer cannot take leaves nothing to print.
    if (!page.Scale(0, f.PriceTop, pic.ScaleWidth(), f.PriceBottom)) {
        throw PrintRefused("印刷ページの目盛を設定できません");
    }
    if (f.PriceGridStep <= 0 || !std::isfinite(f.PriceGridStep)) throw PrintRefused("価格の目盛幅が 0 です");
    if (pic.Height() <= 0 || pic.ScaleHeight() == 0) throw PrintRefused("チャートの高さが 0 です");
    PageValues v;
    v.paperSize = paperSize;
    v.orientation = orientation;
    v.W = pic.ScaleWidth() * 0.1;
    v.H = static_cast<float>(pic.ScaleHeight() * 0.33);
    v.letter = w.CheckValue(8) == 1 ? std::string("月") : f.PeriodUnit.Text();
    // 2.
    SetPageScale(w, page, v);
    // 3.
    v.LabelOffset = 100 * (f.PriceTop - f.PriceBottom + f.VolumeAreaHeight / 3) / pic.Height();
    if (orientation == 1) v.LabelOffset = v.LabelOffset * 0.75;
    const bool lowerPane = Checked(w, "mnu陰陽足") || Checked(w, "mnu3Days");
    DrawPriceGrid(w, page, v, lowerPane);
    // 4.
    Axis a;
    const QuoteRecord& first = file1.Read(f.FirstRecord, Program().store.QuoteBufA);
    a.m0 = TwoDigits(first.QuoteDate, 0);
    a.y0 = TwoDigits(first.QuoteDate, 6);
    a.d0 = TwoDigits(first.QuoteDate, 3);
    a.D = (Checked(w, "mnuGamen比", 2) ? 1.8 : 1.23) * v.H;
    const double lines = paperSize == 11 ? 3 : 2;
    a.dateLine = f.InvertedChart == kTrue ? f.PriceTop - lines * v.LabelOffset : f.PriceBottom + lines * v.LabelOffset;
    if (a.m0 >= 1 && a.m0 <= 10 && TopicsShown(w)) {
        Topics(w, Program().calendar.MonthDays[static_cast<std::size_t>(a.m0)] - a.d0 + 7, v.LabelOffset, a.y0);
    }
    // 5.
    if (w.CheckValue(8) == 1) {
        MonthlyAxis(w, page, v, a);
    } else {
        BarAxis(w, page, v, a, file1, lowerPane);
    }
    // 6.
    page.SetForeColor(QBColor(0));
    if (Checked(w, "mnu一目")) {
        f.IchimokuCloudPass = kTrue;
        DrawIchimoku(w, file1);
    }
    // 7.
    v.VolumeUnit = 1;
    if (w.Item("mnuFuncExItem", 2).Checked()) f.MaxVolume = static_cast<float>(f.FileMaxVolume);
    if (f.MaxVolume > 100000000) v.VolumeUnit = 1000;
    v.VolumeScaleMax = f.MaxVolume / static_cast<float>(v.VolumeUnit);
    if (Checked(w, "mnuSinyouBB") && !Checked(w, "mnuDekidaka") && !Checked(w, "mnuDekiIdou") &&
        (f.ViewMaxSellBalance != 0 || f.ViewMaxBuyBalance != 0)) {
        v.VolumeScaleMax = static_cast<float>(f.ViewMaxSellBalance);
        if (f.ViewMaxBuyBalance > v.VolumeScaleMax) v.VolumeScaleMax = f.ViewMaxBuyBalance;
        v.VolumeUnit = 1;
        if (paperSize == 43) page.SetFontSize(6);
        page.SetCurrentX(pic.ScaleLeft() + 60);
        page.SetCurrentY(f.PriceBottom);
        page.SetForeColor(QBColor(9));
        page.Print("信用売残", PrintEnd::SameLine);
        page.SetForeColor(QBColor(13));
        page.Print(" 信用買残", PrintEnd::SameLine);
        if (paperSize == 43) page.SetFontSize(7);
    }
    // 8.
    if (w.CheckValue(8) == 1) {
        DrawMonthlyCandles(w, file1);
    } else {
        PrintBarPass(w, page, v, file1);
    }
    // 9.
    PrintLegendsAndTitle(w, page, v, file1);
}

}  // namespace ranvik
