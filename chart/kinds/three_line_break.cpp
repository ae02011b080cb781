// The three-line break chart.
#include "chart/kinds/three_line_break.h"

#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "chart/drawing/visible_range.h"
#include "chart/kinds/kind_bars.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

struct BreakLine {
    float start = 0;
    float end = 0;
    float Top() const { return std::max(start, end); }
    float Bottom() const { return std::min(start, end); }
};

// The last four lines, L1 (index 0) the latest.
struct History {
    std::array<BreakLine, 4> L;
    bool white = true;  // colour of L1
    int kind = 10;      // kind of L1: 10 first or continuation, 1 and 3 reversals

    void Add(BreakLine line, bool isWhite, int newKind) {
        L[3] = L[2];
        L[2] = L[1];
        L[1] = L[0];
        L[0] = line;
        white = isWhite;
        kind = newKind;
    }
};

// The price a reversal or a stretch of L1 starts its box at, by the kind of
// L1 before the step; `third` is the entry for kind 3.
float StartPrice(const History& h, float third) {
    if (h.kind == 10) return h.L[1].end;
    if (h.kind == 1) return h.L[2].end;
    return third;
}

// The colours of the calls made bar by bar.  Named once here: a colour
// made at the call is handed over in pieces through the stack and read back
// whole, which stalls every call of a long chart.
constexpr Color kWhiteLineFill = QBColor(15);
constexpr Color kWhiteLineEdge = RGB(255, 100, 250);
constexpr Color kBlackLineFill = RGB(0, 100, 250);
constexpr Color kVolumeBox = QBColor(10);
constexpr Color kCloseLine = RGB(150, 130, 255);

struct Frame {
    bool column = false;  // the column variant
    bool inverted = false;
    bool admin = false;   // volume boxes drawn
    double B = 6;         // box width
    double U = 1;         // volume unit
    double Vmax = 0;
    double P = 0;         // pass width
};

class Pass {
public:
    Pass(ChartHost& w, KindReader& reader, Frame& frame, bool grid, bool firstOfTwo)
        : w_(w), f_(w.Fields()), p_(w.PricePane()), reader_(reader), frame_(frame), grid_(grid),
          firstOfTwo_(firstOfTwo), drawn_(!firstOfTwo) {}

    void Run() {
        Start();
        R_ = f_.FirstRecord;
        while (X_ < p_.ScaleWidth() && R_ <= f_.RecordCount) {
            const KindBar bar = reader_.Read(R_);
            lastDate_ = bar.date;
            DateAxis(bar);
            // A close that is not a finite number adds no line, as an
            // unchanged close does not.
            const bool added = bar.Drawable() && LineStep(bar.v.Close);
            const bool firstOfLoop = R_ == f_.FirstRecord;
            if (!firstOfLoop) {
                if (added) {
                    totalPrev_ = totalL1_;
                    totalL1_ = bar.v.Volume;
                } else {
                    totalL1_ += bar.v.Volume;
                }
            }
            if (frame_.admin) VolumeBoxes(added || firstOfLoop);
            ++R_;
            // The column variant moves on only for a new line; the first bar
            // counts as the first line.
            if (!frame_.column || added || (firstOfLoop && bar.v.Close == firstEnd_)) X_ += 7;
        }
    }

    double X() const { return X_; }
    std::int64_t NextRecord() const { return R_; }
    std::int64_t RecordsRead() const { return R_ - f_.FirstRecord; }
    const std::string& LastDate() const { return lastDate_; }
    double MonthStart() const { return monthStart_; }
    int Month() const { return month_; }
    double LeftOfL1() const { return leftL1_; }
    double TotalOfL1() const { return totalL1_; }
    double LabelLine() const { return YL_; }

private:
    void Start() {
        D_ = (f_.PriceTop - f_.PriceBottom) / p_.Height() * 100;
        if (grid_ && drawn_) DrawGrid();
        const KindBar first = reader_.Read(f_.FirstRecord, false);
        f_.FirstShownDate = first.date;
        lastDate_ = first.date;
        const float open = first.v.Open, close = first.v.Close;
        h_.L[0] = {open, close};
        for (int i = 1; i < 4; ++i) h_.L[static_cast<std::size_t>(i)] = {close, open};
        h_.white = !(open > close);
        h_.kind = 10;
        firstEnd_ = close;
        DrawBox(0, open, 6, close, h_.white);
        X_ = 0;
        leftL1_ = frame_.column ? 0 : 1;
        leftPrev_ = 0;
        year_ = first.Year2();
        month_ = first.Month();
        monthStart_ = 0;
        YL_ = frame_.inverted ? f_.PriceTop - 2 * D_ : f_.PriceBottom + 2 * D_;
        totalL1_ = first.v.Volume;
        totalPrev_ = 0;
    }

