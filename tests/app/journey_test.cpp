// Journeys through the whole chart program, step by step as a user goes:
// after each step the bar shows the menus of the window in front, the panes
// show what was asked for, the captions agree, and no file of the program
// folder changed that should not.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <functional>

#include "core/toolbar.h"
#include "tests/app/journey_fixture.h"

namespace ranvik {
namespace {

using test::ClickCaptionClose;
using test::JourneyTest;
using test::MenuTitles;
using test::ShownMenuBar;

const std::vector<std::string> kChartMenus = {"表示(&F)",   "チャート(&C)", "指標(&A)",     "指標２(&B)",
                                              "ツール(&T)", "ｳｲﾝﾄﾞｳ(&W)",   "会社情報(&K)", "ヘルプ(&H)"};
const std::vector<std::string> kMainMenus = {"ﾌｧｲﾙ(&F)", "ツール(&T)", "ｳｲﾝﾄﾞｳ(&W)", "会社情報(&K)", "ヘルプ(&H)"};

// Start, pick a stock, follow it with the crosshair, look after the data in
// the maintenance window, work in a second chart window and close it, quit.
TEST_F(JourneyTest, ChartsCrosshairMaintenanceAndASecondWindow) {
    MDIForm1& main = StartProgram();
    Form3& one = W(1);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());
    EXPECT_EQ(MenuTitles(ShownMenuBar(main)), kChartMenus);
    EXPECT_EQ(Ink(one.Picture1), 0);

    // A listed stock, double-clicked: its chart, named everywhere.
    DoubleClickFile("8306d.KDT");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_GT(Ink(one.Picture1), 1000);
    const std::string title = one.Fields().StockTitle;
    EXPECT_EQ(one.Label1->text().toStdString(), title + one.Fields().StockUnitText);
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + title);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());

    // The crosshair and the read-out follow the mouse over the price pane.
    Choose("指標２(&B)", "十字線(&L)");
    Choose("指標２(&B)", "データ表示(&S)");
    EXPECT_EQ(main.Toolbar1->Value("十字"), 1);
    const QImage plain = one.Picture1->Image();
    const QPoint at(one.Picture1->width() / 2, one.Picture1->height() / 3);
    QTest::mouseMove(one.Picture1, at);
    const QImage crossed = one.Picture1->Image();
    EXPECT_GT(ChangedOnColumn(plain, crossed, at.x()), crossed.height() / 2);
    EXPECT_GT(ChangedOnRow(plain, crossed, at.y()), crossed.width() / 2);
    EXPECT_TRUE(one.Label14->isVisible());
    EXPECT_FALSE(one.Label14->text().isEmpty());
    EXPECT_GT(Ink(one.Picture11), 0);
    // Onto the title strip: the lines and the price tag go.
    QTest::mouseMove(one.Label1, one.Label1->rect().center());
    EXPECT_EQ(one.Picture1->Image(), plain);
    EXPECT_FALSE(one.Label14->isVisible());

    // The maintenance window comes with its own menus and leaves the chart's
    // on the bar when it closes.
    Type(Qt::Key_D, Qt::ControlModifier);
    ChildForm* maintenance = Program().windows.MaintenanceWindow;
    ASSERT_NE(maintenance, nullptr);
    EXPECT_EQ(ShownMenuBar(main), maintenance->MenuBar());
    Type(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());
    // The chart's own keys act: F8 shows the whole history.
    const int partialWidth = static_cast<int>(one.Fields().ViewWidth);
    Type(Qt::Key_F8);
    EXPECT_GT(one.Fields().ViewWidth, partialWidth);
    EXPECT_GT(Ink(one.Picture1), 1000);

    // A second chart window, another stock in it.
    Choose("ｳｲﾝﾄﾞｳ(&W)", "ﾁｬｰﾄ表示窓を追加(&C)");
    ASSERT_NE(Slot(2), nullptr);
    Form3& two = W(2);
    EXPECT_EQ(ShownMenuBar(main), two.MenuBar());
    DoubleClickFile("1301d.KDT");
    EXPECT_GT(Ink(two.Picture1), 1000);
    const std::string secondTitle = two.Fields().StockTitle;
    EXPECT_NE(secondTitle, title);
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + secondTitle);
    // The tabs switch between the two.
    Click(main.Label3);
    EXPECT_EQ(main.ActiveChild(), &one);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + title);
    Click(main.Label4);
    EXPECT_EQ(main.ActiveChild(), &two);
    EXPECT_EQ(ShownMenuBar(main), two.MenuBar());
    // Its caption's close button: the first window is in front, with its
    // menus and its keys.
    ClickCaptionClose(*two.Frame());
    Settle();
    EXPECT_EQ(Slot(2), nullptr);
    EXPECT_EQ(main.ActiveChild(), &one);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());
    EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + title);
    Type(Qt::Key_F7);
    EXPECT_EQ(static_cast<int>(one.Fields().ViewWidth), partialWidth);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(ChangedFiles(), std::vector<std::string>{});

    // Quit from the chart window's keys: every window goes, nothing is left.
    QSignalSpy ended(&main, &MDIForm1::Ended);
    Type(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(Slot(1), nullptr);
    EXPECT_EQ(ChangedFiles(), std::vector<std::string>{});
    EXPECT_EQ(NewFiles(), std::vector<std::string>{});
}

