// Controls inside a scaled pane: placed from user coordinates, read back in
// the scale in force.
#include "platform/surface/scaled_place.h"

#include <gtest/gtest.h>

#include <QFrame>

#include "platform/surface/screen_surface.h"

namespace ranvik {
namespace {

class ScaledPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(700, 300);  // 10500 x 4500 twips
        control = new QFrame(&pane);
        control->resize(40, 20);
    }
    ScreenSurface pane;
    QFrame* control = nullptr;
};

TEST_F(ScaledPlaceTest, TheScaleCornerIsThePanesCornerWhateverTheScale) {
    const struct {
        const char* what;
        double x1, y1, x2, y2;
    } scales[] = {{"twips", 0, 0, 10500, 4500},
                  {"prices upright", 0, 5000, 903, 333.3},
                  {"prices inverted", 0, 1000, 903, 5666.7}};
    for (const auto& s : scales) {
        pane.Scale(s.x1, s.y1, s.x2, s.y2);
        control->move(9, 9);
        PlaceInScale(pane, *control, pane.ScaleLeft(), pane.ScaleTop());
        EXPECT_EQ(control->pos(), QPoint(0, 0)) << s.what;
        EXPECT_EQ(control->size(), QSize(40, 20)) << s.what;
    }
}

TEST_F(ScaledPlaceTest, PositionAndSizeInAnUpwardScale) {
    // x: 0 to 700 bar units over 700 pixels; y: 3000 at the top, 0 at the
    // bottom, 10 price units per pixel.
    pane.Scale(0, 3000, 700, 0);
    PlaceInScale(pane, *control, 70, 2500, 140, 500);
    EXPECT_EQ(control->geometry(), QRect(70, 50, 140, 50));
    EXPECT_DOUBLE_EQ(LeftInScale(pane, *control), 70);
    EXPECT_DOUBLE_EQ(TopInScale(pane, *control), 2500);
    EXPECT_DOUBLE_EQ(WidthInScale(pane, *control), 140);
    EXPECT_DOUBLE_EQ(HeightInScale(pane, *control), 500);
}

TEST_F(ScaledPlaceTest, ALaterScaleReadsThePlaceAnewWithoutMovingIt) {
    pane.Scale(0, 3000, 700, 0);
    PlaceInScale(pane, *control, 70, 2500);
    pane.Scale(0, 6000, 1400, 0);  // the next redraw takes another range
    EXPECT_EQ(control->pos(), QPoint(70, 50));
    EXPECT_DOUBLE_EQ(LeftInScale(pane, *control), 140);
    EXPECT_DOUBLE_EQ(TopInScale(pane, *control), 5000);
}

}  // namespace
}  // namespace ranvik
