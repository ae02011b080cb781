// The quick parameter bar following a chart window: the MACD group, the
// volume caption, the unit marks printed right of the boxes (on a recording
// surface in the bar's place) and Text6's two roles.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <map>
#include <set>

#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"
#include "tests/chart/window/quick_bar_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::Mark;
using test::QuickBarTest;

class ParamPanel : public QuickBarTest {
protected:
    // The kind and monthly boxes as stored, without running their handlers.
    static void SetBoxes(KindCountingForm3& w, int kind, bool monthly) {
        for (HiddenCheckBox* box : {&w.Check1, &w.Check2, &w.Check4, &w.Check8}) {
            const int value = box == &w.Check8 ? (monthly ? 1 : 0)
                              : (box == &w.Check1 ? kind == 1 : box == &w.Check2 ? kind == 2 : kind == 4);
            SetQuietly(*box, value);
        }
    }
    static void SetMarks(KindCountingForm3& w, const std::set<std::string>& on) {
        const std::pair<const char*, int> items[] = {
            {"mnuMACD", 1},  {"mnuDekiIdou", 1}, {"mnuVolRate", 1}, {"mnuVolRate", 2},  {"mnuVolRate", 3},
            {"mnuPSY", 1},   {"mnuPibott", 1},   {"mnu一目", 1},     {"mnuEnvelope", 1}, {"mnuParabolic", 1},
            {"mnu線形回帰", 1}, {"mnuKagiAshi", 1}, {"mnuKagiAshi", 2}};
        for (const auto& [array, index] : items) {
            std::string name = array;
            if (index > 1) name += std::to_string(index);
            if (w.Menu(array) != nullptr) w.Item(array, index).SetChecked(on.count(name) != 0);
        }
    }
    // The last mark printed right of each box, by box number.
    std::map<int, Mark> Marks(KindCountingForm3& w) {
        std::map<int, Mark> marks;
        for (const RecordedCall& call : bar.CallsOf(RecordedCall::Kind::Text)) {
            const int found = MarkedBox(w, call);
            EXPECT_FALSE(call.newLine);
            marks[found] = {call.text, call.color};
        }
        return marks;
    }
};

struct SyncCase {
    const char* name;
    int kind;
    bool monthly;
    std::set<std::string> on;
    std::map<int, Mark> marks;
    bool macdEnabled;
    const char* volumeCaption;
};

TEST_F(ParamPanel, MarksCaptionsAndStatesPerKind) {
    const SyncCase cases[] = {
        {"plain candles", 1, false, {}, {{2, {"日", kIdle}}, {4, {"日", kBlack}}, {5, {"％", kIdle}}, {6, {"％", kIdle}},
                                        {8, {"始AF", kIdle}}, {17, {"日", kIdle}}, {18, {"日", kIdle}}}, false, "出来平均"},
        {"macd and the rest on", 1, false,
         {"mnuMACD", "mnuDekiIdou", "mnu一目", "mnuParabolic", "mnu線形回帰", "mnuKagiAshi2"},
         {{2, {"日", kBlack}}, {3, {"日", kIdle}}, {4, {"日", kBlack}}, {5, {"日", kBlack}}, {6, {"％", kBlack}},
          {8, {"始AF", kBlack}}, {17, {"日", kIdle}}, {18, {"日", kBlack}}}, true, "出来平均"},
        {"monthly: every unit reads 月", 1, true, {"mnuMACD", "mnuEnvelope", "mnuPSY", "mnuPibott"},
         {{2, {"月", kBlack}}, {3, {"月", kIdle}}, {4, {"月", kBlack}}, {5, {"％", kBlack}}, {6, {"％", kIdle}},
          {8, {"始AF", kIdle}}, {17, {"月", kIdle}}, {18, {"月", kIdle}}}, true, "ｻｲｺﾛｼﾞ..."},
        {"pivot keeps the grey of Text2", 1, false, {"mnuPibott", "mnuVolRate3"},
         {{2, {"日", kIdle}}, {4, {"日", kIdle}}, {5, {"％", kIdle}}, {6, {"％", kIdle}}, {8, {"始AF", kIdle}},
          {17, {"日", kIdle}}, {18, {"日", kIdle}}}, false, "出来平均"},
        {"volume ratio 2", 1, false, {"mnuVolRate2"},
         {{2, {"日", kBlack}}, {4, {"日", kBlack}}, {5, {"％", kIdle}}, {6, {"％", kIdle}}, {8, {"始AF", kIdle}},
          {17, {"日", kIdle}}, {18, {"日", kIdle}}}, false, "ﾎﾞﾘｭｰﾑ..."},
        {"point and figure: box size only", 4, false, {"mnuMACD"}, {{6, {"円", kBlack}}}, false, nullptr},
        {"comparison: nothing printed", 2, false, {"mnuMACD"}, {}, false, nullptr},
    };
    KindCountingForm3& w = Ready();
    for (const SyncCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetBoxes(w, c.kind, c.monthly);
        w.Fields().PeriodUnit = "日";
        SetMarks(w, c.on);
        main_->QuickBoxes[2]->setEnabled(false);
        main_->QuickBoxes[10]->setText("12");
        main_->QuickLabels[19]->setText("x");
        bar.ClearLog();
        w.SyncParamPanel();
        EXPECT_EQ(Marks(w), c.marks);
        for (int box : {10, 11, 12}) EXPECT_EQ(main_->QuickBoxes[box]->isEnabled(), c.macdEnabled) << box;
        for (int label : {16, 17, 18}) EXPECT_EQ(main_->QuickLabels[label]->isEnabled(), c.macdEnabled) << label;
        EXPECT_EQ(ForeColorOf(main_->Frame2Caption), c.macdEnabled ? kLit : kIdle);
        // With MACD on its values stay, even in the greyed boxes.
        EXPECT_EQ(main_->QuickBoxes[10]->text().toStdString(), c.on.count("mnuMACD") ? "12" : "");
        for (int label : {19, 20, 21}) EXPECT_EQ(Colour(label), c.macdEnabled ? kBlack : kIdle) << label;
        if (c.volumeCaption != nullptr) {
            EXPECT_EQ(Caption(19), c.monthly ? "月" : "日");
            EXPECT_EQ(Caption(6), c.volumeCaption);
            const bool volume = c.marks.at(2).color == kBlack;
            EXPECT_EQ(main_->QuickBoxes[2]->isEnabled(), volume);
            if (volume) {
                EXPECT_EQ(Colour(6), kLit);
            }
        } else {
            EXPECT_EQ(Caption(19), "x");  // the unit labels keep their captions
        }
    }
}

