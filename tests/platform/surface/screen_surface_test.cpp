// The screen backend, pixel by pixel: where things land, exclusive-or, the
// kept drawing, clipping of far-away lines and high-density screens.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <cmath>
#include <limits>

#include "platform/surface/screen_surface.h"
#include "platform/surface/surface_font.h"

namespace ranvik {
namespace {

QRgb Px(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }
QRgb Of(Color c) { return qRgb(c.r, c.g, c.b); }

int CountNot(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Px(image, x, y) != colour) ++n;
    return n;
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Px(a, x, y) != Px(b, x, y)) return false;
    return true;
}

class ScreenSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface.resize(200, 100);
        surface.SetPixelRatio(1);
        surface.Cls();
    }
    ScreenSurface surface;
};

TEST_F(ScreenSurfaceTest, SizeInTwipsIsFifteenPerPixel) {
    EXPECT_EQ(surface.Width(), 3000);
    EXPECT_EQ(surface.Height(), 1500);
    EXPECT_EQ(surface.ScaleWidth(), 3000);
    surface.resize(300, 100);
    EXPECT_EQ(surface.Width(), 4500);
    EXPECT_EQ(surface.ScaleWidth(), 4500);
    EXPECT_EQ(surface.Image().width(), 300);
}

TEST_F(ScreenSurfaceTest, UserScalePutsBoxesOnTheRightPixelsWithBothCorners) {
    // Prices 1000 at the bottom to 1100 at the top, 2 units a pixel across.
    surface.Scale(0, 1100, 400, 1000);
    surface.Line(20, 1090, 40, 1050, QBColor(12), LineKind::FilledBox);
    surface.Line(100, 1080, 120, 1020, QBColor(9), LineKind::Box);
    const QImage img = surface.Image();
    // x 20..40 -> pixels 10..20; y 1090..1050 -> pixels 10..50.
    EXPECT_EQ(Px(img, 10, 10), Of(QBColor(12)));
    EXPECT_EQ(Px(img, 20, 50), Of(QBColor(12)));
    EXPECT_EQ(Px(img, 9, 30), Of(QBColor(15)));
    EXPECT_EQ(Px(img, 21, 30), Of(QBColor(15)));
    EXPECT_EQ(Px(img, 15, 51), Of(QBColor(15)));
    EXPECT_EQ(CountNot(img, Of(QBColor(15)), QRect(0, 0, 40, 100)), 11 * 41);
    // Outline: x 100..120 -> 50..60, y 1080..1020 -> 20..80, inside empty.
    EXPECT_EQ(Px(img, 50, 20), Of(QBColor(9)));
    EXPECT_EQ(Px(img, 60, 80), Of(QBColor(9)));
    EXPECT_EQ(Px(img, 55, 50), Of(QBColor(15)));
    EXPECT_EQ(CountNot(img, Of(QBColor(15)), QRect(45, 0, 30, 100)), 2 * 11 + 2 * 59);
}

TEST_F(ScreenSurfaceTest, InvertedScalePutsTheLowPriceAtTheTop) {
    surface.Scale(0, 1000, 200, 1100);
    surface.Line(0, 1010, 200, 1010, QBColor(4));
    const QImage img = surface.Image();
    EXPECT_EQ(Px(img, 100, 10), Of(QBColor(4)));
    EXPECT_EQ(Px(img, 100, 90), Of(QBColor(15)));
}

TEST_F(ScreenSurfaceTest, ScaleChangedMidDrawingMovesOnlyLaterCalls) {
    surface.Scale(0, 100, 200, 0);
    surface.Line(0, 50, 200, 50, QBColor(2));  // row 50
    surface.Scale(0, 1000, 200, 0);
    surface.Line(0, 800, 200, 800, QBColor(12));  // row 20
    const QImage img = surface.Image();
    EXPECT_EQ(Px(img, 100, 50), Of(QBColor(2)));
    EXPECT_EQ(Px(img, 100, 20), Of(QBColor(12)));
    EXPECT_EQ(CountNot(img, Of(QBColor(15)), img.rect()), 2 * 200);
}

