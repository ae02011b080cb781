// The view set-up of ShowChart: whole width, scroll range, first shown record, correction point in force, pane layout.
#include "chart/drawing/view_setup.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

// a \ b with both operands rounded first.
int Quotient(double a, double b) { return static_cast<int>(IntDiv(a, b).value_or(0)); }

// The scroll bar as the set-up leaves it; applied in one go at the end.
struct ScrollRange {
    int min = 14;
    int max = 14;
    int value = 14;
    bool hidden = false;
};

// The year and month of a record's "mm/dd/yy", the year read as the stock
// comparison reads it: above 60 is 19yy.
struct YearMonth {
    int year = 0;
    int month = 0;
};

YearMonth YearMonthOf(std::string_view record) {
    const std::string date = UnpackField(record.substr(28, 8));
    const int year2 = static_cast<int>(Val(MidChars(date, 7, 2)));
    return {year2 > 60 ? 1900 + year2 : 2000 + year2, static_cast<int>(Val(MidChars(date, 1, 2)))};
}

// The stock comparison counts x in calendar days: the view reaches back
// ViewWidth days from the last record's month, and starts after the newest
// record that lies before that month.
int CompareFirstRecord(const ChartWindowState& f, ChartFile& file1) {
    const std::string last = UnpackField(file1.Bytes(f.RecordCount).substr(28, 8));
    int y = static_cast<int>(Val(MidChars(last, 7, 2)));
    const double lastMonth = Val(MidChars(last, 1, 2));
    y -= static_cast<int>(Fix(f.ViewWidth / 365));
    if (y < 0) y += 100;
    double m = lastMonth - (static_cast<double>(Rounded(f.ViewWidth) % 365) / 30 - 1);
    if (m <= 0) {
        m += 12;
        y -= 1;
        if (y < 0) y += 100;
    }
    const int year = y > 60 ? 1900 + y : 2000 + y;
    for (std::int64_t r = f.RecordCount; r >= 2; --r) {
        const YearMonth at = YearMonthOf(file1.Bytes(r));
        if (at.year < year || (at.year == year && at.month < m)) return static_cast<int>(r + 1);
    }
    return 2;
}

// 1 to 3.
ScrollRange SetUpWidthAndScrollRange(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    const bool daily = f.IsDaily == kTrue;
    const bool candles = w.CheckValue(1) == 1;
    const bool monthly = MonthlyFromDaily(w);
    const bool ichimoku = daily && w.Item("mnu一目", 1).Checked() && w.CheckValue(8) == 0 && candles;
    const bool dataCut = DataCutView(w);
    // 1.
    if (ichimoku) {
        f.ViewWidthMax = static_cast<float>(f.RecordCount * 7 + 300);
    } else if (monthly) {
        f.ViewWidthMax = static_cast<float>(f.RecordCount + 100);
        if (f.ViewWidth == f.PartialViewWidth) f.ViewWidth = static_cast<float>(f.ViewWidth * 0.7);
    } else {
        f.ViewWidthMax = static_cast<float>(f.RecordCount * 7 + 100);
    }
    if (f.ViewWidth == 1) f.ViewWidth = f.ViewWidthMax;
    // 3.
    ScrollRange s{w.ScrollBar().minimum(), w.ScrollBar().maximum(), w.ScrollBar().value(), false};
    const double n = f.RecordCount - 1;
    if (f.ViewWidthMax > f.ViewWidth) {
        if (ichimoku) {
            const double m = n * 7 - f.ViewWidth + 98;
            if (m <= kLargestScrollValue) {
                s.max = Rounded(m);
            } else if (!dataCut) {
                s.max = kLargestScrollValue;
                f.ViewWidth = static_cast<float>(n * 7 - kLargestScrollValue + 50);
            } else {
                s.max = Rounded(kLargestScrollValue - f.ViewWidth + 50);
            }
        } else if (monthly) {
            s.max = Rounded(n - f.ViewWidth + 50);
            if (s.max <= 0) {
                s.max = 14;
                s.hidden = true;
            }
        } else {
            // Weekly data take the daily rule, and so does a view of 950 or
            // wider: the scroll value never passes 32767, whatever the file.
            const double b = n * 7 - f.ViewWidth + 63;
            const double v = f.ViewWidth < 950 ? b - Fix((950 - f.ViewWidth) / 25) : b;
            if (v > kLargestScrollValue) {
                s.max = kLargestScrollValue;
                if (f.RecordCount <= kBarsOfTheScrollRange || !dataCut) {
                    f.ViewWidth = static_cast<float>(n * 7 - kLargestScrollValue + 50);
                } else {
                    s.max = Rounded(kLargestScrollValue - f.ViewWidth + 50);
                }
            } else {
                s.max = Rounded(v);
            }
        }
        s.min = monthly ? 2 : 14;
        s.value = s.max;
    } else if (w.CheckValue(2) == 0) {
        s.max = 14;
        s.value = 14;
        s.hidden = true;
        f.ViewWidth = f.ViewWidthMax;
    }
    return s;
}

