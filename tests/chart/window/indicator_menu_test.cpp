// The indicator menu 指標 of a chart window: its items, the marks a click
// leaves, what the clicks do to the main window's quick parameter bar and
// the window's remembered periods, the number of redraws, and the mark of
// 出来高移動平均 kept in the settings file.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <set>

#include "core/settings_file.h"
#include "core/window_management.h"
#include "platform/ui/control_colors.h"
#include "tests/chart/window/created_menu_items.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::KindSwitchTest;

// Items by name; elements other than 1 as "mnuVolRate2".
const char* const kMarkItems[] = {
    "mnuIdouHeikin", "mnu一目",      "mnu一目雲のみ", "mnuボリンジャ",  "mnuEnvelope", "mnuHLband",   "mnuBBdaikin",
    "mnu陰陽足",     "mnuPibott",    "mnu3Days",      "mnuParabolic",   "mnuKagiAshi", "mnuKagiAshi2", "mnu線形回帰",
    "mnuKairiRitsu", "mnu2LineKairiRitsu", "mnuPerOscillator", "mnuモメンタム", "mnuRSI", "mnuRCI", "mnuストキャス",
    "mnuMACD",       "mnuVector",    "mnuOBV",        "mnuDekidaka",    "mnuDekiIdou", "mnuSinyouBB", "mnuVolRate",
    "mnuVolRate2",   "mnuVolRate3",  "mnuPSY"};

MenuItem ItemNamed(const KindCountingForm3& w, const std::string& name) {
    const char last = name.back();
    if (last == '2' || last == '3') {
        const std::string array = name.substr(0, name.size() - 1);
        if (w.Menu(array) != nullptr) return w.Item(array, last - '0');
    }
    return w.Item(name, 1);
}

std::set<std::string> Marks(const KindCountingForm3& w) {
    std::set<std::string> marks;
    for (const char* name : kMarkItems) {
        if (ItemNamed(w, name).Checked()) marks.insert(name);
    }
    return marks;
}

void SetMarks(const KindCountingForm3& w, const std::set<std::string>& marks) {
    for (const char* name : kMarkItems) ItemNamed(w, name).SetChecked(marks.count(name) != 0);
}

// A click as the menu gives it.
void Click(KindCountingForm3& w, const std::string& name) {
    const char last = name.back();
    int index = 1;
    std::string array = name;
    if ((last == '2' || last == '3') && w.Menu(name.substr(0, name.size() - 1)) != nullptr) {
        index = last - '0';
        array = name.substr(0, name.size() - 1);
    }
    w.Menu(array)->Choose(index);
}

std::string Caption(MDIForm1& main, int label) { return main.QuickLabels[label]->text().toStdString(); }
Color ColourOf(MDIForm1& main, int label) { return ForeColorOf(main.QuickLabels[label]); }

const Color kLit = QBColor(12);
const Color kIdle = RGB(150, 150, 150);

class IndicatorMenu : public KindSwitchTest {};

