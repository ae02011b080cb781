// The point and figure chart.
#include "chart/kinds/point_figure.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/drawing/visible_range.h"
#include "chart/kinds/kind_bars.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr int kBoxSizeBox = 6;
constexpr int kPercentBox = 74;
constexpr int kMostDottedColumns = 45;

enum class Column { None, X, O };

struct PassState {
    double reference = 0;
    Column kind = Column::None;
    double x = 0;
    double nextX = 0;
    double nextO = 0;
    double rise = 0;
    double fall = 0;
    std::string yearMark;
    std::string monthMark;
    double xOfChange = 1;
    std::string lastDate;  // of the record read last
};

std::string Century(const std::string& yy) { return yy <= "50" ? "20" : "19"; }

// A move of more boxes than this is more than any pane can show one by one
// (a price far off all the others): see LongMove.
constexpr double kMostBoxes = 4096;

struct Pass {
    ChartHost& w;
    KindReader& reader;
    double b;
    double h;
    bool draw;
    int density;  // twice the columns of the chart, from the first pass
    bool yearLines;

    // The boxes of a move of more than kMostBoxes boxes from `level` on,
    // `step` apart (negative for falls), without a loop over every box: the
    // move's whole boxes leave `amount` and move `level` at once, and only the
    // boxes that reach into the pane's price range are drawn, at most
    // kMostBoxes of them spread evenly over it (so many boxes in one pane are
    // each far below a pixel high).
    template <typename DrawBox>
    void LongMove(double& amount, double& level, double step, bool drawn, DrawBox drawBox) {
        const double b = std::fabs(step);
        const double boxes = std::floor(amount / b);
        if (drawn && std::isfinite(boxes)) {
            Surface& p = w.PricePane();
            const double top = std::max(p.ScaleTop(), p.ScaleTop() + p.ScaleHeight());
            const double bottom = std::min(p.ScaleTop(), p.ScaleTop() + p.ScaleHeight());
            // Box k spans level + k * step to level + (k + 1) * step.
            double first, last;
            if (step > 0) {
                first = std::floor((bottom - level) / b) - 1;
                last = std::ceil((top - level) / b);
            } else {
                first = std::floor((level - top) / b) - 1;
                last = std::ceil((level - bottom) / b);
            }
            first = std::max(first, 0.0);
            last = std::min(last, boxes - 1);
            if (std::isfinite(first) && std::isfinite(last) && first <= last) {
                const double every = std::max(1.0, std::ceil((last - first + 1) / kMostBoxes));
                for (double k = first; k <= last; k += every) drawBox(level + k * step);
            }
        }
        if (std::isfinite(boxes)) {
            amount = std::fmod(amount, b);
            level += boxes * step;
        } else {
            amount = 0;
        }
    }

