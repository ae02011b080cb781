// The main window following the active chart window: caption, window tabs,
// the toolbar's pressed and enabled states per chart kind, the zoom buttons,
// and the quick parameter bar cleared and refilled (box texts, captions and
// the unit marks, on a recording surface in the bar's place).
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "core/toolbar.h"
#include "core/window_management.h"
#include "platform/ui/control_colors.h"
#include "tests/chart/window/quick_bar_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::Mark;
using test::QuickBarTest;

// The kind boxes and their toolbar buttons; box 0 stands for no kind set.
constexpr std::pair<int, const char*> kKindButtons[] = {
    {1, "ローソク"}, {2, "比較"}, {3, "逆ウオッチ"}, {4, "Ｐ＆Ｆ"}, {10, "年毎比較"}, {11, "新値足非時系列"}, {12, "新値足時系列"}};

// The buttons the synchronisation sets, in the order of the expectation
// strings below.
constexpr const char* kButtons[] = {"十字", "データ", "年", "月", "出来高", "拡大", "縮小",
                                    "ボタン１", "ボタン２", "指標窓", "出来高域", "色"};

class MainWindowSync : public QuickBarTest {
protected:
    KindCountingForm3& Ready() {
        KindCountingForm3& w = QuickBarTest::Ready();
        w.Fields().PeriodUnit = "日";
        w.Fields().ViewWidth = 1000;
        w.Fields().ViewWidthMax = 2000;
        return w;
    }
    // The kind and option boxes as stored, without their handlers.
    static void SetBox(KindCountingForm3& w, int no, int value) { SetQuietly(*w.CheckBox(no), value); }
    static void SetKind(KindCountingForm3& w, int kind) {
        for (const auto& [box, key] : kKindButtons) SetBox(w, box, box == kind ? 1 : 0);
    }
    static void SetMarks(KindCountingForm3& w, const std::set<std::string>& on) {
        for (const char* item : {"mnuEnvelope", "mnu一目", "mnuボリンジャ", "mnuHLband", "mnu陰陽足", "mnuBBdaikin",
                                 "mnuPibott", "mnuIdouHeikin", "mnuMACD", "mnuモメンタム", "mnuRSI", "mnuRCI",
                                 "mnuストキャス", "mnuPerOscillator", "mnuVector", "mnuOBV", "mnuKairiRitsu",
                                 "mnuParabolic", "mnu線形回帰", "mnuDekiIdou"}) {
            w.Item(item, 1).SetChecked(on.count(item) != 0);
        }
        w.Item("mnuKagiAshi", 1).SetChecked(on.count("mnuKagiAshi") != 0);
        w.Item("mnuKagiAshi", 2).SetChecked(false);
        w.Item("mnuVolRate", 1).SetChecked(false);
        w.Item("mnuVolRate", 2).SetChecked(false);
        w.Item("mnuPSY", 1).SetChecked(false);
    }
    void Activate(KindCountingForm3& w) {
        bar.ClearLog();
        w.Activate10.SetValue(1);
        EXPECT_EQ(w.Activate10.Value(), 0);
    }
    // Every mark printed right of a box since the bar was last cleared, in
    // the order printed.
    std::vector<std::pair<int, Mark>> Printed(KindCountingForm3& w) {
        std::vector<std::pair<int, Mark>> marks;
        for (const RecordedCall& call : bar.Calls()) {
            if (call.kind == RecordedCall::Kind::Clear) marks.clear();
            if (call.kind != RecordedCall::Kind::Text) continue;
            marks.push_back({MarkedBox(w, call), {call.text, call.color}});
        }
        return marks;
    }
    // The last mark right of each box.
    std::map<int, Mark> Marks(KindCountingForm3& w) {
        std::map<int, Mark> last;
        for (const auto& [box, mark] : Printed(w)) last[box] = mark;
        return last;
    }
    std::string Text(int box) { return main_->QuickBoxes[box]->text().toStdString(); }
    bool BoxOn(int box) { return main_->QuickBoxes[box]->isEnabled(); }
    // Every box of the bar holding a text, enabled, and every caption red.
    void Dirty() {
        for (auto& [no, box] : main_->QuickBoxes) {
            box->setText("x");
            box->setEnabled(true);
        }
        for (auto& [no, label] : main_->QuickLabels) SetForeColor(label, kLit);
    }
};