TEST_F(IndicatorMenu, TheItemsAsCreated) {
    Start();
    KindCountingForm3& w = W();
    const test::CreatedItem items[] = {
        {"mnuIdouHeikin", 1, "移動平均線(&I)", "Ctrl+I", true, true},
        {"mnu一目", 1, "一目均衡表(&H)", "Ctrl+H", false, true},
        {"mnu一目雲のみ", 1, "一目均衡表雲のみ", "", false, false},
        {"mnuボリンジャ", 1, "ボリンジャーバンド(&B)", "Ctrl+B", false, true},
        {"mnuEnvelope", 1, "エンベロープ(&E)", "Ctrl+E", false, true},
        {"mnuHLband", 1, "HLバンド(&U)", "Ctrl+U", false, true},
        {"mnuBBdaikin", 1, "売買代金移動平均(&T)", "Ctrl+T", false, true},
        {"mnu陰陽足", 1, "陰陽足(&A)", "Shift+F12", false, true},
        {"mnuPibott", 1, "ピボット(&P)", "Shift+F11", false, true},
        {"mnu3Days", 1, "三日平均線", "Shift+F7", false, true},
        {"mnuParabolic", 1, "ﾊﾟﾗﾎﾞﾘｯｸﾀｲﾑﾌﾟﾗｲｽ(&G)", "Ctrl+G", false, true},
        {"mnuKagiAshi", 1, "時系列カギ足(&J)", "Ctrl+J", false, true},
        {"mnuKagiAshi", 2, "非時系列カギ足(&K)", "", false, true},
        {"mnu線形回帰", 1, "線形回帰ﾄﾚﾝﾄﾞ(&Q)", "Ctrl+Q", false, true},
        {"mnuKairiRitsu", 1, "移動平均乖離率(&K)", "Ctrl+K", false, true},
        {"mnu2LineKairiRitsu", 1, "移動平均２線乖離率", "Shift+F9", false, false},
        {"mnuPerOscillator", 1, "％Ｒオシレータ(&O)", "Ctrl+O", false, true},
        {"mnuモメンタム", 1, "モメンタム(%)(&M)", "Ctrl+M", false, true},
        {"mnuRSI", 1, "RSI(&R)", "Ctrl+R", true, true},
        {"mnuRCI", 1, "RCI(&N)", "Ctrl+N", false, true},
        {"mnuストキャス", 1, "ｽﾄｷｬｽﾃｲｸｽ(&S)", "Ctrl+S", false, true},
        {"mnuMACD", 1, "MACD(&C)", "Ctrl+C", false, true},
        {"mnuVector", 1, "ベクトル(&V)", "Ctrl+V", false, true},
        {"mnuOBV", 1, "OBV(&Z)", "Shift+Del", false, true},
        {"mnuDekidaka", 1, "出来高(&D)", "Shift+F4", true, true},
        {"mnuDekiIdou", 1, "出来高移動平均(&D)", "Shift+F3", true, true},
        {"mnuSinyouBB", 1, "信用売買高(&F)", "Shift+F1", true, true},
        {"mnuVolRate", 1, "ﾎﾞﾘｭｰﾑﾚｼｵ(1)(&W)", "Ctrl+W", false, true},
        {"mnuVolRate", 2, "ﾎﾞﾘｭｰﾑﾚｼｵ(2)(&Y)", "Ctrl+Y", false, true},
        {"mnuVolRate", 3, "ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ(&K)", "Shift+F8", false, true},
        {"mnuPSY", 1, "ｻｲｺﾛｼﾞｶﾙﾗｲﾝ(&L)", "Ctrl+L", false, true},
    };
    // No settings file in the folder: the marks as designed.
    ExpectItemsAsCreated(w, items);
    ASSERT_NE(w.IndicatorMenu(), nullptr);
    EXPECT_EQ(w.IndicatorMenu()->title().toStdString(), "指標(&A)");
}

// (marks before, item clicked) -> marks after.
TEST_F(IndicatorMenu, ClicksMoveTheMarks) {
    using Set = std::set<std::string>;
    const struct {
        Set before;
        const char* click;
        Set after;
    } cases[] = {
        {{"mnuIdouHeikin", "mnuRSI", "mnuDekidaka"}, "mnu一目", {"mnu一目", "mnuRSI", "mnuDekidaka"}},
        {{"mnuIdouHeikin", "mnuRSI"}, "mnuIdouHeikin", {"mnuRSI"}},
        {{"mnuPibott", "mnuMACD"}, "mnuIdouHeikin", {"mnuIdouHeikin", "mnuMACD"}},
        {{"mnu陰陽足", "mnu3Days", "mnuPibott"}, "mnuEnvelope", {"mnuEnvelope"}},
        {{"mnuIdouHeikin", "mnu一目雲のみ"}, "mnu一目", {"mnu一目", "mnu一目雲のみ"}},
        {{"mnu一目", "mnu一目雲のみ"}, "mnu一目", {"mnu一目雲のみ"}},
        {{"mnuRSI", "mnuIdouHeikin"}, "mnuMACD", {"mnuMACD", "mnuIdouHeikin"}},
        {{"mnuMACD"}, "mnuMACD", {}},
        {{"mnuKairiRitsu", "mnuOBV"}, "mnuVector", {"mnuVector"}},
        {{"mnuVolRate2", "mnuDekidaka", "mnuSinyouBB"}, "mnuVolRate2", {"mnuDekidaka", "mnuSinyouBB"}},
        {{"mnuDekiIdou", "mnuDekidaka"}, "mnuPSY", {"mnuPSY", "mnuDekidaka"}},
        {{"mnuVolRate3"}, "mnuVolRate", {"mnuVolRate"}},
        {{"mnuKagiAshi"}, "mnuKagiAshi2", {"mnuKagiAshi2"}},
        {{"mnuKagiAshi2", "mnuIdouHeikin"}, "mnuKagiAshi2", {"mnuIdouHeikin"}},
        {{"mnuParabolic", "mnuIdouHeikin", "mnuRSI"}, "mnu線形回帰", {"mnuParabolic", "mnuIdouHeikin", "mnuRSI", "mnu線形回帰"}},
        {{"mnuParabolic"}, "mnuParabolic", {}},
        {{"mnuDekidaka", "mnuDekiIdou"}, "mnuDekidaka", {"mnuDekiIdou"}},
        {{"mnuSinyouBB"}, "mnuSinyouBB", {}},
        {{}, "mnuSinyouBB", {"mnuSinyouBB"}},
        {{"mnu一目", "mnuRSI"}, "mnu一目雲のみ", {"mnu一目", "mnu一目雲のみ", "mnuRSI"}},
    };
    Start();
    KindCountingForm3& w = W();
    for (const auto& c : cases) {
        SetMarks(w, c.before);
        w.Item("mnu一目雲のみ", 1).SetVisible(c.before.count("mnu一目") != 0);
        Click(w, c.click);
        EXPECT_EQ(Marks(w), c.after) << c.click;
        EXPECT_EQ(w.Item("mnu一目雲のみ", 1).Visible(), c.after.count("mnu一目") != 0) << c.click;
    }
}

