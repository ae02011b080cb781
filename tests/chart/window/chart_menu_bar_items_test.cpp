// The chart window's menu bar item by item: every menu's entries in order,
// the shell items' captions, shortcuts and states as created, and what the
// tools, window, help and bar items do.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "core/splash.h"
#include "tests/chart/window/created_menu_items.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

class ChartMenuBarItems : public test::KindSwitchTest {
protected:
    // The entries of the bar's menu `title`: captions, "-" for a separator,
    // a submenu by its title; hidden entries too.
    std::vector<std::string> Entries(const std::string& title) {
        for (QAction* menu : W().MenuBar()->actions()) {
            if (menu->text().toStdString() != title || menu->menu() == nullptr) continue;
            std::vector<std::string> entries;
            for (QAction* a : menu->menu()->actions()) entries.push_back(a->isSeparator() ? "-" : a->text().toStdString());
            return entries;
        }
        return {};
    }
};

TEST_F(ChartMenuBarItems, EveryMenuHoldsItsEntriesInOrder) {
    Start();
    using V = std::vector<std::string>;
    EXPECT_EQ(Entries("表示(&F)"),
              (V{"部分表示(&P)", "全表示(&D)", "徐々に拡大表示1(&J)", "徐々に拡大表示2(&K)", "徐々に縮小表示1(&S)",
                 "徐々に縮小表示2(&U)", "-", "背景色(&B)", "-", "ﾄﾋﾟｯｸｽを<横>表示(&H)", "ﾄﾋﾟｯｸｽを<縦>表示(&V)", "-",
                 "指標画面拡大(&R)", "出来高画面拡大(&Y)", "指標画面表示(&I)", "チャート表示域論理幅(&W)",
                 "データカットチャート表示(&E)", "-", "為替チャートの上下を逆転(&Z)", "-", "ﾊﾟﾗﾒﾀﾊﾞｰ表示(&M)",
                 "拡張ﾊﾟﾗﾒﾀﾊﾞｰ表示(&N)", "ﾂｰﾙﾊﾞｰ表示(&T)", "ｱﾄﾞﾚｽ(URL)ﾊﾞｰ表示(&A)", "銘柄リスト表示(&F)",
                 "ｱﾄﾞﾚｽ(URL)固定(&B)", "-", "その他機能(&O)", "-", "チャート表示窓を閉じる(&C)", "-",
                 "アプリケーション終了(&X)"}));
    EXPECT_EQ(Entries("チャート(&C)"),
              (V{"ﾛｰｿｸ(&C)", "銘柄比較(&H)", "逆ｳｵｯﾁ(&G)", "ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱ(&P)", "年毎比較(&N)",
                 "新値三本足(非時系列)(&S)", "新値三本足(時系列)(&T)", "-", "チャート補正有効(&Y)", "データ補正有効(&D)"}));
    EXPECT_EQ(Entries("指標２(&B)"),
              (V{"十字線(&L)", "データ表示(&S)", "年ローソク足表示(&Y)", "月ローソク変換(&M)", "価格帯別出来高(&W)"}));
    EXPECT_EQ(Entries("ツール(&T)"), (V{"株価データ保守 (&D)", "株価データ収集(&F)", "Tamelo(&M)", "ﾁｬｰﾄ印刷(&P)"}));
    EXPECT_EQ(Entries("ｳｲﾝﾄﾞｳ(&W)"),
              (V{"重ねて表示(&D)", "上下に並べて表示(&H)", "左右に並べて表示(&V)", "ｱｲｺﾝを整列(&I)", "-",
                 "株価データ保守(&J)", "業績情報(&K)", "-", "ﾁｬｰﾄ表示窓を追加(&C)"}));
    EXPECT_EQ(Entries("会社情報(&K)"), (V{"業績情報(&I)", "業績データ(&D)", "ネットページ(&P)"}));
    EXPECT_EQ(Entries("ヘルプ(&H)"), (V{"説明(&H)", "ﾌﾟﾛｸﾞﾗﾑ情報(&P)"}));
}

