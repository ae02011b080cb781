// The display options of a chart window: the data panel, the yearly
// candles, the monthly candles and the price-band volume pane, with and
// before a drawn chart.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "core/main_window.h"
#include "core/toolbar.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::KindSwitchTest;

class DisplayOptions : public KindSwitchTest {};

// Twips as a control takes them: whole pixels.
int Placed(int twips) { return PixelsToTwips(TwipsToPixels(twips)); }

// The panel moves the price pane down and shortens it by its height and 5;
// switched off it gives both back.  With the candlestick chart switched off
// meanwhile (which hid the panel already) the switch-off moves nothing.
TEST_F(DisplayOptions, TheDataPanelShiftsThePricePane) {
    KindCountingForm3& w = Drawn();
    const int top = TopOf(w.Picture1);
    const int height = HeightOf(w.Picture1);
    w.Check6.SetValue(1);
    EXPECT_FALSE(w.Picture11->isHidden());
    EXPECT_TRUE(w.Item("mnuMisc", 1).Checked());
    EXPECT_EQ(TopOf(w.Picture1), Placed(TopOf(w.Picture11) + HeightOf(w.Picture11) + 5));
    EXPECT_EQ(HeightOf(w.Picture1), Placed(height - HeightOf(w.Picture11) - 5));
    EXPECT_EQ(w.Passes(), 1);
    const int shortened = HeightOf(w.Picture1);
    w.Check6.SetValue(0);
    EXPECT_TRUE(w.Picture11->isHidden());
    EXPECT_FALSE(w.Item("mnuMisc", 1).Checked());
    EXPECT_EQ(TopOf(w.Picture1), Placed(TopOf(w.Label1) + HeightOf(w.Label1)));
    EXPECT_EQ(HeightOf(w.Picture1), Placed(shortened + HeightOf(w.Picture11) + 5));
    EXPECT_LE(std::abs(TopOf(w.Picture1) - top), 15);

    w.Check6.SetValue(1);
    w.Check3.SetValue(1);
    EXPECT_TRUE(w.Picture11->isHidden());
    const int aloneTop = TopOf(w.Picture1);
    const int aloneHeight = HeightOf(w.Picture1);
    w.Check6.SetValue(0);
    EXPECT_EQ(TopOf(w.Picture1), aloneTop);
    EXPECT_EQ(HeightOf(w.Picture1), aloneHeight);
    // On again while another kind is shown: it acts at once; the candlestick
    // chart then finds it shown and moves nothing more.
    w.Check6.SetValue(1);
    EXPECT_FALSE(w.Picture11->isHidden());
    w.Check1.SetValue(1);
    EXPECT_EQ(TopOf(w.Picture1), Placed(TopOf(w.Picture11) + HeightOf(w.Picture11) + 5));
}

TEST_F(DisplayOptions, TheYearlyCandlesWaitForADrawnChart) {
    Start();
    KindCountingForm3& w = W();
    w.Check7.SetValue(1);
    EXPECT_EQ(w.Check7.Value(), 1);
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_FALSE(w.Item("mnuMisc", 2).Checked());

    w.Check7.SetValue(0);
    RequestFile("6501d.KDT", "d");
    w.Check7.SetValue(1);
    EXPECT_FALSE(w.Picture4->isHidden());
    EXPECT_TRUE(w.Item("mnuMisc", 2).Checked());
    w.Check7.SetValue(0);
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_FALSE(w.Item("mnuMisc", 2).Checked());
}

