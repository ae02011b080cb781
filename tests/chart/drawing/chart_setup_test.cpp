// ShowChart: its messages, the header it takes, the period, the captions of
// the window and of the main window, and the drawer of the kind that is on.
#include "chart/drawing/chart_setup.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>

#include "platform/ui/control_colors.h"
#include "tests/chart/drawing/drawing_fixture.h"
#include "tests/support/data_files.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class ChartSetup : public test::DrawingTest {
protected:
    std::string Text(int label) { return w.LabelNo(label).text().toStdString(); }
};

TEST_F(ChartSetup, WithoutAFileNameOnlyMessage300IsShown) {
    ShowChart(w);
    ASSERT_EQ(Messages(), std::vector<std::string>{"300, 銘柄を指定して下さい    "});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(w.blinking);
    EXPECT_TRUE(w.price.Calls().empty());
}

// A file that holds no bar leaves the window without a stock; not a byte of
// it is written, and a missing one is not created.
TEST_F(ChartSetup, AFileWithoutBarsIsReportedAndLeftAsItWas) {
    QuoteRecord headerOnly;
    headerOnly.RecordNo = 1;
    QuoteRecord countsTwo;
    countsTwo.RecordNo = 2;
    countsTwo.CorrectionMultiplier = "99";
    QuoteRecord noCount;
    const struct {
        const char* what;
        std::string bytes;  // empty: no file at all
    } cases[] = {
        {"missing", ""},
        {"ends inside its header", test::DataFileBytes(3).substr(0, 30)},
        {"header only", headerOnly.Encode()},
        {"a header that counts a bar the file lacks", countsTwo.Encode()},
        {"a header that counts no bar, bars after it", noCount.Encode() + test::TestBar(2).Encode()},
    };
    for (const auto& c : cases) {
        messages->shown.clear();
        const std::string path = dir.File("7203d.KDT");
        std::filesystem::remove(path);
        if (!c.bytes.empty()) test::WriteBytes(path, c.bytes);
        w.fields.DataFileName = path;
        w.fields.ChartShown = 1;
        w.blinking = true;
        ShowChart(w);
        EXPECT_EQ(Messages(), std::vector<std::string>{"302, 株価データが無い    "}) << c.what;
        EXPECT_EQ(w.fields.DataFileName, "") << c.what;
        EXPECT_EQ(w.fields.ChartShown, 0) << c.what;
        EXPECT_FALSE(w.blinking) << c.what;
        EXPECT_EQ(std::filesystem::exists(path), !c.bytes.empty()) << c.what;
        if (!c.bytes.empty()) {
            EXPECT_EQ(test::ReadBytes(path), c.bytes) << c.what;
        }
    }
    EXPECT_TRUE(w.price.CallsOf(Kind::Line).empty());
}

// A header counting more records than the file holds: the records there are
// drawn, nothing beyond them is read.
TEST_F(ChartSetup, AHeaderCountingMoreThanTheFileHoldsTakesWhatItHolds) {
    DataFileBuilder file(30);
    file.Header().RecordNo = 500;
    Show(file);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(w.fields.RecordCount, 31);
    EXPECT_EQ(w.fields.ViewWidthMax, 31 * 7 + 100);
    EXPECT_EQ(w.fields.ChartShown, 1);
}

TEST_F(ChartSetup, ThePeriodComesFromTheLetterBeforeKdtForALocalFileOnly) {
    const struct {
        const char* name;
        double source;
        std::int16_t before, after;
        const char* unit;
    } cases[] = {
        {"1301d.KDT", 1, 0, -1, "日"},  {"1301w.KDT", 1, -1, 0, "週"},
        {"1301x.KDT", 1, -1, -1, "日"}, {"1301D.KDT", 1, 0, 0, "週"},
        // A stock fetched from the web keeps the period its update set.
        {"Temp1w.KDT", 2, -1, -1, "日"},
    };
    for (const auto& c : cases) {
        DataFileBuilder(30).Write(dir.File(c.name));
        w.fields.DataFileName = dir.File(c.name);
        w.fields.StockSource = c.source;
        w.fields.IsDaily = c.before;
        w.fields.YearPaneDragX = 5;
        ShowChart(w);
        EXPECT_EQ(w.fields.IsDaily, c.after) << c.name;
        EXPECT_EQ(w.fields.PeriodUnit.Text(), c.unit) << c.name;
        EXPECT_EQ(w.fields.YearPaneDragX, 0) << c.name;
    }
}

