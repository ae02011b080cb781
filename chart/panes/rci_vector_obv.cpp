// RCI, vector and OBV: their warm-up, first value, next value and segments;
// the vector's and OBV's labels on paper and OBV's levels on the pane once
// its range is known.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/panes/indicator_internal.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

class RciLine : public OscillatorLine {
public:
    bool Start(IndicatorDraw& d, double) override {
        ranker_.Reset(d.window, d.n);
        previous_ = Value(d);
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues&) override {
        ranker_.Slide(d.window, d.n);
        value_ = Value(d);
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        d.target->Line(x0, previous_, x1, value_, d.text);
        previous_ = value_;
    }

private:
    float Value(const IndicatorDraw& d) {
        const float v = ranker_.Value(d.window, d.n);
        return d.printing && !d.inverted ? -v : v;
    }
    RciRanker ranker_;
    float previous_ = 0;
    float value_ = 0;
};

class VectorLine : public OscillatorLine {
public:
    void WarmUp(IndicatorDraw& d, int i, const BarValues&) override { sum_ += d.window[static_cast<std::size_t>(i)]; }
    bool Start(IndicatorDraw& d, double) override {
        if (d.printing) {
            if (d.enlarged) d.vectorScale = static_cast<std::int16_t>(d.vectorScale * 2);
            PrintLabels(d);
        }
        previous_ = Value(d);
        return true;
    }
    void Step(IndicatorDraw& d, const BarValues&) override {
        sum_ = sum_ - d.leaving + d.window[static_cast<std::size_t>(d.n)];
        value_ = Value(d);
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        if (!d.printing) {
            d.target->Line(x0, previous_, x1, value_, d.text);
        } else if (value_ != previous_) {
            const double s = d.vectorScale;
            d.target->Line(x0, previous_ * 80 / s, x1, value_ * 80 / s, d.text);
        }
        previous_ = value_;
    }

private:
    float Value(const IndicatorDraw& d) const {
        float v = VectorOf(d.window, d.n, sum_);
        if (d.printing) {
            const float s = d.vectorScale;
            const float limit = s + s / 3;
            v = std::clamp(v, -limit, limit);
            if (!d.inverted) v = -v;
        }
        return v;
    }
    // The levels S, S/2, -S/2 and -S beside the printed band, read as the
    // band shows them (a rise upward).
    static void PrintLabels(IndicatorDraw& d) {
        Surface& page = *d.target;
        const double s = d.vectorScale;
        page.SetForeColor(d.text);
        for (double v : {s, s / 2, -s / 2, -s}) {
            page.SetCurrentY(80 * v / s - 10);
            page.SetCurrentX(page.ScaleLeft() + d.printMargin / 2);
            if (!d.inverted) {
                page.Print(v > 0 ? NumberText(-v) : Joined({"+", NumberText(-v)}));
            } else {
                page.Print(v > 0 ? Joined({"+", NumberText(v)}) : NumberText(v));
            }
        }
    }
    float sum_ = 0;
    float previous_ = 0;
    float value_ = 0;
};

