// Rings far smaller than a pixel are blended into the screen's pixels
// without the painter: where their tint lands, that nothing outside the image
// is written, how the colour blends, that the tint is the painter's within a
// little, that the drawing order holds, and that every other ring is still
// the painter's, pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "platform/surface/screen_surface.h"
#include "platform/surface/tiny_rings.h"
#include "tests/platform/surface/drawn_calls.h"

namespace ranvik {
namespace {

constexpr QRgb kWhite = 0xffffffffu;
constexpr Color kRed = RGB(255, 0, 0);

QRgb Px(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

// An image of 8 x 6 pixels set in a frame two pixels wide that the drawer is
// never given and must never touch.
struct Framed {
    static constexpr int kFrame = 2, kWidth = 8, kHeight = 6;
    QImage whole{kWidth + 2 * kFrame, kHeight + 2 * kFrame, QImage::Format_RGB32};
    explicit Framed(QRgb back = kWhite) { whole.fill(back); }
    PixelRows Rows() {
        const qsizetype step = whole.bytesPerLine() / qsizetype(sizeof(quint32));
        return {reinterpret_cast<quint32*>(whole.bits()) + kFrame * step + kFrame, step, kWidth, kHeight};
    }
    QRgb At(int x, int y) const { return Px(whole, x + kFrame, y + kFrame); }
};

// The tint of red on white: how far the green channel went down.
int Tint(QRgb pixel) { return 255 - qGreen(pixel); }

TEST(TinyRingsTest, TintLandsOnThePixelsTheRingCoversAndNowhereElse) {
    using Pixels = std::set<std::pair<int, int>>;
    const struct Case {
        const char* name;
        double cx, cy, rx, ry;
        Pixels tinted;
    } cases[] = {
        {"upright, on a pixel's centre", 3, 2, 0, 0.04, {{3, 2}}},
        {"flat, on a pixel's centre", 3, 2, 0.04, 0, {{3, 2}}},
        {"round, on a pixel's centre", 3, 2, 0.05, 0.05, {{3, 2}}},
        // The pen across an outline within a sixteenth of a centre stays on
        // that pixel.
        {"upright, just off a centre", 3.05, 2, 0, 0.04, {{3, 2}}},
        {"upright, halfway across", 3.5, 2, 0, 0.04, {{3, 2}, {4, 2}}},
        // Down, an upright outline tints the rows its span crosses...
        {"upright, a quarter down", 3, 2.25, 0, 0.04, {{3, 2}}},
        {"upright, across a row boundary", 3, 2.5, 0, 0.04, {{3, 2}, {3, 3}}},
        // ... and a flat one the rows by nearness.
        {"flat, a quarter down", 3, 2.25, 0.04, 0, {{3, 2}, {3, 3}}},
        {"round, between four pixels", 3.5, 2.5, 0.05, 0.05, {{3, 2}, {4, 2}, {3, 3}, {4, 3}}},
        {"half off the left edge", -0.5, 2, 0, 0.04, {{0, 2}}},
        {"a quarter off the top-left corner", -0.5, -0.5, 0.05, 0.05, {{0, 0}}},
        {"a quarter off the bottom-right corner", 7.5, 5.5, 0.05, 0.05, {{7, 5}}},
        {"wholly outside", -3, 2, 0.05, 0.05, {}},
        {"far outside", 1e12, -1e12, 0.05, 0.05, {}},
        {"of no size", 3, 2, 0, 0, {}},
        // Larger rings are the painter's, never half drawn here.
        {"too large", 3, 2, 0.2, 0.2, {}},
    };
    for (const Case& c : cases) {
        Framed image;
        BlendTinyRing(image.Rows(), c.cx, c.cy, c.rx, c.ry, kRed);
        for (int y = -Framed::kFrame; y < Framed::kHeight + Framed::kFrame; ++y) {
            for (int x = -Framed::kFrame; x < Framed::kWidth + Framed::kFrame; ++x) {
                const bool expected = c.tinted.count({x, y}) > 0;
                EXPECT_EQ(image.At(x, y) != kWhite, expected) << c.name << ": pixel " << x << ", " << y;
            }
        }
        // Split between two pixels halfway, it is split evenly.
        if (c.tinted.size() == 2 && (c.cx == 3.5 || c.cy == 2.5)) {
            const auto first = *c.tinted.begin(), second = *c.tinted.rbegin();
            EXPECT_NEAR(Tint(image.At(first.first, first.second)), Tint(image.At(second.first, second.second)), 1)
                << c.name;
        }
    }
}

TEST(TinyRingsTest, BlendsItsColourOverWhatThePixelShows) {
    const Color back = RGB(20, 200, 100);
    Framed image(qRgb(back.r, back.g, back.b));
    BlendTinyRing(image.Rows(), 3, 2, 0, 0.04, kRed);
    const QRgb once = image.At(3, 2);
    // Every channel goes the same part of the way to the pen's.
    const double red = (qRed(once) - back.r) / double(255 - back.r);
    const double green = (back.g - qGreen(once)) / double(back.g);
    const double blue = (back.b - qBlue(once)) / double(back.b);
    EXPECT_GT(red, 0.1);
    EXPECT_LT(red, 0.2);
    EXPECT_NEAR(green, red, 0.01);
    EXPECT_NEAR(blue, red, 0.02);
    // A second ring goes on from what the first left.
    BlendTinyRing(image.Rows(), 3, 2, 0, 0.04, kRed);
    EXPECT_GT(qRed(image.At(3, 2)), qRed(once));
    EXPECT_LT(qGreen(image.At(3, 2)), qGreen(once));
    // Over its own colour it changes nothing, however often.
    Framed red1(qRgb(255, 0, 0));
    for (int n = 0; n < 10; ++n) BlendTinyRing(red1.Rows(), 3.3, 2.6, 0.1, 0.02, kRed);
    EXPECT_EQ(red1.At(3, 2), qRgb(255, 0, 0));
    EXPECT_EQ(red1.At(4, 3), qRgb(255, 0, 0));
}

// What the painter draws for the same ring: a pen of one pixel, smoothed,
// centred on the pixel.
QImage PaintersRing(QSize size, double cx, double cy, double rx, double ry) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    QPen pen(QColor(255, 0, 0));
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawEllipse(QPointF(cx + 0.5, cy + 0.5), rx, ry);
    return image;
}

// Over positions all across a pixel, the tint in all is the painter's within
// a tenth and no pixel is far from the painter's.
TEST(TinyRingsTest, TintIsThePaintersWithinALittle) {
    const struct {
        double rx, ry;
    } sizes[] = {{0.0001, 0.04}, {0.04, 0.0001}, {0.05, 0.05}, {0.0001, 0.125}, {0.1, 0.1}, {0.125, 0.125}};
    for (const auto& size : sizes) {
        double ours = 0, painters = 0;
        int worst = 0;
        // Steps of a seventh: the painter's tint of one ring swings by a
        // tenth either way as its ends fall on its own finer steps.
        for (int i = 0; i < 7; ++i) {
            for (int j = 0; j < 7; ++j) {
                const double cx = 3 + (i + 0.31) / 7, cy = 2 + (j + 0.17) / 7;
                Framed image;
                BlendTinyRing(image.Rows(), cx, cy, size.rx, size.ry, kRed);
                const QImage painted = PaintersRing(QSize(Framed::kWidth, Framed::kHeight), cx, cy, size.rx, size.ry);
                for (int y = 0; y < Framed::kHeight; ++y) {
                    for (int x = 0; x < Framed::kWidth; ++x) {
                        ours += Tint(image.At(x, y));
                        painters += Tint(Px(painted, x, y));
                        worst = std::max(worst, std::abs(Tint(image.At(x, y)) - Tint(Px(painted, x, y))));
                    }
                }
            }
        }
        EXPECT_NEAR(ours / painters, 1, 0.1) << size.rx << " x " << size.ry;
        EXPECT_LE(worst, 32) << size.rx << " x " << size.ry;
    }
}

class TinyRingsOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface.resize(40, 20);
        surface.SetPixelRatio(1);
        surface.Cls();
        surface.Scale(0, 0, 40, 20);
    }
    ScreenSurface surface;
};