// With a drawn chart every click draws once; ピボット cleared by another
// overlay through its own handler does not draw a second time.
TEST_F(IndicatorMenu, EveryClickDrawsOnce) {
    KindCountingForm3& w = Drawn();
    const struct {
        std::set<std::string> before;
        const char* click;
    } cases[] = {
        {{"mnuPibott"}, "mnuIdouHeikin"}, {{"mnu陰陽足"}, "mnuHLband"}, {{"mnu3Days"}, "mnu3Days"},
        {{"mnuRSI"}, "mnuKairiRitsu"},    {{"mnuRSI"}, "mnuMACD"},       {{}, "mnuVolRate2"},
        {{}, "mnuKagiAshi"},              {{"mnu一目"}, "mnu一目雲のみ"},         {{"mnuDekidaka"}, "mnuDekidaka"},
        {{}, "mnuParabolic"},             {{}, "mnu線形回帰"},           {{"mnuPibott"}, "mnuPibott"},
    };
    for (const auto& c : cases) {
        SetMarks(w, c.before);
        w.Item("mnu一目雲のみ", 1).SetVisible(c.before.count("mnu一目") != 0);
        w.Forget();
        Click(w, c.click);
        EXPECT_EQ(w.Passes(), 1) << c.click;
    }
    // The group reset's call: no redraw.
    SetMarks(w, {"mnu陰陽足"});
    w.Forget();
    w.mnu陰陽足_Click(3);
    EXPECT_FALSE(w.Item("mnu陰陽足", 1).Checked());
    EXPECT_EQ(w.Passes(), 0);
}

TEST_F(IndicatorMenu, AClickBeforeAChartChangesMarksOnly) {
    Start();
    KindCountingForm3& w = W();
    w.Forget();
    Click(w, "mnuRCI");
    Click(w, "mnuPSY");
    Click(w, "mnuBBdaikin");
    EXPECT_EQ(w.Passes(), 0);
    EXPECT_EQ(Marks(w), (std::set<std::string>{"mnuRCI", "mnuPSY", "mnuBBdaikin", "mnuDekidaka", "mnuSinyouBB"}));
}

