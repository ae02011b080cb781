#include "core/shared_menu_items.h"

namespace ranvik {

void AddBarItems(MenuItemArray& items) {
    items.Add(0, "ﾊﾟﾗﾒﾀﾊﾞｰ表示(&M)", "Ctrl+Ins");
    items.Add(1, "拡張ﾊﾟﾗﾒﾀﾊﾞｰ表示(&N)", "Shift+Ins");
    items.Add(2, "ﾂｰﾙﾊﾞｰ表示(&T)");
    items.Add(3, "ｱﾄﾞﾚｽ(URL)ﾊﾞｰ表示(&A)", "Ctrl+A");
    items.Add(4, "銘柄リスト表示(&F)", "F9");
    items.Add(5, "ｱﾄﾞﾚｽ(URL)固定(&B)");
    for (int i : {0, 2, 4}) items.SetChecked(i, true);
    items.SetVisible(5, false);
}

void AddFuncExItems(MenuItemArray& items) {
    const char* captions[] = {"比較チャートデータ抜け対策",      "ﾁｬｰﾄ表示日付範囲の表示(&R)",
                              "出来高表示を固定(&F)",            "チャート印刷に日付を付ける(&P)",
                              "チャートの説明を表示(&S)",        "十字線に株価表示(&C)",
                              "株価データファイル名変更",        "業績・時系列データのデバグ(&D)",
                              "ﾎﾟｲﾝﾄ＆ﾌｨｷﾞｭｱに年月線を引く(&L)"};
    for (int i = 0; i <= 8; ++i) {
        items.Add(i, captions[i], i == 7 ? "Shift+Ctrl+F12" : "");
        items.SetChecked(i, i == 3 || i == 5);
    }
}

}  // namespace ranvik