// OBV counts from 0 at the warm-up's first bar, in shares; from the first
// value on it is kept in the label unit and turned into percent of its
// range only where it is drawn on paper.
class ObvLine : public OscillatorLine {
public:
    void WarmUp(IndicatorDraw&, int i, const BarValues& bar) override {
        if (i == 1) {
            obv_ = 0;
        } else {
            Move(bar, bar.Volume);
        }
        largest_ = std::max(largest_, std::abs(obv_));
        previousClose_ = bar.Close;
    }
    bool Start(IndicatorDraw& d, double x0) override {
        const double savedObv = obv_;
        const float savedClose = previousClose_;
        ScanView(d, x0);
        obv_ = savedObv;
        previousClose_ = savedClose;
        // No close ever changed: the pane keeps its frame and zero line.
        if (largest_ == 0) return false;
        scale_ = ObvScaleOf(largest_);
        obv_ = savedObv / scale_.unit;
        if (d.printing) {
            PrintLabels(d);
        } else {
            DrawLevels(d);
        }
        previous_ = Shown(d);
        return true;
    }
    void Step(IndicatorDraw&, const BarValues& bar) override {
        Move(bar, bar.Volume / static_cast<double>(scale_.unit));
        previousClose_ = bar.Close;
    }
    void Draw(IndicatorDraw& d, double x0, double x1) override {
        // A bar without volume n - 1 bars back leaves a gap; the line goes
        // on from the last value drawn.
        if (d.window[1] == 0) return;
        const double value = Shown(d);
        d.target->Line(x0, previous_, x1, value, d.text);
        previous_ = value;
    }

private:
    void Move(const BarValues& bar, double volume) {
        if (bar.Close > previousClose_) {
            obv_ += volume;
        } else if (bar.Close < previousClose_) {
            obv_ -= volume;
        }
    }
    double Shown(const IndicatorDraw& d) const {
        return d.printing ? -(scale_.unit * 100 * obv_ / largest_) : obv_;
    }
    // The range: OBV carried on over the shown bars up to the first one past
    // the pane's right edge.
    void ScanView(IndicatorDraw& d, double x0) {
        ChartWindowState& f = d.f;
        // The scan reads ahead of the pass, which reads the same bars again
        // with the correction point then in force.
        const std::int16_t record = f.CorrectionRecord;
        const float factor = f.CorrectionFactor;
        const std::int64_t last = std::min<std::int64_t>(f.RecordCount, d.file1.RecordsHeld());
        const double edge = d.w.IndicatorPane().ScaleWidth();
        double position = RoundHalfEven(x0);
        for (std::int64_t r = d.nextRecord; r <= last; ++r) {
            const BarValues bar = ReadBar(d, r);
            Move(bar, bar.Volume);
            largest_ = std::max(largest_, std::abs(obv_));
            previousClose_ = bar.Close;
            position += d.monthly ? bar.RecordNo : 7;
            if (position > edge) break;
        }
        f.CorrectionRecord = record;
        f.CorrectionFactor = factor;
    }
    void DrawLevels(IndicatorDraw& d) {
        Surface& pane = *d.target;
        const double r = OffsetRatio(d.f, pane);
        pane.SetForeColor(d.text);
        pane.SetDrawStyle(DrawStyle::Dot);
        double w = 0;
        for (int v : {-8, -4, 0, 4, 8}) {
            const std::string label = ObvLabel(scale_, v);
            w = pane.Width() > 0 ? pane.ScaleWidth() * static_cast<double>(label.size()) / pane.Width() * 90 : 0;
            if (v != 0) pane.Line(w, 10 * v, pane.ScaleWidth(), 10 * v, RGB(150, 150, 150));
            pane.SetCurrentX(0);
            pane.SetCurrentY(10 * v + 10 * r);
            if (v != 0) pane.Print((v < 0 ? "-" : "+") + label);
        }
        pane.SetCurrentX(w + w / 5);
        pane.SetCurrentY(pane.ScaleTop());
        if (scale_.unit != 1) pane.Print(Joined({"x", std::to_string(scale_.unit), "株"}));
        pane.SetDrawStyle(DrawStyle::Solid);
        const double top = largest_ / scale_.unit;
        pane.Scale(0, top, d.f.ViewWidth, -top);
    }
    void PrintLabels(IndicatorDraw& d) {
        Surface& page = *d.target;
        page.SetForeColor(d.text);
        for (int v : {-8, -4, 0, 4, 8}) {
            page.SetCurrentY(-10 * v - 10);
            page.SetCurrentX(page.ScaleLeft() + d.printMargin / 2);
            const std::string label = ObvLabel(scale_, v);
            page.Print(v < 0 ? "-" + label : v > 0 ? "+" + label : label);
        }
        if (scale_.unit != 1) {
            page.SetCurrentX(10);
            page.SetCurrentY(-106);
            page.Print(Joined({"x", std::to_string(scale_.unit), "株"}));
        }
    }

    double obv_ = 0;
    double largest_ = 0;  // M, in shares
    float previousClose_ = 0;
    ObvScale scale_;
    double previous_ = 0;
};

}  // namespace

std::unique_ptr<OscillatorLine> MakeRciLine() { return std::make_unique<RciLine>(); }
std::unique_ptr<OscillatorLine> MakeVectorLine() { return std::make_unique<VectorLine>(); }
std::unique_ptr<OscillatorLine> MakeObvLine() { return std::make_unique<ObvLine>(); }

}  // namespace ranvik
