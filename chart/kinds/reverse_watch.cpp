// The reverse watch chart.
#include "chart/kinds/reverse_watch.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "chart/drawing/visible_range.h"
#include "chart/kinds/kind_bars.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr int kPeriodBox = 17;

struct WatchPoint {
    float volume = 0;
    float close = 0;
};

// Down to a multiple of 1000, 100 or 10 by the size of `by`.
double CutDown(double value, double by) {
    const double m = by >= 1000 ? 1000 : by >= 100 ? 100 : by >= 10 ? 10 : 0;
    return m == 0 ? value : Fix(value / m) * m;
}

// The period: the quick bar's while it is set for this kind of data, else
// the extended panel's, whose value below 1 becomes the default there.
int TakePeriod(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    if (f.IsDaily == f.ReversePeriodIsDaily && f.ReversePeriod >= 1) return f.ReversePeriod;
    const bool daily = f.IsDaily == kTrue;
    const int box = daily ? 52 : 53;
    const std::string text = w.MainBoxText(box);
    const double value = IsNumeric(text) ? Val(text) : 0;
    const double rounded = RoundHalfEven(value);
    if (rounded >= 1 && rounded <= kIntegerMax) return static_cast<int>(rounded);
    const int period = daily ? 25 : 13;
    w.SetMainBoxText(box, std::to_string(period));
    return period;
}

std::string PeriodEnd(const KindBar& bar) {
    return Joined({std::to_string(ExpandYear(bar.YearText())), "/", bar.MonthDay()});
}

float WindowAverage(const std::deque<float>& window, int period) {
    float sum = 0;
    for (float v : window) sum += v;
    return sum / static_cast<float>(period);
}

}  // namespace

