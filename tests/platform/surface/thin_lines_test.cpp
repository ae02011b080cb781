// Thin smoothed lines written straight into an image's pixels, against the
// same lines drawn by the painter as the screen surface sets it up (an RGB32
// image cut to its own edges, a one-pixel solid pen with square caps,
// smoothing on): every pixel the same, on a background of many colours (so
// that each shade's blend shows), wherever the lines run and whatever their
// slope, near and across the edges too.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "platform/color/qt_color.h"
#include "platform/surface/thin_lines.h"

namespace ranvik {
namespace {

constexpr int kWidth = 97;
constexpr int kHeight = 61;

QImage Background(unsigned seed) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) row[x] = 0xff000000u | (random() & 0xffffffu);
    }
    return image;
}

void PainterPen(QPainter& p, Color color) {
    p.setClipRect(QRect(0, 0, kWidth, kHeight));
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(ToQColor(color));
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
}

ThinLinePixels Writer(QImage& image) {
    return ThinLinePixels(reinterpret_cast<std::uint32_t*>(image.bits()),
                          image.bytesPerLine() / qsizetype(sizeof(quint32)), image.width(), image.height());
}

// The first pixel that differs, or none.
std::string FirstDifference(const QImage& ours, const QImage& painter) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (ours.pixel(x, y) != painter.pixel(x, y)) {
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                       QString::number(ours.pixel(x, y), 16).toStdString() + " instead of " +
                       QString::number(painter.pixel(x, y), 16).toStdString();
            }
        }
    }
    return {};
}

// Points of a kind of line: `spread` pixels beyond the edges at most, each
// step at most `reach` pixels across and `rise` down, on quarter pixels
// or anywhere.
struct Kind {
    const char* name;
    double spread;
    double reach;
    double rise;
    bool quarters;
};

const Kind kKinds[] = {
    {"anywhere inside", 0, 100, 100, false},
    {"steep and short across", 0, 3, 60, false},
    {"flat and short down", 0, 60, 3, false},
    {"within a pixel or two", 0, 1.5, 1.5, false},
    // The screen cuts its lines to three pixels past the edges before they
    // come here; the painter cuts them a pixel past, in its own way.
    {"up to three pixels out", 3, 100, 100, false},
    {"far out", 400, 1000, 1000, false},
    {"on quarter pixels", 2, 40, 40, true},
};

QPolygonF RandomLine(std::mt19937& random, const Kind& kind, int count) {
    std::uniform_real_distribution<double> startX(-kind.spread, kWidth + kind.spread);
    std::uniform_real_distribution<double> startY(-kind.spread, kHeight + kind.spread);
    std::uniform_real_distribution<double> stepX(-kind.reach, kind.reach), stepY(-kind.rise, kind.rise);
    auto placed = [&](double v) { return kind.quarters ? std::round(v * 4) / 4 : v; };
    QPolygonF line;
    QPointF at(placed(startX(random)), placed(startY(random)));
    line << at;
    for (int i = 1; i < count; ++i) {
        at = QPointF(placed(at.x() + stepX(random)), placed(at.y() + stepY(random)));
        line << at;
    }
    return line;
}

TEST(ThinLines, PolylinesAreThePaintersPixelForPixel) {
    std::mt19937 random(7);
    for (const Kind& kind : kKinds) {
        for (int round = 0; round < 40; ++round) {
            QImage painter = Background(static_cast<unsigned>(round));
            QImage ours = painter.copy();
            ThinLinePixels writer = Writer(ours);
            QPainter p(&painter);
            for (int n = 0; n < 4; ++n) {
                const Color color = RGB(static_cast<int>(random() % 256), static_cast<int>(random() % 256),
                                        static_cast<int>(random() % 256));
                QPolygonF line = RandomLine(random, kind, 2 + static_cast<int>(random() % 12));
                // Now and then one that closes on its first point (no caps).
                if (random() % 5 == 0) line << line.first();
                PainterPen(p, color);
                p.drawPolyline(line);
                writer.SetColor(color);
                writer.Polyline(line.constData(), line.size());
            }
            p.end();
            const std::string difference = FirstDifference(ours, painter);
            ASSERT_EQ(difference, "") << kind.name << ", round " << round;
        }
    }
}

TEST(ThinLines, SeparateLinesAreThePaintersPixelForPixel) {
    std::mt19937 random(11);
    for (const Kind& kind : kKinds) {
        for (int round = 0; round < 40; ++round) {
            QImage painter = Background(static_cast<unsigned>(round) + 100);
            QImage ours = painter.copy();
            ThinLinePixels writer = Writer(ours);
            const Color color = RGB(static_cast<int>(random() % 256), static_cast<int>(random() % 256),
                                    static_cast<int>(random() % 256));
            std::vector<QLineF> lines;
            for (int n = 0; n < 12; ++n) {
                const QPolygonF two = RandomLine(random, kind, 2);
                lines.emplace_back(two[0], two[1]);
            }
            // A line of no length is a point.
            lines.emplace_back(QPointF(5.3, 7.6), QPointF(5.3, 7.6));
            QPainter p(&painter);
            PainterPen(p, color);
            p.drawLines(lines.data(), static_cast<int>(lines.size()));
            p.end();
            writer.SetColor(color);
            writer.Lines(lines.data(), static_cast<qsizetype>(lines.size()));
            const std::string difference = FirstDifference(ours, painter);
            ASSERT_EQ(difference, "") << kind.name << ", round " << round;
        }
    }
}

}  // namespace
}  // namespace ranvik
