// The toolbar's buttons as built: keys by position, styles, pictures, tool
// tips, descriptions, button menus, and the pressed state by style.
#include <gtest/gtest.h>

#include <QToolButton>

#include "core/toolbar.h"

namespace ranvik {
namespace {

using S = Toolbar::Style;

TEST(Toolbar, TheButtonsByPosition) {
    Toolbar bar;
    const struct {
        const char* key;
        S style;
        int image;
        const char* toolTip;
    } positions[27] = {
        {"窓", S::Normal, 1, "チャート表示窓を追加"},
        {"窓ＬＲ", S::Normal, 2, "チャート表示窓を左右に整列"},
        {"窓ＵＤ", S::Normal, 3, "チャート表示窓を上下に整列"},
        {"", S::Separator, 0, ""},
        {"ローソク", S::Group, 4, "ローソク足チャートを描く"},
        {"比較", S::Group, 5, "銘柄比較チャートを描く"},
        {"逆ウオッチ", S::Group, 6, "逆ウオッチチャートを描く"},
        {"Ｐ＆Ｆ", S::Group, 7, "ポイント＆フィギュアを描く"},
        {"年毎比較", S::DropDown, 8, "年毎比較チャートを描く"},
        {"新値足非時系列", S::Group, 9, "新値三本足　非時系列チャートを描く"},
        {"新値足時系列", S::Group, 10, "新値三本足　時系列チャートを描く"},
        {"", S::Separator, 0, ""},
        {"十字", S::Check, 11, "縦横線表示"},
        {"データ", S::Check, 12, "株価データ表示"},
        {"年", S::Check, 13, "年ローソク小窓"},
        {"月", S::Check, 14, "月ローソク"},
        {"出来高", S::Check, 15, "価格帯別出来高"},
        {"", S::Separator, 0, ""},
        {"拡大", S::Normal, 16, "徐々に拡大表示1"},
        {"縮小", S::Normal, 17, "徐々に縮小表示1"},
        {"ボタン１", S::Normal, 18, "部分表示"},
        {"ボタン２", S::Normal, 19, "全表示"},
        {"指標窓", S::Normal, 20, "指標画面拡大/復帰"},
        {"出来高域", S::Normal, 21, "出来高域拡大/復帰"},
        {"色", S::DropDown, 22, "背景色七変化"},
        {"", S::Separator, 0, ""},
        {"業績グラフ", S::Normal, 23, "業績情報"},
    };
    for (int p = 1; p <= 27; ++p) {
        const auto& e = positions[p - 1];
        EXPECT_EQ(Toolbar::KeyAt(p), e.key) << p;
        if (*e.key == '\0') continue;
        EXPECT_EQ(Toolbar::PositionOf(e.key), p);
        EXPECT_EQ(bar.StyleOf(e.key), e.style) << p;
        EXPECT_EQ(bar.ImageOf(e.key), e.image) << p;
        EXPECT_EQ(bar.ToolTipOf(e.key), e.toolTip) << p;
        EXPECT_EQ(bar.Button(e.key)->toolTip().toStdString(), e.toolTip) << p;
        EXPECT_EQ(bar.Button(e.key)->focusPolicy(), Qt::NoFocus) << p;
        EXPECT_EQ(bar.Value(e.key), p == 5 ? 1 : 0) << p;
        EXPECT_TRUE(bar.Enabled(e.key)) << p;
    }
    EXPECT_EQ(Toolbar::KeyAt(0), "");
    EXPECT_EQ(Toolbar::KeyAt(28), "");
    EXPECT_EQ(bar.DescriptionOf("窓"), "チャート表示窓を追加");
    EXPECT_EQ(bar.DescriptionOf("窓ＬＲ"), "表示窓を左右に整列");
    EXPECT_EQ(bar.DescriptionOf("窓ＵＤ"), "表示窓を上下に整列");
    // Twenty-three pictures of their own, all told apart.
    for (int n = 1; n <= 23; ++n) {
        const QImage image = ToolbarImage(n).toImage();
        EXPECT_FALSE(image.isNull()) << n;
        for (int m = 1; m < n; ++m) EXPECT_NE(image, ToolbarImage(m).toImage()) << n << " " << m;
    }
}

TEST(Toolbar, TheButtonMenus) {
    Toolbar bar;
    std::vector<std::pair<std::string, std::string>> colours;
    for (const auto& e : bar.MenuOf("色")) colours.emplace_back(e.text, e.key);
    EXPECT_EQ(colours, (std::vector<std::pair<std::string, std::string>>{
                           {"ハニーデューメロン(&H)", "Honydew"}, {"黒(&B)", "Black"},
                           {"ラベンダー(&L)", "Lavender"},        {"白(&W)", "White"},
                           {"淡トルコ石(&T)", "Paleturqoise"},    {"薄黄(&Y)", "lightyellow"},
                           {"小麦(&K)", "Wheat"}}));
    std::vector<std::string> years;
    for (const auto& e : bar.MenuOf("年毎比較")) years.push_back(e.text);
    EXPECT_EQ(years, (std::vector<std::string>{"年毎比較１(&N)", "年毎比較２(&M)"}));

    std::vector<std::pair<std::string, int>> chosen;
    std::vector<std::string> pressed;
    bar.ButtonMenuClick = [&](const std::string& text, int index) { chosen.emplace_back(text, index); };
    bar.ButtonClick = [&](const std::string& key) { pressed.push_back(key); };
    bar.ChooseMenuItem("色", 7);
    bar.ChooseMenuItem("年毎比較", 2);
    bar.ChooseMenuItem("色", 8);
    bar.Press("色");
    EXPECT_EQ(chosen, (std::vector<std::pair<std::string, int>>{{"小麦(&K)", 7}, {"年毎比較２(&M)", 2}}));
    EXPECT_EQ(pressed, std::vector<std::string>{"色"});
}

// A group button is pressed and releases the rest of the kinds; a check
// button toggles; a disabled one neither changes nor reports.
TEST(Toolbar, PressedStatesByStyle) {
    Toolbar bar;
    std::vector<std::string> pressed;
    bar.ButtonClick = [&](const std::string& key) { pressed.push_back(key); };
    bar.Press("比較");
    EXPECT_EQ(bar.Value("比較"), 1);
    EXPECT_EQ(bar.Value("ローソク"), 0);
    bar.Press("年毎比較");
    EXPECT_EQ(bar.Value("年毎比較"), 1);
    EXPECT_EQ(bar.Value("比較"), 0);
    bar.Press("年毎比較");
    EXPECT_EQ(bar.Value("年毎比較"), 1);
    bar.Press("データ");
    EXPECT_EQ(bar.Value("データ"), 1);
    EXPECT_EQ(bar.Value("年毎比較"), 1);
    bar.Press("データ");
    EXPECT_EQ(bar.Value("データ"), 0);
    bar.SetEnabled("月", false);
    bar.Press("月");
    EXPECT_EQ(bar.Value("月"), 0);
    EXPECT_FALSE(bar.Button("月")->isEnabled());
    EXPECT_EQ(pressed, (std::vector<std::string>{"比較", "年毎比較", "年毎比較", "データ", "データ"}));
    bar.SetValue("十字", 1);
    EXPECT_TRUE(bar.Button("十字")->isChecked());
}

}  // namespace
}  // namespace ranvik
