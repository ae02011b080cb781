// The printed bar pass: per shown daily or weekly bar its volume and
// margin-balance lines, candle, high and low labels, pivot, kagi and
// parabolic; then the regression lines and the volume scale.
#include <algorithm>

#include "chart/drawing/regression_trend.h"
#include "chart/drawing/segment_clipping.h"
#include "chart/panes/volume_scale.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "print/printed_page.h"

namespace ranvik {

namespace {

bool Checked(ChartHost& w, const char* array, int index = 1) { return w.Item(array, index).Checked(); }

// A factor of 0 would divide the prices by nothing: it corrects nothing.
bool Correcting(const ChartWindowState& f, std::int64_t r) {
    return r < f.CorrectionRecord && f.CorrectionFactor != 0;
}

// Moves the correction point in force forward to the record, never back.
void AdvanceCorrection(ChartWindowState& f, std::int64_t r) {
    const int points = static_cast<int>(f.CorrectionFactors[0]);
    if (points <= 1 || r < f.CorrectionRecord) return;
    for (int i = std::min(points, 5); i >= 1; --i) {
        if (r < f.CorrectionRecords[static_cast<std::size_t>(i)]) {
            f.CorrectionRecord = f.CorrectionRecords[static_cast<std::size_t>(i)];
            f.CorrectionFactor = f.CorrectionFactors[static_cast<std::size_t>(i)];
            break;
        }
    }
}

void CorrectPrices(const ChartWindowState& f, QuoteRecord& q) {
    q.High = q.High / f.CorrectionFactor;
    q.Low = q.Low / f.CorrectionFactor;
    q.Open = q.Open / f.CorrectionFactor;
    q.Close = q.Close / f.CorrectionFactor;
}

struct Pivot {
    float P = 0, HBOP = 0, R2 = 0, R1 = 0, S1 = 0, S2 = 0, LBOP = 0;
    float rawHBOP = 0, rawR2 = 0, rawS2 = 0, rawLBOP = 0;
};

struct Pass {
    double x = 0;
    double lastX = 0;
    float prevSell = 0;
    float prevBuy = 0;
    double prevCentre = 0;
    Pivot pivot;
    double kagiTurnX = 3;
    double kagiNextX = 10;
};

void DrawPivot(ChartHost& w, Surface& page, Pass& p, const QuoteRecord& q) {
    const ChartWindowState& f = w.Fields();
    const ClipLevels levels{static_cast<float>(f.ClipLevelH), f.ClipLevelL, f.MacdClipLevel};
    const float H = q.High, L = q.Low, C = q.Close;
    Pivot now;
    now.P = (L + H + C) / 3;
    now.HBOP = 2 * now.P + H - 2 * L;
    now.R2 = H + now.P - L;
    now.R1 = 2 * now.P - L;
    now.S1 = 2 * now.P - H;
    now.S2 = now.P - H + L;
    now.LBOP = 2 * now.P - 2 * H + L;
    now.rawHBOP = now.HBOP;
    now.rawR2 = now.R2;
    now.rawS2 = now.S2;
    now.rawLBOP = now.LBOP;
    const Pivot& prev = p.pivot;
    const float pc = static_cast<float>(p.prevCentre);
    struct Outer {
        float pv, nv;
        std::int16_t a = 0, b = 0;
    };
    Outer hbop{prev.HBOP, now.HBOP}, r2{prev.R2, now.R2}, s2{prev.S2, now.S2}, lbop{prev.LBOP, now.LBOP};
    SuppressH(levels, hbop.a, hbop.b, pc, pc + 7, hbop.pv, hbop.nv, prev.rawHBOP);
    SuppressH(levels, r2.a, r2.b, pc, pc + 7, r2.pv, r2.nv, prev.rawR2);
    SuppressL(levels, s2.a, s2.b, pc, pc + 7, s2.pv, s2.nv, prev.rawS2);
    SuppressL(levels, lbop.a, lbop.b, pc, pc + 7, lbop.pv, lbop.nv, prev.rawLBOP);
    if (prev.P != 0) {
        const Color grey = QBColor(8);
        auto outer = [&](const Outer& o, float level) {
            if (o.pv == level && o.nv == level) return;
            page.Line(pc + o.a, o.pv, pc + 7 - o.b, o.nv, grey);
        };
        const float high = static_cast<float>(f.ClipLevelH);
        outer(hbop, high);
        outer(r2, high);
        page.Line(pc, prev.R1, pc + 7, now.R1, grey);
        page.Line(pc, prev.P, pc + 7, now.P, QBColor(12));
        page.Line(pc, prev.S1, pc + 7, now.S1, grey);
        outer(s2, f.ClipLevelL);
        outer(lbop, f.ClipLevelL);
    }
    now.HBOP = hbop.nv;
    now.R2 = r2.nv;
    now.S2 = s2.nv;
    now.LBOP = lbop.nv;
    p.pivot = now;
}

void DrawKagi(ChartHost& w, Surface& page, Pass& p, float C) {
    ChartWindowState& f = w.Fields();
    if (Checked(w, "mnuKagiAshi", 1)) p.kagiNextX = p.x + 3;
    const float K = f.KagiLastPrice;
    // A last price of 0 has no ratio to a new close: the first close above
    // 0 becomes the price the kagi line starts from.
    if (K <= 0) {
        if (C > 0) f.KagiLastPrice = C;
        return;
    }
    const Color black = QBColor(0);
    auto reverse = [&](bool up) {
        page.Line(p.kagiTurnX, K, p.kagiNextX, K, black);
        page.Line(p.kagiNextX, K, p.kagiNextX, C, black);
        p.kagiTurnX = p.kagiNextX;
        f.KagiLastPrice = C;
        p.kagiNextX = p.kagiNextX + 7;
        f.KagiDirection = up ? kTrue : 0;
    };
    auto extend = [&] {
        page.Line(p.kagiTurnX, K, p.kagiTurnX, C, black);
        f.KagiLastPrice = C;
    };
    const bool rising = f.KagiDirection != 0;
    if (C > K) {
        if (!rising) {
            if (C / K >= 1 + f.KagiFraction) reverse(true);
        } else {
            extend();
        }
    } else if (C < K) {
        if (!rising) {
            extend();
        } else if (C / K <= 1 - f.KagiFraction) {
            reverse(false);
        }
    }
}

void DrawParabolic(ChartHost& w, Surface& page, ChartFile& file1, Pass& p, std::int64_t r, const QuoteRecord& q) {
    ChartWindowState& f = w.Fields();
    const bool hosei = Checked(w, "mnuHosei");
    float sar = static_cast<float>(f.ParabolicSar);
    float ep = static_cast<float>(f.ParabolicEP);
    float af = f.ParabolicAFNow;
    float next = sar + af * (ep - sar);
    page.SetDrawWidth(6);
    auto lookBack = [&](bool toFalling) {
        if (r < 5) return;
        for (std::int64_t k = r; k >= r - 3; --k) {
            QuoteRecord& b = file1.Read(k, Program().store.QuoteBufB);
            if (hosei) {
                AdvanceCorrection(f, k);
                if (Correcting(f, k)) CorrectPrices(f, b);
            }
            if (toFalling) {
                ep = std::max(ep, b.Close);
                next = std::max(next, b.High);
            } else {
                ep = std::min(ep, b.Open);
                next = std::min(next, b.Low);
            }
        }
    };
    auto dash = [&](Color c) { page.Line(p.x, next, p.x + 7, next, c); };
    if (f.ParabolicUp == kTrue) {
        if (next >= q.Open || next >= q.Close) {
            ep = q.High;
            f.ParabolicUp = 0;
            af = f.ParabolicAF;
            lookBack(true);
            dash(QBColor(9));
        } else {
            dash(QBColor(12));
            if (q.Close > ep) {
                ep = q.Close;
                if (af < 0.2f) af = af + 0.02f;
            }
        }
    } else {
        if (next <= q.Open || next <= q.Close) {
            ep = q.Low;
            f.ParabolicUp = kTrue;
            af = f.ParabolicAF;
            lookBack(false);
            dash(QBColor(12));
        } else {
            dash(QBColor(9));
            if (q.Close < ep) {
                ep = q.Close;
                if (af < 0.2f) af = af + 0.02f;
            }
        }
    }
    page.SetDrawWidth(3);
    f.ParabolicSarNext = next;
    f.ParabolicSar = next;
    f.ParabolicEP = ep;
    f.ParabolicAFNow = af;
}

void StartParabolic(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    f.ParabolicAFNow = f.ParabolicAF;
    const std::int64_t s = f.FirstRecord <= 5 ? 2 : f.FirstRecord - 4;
    int rising = 0;
    if (f.RecordCount > 9) {
        for (std::int64_t k = s; k <= s + 4; ++k) {
            const QuoteRecord& q = file1.Read(k, Program().store.QuoteBufA);
            if (q.Close > q.Open) ++rising;
        }
    }
    QuoteRecord& q = file1.Read(s, Program().store.QuoteBufA);
    if (Checked(w, "mnuHosei") && Correcting(f, s)) {
        q.High = q.High / f.CorrectionFactor;
        q.Low = q.Low / f.CorrectionFactor;
    }
    if (rising >= 3) {
        f.ParabolicUp = kTrue;
        f.ParabolicEP = f.ParabolicSar = q.High;
    } else {
        f.ParabolicUp = 0;
        f.ParabolicEP = f.ParabolicSar = q.Low;
    }
}

void StartKagi(ChartHost& w, ChartFile& file1, Pass& p) {
    ChartWindowState& f = w.Fields();
    f.KagiFraction = f.KagiPct / 100;
    const std::int64_t r = f.FirstRecord == 2 ? 2 : f.FirstRecord - 1;
    QuoteRecord& q = file1.Read(r, Program().store.QuoteBufA);
    if (Checked(w, "mnuHosei") && Correcting(f, r)) q.Close = q.Close / f.CorrectionFactor;
    f.KagiLastPrice = q.Close;
    p.kagiTurnX = 3;
    p.kagiNextX = 10;
    f.KagiDirection = 0;
}

}  // namespace

void PrintBarPass(ChartHost& w, Surface& page, const PageValues& v, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const bool hosei = Checked(w, "mnuHosei");
    const bool dekidaka = Checked(w, "mnuDekidaka");
    const bool sinyou = Checked(w, "mnuSinyouBB");
    const bool labels = !Checked(w, "mnu陰陽足") && !Checked(w, "mnu3Days");
    const bool pivot = Checked(w, "mnuPibott");
    const bool kagi = Checked(w, "mnuKagiAshi", 1) || Checked(w, "mnuKagiAshi", 2);
    const bool parabolic = Checked(w, "mnuParabolic");
    const double sw = w.PricePane().ScaleWidth();
    const float unit = static_cast<float>(v.VolumeUnit);
    const double rm = static_cast<double>(f.VolumeAreaRatio) * v.VolumeScaleMax;
    // Start state.
    if (parabolic) StartParabolic(w, file1);
    Pass p;
    if (kagi) StartKagi(w, file1, p);
    std::int64_t r = f.FirstRecord;
    std::int64_t lastRecord = f.RecordCount;
    for (; r <= f.RecordCount; ++r) {
        QuoteRecord& q = file1.Read(r, Program().store.QuoteBufA);
        bool corrected = false;
        if (hosei) {
            AdvanceCorrection(f, r);
            if (Correcting(f, r)) {
                corrected = true;
                CorrectPrices(f, q);
                q.Volume = q.Volume * f.CorrectionFactor;
                q.BuyBalance = q.BuyBalance * f.CorrectionFactor;
                q.SellBalance = q.SellBalance * f.CorrectionFactor;
            }
        }
        if (f.MaxVolume != 0 && (dekidaka || sinyou)) {
            p.prevSell = p.prevSell / unit;
            p.prevBuy = p.prevBuy / unit;
            UseVolumeScale(w, page, v.VolumeScaleMax);
            if (q.Volume != 0 && dekidaka) {
                page.Line(p.x + 1, rm, p.x + 5, rm - q.Volume / unit, QBColor(10), LineKind::FilledBox);
            }
            if (p.prevSell != 0 && q.SellBalance != 0 && sinyou) {
                page.Line(p.x - 4, rm - p.prevSell, p.x + 3, rm - q.SellBalance / unit, QBColor(9));
            }
            if (p.prevBuy != 0 && q.BuyBalance != 0 && sinyou) {
                page.Line(p.x - 4, rm - p.prevBuy, p.x + 3, rm - q.BuyBalance / unit, QBColor(13));
            }
            p.prevSell = q.SellBalance;
            p.prevBuy = q.BuyBalance;
            RestorePageScale(w, page);
        }
        int red = 0, green = 120, blue = 200;
        if (q.High == f.FileHigh || q.Low == f.FileLow) red = 255, green = 0, blue = 0;
        if (corrected) {
            red = std::min(red + 50, 255);
            green = std::min(green + 50, 255);
            blue = std::min(blue + 50, 255);
        }
        const Color candle = RGB(red, green, blue);
        p.lastX = p.x;
        page.Line(p.x + 3, q.High, p.x + 3, q.Low, candle);
        if (labels) {
            page.SetForeColor(QBColor(8));
            if (q.High == f.ViewHigh) {
                page.SetCurrentY(f.ViewHigh + v.LabelOffset);
                page.SetCurrentX(p.x);
                page.Print(FormatNumber(f.ViewHigh, f.AxisFormat));
            } else if (q.Low == f.ViewLow) {
                page.SetCurrentY(f.ViewLow - v.LabelOffset);
                page.SetCurrentX(p.x);
                page.Print(FormatNumber(f.ViewLow, f.AxisFormat));
            }
        }
        const bool filled = f.InvertedChart == kTrue ? q.Open <= q.Close : q.Open >= q.Close;
        if (filled) {
            page.Line(p.x, q.Open, p.x + 6, q.Close, candle, LineKind::FilledBox);
        } else {
            page.Line(p.x, q.Open, p.x + 6, q.Close, QBColor(15), LineKind::FilledBox);
            page.Line(p.x, q.Open, p.x + 6, q.Close, candle, LineKind::Box);
        }
        if (pivot) DrawPivot(w, page, p, q);
        if (kagi) DrawKagi(w, page, p, q.Close);
        if (parabolic) DrawParabolic(w, page, file1, p, r, q);
        p.x = p.x + 7;
        if (p.x >= sw) {
            lastRecord = r;
            break;
        }
        p.prevCentre = p.x - 4;
    }
    if (Checked(w, "mnu線形回帰")) {
        std::int64_t record = lastRecord;
        double x = p.lastX;
        DrawRegressionTrend(w, file1, record, x);
    }
    if (f.MaxVolume != 0) {
        UseVolumeScale(w, page, v.VolumeScaleMax);
        if (Checked(w, "mnuGamen比", 2)) {
            double maxVolume = f.MaxVolume;
            DrawVolumeScale(w, maxVolume, v.VolumeUnit);
        }
    }
}

}  // namespace ranvik
