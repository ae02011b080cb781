// Slanted lines that do not join (one segment of each of several lines per
// bar, as the pivot and the bands draw them) on the screen surface, against
// the same lines each drawn before the next comes: every pixel the same,
// whatever lies between them and wherever they run.
#include <gtest/gtest.h>

#include <QImage>
#include <QPolygonF>
#include <cmath>
#include <variant>
#include <vector>

#include "platform/color/qt_color.h"
#include "platform/surface/screen_surface.h"
#include "tests/platform/surface/drawn_calls.h"

namespace ranvik {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 160;

// What is drawn, in device pixels: a line of its own (two points or more,
// each segment going on from the one before) or a filled box.
struct Stroke {
    QPolygonF points;
    Color color;
};
struct Box {
    QRect area;
    Color color;
};
using Step = std::variant<Stroke, Box>;

// The steps on a screen surface; `alone` reads the picture after each, so
// that every line is drawn before the next comes.
QImage OnTheSurface(const std::vector<Step>& steps, bool alone) {
    std::vector<test::DrawCall> calls;
    for (const Step& step : steps) {
        calls.push_back([&step](Surface& s) {
            if (const auto* stroke = std::get_if<Stroke>(&step)) {
                const QPolygonF& p = stroke->points;
                s.SetCurrentX(p[0].x());
                s.SetCurrentY(p[0].y());
                for (qsizetype i = 1; i < p.size(); ++i) s.LineTo(p[i].x(), p[i].y(), stroke->color);
            } else {
                const QRect& r = std::get<Box>(step).area;
                s.Line(r.left(), r.top(), r.right(), r.bottom(), std::get<Box>(step).color, LineKind::FilledBox);
            }
        });
    }
    return test::DrawnOnScreen(calls, kWidth, kHeight, alone);
}

// Seven lines side by side, one segment of each per bar, `step` pixels a
// bar; every `every`-th bar a box over them.
std::vector<Step> Bars(double step, double rise, int bars, int every) {
    std::vector<Step> steps;
    for (int b = 0; b < bars; ++b) {
        // Off the half pixels, where rounding the scale's products could go
        // either way.
        const double x = 3.137 + step * b;
        for (int k = 0; k < 7; ++k) {
            const double y0 = 20.23 + 15 * k + std::fmod(rise * b, 60.0);
            const double y1 = 20.23 + 15 * k + std::fmod(rise * (b + 1), 60.0);
            steps.push_back(Stroke{{QPointF(x, y0), QPointF(x + step * 0.99, y1)}, k == 3 ? QBColor(12) : QBColor(8)});
        }
        if (every > 0 && b % every == 0) steps.push_back(Box{QRect(int(x), 40, 2, 50), RGB(100, 220, 100)});
    }
    return steps;
}

TEST(SeparateLines, AreDrawnAsEachAlone) {
    const QRgb background = ToQColor(QBColor(15)).rgb() | 0xff000000u;
    std::vector<Step> crossing;
    for (int i = 0; i < 40; ++i) {
        crossing.push_back(Stroke{{QPointF(5 + 5 * i, 10), QPointF(12 + 5 * i, 150)}, QBColor(12)});
        crossing.push_back(Stroke{{QPointF(12 + 5 * i, 10), QPointF(5 + 5 * i, 150)}, QBColor(9)});
    }
    // Over the edges by less than the reach of the pen (drawn whole), and
    // wholly off the device (left out).
    std::vector<Step> edges;
    for (int i = 0; i < 30; ++i) {
        edges.push_back(Stroke{{QPointF(-2, 5 * i + 1), QPointF(9, 5 * i + 4)}, QBColor(8)});
        edges.push_back(Stroke{{QPointF(230, 5 * i), QPointF(kWidth + 1.5, 5 * i + 7)}, QBColor(12)});
        edges.push_back(Stroke{{QPointF(8 * i, -1.5), QPointF(8 * i + 5, 9)}, QBColor(9)});
        edges.push_back(Stroke{{QPointF(-40 + i, -30), QPointF(-20 + i, -10)}, QBColor(8)});
    }
    const std::vector<Step> joined = {
        Stroke{{QPointF(10, 10), QPointF(50, 70), QPointF(90, 20), QPointF(130, 90)}, QBColor(9)},
        Stroke{{QPointF(12, 14), QPointF(52, 73)}, QBColor(9)},
        Stroke{{QPointF(60, 80), QPointF(100, 140), QPointF(140, 85)}, QBColor(12)},
        Stroke{{QPointF(61, 83), QPointF(101, 143)}, QBColor(12)},
        Stroke{{QPointF(62, 86), QPointF(102, 146)}, QBColor(12)},
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"narrower bars than a pixel, two pens in turn", Bars(0.41, 3.7, 500, 0)},
        {"bars of a few pixels", Bars(2.7, 4.3, 80, 0)},
        {"boxes between the lines", Bars(1.3, 5.1, 160, 7)},
        {"lines of two pens crossing each other", crossing},
        {"lines over the edges and off the device", edges},
        {"joined lines among separate ones", joined},
    };
    for (const auto& c : cases) {
        const QImage expected = OnTheSurface(c.steps, true);
        const QImage actual = OnTheSurface(c.steps, false);
        int painted = 0, differing = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const QRgb e = expected.pixel(x, y) | 0xff000000u, a = actual.pixel(x, y) | 0xff000000u;
                if (e != background) ++painted;
                if (e != a) ++differing;
            }
        }
        EXPECT_GT(painted, 200) << c.what;
        EXPECT_EQ(differing, 0) << c.what;
    }
}

}  // namespace
}  // namespace ranvik