// The toolbar after an activation, per kind: S enabled and pressed as the
// window's state says, E enabled, D disabled with its pressed state kept.
TEST_F(MainWindowSync, ToolbarPerKind) {
    const struct {
        int kind;
        const char* states;  // by kButtons
    } cases[] = {
        {1, "SSSSSEEEEEEE"},  {2, "DDDDDEEEDDDE"},  {3, "DDDDDEEEEDDE"},  {4, "DDDDDEEEEDDE"},
        {10, "SDSDDDDDDDDE"}, {11, "SDSDDEEEEDDE"}, {12, "SDSDDEEEEDDE"}, {0, "SDSDDEEEEDDE"},
    };
    KindCountingForm3& w = Ready();
    w.Item("mnuGamen比", 3).SetChecked(true);
    SetMarks(w, {});
    for (const auto& c : cases) {
        // Once with every toggle released and the window's options on, once
        // the other way round: a pressed state follows the window or stays.
        for (int phase : {0, 1}) {
            SCOPED_TRACE(std::to_string(c.kind) + (phase == 0 ? " released" : " pressed"));
            SetKind(w, c.kind);
            for (int box : {6, 7, 8, 9}) SetBox(w, box, 1 - phase);
            w.Item("mnuMisc", 0).SetChecked(phase == 0);
            main_->SetToolbarButtonsEnabled(1, Toolbar::kPositions, false);
            for (const char* key : kButtons) main_->SetToolbarButtonValue(key, phase);
            for (const auto& [box, key] : kKindButtons) main_->SetToolbarButtonValue(key, 1);
            Activate(w);
            for (std::size_t i = 0; i < std::size(kButtons); ++i) {
                const char* key = kButtons[i];
                const char state = c.states[i];
                EXPECT_EQ(main_->ToolbarButtonEnabled(key), state != 'D') << key;
                if (std::string(key) == "十字" || std::string(key) == "データ" || std::string(key) == "年" ||
                    std::string(key) == "月" || std::string(key) == "出来高") {
                    EXPECT_EQ(main_->ToolbarButtonValue(key), state == 'S' ? 1 - phase : phase) << key;
                }
            }
            for (const auto& [box, key] : kKindButtons) {
                EXPECT_EQ(main_->ToolbarButtonValue(key), c.kind == 0 || box == c.kind ? 1 : 0) << key;
            }
            // Positions outside 5 to 25 are left alone.
            for (int p : {1, 2, 3, 27}) EXPECT_FALSE(main_->ToolbarButtonEnabled(p)) << p;
        }
    }
}

// The candle kind's two exceptions: the indicator pane hidden, and 陰陽足.
TEST_F(MainWindowSync, CandleExceptions) {
    KindCountingForm3& w = Ready();
    SetKind(w, 1);
    SetMarks(w, {});
    w.Item("mnuGamen比", 3).SetChecked(false);
    Activate(w);
    EXPECT_FALSE(main_->ToolbarButtonEnabled("指標窓"));
    EXPECT_TRUE(main_->ToolbarButtonEnabled("月"));
    w.Item("mnuGamen比", 3).SetChecked(true);
    SetMarks(w, {"mnu陰陽足"});
    Activate(w);
    EXPECT_TRUE(main_->ToolbarButtonEnabled("指標窓"));
    EXPECT_FALSE(main_->ToolbarButtonEnabled("月"));
    EXPECT_EQ(Caption(8), "陰陽足");
}