// The quick bar's captions, colours and boxes the overlay clicks leave.
TEST_F(IndicatorMenu, OverlaysOnTheQuickBar) {
    MDIForm1& main = Start();
    KindCountingForm3& w = W();
    Click(w, "mnu一目");
    EXPECT_EQ(Caption(main, 8), "転換線  <=");
    EXPECT_EQ(ColourOf(main, 8), kLit);
    EXPECT_EQ(Caption(main, 9), "基準線");
    EXPECT_EQ(ColourOf(main, 9), kLit);
    EXPECT_TRUE(main.QuickBoxes[4]->isEnabled());
    EXPECT_TRUE(main.QuickBoxes[5]->isEnabled());
    EXPECT_TRUE(w.Item("mnu一目雲のみ", 1).Visible());
    main.QuickBoxes[4]->setText("9");
    main.QuickBoxes[5]->setText("26");
    w.Fields().OverlayPeriods = {9, 26, 52, 0};
    Click(w, "mnu一目");
    EXPECT_EQ(Caption(main, 8), "移動平均");
    EXPECT_EQ(ColourOf(main, 8), kLit);
    EXPECT_EQ(ColourOf(main, 9), kIdle);
    EXPECT_TRUE(main.QuickBoxes[4]->isEnabled());
    EXPECT_FALSE(main.QuickBoxes[5]->isEnabled());
    EXPECT_EQ(main.QuickBoxes[4]->text().toStdString(), "");
    EXPECT_EQ(main.QuickBoxes[5]->text().toStdString(), "");
    EXPECT_EQ(w.Fields().OverlayPeriods, (std::array<std::int16_t, 4>{0, 0, 0, 0}));

    w.Fields().EnvelopePct = 3;
    w.Fields().BandPeriod = 20;
    Click(w, "mnuEnvelope");
    EXPECT_EQ(Caption(main, 8), "ｴﾝﾍﾞﾛｰﾌﾟ");
    EXPECT_EQ(Caption(main, 9), "ｴﾝﾍﾞﾛｰﾌﾟ");
    EXPECT_EQ(ColourOf(main, 9), kLit);
    EXPECT_EQ(w.Fields().EnvelopePct, 0);
    EXPECT_EQ(w.Fields().BandPeriod, 0);
    Click(w, "mnuEnvelope");
    EXPECT_EQ(Caption(main, 8), "移動平均");
    EXPECT_EQ(ColourOf(main, 8), kLit);  // an overlay's switch-off never greys it
    EXPECT_EQ(ColourOf(main, 9), kIdle);
    EXPECT_FALSE(main.QuickBoxes[5]->isEnabled());

    // Only the group reset greys the overlay caption and empties its boxes.
    Click(w, "mnuHLband");
    EXPECT_EQ(Caption(main, 8), "HLﾊﾞﾝﾄﾞ");
    main.QuickBoxes[4]->setText("20");
    Click(w, "mnuBBdaikin");
    EXPECT_EQ(Caption(main, 8), "売買代金");
    EXPECT_EQ(main.QuickBoxes[4]->text().toStdString(), "");
    w.ResetOverlayIndicators();
    EXPECT_EQ(ColourOf(main, 8), kIdle);
    EXPECT_FALSE(main.QuickBoxes[4]->isEnabled());
    EXPECT_FALSE(main.QuickBoxes[5]->isEnabled());
}

