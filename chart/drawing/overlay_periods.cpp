// The parameter steps of the overlay pass: the periods from the quick bar's
// stored period or the main window's extended panel, with the defaults and
// write-backs the users rely on, and the first pass of the draw.
#include <algorithm>
#include <optional>
#include <string>

#include "chart/drawing/overlay_pass.h"
#include "core/program_state.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// A period box's number rounded to an Integer.  A number beyond the Integer
// range counts as no period at all (0): the line is left out, or the
// default takes its place where a box of 0 or less gets one.
std::int16_t BoxPeriod(ChartHost& w, int textNo) {
    return CInt(Val(w.MainBoxText(textNo))).value_or(0);
}

bool Daily(const ChartWindowState& f) { return f.IsDaily == kTrue; }

struct SingleLineBoxes {
    int daily;
    int weekly;
    int monthly;
    std::int16_t dailyDefault;
    std::int16_t weeklyDefault;
};

// 陰陽足 and the three-day average: one line, pass 3, with the quick bar's
// period while it stands for this kind of data.
void SingleLinePeriod(OverlayPass& pass, const SingleLineBoxes& boxes) {
    ChartWindowState& f = pass.f;
    std::int16_t period = f.BandPeriod;
    if (f.ParamsIsDaily != f.IsDaily || f.BandPeriod == 0) {
        const bool daily = Daily(f);
        const int box = daily ? boxes.daily : boxes.weekly;
        period = BoxPeriod(pass.window, box);
        if (period <= 0) {
            period = daily ? boxes.dailyDefault : boxes.weeklyDefault;
            pass.window.SetMainBoxText(box, std::to_string(period));
        }
        if (pass.monthly) period = BoxPeriod(pass.window, boxes.monthly);
        f.BandPeriod = period;
    }
    f.OverlayPeriods[3] = period;
    pass.window.SetMainBoxText(4, f.BandPeriod == 0 ? std::string() : std::to_string(f.BandPeriod));
    f.OverlayPeriods[0] = f.OverlayPeriods[1] = f.OverlayPeriods[2] = 0;
    pass.k = 3;
}

struct BandBoxes {
    int daily;
    int weekly;
};

BandBoxes BoxesOf(BandKind band) {
    switch (band) {
        case BandKind::Bollinger: return {68, 69};
        case BandKind::Envelope: return {36, 38};
        case BandKind::HighLow: return {54, 55};
    }
    return {68, 69};
}

}  // namespace

void BandParameterStep(OverlayPass& pass) {
    ChartWindowState& f = pass.f;
    const OverlayItems& items = pass.items;
    pass.band = items.bollinger ? BandKind::Bollinger : items.envelope ? BandKind::Envelope : BandKind::HighLow;
    double read = f.BandPeriod;
    std::int16_t p = f.BandPeriod;
    if (f.ParamsIsDaily != f.IsDaily || f.BandPeriod <= 0) {
        const bool daily = Daily(f);
        const BandBoxes boxes = BoxesOf(pass.band);
        const int box = daily ? boxes.daily : boxes.weekly;
        read = Val(pass.window.MainBoxText(box));
        if (read <= 0 || !CInt(read)) {
            read = daily ? 25 : 13;
            pass.window.SetMainBoxText(box, daily ? "25" : "13");
        }
        // A number above 0 and at most 0.5 rounds to 0: no band is drawn.
        p = CInt(read).value_or(0);
        if (pass.monthly) p = 12;
    }
    f.OverlayPeriods = {0, 0, p, 0};
    if (pass.Active()) pass.window.SetMainBoxText(4, NumberText(read));
    f.BandPeriod = p;
    if (pass.band == BandKind::Envelope) {
        pass.percents = {static_cast<float>(Val(pass.window.MainBoxText(37))),
                         static_cast<float>(Val(pass.window.MainBoxText(39))), f.EnvelopePct};
        if (pass.Active()) {
            pass.window.SetMainBoxText(5, "");
            if (f.EnvelopePct != 0) pass.window.SetMainBoxText(5, NumberText(f.EnvelopePct));
        }
    }
    pass.k = 2;
    pass.color = pass.band == BandKind::Envelope ? QBColor(12) : QBColor(8);
}

void LineParameterStep(OverlayPass& pass, bool secondPass) {
    if (pass.items.AnyBand()) return;
    ChartWindowState& f = pass.f;
    const OverlayItems& items = pass.items;
    pass.k = 0;
    pass.color = QBColor(8);
    const int first = pass.monthly ? 75 : Daily(f) ? 20 : 23;
    for (int j = 0; j < 3; ++j) f.OverlayPeriods[static_cast<std::size_t>(j)] = BoxPeriod(pass.window, first + j);
    if (f.OverlayPeriods[0] == 0 && items.twoLine) {
        f.OverlayPeriods[0] = f.OverlayPeriods[1];
        f.OverlayPeriods[1] = f.OverlayPeriods[2];
        f.OverlayPeriods[2] = 0;
    }
    if (items.inYo) {
        SingleLinePeriod(pass, {66, 67, 78, 3, 5});
    } else if (items.threeDays) {
        // The monthly chart reads the weekly box again: it has no box of its own.
        SingleLinePeriod(pass, {79, 80, 80, 3, 3});
    }
    if (!secondPass) f.OverlayPeriods[3] = f.BandPeriod;
    if (!items.twoLine && !items.deviation && !items.tradingValue && !items.movingAverages) {
        pass.k = 3;
        f.OverlayPeriods[0] = f.OverlayPeriods[1] = f.OverlayPeriods[2] = 0;
    }
}

}  // namespace ranvik
