// The year-by-year comparison chart.
#include "chart/kinds/year_compare.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/drawing/chart_setup.h"
#include "chart/kinds/kind_bars.h"
#include "chart/kinds/stock_compare.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ValidMonth(const KindBar& bar) { return bar.Month() >= 1 && bar.Month() <= 12; }

int Year4(const KindBar& bar) { return CompareYear(bar.Year2()); }

std::string TwoDigitsOf(int year) {
    std::string t = std::to_string(year % 100);
    return t.size() < 2 ? Joined({"0", t}) : t;
}

struct Setup {
    int startYear = 0;
    int startMonth = 1;
};

// The scale of the scanned extremes: top, bottom and grid step, whole
// numbers of percent (held as doubles: a close far off the year's first one
// gives a percent beyond any integer).
struct YearScale {
    double top = 0;
    double bottom = 0;
    double step = 10;
};

// More grid levels than a pane can show one above the other; a wider range
// (a close far off all the others) gets a grid ten, a hundred ... times
// coarser instead, so the grid's loop stays as short as the pane.
constexpr double kMostLevels = 1000;

YearScale ScaleOf(double top, double bottom) {
    YearScale s;
    s.top = Fix(top / 10.0) * 10 + 10;
    s.step = s.top >= 1000 ? 200 : s.top >= 500 ? 50 : s.top >= 300 ? 30 : s.top >= 200 ? 20 : 10;
    s.bottom = Fix(bottom / s.step) * s.step - s.step;
    if (s.bottom < -100) s.bottom = -100;
    return s;
}

int DaysBeforeStartMonth(int startMonth) {
    int o = 0;
    for (int m = 1; m < startMonth; ++m) o += Program().calendar.MonthDays[static_cast<std::size_t>(m)];
    return o;
}