    void DrawGrid() {
        const double y = frame_.inverted ? f_.PriceTop : f_.PriceBottom;
        p_.Line(p_.ScaleLeft(), y, p_.ScaleWidth(), y, QBColor(8));
        const double step = f_.PriceGridStep;
        if (step > 0) {
            const double g0 = Fix((f_.PriceBottom + step) / step) * step;
            const double perTwip = p_.ScaleWidth() / p_.Width();
            for (int k = 0;; ++k) {
                const double g = g0 + k * step;
                if (g > f_.PriceTop) break;
                p_.SetDrawStyle(k % 3 == 2 ? DrawStyle::Solid : DrawStyle::Dot);
                const double chars = static_cast<double>(FormatNumber(g, f_.AxisFormat).size());
                p_.Line(chars * perTwip * 100, g, p_.ScaleWidth(), g, QBColor(8));
            }
        }
        p_.SetDrawStyle(DrawStyle::Solid);
    }

    void DrawBox(double x1, double y1, double x2, double y2, bool white) {
        if (!drawn_) return;
        if (white) {
            p_.Line(x1, y1, x2, y2, kWhiteLineFill, LineKind::FilledBox);
            p_.Line(x1, y1, x2, y2, kWhiteLineEdge, LineKind::Box);
        } else {
            p_.Line(x1, y1, x2, y2, kBlackLineFill, LineKind::FilledBox);
        }
    }

    bool LineStep(float C) {
        const float E = h_.L[0].end;
        const bool white = h_.white;
        if ((white && C > E) || (!white && C < E)) {
            DrawBox(X_, E, X_ + frame_.B, C, white);
            Added({E, C}, white, 10);
            return true;
        }
        const int kind = h_.kind == 10 ? 1 : 3;
        if (white && C < E && C < h_.L[3].Top() && C < h_.L[2].Top() && C < h_.L[1].end) {
            DrawBox(X_, StartPrice(h_, h_.L[1].Top()), X_ + frame_.B, C, false);
            Added({h_.L[0].start, C}, false, kind);
            return true;
        }
        if (!white && C > E && C > h_.L[3].end && C > h_.L[2].end && C > h_.L[1].Bottom()) {
            DrawBox(X_, StartPrice(h_, h_.L[3].Bottom()), X_ + frame_.B, C, true);
            Added({h_.L[0].start, C}, true, kind);
            return true;
        }
        if (!frame_.column) {
            float third;
            if (white) {
                third = C < E ? h_.L[2].start : h_.L[2].Bottom();
            } else {
                third = C > E ? h_.L[1].Bottom() : h_.L[3].Bottom();
            }
            DrawBox(leftL1_, StartPrice(h_, third), X_ + 7, E, white);
        }
        return false;
    }

    void Added(BreakLine line, bool white, int kind) {
        h_.Add(line, white, kind);
        leftPrev_ = leftL1_;
        leftL1_ = X_;
    }

