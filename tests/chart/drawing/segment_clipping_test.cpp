#include "chart/drawing/segment_clipping.h"

#include <gtest/gtest.h>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

enum class Method { H, L, HL, Macd };

struct Case {
    const char* what;
    Method method;
    float pX, nX, pvalue, nvalue, orgpv;
    // expected
    int rX1, rX2;
    float p, n;
};

void Check(const ClipLevels& levels, const Case& c) {
    std::int16_t rX1 = 99, rX2 = 99;
    float p = c.pvalue, n = c.nvalue;
    switch (c.method) {
        case Method::H: SuppressH(levels, rX1, rX2, c.pX, c.nX, p, n, c.orgpv); break;
        case Method::L: SuppressL(levels, rX1, rX2, c.pX, c.nX, p, n, c.orgpv); break;
        case Method::HL: SuppressHL(levels, rX1, rX2, c.pX, c.nX, p, n, c.orgpv); break;
        case Method::Macd: SuppressHLMACD(levels, rX1, rX2, c.pX, c.nX, p, n, c.orgpv); break;
    }
    EXPECT_EQ(rX1, c.rX1) << c.what;
    EXPECT_EQ(rX2, c.rX2) << c.what;
    EXPECT_EQ(p, c.p) << c.what;
    EXPECT_EQ(n, c.n) << c.what;
}

TEST(SegmentClipping, CutsSegmentsAtThePaneLevels) {
    const ClipLevels levels{100, 10, 50};
    const Case cases[] = {
        {"leaves upward: crossing 3.5 before the end, halves to even", Method::H, 0, 7, 90, 110, 90, 0, 4, 90, 100},
        {"halves to even downward too: 2.5 gives 2", Method::H, 0, 5, 90, 110, 90, 0, 2, 90, 100},
        {"comes back down: cut on the unclipped line, 4.67", Method::H, 0, 7, 100, 95, 110, 5, 0, 100, 95},
        {"along the edge from the edge", Method::H, 0, 7, 100, 120, 100, 0, 0, 100, 100},
        {"wholly above", Method::H, 0, 7, 120, 130, 120, 0, 0, 100, 100},
        {"wholly inside", Method::H, 0, 7, 20, 90, 20, 0, 0, 20, 90},
        {"vertical crossing: no distance", Method::H, 7, 7, 90, 110, 90, 0, 0, 90, 100},
        {"leaves downward", Method::L, 0, 14, 20, 0, 20, 0, 7, 20, 10},
        {"comes back up: 3.5 gives 4", Method::L, 0, 7, 10, 40, -20, 4, 0, 10, 40},
        {"along the lower edge", Method::L, 0, 7, 10, 5, 10, 0, 0, 10, 10},
        {"wholly below", Method::L, 0, 7, 5, -5, 5, 0, 0, 10, 10},
        {"both levels: from above H to below L", Method::HL, 0, 9, 100, -20, 130, 2, 2, 100, 10},
        {"both levels: wholly above, then nothing below", Method::HL, 0, 7, 120, 130, 120, 0, 0, 100, 100},
        {"both levels: wholly below", Method::HL, 0, 7, 0, -5, 0, 0, 0, 10, 10},
        {"MACD: leaves the band upward", Method::Macd, 0, 7, 10, 80, 10, 0, 3, 10, 50},
        {"MACD: leaves it downward", Method::Macd, 0, 7, -10, -80, -10, 0, 3, -10, -50},
        {"MACD: comes back from below", Method::Macd, 0, 7, -80, 0, -80, 3, 0, -50, 0},
        {"MACD: comes back from above", Method::Macd, 0, 7, 50, 20, 80, 4, 0, 50, 20},
        {"MACD: wholly above is left to the caller", Method::Macd, 0, 7, 100, 150, 100, 0, 0, 100, 150},
        {"MACD: wholly below is left to the caller", Method::Macd, 0, 7, -100, -150, -100, 0, 0, -100, -150},
    };
    for (const auto& c : cases) Check(levels, c);
}

TEST(SegmentClipping, SegmentsThatWouldDivideByZeroGiveNoDistance) {
    const ClipLevels levels{100, 10, 50};
    // Both ends on the level.
    Check(levels, {"on the level", Method::H, 0, 7, 100, 100, 100, 0, 0, 100, 100});
    // A previous value given equal to the new one while coming back in.
    Check(levels, {"inconsistent previous value", Method::H, 0, 7, 100, 95, 95, 0, 0, 100, 95});
    // A long segment keeps its distance within the Integer range.
    Check(levels, {"huge width", Method::H, 0, 1e9f, 90, 110, 90, 0, 32767, 90, 100});
}

TEST(SegmentClipping, CutUpBottomClampsIntoThePane) {
    const ClipLevels levels{100, 10, 0};
    struct {
        float in, out;
    } cases[] = {{100, 100}, {10, 10}, {100.5f, 100}, {9.5f, 10}, {55, 55}, {-1e30f, 10}};
    for (const auto& c : cases) {
        float v = c.in;
        CutUpBottom(levels, v);
        EXPECT_EQ(v, c.out) << c.in;
    }
}

// A moving average drawn the way the printed overlays draw it: each segment is
// cut to the pane and drawn from (pX + rX1) to (nX - rX2).
TEST(SegmentClipping, PolylineDrawnOnASurfaceStaysInThePane) {
    const ClipLevels levels{100, 85, 0};
    RecordingSurface surface;
    surface.Scale(0, 120, 30, 70);
    const float values[] = {90, 110, 95, 80};
    float prevX = 3, prev = values[0], orgPrev = values[0];
    for (int i = 1; i < 4; ++i) {
        const float x = 3 + 7.0f * i;
        float p = prev, n = values[i];
        std::int16_t rX1, rX2;
        SuppressHL(levels, rX1, rX2, prevX, x, p, n, orgPrev);
        surface.Line(prevX + rX1, p, x - rX2, n, QBColor(12));
        prevX = x;
        prev = n;
        orgPrev = values[i];
    }
    EXPECT_EQ(surface.Log(),
              "Scale (0,120)-(30,70)\n"
              "Line (3,90)-(6,100) RGB(255,0,0) width 1 style 0 copy\n"
              "Line (15,100)-(17,95) RGB(255,0,0) width 1 style 0 copy\n"
              "Line (17,95)-(22,85) RGB(255,0,0) width 1 style 0 copy\n");
}

}  // namespace
}  // namespace ranvik
