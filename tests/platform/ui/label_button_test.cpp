#include "platform/ui/label_button.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/ui/colors.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"

namespace ranvik {
namespace {

class LabelButtonOnForm : public testing::Test {
protected:
    void SetUp() override {
        form.resize(400, 300);
        button = new LabelButton(QString::fromUtf8("O K"), &form);
        MoveTwips(button, 1500, 1200, 900, 300);
        SetBackColor(button, RGB(192, 255, 255));
        QObject::connect(button, &LabelButton::Click, [this] { ++clicks; });
        form.show();
    }

    QWidget form;
    LabelButton* button = nullptr;
    int clicks = 0;
};

TEST_F(LabelButtonOnForm, MovesWhilePressedAndActsOnReleaseInside) {
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(button->LooksPressed());
    EXPECT_EQ(TopOf(button), 1215);
    EXPECT_EQ(LeftOf(button), 1500);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_FALSE(button->LooksPressed());
    EXPECT_EQ(TopOf(button), 1200);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(BackColorOf(button), RGB(192, 255, 255));
}

TEST_F(LabelButtonOnForm, ReleaseOutsideOrOnTheEdgeDoesNotAct) {
    const QPoint outside[] = {QPoint(-5, 10), QPoint(10, 200), QPoint(0, 10),
                              QPoint(button->width(), 10)};
    for (const QPoint& at : outside) {
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(TopOf(button), 1200);
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(LabelButtonOnForm, RightButtonNeitherMovesNorActs) {
    QTest::mousePress(button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(TopOf(button), 1200);
    QTest::mouseRelease(button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(LabelButtonOnForm, PressLookCanMoveAndShrink) {
    // A window tab: 15 right, 15 down, 25 narrower, 30 lower, and back to
    // 720 by 195 on release.
    MoveTwips(button, 300, 150, 720, 195);
    button->SetPressLook(15, 15, -25, -30);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(LeftOf(button), 315);
    EXPECT_EQ(TopOf(button), 165);
    EXPECT_EQ(WidthOf(button), 690);  // 695 twips, whole pixels
    EXPECT_EQ(HeightOf(button), 165);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(LeftOf(button), 300);
    EXPECT_EQ(WidthOf(button), 720);
    EXPECT_EQ(HeightOf(button), 195);
}

TEST_F(LabelButtonOnForm, WindowsCanDriveTheLookThemselves) {
    button->SetAutoPressLook(false);
    std::vector<double> downs;
    QObject::connect(button, &LabelButton::MouseDown,
                     [&](int, int, double, double y) { downs.push_back(y); });
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
    EXPECT_EQ(TopOf(button), 1200);
    EXPECT_EQ(downs, (std::vector<double>{90}));
    button->ShowPressed();
    button->ShowPressed();
    EXPECT_EQ(TopOf(button), 1215);
    button->ShowReleased();
    EXPECT_EQ(TopOf(button), 1200);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace ranvik