// Set-up steps 1 to 15; returns the year to draw.
int SetUp(ChartHost& w, KindReader& reader, bool variant2) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    Surface& legend = w.IndicatorPane();
    if (variant2) {
        w.SetYearPanelVisible(true);
        w.ClearYearList();
        w.SetYearListText("選択");
    }
    double top = 0, bottom = 0;
    KindBar bar = reader.ReadRaw(2);
    f.LineBaseClose = bar.v.Close;
    Setup s;
    std::int64_t start = 2;
    const std::string givenYear = Trimmed(f.YearCompareStartYear.Text());
    const std::string givenMonth = Trimmed(f.YearCompareStartMonth.Text());
    s.startYear = Year4(bar);
    if (!givenYear.empty() || !givenMonth.empty()) {
        if (!givenYear.empty()) s.startYear = CompareYear(static_cast<int>(Val(givenYear)));
        if (!givenMonth.empty()) s.startMonth = static_cast<int>(Val(givenMonth));
        start = f.RecordCount + 1;
        for (std::int64_t r = 3; r <= f.RecordCount; ++r) {
            bar = reader.ReadRaw(r);
            if (Year4(bar) > s.startYear || (Year4(bar) == s.startYear && bar.Month() >= s.startMonth)) {
                start = r;
                break;
            }
        }
        f.LineBaseClose = bar.v.Close;
    }
    while (start <= f.RecordCount && !reader.ReadRaw(start).Drawable()) ++start;
    if (start <= f.RecordCount) {
        bar = reader.Read(start, false);
        f.LineBaseClose = bar.v.Close;
    }
    QLabel& info = w.LabelNo(20);
    const bool inRange = start < f.RecordCount;
    if (inRange) {
        s.startYear = Year4(bar);
        info.setText(QString::fromStdString(Joined({"  　開始年/月 ： ", std::to_string(s.startYear), "/", bar.MonthText()})));
    } else {
        info.setText(" 表示範囲外");
    }
    info.setVisible(true);
    int currentYear2 = bar.Year2();
    for (std::int64_t r = start + 1; r <= f.RecordCount; ++r) {
        const KindBar b = reader.Read(r);
        if (!ValidMonth(b) || !b.Drawable()) continue;
        if (b.Year2() != currentYear2 && b.Month() >= s.startMonth) {
            if (variant2) w.AddYearToList(std::to_string(CompareYear(currentYear2)));
            currentYear2 = b.Year2();
            f.LineBaseClose = b.v.Close;
        }
        // A year whose first close is 0 has no percent to scan.
        if (f.LineBaseClose == 0) continue;
        const double v = Fix(b.v.Close / f.LineBaseClose * 100.0f) - 100;
        if (!std::isfinite(v)) continue;
        if (v >= 0) {
            top = std::max(top, v);
        } else {
            bottom = std::min(bottom, v);
        }
    }
    if (inRange && variant2) w.AddYearToList(std::to_string(CompareYear(currentYear2)));
    YearScale scale = ScaleOf(top, bottom);
    p.Scale(-10, scale.top, 383, scale.bottom);
    const double unit = (scale.top - scale.bottom) / 60.0;
    p.Cls();
    legend.Cls();
    const auto& days = Program().calendar.MonthDays;
    int m = s.startMonth - 1;
    for (double x = 0; x <= p.ScaleWidth();) {
        p.Line(x, scale.top, x, scale.top - unit, QBColor(2));
        p.Line(x, scale.bottom, x, scale.bottom + unit, QBColor(2));
        if (m % 2 == 0 && p.Width() > 4000) {
            p.SetForeColor(QBColor(2));
            PrintAt(p, x - 20, scale.bottom + 2 * unit, std::to_string(m));
        }
        m = m == 12 ? 1 : m + 1;
        x += days[static_cast<std::size_t>(m)];
    }
    p.SetDrawWidth(2);
    p.Line(1, 0, p.ScaleWidth(), 0, RGB(176, 196, 222));
    p.SetDrawWidth(1);
    const bool black = f.BackColorNo == 2;
    const Color label = black ? QBColor(7) : RGB(50, 100, 150);
    if (scale.bottom == -scale.step && scale.top == scale.step) scale.step /= 2;
    const Color grid = black ? RGB(76, 96, 22) : RGB(176, 196, 222);
    p.SetFontSize(10);
    while ((scale.top - scale.bottom) / scale.step > kMostLevels) scale.step *= 10;
    for (int k = 1;; ++k) {
        const double v = scale.bottom + k * scale.step;
        if (v > scale.top) break;
        const std::string text = NumberText(v);
        if (v != 0) {
            p.Line(p.ScaleWidth() / p.Width() * 100 * static_cast<double>(text.size() + 2) - 10, v, p.ScaleWidth(),
                   v, grid);
        }
        p.SetForeColor(label);
        PrintAt(p, -10, v + unit * 0.8, NumberText(v + 100) + "%");
    }
    p.SetFontSize(9);
    const int o = DaysBeforeStartMonth(s.startMonth);
    p.Scale(o - 10, scale.top, o + 383, scale.bottom);
    p.SetDrawWidth(1);
    p.Line(-10, p.ScaleTop(), p.Width(), p.ScaleTop(), RGB(100, 120, 200));
    legend.Line(0, legend.ScaleTop(), legend.Width(), legend.ScaleTop(), RGB(100, 120, 200));
    f.YearColorNo = 8;
    f.LegendY = 0;
    f.LegendX = 100;
    f.YearCompareRestart = 0;
    return s.startYear;
}

void NextYearColour(ChartWindowState& f) {
    int c = f.YearColorNo % 15 + 1;
    const bool black = f.BackColorNo == 2;
    if (c == 1 && black) c = 2;
    if (c == 4 && black) c = 6;
    if (c == 14 && !black) c = 0;
    f.YearColorNo = static_cast<std::int16_t>(c);
}

void PrintLegendYear(ChartHost& w, int year) {
    ChartWindowState& f = w.Fields();
    Surface& legend = w.IndicatorPane();
    legend.SetForeColor(QBColor(f.YearColorNo));
    PrintAt(legend, f.LegendX, f.LegendY, std::to_string(year));
    f.LegendX = f.LegendX + 580;
    if (f.LegendX + 580 > legend.Width()) {
        f.LegendX = 100;
        f.LegendY = static_cast<float>(legend.CurrentY());
    }
}