TEST_F(MainWindowSync, ZoomButtons) {
    const struct {
        int kind;
        float width, widthMax;
        bool zoomIn, zoomOut;
    } cases[] = {
        {1, 385, 2000, false, true}, {1, 386, 2000, true, true},  {1, 1999, 2000, true, true},
        {1, 2000, 2000, true, false}, {1, 2100, 2000, true, false}, {1, 385, 385, false, true},
        {2, 385, 2000, false, true}, {11, 2000, 2000, true, false}, {10, 1000, 2000, false, false},
    };
    KindCountingForm3& w = Ready();
    SetMarks(w, {});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.width) + "/" + std::to_string(c.widthMax));
        SetKind(w, c.kind);
        w.Fields().ViewWidth = c.width;
        w.Fields().ViewWidthMax = c.widthMax;
        Activate(w);
        EXPECT_EQ(main_->ToolbarButtonEnabled("拡大"), c.zoomIn);
        EXPECT_EQ(main_->ToolbarButtonEnabled("縮小"), c.zoomOut);
    }
}

TEST_F(MainWindowSync, CaptionTabsAndActiveWindow) {
    KindCountingForm3& w1 = Ready();
    const std::string appTitle = Program().app.AppTitle;
    ASSERT_FALSE(appTitle.empty());
    w1.Fields().StockTitle = "";
    Activate(w1);
    EXPECT_EQ(main_->windowTitle().toStdString(), appTitle);
    w1.Fields().StockTitle = "(日) 1301 極洋";
    Activate(w1);
    EXPECT_EQ(main_->windowTitle().toStdString(), appTitle + "(日) 1301 極洋");

    RunWindowMenu(8);
    KindCountingForm3& w2 = W(2);
    const Color freeTab = BackColorOf(main_->WindowTab(3));
    Activate(w1);
    w2.Activate10.SetValue(1);
    EXPECT_EQ(BackColorOf(main_->WindowTab(2)), RGB(255, 85, 80));
    EXPECT_EQ(BackColorOf(main_->WindowTab(1)), RGB(150, 55, 50));
    EXPECT_EQ(BackColorOf(main_->WindowTab(3)), freeTab);
    EXPECT_EQ(Program().windows.ActiveWindowNo, 2);
    // Only the first tab shown as active becomes the former one.
    SetBackColor(main_->WindowTab(1), RGB(255, 85, 80));
    w1.Activate10.SetValue(1);
    EXPECT_EQ(BackColorOf(main_->WindowTab(1)), RGB(255, 85, 80));
    EXPECT_EQ(BackColorOf(main_->WindowTab(2)), RGB(255, 85, 80));
    EXPECT_EQ(Program().windows.ActiveWindowNo, 1);
    // No menu of the main window changes.
    const auto menuStates = [&] {
        std::vector<std::tuple<std::string, bool, bool, bool>> states;
        for (const QAction* action : main_->findChildren<QAction*>()) {
            states.emplace_back(action->objectName().toStdString() + action->text().toStdString(), action->isChecked(),
                                action->isEnabled(), action->isVisible());
        }
        return states;
    };
    SetMarks(w1, {"mnuMACD", "mnu一目"});
    const auto before = menuStates();
    ASSERT_FALSE(before.empty());
    for (int kind : {1, 2, 4, 10, 11}) {
        SetKind(w1, kind);
        Activate(w1);
    }
    const auto after = menuStates();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]) << std::get<0>(before[i]);
    // A box at 0 runs nothing.
    main_->setWindowTitle("unchanged");
    w1.Activate10_Click();
    EXPECT_EQ(main_->windowTitle().toStdString(), "unchanged");
}

