// The stock comparison chart.
#include "chart/kinds/stock_compare.h"

#include <QLabel>
#include <cmath>
#include <string>

#include "chart/drawing/chart_setup.h"
#include "chart/drawing/split_correction.h"
#include "chart/drawing/topics.h"
#include "chart/kinds/kind_bars.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

struct DateParts {
    int month = 0;
    int day = 0;
    int year2 = 0;
    int Year() const { return CompareYear(year2); }
};

DateParts PartsOf(std::string_view date) {
    DateParts d;
    d.month = DateField(date.substr(0, 2));
    d.day = date.size() >= 5 ? DateField(date.substr(3, 2)) : 0;
    d.year2 = date.size() >= 8 ? DateField(date.substr(6, 2)) : 0;
    return d;
}

bool ValidMonth(std::string_view date) {
    const int m = PartsOf(date).month;
    return m >= 1 && m <= 12;
}

int YearDay(const DateParts& d) {
    const auto& before = Program().calendar.DaysBeforeMonth;
    return before[static_cast<std::size_t>(d.month)] + d.day + (d.month > 2 && d.year2 % 4 == 0 ? 1 : 0);
}

int YearLength(int year) { return year % 4 == 0 ? 366 : 365; }

// The percent of a close against the line's base, in single precision.
float PercentOf(float close, float base) {
    const float ratio = close / base * 100.0f;
    return static_cast<float>(Fix(ratio)) - 100.0f;
}

bool OnOrAfter(const DateParts& a, const DateParts& base) {
    if (a.Year() != base.Year()) return a.Year() > base.Year();
    if (a.month != base.month) return a.month > base.month;
    return a.day >= base.day;
}

void NextColour(ChartWindowState& f) {
    int c = (f.LineColorNo + 1) % 15;
    const bool black = f.BackColorNo == 2;
    if (c == 0 && black) c = 2;
    if (c == 4 && black) c = 6;
    if (c == 1 && !black) c = 2;
    if (c == 14 && !black) c = 0;
    f.LineColorNo = static_cast<std::int16_t>(c);
}

std::string TwoDigits(int n) {
    std::string t = std::to_string(n);
    return t.size() < 2 ? Joined({"0", t}) : t;
}

void DrawMonthAxis(ChartHost& w, double unit) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    const auto& days = Program().calendar.MonthDays;
    // A base bar whose date names no month (a damaged file) has no months
    // to mark.
    if (!(f.CompareBaseDate[1] >= 1 && f.CompareBaseDate[1] <= 12)) return;
    int m = static_cast<int>(f.CompareBaseDate[1]) - 1;
    int year = static_cast<int>(f.CompareBaseDate[2]);
    if (m <= 0) {
        m = 12;
        --year;
    }
    const bool topics = w.Item("mnuTopicsDisp", 1).Checked() || w.Item("mnuTopicsDisp", 2).Checked();
    double x = 0;
    bool first = true;
    while (x < p.ScaleWidth()) {
        // The axis starts at the end of month m: a base in March of a leap
        // year has February's end at 0 already.
        if (m == 2 && year % 4 == 0 && !first) x += 1;
        first = false;
        if (f.ViewWidth < 2000) {
            const Color tick = m == 6 ? QBColor(12) : QBColor(8);
            p.Line(x, f.PriceTop, x, f.PriceTop - unit, tick);
            p.Line(x, f.PriceBottom, x, f.PriceBottom + unit, tick);
            if (m == 1 && topics) {
                double tx = x - 31, offset = unit;
                DrawTopics(w, tx, offset, year % 100);
            }
            if (p.ScaleWidth() < 500 && m % 2 == 0) {
                p.SetForeColor(QBColor(2));
                PrintAt(p, x - 19, f.PriceBottom + 2 * unit, std::to_string(m));
            }
        }
        if (m == 12) {
            p.Line(x, f.PriceBottom, x, f.PriceTop, QBColor(7));
            ++year;
            p.SetForeColor(QBColor(3));
            PrintAt(p, x, f.PriceBottom + 2 * unit, Joined({" '", TwoDigits(year < 2000 ? year - 1900 : year - 2000)}));
            m = 0;
        }
        ++m;
        x += days[static_cast<std::size_t>(m)];
    }
}

