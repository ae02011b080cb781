// The user scale and the current position, checked on the recording surface
// (user coordinates) and through the twips conversion every backend uses.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;

TEST(SurfaceScale, NeverScaledSurfaceWorksInTwips) {
    RecordingSurface s(3000, 1500);
    EXPECT_FALSE(s.IsUserScale());
    EXPECT_EQ(s.ScaleLeft(), 0);
    EXPECT_EQ(s.ScaleTop(), 0);
    EXPECT_EQ(s.ScaleWidth(), 3000);
    EXPECT_EQ(s.ScaleHeight(), 1500);
    EXPECT_EQ(s.Width(), 3000);
    EXPECT_EQ(s.ToTwipsX(1234), 1234);
    // The twips scale follows the surface's size.
    s.Resize(6000, 900);
    EXPECT_EQ(s.ScaleWidth(), 6000);
    EXPECT_EQ(s.ScaleHeight(), 900);
}

TEST(SurfaceScale, MapsUserPointsToTwipsForEverySignAndDirection) {
    struct Case {
        const char* what;
        double x1, y1, x2, y2;     // Scale (x1, y1)-(x2, y2)
        double x, y;               // a user point
        double twipsX, twipsY;     // where it lies on a 7000 x 3000 twips surface
    } cases[] = {
        {"y down", 0, 0, 700, 300, 350, 150, 3500, 1500},
        {"y up: prices, larger higher", 0, 1200, 70, 1000, 7, 1150, 700, 750},
        {"the bottom-right corner", 0, 1200, 70, 1000, 70, 1000, 7000, 3000},
        {"inverted chart: lowest price at the top", 0, 1000, 70, 1200, 7, 1150, 700, 2250},
        {"x running right to left", 100, 0, 0, 10, 25, 5, 5250, 1500},
        {"negative origin", -10, -5, 10, 5, 0, 0, 3500, 1500},
        {"volume units: 7 x ceiling at the top, 0 at the bottom", 0, 7000, 70, 0, 35, 1000, 3500,
         2571.4285714285716},
    };
    for (const auto& c : cases) {
        RecordingSurface s(7000, 3000);
        ASSERT_TRUE(s.Scale(c.x1, c.y1, c.x2, c.y2)) << c.what;
        EXPECT_DOUBLE_EQ(s.ScaleLeft(), c.x1) << c.what;
        EXPECT_DOUBLE_EQ(s.ScaleTop(), c.y1) << c.what;
        EXPECT_DOUBLE_EQ(s.ScaleWidth(), c.x2 - c.x1) << c.what;
        EXPECT_DOUBLE_EQ(s.ScaleHeight(), c.y2 - c.y1) << c.what;
        EXPECT_NEAR(s.ToTwipsX(c.x), c.twipsX, 1e-9) << c.what;
        EXPECT_NEAR(s.ToTwipsY(c.y), c.twipsY, 1e-9) << c.what;
        EXPECT_NEAR(s.FromTwipsX(c.twipsX), c.x, 1e-9) << c.what;
        EXPECT_NEAR(s.FromTwipsY(c.twipsY), c.y, 1e-9) << c.what;
    }
}

TEST(SurfaceScale, PropertiesSetOneByOneKeepTheOthers) {
    RecordingSurface s(7000, 3000);
    // From twips: the other three keep their twips values.
    ASSERT_TRUE(s.SetScaleTop(500));
    EXPECT_TRUE(s.IsUserScale());
    EXPECT_EQ(s.ScaleLeft(), 0);
    EXPECT_EQ(s.ScaleWidth(), 7000);
    EXPECT_EQ(s.ScaleHeight(), 3000);
    EXPECT_EQ(s.ToTwipsY(500), 0);

    // The printed volume area's way: height first, then top, a negative
    // height making y run upward.
    ASSERT_TRUE(s.Scale(-70, 1200, 770, 1000));
    ASSERT_TRUE(s.SetScaleHeight(-4000));
    ASSERT_TRUE(s.SetScaleTop(3000));
    EXPECT_EQ(s.ScaleLeft(), -70);
    EXPECT_EQ(s.ScaleWidth(), 840);
    EXPECT_DOUBLE_EQ(s.ToTwipsY(3000), 0);
    EXPECT_DOUBLE_EQ(s.ToTwipsY(-1000), 3000);
    ASSERT_TRUE(s.SetScaleLeft(0));
    ASSERT_TRUE(s.SetScaleWidth(70));
    EXPECT_DOUBLE_EQ(s.ToTwipsX(70), 7000);
}

