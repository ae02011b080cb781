// The overlay pass of the price pane: which family runs, the monthly file in
// place of the data file, the line passes with their warm-up, bars, x and
// end, the deviation items held back while an overlay is drawn and the
// second pass that draws them, and the clean-up that leaves the window's
// file, counts and menu check marks as they were.
#include "chart/drawing/price_pane.h"

#include <array>
#include <optional>
#include <string>

#include "chart/drawing/monthly_in_place.h"
#include "chart/drawing/overlay_pass.h"
#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

OverlayItems ReadOverlayItems(ChartHost& w) {
    auto on = [&w](const char* item, int index = 1) { return w.Item(item, index).Checked(); };
    OverlayItems items;
    items.movingAverages = on("mnuIdouHeikin");
    items.bollinger = on("mnuボリンジャ");
    items.envelope = on("mnuEnvelope");
    items.highLow = on("mnuHLband");
    items.inYo = on("mnu陰陽足");
    items.threeDays = on("mnu3Days");
    items.tradingValue = on("mnuBBdaikin");
    items.deviation = on("mnuKairiRitsu");
    items.twoLine = on("mnu2LineKairiRitsu");
    items.correction = on("mnuHosei");
    items.enlargedIndicator = on("mnuGamen比", 1);
    return items;
}

OverlayPass::OverlayPass(ChartHost& w, Surface& onto, bool paper)
    : window(w),
      f(w.Fields()),
      price(w.PricePane()),
      indicator(w.IndicatorPane()),
      target(onto),
      printing(paper),
      monthly(w.CheckValue(8) == 1),
      color(QBColor(8)) {
    levels.ClipLevelH = static_cast<float>(f.ClipLevelH);
    levels.ClipLevelL = f.ClipLevelL;
    levels.MacdClipLevel = f.MacdClipLevel;
}

bool OverlayPass::Active() const { return Program().windows.ActiveWindowNo == f.WindowNo; }

namespace {

// The items the draw may uncheck for a while.  Whatever happens inside the
// draw, each leaves it in the state it entered with.
constexpr std::array<const char*, 7> kSuspendable = {"mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuボリンジャ",
                                                     "mnuEnvelope", "mnuHLband", "mnu陰陽足", "mnu3Days"};

class CheckMarksKept {
public:
    explicit CheckMarksKept(ChartHost& w) : w_(w) {
        for (std::size_t i = 0; i < kSuspendable.size(); ++i) entry_[i] = w.Item(kSuspendable[i], 1).Checked();
    }
    ~CheckMarksKept() {
        for (std::size_t i = 0; i < kSuspendable.size(); ++i) w_.Item(kSuspendable[i], 1).SetChecked(entry_[i]);
    }
    CheckMarksKept(const CheckMarksKept&) = delete;
    CheckMarksKept& operator=(const CheckMarksKept&) = delete;

private:
    ChartHost& w_;
    std::array<bool, kSuspendable.size()> entry_{};
};

enum class Family { Average, TradingValue, Band, InYo, ThreeDay };

Family FamilyOf(const OverlayItems& items) {
    if (items.inYo) return Family::InYo;
    if (items.threeDays) return Family::ThreeDay;
    if (items.AnyBand()) return Family::Band;
    if (items.tradingValue) return Family::TradingValue;
    return Family::Average;
}

// One line pass after another, reading the bars of file number 1.
class LinePasses {
public:
    LinePasses(OverlayPass& pass, ChartFile& file1) : pass_(pass), f_(pass.f), file1_(file1) {
        held_ = file1.RecordsHeld();
    }

    void Run() {
        const Family family = FamilyOf(pass_.items);
        for (;;) {
            RunPass(family);
            if (pass_.k == 0) {
                pass_.k = 1;
                pass_.color = QBColor(12);
            } else if (pass_.k == 1) {
                pass_.k = 2;
                pass_.color = QBColor(13);
            } else if (!pass_.items.highLow && f_.OverlayPeriods[3] != 0 && pass_.k != 3) {
                pass_.k = 3;
                pass_.color = QBColor(3);
            } else {
                return;
            }
        }
    }

private:
    BarValues Read(std::int64_t r) {
        BarValues bar = file1_.Values(r);
        if (!pass_.monthly && pass_.items.correction) ApplyCorrection(f_, r, bar);
        return bar;
    }
    int WidthOf(std::int64_t r) { return file1_.Values(r).RecordNo; }
    int Widths(std::int64_t from, std::int64_t to) {
        int sum = 0;
        for (std::int64_t r = from; r <= to; ++r) sum += WidthOf(r);
        return sum;
    }
    void PutBackPaperScale() {
        if (!pass_.printing) return;
        pass_.target.SetScaleHeight(f_.SavedScaleHeight);
        pass_.target.SetScaleTop(f_.SavedScaleTop);
    }

