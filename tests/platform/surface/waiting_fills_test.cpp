// Opaque fills on the screen surface wait to be written, so that covered ones
// are left out and touching ones of a colour are joined.  Whatever is drawn
// between them, the picture must be the one of writing every call at once:
// here the same calls on a surface that is read after each of them (reading
// writes everything that waits).
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "platform/surface/screen_surface.h"
#include "tests/platform/surface/drawn_calls.h"

namespace ranvik {
namespace {

using Call = test::DrawCall;

QImage Drawn(const std::vector<Call>& calls, bool readAfterEach) {
    return test::DrawnOnScreen(calls, 120, 80, readAfterEach);
}

int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) | 0xff000000u) != (b.pixel(x, y) | 0xff000000u)) ++n;
    return n;
}

int Painted(const QImage& a) {
    int n = 0;
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) | 0xff000000u) != white) ++n;
    return n;
}

Call Filled(double x1, double y1, double x2, double y2, Color c) {
    return [=](Surface& s) { s.Line(x1, y1, x2, y2, c, LineKind::FilledBox); };
}
Call Outline(double x1, double y1, double x2, double y2, Color c) {
    return [=](Surface& s) { s.Line(x1, y1, x2, y2, c, LineKind::Box); };
}
Call Plain(double x1, double y1, double x2, double y2, Color c) {
    return [=](Surface& s) { s.Line(x1, y1, x2, y2, c); };
}
Call Mode(DrawMode m) {
    return [=](Surface& s) { s.SetDrawMode(m); };
}
Call Style(DrawStyle st) {
    return [=](Surface& s) { s.SetDrawStyle(st); };
}

// A latest line stretched bar by bar: a white box outlined, growing to the
// right, its bottom moving between two prices.
std::vector<Call> Stretched() {
    std::vector<Call> calls;
    for (int i = 0; i < 30; ++i) {
        const double bottom = i % 3 == 1 ? 50 : 60;
        calls.push_back(Filled(10, 20, 14 + i * 3, bottom, QBColor(15)));
        calls.push_back(Outline(10, 20, 14 + i * 3, bottom, RGB(255, 100, 250)));
        if (i % 7 == 3) calls.push_back(Plain(14 + i * 3, 0, 14 + i * 3, 80, QBColor(7)));
    }
    return calls;
}

// A close line whose steps stay within a column: strips that touch.
std::vector<Call> Strips() {
    std::vector<Call> calls;
    double y = 40;
    for (int i = 0; i < 60; ++i) {
        const double next = 40 + ((i * 37) % 31) - 15;
        const double x = 5 + i / 6;
        calls.push_back(Plain(x, y, x, next, RGB(150, 130, 255)));
        if (i % 6 == 5) calls.push_back(Plain(x, next, x + 1, next + 7, RGB(150, 130, 255)));
        y = next;
    }
    return calls;
}

TEST(WaitingFills, ThePictureIsThatOfWritingEachCallAtOnce) {
    const Color red = QBColor(12), blue = RGB(0, 100, 250), green = QBColor(10);
    std::vector<Call> manyApart;
    for (int i = 0; i < 12; ++i) manyApart.push_back(Filled(2 + i * 9, 5, 8 + i * 9, 30, i % 2 ? red : blue));
    manyApart.push_back(Filled(0, 20, 119, 25, green));
    manyApart.push_back(Filled(30, 0, 31, 79, red));
    const struct {
        const char* what;
        std::vector<Call> calls;
    } cases[] = {
        {"a stretched, outlined line with uprights between", Stretched()},
        {"steps of a close line within columns, slanted between them", Strips()},
        {"a covering fill after a smaller one of another colour",
         {Filled(10, 10, 20, 20, red), Filled(5, 5, 30, 30, blue), Filled(12, 12, 14, 14, green)}},
        {"a fill that covers only part of the one before", {Filled(10, 10, 40, 40, red), Filled(20, 5, 50, 30, blue)}},
        {"touching fills of one colour with another colour on top between",
         {Filled(10, 10, 10, 30, red), Filled(10, 25, 30, 26, blue), Filled(10, 31, 10, 50, red)}},
        {"rows of one colour side by side", {Filled(5, 5, 20, 8, red), Filled(21, 5, 40, 8, red),
                                             Filled(30, 5, 60, 8, red), Filled(10, 6, 50, 6, blue)}},
        {"an exclusive-or box between copy fills",
         {Filled(10, 10, 40, 40, red), Mode(DrawMode::Xor), Filled(20, 20, 60, 60, blue), Mode(DrawMode::Copy),
          Filled(10, 10, 40, 40, red)}},
        {"a dotted line and a slanted one between fills",
         {Filled(10, 10, 40, 40, red), Style(DrawStyle::Dot), Plain(0, 25, 100, 25, blue), Style(DrawStyle::Solid),
          Plain(0, 0, 60, 70, green), Filled(15, 15, 20, 50, red)}},
        {"a slanted line over a waiting fill, then a fill apart from both",
         {Filled(10, 10, 40, 40, red), Plain(0, 0, 60, 50, green), Filled(70, 10, 90, 30, blue)}},
        {"a circle and a text between fills",
         {Filled(10, 10, 60, 40, red), [=](Surface& s) { s.Circle(30, 30, 12, blue); },
          [](Surface& s) {
              s.SetCurrentX(20);
              s.SetCurrentY(20);
              s.Print("81");
          },
          Filled(25, 35, 70, 60, green)}},
        {"more fills waiting than are kept, then wide ones across them", manyApart},
        {"a clear between fills", {Filled(10, 10, 40, 40, red), [](Surface& s) { s.Cls(); }, Filled(20, 20, 30, 30, blue)}},
        {"fills reaching past the device", {Filled(-50, -50, 200, 10, red), Filled(-60, -60, 300, 12, blue)}},
    };
    for (const auto& c : cases) {
        const QImage straight = Drawn(c.calls, false);
        const QImage eachAtOnce = Drawn(c.calls, true);
        EXPECT_GT(Painted(eachAtOnce), 0) << c.what;
        EXPECT_EQ(Differing(straight, eachAtOnce), 0) << c.what;
    }
}

}  // namespace
}  // namespace ranvik