void DrawPercentGrid(ChartHost& w, double margin, double unit) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    const bool black = f.BackColorNo == 2;
    const Color label = black ? QBColor(7) : RGB(50, 100, 150);
    const Color grid = black ? RGB(76, 96, 22) : RGB(176, 196, 222);
    p.SetFontSize(10);
    const int top = static_cast<int>(f.PriceTop);
    for (int v = static_cast<int>(f.PriceBottom) + 20; v <= top; v += 20) {
        const std::string text = std::to_string(v);
        if (v != 0) {
            p.Line(p.ScaleWidth() / p.Width() * 100 * static_cast<double>(text.size() - 1), v, p.ScaleWidth(), v,
                   grid);
        }
        p.SetForeColor(label);
        PrintAt(p, -margin, v + unit, std::to_string(v + 100) + "%");
    }
}

// The fresh start: scale, base date, legend pane, axes and grid.
void SetUpAxes(ChartHost& w, KindReader& reader, double margin, double unit) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    Surface& legend = w.IndicatorPane();
    p.Scale(-margin, f.PriceTop, f.ViewWidth, f.PriceBottom);
    const KindBar base = reader.ReadRaw(f.FirstRecord);
    const DateParts d = PartsOf(base.date);
    legend.SetFontSize(8);
    f.CompareBaseDate = {static_cast<double>(d.day), static_cast<double>(d.month), static_cast<double>(d.Year())};
    f.LegendX = 0;
    f.LegendY = 0;
    legend.Scale(0, -50, legend.Width(), legend.Height());
    DrawMonthAxis(w, unit);
    if (DayOfYear(f, base.date)) f.CompareBaseYearDay = f.YearDayNo;
    p.SetDrawWidth(3);
    p.Line(p.ScaleWidth() / p.Width() * 190, 0, p.ScaleWidth(), 0, RGB(176, 196, 222));
    p.SetDrawWidth(1);
    DrawPercentGrid(w, margin, unit);
    p.Line(-margin, p.ScaleTop(), p.ScaleWidth(), p.ScaleTop(), RGB(100, 120, 200));
    legend.Line(0, legend.ScaleTop(), legend.ScaleWidth(), legend.ScaleTop(), RGB(100, 120, 200));
    f.LineColorNo = 7;
}

std::string BaseDateText(const ChartWindowState& f) {
    std::string t = TwoDigits(static_cast<int>(f.CompareBaseDate[1]));
    t += '/';
    t += TwoDigits(static_cast<int>(f.CompareBaseDate[0]));
    t += '/';
    t += TwoDigits(static_cast<int>(f.CompareBaseDate[2]) % 100);
    return t;
}

void PrintLegend(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    Surface& legend = w.IndicatorPane();
    legend.SetForeColor(QBColor(f.LineColorNo));
    PrintAt(legend, f.LegendX, f.LegendY, f.StockTitle);
    const double chars = static_cast<double>(CharCount(f.StockTitle));
    f.LegendX = f.LegendX + chars * 130 + 100;
    if (f.LegendX + chars * 130 > legend.Width()) {
        f.LegendX = 0;
        f.LegendY = static_cast<float>(legend.CurrentY());
    }
}