// Scales used in turn (prices and volume bar by bar, and a third) each put
// their calls where their own numbers say, also after the pane was resized.
TEST_F(ScreenSurfaceTest, ScalesTakenInTurnKeepTheirOwnPlaces) {
    struct Step {
        double top;  // the scale runs from top (row 0) to 0 (row 100)
        double y;
        int row;
    };
    const Step steps[] = {{100, 50, 50}, {1000, 800, 20}, {100, 10, 90}, {200, 150, 25},
                          {1000, 100, 90}, {100, 70, 30}, {200, 40, 80}};
    for (const Step& step : steps) {
        surface.Cls();
        surface.Scale(0, step.top, 200, 0);
        surface.Line(0, step.y, 200, step.y, QBColor(2));
        const QImage img = surface.Image();
        EXPECT_EQ(Px(img, 100, step.row), Of(QBColor(2))) << step.top << " " << step.y;
        EXPECT_EQ(CountNot(img, Of(QBColor(15)), img.rect()), 200) << step.top << " " << step.y;
    }
    // The same scale on a pane twice as tall lands twice as low.
    surface.resize(200, 200);
    surface.Cls();
    surface.Scale(0, 100, 200, 0);
    surface.Line(0, 50, 200, 50, QBColor(2));
    EXPECT_EQ(Px(surface.Image(), 100, 100), Of(QBColor(2)));
}

// Boxes, strips and points reaching past the edges fill only what lies on
// the pane; a picture taken earlier keeps what it showed.
TEST_F(ScreenSurfaceTest, FillsCutAtTheEdgesAndTakenPicturesStay) {
    const QImage before = surface.Image();
    const struct {
        const char* what;
        void (*draw)(Surface&);
        int pixels;  // of the colour, all inside the pane
    } cases[] = {
        {"box past the left and top", [](Surface& s) { s.Line(-50, -20, 9, 4, QBColor(4), LineKind::FilledBox); },
         10 * 5},
        {"box past the right and bottom",
         [](Surface& s) { s.Line(190, 95, 400, 300, QBColor(4), LineKind::FilledBox); }, 10 * 5},
        {"box past every edge", [](Surface& s) { s.Line(-5, -5, 205, 105, QBColor(4), LineKind::FilledBox); },
         200 * 100},
        {"outline past the left", [](Surface& s) { s.Line(-10, 10, 9, 19, QBColor(4), LineKind::Box); },
         2 * 10 + 8},
        {"wide vertical line at the edge",
         [](Surface& s) {
             s.SetDrawWidth(3);
             s.Line(0, 10, 0, 19, QBColor(4));
         },
         2 * 12},
        {"wide point in the corner",
         [](Surface& s) {
             s.SetDrawWidth(3);
             s.PSet(199, 99, QBColor(4));
         },
         2 * 2},
        {"box wholly outside", [](Surface& s) { s.Line(-30, 10, -10, 20, QBColor(4), LineKind::FilledBox); }, 0},
    };
    for (const auto& c : cases) {
        surface.Cls();
        surface.ScaleToTwips();
        surface.Scale(0, 0, 200, 100);  // one unit a pixel
        surface.SetDrawWidth(1);
        c.draw(surface);
        const QImage img = surface.Image();
        EXPECT_EQ(CountNot(img, Of(QBColor(15)), img.rect()), c.pixels) << c.what;
        EXPECT_EQ(CountNot(img, Of(QBColor(15)), img.rect()),
                  img.width() * img.height() - CountNot(img, Of(QBColor(4)), img.rect()))
            << c.what;
    }
    EXPECT_EQ(CountNot(before, Of(QBColor(15)), before.rect()), 0);
    // Held while more is drawn.
    surface.Cls();
    const QImage held = surface.Image();
    surface.Line(10, 10, 20, 20, QBColor(4), LineKind::FilledBox);
    EXPECT_EQ(CountNot(held, Of(QBColor(15)), held.rect()), 0);
    EXPECT_EQ(CountNot(surface.Image(), Of(QBColor(15)), held.rect()), 11 * 11);
}