// The price captions: an exchange-rate series (codes "0010" to "0500" as
// text) names its low the top and may be drawn upside down.
TEST_F(ChartSetup, PriceCaptionsAndTheInvertedChart) {
    const struct {
        const char* code;
        bool invertChecked;
        int kind;
        float high, low;
        const char* information;
        bool exchange;
        bool invertEnabled;  // the item enabled before is 0
    } cases[] = {
        {"1301", false, 1, 1234, 1000.5f, " 最高値：1,234  最安値：1,000.5", false, false},
        {"1301", true, 1, 98765.25f, 12, " 最高値：98,765.25  最安値：12", false, false},
        {"0100", true, 1, 151.5f, 0.5f, " 最高値：0.5  最安値：151.5", true, true},
        {"0010", false, 11, 2, 0.25f, " 最高値：0.25  最安値：2", true, true},
        {"0500", true, 12, 3, 1, " 最高値：1  最安値：3", true, true},
        {"00A0", true, 1, 3, 1, " 最高値：1  最安値：3", true, true},  // between the two as text
        // The comparison draws no inverted chart: the item is left as it was.
        {"0100", true, 2, 3, 1, " 最高値：1  最安値：3", true, false},
        {"0501", true, 1, 3, 1, " 最高値：3  最安値：1", false, false},
        {"0009", true, 1, 3, 1, " 最高値：3  最安値：1", false, false},
    };
    for (const auto& c : cases) {
        DataFileBuilder file(30);
        file.Header().High = c.high;
        file.Header().Low = c.low;
        w.fields.StockCode4 = c.code;
        w.SetItem("mnuChart上下", 1, c.invertChecked);
        w.Item("mnuChart上下", 1).SetEnabled(false);
        w.ShowKind(c.kind);
        Show(file);
        const std::string what = std::string(c.code) + " kind " + std::to_string(c.kind);
        EXPECT_EQ(Text(20), c.information) << what;
        EXPECT_EQ(Text(5), c.exchange ? "安値" : "高値") << what;
        EXPECT_EQ(Text(6), c.exchange ? "高値" : "安値") << what;
        EXPECT_EQ(w.fields.InvertedChart, c.exchange && c.invertChecked ? -1 : 0) << what;
        EXPECT_EQ(w.Item("mnuChart上下", 1).Enabled(), c.invertEnabled) << what;
        EXPECT_EQ(w.fields.FileHigh, c.high) << what;
        EXPECT_EQ(w.fields.FileLow, c.low) << what;
    }
}

TEST(PriceCaption, ThousandsNoTrailingPointAndTheLeadingZeroOfARate) {
    EXPECT_EQ(PriceCaption(1234, false), "1,234");
    EXPECT_EQ(PriceCaption(1234.5, false), "1,234.5");
    EXPECT_EQ(PriceCaption(0.5, false), ".5");
    EXPECT_EQ(PriceCaption(0.5, true), "0.5");
    EXPECT_EQ(PriceCaption(0.125, true), "0.13");
}

TEST_F(ChartSetup, TheTitleTheMainCaptionAndTheWindowTab) {
    Program().app.AppTitle = "Ranvikチャート ";
    w.fields.StockTitle = "(日) 極洋 ";
    w.fields.StockUnitText = "(100株)";
    w.fields.WindowNo = 2;
    SetForeColor(&w.LabelNo(1), QBColor(7));
    Show(DataFileBuilder(30));
    EXPECT_EQ(Text(1), "(日) 極洋 (100株)");
    EXPECT_EQ(ForeColorOf(&w.LabelNo(1)), RGB(0, 120, 255));
    EXPECT_EQ(w.mainCaption, "Ranvikチャート (日) 極洋 ");
    ASSERT_EQ(w.tabs.count(2), 1u);
    EXPECT_EQ(w.tabs[2].caption, " 極洋 ");
    EXPECT_EQ(w.tabs[2].toolTip, "(日) 極洋 ");
    EXPECT_EQ(Program().windows.ActiveWindowNo, 2);
    EXPECT_EQ(LeftOf(&w.LabelNo(20)), PixelsToTwips(TwipsToPixels(LeftOf(&w.LabelNo(1)) + WidthOf(&w.LabelNo(1)) + 10)));
    EXPECT_GT(WidthOf(&w.LabelNo(1)), 0);
}

TEST(WindowTabText, TheTitleAfterACodeOrAMarketLabel) {
    const struct {
        const char* title;
        const char* tab;
    } cases[] = {
        {"(日) 極洋 ", " 極洋 "},
        {"<東証>トヨタ自動車 ", "トヨタ自動車 "},
        {"極洋 ", "極洋 "},          // neither character
        {"(1)<2> x", "<2> x"},       // the parenthesis first
        {"ab>c)d", "d"},             // a ")" within the first five wins
        {"abcdef>x", ""},            // ">" further in
        {"abcde)x", "abcde)x"},      // ")" further in, no ">": the whole title
        {"abcdefg)x>y", ""},
        {"（日）極洋", "（日）極洋"},  // full-width characters are other characters
    };
    for (const auto& c : cases) EXPECT_EQ(WindowTabText(c.title), c.tab) << c.title;
}