// The independent items and the oscillators on the quick bar.
TEST_F(IndicatorMenu, IndependentItemsAndOscillatorsOnTheQuickBar) {
    MDIForm1& main = Start();
    KindCountingForm3& w = W();
    ChartWindowState& f = w.Fields();
    const struct {
        const char* click;
        int box;
        int label;
    } independents[] = {{"mnuParabolic", 8, 12}, {"mnuKagiAshi", 6, 10}, {"mnuKagiAshi2", 6, 10}, {"mnu線形回帰", 18, 24}};
    for (const auto& c : independents) {
        f.ParabolicAF = 0.02f;
        f.KagiPct = 3;
        f.RegressionPeriods = {0, 13, 26, 52};
        Click(w, c.click);
        EXPECT_TRUE(main.QuickBoxes[c.box]->isEnabled()) << c.click;
        EXPECT_EQ(ColourOf(main, c.label), kLit) << c.click;
        main.QuickBoxes[c.box]->setText("5");
        Click(w, c.click);
        EXPECT_FALSE(main.QuickBoxes[c.box]->isEnabled()) << c.click;
        EXPECT_EQ(main.QuickBoxes[c.box]->text().toStdString(), "") << c.click;
        EXPECT_EQ(ColourOf(main, c.label), kIdle) << c.click;
        switch (c.box) {
            case 8: EXPECT_EQ(f.ParabolicAF, 0); break;
            case 6: EXPECT_EQ(f.KagiPct, 0) << c.click; break;
            default: EXPECT_EQ(f.RegressionPeriods, (std::array<std::int16_t, 4>{0, 0, 0, 0})); break;
        }
    }

    const struct {
        const char* click;
        const char* caption;
    } oscillators[] = {{"mnuPerOscillator", "%Rｵｼﾚｰﾀ"}, {"mnuモメンタム", "ﾓﾒﾝﾀﾑ"}, {"mnuRSI", "R S I"},
                       {"mnuRCI", "R C I"},            {"mnuストキャス", "ｽﾄｷｬｽﾃｲｸｽ"}, {"mnuVector", "ﾍﾞｸﾄﾙ"},
                       {"mnuOBV", "O B V"}};
    for (const auto& c : oscillators) {
        SetMarks(w, {"mnuKairiRitsu"});
        f.OscPeriodDaily = 14;
        f.OscPeriodWeekly = 9;
        main.QuickBoxes[3]->setText("14");
        Click(w, c.click);
        EXPECT_EQ(Caption(main, 7), c.caption);
        EXPECT_EQ(ColourOf(main, 7), kLit) << c.click;
        EXPECT_TRUE(main.QuickBoxes[3]->isEnabled()) << c.click;
        EXPECT_EQ(main.QuickBoxes[3]->text().toStdString(), "") << c.click;
        EXPECT_EQ(f.OscPeriodDaily, 0) << c.click;
        EXPECT_EQ(f.OscPeriodWeekly, 0) << c.click;
    }
    // 移動平均乖離率 and MACD on: the reset leaves the oscillator box idle.
    for (const char* click : {"mnuKairiRitsu", "mnuMACD"}) {
        SetMarks(w, {"mnuRSI"});
        f.OscPeriodDaily = 14;
        f.OscPeriodWeekly = 9;
        Click(w, click);
        EXPECT_EQ(f.OscPeriodDaily, 0) << click;
        EXPECT_EQ(f.OscPeriodWeekly, 0) << click;
        EXPECT_EQ(ColourOf(main, 7), kIdle) << click;
        EXPECT_FALSE(main.QuickBoxes[3]->isEnabled()) << click;
    }
}

// Volume indicators: the reset empties and disables Text2 and greys Label6;
// 出来高 and 信用売買高 keep their marks.
TEST_F(IndicatorMenu, TheVolumeReset) {
    MDIForm1& main = Start();
    KindCountingForm3& w = W();
    main.QuickBoxes[2]->setText("25");
    main.QuickBoxes[2]->setEnabled(true);
    SetForeColor(main.QuickLabels[6], kLit);
    w.Fields().VolumeIndicatorPeriod = 25;
    Click(w, "mnuVolRate");
    EXPECT_EQ(w.Fields().VolumeIndicatorPeriod, 0);
    EXPECT_EQ(main.QuickBoxes[2]->text().toStdString(), "");
    EXPECT_FALSE(main.QuickBoxes[2]->isEnabled());
    EXPECT_EQ(ColourOf(main, 6), kIdle);
    EXPECT_TRUE(w.Item("mnuDekidaka", 1).Checked());
    EXPECT_TRUE(w.Item("mnuSinyouBB", 1).Checked());
}

// The units printed beside the boxes the resets idle: at the box's Left +
// Width + 20, Top + 10, in grey; "月" under monthly candles, else the
// period unit; "％" beside Text5.
TEST_F(IndicatorMenu, UnitsOnTheQuickBar) {
    MDIForm1& main = Start();
    KindCountingForm3& w = W();
    RecordingSurface bar;
    w.quickBar = &bar;
    w.Fields().PeriodUnit = "週";
    auto expectUnit = [&](int box, const std::string& text) {
        const QLineEdit* edit = main.QuickBoxes[box];
        bool found = false;
        for (const RecordedCall& call : bar.CallsOf(RecordedCall::Kind::Text)) {
            if (call.x1 != LeftOf(edit) + WidthOf(edit) + 20 || call.y1 != TopOf(edit) + 10) continue;
            found = true;
            EXPECT_EQ(call.text, text) << box;
            EXPECT_EQ(call.color, kIdle) << box;
            // The reset's mark comes first; the parameter panel may then
            // print the box's mark again in the colour of its use.
            break;
        }
        EXPECT_TRUE(found) << box;
    };
    Click(w, "mnuHLband");
    EXPECT_EQ(bar.CallsOf(RecordedCall::Kind::Clear).size(), 1u);
    expectUnit(4, "週");
    expectUnit(5, "％");
    bar.ClearLog();
    Click(w, "mnuRCI");
    EXPECT_TRUE(bar.CallsOf(RecordedCall::Kind::Clear).empty());
    expectUnit(3, "週");
    bar.ClearLog();
    w.Check8.SetValue(1);
    bar.ClearLog();
    Click(w, "mnuPSY");
    EXPECT_TRUE(bar.CallsOf(RecordedCall::Kind::Clear).empty());
    expectUnit(2, "月");
}