    void RunPass(Family family);

    OverlayPass& pass_;
    ChartWindowState& f_;
    ChartFile& file1_;
    std::int64_t held_ = 0;
};

void LinePasses::RunPass(Family family) {
    const int p = f_.OverlayPeriods[static_cast<std::size_t>(pass_.k)];
    pass_.p = p;
    if (p <= 0) return;
    // Start and x origin: x0 is the left end of the first bar after the
    // warm-up; a stock with too little history starts at record 2 and its
    // line begins as many bars into the view as the warm-up lacks.
    const std::int64_t first = f_.FirstRecord;
    std::int64_t s = first - p;
    double x0 = 0;
    if (s < 2) {
        s = 2;
        x0 = 7.0 * (p - (first - 2));
    }
    const std::int64_t lastWarm = s + p - 1;
    if (lastWarm > held_) return;  // the file ends inside the warm-up
    if (pass_.monthly) {
        x0 = s > 2 ? -f_.MonthCutDays : -f_.MonthCutDays - Widths(2, first - 1) + Widths(2, p + 1);
    }
    const int lastWidth = pass_.monthly ? WidthOf(lastWarm) : 7;
    const bool centred = family != Family::InYo && family != Family::ThreeDay;
    if (centred) x0 -= pass_.monthly ? lastWidth / 2.0 : 4;
    pass_.markRadius = CloseMarkRadius(pass_.price.ScaleWidth(), pass_.monthly);

    MovingAverage closes;
    SeriesWindow highs;
    SeriesWindow lows;
    TradingValueAverage value;
    ThreeDayAverage three;
    closes.Reset(p);
    highs.Reset(p);
    lows.Reset(p);
    if (family == Family::TradingValue) value.Reset(p);
    if (family == Family::ThreeDay) three.Reset(p);
    float lastClose = 0;
    for (int i = 1; i <= p; ++i) {
        const BarValues bar = Read(s + i - 1);
        closes.Store(i, bar.Close);
        highs.At(i) = bar.High;
        lows.At(i) = bar.Low;
        if (family == Family::TradingValue) value.Store(i, bar.Volume, bar.Close);
        if (family == Family::ThreeDay) three.Store(i, bar.Open, bar.Close, bar.High, bar.Low);
        lastClose = bar.Close;
    }

    // First values: the previous ends of the first segments.
    pass_.prevX = x0;
    pass_.prevWidth = lastWidth;
    LineEnd line;
    BandEnds bands;
    float average = 0;
    const bool isBand = family == Family::Band;
    if (family == Family::TradingValue) {
        average = value.First();
    } else if (!isBand || pass_.band != BandKind::HighLow) {
        average = closes.First();
    }
    if (isBand) StartBandLines(pass_, bands, BandLines(pass_, average, closes, highs, lows));
    line = {average, average};
    if (pass_.printing && family != Family::InYo && family != Family::ThreeDay) {
        CutUpBottom(pass_.levels, line.value);
    }
    if (family == Family::ThreeDay && x0 > 0) {
        const double xl = x0 - (pass_.monthly ? lastWidth : 7);
        DrawThreeDayCandle(pass_, three.First(), lastClose, xl, x0);
        PutBackPaperScale();
    }

    // The deviation rate of this pass: the single rate on every pass, the
    // two-line rate from pass 1 on, and only where the short line's bars
    // lie within this pass's window.
    const OverlayItems& items = pass_.items;
    const bool averaged = family == Family::Average || family == Family::TradingValue;
    const int shortPeriod = f_.OverlayPeriods[0];
    const bool single = averaged && items.deviation;
    const bool twoLine = averaged && !items.deviation && items.twoLine && pass_.k >= 1 && shortPeriod <= p;
    if (twoLine && family == Family::TradingValue) value.TrackNewest(shortPeriod);
    auto rateOf = [&](float close, float avg) {
        if (single) return DeviationRate(close, avg);
        const float shortAverage =
            family == Family::TradingValue ? value.NewestAverage() : closes.NewestMean(shortPeriod);
        return TwoLineRate(shortAverage, avg);
    };
    float deviation = 0;
    if (single || twoLine) deviation = StartDeviationLine(pass_, rateOf(lastClose, average));

    const double rightEdge = pass_.price.ScaleWidth();
    for (std::int64_t r = s + p; r <= f_.RecordCount && r <= held_; ++r) {
        switch (family) {
            case Family::TradingValue: value.Slide(); break;
            case Family::ThreeDay: three.Slide(); break;
            default:
                closes.Slide();
                highs.Slide();
                lows.Slide();
                break;
        }
        const BarValues bar = Read(r);
        float next = 0;
        AverageCandle candle;
        BandValues band{};
        switch (family) {
            case Family::TradingValue: next = value.Add(bar.Volume, bar.Close); break;
            case Family::ThreeDay: candle = three.Add(bar.Open, bar.Close, bar.High, bar.Low); break;
            default:
                next = closes.Add(bar.Close);
                highs.At(p) = bar.High;
                lows.At(p) = bar.Low;
                if (isBand) band = BandLines(pass_, next, closes, highs, lows);
                break;
        }
        const float rate = single || twoLine ? rateOf(bar.Close, next) : 0;
        if (pass_.monthly) {
            pass_.curWidth = bar.RecordNo;
            pass_.newX = pass_.prevX + (pass_.prevWidth + bar.RecordNo) / 2.0;
        } else {
            pass_.curWidth = 7;
            pass_.newX = pass_.prevX + 7;
        }
        switch (family) {
            case Family::Average: DrawAverageSegment(pass_, line, next); break;
            case Family::TradingValue: DrawTradingValueSegment(pass_, line, next); break;
            case Family::Band: DrawBandStep(pass_, bands, band); break;
            case Family::InYo:
                DrawInYoStep(pass_, line.value, next);
                line = {next, next};
                break;
            case Family::ThreeDay: DrawThreeDayCandle(pass_, candle, bar.Close, pass_.prevX, pass_.newX); break;
        }
        if (single || twoLine) DrawDeviationStep(pass_, deviation, rate);
        PutBackPaperScale();
        pass_.prevX = pass_.newX;
        pass_.prevWidth = pass_.curWidth;
        if (pass_.newX > rightEdge) break;
    }
}

// The first checked of the overlays that hold the deviation items back.
const char* SuspendingOverlay(const OverlayItems& items) {
    if (items.bollinger) return "mnuボリンジャ";
    if (items.envelope) return "mnuEnvelope";
    if (items.highLow) return "mnuHLband";
    if (items.inYo) return "mnu陰陽足";
    if (items.threeDays) return "mnu3Days";
    return nullptr;
}

void RunOverlayPass(OverlayPass& pass, ChartFile& file1) {
    ChartHost& w = pass.window;
    bool secondPass = false;
    const char* heldDeviation = nullptr;
    for (;;) {
        pass.items = ReadOverlayItems(w);
        LineParameterStep(pass, secondPass);
        if (pass.items.AnyBand() || pass.items.SubPane()) {
            if (pass.items.deviation) {
                heldDeviation = "mnuKairiRitsu";
            } else if (pass.items.twoLine) {
                heldDeviation = "mnu2LineKairiRitsu";
            }
            if (heldDeviation != nullptr) w.Item(heldDeviation, 1).SetChecked(false);
            pass.items = ReadOverlayItems(w);
        }
        if (pass.items.AnyDeviation() && !pass.printing) SetUpDeviationPane(pass);
        LinePasses(pass, file1).Run();
        const char* overlay = SuspendingOverlay(pass.items);
        if (overlay == nullptr || heldDeviation == nullptr) return;
        // The second pass draws the deviation rates of the moving averages
        // without the overlay; the check marks come back afterwards.
        w.Item(overlay, 1).SetChecked(false);
        if (pass.items.SubPane()) pass.f.OverlayPeriods[3] = 0;
        w.Item(heldDeviation, 1).SetChecked(true);
        heldDeviation = nullptr;
        secondPass = true;
    }
}

}  // namespace

