// The main window's toolbar driving the active chart window: kind and
// option boxes, the crosshair item, commands, load requests and the grid
// row marked as shown; and nothing at all without an active chart window.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "core/toolbar.h"
#include "core/window_management.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::KindSwitchTest;

// A chart window that keeps the requests and commands it receives.
class ListeningForm3 : public KindCountingForm3 {
public:
    ListeningForm3() {
        auto command = CommCheck.OnClick;
        CommCheck.OnClick = [this, command] {
            if (CommCheck.Value() == 1) commands.push_back(Program().commands.ChartCommand);
            command();
        };
    }
    void FG1Text6_Change() override {
        if (!FG1Text6.Text().empty()) requests.push_back(FG1Text6.Text());
        KindCountingForm3::FG1Text6_Change();
    }
    std::vector<std::string> requests;
    std::vector<int> commands;
};

class ToolbarButtons : public KindSwitchTest {
protected:
    void SetUp() override {
        KindSwitchTest::SetUp();
        Makers().chartWindow = [] { return new ListeningForm3; };
    }
    ListeningForm3& L(int no = 1) { return *static_cast<ListeningForm3*>(Program().windows.ChartWindow(no)); }
    void Press(const std::string& key) { form->Toolbar1->Press(key); }
    void Choose(const std::string& key, int index) { form->Toolbar1->ChooseMenuItem(key, index); }
};

TEST_F(ToolbarButtons, KindButtonsSetTheirBoxes) {
    Drawn();
    ListeningForm3& w = L();
    const struct {
        const char* key;
        int box;
    } kinds[] = {{"比較", 2},      {"逆ウオッチ", 3},     {"Ｐ＆Ｆ", 4},       {"年毎比較", 10},
                 {"新値足非時系列", 11}, {"新値足時系列", 12}, {"ローソク", 1}};
    for (const auto& k : kinds) {
        w.Forget();
        Press(k.key);
        EXPECT_EQ(w.CheckBox(k.box)->Value(), 1) << k.key;
        EXPECT_EQ(w.Passes(), 1) << k.key;
        EXPECT_EQ(form->ToolbarButtonValue(k.key), 1) << k.key;
        for (const auto& other : kinds) {
            if (other.box != k.box) {
                EXPECT_EQ(form->ToolbarButtonValue(other.key), 0) << k.key << " " << other.key;
            }
        }
    }
    // Pressed again: the box is 1 already, nothing runs.
    w.Forget();
    Press("ローソク");
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_EQ(w.raisedSignals, 0);
}

TEST_F(ToolbarButtons, OptionButtonsToggleTheirBoxes) {
    Drawn();
    ListeningForm3& w = L();
    const struct {
        const char* key;
        int box;
    } options[] = {{"データ", 6}, {"年", 7}, {"月", 8}, {"出来高", 9}};
    for (const auto& o : options) {
        Press(o.key);
        EXPECT_EQ(w.CheckBox(o.box)->Value(), 1) << o.key;
        EXPECT_EQ(form->ToolbarButtonValue(o.key), 1) << o.key;
        Press(o.key);
        EXPECT_EQ(w.CheckBox(o.box)->Value(), 0) << o.key;
        EXPECT_EQ(form->ToolbarButtonValue(o.key), 0) << o.key;
    }
    // The crosshair button changes the item's mark alone.
    w.Forget();
    Press("十字");
    EXPECT_TRUE(w.Item("mnuMisc", 0).Checked());
    EXPECT_EQ(w.Passes(), 0);
    Press("十字");
    EXPECT_FALSE(w.Item("mnuMisc", 0).Checked());
}

TEST_F(ToolbarButtons, CommandsAndRequests) {
    Drawn();
    ListeningForm3& w = L();
    for (const auto& [key, code] : std::vector<std::pair<const char*, int>>{
             {"拡大", 1}, {"縮小", 2}, {"指標窓", 3}, {"出来高域", 5}, {"色", 99}}) {
        w.commands.clear();
        Press(key);
        EXPECT_EQ(w.commands, std::vector<int>{code}) << key;
        EXPECT_EQ(w.CommCheck.Value(), 0) << key;
    }
    w.commands.clear();
    Choose("色", 7);
    EXPECT_EQ(Program().commands.BackColorIndex, 6);
    EXPECT_EQ(w.commands, std::vector<int>{199});
    Choose("色", 1);
    EXPECT_EQ(Program().commands.BackColorIndex, 0);

    w.requests.clear();
    Program().selection.ChartLoadMode = "s";
    // The view buttons first: the year-by-year comparison disables them.
    Press("ボタン１");
    Press("ボタン２");
    Choose("年毎比較", 1);
    Choose("年毎比較", 2);
    EXPECT_EQ(w.requests, (std::vector<std::string>{"1", "2", "11", "12"}));
    EXPECT_EQ(Program().selection.ChartLoadMode, "s");
}