// Stored values as the boxes show them: whole numbers, singles in their
// shortest form, doubles as held; 0 empty except where it is a value shown.
TEST_F(MainWindowSync, BoxTexts) {
    struct Case {
        const char* name;
        int kind;
        std::set<std::string> on;
        std::function<void(ChartWindowState&)> store;
        std::map<int, std::string> texts;  // boxes not named are empty
    };
    const Case cases[] = {
        {"candles, nothing stored", 1, {}, [](ChartWindowState&) {}, {}},
        {"candles, values", 1, {"mnuParabolic", "mnu線形回帰", "mnuKagiAshi"},
         [](ChartWindowState& f) {
             f.BandPeriod = 25, f.EnvelopePct = 2.5f, f.VolumeIndicatorPeriod = 10, f.IsDaily = -1;
             f.OscPeriodDaily = 14, f.OscPeriodWeekly = 13.5, f.KagiPct = 0.02f, f.ParabolicAF = 0.02f;
             f.RegressionPeriods[3] = 75;
         },
         {{4, "25"}, {5, "2.5"}, {2, "10"}, {3, "14"}, {6, "0.02"}, {8, "0.02"}, {18, "75"}}},
        {"daily without a daily period shows the weekly one", 1, {},
         [](ChartWindowState& f) { f.IsDaily = -1, f.OscPeriodWeekly = 13.5; }, {{3, "13.5"}}},
        {"weekly", 1, {}, [](ChartWindowState& f) { f.IsDaily = 0, f.OscPeriodDaily = 14, f.OscPeriodWeekly = 9; },
         {{3, "9"}}},
        {"regression off keeps Text18 empty", 1, {}, [](ChartWindowState& f) { f.RegressionPeriods[3] = 75; }, {}},
        {"moving average period replaces the band period", 1, {"mnuIdouHeikin"},
         [](ChartWindowState& f) { f.BandPeriod = 25, f.OverlayPeriods[3] = 13; }, {{4, "13"}}},
        {"ichimoku shows 0", 1, {"mnu一目"}, [](ChartWindowState& f) { f.BandPeriod = 25; }, {{4, "0"}, {5, "0"}}},
        {"macd shows 0", 1, {"mnuMACD"}, [](ChartWindowState&) {}, {{10, "0"}, {11, "0"}, {12, "0"}}},
        {"macd values", 1, {"mnuMACD"},
         [](ChartWindowState& f) { f.MacdShortPeriod = 12.5, f.MacdLongPeriod = 26, f.MacdSignalPeriod = 9; },
         {{10, "12.5"}, {11, "26"}, {12, "9"}}},
        {"comparison shows 0", 2, {}, [](ChartWindowState&) {}, {{4, "0"}, {5, "0"}}},
        {"comparison", 2, {}, [](ChartWindowState& f) { f.CompareTopPct = 150, f.CompareBottomPct = -20; },
         {{4, "150"}, {5, "-20"}}},
        {"reverse watch shows 0", 3, {}, [](ChartWindowState&) {}, {{17, "0"}}},
        {"point and figure shows 0", 4, {}, [](ChartWindowState&) {}, {{6, "0"}}},
        {"point and figure", 4, {}, [](ChartWindowState& f) { f.PnfBoxSize = 12.5f; }, {{6, "12.5"}}},
        {"year-by-year", 10, {}, [](ChartWindowState& f) { f.YearCompareStartYear = "05", f.YearCompareStartMonth = ""; },
         {{2, "05"}}},
        {"three-line break", 11, {}, [](ChartWindowState& f) { f.BandPeriod = 25; }, {}},
    };
    KindCountingForm3& w = Ready();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetKind(w, c.kind);
        SetMarks(w, c.on);
        ChartWindowState& f = w.Fields();
        f.BandPeriod = 0, f.EnvelopePct = 0, f.VolumeIndicatorPeriod = 0, f.OscPeriodDaily = 0, f.OscPeriodWeekly = 0;
        f.KagiPct = 0, f.ParabolicAF = 0, f.RegressionPeriods = {}, f.OverlayPeriods = {}, f.MacdShortPeriod = 0;
        f.MacdLongPeriod = 0, f.MacdSignalPeriod = 0, f.CompareTopPct = 0, f.CompareBottomPct = 0;
        f.ReversePeriod = 0, f.PnfBoxSize = 0, f.YearCompareStartYear = "", f.YearCompareStartMonth = "";
        c.store(f);
        Dirty();
        Activate(w);
        for (int box : {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18}) {
            const auto it = c.texts.find(box);
            EXPECT_EQ(Text(box), it != c.texts.end() ? it->second : "") << "Text" << box;
        }
    }
}

