// The Ichimoku overlay: the conversion and base lines, the two leading spans
// p1 bars ahead with the cloud between them, and the lagging span p1 - 1
// bars back.  The cloud pass fills the cloud under everything else; the line
// pass draws the lines over the candles.  On paper every value is held
// within the price band and segments off the page's price area are left out.
#include "chart/drawing/ichimoku.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "chart/drawing/monthly_in_place.h"
#include "chart/drawing/segment_clipping.h"
#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// The screen's pixel in twips, 96 to the inch.
constexpr double kTwipsPerPixel = 15;

// The base period's double must stay an Integer.
constexpr int kLongestBase = kIntegerMax / 2;

bool Usable(int p0, int p1) { return p0 >= 1 && p1 >= 1 && p1 <= kLongestBase; }

}  // namespace

IchimokuPeriods TakeIchimokuPeriods(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    std::array<std::int16_t, 4>& o = f.OverlayPeriods;
    // A stored period of 0 or less (the quick bar takes any number) is no
    // period: the panel's are read again.
    const bool fresh = !Usable(o[0], o[1]) || f.IsDaily != f.ParamsIsDaily;
    if (fresh) {
        f.ParamsIsDaily = f.IsDaily;
        const bool daily = f.IsDaily == kTrue;
        const int conversionBox = daily ? 58 : 60;
        const std::string conversionText = w.MainBoxText(conversionBox);
        const double conversion = Val(conversionText);
        const double base = Val(w.MainBoxText(conversionBox + 1));
        int p0 = daily ? 9 : 2;
        int p1 = daily ? 26 : 5;
        if (!conversionText.empty() && base >= conversion) {
            const std::optional<std::int16_t> c = CInt(conversion);
            const std::optional<std::int16_t> b = CInt(base);
            // Periods of 0 or less, or past the Integer range, would leave
            // the windows empty: the pair is replaced like an invalid one.
            if (c && b && Usable(*c, *b)) {
                p0 = *c;
                p1 = *b;
            }
        }
        o[0] = static_cast<std::int16_t>(p0);
        o[1] = static_cast<std::int16_t>(p1);
        if (w.CheckValue(8) == 1) {
            o[0] = 2;
            o[1] = 5;
        }
        if (Program().windows.ActiveWindowNo == f.WindowNo) {
            w.SetMainBoxText(4, std::to_string(o[0]));
            w.SetMainBoxText(5, std::to_string(o[1]));
        }
    }
    o[2] = static_cast<std::int16_t>(2 * o[1]);
    return {o[0], o[1], o[2]};
}

float IchimokuFirstValue(float high, float low) {
    const double range = RoundHalfEven(static_cast<double>(high) - low);
    // Half the whole range cut toward zero, as a Long division would, worked
    // out without the Long: a range of a damaged file may lie beyond it.
    return low + static_cast<float>(Fix(range / 2));
}