TEST_F(ScreenSurfaceTest, ExclusiveOrDrawnTwiceRestoresThePixels) {
    surface.SetBackColor(QBColor(0));
    surface.Scale(0, 100, 200, 0);
    surface.Line(10, 10, 60, 90, RGB(0, 120, 200), LineKind::FilledBox);
    surface.Line(0, 0, 200, 100, QBColor(14));
    surface.SetDrawStyle(DrawStyle::Dot);
    surface.Line(0, 50, 200, 50, RGB(150, 150, 150));
    surface.SetDrawStyle(DrawStyle::Solid);
    surface.SetCurrentX(110);
    surface.SetCurrentY(95);
    surface.Print("日本語 12");
    const QImage before = surface.Image();

    surface.SetDrawMode(DrawMode::Xor);
    auto crosshair = [&] {
        surface.Line(35, surface.ScaleTop(), 35, surface.ScaleTop() + surface.ScaleHeight(), QBColor(2));
        surface.Line(surface.ScaleLeft(), 40, surface.ScaleWidth(), 40, QBColor(7));
        surface.Line(150, 80, 180, 20, QBColor(12), LineKind::Box);
        surface.Line(100, 90, 190, 10, QBColor(11));
    };
    crosshair();
    const QImage drawn = surface.Image();
    EXPECT_FALSE(SamePixels(before, drawn));
    // Where the green line crosses the chart's box the colours combine.
    const QRgb below = Px(before, 35, 30);
    EXPECT_EQ(Px(drawn, 35, 30), (below ^ Of(QBColor(2))) | 0xff000000u);
    crosshair();
    surface.SetDrawMode(DrawMode::Copy);
    EXPECT_TRUE(SamePixels(before, surface.Image()));
}

TEST_F(ScreenSurfaceTest, FarAwayEndPointsAreCutWithoutOverflow) {
    surface.Scale(0, 100, 200, 0);
    const double huge = 1e300;
    surface.Line(-huge, 50, huge, 50, QBColor(12));
    surface.Line(100, -huge, 100, huge, QBColor(9));
    surface.Line(-1e12, -1e12, 1e12, 1e12, QBColor(2));  // slanted, through the middle
    surface.Line(-huge, -huge, huge, huge, QBColor(2), LineKind::FilledBox);
    const QImage img = surface.Image();
    EXPECT_EQ(Px(img, 0, 50), Of(QBColor(2)));  // the filled box covers all
    EXPECT_EQ(CountNot(img, Of(QBColor(2)), img.rect()), 0);

    surface.Cls();
    surface.Line(-huge, 50, huge, 50, QBColor(12));
    surface.Line(100, -huge, 100, huge, QBColor(9));
    surface.Line(0, std::numeric_limits<double>::quiet_NaN(), 10, 10);
    surface.Circle(1e200, 0, 5);
    const QImage lines = surface.Image();
    EXPECT_EQ(Px(lines, 0, 50), Of(QBColor(12)));
    EXPECT_EQ(Px(lines, 199, 50), Of(QBColor(12)));
    EXPECT_EQ(Px(lines, 100, 0), Of(QBColor(9)));
    EXPECT_EQ(Px(lines, 100, 99), Of(QBColor(9)));
    EXPECT_EQ(CountNot(lines, Of(QBColor(15)), lines.rect()), 200 + 100 - 1);
}

