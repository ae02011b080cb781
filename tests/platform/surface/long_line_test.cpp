// Long gathered lines on the screen surface against the same line drawn by
// the painter in one stroke: a wide line that runs left to right, drawn by
// pixel columns and in pieces, covers the same pixels and differs only in the
// smoothing of a few edge pixels; every other line is drawn exactly as one
// stroke.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/color/qt_color.h"
#include "platform/surface/screen_surface.h"

namespace ranvik {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 120;

struct Difference {
    int pixels = 0;   // pixels of another colour
    int largest = 0;  // the largest difference of one channel
    int painted = 0;  // pixels of the one-stroke picture that are not background
    int onlyOneSide = 0;  // background in one picture and not in the other
};

Difference Compare(const QImage& a, const QImage& b, QRgb background) {
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y) | 0xff000000u, q = b.pixel(x, y) | 0xff000000u;
            if (q != background) ++d.painted;
            if ((p == background) != (q == background)) ++d.onlyOneSide;
            if (p == q) continue;
            ++d.pixels;
            d.largest = std::max({d.largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return d;
}

// The points of a long chart's line: `n` points over the width, zigzagging.
// The first segment is slanted, so the surface gathers the line from its
// start (a segment inside one pixel column alone is filled as a strip).
QPolygonF Zigzag(int n, bool forward) {
    QPolygonF points{QPointF(1, 40)};
    for (int i = 0; i < n; ++i) {
        const double x = forward ? 5 + (kWidth - 10.0) * i / (n - 1) : 5 + (kWidth - 10.0) * ((i * 7) % n) / (n - 1);
        const double y = 60 + 30 * std::sin(i * 0.37) + 12 * std::sin(i * 2.1);
        points.append(QPointF(x, y));
    }
    return points;
}

// The line through the surface, in device pixels (the scale is the pixels).
QImage OnTheSurface(const QPolygonF& points, int width) {
    ScreenSurface s;
    s.resize(kWidth, kHeight);
    s.SetPixelRatio(1);
    s.Cls();
    s.Scale(0, 0, kWidth, kHeight);
    s.SetDrawWidth(width);
    for (int i = 1; i < points.size(); ++i)
        s.Line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), QBColor(9));
    return s.Image();
}

// The same line as one stroke of the surface's pen (smoothed, centred on
// the pixels, joined round when wide).
QImage OneStroke(const QPolygonF& points, int width) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(ToQColor(QBColor(15)));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(ToQColor(QBColor(9)));
    pen.setWidth(width);
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    p.setPen(pen);
    p.drawPolyline(points.translated(0.5, 0.5));
    return image;
}

TEST(LongLine, AWideLineRunningRightCoversTheSamePixelsWithEdgesSmoothedAlike) {
    const QPolygonF points = Zigzag(6000, true);
    const QRgb background = ToQColor(QBColor(15)).rgb() | 0xff000000u;
    const Difference d = Compare(OnTheSurface(points, 2), OneStroke(points, 2), background);
    ASSERT_GT(d.painted, 1000);
    // Edge pixels only: a small share of the line differs in shade (a turn
    // of the zigzag that the column's extremes leave out can take most of
    // an edge pixel's shade), and hardly any pixel is painted in one picture
    // and left blank in the other.
    EXPECT_LT(d.pixels, d.painted / 10) << d.pixels << " of " << d.painted << ", largest " << d.largest;
    EXPECT_LT(d.onlyOneSide, d.painted / 50) << d.onlyOneSide << " of " << d.painted;
}

TEST(LongLine, OtherLinesAreDrawnAsOneStroke) {
    const QRgb background = ToQColor(QBColor(15)).rgb() | 0xff000000u;
    const struct {
        const char* what;
        QPolygonF points;
        int width;
    } cases[] = {
        {"a thin long line", Zigzag(6000, true), 1},
        {"a wide long line that turns back", Zigzag(3000, false), 2},
        {"a wide short line", Zigzag(200, true), 2},
    };
    for (const auto& c : cases) {
        const Difference d = Compare(OnTheSurface(c.points, c.width), OneStroke(c.points, c.width), background);
        EXPECT_GT(d.painted, 100) << c.what;
        EXPECT_EQ(d.pixels, 0) << c.what;
    }
}

}  // namespace
}  // namespace ranvik