namespace {

struct Bar {
    float high = 0;
    float low = 0;
    float close = 0;
    int width = 0;  // monthly file: the month's width in x units
};

// The bars of the draw, read once in ascending order (the advancing split
// correction needs that order), from the oldest record a window reaches.
class Bars {
public:
    Bars(ChartHost& w, ChartFile& file1, std::int64_t from, std::int64_t to, bool monthly)
        : from_(from) {
        ChartWindowState& f = w.Fields();
        const bool correct = !monthly && CorrectionOn(w);
        if (to >= from) bars_.reserve(static_cast<std::size_t>(to - from + 1));
        for (std::int64_t r = from; r <= to; ++r) {
            BarValues v = file1.Values(r);
            if (correct) ApplyCorrection(f, r, v);
            bars_.push_back({v.High, v.Low, v.Close, v.RecordNo});
        }
    }
    std::int64_t Last() const { return from_ + static_cast<std::int64_t>(bars_.size()) - 1; }
    const Bar& operator[](std::int64_t r) const { return bars_[static_cast<std::size_t>(r - from_)]; }

private:
    std::int64_t from_;
    std::vector<Bar> bars_;
};

// The highest high and lowest low of the last p bars pushed, each bar
// pushed once: the bars that can still be the extreme of a later window
// are kept in order, the others dropped as they are passed.  The kept bars
// lie in one array room for every push is taken for at the start, the
// front moving on over the dropped: a double-ended queue's blocks cost a
// long chart's lines more than the comparisons.
class WindowExtremes {
public:
    WindowExtremes(int p, std::size_t pushes) : p_(p) {
        highs_.reserve(pushes);
        lows_.reserve(pushes);
    }
    void Push(std::int64_t r, float high, float low) {
        while (highs_.size() > highFront_ && highs_.back().value <= high) highs_.pop_back();
        highs_.push_back({r, high});
        while (lows_.size() > lowFront_ && lows_.back().value >= low) lows_.pop_back();
        lows_.push_back({r, low});
        while (highs_[highFront_].record <= r - p_) ++highFront_;
        while (lows_[lowFront_].record <= r - p_) ++lowFront_;
    }
    float High() const { return highs_[highFront_].value; }
    float Low() const { return lows_[lowFront_].value; }

private:
    struct Kept {
        std::int64_t record;
        float value;
    };
    int p_;
    std::vector<Kept> highs_;
    std::vector<Kept> lows_;
    std::size_t highFront_ = 0;
    std::size_t lowFront_ = 0;
};

// One line's values from its first record on; absent before it.
struct Series {
    std::int64_t first = 0;
    std::int64_t last = -1;  // the last record it has a value for
    std::vector<float> values;
    bool Has(std::int64_t r) const { return r >= first && r <= last; }
    float At(std::int64_t r) const { return values[static_cast<std::size_t>(r - first)]; }
};

class IchimokuDraw {
public:
    IchimokuDraw(ChartHost& w, ChartFile& file1, const IchimokuPeriods& p)
        : w_(w), f_(w.Fields()), p_(p), price_(w.PricePane()) {
        printing_ = f_.PrintingNow != 0;
        monthly_ = w.CheckValue(8) == 1;
        cloudOnly_ = w.Item("mnu一目雲のみ", 1).Checked();
        levels_.ClipLevelH = static_cast<float>(f_.ClipLevelH);
        levels_.ClipLevelL = f_.ClipLevelL;
        target_ = printing_ ? w.PrintPage() : &price_;
        if (target_ != nullptr && printing_) limit_ = target_->ScaleWidth() + 1.7 * target_->ScaleLeft();
        // On the screen a pixel column shows one fill line: in a wide view
        // dozens of quarter steps fall into one column, and drawing them all
        // would take several frames' time for what one line shows.
        if (!printing_) {
            columnOrigin_ = price_.FromTwipsX(0);
            columnWidth_ = std::abs(price_.FromTwipsX(kTwipsPerPixel) - columnOrigin_);
        }
        file1_ = &file1;
    }

    void Run();

private:
    void Starts();
    // Values of a line with period p from record `first` to `last`, held
    // within the price band on paper.
    Series Line(int p, std::int64_t first, std::int64_t last) const;
    double X(std::int64_t r) const;
    float Held(float value) const {
        if (printing_) CutUpBottom(levels_, value);
        return value;
    }
    bool OnOneLevel(float a, float b) const {
        return (a == levels_.ClipLevelL && b == levels_.ClipLevelL) ||
               (a == levels_.ClipLevelH && b == levels_.ClipLevelH);
    }
    // A line segment: on screen when its right end is at or right of the
    // pane's left edge; on paper also within the page's price area and not
    // lying along a level.
    void Segment(double xa, float ya, double xb, float yb, Color color, double rightLimitX);
    // The cloud's segment from record r - 1 to r where both spans have
    // values and it lies within the pane (the page); its fill; one span's
    // line over it.
    bool CloudSegment(std::int64_t r, double& xa, double& xb) const;
    void CloudFill(std::int64_t r);
    void CloudEdge(std::int64_t r, const Series& span, Color color);

    ChartHost& w_;
    ChartWindowState& f_;
    IchimokuPeriods p_;
    Surface& price_;
    Surface* target_ = nullptr;
    ChartFile* file1_ = nullptr;
    bool printing_ = false;
    bool monthly_ = false;
    bool cloudOnly_ = false;
    ClipLevels levels_;
    double limit_ = 0;
    double columnOrigin_ = 0;
    double columnWidth_ = 0;  // 0: every quarter step is drawn
    double lastColumn_ = -1e300;