TEST_F(ChartMenuBarItems, ShellItemsAsCreated) {
    Start();
    const test::CreatedItem items[] = {
        {"mnu表示ボタン", 1, "部分表示(&P)", "F7", false, true},
        {"mnu表示ボタン", 2, "全表示(&D)", "F8", false, true},
        {"mnu表示ボタン", 3, "徐々に拡大表示1(&J)", "", false, true},
        {"mnu表示ボタン", 4, "徐々に拡大表示2(&K)", "Shift+F5", false, true},
        {"mnu表示ボタン", 5, "徐々に縮小表示1(&S)", "", false, true},
        {"mnu表示ボタン", 6, "徐々に縮小表示2(&U)", "Shift+F6", false, true},
        {"mnuGamen比", 1, "指標画面拡大(&R)", "", false, true},
        {"mnuGamen比", 2, "出来高画面拡大(&Y)", "", false, true},
        {"mnuGamen比", 3, "指標画面表示(&I)", "", true, true},
        {"mnuGamen比", 4, "チャート表示域論理幅(&W)", "Alt+Backspace", false, true},
        {"mnuGamen比", 5, "データカットチャート表示(&E)", "", false, true},
        {"mnuTool0", 0, "ﾊﾟﾗﾒﾀﾊﾞｰ表示(&M)", "Ctrl+Ins", true, true},
        {"mnuTool0", 1, "拡張ﾊﾟﾗﾒﾀﾊﾞｰ表示(&N)", "Shift+Ins", false, true},
        {"mnuTool0", 2, "ﾂｰﾙﾊﾞｰ表示(&T)", "", true, true},
        {"mnuTool0", 3, "ｱﾄﾞﾚｽ(URL)ﾊﾞｰ表示(&A)", "Ctrl+A", false, true},
        {"mnuTool0", 4, "銘柄リスト表示(&F)", "F9", true, true},
        {"mnuTool0", 5, "ｱﾄﾞﾚｽ(URL)固定(&B)", "", false, false},
        {"mnuFuncExItem", 0, "比較チャートデータ抜け対策", "", false, false},
        {"mnuFuncExItem", 1, "ﾁｬｰﾄ表示日付範囲の表示(&R)", "", false, true},
        {"mnuFuncExItem", 2, "出来高表示を固定(&F)", "", false, true},
        {"mnuFuncExItem", 3, "チャート印刷に日付を付ける(&P)", "", true, true},
        {"mnuFuncExItem", 4, "チャートの説明を表示(&S)", "", false, true},
        {"mnuFuncExItem", 5, "十字線に株価表示(&C)", "", true, true},
        {"mnuFuncExItem", 6, "株価データファイル名変更", "", false, false},
        {"mnuFuncExItem", 7, "業績・時系列データのデバグ(&D)", "Shift+Ctrl+F12", false, false},
        {"mnuFuncExItem", 8, "ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱに年月線を引く(&L)", "", false, true},
        {"mnuMadoClose", 1, "チャート表示窓を閉じる(&C)", "", false, true},
        {"mnuEnd", 1, "アプリケーション終了(&X)", "Ctrl+X", false, true},
        {"mnuWinItem", 0, "重ねて表示(&D)", "", false, true},
        {"mnuWinItem", 1, "上下に並べて表示(&H)", "", false, true},
        {"mnuWinItem", 2, "左右に並べて表示(&V)", "", false, true},
        {"mnuWinItem", 3, "ｱｲｺﾝを整列(&I)", "", false, false},
        {"mnuWinItem", 5, "株価データ保守(&J)", "", false, false},
        {"mnuWinItem", 6, "業績情報(&K)", "", false, false},
        {"mnuWinItem", 8, "ﾁｬｰﾄ表示窓を追加(&C)", "", false, true},
        {"mnu会社Item", 1, "業績データ(&D)", "", false, false},
        {"mnu会社Item", 2, "ネットページ(&P)", "", false, false},
        {"mnuHelpItem", 0, "説明(&H)", "", false, true},
        {"mnuHelpItem", 1, "ﾌﾟﾛｸﾞﾗﾑ情報(&P)", "", false, true},
    };
    ExpectItemsAsCreated(W(), items);
}