// The company results window from each way in, closed by its caption's
// close button after the offline message; then printing the chart.
TEST_F(JourneyTest, TheResultsWindowFromEachWayInAndPrinting) {
    MDIForm1& main = StartProgram();
    Form3& one = W(1);
    DoubleClickFile("8306d.KDT");
    ASSERT_GT(Ink(one.Picture1), 1000);
    const QRect chartFrame = one.Frame()->geometry();

    // From the chart window's menu, and from the toolbar's button.
    const std::function<void()> ways[] = {
        [&] { Choose("会社情報(&K)", "業績情報(&I)"); },
        [&] { Click(main.Toolbar1->Button("業績グラフ")); },
    };
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        ways[way]();
        ChildForm* company = Program().windows.CompanyInfoWindow;
        ASSERT_NE(company, nullptr) << way;
        EXPECT_EQ(main.ActiveChild(), company) << way;
        EXPECT_TRUE(company->Frame()->isVisible()) << way;
        EXPECT_TRUE(company->Frame()->isMaximized()) << way;
        // The window without menus of its own shows the main window's.
        EXPECT_EQ(MenuTitles(ShownMenuBar(main)), kMainMenus) << way;
        EXPECT_EQ(Messages(), std::vector<std::string>{"700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい"})
            << way;
        // The chart window behind keeps its size.
        EXPECT_EQ(one.Frame()->geometry(), chartFrame) << way;

        ClickCaptionClose(*company->Frame());
        Settle();
        EXPECT_EQ(Program().windows.CompanyInfoWindow, nullptr) << way;
        EXPECT_EQ(main.ActiveChild(), &one) << way;
        EXPECT_EQ(ShownMenuBar(main), one.MenuBar()) << way;
        EXPECT_EQ(main.windowTitle().toStdString(), Program().app.AppTitle + one.Fields().StockTitle) << way;
        EXPECT_EQ(one.Frame()->geometry(), chartFrame) << way;
    }

    // Printing: the settings window, its print button, one page.
    Choose("ツール(&T)", "ﾁｬｰﾄ印刷(&P)");
    Form6* settings = Form6::Instance();
    ASSERT_NE(settings, nullptr);
    Click(settings->印刷実行);
    EXPECT_EQ(printer->endDocs, 1);
    EXPECT_EQ(Form6::Instance(), nullptr);
    EXPECT_EQ(ShownMenuBar(main), one.MenuBar());
    EXPECT_EQ(Messages(), std::vector<std::string>{});

    QSignalSpy ended(&main, &MDIForm1::Ended);
    Choose("表示(&F)", "アプリケーション終了(&X)");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(ChangedFiles(), std::vector<std::string>{});
    EXPECT_EQ(NewFiles(), std::vector<std::string>{});
}

// An overlay turned on and off from the menu leaves the quick bar's second
// period box as it was: the Ichimoku's "日" beside it is wiped when the
// envelope's "％" comes back in its place.
TEST_F(JourneyTest, TheQuickBarAfterAnOverlayOnAndOff) {
    MDIForm1& main = StartProgram();
    DoubleClickFile("8306d.KDT");
    // From the envelope box's right edge to the Kagi box: where its mark is.
    const QRect box = main.QuickBoxes.at(5)->geometry();
    const QRect room(box.right() + 1, 0, main.QuickBoxes.at(6)->geometry().left() - box.right() - 1,
                     main.Picture3->height());
    const QImage before = main.Picture3->Image().copy(room);
    Choose("指標(&A)", "一目均衡表(&H)");
    EXPECT_NE(main.Picture3->Image().copy(room), before);
    Choose("指標(&A)", "一目均衡表(&H)");
    EXPECT_EQ(main.Picture3->Image().copy(room), before);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace ranvik