// The ring's centre and radii reach the drawer in device pixels: an upright
// O mark (its radius down, squeezed across by the aspect) halfway between two
// columns tints both, as the painter's does.
TEST_F(TinyRingsOnScreenTest, AnOMarkLandsWhereThePaintersWould) {
    surface.Circle(10.5, 5, 0.04, kRed, 500);
    const QImage drawn = surface.Image();
    const QImage painted = PaintersRing(drawn.size(), 10.5, 5, 0.04 / 500, 0.04);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            EXPECT_EQ(Px(drawn, x, y) != kWhite, Px(painted, x, y) != kWhite) << x << ", " << y;
            EXPECT_NEAR(Tint(Px(drawn, x, y)), Tint(Px(painted, x, y)), 8) << x << ", " << y;
        }
    }
}

// Every ring that is not far smaller than a pixel, or not drawn smoothed in a
// thin solid pen, is the painter's as before.
TEST_F(TinyRingsOnScreenTest, OtherRingsAreStillThePaintersPixelForPixel) {
    const struct Case {
        const char* name;
        double radius, aspect;
        int width;
        DrawMode mode;
    } cases[] = {
        {"round, a fifth of a pixel", 0.2, 1, 1, DrawMode::Copy},
        {"round, three pixels", 3, 1, 1, DrawMode::Copy},
        {"upright, three tenths of a pixel", 0.3, 500, 1, DrawMode::Copy},
        {"tiny, in a pen of two", 0.04, 500, 2, DrawMode::Copy},
        {"tiny, exclusive-or", 0.04, 500, 1, DrawMode::Xor},
    };
    for (const Case& c : cases) {
        surface.Cls();
        surface.SetDrawWidth(c.width);
        surface.SetDrawMode(c.mode);
        surface.Circle(10.3, 5.6, c.radius, kRed, c.aspect);
        surface.Circle(20, 8, c.radius, kRed);
        surface.SetDrawMode(DrawMode::Copy);
        surface.SetDrawWidth(1);
        const QImage drawn = surface.Image();

        QImage painted(drawn.size(), QImage::Format_RGB32);
        painted.fill(kWhite);
        QPainter p(&painted);
        QPen pen(QColor(255, 0, 0));
        pen.setWidth(c.width);
        pen.setCapStyle(c.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        if (c.width > 1) pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        const bool xor_ = c.mode == DrawMode::Xor;
        if (xor_) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setRenderHint(QPainter::Antialiasing, !xor_);
        const double o = xor_ ? 0 : 0.5;
        p.drawEllipse(QPointF(10.3 + o, 5.6 + o), c.radius / c.aspect, c.radius);
        p.drawEllipse(QPointF(20 + o, 8 + o), c.radius, c.radius);
        p.end();

        int differing = 0, inked = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (Px(drawn, x, y) != Px(painted, x, y)) ++differing;
                if (Px(painted, x, y) != kWhite) ++inked;
            }
        }
        EXPECT_EQ(differing, 0) << c.name;
        // Exclusive-or is never smoothed, and the painter's unsmoothed rings
        // this small draw nothing at all.
        EXPECT_EQ(inked > 0, !xor_) << c.name;
    }
}