// "mnuDekiIdou=": read when the window loads ("1" checked, anything else
// unchecked, no settings file: as designed), written by the window closed
// last.
TEST_F(IndicatorMenu, TheVolumeAverageMarkInTheSettings) {
    const struct {
        const char* stored;  // nullptr: no settings file
        bool checked;
    } cases[] = {{nullptr, true}, {"1", true}, {"0", false}, {"", false}, {"yes", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored != nullptr ? c.stored : "(no file)");
        if (c.stored != nullptr) {
            test::WriteLines(dir.File(std::string(kSettingsFileName)), {std::string("mnuDekiIdou=") + c.stored});
        }
        Start();
        EXPECT_EQ(W().Item("mnuDekiIdou", 1).Checked(), c.checked);
        TearDown();
        SetUp();
    }
}

TEST_F(IndicatorMenu, TheWindowClosedLastWritesTheMark) {
    test::WriteLines(dir.File(std::string(kSettingsFileName)), {"mnuDekiIdou=1"});
    Start();
    OpenChartWindow();
    KindCountingForm3& first = W(1);
    KindCountingForm3& second = W(2);
    Click(second, "mnuDekiIdou");
    ASSERT_FALSE(second.Item("mnuDekiIdou", 1).Checked());
    second.mnuMadoClose_Click();
    ReadIniValue("mnuDekiIdou=");
    EXPECT_EQ(Program().settings.IniValue, "0");
    first.mnuMadoClose_Click();
    ReadIniValue("mnuDekiIdou=");
    EXPECT_EQ(Program().settings.IniValue, "1");
}

// The last window closed resets the overlay and oscillator groups, which
// leaves their quick-bar entries idle.
TEST_F(IndicatorMenu, TheLastWindowResetsTheGroups) {
    MDIForm1& main = Start();
    KindCountingForm3& w = W();
    Click(w, "mnuBBdaikin");
    Click(w, "mnuRCI");
    ASSERT_EQ(ColourOf(main, 8), kLit);
    ASSERT_EQ(ColourOf(main, 7), kLit);
    w.mnuMadoClose_Click();
    EXPECT_EQ(ColourOf(main, 8), kIdle);
    EXPECT_EQ(ColourOf(main, 7), kIdle);
    EXPECT_FALSE(main.QuickBoxes[3]->isEnabled());
    EXPECT_FALSE(main.QuickBoxes[4]->isEnabled());
}

// The shortcuts act on the active chart window, also while a box of the
// quick bar has the focus.
TEST_F(IndicatorMenu, ShortcutsReachTheActiveChartWindow) {
    MDIForm1& main = StartShown();
    OpenChartWindow();
    KindCountingForm3& first = W(1);
    KindCountingForm3& second = W(2);
    ASSERT_EQ(main.ActiveChild(), &second);
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QLineEdit* box = main.QuickBoxes[3];
    box->setEnabled(true);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    box->setText("14");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(second.Item("mnuMACD", 1).Checked());
    EXPECT_FALSE(first.Item("mnuMACD", 1).Checked());
    box->setEnabled(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(second.Item("mnuOBV", 1).Checked());
    EXPECT_FALSE(first.Item("mnuOBV", 1).Checked());
    // Under another kind the menu is disabled, and so are its keys.
    second.Check3.SetValue(1);
    ASSERT_FALSE(second.MenuEnabled("mnuSetView"));
    box->setEnabled(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(second.Item("mnuRSI", 1).Checked());
}

TEST_F(IndicatorMenu, TheAdministratorSeesTheTwoLineDeviation) {
    WriteUrlList({"管理者=KVO"});
    Start();
    ASSERT_EQ(Program().app.AdminMode, kTrue);
    EXPECT_TRUE(W().Item("mnu2LineKairiRitsu", 1).Visible());
}

}  // namespace
}  // namespace ranvik