TEST_F(ChartSetup, TheChangeCaptionNamesThePeriod) {
    const struct {
        const char* name;
        int monthly;
        const char* caption;
    } cases[] = {{"1301d.KDT", 0, "前日比"}, {"1301w.KDT", 0, "前週比"}, {"1301d.KDT", 1, "前月比"}, {"1301w.KDT", 1, "前月比"}};
    for (const auto& c : cases) {
        w.checks[8] = c.monthly;
        Show(DataFileBuilder(30), c.name);
        EXPECT_EQ(Text(7), c.caption) << c.name << c.monthly;
    }
}

// Each kind's drawer, with the flags it starts from; the quick bar cleared
// for all but the comparison, the read-out panel and the parameter panel for
// the candlestick chart.
TEST_F(ChartSetup, TheDrawerOfTheKindThatIsOn) {
    const struct {
        int box;
        const char* drawer;  // nullptr: the candlestick chart
        bool quickBarCleared;
    } cases[] = {
        {1, nullptr, true},           {2, "stock comparison", false}, {3, "reverse watch", true},
        {4, "point and figure", true}, {10, "year comparison", false}, {11, "three-line break", true},
        {12, "three-line break", true}, {0, nullptr, true},
    };
    for (const auto& c : cases) {
        w.ShowKind(c.box);
        w.kindDraws.clear();
        w.syncCalls = 0;
        w.fields.YearCompareRestart = 0;
        w.fields.ViewWidth = 903;
        w.price.ClearLog();
        w.quickBar.ClearLog();
        w.dataPanel.ClearLog();
        Show(DataFileBuilder(300));
        const std::string what = std::to_string(c.box);
        if (c.drawer != nullptr) {
            EXPECT_EQ(w.kindDraws, (std::map<std::string, int>{{c.drawer, 1}})) << what;
        } else {
            EXPECT_TRUE(w.kindDraws.empty()) << what;
        }
        EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), c.box == 1 ? 1u : 0u) << what;
        EXPECT_EQ(w.quickBar.CallsOf(Kind::Clear).size(), c.quickBarCleared ? 1u : 0u) << what;
        EXPECT_EQ(w.dataPanel.CallsOf(Kind::Clear).size(), c.box == 1 ? 1u : 0u) << what;
        EXPECT_EQ(w.syncCalls, c.box == 1 ? 1 : 0) << what;
        EXPECT_EQ(w.fields.YearCompareRestart, c.box == 10 ? -1 : 0) << what;
        // The year-by-year comparison always shows the whole file.
        EXPECT_EQ(w.fields.ViewWidth, c.box == 10 ? 301 * 7 + 100 : 903) << what;
        EXPECT_EQ(w.fields.ChartShown, 1) << what;
    }
}

// Point and figure keeps its box size for the stock it was worked out for.
TEST_F(ChartSetup, ThePointAndFigureBoxSizeIsDroppedForAnotherStock) {
    w.ShowKind(4);
    w.fields.StockTitle = "極洋 ";
    w.fields.StockUnitText = "(100株)";
    const struct {
        const char* drawnTitle;
        const char* shownCode;
        float boxSize;
    } cases[] = {{"極洋 (100株)", "1301", 25}, {"日水 (100株)", "1301", 0}, {"極洋 (100株)", "1332", 0}};
    for (const auto& c : cases) {
        w.LabelNo(12).setText(c.drawnTitle);
        w.fields.StockCode = "1301";
        w.fields.ShownCode = c.shownCode;
        w.fields.PnfBoxSize = 25;
        Show(DataFileBuilder(30));
        EXPECT_EQ(w.fields.PnfBoxSize, c.boxSize) << c.drawnTitle << c.shownCode;
    }
}

TEST_F(ChartSetup, TheSetUpLeavesTheWindowReadyForItsFirstScan) {
    DataFileBuilder file(300);
    file.Header().Volume = 123456;
    w.LabelNo(14).show();
    w.LabelNo(21).show();
    w.LabelNo(10).show();
    w.visible[Pane::YearCandles] = true;
    w.checks[8] = 1;
    Show(file);
    EXPECT_TRUE(w.LabelNo(14).isHidden());
    EXPECT_TRUE(w.LabelNo(21).isHidden());
    EXPECT_TRUE(w.LabelNo(10).isHidden());
    EXPECT_FALSE(w.LabelNo(20).isHidden());
    EXPECT_FALSE(w.PaneVisible(Pane::YearCandles));
    EXPECT_EQ(w.fields.FileMaxVolume, 123456);
    EXPECT_EQ(w.fields.ShownFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(w.fields.DataFileName, dir.File("1301d.KDT"));
    EXPECT_EQ(w.fields.ParamsIsDaily, -1);
    EXPECT_EQ(w.bar.singleStep(), 30);
    EXPECT_EQ(w.LabelNo(12).text(), w.LabelNo(1).text());
    EXPECT_FALSE(w.blinking);
    for (const auto& change : w.scrollChanges) EXPECT_EQ(change.dataFileName, "");
}

}  // namespace
}  // namespace ranvik