// 6.  The panes in twips, below the title strip.
void LayOutPanes(ChartHost& w) {
    const ChartWindowState& f = w.Fields();
    QScrollBar& bar = w.ScrollBar();
    const int formHeight = w.FormHeight();
    const int barHeight = HeightOf(&bar);
    const bool barHidden = bar.isHidden();
    const int frames = Program().app.OsMajorVersion >= 6 ? 150 : 0;
    auto bottomOf = [&](Pane pane) { return w.PaneTop(pane) + w.PaneHeight(pane); };
    auto priceDownToTheBar = [&](int less) {
        int height = formHeight - 700 - w.PaneTop(Pane::Price) - less - frames;
        if (barHidden) height += barHeight;
        w.SetPaneHeight(Pane::Price, std::max(height, 0));
    };
    // The indicator pane gives the scroll bar its room, or takes it back.
    auto indicatorMakingRoom = [&](double normal) {
        const int height = w.PaneHeight(Pane::Indicator);
        if (!barHidden && height > normal) {
            w.SetPaneHeight(Pane::Indicator, height - barHeight);
        } else if (barHidden && height <= normal) {
            w.SetPaneHeight(Pane::Indicator, height + barHeight);
        }
    };

    const bool indicatorShown = w.Item("mnuGamen比", 3).Checked();
    int barTop = 0;
    if (w.CheckValue(1) == 1 && !indicatorShown) {
        priceDownToTheBar(0);
        barTop = bottomOf(Pane::Price) + 30;
    } else if (w.Item("mnuGamen比", 1).Checked()) {
        indicatorMakingRoom(2620);
        w.SetPaneTop(Pane::Indicator, bottomOf(Pane::Price));
        barTop = bottomOf(Pane::Indicator) + 30;
    } else {
        if (!w.PaneVisible(Pane::Indicator)) priceDownToTheBar(0);
        indicatorMakingRoom(f.IndicatorPaneHeight);
        barTop = bottomOf(Pane::Indicator) + 30;
        if (!indicatorShown && bar.value() > 14) barTop = bottomOf(Pane::Price) + 30;
    }
    if ((w.CheckValue(2) == 1 || w.CheckValue(10) == 1) && !w.PaneVisible(Pane::Indicator)) {
        priceDownToTheBar(w.PaneHeight(Pane::Indicator));
        w.SetPaneTop(Pane::Indicator, bottomOf(Pane::Price));
        w.SetPaneVisible(Pane::Indicator, true);
        barTop = bottomOf(Pane::Indicator) + 30;
    }
    SetTop(&bar, barTop);
}

}  // namespace

bool MonthlyFromDaily(ChartHost& w) {
    return w.Fields().IsDaily == kTrue && w.CheckValue(8) == 1 && w.CheckValue(1) == 1;
}

bool DataCutView(ChartHost& w) {
    return w.Item("mnuGamen比", 5).Checked() && w.Fields().RecordCount > kBarsOfTheScrollRange;
}

void SetUpView(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    QScrollBar& bar = w.ScrollBar();
    ScrollRange s = SetUpWidthAndScrollRange(w);
    // 4.
    int first;
    if (w.CheckValue(2) == 1) {
        first = CompareFirstRecord(f, file1);
        const int max = f.RecordCount <= kBarsOfTheScrollRange
                            ? first * 7
                            : kLargestScrollValue - (f.RecordCount - first) * 7 + 50;
        s.max = std::min(max, kLargestScrollValue);
        s.value = s.max;
    } else if (MonthlyFromDaily(w)) {
        first = f.RecordCount - Quotient(Rounded(f.ViewWidth * 7), 7) + 50;
    } else if (DataCutView(w)) {
        first = f.RecordCount - Quotient(f.ViewWidth, 7) + 7;
    } else {
        first = s.value / 7;
    }
    if (first < 2) {
        first = 2;
        s.max = 14;
        s.value = 14;
        s.hidden = true;
    }
    f.FirstRecord = static_cast<std::int16_t>(std::min(first, kLargestScrollValue));
    bar.setRange(s.min, s.max);
    bar.setValue(s.value);
    bar.setVisible(!s.hidden);
    // 5.
    if (CorrectionOn(w) && f.CorrectionFactors[0] > 1) SetPointInForce(f, f.FirstRecord);
    // 6.
    LayOutPanes(w);
}

}  // namespace ranvik
