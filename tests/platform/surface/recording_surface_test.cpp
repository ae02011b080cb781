// The recording backend logs a small chart-like scene call by call, in user
// coordinates and with the state each call was drawn in.
#include <gtest/gtest.h>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

struct Bar {
    float open, high, low, close, volume;
};

// Two candles on a price pane with a volume strip below, a grid line, its
// label and a moving-average segment, drawn the way the chart drawers do.
void DrawScene(Surface& s) {
    const Bar bars[] = {{1010, 1040, 1000, 1030, 5000}, {1030, 1035, 1005, 1012, 8000}};
    s.Cls();
    s.Scale(0, 1100, 14, 950);
    s.SetDrawStyle(DrawStyle::Dot);
    s.Line(0, 1050, 14, 1050, RGB(150, 150, 150));
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetForeColor(RGB(50, 100, 150));
    s.SetFontSize(10);
    s.SetCurrentX(0);
    s.SetCurrentY(1050);
    s.PrintNumber(1050);
    double x = 0;
    for (const Bar& b : bars) {
        s.Scale(0, 7 * 8000, 14, 0);  // volume units for the strip
        s.Line(x + 1, 0, x + 5, b.volume, RGB(100, 220, 100), LineKind::FilledBox);
        s.Scale(0, 1100, 14, 950);
        const Color c = RGB(0, 120, 200);
        s.Line(x + 3, b.high, x + 3, b.low, c);
        if (b.open < b.close) {
            s.Line(x, b.open, x + 6, b.close, QBColor(15), LineKind::FilledBox);
            s.Line(x, b.open, x + 6, b.close, c, LineKind::Box);
        } else {
            s.Line(x, b.open, x + 6, b.close, c, LineKind::FilledBox);
        }
        x += 7;
    }
    s.SetDrawWidth(2);
    s.Line(3, 1020, 10, 1021.5, QBColor(12));
    s.SetDrawWidth(1);
    s.SetDrawMode(DrawMode::Xor);
    s.Line(5, s.ScaleTop(), 5, s.ScaleTop() + s.ScaleHeight(), QBColor(2));
    s.SetDrawMode(DrawMode::Copy);
}

TEST(RecordingSurface, LogsEveryCallWithTheStateInForce) {
    RecordingSurface s(2100, 1500);
    DrawScene(s);
    EXPECT_EQ(s.Log(),
              "Cls \n"
              "Scale (0,1100)-(14,950)\n"
              "Line (0,1050)-(14,1050) RGB(150,150,150) width 1 style 2 copy\n"
              "Print (0,1050) \" 1050 \" RGB(50,100,150) width 1 style 0 copy font ＭＳ Ｐゴシック 10\n"
              "Scale (0,56000)-(14,0)\n"
              "FilledBox (1,0)-(5,5000) RGB(100,220,100) width 1 style 0 copy\n"
              "Scale (0,1100)-(14,950)\n"
              "Line (3,1040)-(3,1000) RGB(0,120,200) width 1 style 0 copy\n"
              "FilledBox (0,1010)-(6,1030) RGB(255,255,255) width 1 style 0 copy\n"
              "Box (0,1010)-(6,1030) RGB(0,120,200) width 1 style 0 copy\n"
              "Scale (0,56000)-(14,0)\n"
              "FilledBox (8,0)-(12,8000) RGB(100,220,100) width 1 style 0 copy\n"
              "Scale (0,1100)-(14,950)\n"
              "Line (10,1035)-(10,1005) RGB(0,120,200) width 1 style 0 copy\n"
              "FilledBox (7,1030)-(13,1012) RGB(0,120,200) width 1 style 0 copy\n"
              "Line (3,1020)-(10,1021.5) RGB(255,0,0) width 2 style 0 copy\n"
              "Line (5,1100)-(5,950) RGB(0,128,0) width 1 style 0 xor\n");
    const auto texts = s.CallsOf(RecordedCall::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].state.FontSize, 10);
    // The crosshair line leaves the position at its end.
    EXPECT_EQ(s.CurrentX(), 5);
    EXPECT_EQ(s.CurrentY(), 950);
}

TEST(RecordingSurface, LogsCirclesArcsPointsAndClearsTheLogOnRequest) {
    RecordingSurface s;
    s.Scale(0, 100, 100, 0);
    s.Circle(50, 50, 2, QBColor(12));
    s.Circle(20, 30, 4, QBColor(2), 0.7854, 2.3562);
    s.Circle(60, 40, 3, QBColor(12), -0.5);
    s.Circle(60, 40, 3, QBColor(12), 0.0);
    s.PSet(1, 2);
    EXPECT_EQ(s.Log(),
              "Scale (0,100)-(100,0)\n"
              "Circle (50,50) r=2 RGB(255,0,0) width 1 style 0 copy\n"
              "Arc (20,30) r=4 from 0.7854 to 2.3562 RGB(0,128,0) width 1 style 0 copy\n"
              "Circle (60,40) r=3 aspect=0.5 RGB(255,0,0) width 1 style 0 copy\n"
              "Point (1,2) RGB(0,0,0) width 1 style 0 copy\n");
    s.ClearLog();
    EXPECT_TRUE(s.Calls().empty());
}

}  // namespace
}  // namespace ranvik