TEST_F(ScreenSurfaceTest, AxisLinesAreSharpAndStylesNeedAThinPen) {
    surface.Scale(0, 0, 200, 100);
    surface.Line(0, 10, 199, 10, QBColor(0));
    surface.SetDrawStyle(DrawStyle::Dot);
    surface.Line(0, 30, 199, 30, QBColor(0));
    surface.SetDrawStyle(DrawStyle::Dash);
    surface.Line(0, 50, 199, 50, QBColor(0));
    surface.SetDrawWidth(3);
    surface.SetDrawStyle(DrawStyle::Dot);
    surface.Line(0, 70, 199, 70, QBColor(0));
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    // Solid: one full row, nothing half-drawn beside it.
    EXPECT_EQ(CountNot(img, white, QRect(0, 9, 200, 3)), 200);
    EXPECT_EQ(CountNot(img, white, QRect(0, 10, 200, 1)), 200);
    // Dotted: three on, three off.
    EXPECT_NEAR(CountNot(img, white, QRect(0, 30, 200, 1)), 100, 2);
    EXPECT_EQ(CountNot(img, white, QRect(0, 29, 200, 1)), 0);
    EXPECT_EQ(Px(img, 0, 30), Of(QBColor(0)));
    EXPECT_EQ(Px(img, 3, 30), white);
    // Dashed: eighteen on, six off.
    EXPECT_EQ(Px(img, 17, 50), Of(QBColor(0)));
    EXPECT_EQ(Px(img, 19, 50), white);
    // A wide pen draws every style solid, three pixels thick.
    EXPECT_EQ(CountNot(img, white, QRect(0, 69, 200, 1)), 200);
    EXPECT_EQ(CountNot(img, white, QRect(0, 68, 200, 5)), 3 * 200);
}

TEST_F(ScreenSurfaceTest, CirclesArcsAndPoints) {
    surface.Scale(0, 0, 200, 100);
    surface.Circle(50, 50, 20, QBColor(12));
    surface.Circle(150, 50, 20, QBColor(9), 0.7854, 2.3562);  // upper quarter
    surface.PSet(10, 10, QBColor(2));
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    EXPECT_GT(CountNot(img, white, QRect(28, 28, 45, 45)), 100);
    EXPECT_EQ(Px(img, 50, 50), white);
    // The upper quarter only: ink above the centre, none below it.
    EXPECT_GT(CountNot(img, white, QRect(130, 25, 41, 15)), 20);
    EXPECT_EQ(CountNot(img, white, QRect(125, 45, 51, 30)), 0);
    EXPECT_EQ(Px(img, 10, 10), Of(QBColor(2)));
    EXPECT_EQ(CountNot(img, white, QRect(0, 0, 20, 20)), 1);
}

// An aspect squeezes the circle: below 1 it keeps its width, above 1 its
// height, so that a box twice as wide as high (or the reverse) is filled.
TEST_F(ScreenSurfaceTest, CirclesWithAnAspectAreEllipses) {
    surface.Scale(0, 0, 200, 100);
    surface.Circle(50, 50, 40, QBColor(12), 0.5);
    surface.Circle(150, 50, 40, QBColor(9), 2.0);
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    // Wide one: ink at 40 left and right of its centre, none 25 above or below.
    EXPECT_GT(CountNot(img, white, QRect(8, 45, 5, 11)), 0);
    EXPECT_GT(CountNot(img, white, QRect(88, 45, 5, 11)), 0);
    EXPECT_EQ(CountNot(img, white, QRect(40, 0, 21, 26)), 0);
    EXPECT_GT(CountNot(img, white, QRect(40, 28, 21, 4)), 0);
    // Tall one: 40 above its centre, at most 20 to either side.
    EXPECT_GT(CountNot(img, white, QRect(145, 8, 11, 5)), 0);
    EXPECT_EQ(CountNot(img, white, QRect(100, 30, 27, 41)), 0);
    EXPECT_GT(CountNot(img, white, QRect(128, 45, 4, 11)), 0);
}

TEST_F(ScreenSurfaceTest, JoinedSlantedLinesKeepTheirPlaceInTheDrawingOrder) {
    surface.Scale(0, 0, 200, 100);
    // A moving average drawn bar by bar, then a box over part of it: the box
    // lies on top.
    surface.Line(0, 0, 50, 50, QBColor(12));
    surface.LineTo(100, 60, QBColor(12));
    surface.LineTo(150, 90, QBColor(12));
    surface.Line(40, 30, 110, 70, QBColor(9), LineKind::FilledBox);
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    EXPECT_EQ(CountNot(img, Of(QBColor(9)), QRect(40, 30, 71, 41)), 0);
    // The parts outside the box are there, with no gap at the joint beyond it.
    EXPECT_GT(CountNot(img, white, QRect(0, 0, 40, 30)), 25);
    EXPECT_GT(CountNot(img, white, QRect(111, 60, 40, 31)), 25);
    EXPECT_NE(Px(img, 150, 90), white);
}

