#include "core/splash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, TheInformationBoxShowsTitleAndVersion) {
    WriteUrlList();
    Start();
    frmSplash* box = ShowSplash();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lblProductName->text().toStdString(), "Ranvikチャート ");
    EXPECT_EQ(box->lblProductName->font().pointSize(), 28);
    EXPECT_EQ(box->lblVersion->text().toStdString(), "ﾊﾞｰｼﾞｮﾝ 4.4.24   ");
    EXPECT_EQ(box->lblPlatform->text().toStdString(), "for Windows XP/7/10");
    EXPECT_EQ(box->Label3->text().toStdString(), "O K");
    EXPECT_FALSE(box->lblCompany->text().isEmpty());
    EXPECT_FALSE(box->lblWarning->text().isEmpty());
    // Shown again while open: the same box.
    EXPECT_EQ(ShowSplash(), box);
    box->close();
}

TEST_F(MainWindowTest, InAdministratorModeTheProductNameIsSmaller) {
    WriteUrlList({"管理者=KVO"});
    Start();
    frmSplash* box = ShowSplash();
    EXPECT_EQ(box->lblProductName->text().toStdString(), "Ranvikチャートsup ");
    EXPECT_EQ(box->lblProductName->font().pointSize(), 23);
    box->close();
}

TEST_F(MainWindowTest, TheOkLabelClosesTheBoxOnlyWhenReleasedOnIt) {
    WriteUrlList();
    Start();
    QPointer<frmSplash> box = ShowSplash();
    const int top = TopOf(box->Label3);
    box->Label3_MouseMove();
    EXPECT_EQ(BackColorOf(box->Label2), RGB(80, 255, 255));
    box->Label3_MouseDown();
    EXPECT_EQ(TopOf(box->Label3), top + 15);
    EXPECT_EQ(BackColorOf(box->Label2), RGB(160, 160, 160));
    // Moving over the label while pressed keeps the pressed face.
    box->Label3_MouseMove();
    EXPECT_EQ(BackColorOf(box->Label2), RGB(160, 160, 160));
    // Dragged off and released: the box stays, the label is back in place.
    box->Label3_MouseUp(-30, 10);
    EXPECT_EQ(TopOf(box->Label3), top);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(BackColorOf(box->Label2), RGB(160, 160, 160));
    box->Frame1_MouseMove();
    EXPECT_EQ(BackColorOf(box->Label2), RGB(192, 255, 255));

    box->Label3_MouseDown();
    box->Label3_MouseUp(30, 30);
    EXPECT_FALSE(box->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
    EXPECT_EQ(OpenSplash(), nullptr);
}

}  // namespace
}  // namespace ranvik