// Monthly candles, on and off: the stored periods reset, the change
// caption, the scroll step; a daily stock set up again in the partial
// view, a weekly one redrawn, nothing drawn before a chart.
TEST_F(DisplayOptions, MonthlyCandles) {
    const struct {
        const char* file;  // none: before anything is drawn
        bool partialView;
        const char* offCaption;
    } cases[] = {{"6501d.KDT", true, "前日比"}, {"7203w.KDT", false, "前週比"}, {"", false, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Start();
        KindCountingForm3& w = W();
        if (*c.file != '\0') RequestFile(c.file, "d");
        w.Forget();
        ChartWindowState& f = w.Fields();
        w.Item("mnuMACD", 1).SetChecked(true);
        w.Item("mnuEnvelope", 1).SetChecked(true);
        f.MacdShortPeriod = 12;
        f.OscPeriodWeekly = 9;
        f.OscPeriodDaily = 14;
        f.VolumeIndicatorPeriod = 25;
        f.BandPeriod = 20;
        f.EnvelopePct = 3;
        f.OverlayPeriods = {5, 25, 75, 9};
        f.PartialViewWidth = 700;
        const float width = f.ViewWidth;
        w.Check8.SetValue(1);
        EXPECT_EQ(f.MacdShortPeriod, 0);
        // The redraw's indicator pass writes its monthly default (6) back
        // into the reset period of the stock's own data kind.
        const std::string file = c.file;
        EXPECT_EQ(f.OscPeriodWeekly, file == "7203w.KDT" ? 6 : 0);
        EXPECT_EQ(f.OscPeriodDaily, file == "6501d.KDT" ? 6 : 0);
        EXPECT_EQ(f.VolumeIndicatorPeriod, 0);
        EXPECT_EQ(f.BandPeriod, 0);
        EXPECT_EQ(f.EnvelopePct, 0);
        EXPECT_EQ(f.OverlayPeriods[0], 0);
        EXPECT_EQ(f.OverlayPeriods[1], 0);
        EXPECT_EQ(f.OverlayPeriods[2], 75);
        EXPECT_TRUE(w.Item("mnuMisc", 3).Checked());
        EXPECT_EQ(w.LabelNo(7).text().toStdString(), "前月比");
        EXPECT_EQ(w.HScroll1->singleStep(), 30);
        EXPECT_EQ(w.Passes(), *c.file != '\0' ? 1 : 0);
        if (c.partialView) {
            // Set up again from the partial view's width (which the monthly
            // candles then convert).
            EXPECT_NE(f.ViewWidth, width);
        } else {
            EXPECT_EQ(f.ViewWidth, width);
        }
        w.Check8.SetValue(0);
        EXPECT_FALSE(w.Item("mnuMisc", 3).Checked());
        std::string offCaption = c.offCaption;
        // Before a chart the period unit is the blank of an unset field.
        if (*c.file == '\0') offCaption = std::string("前").append(f.PeriodUnit.Text()).append("比");
        EXPECT_EQ(w.LabelNo(7).text().toStdString(), offCaption);
        EXPECT_EQ(w.HScroll1->singleStep(), 14);
        w.close();
        TearDown();
        SetUp();
    }
}

// Switched on while its pane is already shown, the price-band option only
// rescales and redraws.
TEST_F(DisplayOptions, ThePriceBandPane) {
    KindCountingForm3& w = Drawn();
    const int width = WidthOf(w.Picture1);
    w.Check9.SetValue(1);
    EXPECT_FALSE(w.Picture5->isHidden());
    EXPECT_TRUE(w.Item("mnuMisc", 4).Checked());
    EXPECT_EQ(WidthOf(w.Picture1), Placed(width - WidthOf(w.Picture5)));
    EXPECT_EQ(WidthOf(w.Picture3), WidthOf(w.Picture1));
    EXPECT_EQ(WidthOf(w.HScroll1), Placed(WidthOf(w.Picture1) + 50));
    EXPECT_EQ(LeftOf(w.Picture5), LeftOf(w.Picture1) + WidthOf(w.Picture1));
    EXPECT_EQ(w.Passes(), 1);
    const int narrowed = WidthOf(w.Picture1);
    w.Check9.SetValue(0);
    EXPECT_TRUE(w.Picture5->isHidden());
    EXPECT_EQ(WidthOf(w.Picture1), Placed(narrowed + WidthOf(w.Picture5)));

    const int wide = WidthOf(w.Picture1);
    w.Picture5->show();
    w.Forget();
    w.Check9.SetValue(1);
    EXPECT_EQ(WidthOf(w.Picture1), wide);
    EXPECT_EQ(w.PricePane().ScaleWidth(), w.Fields().ViewWidth);
    EXPECT_EQ(w.Passes(), 1);
}

// A chart window whose yearly pane is a recording surface of Picture4's size.
class YearRecordingForm3 : public KindCountingForm3 {
public:
    Surface& YearPane() override {
        yearPane.Resize(WidthOf(Picture4), HeightOf(Picture4));
        return yearPane;
    }
    RecordingSurface yearPane;
};

class YearPaneOnScreen : public test::ChartWindowTestOf<YearRecordingForm3> {};

// The 年 button on a chart of the window's default size: the pane at its
// default width shows the years' labels, bands and the marker of 2000, not
// the candles alone.
TEST_F(YearPaneOnScreen, TheYearButtonShowsTheDetailAtTheDefaultSize) {
    MDIForm1& main = StartShown();
    RequestFile("1301d.KDT", "d");
    YearRecordingForm3& w = W();
    ASSERT_EQ(w.Fields().ChartShown, 1);
    QToolButton* year = main.Toolbar1->Button("年");
    ASSERT_NE(year, nullptr);
    QTest::mouseClick(year, Qt::LeftButton);
    EXPECT_EQ(w.Check7.Value(), 1);
    EXPECT_FALSE(w.Picture4->isHidden());
    EXPECT_EQ(w.Fields().YearPaneDetail, -1);
    int labels = 0;
    for (const RecordedCall& c : w.yearPane.CallsOf(RecordedCall::Kind::Text)) labels += c.color == QBColor(11) ? 1 : 0;
    EXPECT_GT(labels, 0);
    bool bands = false;
    for (const RecordedCall& c : w.yearPane.CallsOf(RecordedCall::Kind::FilledBox)) bands = bands || c.color == RGB(30, 30, 80);
    EXPECT_TRUE(bands);
}

// The reverse watch's period caption is read whole: the information label
// takes the width of its caption, as it does for the extremes.
class InformationLabel : public test::ChartWindowTest {};

TEST_F(InformationLabel, TheReverseWatchPeriodIsReadWhole) {
    MDIForm1& main = StartShown();
    RequestFile("1301d.KDT", "d");
    test::RecordingForm3& w = *Window(1);
    QCoreApplication::sendPostedEvents();
    EXPECT_GE(w.Label20->width(), w.Label20->fontMetrics().horizontalAdvance(w.Label20->text()));
    QToolButton* reverseWatch = main.Toolbar1->Button("逆ウオッチ");
    ASSERT_NE(reverseWatch, nullptr);
    QTest::mouseClick(reverseWatch, Qt::LeftButton);
    ASSERT_EQ(w.Check3.Value(), 1);
    QCoreApplication::sendPostedEvents();
    const QString caption = w.Label20->text();
    ASSERT_TRUE(caption.contains(QString::fromUtf8("期間："))) << caption.toStdString();
    EXPECT_FALSE(w.Label20->isHidden());
    EXPECT_GE(w.Label20->width(), w.Label20->fontMetrics().horizontalAdvance(caption)) << caption.toStdString();
}

}  // namespace
}  // namespace ranvik