// Which boxes take input and how their captions read, per overlay and
// oscillator; the bar cleared first.
TEST_F(MainWindowSync, CandleCaptionsAndStates) {
    const struct {
        const char* item;
        const char* label8;  // nullptr: grey, caption kept
        bool text4, text5;
        const char* label9;
    } overlays[] = {
        {"mnuEnvelope", "ｴﾝﾍﾞﾛｰﾌﾟ", true, true, "ｴﾝﾍﾞﾛｰﾌﾟ"}, {"mnu一目", "転換線  <=", true, true, "基準線"},
        {"mnuボリンジャ", "ﾎﾞﾘﾝｼﾞｬ", true, false, "ｴﾝﾍﾞﾛｰﾌﾟ"}, {"mnuHLband", "HLﾊﾞﾝﾄﾞ", true, false, "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"mnu陰陽足", "陰陽足", true, false, "ｴﾝﾍﾞﾛｰﾌﾟ"},         {"mnuBBdaikin", "売買代金", true, false, "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"mnuPibott", nullptr, false, false, "ｴﾝﾍﾞﾛｰﾌﾟ"},       {"mnuIdouHeikin", "移動平均", true, false, "ｴﾝﾍﾞﾛｰﾌﾟ"},
    };
    KindCountingForm3& w = Ready();
    SetKind(w, 1);
    for (const auto& c : overlays) {
        SCOPED_TRACE(c.item);
        SetMarks(w, {c.item});
        Dirty();
        main_->QuickLabels[8]->setText("old");
        Activate(w);
        EXPECT_EQ(Caption(8), c.label8 != nullptr ? c.label8 : "old");
        EXPECT_EQ(Colour(8), c.label8 != nullptr ? kLit : kIdle);
        EXPECT_EQ(BoxOn(4), c.text4);
        EXPECT_EQ(BoxOn(5), c.text5);
        EXPECT_EQ(Caption(9), c.label9);
        EXPECT_EQ(Colour(9), c.text5 ? kLit : kIdle);
        for (int box : {6, 8, 17, 18}) EXPECT_FALSE(BoxOn(box)) << box;
    }
    const struct {
        const char* item;
        const char* label7;
    } oscillators[] = {
        {"mnuモメンタム", "ﾓﾒﾝﾀﾑ"}, {"mnuRSI", "R S I"},         {"mnuRCI", "R C I"}, {"mnuストキャス", "ｽﾄｷｬｽﾃｲｸｽ"},
        {"mnuPerOscillator", "%Rｵｼﾚｰﾀ"}, {"mnuVector", "ﾍﾞｸﾄﾙ"}, {"mnuOBV", "OBV"}, {"mnuKairiRitsu", nullptr},
        {"mnuMACD", nullptr},
    };
    for (const auto& c : oscillators) {
        SCOPED_TRACE(c.item);
        SetMarks(w, {c.item});
        Dirty();
        main_->QuickLabels[7]->setText("old");
        Activate(w);
        EXPECT_EQ(Caption(7), c.label7 != nullptr ? c.label7 : "old");
        EXPECT_EQ(Colour(7), c.label7 != nullptr ? kLit : kIdle);
        EXPECT_EQ(BoxOn(3), c.label7 != nullptr);
        // With MACD on no mark is printed after Text3 by the fill; the
        // panel's synchronisation prints its grey one.
        const auto marks = Marks(w);
        EXPECT_EQ(marks.at(3), (Mark{"日", c.label7 != nullptr ? kBlack : kIdle}));
    }
    // Kagi, parabolic and regression take their boxes.
    w.Item("mnu線形回帰", 1).SetEnabled(true);
    SetMarks(w, {"mnuKagiAshi", "mnuParabolic", "mnu線形回帰"});
    Activate(w);
    for (const auto& [box, label] : {std::pair{6, 10}, {8, 12}, {18, 24}}) {
        EXPECT_TRUE(BoxOn(box)) << box;
        EXPECT_EQ(Colour(label), kLit) << label;
    }
    w.Item("mnu線形回帰", 1).SetEnabled(false);
    Activate(w);
    EXPECT_FALSE(BoxOn(18));
    EXPECT_EQ(Colour(24), kIdle);
    w.Item("mnu線形回帰", 1).SetEnabled(true);
}