// The partial and full view buttons mark the row of the grid pressed last
// as shown.
TEST_F(ToolbarButtons, TheViewButtonsMarkTheRowOfTheLastGrid) {
    Drawn();
    const Color untouched = RGB(1, 2, 3);
    for (int grid : {1, 2}) {
        form->SelectedFileRow = 2;
        form->SelectedListRow = 2;
        form->MSFGrid1->SetCellBackColorAt(2, 1, untouched);
        form->MSF全Grid2->SetCellBackColorAt(2, 1, untouched);
        form->LastSelectedGrid = static_cast<std::int16_t>(grid);
        Press(grid == 1 ? "ボタン１" : "ボタン２");
        EXPECT_EQ(form->MSFGrid1->CellBackColorAt(2, 1) != untouched, grid == 1) << grid;
        EXPECT_EQ(form->MSF全Grid2->CellBackColorAt(2, 1) != untouched, grid == 2) << grid;
    }
}

// Without an active chart window the chart buttons do nothing: no window
// open (their enabled state bypassed), or another child window in front.
TEST_F(ToolbarButtons, NoActiveChartWindow) {
    Start();
    L().mnuMadoClose_Click();
    ASSERT_EQ(Program().windows.ChartWindow1, nullptr);
    form->SetToolbarButtonsEnabled(5, 27, true);
    Program().commands.ChartCommand = 0;
    for (int p = 5; p <= 27; ++p) {
        if (!Toolbar::KeyAt(p).empty()) Press(Toolbar::KeyAt(p));
    }
    Choose("色", 3);
    Choose("年毎比較", 1);
    EXPECT_EQ(Program().commands.ChartCommand, 0);

    OpenChartWindow();
    ListeningForm3& w = L();
    RunToolMenu(1);
    ASSERT_NE(form->ActiveChild(), &w);
    form->SetToolbarButtonsEnabled(5, 27, true);
    w.Forget();
    // The window's load applied its background colour through its own
    // command; only what follows counts.
    w.commands.clear();
    for (const char* key : {"比較", "データ", "拡大", "ボタン１", "十字"}) Press(key);
    Choose("年毎比較", 2);
    EXPECT_EQ(w.Check1.Value(), 1);
    EXPECT_EQ(w.Check6.Value(), 0);
    EXPECT_TRUE(w.commands.empty());
    EXPECT_TRUE(w.requests.empty());
    EXPECT_FALSE(w.Item("mnuMisc", 0).Checked());
}

TEST_F(ToolbarButtons, TheWindowButtons) {
    Start();
    Press("窓");
    EXPECT_NE(Program().windows.ChartWindow2, nullptr);
    Press("窓ＬＲ");
    Press("窓ＵＤ");
    Press("業績グラフ");
    EXPECT_NE(Program().windows.ChartWindow1, nullptr);
}

// A disabled button does not act; the buttons never take the focus.
TEST_F(ToolbarButtons, DisabledButtonsAndTheFocus) {
    Drawn();
    ListeningForm3& w = L();
    form->SetToolbarButtonEnabled("比較", false);
    Press("比較");
    EXPECT_EQ(w.Check2.Value(), 0);
    EXPECT_EQ(form->ToolbarButtonValue("比較"), 0);
    for (int p = 1; p <= Toolbar::kPositions; ++p) {
        if (QToolButton* b = form->Toolbar1->Button(Toolbar::KeyAt(p))) {
            EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << p;
        }
    }
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->Picture1->setFocus();
    form->Toolbar1->Button("データ")->click();
    EXPECT_EQ(w.Check6.Value(), 1);
    EXPECT_TRUE(form->Picture1->hasFocus());
}

}  // namespace
}  // namespace ranvik