    void DateAxis(const KindBar& bar) {
        const int year = bar.Year2(), month = bar.Month();
        if (year == year_ && month == month_) return;
        const double sw = p_.ScaleWidth();
        const bool sameYear = year == year_;
        const bool daily = f_.IsDaily == kTrue;
        const double top = p_.ScaleTop(), bottom = p_.ScaleTop() + p_.ScaleHeight();
        if (!sameYear) {
            if (drawn_) p_.Line(X_, top, X_, bottom, QBColor(7));
            p_.SetForeColor(RGB(0, 150, 255));
            if (drawn_) PrintAt(p_, X_, YL_, Joined({" '", bar.YearText()}));
        }
        if (sw <= 4000) {
            if (daily && sameYear) {
                p_.SetDrawStyle(DrawStyle::Dot);
                if (drawn_) p_.Line(X_, top, X_, bottom, QBColor(7));
                p_.SetDrawStyle(DrawStyle::Solid);
            } else if (sw <= 1500 && sameYear) {
                f_.LineColorNo = month_ == 6 ? 12 : 8;
                if (drawn_) {
                    p_.Line(X_, f_.PriceTop, X_, f_.PriceTop - D_, QBColor(f_.LineColorNo));
                    p_.Line(X_, f_.PriceBottom, X_, f_.PriceBottom + D_, QBColor(f_.LineColorNo));
                }
            }
            const double covered = X_ - monthStart_;
            const bool even = month_ % 2 == 0;
            double at = -1;
            if (daily && even && sw <= 3000 && covered >= 28 && (sw <= 1500 || !frame_.column)) {
                at = X_ - covered / 2 - 14;
            } else if (!daily && even && sw <= 450 && covered >= 14 && (sw <= 180 || !frame_.column)) {
                at = X_ - covered / 2 - 5;
            }
            if (at != -1) {
                f_.LineColorNo = f_.BackColorNo == 2 ? 7 : 8;
                p_.SetForeColor(QBColor(f_.LineColorNo));
                if (drawn_) PrintAt(p_, at, YL_, std::to_string(month_));
            }
        }
        year_ = year;
        month_ = month;
        monthStart_ = X_;
    }

    void VolumeBoxes(bool lineMade) {
        p_.Scale(0, f_.VolumeAreaRatio * frame_.Vmax, frame_.P, 0);
        if (drawn_ && frame_.column) {
            p_.Line(leftL1_ + 1, 0, leftL1_ + 5, totalL1_ / frame_.U, kVolumeBox, LineKind::Box);
        } else if (drawn_ && lineMade) {
            p_.Line(leftPrev_ + 1, 0, leftL1_ - 1, totalPrev_ / frame_.U, kVolumeBox, LineKind::Box);
        }
        if (firstOfTwo_ && totalL1_ / frame_.U / 2 > frame_.Vmax) frame_.Vmax = totalL1_ / frame_.U / 2;
        RestorePriceScale(w_, frame_);
    }

public:
    static void RestorePriceScale(ChartHost& w, const Frame& frame) {
        const ChartWindowState& f = w.Fields();
        if (frame.inverted) {
            w.PricePane().Scale(0, f.PriceBottom, frame.P, f.PriceTop + f.VolumeAreaHeight);
        } else {
            w.PricePane().Scale(0, f.PriceTop, frame.P, f.PriceBottom - f.VolumeAreaHeight);
        }
    }

private:
    ChartHost& w_;
    ChartWindowState& f_;
    Surface& p_;
    KindReader& reader_;
    Frame& frame_;
    bool grid_;
    bool firstOfTwo_;
    // The pane is cleared after the first of two passes, so that pass only
    // works out where things go and draws none of them.
    bool drawn_;
    History h_;
    double D_ = 0;
    double X_ = 0;
    double YL_ = 0;
    double leftL1_ = 0;
    double leftPrev_ = 0;
    float firstEnd_ = 0;
    double totalL1_ = 0;
    double totalPrev_ = 0;
    int year_ = 0;
    int month_ = 0;
    double monthStart_ = 0;
    std::int64_t R_ = 0;
    std::string lastDate_;
};

std::string Year4(const std::string& date) {
    const std::string yy = date.substr(6, 2);
    return Joined({yy <= "50" ? "20" : "19", yy});
}

}  // namespace