// The ring goes over whatever was drawn before it and under whatever comes
// after, although fills and slanted lines wait to be drawn: the picture is
// the one of a surface read after every call, which draws everything then.
TEST(TinyRingsOnScreenOrderTest, RingsKeepTheirPlaceInTheDrawingOrder) {
    using Call = test::DrawCall;
    const Color blue = RGB(0, 80, 255);
    const std::vector<Call> calls = {
        [&](Surface& s) { s.Line(2, 2, 12, 10, blue, LineKind::FilledBox); },
        [&](Surface& s) { s.Circle(5, 5, 0.04, kRed, 500); },
        [&](Surface& s) { s.Line(14, 2, 30, 12, blue); },
        [&](Surface& s) { s.Circle(22, 7, 0.1, kRed); },
        [&](Surface& s) { s.Line(14, 12, 30, 2, QBColor(2)); },
        [&](Surface& s) { s.Circle(9, 7, 0.04, kRed, 500); },
        [&](Surface& s) { s.Line(9, 3, 9, 9, QBColor(0)); },
    };
    const QImage waiting = test::DrawnOnScreen(calls, 40, 20, false);
    const QImage written = test::DrawnOnScreen(calls, 40, 20, true);
    for (int y = 0; y < waiting.height(); ++y)
        for (int x = 0; x < waiting.width(); ++x) EXPECT_EQ(Px(waiting, x, y), Px(written, x, y)) << x << ", " << y;
    // On the box: tinted red over the blue; under the black line: black.
    EXPECT_GT(qRed(Px(waiting, 5, 5)), 0);
    EXPECT_LT(qBlue(Px(waiting, 5, 5)), 255);
    EXPECT_EQ(Px(waiting, 9, 7), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace ranvik