void DrawLine(ChartHost& w, KindReader& reader, std::int64_t r0, double x0) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    PrintLegend(w);
    const KindBar first = reader.Read(r0, false);
    QLabel& info = w.LabelNo(20);
    info.setText(QString::fromStdString(Joined({" 基準 : ", std::to_string(CompareYear(first.Year2())), "/", first.MonthDay()})));
    info.setVisible(true);
    f.LineBaseClose = first.v.Close;
    // A first close of 0 has no percent: the stock keeps its legend entry
    // and base label but draws no line.
    if (f.LineBaseClose != 0 && ValidMonth(first.date)) {
        const bool rate = IsExchangeRateCode(f);
        double prevX = x0, prevY = 0;
        std::string prevDate = first.date;
        p.SetDrawWidth(2);
        for (std::int64_t r = r0 + 1; r <= f.RecordCount; ++r) {
            const KindBar bar = reader.Read(r);
            if (!ValidMonth(bar.date) || !bar.Drawable()) continue;
            const double x = prevX + DayStep(prevDate, bar.date);
            float y = PercentOf(bar.v.Close, f.LineBaseClose);
            if (rate) y = -y;
            const Color colour = QBColor(f.LineColorNo);
            if (x - prevX < 14) {
                p.Line(prevX, prevY, x, y, colour);
            } else {
                p.SetDrawWidth(1);
                p.SetDrawStyle(DrawStyle::DashDotDot);
                p.Line(prevX, prevY, x, y, colour);
                p.SetDrawStyle(DrawStyle::Solid);
                p.SetDrawWidth(2);
            }
            prevX = x;
            prevY = y;
            prevDate = bar.date;
            if (x >= p.ScaleWidth()) break;
        }
    }
    p.SetDrawWidth(1);
    f.CompareRestart = 0;
}

// The first record of an added stock dated on or after the base date (its
// last record when none is) and its place on the axis.
void AddStock(ChartHost& w, KindReader& reader) {
    ChartWindowState& f = w.Fields();
    NextColour(f);
    DateParts base;
    base.day = static_cast<int>(f.CompareBaseDate[0]);
    base.month = static_cast<int>(f.CompareBaseDate[1]);
    base.year2 = static_cast<int>(f.CompareBaseDate[2]) % 100;
    std::int64_t r0 = f.RecordCount;
    std::string date;
    for (std::int64_t r = 2; r <= f.RecordCount; ++r) {
        const KindBar bar = reader.ReadRaw(r);
        if (OnOrAfter(PartsOf(bar.date), base)) {
            r0 = r;
            date = bar.date;
            break;
        }
    }
    if (date.empty()) date = reader.ReadRaw(r0).date;
    double x0 = base.day;
    const DateParts at = PartsOf(date);
    const bool onBase = at.Year() == base.Year() && at.month == base.month && at.day == base.day;
    if (!onBase && ValidMonth(date)) x0 += DayStep(BaseDateText(f), date);
    DrawLine(w, reader, r0, x0);
}

}  // namespace

bool DayOfYear(ChartWindowState& f, std::string_view date) {
    const DateParts d = PartsOf(date);
    if (d.month < 1 || d.month > 12) return false;
    f.YearDayNo = static_cast<std::int16_t>(YearDay(d));
    return true;
}

int DayStep(std::string_view d1, std::string_view d2) {
    const DateParts a = PartsOf(d1), b = PartsOf(d2);
    const int dayA = YearDay(a), dayB = YearDay(b);
    if (a.Year() == b.Year()) return dayB - dayA;
    // The rest of d1's year as long as that year really is.
    int step = YearLength(a.Year()) - dayA + dayB;
    for (int y = a.Year() + 1; y < b.Year(); ++y) step += YearLength(y);
    return step;
}

void DrawStockCompare(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    if (IsActiveWindow(f)) w.SetMainWindowCaption(Program().app.AppTitle + f.StockTitle);
    const bool fresh = f.CompareRestart == kTrue;
    if (fresh) {
        p.Cls();
        w.IndicatorPane().Cls();
        if (f.RecordCount < 3) return;
    } else if (f.RecordCount < 2) {
        return;
    }
    // An axis of no height cannot be drawn: a size never entered counts as
    // the 100 the chart kind starts with.
    const int top = std::abs(static_cast<int>(f.CompareTopPct));
    const int bottom = std::abs(static_cast<int>(f.CompareBottomPct));
    f.PriceTop = top == 0 ? 100 : top;
    f.PriceBottom = -(bottom == 0 ? 100 : bottom);
    const double unit = (f.PriceTop - f.PriceBottom) / 60;
    KindReader reader(w, file1);
    if (fresh) {
        const double margin = Fix(f.ViewWidth / p.Width() * 90 * 3);
        SetUpAxes(w, reader, margin, unit);
        DrawLine(w, reader, f.FirstRecord, f.CompareBaseDate[0]);
    } else {
        AddStock(w, reader);
    }
}

}  // namespace ranvik
