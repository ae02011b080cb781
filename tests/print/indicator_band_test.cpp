// The printed indicator band: its scale, level lines, labels, titles and
// legends per oscillator, paper, orientation and inversion.
#include <filesystem>

#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

class BandTest : public PrintTest {
public:
    void SetUp() override {
        PrintTest::SetUp();
        Show(DataFileBuilder(120));
        w.fields.OscPeriodDaily = 14;
        w.fields.IsDaily = kTrue;
        w.fields.AxisFormat = "#,##0";
    }
    void Only(const char* item) {
        for (const char* i : {"mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム", "mnuMACD", "mnuRCI",
                              "mnuVector", "mnuOBV", "mnuKairiRitsu", "mnu2LineKairiRitsu"}) {
            w.SetItem(i, 1, false);
        }
        if (item != nullptr) w.SetItem(item, 1, true);
    }
    void Band(int paper = 9, int orientation = 2) {
        w.recording.Recorder().ClearLog();
        PrintedIndicatorPane(w, w.recording.Page(), paper, orientation, file1());
    }
    ChartFile& file1() {
        if (!file.IsOpen()) file.Open(w.fields.DataFileName);
        return file;
    }
    ChartFile file;
};

TEST_F(BandTest, HiddenPaneLeavesThePrinterAlone) {
    Only("mnuRSI");
    w.SetItem("mnuGamen比", 3, false);
    Surface& page = w.recording.Page();
    page.Scale(0, 10, 100, 0);
    page.SetFontSize(11);
    Band();
    EXPECT_TRUE(w.recording.Recorder().Calls().empty());
    EXPECT_EQ(page.ScaleTop(), 10);
    EXPECT_EQ(page.FontSize(), 11);
}

TEST_F(BandTest, RsiGroupLabelsByOrientationAndInversion) {
    struct Case {
        int orientation;
        bool inverted;
        const char* label20;
        double drop;
    };
    for (const Case c : {Case{2, false, "80%", 10}, Case{1, false, "80%", 8}, Case{2, true, "20%", 10}}) {
        Only("mnuRSI");
        w.fields.InvertedChart = c.inverted ? kTrue : 0;
        Band(9, c.orientation);
        const RecordedCall* label = FindText(c.label20);
        ASSERT_NE(label, nullptr);
        EXPECT_DOUBLE_EQ(label->y1, 20 - c.drop + 5);
        EXPECT_EQ(label->state.FontSize, 9);
        ASSERT_NE(FindText("R S I  14日"), nullptr);
        EXPECT_DOUBLE_EQ(FindText("R S I  14日")->y1, 45);
        const Surface& page = w.recording.Page();
        EXPECT_DOUBLE_EQ(page.ScaleTop(), -450);
        EXPECT_DOUBLE_EQ(page.ScaleHeight(), 572);
        EXPECT_EQ(page.DrawWidth(), 2);
        EXPECT_EQ(page.DrawStyle(), DrawStyle::Solid);
    }
}

TEST_F(BandTest, FontByPaper) {
    Only("mnuRCI");
    for (auto [paper, font] : {std::pair{9, 9.0}, {13, 8.0}, {11, 7.0}, {43, 6.0}}) {
        Band(paper);
        ASSERT_NE(FindText("RCI  14日"), nullptr);
        EXPECT_EQ(FindText("RCI  14日")->state.FontSize, font) << paper;
        ASSERT_NE(FindText("-80%"), nullptr);
        ASSERT_NE(FindText("+50%"), nullptr);
    }
}

TEST_F(BandTest, MomentumPricesWithTheYenSign) {
    Only("mnuモメンタム");
    w.fields.PriceGridStep = 100;
    Band();
    EXPECT_NE(FindText("+¥200"), nullptr);  // y = -40: 40 x 500 / 100
    EXPECT_NE(FindText("-¥400"), nullptr);
    EXPECT_NE(FindText("+10%"), nullptr);
    EXPECT_NE(FindText("-50%"), nullptr);
    EXPECT_NE(FindText("ﾓﾒﾝﾀﾑ  14日"), nullptr);
    w.SetItem("mnuGamen比", 1, true);
    Band();
    EXPECT_NE(FindText("+¥400"), nullptr);
    EXPECT_NE(FindText("-100%"), nullptr);
}

