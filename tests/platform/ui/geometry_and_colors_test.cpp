#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include <QLabel>

#include "platform/ui/colors.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/pointers.h"
#include "platform/ui/twips.h"

namespace ranvik {
namespace {

TEST(Colors, QBColorGivesTheStandardPalette) {
    const std::array<std::array<int, 3>, 16> palette = {{
        {0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128},
        {128, 0, 0}, {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
        {255, 0, 0}, {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    for (int n = 0; n < 16; ++n) {
        const auto& [r, g, b] = palette[static_cast<size_t>(n)];
        EXPECT_EQ(QBColor(n), RGB(r, g, b)) << n;
    }
    EXPECT_EQ(QBColor(16), QBColor(0));
    EXPECT_EQ(QBColor(-1), QBColor(0));
}

TEST(Colors, RGBTakesPartsOutsideTheRangeAtItsEnds) {
    struct Case {
        Color made;
        Color expected;
    };
    const Case cases[] = {
        {RGB(255, 85, 80), Color{255, 85, 80}},
        {RGB(256, 300, 1000), Color{255, 255, 255}},  // not wrapped round to black
        {RGB(-1, -200, 0), Color{0, 0, 0}},
        {RGB(0, 0, 255), QBColor(9)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.made, c.expected) << c.made;
    static_assert(QBColor(12) == RGB(255, 0, 0), "colours are usable in constant expressions");
}

TEST(Colors, ConvertBothWaysWithQt) {
    EXPECT_EQ(ToQColor(RGB(150, 55, 50)), QColor(150, 55, 50));
    EXPECT_EQ(FromQColor(QColor(0, 255, 255)), QBColor(11));
    EXPECT_EQ(FromQColor(QColor(10, 20, 30, 128)), RGB(10, 20, 30));
    EXPECT_EQ(ColorText(QBColor(13)), "RGB(255,0,255)");
}

TEST(Colors, ControlColoursReadBackAsSet) {
    QLabel label;
    SetBackColor(&label, RGB(255, 85, 80));
    SetForeColor(&label, QBColor(12));
    EXPECT_EQ(BackColorOf(&label), RGB(255, 85, 80));
    EXPECT_EQ(ForeColorOf(&label), QBColor(12));
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(255, 85, 80));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(label.autoFillBackground());
    // A control whose colour was never set reports what its palette shows.
    QLabel plain;
    EXPECT_EQ(BackColorOf(&plain), FromQColor(plain.palette().color(plain.backgroundRole())));
}

TEST(Twips, FifteenTwipsMakeOnePixel) {
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(1900), 127);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(PixelsToTwips(134), 2010);
}

TEST(Twips, ControlsArePlacedInTwips) {
    QWidget parent;
    QLabel label(&parent);
    MoveTwips(&label, 120, 650, 550, 300);
    EXPECT_EQ(label.geometry(), QRect(8, 43, 37, 20));
    EXPECT_EQ(LeftOf(&label), 120);
    EXPECT_EQ(TopOf(&label), 645);  // whole pixels
    SetTop(&label, TopOf(&label) + 2010);
    EXPECT_EQ(TopOf(&label), 2655);
    SetTop(&label, TopOf(&label) - 2010);
    EXPECT_EQ(TopOf(&label), 645);
    SetWidth(&label, 720);
    SetHeight(&label, 190);
    EXPECT_EQ(label.size(), QSize(48, 13));
    SetLeft(&label, 30);
    EXPECT_EQ(label.x(), 2);
}

TEST(Twips, BringToFrontRaisesAboveSiblings) {
    QWidget parent;
    QLabel below(&parent);
    QLabel above(&parent);
    EXPECT_EQ(parent.children().last(), &above);
    BringToFront(&below);
    EXPECT_EQ(parent.children().last(), &below);
}

TEST(Pointers, NumbersChooseShapesAndReadBack) {
    QLabel label;
    EXPECT_EQ(MousePointerOf(&label), 0);
    const std::pair<int, Qt::CursorShape> cases[] = {
        {1, Qt::ArrowCursor},   {7, Qt::SizeVerCursor},    {8, Qt::SizeFDiagCursor},
        {9, Qt::SizeHorCursor}, {12, Qt::ForbiddenCursor}, {11, Qt::WaitCursor},
    };
    for (const auto& [number, shape] : cases) {
        SetMousePointer(&label, number);
        EXPECT_EQ(MousePointerOf(&label), number);
        EXPECT_EQ(label.cursor().shape(), shape) << number;
    }
    SetMousePointer(&label, 0);
    EXPECT_EQ(MousePointerOf(&label), 0);
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);
}

TEST(Twips, LogicalResolutionIsFixed) {
    FixLogicalDpi();
    EXPECT_STREQ(getenv("QT_FONT_DPI"), "96");
}

}  // namespace
}  // namespace ranvik
