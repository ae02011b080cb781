// The yearly candle pane: the whole file as one candle a year.
#include "chart/drawing/year_candles.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/drawing/split_correction.h"
#include "chart/drawing/visible_range.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr Color kYearBand = RGB(30, 30, 80);
constexpr Color kGridLine = RGB(80, 80, 255);

double RoundDownTo(double value, double multiple) { return Fix(value / multiple) * multiple; }
double CutToThousandths(double value) { return Fix(value * 1000) / 1000; }

std::string YearText(const QuoteRecord& bar) { return RightChars(bar.QuoteDate, 2); }

// Weekly bars dated before "01/04" count to the year before.
bool BeforeJanuaryFourth(const QuoteRecord& bar) { return LeftChars(bar.QuoteDate, 5) < "01/04"; }

std::string PreviousYearText(const std::string& year) {
    const int y = (static_cast<int>(Val(year)) + 99) % 100;
    std::string text = y < 10 ? "0" : "";
    text += std::to_string(y);
    return text;
}

struct Candle {
    double open = 0;
    double close = 0;
    double high = 0;
    double low = 0;
    std::string label;

    void StartFrom(const QuoteRecord& bar, std::string year) {
        open = bar.Open;
        close = bar.Close;
        high = bar.High;
        low = bar.Low;
        label = std::move(year);
    }
    // A price that is no number (a damaged file) is passed over; one that
    // the year started with gives way to the first that is.
    void Extend(const QuoteRecord& bar) {
        if (std::isfinite(bar.Close)) close = bar.Close;
        if (!std::isfinite(open) && std::isfinite(bar.Open)) open = bar.Open;
        Widen(high, bar.High, true);
        Widen(low, bar.Low, false);
    }
    bool Drawable() const {
        return std::isfinite(open) && std::isfinite(close) && std::isfinite(high) && std::isfinite(low);
    }

private:
    static void Widen(double& extreme, float price, bool up) {
        if (!std::isfinite(price)) return;
        if (!std::isfinite(extreme)) {
            extreme = price;
        } else {
            extreme = up ? std::max<double>(extreme, price) : std::min<double>(extreme, price);
        }
    }
};

struct YearPane {
    Surface& s;
    double top = 0;
    double bottom = 0;
    bool detail = false;
    bool inverted = false;
    double labelOffset = 0;  // e: the year label's x inside its column
};

void DrawCandle(YearPane& p, const Candle& c, int k) {
    Surface& s = p.s;
    const double x = 30.0 * k;
    const Color grey = QBColor(8);
    // A year of no price that is a number has no candle, only its label.
    if (c.Drawable()) {
        s.Line(x + 14, c.high, x + 16, c.low, grey, LineKind::FilledBox);
        // Upright, a falling year is dark; turned over, the other way round.
        const bool dark = p.inverted ? c.open <= c.close : c.open > c.close;
        if (dark) {
            s.Line(x, c.open, x + 29, c.close, grey, LineKind::FilledBox);
        } else {
            s.Line(x, c.open, x + 29, c.close, QBColor(15), LineKind::FilledBox);
            s.Line(x, c.open, x + 29, c.close, grey, LineKind::Box);
        }
    }
    if (!p.detail) return;
    s.SetCurrentX(x + p.labelOffset);
    s.SetCurrentY(p.inverted ? p.bottom : p.top);
    if (k % 2 == 0) s.Print(c.label);
    if (c.label == "00") s.Line(x + 30, p.bottom, x + 30, p.top, QBColor(12));
}

}  // namespace

double YearPaneBottom(double lo, double hi, double gridStep) {
    if (lo >= 1000) {
        double t = 1000;
        for (double candidate = 100000; candidate >= 2000; candidate -= 1000) {
            if (lo > candidate) {
                t = candidate;
                break;
            }
        }
        return RoundDownTo(lo, t);
    }
    if (lo >= 500) return RoundDownTo(lo, 500);
    if (lo >= 300) return RoundDownTo(lo, 300);
    if (lo >= 100) return RoundDownTo(lo, 100);
    if (lo >= 70) return RoundDownTo(lo, 70);
    if (lo >= 50) return RoundDownTo(lo, 50);
    if (lo >= 20) return hi - lo > 200 ? 0 : RoundDownTo(lo, 20);
    if (lo >= 1) return 0;
    return CutToThousandths(lo - gridStep / 2);
}

double YearPaneTop(double hi, double gridStep) {
    if (hi > 1000) {
        double power = 1000;
        for (double candidate = 10000000; candidate >= 1000; candidate /= 10) {
            if (hi > candidate) {
                power = candidate;
                break;
            }
        }
        const double u = power / 10;
        return RoundDownTo(hi, u) + 2 * u;
    }
    if (hi > 10) return RoundDownTo(hi, 30) + 30;
    return CutToThousandths(hi) + gridStep / 2;
}

