// The chart window's menu bar as created: menus in order, and the items the
// chart kinds set, with captions, shortcuts and states.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "tests/chart/window/created_menu_items.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindSwitchTest;

class ChartMenuBar : public KindSwitchTest {};

TEST_F(ChartMenuBar, MenusInOrder) {
    Start();
    std::vector<std::string> titles;
    for (QAction* menu : W().MenuBar()->actions()) titles.push_back(menu->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"表示(&F)", "チャート(&C)", "指標(&A)", "指標２(&B)", "ツール(&T)",
                                                "ｳｲﾝﾄﾞｳ(&W)", "会社情報(&K)", "ヘルプ(&H)"}));
}

TEST_F(ChartMenuBar, ItemsAsCreated) {
    Start();
    const test::CreatedItemEnabled items[] = {
        {"mnuColorItem", 0, "ハニーデューメロン(&M)", "", true, true, true},
        {"mnuColorItem", 1, "黒(&B)", "", false, true, true},
        {"mnuColorItem", 2, "ラベンダー(&L)", "", false, true, true},
        {"mnuColorItem", 3, "白(&W)", "", false, true, true},
        {"mnuColorItem", 4, "淡トルコ石(&T)", "", false, true, true},
        {"mnuColorItem", 5, "薄黄(&Y)", "", false, true, true},
        {"mnuColorItem", 6, "小麦(&K)", "", false, true, true},
        {"mnuTopicsDisp", 1, "ﾄﾋﾟｯｸｽを<横>表示(&H)", "Ctrl+F11", false, true, true},
        {"mnuTopicsDisp", 2, "ﾄﾋﾟｯｸｽを<縦>表示(&V)", "Ctrl+F12", false, true, true},
        {"mnuChart上下", 1, "為替チャートの上下を逆転(&Z)", "Ctrl+Z", false, false, true},
        {"mnuChartItem", 1, "ﾛｰｿｸ(&C)", "F1", true, true, true},
        {"mnuChartItem", 2, "銘柄比較(&H)", "F2", false, true, true},
        {"mnuChartItem", 3, "逆ｳｵｯﾁ(&G)", "F3", false, true, true},
        {"mnuChartItem", 4, "ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱ(&P)", "F4", false, true, true},
        {"mnuChartItemeyc", 1, "年毎比較1(&N)", "F5", false, true, true},
        {"mnuChartItemeyc", 2, "年毎比較2(&M)", "F12", false, true, true},
        {"mnuChartItem", 6, "新値三本足(非時系列)(&S)", "F6", false, true, true},
        {"mnuChartItem", 7, "新値三本足(時系列)(&T)", "F11", false, true, true},
        {"mnuHosei", 1, "チャート補正有効(&Y)", "Ctrl+F9", false, false, true},
        {"mnuDataHosei", 1, "データ補正有効(&D)", "", false, false, false},
        {"mnuMisc", 0, "十字線(&L)", "", false, true, true},
        {"mnuMisc", 1, "データ表示(&S)", "", false, true, true},
        {"mnuMisc", 2, "年ローソク足表示(&Y)", "", false, true, true},
        {"mnuMisc", 3, "月ローソク変換(&M)", "", false, true, true},
        {"mnuMisc", 4, "価格帯別出来高(&W)", "", false, true, true},
        {"mnuSelToolItem", 1, "株価データ保守 (&D)", "Ctrl+D", false, true, true},
        {"mnuSelToolItem", 3, "株価データ収集(&F)", "Ctrl+F", false, true, true},
        {"mnuSelToolItem", 7, "Tamelo(&M)", "", false, true, true},
        {"mnuPrt", 1, "ﾁｬｰﾄ印刷(&P)", "Ctrl+P", false, true, true},
        {"mnu会社Item", 0, "業績情報(&I)", "", false, true, true},
    };
    ExpectItemsAsCreated(W(), items);
    EXPECT_TRUE(W().MenuEnabled("mnuSetView"));
    EXPECT_TRUE(W().MenuEnabled("mnuSetView2"));
}

}  // namespace
}  // namespace ranvik