TEST_F(ScreenSurfaceTest, ClsAndANewBackColourClearTheDrawing) {
    surface.Line(0, 0, 1500, 750, QBColor(0), LineKind::FilledBox);
    surface.SetBackColor(RGB(0, 0, 64));
    EXPECT_EQ(CountNot(surface.Image(), qRgb(0, 0, 64), surface.Image().rect()), 0);
    surface.Line(0, 0, 1500, 750, QBColor(0), LineKind::FilledBox);
    surface.Cls();
    EXPECT_EQ(CountNot(surface.Image(), qRgb(0, 0, 64), surface.Image().rect()), 0);
}

TEST_F(ScreenSurfaceTest, JapaneseTextIsDrawnWithTheCjkFont) {
    SurfaceState state;
    SurfaceFont font(state, 96);
    EXPECT_TRUE(QFontInfo(font.Font()).family().contains("Noto Sans CJK")) << QFontInfo(font.Font()).family().toStdString();
    surface.SetCurrentX(150);
    surface.SetCurrentY(150);
    surface.SetFontSize(12);
    surface.Print("株価ｶﾀｶﾅ＋－");
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    // Text starts at pixel (10, 10), 16 pixels high.
    EXPECT_GT(CountNot(img, white, QRect(10, 10, 120, 16)), 100);
    EXPECT_EQ(CountNot(img, white, QRect(0, 0, 200, 9)), 0);
    EXPECT_EQ(CountNot(img, white, QRect(0, 0, 9, 100)), 0);
    EXPECT_EQ(CountNot(img, white, QRect(0, 27, 200, 73)), 0);
}

TEST_F(ScreenSurfaceTest, KeepsTheDrawingAndRepaintsFromIt) {
    surface.Scale(0, 0, 200, 100);
    surface.Line(20, 20, 80, 60, QBColor(12), LineKind::FilledBox);
    const QImage shown = surface.grab().toImage();
    EXPECT_EQ(Px(shown, 50, 40), Of(QBColor(12)));
    EXPECT_EQ(Px(shown, 100, 80), Of(QBColor(15)));
    // A larger widget keeps what was drawn; the new room is the back colour.
    surface.resize(300, 150);
    const QImage larger = surface.Image();
    EXPECT_EQ(Px(larger, 50, 40), Of(QBColor(12)));
    EXPECT_EQ(Px(larger, 250, 120), Of(QBColor(15)));
}

TEST_F(ScreenSurfaceTest, HighDensityScreenDrawsWithItsOwnPixels) {
    surface.SetPixelRatio(2);
    surface.Cls();
    surface.Scale(0, 0, 200, 100);
    EXPECT_EQ(surface.Width(), 3000);
    const QImage blank = surface.Image();
    EXPECT_EQ(blank.size(), QSize(400, 200));
    surface.Line(0, 10, 200, 10, QBColor(0));
    surface.Line(50, 30, 60, 40, QBColor(0), LineKind::FilledBox);
    surface.SetCurrentX(100);
    surface.SetCurrentY(50);
    surface.Print("日");
    const QImage img = surface.Image();
    const QRgb white = Of(QBColor(15));
    // A one-pixel pen is one pixel of 96 dpi: two device pixels.
    EXPECT_EQ(CountNot(img, white, QRect(0, 18, 400, 6)), 2 * 400);
    EXPECT_EQ(Px(img, 100, 60), Of(QBColor(0)));
    EXPECT_EQ(Px(img, 120, 80), Of(QBColor(0)));
    // The glyph drawn at twice the pixels: 24 device pixels high.
    EXPECT_GT(CountNot(img, white, QRect(200, 100, 24, 24)), 60);
    // The widget shows the device pixels as they are on a device of the
    // same density.
    QImage shown(400, 200, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    surface.render(&shown);
    EXPECT_TRUE(SamePixels(shown, img));
}

}  // namespace
}  // namespace ranvik