void DrawYearCandles(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    QuoteRecord& buf = Program().store.QuoteBufA;
    Surface& price = w.PricePane();
    Surface& s = w.YearPane();
    const float gridStepAtEntry = f.PriceGridStep;
    const bool weekly = f.IsDaily == 0;
    YearPane p{s};
    p.inverted = f.InvertedChart == kTrue;
    // 1.  The price pane's width in its own units (bars) against the yearly
    // pane's width in twips, as the two were always compared: the detail
    // shows unless the price view is far wider in bars than the small pane
    // is in twips (the full view of a long history).
    p.detail = price.ScaleWidth() / 3 <= s.Width();
    f.YearPaneDetail = p.detail ? kTrue : kFalse;
    // 2.
    p.bottom = YearPaneBottom(f.FileLow, f.FileHigh, f.PriceGridStep);
    p.top = YearPaneTop(f.FileHigh, f.PriceGridStep);
    // 3.
    w.SetPaneVisible(Pane::YearCandles, true);
    s.Cls();
    const std::string lastYear = YearText(file1.Read(f.RecordCount, buf));
    const QuoteRecord& firstBar = file1.Read(2, buf);
    std::string firstYear = YearText(firstBar);
    if (weekly && BeforeJanuaryFourth(firstBar)) firstYear = PreviousYearText(firstYear);
    const int n = FullYearOf(static_cast<int>(Val(lastYear))) - FullYearOf(static_cast<int>(Val(firstYear))) + 1;
    const std::string topText = NumberText(p.top < 0.5 ? CutToThousandths(p.top) : p.top);
    const double l = static_cast<double>(CharCount(topText));
    const double right = 30.0 * (n + 1);
    if (p.inverted) {
        s.Scale(-8 * l, p.bottom, right, p.top);
    } else {
        s.Scale(-8 * l, p.top, right, p.bottom);
    }
    // 4.
    if (p.detail) {
        for (int k = 0; k <= n + 1; k += 2) s.Line(30.0 * k, p.bottom, 30.0 * k + 30, p.top, kYearBand, LineKind::FilledBox);
    }
    // 5.
    s.SetDrawStyle(DrawStyle::Dot);
    const double priceTop = f.PriceTop;
    const double priceBottom = f.PriceBottom;
    f.PriceTop = p.top;
    f.PriceBottom = p.bottom;
    ChoosePriceGridStep(f);
    double step = f.PriceGridStep;
    if ((p.top - p.bottom) / step > 6) step *= 2;
    // A range of no height gives no step to walk by.
    if (!(step > 0)) step = p.top - p.bottom + 1;
    double x0 = RoundHalfEven(10 * s.ScaleWidth() / s.Width() * l) - 8 * l;
    if (w.CheckValue(11) == 1) x0 = 0;
    if (!p.detail) x0 = s.ScaleLeft();
    // A header of infinite prices leaves a range with no end: no grid to walk.
    const bool gridded = std::isfinite(p.top - p.bottom);
    for (double y = p.bottom + step / 2; gridded && y <= p.top; y += step) s.Line(x0, y, s.ScaleWidth(), y, kGridLine);
    f.PriceTop = priceTop;
    f.PriceBottom = priceBottom;
    s.SetDrawStyle(DrawStyle::Solid);
    // 6.
    const double extent = right;
    double fontSize = 7;
    if (extent < 400) {
        fontSize = 10;
        p.labelOffset = 9;
    } else if (extent < 700) {
        fontSize = 9;
        p.labelOffset = 5;
    } else if (extent < 1500) {
        fontSize = 8;
        p.labelOffset = 2;
    }
    s.SetFontSize(fontSize);
    f.LineColorNo = 8;
    s.SetForeColor(QBColor(11));
    // 7.  The walk runs from the first bar whatever point the view has in
    // force, and gives the view its point back.
    const bool correct = CorrectionOn(w);
    const std::int16_t savedRecord = f.CorrectionRecord;
    const float savedFactor = f.CorrectionFactor;
    if (correct && f.CorrectionFactors[0] > 1) SetPointInForce(f, 2);
    auto read = [&](std::int64_t r) -> QuoteRecord& {
        QuoteRecord& bar = file1.Read(r, buf);
        if (correct) ApplyCorrection(f, r, bar);
        return bar;
    };
    Candle candle;
    candle.StartFrom(read(2), firstYear);
    int k = 0;
    bool drawn = false;
    for (std::int64_t r = 3; r <= f.RecordCount; ++r) {
        const QuoteRecord& bar = read(r);
        const std::string year = YearText(bar);
        if (year == candle.label) {
            candle.Extend(bar);
            continue;
        }
        const bool early = weekly && BeforeJanuaryFourth(bar);
        if (early) candle.Extend(bar);
        DrawCandle(p, candle, k);
        if (early) {
            // The last bar closed the year: there is no bar left to start
            // another one from.
            if (r == f.RecordCount) {
                drawn = true;
                break;
            }
            QuoteRecord& next = file1.Read(r + 1, buf);
            if (correct) CorrectBar(f, r + 1, next);
            candle.StartFrom(next, YearText(next));
        } else {
            candle.StartFrom(bar, year);
        }
        ++k;
    }
    if (!drawn) DrawCandle(p, candle, k);
    if (correct) {
        f.CorrectionRecord = savedRecord;
        f.CorrectionFactor = savedFactor;
    }
    // 9.
    s.SetCurrentX(0);
    s.SetForeColor(QBColor(7));
    s.SetFontSize(9);
    if (p.detail) {
        const double d = -150 * price.ScaleHeight() / price.Height();
        for (double y = p.bottom + step / 2; gridded && y <= p.top; y += step) {
            const std::string label = FormatNumber(y, f.AxisFormat);
            const double len = static_cast<double>(CharCount(label));
            s.SetCurrentX(s.ScaleWidth() < 500 && len < 4 ? -8 * len : -6 * len);
            s.SetCurrentY(p.inverted ? y - d : y + d);
            s.Print(label);
        }
    }
    // 10.
    s.SetFontBold(false);
    f.PriceGridStep = gridStepAtEntry;
}

}  // namespace ranvik