TEST_F(ParamPanel, Text6RoleRoundTripAndRepeatedCalls) {
    KindCountingForm3& w = Ready();
    w.Fields().PeriodUnit = "週";
    SetMarks(w, {});
    QLineEdit& text6 = *main_->QuickBoxes[6];
    const int width = WidthOf(&text6);
    // The first switch into either role changes no width.
    SetBoxes(w, 1, false);
    w.SyncParamPanel();
    EXPECT_EQ(WidthOf(&text6), width);
    EXPECT_EQ(Caption(10), "ｶｷﾞ足");
    EXPECT_TRUE(text6.hasFrame());

    SetBoxes(w, 4, false);
    w.SyncParamPanel();
    EXPECT_EQ(Caption(10), "Ｐ＆Ｆ");
    EXPECT_NEAR(WidthOf(&text6), width + 120, 15);
    EXPECT_FALSE(text6.hasFrame());
    // Again: the role is read back from the caption, so nothing widens.
    bar.ClearLog();
    w.SyncParamPanel();
    const auto once = Marks(w);
    EXPECT_NEAR(WidthOf(&text6), width + 120, 15);
    EXPECT_EQ(once, (std::map<int, Mark>{{6, {"円", kBlack}}}));

    SetBoxes(w, 1, false);
    w.SyncParamPanel();
    EXPECT_NEAR(WidthOf(&text6), width, 15);
    // The box's border comes back with the Kagi role: an emptied, disabled
    // box without one would vanish and leave its "％" alone on the bar.
    EXPECT_TRUE(text6.hasFrame());
    EXPECT_EQ(Caption(10), "ｶｷﾞ足");

    // Twice equals once, marks, captions and states alike.
    SetMarks(w, {"mnuMACD", "mnuVolRate", "mnuEnvelope"});
    bar.ClearLog();
    w.SyncParamPanel();
    const auto first = Marks(w);
    const int widthAfterFirst = WidthOf(&text6);
    const std::string volume = Caption(6);
    bar.ClearLog();
    w.SyncParamPanel();
    EXPECT_EQ(Marks(w), first);
    EXPECT_EQ(WidthOf(&text6), widthAfterFirst);
    EXPECT_EQ(Caption(6), volume);
    EXPECT_EQ(first.at(2), (Mark{"週", kBlack}));
    EXPECT_EQ(Caption(6), "ﾎﾞﾘｭｰﾑ...");
    EXPECT_EQ(Caption(9), "ｴﾝﾍﾞﾛｰﾌﾟ");
}

// The oscillator reset greys the MACD group through the chart window; the
// values stay while MACD is on and go when it is off.
TEST_F(ParamPanel, DimKeepsMacdValuesOnlyWhileOn) {
    KindCountingForm3& w = Ready();
    for (bool macd : {true, false}) {
        SetMarks(w, macd ? std::set<std::string>{"mnuMACD"} : std::set<std::string>{});
        for (int box : {10, 11, 12}) {
            main_->QuickBoxes[box]->setEnabled(true);
            main_->QuickBoxes[box]->setText("9");
        }
        w.DimMacdParams();
        for (int box : {10, 11, 12}) {
            EXPECT_FALSE(main_->QuickBoxes[box]->isEnabled());
            EXPECT_EQ(main_->QuickBoxes[box]->text().toStdString(), macd ? "9" : "");
        }
        EXPECT_EQ(ForeColorOf(main_->Frame2Caption), kIdle);
        EXPECT_EQ(Colour(21), kIdle);
    }
}

}  // namespace
}  // namespace ranvik