// The other kinds' boxes, captions and marks.
TEST_F(MainWindowSync, OtherKindsCaptionsAndMarks) {
    const struct {
        int kind;
        std::map<int, std::string> captions;  // red captions
        std::set<int> boxes;                  // enabled boxes
        std::map<int, Mark> marks;
    } cases[] = {
        {2, {{8, "(+)倍率"}, {9, "(-)倍率"}}, {4, 5}, {{4, {"％", kBlack}}, {5, {"％", kBlack}}}},
        {3, {{23, "逆ｳｫｯﾁ"}}, {17}, {{17, {"週", kBlack}}}},
        {4, {{10, "Ｐ＆Ｆ"}}, {6}, {{6, {"円", kBlack}}}},
        {10, {{6, "開始年yy"}, {7, "開始月"}}, {2, 3}, {{2, {"年", kBlack}}, {3, {"月", kBlack}}}},
        {11, {}, {}, {}},
        {12, {}, {}, {}},
    };
    KindCountingForm3& w = Ready();
    w.Fields().PeriodUnit = "週";
    SetMarks(w, {"mnuMACD"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        SetKind(w, c.kind);
        Dirty();
        Activate(w);
        for (int label : {6, 7, 8, 9, 10, 12, 23, 24}) {
            const auto it = c.captions.find(label);
            EXPECT_EQ(Colour(label), it != c.captions.end() ? kLit : kIdle) << label;
            if (it != c.captions.end()) {
                EXPECT_EQ(Caption(label), it->second) << label;
            }
        }
        for (int box : {2, 3, 4, 5, 6, 8, 10, 11, 12, 17, 18}) EXPECT_EQ(BoxOn(box), c.boxes.count(box) != 0) << box;
        EXPECT_EQ(Marks(w), c.marks);
    }
}

// Under monthly candles every mark of the bar reads "月"; with Ichimoku on
// the conversion period's box gets exactly one mark, no period unit.
TEST_F(MainWindowSync, MonthlyCandlesPrintOneUnitAfterTheConversionPeriod) {
    KindCountingForm3& w = Ready();
    SetKind(w, 1);
    for (bool monthly : {false, true}) {
        for (bool ichimoku : {false, true}) {
            SCOPED_TRACE(std::string(monthly ? "monthly" : "daily") + (ichimoku ? " ichimoku" : ""));
            SetBox(w, 8, monthly ? 1 : 0);
            SetMarks(w, ichimoku ? std::set<std::string>{"mnu一目", "mnuRSI"} : std::set<std::string>{"mnuRSI"});
            Activate(w);
            std::set<std::string> afterText4;
            int prints = 0;
            for (const auto& [box, mark] : Printed(w)) {
                if (box != 4) continue;
                afterText4.insert(mark.text);
                ++prints;
            }
            EXPECT_EQ(afterText4, std::set<std::string>{monthly ? "月" : "日"});
            if (monthly && ichimoku) {
                EXPECT_EQ(prints, 1);
            }
            EXPECT_EQ(Marks(w).at(3).text, monthly ? "月" : "日");
        }
    }
}

}  // namespace
}  // namespace ranvik