void DrawYears(ChartHost& w, KindReader& reader, int year, bool variant2) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    Surface& legend = w.IndicatorPane();
    const std::string startMonthText = f.YearCompareStartMonth.Text();
    const bool anyMonth = Trimmed(startMonthText).empty();
    std::int64_t first = 2;
    while (first < f.RecordCount && Year4(reader.ReadRaw(first)) < year) ++first;
    while (first < f.RecordCount) {
        const KindBar b = reader.ReadRaw(first);
        if (b.Drawable() && (anyMonth || b.MonthText() >= startMonthText)) break;
        ++first;
    }
    const int segmentStartMonth = static_cast<int>(Val(startMonthText));
    const double o = p.ScaleLeft() + 10;
    legend.Scale(0, -50, legend.Width(), legend.Height());
    legend.SetFontSize(9);
    p.SetDrawWidth(1);
    KindBar bar = reader.Read(first, false);
    f.LineBaseClose = bar.v.Close;
    int labelYear = Year4(bar);
    int lineYear2 = bar.Year2();
    double prevX = 0, prevY = 0;
    int prevDay = 0;
    if (DayOfYear(f, bar.date)) prevDay = f.YearDayNo;
    prevX = prevDay;
    bool stoppedAtNewYear = false;
    if (first < f.RecordCount) {
        for (std::int64_t r = first + 1; r <= f.RecordCount; ++r) {
            bar = reader.Read(r);
            if (!bar.Drawable() || !DayOfYear(f, bar.date)) continue;
            const int day = f.YearDayNo;
            bool newYear = false;
            double x;
            if (bar.Year2() == lineYear2) {
                x = prevX + (day - prevDay);
            } else if (bar.Month() >= segmentStartMonth) {
                newYear = true;
                x = prevX + (day - prevDay);
            } else {
                x = day > prevDay ? prevX + (day - prevDay) : prevX + day;
            }
            const double endX = prevX, endY = prevY;
            if (newYear) {
                PrintLegendYear(w, labelYear);
                if (x >= 366) x = o;
                f.LineBaseClose = bar.v.Close;
                lineYear2 = bar.Year2();
                p.SetForeColor(QBColor(f.YearColorNo));
                NextYearColour(f);
            }
            // A year whose first close is 0 has no percent: no line.
            const bool drawable = f.LineBaseClose != 0;
            const double y = drawable ? bar.v.Close / f.LineBaseClose * 100.0f - 100.0f : 0.0;
            // A close far beyond the year's first (a first close near 0)
            // has a percent that is no number: passed over like a bar that
            // cannot be drawn.  (A year's first bar is always its own 0 %.)
            if (!std::isfinite(y)) continue;
            if (!newYear && drawable) p.Line(prevX, prevY, x, y, QBColor(f.YearColorNo));
            const bool last = r == f.RecordCount;
            if (newYear || last) {
                const std::string text = Joined({" '", TwoDigitsOf(labelYear)});
                if (newYear) {
                    PrintAt(p, endX, endY, text);
                } else {
                    p.SetForeColor(QBColor(f.YearColorNo));
                    PrintAt(p, x + 3, y, text);
                }
                labelYear = Year4(bar);
                if (variant2) {
                    stoppedAtNewYear = newYear;
                    break;
                }
            }
            prevX = x;
            prevY = y;
            prevDay = day;
        }
    }
    if (!stoppedAtNewYear) PrintLegendYear(w, labelYear);
}

void DrawFromFile(ChartHost& w) {
    ChartFile file1;
    if (!OpenChartFile(w, file1)) return;
    try {
        w.DrawYearCompare(file1);
    } catch (const FileError&) {
    }
}

}  // namespace

void DrawYearCompare(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const bool variant2 = w.Item("mnuChartItemeyc", 2).Checked();
    if (IsActiveWindow(f)) {
        w.SetMainWindowCaption(Program().app.AppTitle + f.StockTitle);
        w.SetWindowCaption(Joined({f.PeriodUnit.Text(), "ﾃﾞｰﾀ + ", variant2 ? "年毎比較チャート２" : "年毎比較チャート１"}));
    }
    if (!(f.RecordCount > 3)) return;
    KindReader reader(w, file1);
    int year;
    if (f.YearCompareRestart == kTrue || !variant2) {
        year = SetUp(w, reader, variant2);
        if (variant2) return;
    } else {
        year = static_cast<int>(Val(w.YearListText()));
    }
    DrawYears(w, reader, year, variant2);
}

void PickYear(ChartHost& w) { DrawFromFile(w); }

void ResetYearChart(ChartHost& w) {
    w.Fields().YearCompareRestart = kTrue;
    DrawFromFile(w);
}

}  // namespace ranvik