// The MACD band and its legend; the long period shown is the one the
// curves use.
TEST_F(BandTest, MacdBandAndLegend) {
    Only("mnuMACD");
    w.fields.MacdShortPeriod = 12;
    w.fields.MacdLongPeriod = 26;
    w.fields.MacdSignalPeriod = 9;
    struct Case {
        bool monthly, enlarged;
        double d;
    };
    for (const Case c : {Case{false, false, 16}, Case{true, false, 10}, Case{false, true, 8}}) {
        w.checks[8] = c.monthly ? 1 : 0;
        if (c.monthly) {
            // The monthly pass reads its own file; the daily one stands in
            // for it, since only the band's scale and legend are looked at.
            std::filesystem::copy_file(w.fields.DataFileName, Program().app.AppDir + "1301m.KDT",
                                       std::filesystem::copy_options::overwrite_existing);
            w.fields.MonthlyFileName = "1301m.KDT";
            w.fields.MonthlyFirstRecord = w.fields.FirstRecord;
            w.fields.MonthlyRecordCount = w.fields.RecordCount;
        }
        w.SetItem("mnuGamen比", 1, c.enlarged);
        Band();
        EXPECT_FLOAT_EQ(w.fields.MacdClipLevel, static_cast<float>(w.fields.PriceSpan / (c.d / 2)));
        const std::string u = c.monthly ? "月" : "日";
        EXPECT_NE(FindText(std::string("短期     12").append(u)), nullptr);
        EXPECT_NE(FindText(std::string("長期     26").append(u)), nullptr);
        const std::string signal = std::string("シグナル 9").append(u);
        ASSERT_NE(FindText(signal), nullptr);
        EXPECT_EQ(FindText(signal)->color, QBColor(1));
    }
}

TEST_F(BandTest, DeviationRateTitlesAndPercents) {
    struct Case {
        const char* item;
        bool daikin;
        const char* title;
    };
    const Case cases[] = {{"mnuKairiRitsu", false, "移動平均乖離率"},
                          {"mnu2LineKairiRitsu", false, "移動平均２線乖離率"},
                          {"mnuKairiRitsu", true, "売買代金移動平均乖離率"},
                          {"mnu2LineKairiRitsu", true, "売買代金移動平均２線乖離率"}};
    for (const Case& c : cases) {
        Only(c.item);
        w.SetItem("mnuBBdaikin", 1, c.daikin);
        Band(43);
        ASSERT_NE(FindText(c.title), nullptr) << c.title;
        EXPECT_EQ(FindText(c.title)->state.FontSize, 7);
        EXPECT_NE(FindText("+20%"), nullptr);
        EXPECT_NE(FindText("-10%"), nullptr);
    }
}

TEST_F(BandTest, StochasticsLegendAndTwoLineDeviationLegend) {
    Only("mnuストキャス");
    Band();
    const RecordedCall* k = FindText("%K,");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->x1, 0);
    EXPECT_EQ(k->y1, 0);
    EXPECT_EQ(k->color, QBColor(8));
    ASSERT_NE(FindText("  %D,"), nullptr);
    EXPECT_EQ(FindText("  %D,")->color, QBColor(1));
    EXPECT_NE(FindText("ｽﾄｷｬｽﾃｲｸｽ  14日"), nullptr);
    Only("mnu2LineKairiRitsu");
    w.fields.OverlayPeriods = {5, 25, 0, 75};
    Band();
    EXPECT_NE(FindText("5 / "), nullptr);
    ASSERT_NE(FindText(" 25 "), nullptr);
    EXPECT_EQ(FindText(" 25 ")->color, QBColor(12));
    ASSERT_NE(FindText(" :75"), nullptr);
    EXPECT_EQ(FindText(" :75")->color, QBColor(3));
}

// Vector and OBV: level lines only at 40, 80 and 100 either side.
TEST_F(BandTest, VectorAndObvLevelsWithoutLabels) {
    for (const char* item : {"mnuVector", "mnuOBV"}) {
        Only(item);
        Band();
        std::vector<double> levels;
        for (const auto& l : Calls(Kind::Line)) {
            if (l.color == QBColor(8) && l.y1 == l.y2) levels.push_back(l.y1);
        }
        EXPECT_EQ(levels, (std::vector<double>{-100, -80, -40, 40, 80, 100})) << item;
        EXPECT_EQ(FindText("-80%"), nullptr);
        EXPECT_NE(FindText(std::string(item) == "mnuVector" ? "ﾍﾞｸﾄﾙ14日" : "OBV  14日"), nullptr);
    }
}

}  // namespace
}  // namespace ranvik::test