void DrawPricePane(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const bool printing = f.PrintingNow != 0;
    Surface* paper = printing ? w.PrintPage() : nullptr;
    if (printing && paper == nullptr) return;
    OverlayPass pass(w, printing ? *paper : w.PricePane(), printing);
    pass.items = ReadOverlayItems(w);
    const OverlayItems& items = pass.items;
    if (items.movingAverages) {
    } else if (items.AnyBand()) {
        BandParameterStep(pass);
    } else if (items.SubPane()) {
    } else if (items.tradingValue) {
        if (f.MaxVolume == 0) return;
    } else if (!items.AnyDeviation() && f.OverlayPeriods[3] == 0 && f.BandPeriod == 0) {
        return;
    }
    {
        CheckMarksKept marks(w);
        std::optional<MonthlyFileInPlace> monthlyFile;
        try {
            if (pass.monthly) monthlyFile.emplace(f, file1);
        } catch (const FileError&) {
            // No monthly file to read: nothing of the overlays can be placed.
            return;
        }
        RunOverlayPass(pass, file1);
    }
    if (ReadOverlayItems(w).AnyDeviation() && !ReadOverlayItems(w).movingAverages) {
        f.OverlayPeriods[0] = f.OverlayPeriods[1] = f.OverlayPeriods[2] = 0;
    }
}

}  // namespace ranvik