void DrawThreeLineBreak(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (f.RecordCount <= 2) return;
    Surface& p = w.PricePane();
    p.Cls();
    w.SetWindowCaption(f.PeriodUnit.Text() + "ﾃﾞｰﾀ + 新値三本足ﾁｬｰﾄ");
    p.SetScaleWidth(f.ViewWidth);
    ScanVisibleRange(w, file1);
    Frame frame;
    frame.P = f.ViewWidth;
    w.ScrollBar().setSingleStep(7);
    frame.U = f.FileMaxVolume > 100000000 ? 1000 : 1;
    frame.Vmax = f.FileMaxVolume / frame.U;
    frame.column = w.CheckValue(11) == 1;
    frame.B = frame.column ? 6 : 7;
    frame.inverted = f.InvertedChart == kTrue;
    frame.admin = Program().app.AdminMode == kTrue && f.MaxVolume != 0;
    const int passes = frame.column || frame.admin ? 2 : 1;
    KindReader reader(w, file1);
    // Each pass and the close line walk the same records.
    reader.KeepRecords();
    for (int pass = 1;; ++pass) {
        const bool last = pass == passes;
        Pass run(w, reader, frame, !frame.column || pass == 2, pass == 1 && passes == 2);
        run.Run();
        if (!last) {
            p.SetScaleWidth(7 * static_cast<double>(run.RecordsRead()));
            ScanVisibleRange(w, file1);
            frame.P = run.NextRecord() >= f.RecordCount ? Fix(run.X() * 1.02) : run.X();
            Pass::RestorePriceScale(w, frame);
            p.Cls();
            continue;
        }
        const double X = run.X();
        const double sw = p.ScaleWidth();
        if (!frame.column && Program().app.AdminMode == kTrue && f.FileMaxVolume != 0) {
            p.Scale(0, f.VolumeAreaRatio * frame.Vmax, frame.P, 0);
            p.Line(run.LeftOfL1() + 1, 0, X + 5, run.TotalOfL1() / frame.U, QBColor(10), LineKind::Box);
            Pass::RestorePriceScale(w, frame);
        }
        if (!frame.column && run.Month() % 2 == 0) {
            const double covered = X - run.MonthStart();
            if ((covered >= 42 && sw <= 3000 && f.IsDaily == kTrue) || (covered >= 14 && sw <= 500)) {
                p.SetForeColor(QBColor(8));
                PrintAt(p, X - covered / 2, run.LabelLine(), std::to_string(run.Month()));
            }
        }
        p.SetForeColor(f.BackColorNo == 2 ? QBColor(7) : RGB(50, 100, 150));
        p.SetFontSize(10);
        const double step = f.PriceGridStep;
        if (step > 0) {
            const double D = (f.PriceTop - f.PriceBottom) / p.Height() * 100;
            const double g0 = Fix((f.PriceBottom + step) / step) * step;
            for (int k = 0;; ++k) {
                const double g = g0 + k * step;
                if (g > f.PriceTop) break;
                PrintAt(p, 0, frame.inverted ? g - D : g + D, FormatNumber(g, f.AxisFormat));
            }
        }
        p.SetFontSize(9);
        p.SetDrawStyle(DrawStyle::Solid);
        if (!frame.column) {
            float previous = reader.Read(f.FirstRecord, false).v.Close;
            double position = 0;
            for (std::int64_t r = f.FirstRecord; position < p.ScaleWidth() && r <= f.RecordCount; ++r) {
                const float close = reader.Read(r).v.Close;
                // A close that is no number keeps its day on the time scale,
                // and the line passes over it from the close before.
                if (std::isfinite(close)) {
                    if (std::isfinite(previous)) p.Line(position - 8, previous, position, close, kCloseLine);
                    previous = close;
                }
                position += 7;
            }
        }
        const std::string first = f.FirstShownDate.Text();
        const std::string& lastDate = run.LastDate();
        QLabel& info = w.LabelNo(20);
        info.setText(QString::fromStdString(Joined({"    期間：", Year4(first), "/", first.substr(0, 5), "～",
                                                   Year4(lastDate), "/", lastDate.substr(0, 5)})));
        info.setVisible(true);
        p.Line(0, p.ScaleTop(), p.ScaleWidth(), p.ScaleTop(), RGB(100, 120, 200));
        break;
    }
}

}  // namespace ranvik