TEST(SurfaceScale, RefusesAScaleWithoutWidthOrHeightAndKeepsTheOldOne) {
    RecordingSurface s(7000, 3000);
    ASSERT_TRUE(s.Scale(0, 100, 70, 0));
    EXPECT_FALSE(s.Scale(0, 100, 0, 0));
    EXPECT_FALSE(s.Scale(0, 100, 70, 100));
    EXPECT_FALSE(s.Scale(0, NAN, 70, 0));
    EXPECT_FALSE(s.SetScaleWidth(0));
    EXPECT_FALSE(s.SetScaleHeight(INFINITY));
    EXPECT_FALSE(s.SetScaleLeft(NAN));
    EXPECT_EQ(s.ScaleWidth(), 70);
    EXPECT_EQ(s.ScaleHeight(), -100);
    EXPECT_EQ(s.ScaleTop(), 100);
}

TEST(SurfaceScale, ScaleWithNoArgumentsGoesBackToTwips) {
    RecordingSurface s(7000, 3000);
    s.Scale(0, 100, 70, 0);
    s.ScaleToTwips();
    EXPECT_FALSE(s.IsUserScale());
    EXPECT_EQ(s.ScaleWidth(), 7000);
    EXPECT_EQ(s.ToTwipsY(100), 100);
}

TEST(SurfaceScale, ChangingTheScaleAffectsOnlyLaterCalls) {
    RecordingSurface s(7000, 3000);
    s.Scale(0, 1200, 70, 1000);
    s.Line(0, 1100, 70, 1100);
    s.Scale(0, 700, 70, 0);  // volume units
    s.Line(1, 0, 5, 300, LineKind::FilledBox);
    s.Scale(0, 1200, 70, 1000);
    const auto scales = s.CallsOf(Kind::Scale);
    ASSERT_EQ(scales.size(), 3u);
    EXPECT_EQ(scales[1].y1, 700);
    const auto& calls = s.Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[1].kind, Kind::Line);
    EXPECT_EQ(calls[3].kind, Kind::FilledBox);
    EXPECT_EQ(calls[3].y2, 300);
}

TEST(SurfaceScale, CurrentPositionAfterEachCall) {
    RecordingSurface s(7000, 3000);
    s.Scale(0, 100, 70, 0);
    struct Step {
        const char* what;
        std::function<void()> call;
        double x, y;
    } steps[] = {
        {"line: its end point", [&] { s.Line(1, 2, 30, 40); }, 30, 40},
        {"line from the current position", [&] { s.LineTo(50, 60); }, 50, 60},
        {"box: its second corner", [&] { s.Line(10, 20, 5, 8, QBColor(2), LineKind::Box); }, 5, 8},
        {"filled box", [&] { s.Line(11, 21, 6, 9, LineKind::FilledBox); }, 6, 9},
        {"circle: its centre", [&] { s.Circle(33, 44, 2); }, 33, 44},
        {"arc: its centre", [&] { s.Circle(34, 45, 2, QBColor(2), 0.7854, 2.3562); }, 34, 45},
        {"point", [&] { s.PSet(12, 13); }, 12, 13},
        {"Cls: the origin, not the scale's corner", [&] { s.Cls(); }, 0, 0},
    };
    for (const auto& step : steps) {
        step.call();
        EXPECT_EQ(s.CurrentX(), step.x) << step.what;
        EXPECT_EQ(s.CurrentY(), step.y) << step.what;
    }
    // Cls keeps the scale.
    EXPECT_EQ(s.ScaleTop(), 100);
    EXPECT_EQ(s.ScaleWidth(), 70);
}

TEST(SurfaceScale, LineFromTheCurrentPositionRecordsBothEnds) {
    RecordingSurface s(7000, 3000);
    s.Scale(0, 100, 70, 0);
    s.SetCurrentX(3);
    s.SetCurrentY(90);
    s.LineTo(10, 80, QBColor(12));
    s.LineTo(17, 85);
    const auto lines = s.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Describe(lines[0]), "Line (3,90)-(10,80) RGB(255,0,0) width 1 style 0 copy");
    EXPECT_EQ(Describe(lines[1]), "Line (10,80)-(17,85) RGB(0,0,0) width 1 style 0 copy");
}

TEST(SurfaceScale, ArcsBeyondOneTurnAreRefused) {
    RecordingSurface s(7000, 3000);
    s.Circle(10, 10, 5, QBColor(0), 0, 7.0);
    s.Circle(10, 10, 5, QBColor(0), -6.2832, 6.2832);
    const auto arcs = s.CallsOf(Kind::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].start, -6.2832);
    EXPECT_EQ(s.CurrentX(), 10);
}

}  // namespace
}  // namespace ranvik