    // From the record after `start`, the first record of the columns.
    void Run(PassState& s, double t, std::int64_t start) {
        ChartWindowState& f = w.Fields();
        Surface& p = w.PricePane();
        const Color lines = RGB(200, 200, 200);
        const bool fewColumns = density / 2 <= kMostDottedColumns;
        for (std::int64_t r = start + 1; r <= f.RecordCount; ++r) {
            const KindBar bar = reader.Read(r);
            s.lastDate = bar.date;
            if (!bar.Drawable()) continue;
            // 10.
            if (yearLines) {
                const std::string year = bar.YearText(), month = bar.MonthText();
                const bool yearChanged = year != s.yearMark;
                if (yearChanged || (f.IsDaily == kTrue && month != s.monthMark)) {
                    if (draw && fewColumns) {
                        p.SetDrawStyle(DrawStyle::Dot);
                        p.Line(s.x, p.ScaleTop(), s.x, p.ScaleTop() + p.ScaleHeight(), lines);
                        p.SetDrawStyle(DrawStyle::Solid);
                    }
                    if (yearChanged && s.x != s.xOfChange) {
                        s.yearMark = year;
                        if (draw) {
                            p.Line(s.x, p.ScaleTop(), s.x, p.ScaleTop() + p.ScaleHeight(), lines);
                            p.SetForeColor(RGB(50, 130, 255));
                            PrintAt(p, s.x, f.PriceBottom + 1.5 * t, Joined({" '", year}));
                            p.SetForeColor(RGB(80, 150, 100));
                        }
                    }
                    if (fewColumns && s.x != s.xOfChange && f.IsDaily == kTrue) {
                        s.monthMark = month;
                        if (draw) PrintAt(p, s.x, f.PriceBottom + 3 * t, Joined({" ", std::to_string(bar.Month())}));
                    }
                    s.xOfChange = s.x;
                }
            }
            // 11.
            const double open = bar.v.Open, close = bar.v.Close;
            f.PriceTop = std::max({f.PriceTop, close, open});
            f.PriceBottom = std::min({f.PriceBottom, close, open});
            // A box of no size builds no column.
            if (!(b > 0)) continue;
            if (close > s.reference && close - s.reference >= b) {
                const double total = s.rise + (close - s.reference);
                if ((s.kind == Column::X && total >= b) || (s.kind != Column::X && total >= 3 * b)) {
                    s.rise = total;
                    if (s.kind != Column::X) s.x += b;
                    const auto cross = [&](double level) {
                        p.Line(s.x, level, s.x + b, level + b, RGB(0, 80, 255));
                        p.Line(s.x, level + b, s.x + b, level, RGB(0, 80, 255));
                    };
                    if (s.rise / b <= kMostBoxes) {
                        while (s.rise >= b) {
                            if (draw) cross(s.nextX);
                            s.rise -= b;
                            s.nextX += b;
                        }
                    } else {
                        LongMove(s.rise, s.nextX, b, draw, cross);
                    }
                    s.reference = close;
                    if (s.kind != Column::X) {
                        s.kind = Column::X;
                        s.fall = 0;
                    }
                    s.nextO = std::max(open, close);
                }
            } else if (close <= s.reference && s.reference - close >= b) {
                const double total = s.fall + (s.reference - close);
                if ((s.kind == Column::O && total >= b) || (s.kind != Column::O && total >= 3 * b)) {
                    s.fall = total;
                    if (s.kind != Column::O) s.x += b;
                    const auto ring = [&](double top) {
                        const double aspect = -(p.ScaleWidth() / p.ScaleHeight()) / (p.Width() / p.Height());
                        p.Circle(s.x + h, top - h, h, QBColor(12), aspect);
                    };
                    if (s.fall / b <= kMostBoxes) {
                        while (s.fall >= b) {
                            if (draw) ring(s.nextO);
                            s.fall -= b;
                            s.nextO -= b;
                        }
                    } else {
                        LongMove(s.fall, s.nextO, -b, draw, ring);
                    }
                    s.reference = close;
                    if (s.kind != Column::O) {
                        s.kind = Column::O;
                        s.rise = 0;
                    }
                    s.nextX = std::min(open, close);
                }
            }
        }
    }
};

void DrawGrid(ChartHost& w, double b, double t) {
    ChartWindowState& f = w.Fields();
    Surface& p = w.PricePane();
    const double step = f.PriceGridStep;
    p.SetFontSize(10);
    if (step > 0) {
        const bool fewSteps = Fix((f.PriceTop - f.PriceBottom) / step) < 10;
        const double perTwip = p.ScaleWidth() / p.Width();
        const double from = step * Fix(f.PriceBottom / step);
        int counter = 1;
        for (int k = 0;; ++k) {
            const double y = from + k * step;
            if (y > p.ScaleTop()) break;
            const bool solid = counter == 0;
            p.SetDrawStyle(solid ? DrawStyle::Solid : DrawStyle::Dot);
            counter = (counter + 1) % 3;
            const std::string label = FormatNumber(y, f.AxisFormat);
            const double lw = perTwip * 100 * static_cast<double>(label.size());
            p.Line(p.ScaleLeft(), y, p.ScaleWidth(), y, QBColor(7));
            if (solid || fewSteps) {
                p.SetDrawStyle(DrawStyle::Solid);
                p.Line(-b, y + t, -b + lw, y - t, p.BackColor(), LineKind::FilledBox);
                PrintAt(p, -b, y + t, label);
            }
        }
    }
    p.SetFontSize(9);
    p.SetDrawStyle(DrawStyle::Solid);
}

}  // namespace