TEST_F(ChartMenuBarItems, HelpItemsShowTheirPageOrTheInformationBox) {
    test::KindCountingForm3& w = Drawn();
    const std::string helpFile = Program().app.HelpFilePath;
    const struct {
        bool collecting;
        const char* page;
    } cases[] = {{false, "Manual\\RanvikC5.html"}, {true, "Manual\\RanvikC8.html"}};
    for (const auto& c : cases) {
        form->Picture11->setVisible(c.collecting);
        help->calls.clear();
        w.Item("mnuHelpItem", 0).Choose();
        EXPECT_EQ(help->calls, (std::vector<HelpCall>{{"show", helpFile, c.page}})) << c.page;
    }
    form->Picture11->hide();
    EXPECT_EQ(OpenSplash(), nullptr);
    w.Item("mnuHelpItem", 1).Choose();
    QPointer<frmSplash> box = OpenSplash();
    ASSERT_FALSE(box.isNull());
    EXPECT_FALSE(box->isHidden());
    box->close();
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ChartMenuBarItems, TheMainWindowsHelpPageFollowsWhatIsOnScreen) {
    Drawn();
    const std::string helpFile = Program().app.HelpFilePath;
    // A chart window is the active child; the collection panel, when open,
    // decides whatever window is active.
    form->Item("mnuHelpItem", 1).Choose();
    form->Picture11->show();
    form->Item("mnuHelpItem", 1).Choose();
    form->Picture11->hide();
    W().mnuMadoClose_Click();
    ASSERT_EQ(form->ActiveChild(), nullptr);
    form->Item("mnuHelpItem", 1).Choose();
    EXPECT_EQ(help->calls, (std::vector<HelpCall>{{"show", helpFile, "Manual\\RanvikC6.html"},
                                                  {"show", helpFile, "Manual\\RanvikC8.html"},
                                                  {"show", helpFile, "Manual\\RanvikC5.html"}}));
    EXPECT_EQ(OpenSplash(), nullptr);
    form->Item("mnuHelpItem", 2).Choose();
    QPointer<frmSplash> box = OpenSplash();
    ASSERT_FALSE(box.isNull());
    box->close();
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ChartMenuBarItems, ToolAndWindowItemsReachTheMainWindow) {
    test::KindCountingForm3& w = Drawn();
    // The collection panel opens and closes.
    ASSERT_TRUE(form->Picture11->isHidden());
    w.Item("mnuSelToolItem", 3).Choose();
    EXPECT_FALSE(form->Picture11->isHidden());
    w.Item("mnuSelToolItem", 3).Choose();
    EXPECT_TRUE(form->Picture11->isHidden());
    // The windows of items 5 and 6 are not open: nothing.
    w.mnuWinItem_Click(5);
    w.mnuWinItem_Click(6);
    EXPECT_EQ(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_EQ(Program().windows.CompanyInfoWindow, nullptr);
    // Item 8 opens the next chart window.
    w.Item("mnuWinItem", 8).Choose();
    EXPECT_NE(Program().windows.ChartWindow2, nullptr);
    // Item 1 of the tools opens the data maintenance window.
    w.Item("mnuSelToolItem", 1).Choose();
    EXPECT_NE(Program().windows.MaintenanceWindow, nullptr);
    EXPECT_TRUE(messages->shown.empty());
    // Item 7 starts the list editor, here missing from the program folder.
    w.Item("mnuSelToolItem", 7).Choose();
    EXPECT_EQ(Program().app.ListEditorTaskId, 0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"055, Tameloプログラムが見つかりません"});
}

TEST_F(ChartMenuBarItems, BarItemsGiveTheListGridTheirRoomAndMarkEveryWindow) {
    test::KindCountingForm3& w = Drawn();
    RunWindowMenu(8);
    ChartWindowBase* two = Program().windows.ChartWindow2;
    ASSERT_NE(two, nullptr);
    for (int index : {0, 2, 3}) {
        for (int pass = 0; pass < 2; ++pass) {
            const bool shown = w.Item("mnuTool0", index).Checked();
            const int grid = HeightOf(form->MSF全Grid2);
            QWidget* strip = index == 0 ? static_cast<QWidget*>(form->Picture3) : index == 2 ? static_cast<QWidget*>(form->Picture1) : form->Picture4;
            const int bar = HeightOf(strip);
            w.mnuTool0_Click(index);
            EXPECT_EQ(HeightOf(form->MSF全Grid2), grid + (shown ? bar : -bar)) << index;
            for (ChildForm* window : {static_cast<ChildForm*>(&w), static_cast<ChildForm*>(two)}) {
                EXPECT_EQ(window->Item("mnuTool0", index).Checked(), !shown) << index;
            }
            EXPECT_EQ(form->Item("mnuFileItem", index).Checked(), !shown) << index;
        }
    }
    // Item 5 has no action.
    const int grid = HeightOf(form->MSF全Grid2);
    w.mnuTool0_Click(5);
    EXPECT_FALSE(w.Item("mnuTool0", 5).Checked());
    EXPECT_EQ(HeightOf(form->MSF全Grid2), grid);
}

}  // namespace
}  // namespace ranvik