void DrawReverseWatch(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.RecordCount < 3) return;
    Surface& p = w.PricePane();
    const bool active = IsActiveWindow(f);
    if (active) {
        Surface& bar = w.QuickBar();
        const ChartHost::BoxPlace box = w.MainBoxPlace(kPeriodBox);
        bar.SetForeColor(QBColor(0));
        PrintAt(bar, box.left + box.width + 20, box.top + 10, f.PeriodUnit.Text());
        w.SetWindowCaption(f.PeriodUnit.Text() + "ﾃﾞｰﾀ + 逆ウォッチ");
    }
    p.Cls();
    const int period = TakePeriod(w);
    f.ReversePeriod = static_cast<std::int16_t>(period);
    if (active) w.SetMainBoxText(kPeriodBox, std::to_string(period));

    KindReader reader(w, file1);
    // The range starts at the first shown record as the window counts it,
    // the data-cut view's offset included.
    std::int64_t first = f.FirstRecord;
    if (first > f.RecordCount) first = f.RecordCount - f.RecordCount / 3;
    if (first < 2) first = 2;
    const std::int64_t viewBars = static_cast<std::int64_t>(Fix(f.ViewWidth / 7));
    std::int64_t last = first + viewBars - (f.IsDaily == kTrue ? 0 : 1);
    if (last > f.RecordCount) last = f.RecordCount;
    for (std::int64_t r = first; r <= last; ++r) {
        const KindBar b = reader.ReadRaw(r);
        if (b.v.Volume != 0 && b.DrawableWithVolume()) {
            if (r < last) first = r;
            break;
        }
    }
    QLabel& info = w.LabelNo(20);
    info.setText(QString::fromStdString(
        Joined({"  　期間：", PeriodEnd(reader.ReadRaw(first)), " ～ ", PeriodEnd(reader.ReadRaw(last))})));
    info.setVisible(true);
    const bool black = f.BackColorNo == 2;
    const int g = black ? 80 : 200;
    const Color grey = RGB(g, g, g);
    if (last - first + 2 <= period || last <= period || first >= last) first = std::max<std::int64_t>(last - 3, 2);

    std::vector<WatchPoint> points;
    float highClose = 0, lowClose = 0, highVolume = 0, lowVolume = 0;
    if (f.FileMaxVolume != 0) {
        std::deque<float> volumes, closes;
        std::int64_t s = last + 1;
        for (std::int64_t r = first; r <= last; ++r) {
            const KindBar raw = reader.ReadRaw(r);
            if (raw.v.Volume == 0 || !raw.DrawableWithVolume()) continue;
            const KindBar b = reader.Read(r);
            volumes.push_back(b.v.Volume);
            closes.push_back(b.v.Close);
            if (static_cast<int>(volumes.size()) == period) {
                s = r;
                break;
            }
        }
        // Averages of values too large to add up (a damaged file) cannot be
        // placed; they leave the scale to the others.
        bool placed = false;
        const auto take = [&](const WatchPoint& pt) {
            if (!std::isfinite(pt.volume) || !std::isfinite(pt.close)) return;
            if (!placed) {
                highClose = lowClose = pt.close;
                highVolume = lowVolume = pt.volume;
                placed = true;
                return;
            }
            highClose = std::max(highClose, pt.close);
            lowClose = std::min(lowClose, pt.close);
            highVolume = std::max(highVolume, pt.volume);
            lowVolume = std::min(lowVolume, pt.volume);
        };
        const WatchPoint start{WindowAverage(volumes, period), WindowAverage(closes, period)};
        points.push_back(start);
        take(start);
        for (std::int64_t r = s + 1; r <= last; ++r) {
            const KindBar b = reader.Read(r);
            if (!b.DrawableWithVolume()) continue;
            volumes.pop_front();
            closes.pop_front();
            volumes.push_back(b.v.Volume);
            closes.push_back(b.v.Close);
            const WatchPoint pt{WindowAverage(volumes, period), WindowAverage(closes, period)};
            points.push_back(pt);
            take(pt);
        }
    }

    double top, bottom;
    if (highVolume > 0) {
        bottom = 0.9 * lowClose;
        top = 1.1 * highClose;
        const double left = lowVolume >= 10 ? CutDown(lowVolume * 0.9, lowVolume) : 0;
        p.Scale(left, top, 1.1 * highVolume, bottom);
    } else {
        bottom = 0.9 * f.PriceBottom;
        top = 1.1 * f.PriceTop;
        p.Scale(0, top, p.Width(), bottom);
    }
    const double keptTop = f.PriceTop, keptBottom = f.PriceBottom;
    f.PriceTop = top;
    f.PriceBottom = bottom;
    ChoosePriceGridStep(f);
    f.PriceTop = keptTop;
    f.PriceBottom = keptBottom;
    if (!(-p.ScaleHeight() / 2 > f.PriceGridStep)) f.PriceGridStep = f.PriceGridStep / 4;

    const double t = 90 * (top - bottom) / p.Height();
    p.SetForeColor(black ? QBColor(7) : RGB(50, 100, 150));
    p.SetFontSize(10);
    const double step = f.PriceGridStep;
    // A range of no height leaves no grid to draw.
    if (step > 0 && top > bottom) {
        const double perTwip = p.ScaleWidth() / p.Width();
        const double from = step * Fix(bottom / step);
        for (int k = 0;; ++k) {
            const double y = from + k * step;
            if (y > p.ScaleTop()) break;
            const std::string label = FormatNumber(y, f.AxisFormat);
            double lw = perTwip * 100 * static_cast<double>(label.size());
            if (label.size() <= 3) lw += perTwip * 20;
            p.Line(p.ScaleLeft() + lw, y, p.ScaleLeft() + p.ScaleWidth(), y, grey);
            PrintAt(p, p.ScaleLeft(), y + t, label);
        }
    }
    p.SetFontSize(9);
    if (highVolume != 0 && f.FileMaxVolume != 0) {
        const double width = p.ScaleWidth() / 5;
        const double v = CutDown(width, width);
        p.SetForeColor(QBColor(8));
        if (v > 0) {
            // Lines whose label would start past the right edge show nothing.
            const double right = p.ScaleLeft() + p.ScaleWidth();
            for (int k = 1; k * v < highVolume; ++k) {
                const double x = p.ScaleLeft() + k * v;
                if (x - v / 6 > right) break;
                p.Line(x, p.ScaleTop(), x, p.ScaleTop() + p.ScaleHeight(), grey);
                if (p.Width() > 7000) PrintAt(p, x - v / (v < 1000 ? 10 : 6), bottom + 2 * t, FormatNumber(x, "#,###"));
            }
        }
        if (last - 1 > period) {
            p.SetForeColor(QBColor(12));
            const double u = 100 * -p.ScaleHeight() / p.Height();
            PrintAt(p, points.front().volume - p.ScaleWidth() / 200, points.front().close + u, "b");
            for (std::size_t k = 0; k + 1 < points.size(); ++k) {
                if (points[k + 1].volume == 0) continue;
                p.Line(points[k].volume, points[k].close, points[k + 1].volume, points[k + 1].close,
                       RGB(50, 130, 180));
            }
            p.SetFontBold(true);
            PrintAt(p, points.back().volume - p.ScaleWidth() / 200, points.back().close + u, "e");
            p.SetFontBold(false);
        }
    }
    f.ReversePeriodIsDaily = f.IsDaily;
    if (points.size() < 2 || points[1].volume == 0 || last - 1 <= period || f.FileMaxVolume == 0) {
        p.SetForeColor(QBColor(12));
        PrintAt(p, p.ScaleLeft() + p.ScaleWidth() / 3, p.ScaleTop() + p.ScaleHeight() / 2,
                f.FileMaxVolume == 0 ? "出来高なし" : "出来高データが少ない");
    }
    p.Line(p.ScaleLeft(), p.ScaleTop(), p.ScaleLeft() + p.ScaleWidth(), p.ScaleTop(), RGB(100, 120, 200));
}

}  // namespace ranvik