double PnfHalfBox(double percent, double priceTop) {
    if (!(percent > 0)) percent = 1;
    const double r = percent / 100 * priceTop / 2;
    if (r > 1) return Fix(r + 0.55);
    for (double scale : {1e3, 1e4, 1e5, 1e6, 1e7}) {
        const double h = Fix(r * scale) / scale;
        if (h > 0) return h;
    }
    return 0;
}

void DrawPointFigure(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.RecordCount < 3) return;
    Surface& p = w.PricePane();
    p.Cls();
    w.SetWindowCaption(f.PeriodUnit.Text() + "ﾃﾞｰﾀ + ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱ");
    w.LabelNo(12).setText(w.LabelNo(1).text());
    p.SetScaleWidth(f.ViewWidth);
    ScanVisibleRange(w, file1);
    const double shownTop = f.PriceTop, shownBottom = f.PriceBottom;
    double h;
    if (f.PnfBoxSize > 0) {
        h = f.PnfBoxSize / 2.0;
    } else {
        const std::string text = w.MainBoxText(kPercentBox);
        h = PnfHalfBox(IsNumeric(text) ? Val(text) : 1, f.PriceTop);
        f.PnfBoxSize = static_cast<float>(2 * h);
    }
    const double b = f.PnfBoxSize;
    if (IsActiveWindow(f)) {
        w.SetMainBoxText(kBoxSizeBox, NumberText(f.PnfBoxSize));
        Surface& bar = w.QuickBar();
        const ChartHost::BoxPlace box = w.MainBoxPlace(kBoxSizeBox);
        bar.SetForeColor(QBColor(0));
        PrintAt(bar, box.left + box.width + 20, box.top + 10, "円");
    }
    KindReader reader(w, file1);
    const bool yearLines = w.Item("mnuFuncExItem", 8).Checked();
    int density = 0;
    std::string lastDate;
    for (int pass = 1; pass <= 2; ++pass) {
        const bool draw = pass == 2;
        // 6.
        KindBar first = reader.Read(f.FirstRecord, false);
        f.FirstShownDate = first.date;
        // The columns start from the first close that can be placed.
        std::int64_t start = f.FirstRecord;
        while (!first.Drawable() && start < f.RecordCount) first = reader.Read(++start, false);
        const double t = 100 * (f.PriceTop - f.PriceBottom) / p.Height();
        ChoosePriceGridStep(f);
        p.SetForeColor(f.BackColorNo == 2 ? QBColor(7) : RGB(50, 100, 150));
        if (draw) DrawGrid(w, b, t);
        PassState s;
        s.reference = s.nextX = s.nextO = first.v.Close;
        s.yearMark = first.YearText();
        s.monthMark = first.MonthText();
        s.lastDate = first.date;
        Pass run{w, reader, b, h, draw, density, yearLines};
        run.Run(s, t, start);
        lastDate = s.lastDate;
        if (pass == 1) {
            // A box of no size still leaves the x range of one box each side.
            const double unit = h > 0 ? h : 1;
            p.Scale(-2 * unit, f.PriceTop, 10 * unit + s.x, f.PriceBottom);
            // A sum of boxes a hair short of whole still counts its columns.
            density = h > 0 ? static_cast<int>(Fix(s.x / h + 1e-6)) : 0;
            p.Cls();
        }
    }
    f.PriceTop = shownTop;
    f.PriceBottom = shownBottom;
    const std::string first = f.FirstShownDate.Text();
    const std::string yy1 = first.substr(6, 2), yy2 = lastDate.substr(6, 2);
    QLabel& info = w.LabelNo(20);
    info.setText(QString::fromStdString(Joined({"期間：", Century(yy1), yy1, "/", first.substr(0, 5), "～",
                                               Century(yy2), yy2, "/", lastDate.substr(0, 5)})));
    info.setVisible(true);
    p.Line(0, p.ScaleTop(), p.ScaleWidth(), p.ScaleTop(), RGB(100, 120, 200));
}

}  // namespace ranvik
