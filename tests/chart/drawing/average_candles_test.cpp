// The sub-pane figures: the three-day candle's body, shadows and close mark
// by the rows of its table, the marks' radius, the three-day candles and
// 陰陽足 of a whole view against averages the test sums afresh.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/drawing/overlay_pass.h"
#include "chart/drawing/print_scale.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class AverageCandles : public test::PricePaneTest {};

const Color kPlain = QBColor(5);  // the surface's colour before the candle
const Color kBlue = RGB(0, 0, 255);

// One candle per row of the table, the close on each side of the body and
// inside it; a close equal to O counts as inside.
TEST_F(AverageCandles, ThreeDayCandleRows) {
    struct Case {
        const char* what;
        bool inverted;
        float o, c, cl;
        // body: filled colour, then outline (none: no outline)
        Color fill;
        bool outline;
        // the shadows: colour and ends (x, y1, y2)
        Color shadow;
        double s1[3];
        double s2[3];
        // the line out to the close (none: 0 calls), the dot
        bool line;
        Color lineColor;
        double lineFrom;
        Color dot;
        double dotY;
    };
    const Color bodyGrey = RGB(150, 150, 200);
    const Color w15 = QBColor(15);
    const Case cases[] = {
        // Upright, falling average (O >= C): H 115, L 95 throughout.
        {"falling, above O", false, 110, 100, 112, bodyGrey, false, kPlain, {0, 110, 115}, {6, 100, 95}, true, kPlain, 110, QBColor(12), 112},
        {"falling, below C", false, 110, 100, 98, bodyGrey, false, kPlain, {0, 110, 115}, {6, 100, 95}, true, kPlain, 100, kBlue, 98},
        {"falling, at the middle", false, 110, 100, 105, bodyGrey, false, kPlain, {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, kBlue, 102.5},
        {"falling, equal to O", false, 110, 100, 110, bodyGrey, false, kPlain, {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, QBColor(12), 107.5},
        {"rising, below O", false, 100, 110, 98, w15, true, QBColor(12), {0, 110, 115}, {6, 100, 95}, true, QBColor(13), 100, kBlue, 98},
        {"rising, above C", false, 100, 110, 112, w15, true, QBColor(12), {0, 110, 115}, {6, 100, 95}, true, QBColor(13), 110, QBColor(12), 112},
        {"rising, just below C", false, 100, 110, 109, w15, true, QBColor(12), {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, kBlue, 102.5},
        {"rising, low inside", false, 100, 110, 104, w15, true, QBColor(12), {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, QBColor(12), 107.5},
        {"inverted O <= C, below O", true, 100, 110, 98, bodyGrey, false, RGB(0, 0, 200), {0, 110, 115}, {6, 100, 95}, true, kPlain, 100, QBColor(12), 98},
        {"inverted O <= C, above C", true, 100, 110, 112, bodyGrey, false, RGB(0, 0, 200), {0, 110, 115}, {6, 100, 95}, true, kPlain, 110, kBlue, 112},
        {"inverted O <= C, high inside", true, 100, 110, 107, bodyGrey, false, RGB(0, 0, 200), {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, QBColor(12), 102.5},
        {"inverted O <= C, low inside", true, 100, 110, 103, bodyGrey, false, RGB(0, 0, 200), {0, 110, 115}, {6, 100, 95}, false, kPlain, 0, kBlue, 107.5},
        {"inverted O > C, above O", true, 110, 100, 112, w15, true, QBColor(12), {6, 100, 115}, {0, 110, 95}, true, QBColor(13), 110, kBlue, 112},
        {"inverted O > C, below C", true, 110, 100, 98, w15, true, QBColor(12), {6, 100, 115}, {0, 110, 95}, true, QBColor(13), 100, QBColor(12), 98},
        {"inverted O > C, high inside", true, 110, 100, 108, w15, true, QBColor(12), {6, 100, 115}, {0, 110, 95}, false, kPlain, 0, kBlue, 107.5},
        {"inverted O > C, low inside", true, 110, 100, 102, w15, true, QBColor(12), {6, 100, 115}, {0, 110, 95}, false, kPlain, 0, QBColor(12), 102.5},
    };
    ChartWindowState& f = w.fields;
    f.PriceTop = 130;
    f.PriceBottom = 90;
    f.PriceSpan = 40;
    f.VolumeAreaHeight = 10;
    f.ViewWidth = 903;
    for (const Case& c : cases) {
        f.InvertedChart = c.inverted ? -1 : 0;
        RestorePricePaneScale(f, w.price);
        const double top = w.price.ScaleTop();
        w.price.SetForeColor(kPlain);
        w.price.ClearLog();
        OverlayPass pass(w, w.price, false);
        pass.markRadius = 0.7f;
        DrawThreeDayCandle(pass, {c.o, c.c, 115, 95}, c.cl, 0, 7);
        std::vector<RecordedCall> calls;
        for (const RecordedCall& call : w.price.Calls()) {
            if (call.kind != Kind::Scale) calls.push_back(call);
        }
        const std::size_t body = c.outline ? 2 : 1;
        ASSERT_EQ(calls.size(), body + 2 + (c.line ? 1 : 0) + 1) << c.what;
        EXPECT_EQ(calls[0].kind, Kind::FilledBox) << c.what;
        EXPECT_EQ(calls[0].color, c.fill) << c.what;
        EXPECT_EQ(calls[0].x1, 0) << c.what;
        EXPECT_EQ(calls[0].x2, 6) << c.what;
        if (c.outline) {
            EXPECT_EQ(calls[1].color, QBColor(12)) << c.what;
        }
        for (const auto* s : {&c.s1, &c.s2}) {
            const RecordedCall& l = calls[body + (s == &c.s1 ? 0 : 1)];
            EXPECT_EQ(l.color, c.shadow) << c.what;
            EXPECT_EQ(l.x1, (*s)[0]) << c.what;
            EXPECT_EQ(l.y1, (*s)[1]) << c.what;
            EXPECT_EQ(l.y2, (*s)[2]) << c.what;
        }
        if (c.line) {
            const RecordedCall& l = calls[body + 2];
            EXPECT_EQ(l.color, c.lineColor) << c.what;
            EXPECT_EQ(l.x1, 3.5) << c.what;
            EXPECT_EQ(l.y1, c.lineFrom) << c.what;
            EXPECT_EQ(l.y2, c.cl) << c.what;
        }
        const RecordedCall& dot = calls.back();
        EXPECT_EQ(dot.kind, Kind::Circle) << c.what;
        EXPECT_EQ(dot.color, c.dot) << c.what;
        EXPECT_EQ(dot.x1, 3.5) << c.what;
        EXPECT_NEAR(dot.y1, c.dotY, 1e-5) << c.what;
        EXPECT_FLOAT_EQ(static_cast<float>(dot.radius), 0.7f) << c.what;
        // The candle lies one price span lower; the price scale comes back.
        EXPECT_EQ(w.price.ScaleTop(), top) << c.what;
    }
}

TEST_F(AverageCandles, CloseMarkRadius) {
    struct Case {
        double scaleWidth;
        bool monthly;
        float radius;
    };
    for (const Case c : {Case{300, false, 0.5f}, Case{450, false, 0.5f}, Case{451.5, false, 0.7f},
                         Case{600, false, 0.7f}, Case{903, false, 1.0f}, Case{1806, false, 0.5f},
                         Case{3612, false, 0.25f}, Case{600, true, 1.4f}, Case{1806, true, 1.0f}}) {
        EXPECT_FLOAT_EQ(CloseMarkRadius(c.scaleWidth, c.monthly), c.radius) << c.scaleWidth;
    }
}

// The bodies of a whole view: the first candle only when the warm-up had to
// start at record 2 (its slot inside the view), then one per bar.
TEST_F(AverageCandles, ThreeDayCandlesOfAView) {
    w.mainBoxes[79] = "3";
    Check("mnu3Days");
    for (const int first : {3, 100}) {
        Prepare(DataFileBuilder(300), first);
        Draw();
        std::vector<RecordedCall> bodies;
        for (const RecordedCall& b : Of(w.price, Kind::FilledBox)) bodies.push_back(b);
        ASSERT_FALSE(bodies.empty());
        const int start = first == 3 ? 4 : first;
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            const int r = start + static_cast<int>(i);
            const RecordedCall& b = bodies[i];
            const std::string at = "first " + std::to_string(first) + " record " + std::to_string(r);
            EXPECT_DOUBLE_EQ(b.x1, 7.0 * (r - first)) << at;
            EXPECT_DOUBLE_EQ(b.x2, 7.0 * (r - first) + 6) << at;
            EXPECT_NEAR(b.y1, Mean(r, 3, [&](int k) { return static_cast<double>(bars[k].Open); }), 0.01) << at;
            EXPECT_NEAR(b.y2, Mean(r, 3, close), 0.01) << at;
        }
        EXPECT_GT(bodies.back().x1 + 7, 903);
        EXPECT_EQ(Of(w.price, Kind::Circle).size(), bodies.size());
    }
}

// 陰陽足: the average's line through the slot centres and a box over each
// slot spanning its change, white with a blue outline where it rose, blue
// where it fell, the other way round on an inverted chart.
TEST_F(AverageCandles, InYoLineAndBoxes) {
    w.mainBoxes[66] = "3";
    Check("mnu陰陽足");
    const Color blue = RGB(0, 120, 200);
    for (const bool inverted : {false, true}) {
        w.fields.InvertedChart = inverted ? -1 : 0;
        Prepare(DataFileBuilder(300), 100);
        Draw();
        const auto mean = [&](int r) { return Mean(r, 3, close); };
        const auto lines = test::ChainSegments(w.price.Calls(), QBColor(8));
        ASSERT_EQ(lines.size(), 1u);
        ExpectLine(lines[0], Expected(3, mean), 0.01, inverted ? "inverted" : "upright");
        const std::vector<RecordedCall> filled = Of(w.price, Kind::FilledBox);
        const std::vector<RecordedCall> outlines = Of(w.price, Kind::Box);
        std::size_t white = 0;
        for (std::size_t i = 0; i < filled.size(); ++i) {
            const int r = 100 + static_cast<int>(i);
            const RecordedCall& b = filled[i];
            EXPECT_DOUBLE_EQ(b.x1, 7.0 * (r - 100)) << r;
            EXPECT_DOUBLE_EQ(b.x2, 7.0 * (r - 99)) << r;
            EXPECT_NEAR(b.y1, mean(r - 1), 0.01) << r;
            EXPECT_NEAR(b.y2, mean(r), 0.01) << r;
            const bool rising = mean(r - 1) < mean(r);
            EXPECT_EQ(b.color, rising != inverted ? QBColor(15) : blue) << r;
            if (b.color == QBColor(15)) ++white;
        }
        EXPECT_EQ(outlines.size(), white);
        EXPECT_GT(white, 0u);
        EXPECT_LT(white, filled.size());
    }
}

// On paper the 陰陽足 boxes are drawn with the printer's scale derived from
// the sub-pane's as the print routine derives the price area's, the line
// with the price area's; after every bar the price area's scale is back.
TEST_F(AverageCandles, PrintedInYo) {
    w.mainBoxes[66] = "3";
    Check("mnu陰陽足");
    Prepare(DataFileBuilder(300), 100);
    ChartWindowState& f = w.fields;
    SetPrinterPriceScale(f, w.price, w.printer);
    const double priceTop = f.SavedScaleTop;
    SetSubPaneScale(f, w.price);
    const double h = 0.33 * w.price.ScaleHeight();
    const double subTop = w.price.ScaleTop() - h / 2;
    const double subHeight = h / 2 * 2.37 + w.price.ScaleHeight() * 1.1;
    RestorePricePaneScale(f, w.price);
    const double pane = w.price.ScaleTop();
    f.PrintingNow = -1;
    Draw();
    EXPECT_TRUE(w.price.CallsOf(Kind::Line).empty());
    EXPECT_TRUE(w.price.CallsOf(Kind::FilledBox).empty());
    double top = priceTop;
    double height = f.SavedScaleHeight;
    int boxes = 0;
    int lines = 0;
    for (const RecordedCall& c : w.printer.Calls()) {
        if (c.kind == Kind::Scale) {
            top = c.y1;
            height = c.y2 - c.y1;
        } else if (c.kind == Kind::FilledBox) {
            ++boxes;
            EXPECT_NEAR(top, subTop, 1e-6) << Describe(c);
            EXPECT_NEAR(height, subHeight, 1e-6) << Describe(c);
        } else if (c.kind == Kind::Line) {
            ++lines;
            EXPECT_NEAR(top, priceTop, 1e-3) << Describe(c);
        }
    }
    EXPECT_GT(boxes, 100);
    EXPECT_GT(lines, 100);
    EXPECT_NEAR(w.printer.ScaleTop(), priceTop, 1e-3);
    EXPECT_EQ(w.printer.ScaleHeight(), f.SavedScaleHeight);
    EXPECT_EQ(w.price.ScaleTop(), pane);
}

}  // namespace
}  // namespace ranvik