    std::optional<Bars> bars_;
    std::int64_t earliest_ = 0;
    std::int64_t f0_ = 0;
    std::int64_t f1_ = 0;
    std::int64_t f2_ = 0;
    double shift_ = 0;  // the leading spans' shift in x units
    std::vector<double> left_;  // monthly: left edge of each record's month
    Series conversion_;
    Series base_;
    Series span1_;
    Series span2_;
    Series lagging_;
};

void IchimokuDraw::Starts() {
    const std::int64_t first = f_.FirstRecord;
    if (monthly_) {
        // Each line begins with its first full window from p1 (p2 for the
        // second leading span) months before the first shown one.
        const std::int64_t s1 = std::max<std::int64_t>(first - p_.p1, 2);
        const std::int64_t s2 = std::max<std::int64_t>(first - p_.p2, 2);
        f0_ = s1 + p_.p0 - 1;
        f1_ = s1 + p_.p1 - 1;
        f2_ = s2 + p_.p2 - 1;
    } else {
        f0_ = std::max<std::int64_t>(p_.p0 + 1, first - p_.p1 - 1);
        f1_ = std::max<std::int64_t>(p_.p1 + 1, first - p_.p1 - 1);
        f2_ = std::max<std::int64_t>(p_.p2 + 1, first - p_.p2 - 1);
    }
}

double IchimokuDraw::X(std::int64_t r) const {
    if (!monthly_) return 7.0 * (r - f_.FirstRecord) + 3;
    return left_[static_cast<std::size_t>(r - earliest_)] + (*bars_)[r].width / 2.0;
}

Series IchimokuDraw::Line(int p, std::int64_t first, std::int64_t last) const {
    Series s;
    s.first = first;
    if (first > last) return s;
    const Bars& bars = *bars_;
    s.values.reserve(static_cast<std::size_t>(last - first + 1));
    // Each window's extremes: carried from window to window where every
    // price is an ordinary number; a damaged file's NaN (which holds or is
    // passed over by the order of the comparisons) or a zero (whose sign
    // the order picks) is taken bar by bar as the window lies.
    bool plain = true;
    for (std::int64_t i = first - p + 1; i <= last && plain; ++i) {
        const Bar& b = bars[i];
        plain = !std::isnan(b.high) && !std::isnan(b.low) && b.high != 0 && b.low != 0;
    }
    WindowExtremes extremes(p, static_cast<std::size_t>(last - first + p));
    if (plain) {
        for (std::int64_t i = first - p + 1; i < first; ++i) extremes.Push(i, bars[i].high, bars[i].low);
    }
    for (std::int64_t r = first; r <= last; ++r) {
        float high = 0;
        float low = 0;
        if (plain) {
            extremes.Push(r, bars[r].high, bars[r].low);
            high = extremes.High();
            low = extremes.Low();
        } else {
            high = bars[r - p + 1].high;
            low = bars[r - p + 1].low;
            for (std::int64_t i = r - p + 2; i <= r; ++i) {
                high = std::max(high, bars[i].high);
                low = std::min(low, bars[i].low);
            }
        }
        // The first value halves a rounded range; later ones are exact.
        const float value = r == first ? IchimokuFirstValue(high, low) : (high + low) / 2;
        s.values.push_back(Held(value));
    }
    s.last = last;
    return s;
}

void IchimokuDraw::Segment(double xa, float ya, double xb, float yb, Color color, double rightLimitX) {
    if (xb < price_.ScaleLeft()) return;
    if (printing_) {
        if (!(xb > 0) || rightLimitX > limit_ || OnOneLevel(ya, yb)) return;
    }
    target_->Line(xa, ya, xb, yb, color);
}

bool IchimokuDraw::CloudSegment(std::int64_t r, double& xa, double& xb) const {
    if (!span1_.Has(r - 1) || !span1_.Has(r) || !span2_.Has(r - 1) || !span2_.Has(r)) return false;
    xa = X(r - 1) + shift_;
    xb = X(r) + shift_;
    if (xb < price_.ScaleLeft()) return false;
    return !printing_ || (xb > 0 && xa <= limit_);
}

void IchimokuDraw::CloudFill(std::int64_t r) {
    double xa = 0;
    double xb = 0;
    if (!CloudSegment(r, xa, xb)) return;
    const float a1 = span1_.At(r - 1);
    const float b1 = span1_.At(r);
    const float a2 = span2_.At(r - 1);
    const float b2 = span2_.At(r);
    const double dx = xb - xa;
    auto columnOf = [&](double x) { return std::floor((x - columnOrigin_) / columnWidth_); };
    // A long view lays many bars in one column of pixels.  The column only
    // grows along the steps, so the run of steps in the column drawn last is
    // passed over by halving instead of step by step, and a bar whose last
    // step is still in that column adds nothing.
    const int lastStep = columnWidth_ > 0.25 && dx < 1e6 ? static_cast<int>(dx * 4) : 0;
    for (int i = 1; 0.25 * i <= dx; ++i) {
        const double xi = xa + 0.25 * i;
        if (columnWidth_ > 0.25) {
            const double column = columnOf(xi);
            if (column == lastColumn_) {
                if (i >= lastStep) continue;
                if (columnOf(xa + 0.25 * lastStep) == lastColumn_) break;
                int same = i, past = lastStep;
                while (past - same > 1) {
                    const int mid = same + (past - same) / 2;
                    (columnOf(xa + 0.25 * mid) == lastColumn_ ? same : past) = mid;
                }
                i = past - 1;
                continue;
            }
            lastColumn_ = column;
        }
        // Both spans advance a quarter of their change per x unit; taken from
        // the segment's start each time, the last step meets its end.
        const double t = 0.25 * i / dx;
        const double v1 = a1 + (static_cast<double>(b1) - a1) * t;
        const double v2 = a2 + (static_cast<double>(b2) - a2) * t;
        const Color fill = v1 <= v2 ? RGB(250, 220, 240) : RGB(190, 220, 250);
        target_->Line(xi, v1, xi, v2, fill);
    }
}

void IchimokuDraw::CloudEdge(std::int64_t r, const Series& span, Color color) {
    double xa = 0;
    double xb = 0;
    if (!CloudSegment(r, xa, xb)) return;
    const float ya = span.At(r - 1);
    const float yb = span.At(r);
    if (printing_ && OnOneLevel(ya, yb)) return;
    target_->Line(xa, ya, xb, yb, color);
}

void IchimokuDraw::Run() {
    if (target_ == nullptr) return;
    Starts();
    std::int64_t earliest = std::min({f0_ - p_.p0, f1_ - p_.p1, f2_ - p_.p2}) + 1;
    // The monthly shift is measured over the p1 months before the base
    // line's first window, or over the first p1 months.
    const std::int64_t shiftFrom = std::max<std::int64_t>(f1_ - 2 * p_.p1 + 1, 2);
    if (monthly_) earliest = std::min(earliest, shiftFrom);
    earliest_ = earliest;
    const std::int64_t held = file1_->RecordsHeld();
    const std::int64_t end = std::min<std::int64_t>(f_.RecordCount, held);
    // The bars the lines can reach: a line ends at the pane's right edge at
    // the latest p1 bars past it, or with the data.
    std::int64_t to = end;
    if (!monthly_) {
        const double width = price_.ScaleWidth();
        const std::int64_t edge = f_.FirstRecord + static_cast<std::int64_t>(std::max(0.0, width) / 7) + p_.p1 + 2;
        to = std::min(to, edge);
    }
    bars_.emplace(w_, *file1_, earliest, to, monthly_);
    const std::int64_t last = bars_->Last();
    if (last < earliest) return;  // no bar for any window
    if (monthly_) {
        left_.assign(static_cast<std::size_t>(last - earliest + 1), 0);
        const std::int64_t first = f_.FirstRecord;
        // Months are laid from the first shown one, at -MonthCutDays, both
        // ways.
        double x = -f_.MonthCutDays;
        for (std::int64_t r = std::max(first, earliest); r <= last; ++r) {
            left_[static_cast<std::size_t>(r - earliest)] = x;
            x += (*bars_)[r].width;
        }
        x = -f_.MonthCutDays;
        for (std::int64_t r = std::min(first - 1, last); r >= earliest; --r) {
            x -= (*bars_)[r].width;
            left_[static_cast<std::size_t>(r - earliest)] = x;
        }
    }

    // Where each line stops: after the first value past the right edge (the
    // base line p1 bars later, so that the lagging span reaches it), or
    // with the data.
    const double right = price_.ScaleWidth();
    auto stop = [&](std::int64_t from, double ahead) {
        std::int64_t r = from;
        while (r < last && !(X(r) - ahead > right)) ++r;
        return r;
    };
    if (monthly_) {
        shift_ = 0;
        for (std::int64_t r = shiftFrom; r < shiftFrom + p_.p1 && r <= last; ++r) shift_ += (*bars_)[r].width;
    } else {
        shift_ = 7.0 * p_.p1;
    }
    const std::int64_t e0 = f0_ <= last ? stop(f0_, 0) : f0_ - 1;
    const std::int64_t e1 = f1_ <= last ? stop(f1_, shift_) : f1_ - 1;
    const std::int64_t e2 = f2_ <= last ? stop(f2_, 0) : f2_ - 1;

    // Leading span 1 needs the conversion line as far as the base line goes.
    conversion_ = Line(p_.p0, f0_, std::min(std::max(e0, e1), last));
    base_ = Line(p_.p1, f1_, e1);
    span2_ = Line(p_.p2, f2_, e2);
    span1_.first = std::max(f0_, f1_);
    for (std::int64_t r = span1_.first; r <= e1; ++r) {
        span1_.values.push_back(Held((conversion_.At(r) + base_.At(r)) / 2));
        span1_.last = r;
    }
    lagging_.first = f1_;
    for (std::int64_t r = f1_; r <= e1; ++r) {
        lagging_.values.push_back(Held((*bars_)[r].close));
        lagging_.last = r;
    }

    // Each line is drawn whole before the next, so that the surface joins
    // its segments into one polyline; the span lines go over the whole fill.
    if (f_.IchimokuCloudPass != 0) {
        for (std::int64_t r = f2_ + 1; r <= e2; ++r) CloudFill(r);
        if (cloudOnly_) return;
        for (std::int64_t r = f2_ + 1; r <= e2; ++r) CloudEdge(r, span2_, QBColor(13));
        for (std::int64_t r = f2_ + 1; r <= e2; ++r) CloudEdge(r, span1_, QBColor(9));
        return;
    }
    for (std::int64_t r = f0_ + 1; r <= e0; ++r) {
        Segment(X(r - 1), conversion_.At(r - 1), X(r), conversion_.At(r), QBColor(4), X(r));
    }
    for (std::int64_t r = f1_ + 1; r <= e1; ++r) {
        Segment(X(r - 1), base_.At(r - 1), X(r), base_.At(r), QBColor(12), X(r));
    }
    // The head of leading span 1, left of where the cloud begins.
    for (std::int64_t r = f1_ + 1; r <= std::min(e1, f2_); ++r) {
        if (!span1_.Has(r - 1)) continue;
        const double xb = X(r) + shift_;
        Segment(X(r - 1) + shift_, span1_.At(r - 1), xb, span1_.At(r), QBColor(9), xb);
    }
    for (std::int64_t r = f1_ + 1; r <= e1; ++r) {
        const double back = monthly_ ? shift_ : 7.0 * p_.p1;
        const double xa = X(r - 1) - back + (monthly_ ? (*bars_)[r - 1].width : 7);
        const double xb = X(r) - back + (monthly_ ? (*bars_)[r].width : 7);
        Segment(xa, lagging_.At(r - 1), xb, lagging_.At(r), QBColor(3), xb - (monthly_ ? (*bars_)[r].width : 7));
    }
}

}  // namespace

void DrawIchimoku(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.PrintingNow != 0 && w.PrintPage() == nullptr) return;
    const IchimokuPeriods periods = TakeIchimokuPeriods(w);
    f.SavedFirstRecord = f.FirstRecord;
    f.SavedRecordCount = f.RecordCount;
    std::optional<MonthlyFileInPlace> monthlyFile;
    if (w.CheckValue(8) == 1) {
        try {
            monthlyFile.emplace(f, file1);
        } catch (const FileError&) {
            // No monthly file: nothing can be placed on the months.
            return;
        }
    }
    if (!file1.IsOpen()) return;
    IchimokuDraw(w, file1, periods).Run();
}

}  // namespace ranvik
