// Buttons and keys on the price pane of a chart window: the 指標 popup, the
// vertical topics switch, the explanation balloon while the left button is
// held, the volume-area switch of a double click, and the topics items.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "chart/drawing/balloon_text.h"
#include "platform/runtime/values.h"
#include "platform/surface/scaled_place.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/popup_menu_service.h"
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik {
namespace {

using test::RecordingForm3;

const std::string kBr = "\r\n";

// The legend box drawn on a recording surface of its size.
class BalloonForm3 : public RecordingForm3 {
public:
    Surface& LegendBox() override {
        legend.Resize(WidthOf(Picture8), HeightOf(Picture8));
        return legend;
    }
    RecordingSurface legend;
};

class PricePaneMouse : public test::ChartWindowTestOf<BalloonForm3> {
protected:
    void SetUp() override {
        ChartWindowTestOf::SetUp();
        // Topics stay chosen only while their list exists.
        test::WriteBytes(dir.File("チャートNEWS.etxt"), "");
    }
    // The daily file drawn as candlesticks, the explanation option set.
    BalloonForm3& Shown(bool option = true) {
        Start();
        RequestFile("1301d.KDT", "d");
        BalloonForm3& w = W();
        w.Item("mnuFuncExItem", 4).SetChecked(option);
        return w;
    }
    // One pixel in the price pane's vertical units.
    double Pixel(BalloonForm3& w) { return std::abs(w.price.FromTwipsY(15) - w.price.FromTwipsY(0)); }
    double UnitsPerTwip(BalloonForm3& w) { return std::abs(w.price.ScaleHeight() / w.price.Height()); }
    static std::string LabelCaption(const QLabel* label) {
        return label->text().replace("\n", QString::fromStdString(kBr)).toStdString();
    }
    // A price in the middle of the price area.
    double PriceY() { return F().PriceBottom + F().PriceSpan / 2; }
};

TEST_F(PricePaneMouse, IchimokuBalloonWithItsLegendAndTheReleaseHidingBoth) {
    BalloonForm3& w = Shown();
    ASSERT_EQ(F().ChartShown, 1);
    w.Item("mnu一目", 1).SetChecked(true);
    const double y = PriceY();
    w.Picture1_MouseDown(1, 0, 70, y);

    ASSERT_FALSE(w.Picture8->isHidden());
    const double height = 5 * 4595.0 / 26 * UnitsPerTwip(w);
    EXPECT_NEAR(HeightInScale(w.price, *w.Picture8), height, Pixel(w));
    EXPECT_NEAR(TopInScale(w.price, *w.Picture8), y, Pixel(w));
    EXPECT_NEAR(LeftInScale(w.price, *w.Picture8), 70, 7);
    ASSERT_FALSE(w.Label16->isHidden());
    EXPECT_EQ(LabelCaption(w.Label16), "一目均衡表は将来の株価を予測します" + kBr);
    EXPECT_EQ(ForeColorOf(w.Label16), RGB(0, 0, 255));
    // Directly below the box: y runs upward on this chart.
    EXPECT_NEAR(TopInScale(w.price, *w.Label16), y - height, 2 * Pixel(w));
    EXPECT_EQ(w.Label16->parentWidget(), w.Picture1);
    EXPECT_EQ(w.Picture8->parentWidget(), w.Picture1);

    const auto boxes = w.legend.CallsOf(RecordedCall::Kind::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].color, QBColor(10));
    const auto texts = w.legend.CallsOf(RecordedCall::Kind::Text);
    const std::vector<std::pair<std::string, Color>> lines = {{"基準線", QBColor(12)},
                                                              {"転換線", QBColor(4)},
                                                              {"先行ｽﾊﾟﾝ１上限線", QBColor(9)},
                                                              {"先行ｽﾊﾟﾝ２下限線", QBColor(13)},
                                                              {"遅行ｽﾊﾟﾝ", QBColor(3)}};
    ASSERT_EQ(texts.size(), lines.size());
    const double boxHeight = w.legend.ScaleHeight();
    EXPECT_EQ(texts[0].y1, static_cast<double>(static_cast<long>(RoundHalfEven(boxHeight)) / 20));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(texts[i].text, lines[i].first);
        EXPECT_EQ(texts[i].color, lines[i].second);
        EXPECT_DOUBLE_EQ(texts[i].x1, w.legend.ScaleWidth() / 100);
    }

    w.Picture1_MouseUp(1, 0, 70, y);
    EXPECT_TRUE(w.Picture8->isHidden());
    EXPECT_TRUE(w.Label16->isHidden());

    // The next press starts afresh: a cleared box, only the new lines.
    w.legend.ClearLog();
    w.Item("mnu一目雲のみ", 1).SetChecked(true);
    w.Picture1_MouseDown(1, 0, 70, y);
    EXPECT_EQ(w.legend.CallsOf(RecordedCall::Kind::Clear).size(), 1u);
    EXPECT_TRUE(w.legend.CallsOf(RecordedCall::Kind::Text).empty());
    EXPECT_TRUE(w.Picture8->isHidden());  // the cloud alone has no legend
    EXPECT_NEAR(TopInScale(w.price, *w.Label16), y, Pixel(w));
}

TEST_F(PricePaneMouse, LabelBelowTheBoxOnAnUpsideDownChartAndTheDarkBackground) {
    BalloonForm3& w = Shown();
    w.Item("mnu一目", 1).SetChecked(true);
    w.SetBackgroundColour(1);  // black
    F().InvertedChart = -1;
    // The drawn scale stays upright; the label is placed by y + height all
    // the same, so it lands below the box when y runs downward.
    const double y = PriceY();
    w.Picture1_MouseDown(1, 0, 70, y);
    const double height = 5 * 4595.0 / 26 * UnitsPerTwip(w);
    EXPECT_NEAR(TopInScale(w.price, *w.Label16), y + height, 2 * Pixel(w));
    EXPECT_EQ(ForeColorOf(w.Label16), QBColor(15));
}

TEST_F(PricePaneMouse, VolumeAreaBoundaryWithAndWithoutTheOverlayBelowThePrices) {
    BalloonForm3& w = Shown();
    const ChartWindowState before = F();
    ASSERT_NE(before.MaxVolume, 0);
    // Below PriceBottom + PriceSpan / 20 and above the line lowered by
    // PriceSpan.
    const double y = before.PriceBottom - before.PriceSpan / 2;
    std::vector<std::string> lines;
    for (std::int16_t period : before.VolumeAvgPeriods) {
        if (period > 0) lines.push_back("出来高移動平均 " + std::to_string(period) + "日");
    }
    ASSERT_FALSE(lines.empty());
    const bool balances = before.ViewMaxBuyBalance != 0 || before.ViewMaxSellBalance != 0;

    w.Picture1_MouseDown(1, 0, 35, y);
    EXPECT_EQ(LabelCaption(w.Label16).rfind("出来高移動平均は相場のトレンド／需給動向を予測します" + kBr, 0), 0u);
    EXPECT_FALSE(w.Picture8->isHidden());
    const auto texts = w.legend.CallsOf(RecordedCall::Kind::Text);
    ASSERT_GE(texts.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(texts[i].text, lines[i]);
    EXPECT_EQ(w.legend.CallsOf(RecordedCall::Kind::Box).at(0).color, QBColor(2));
    const double rows = static_cast<double>(texts.size());
    EXPECT_NEAR(HeightInScale(w.price, *w.Picture8), rows * 176 * UnitsPerTwip(w), Pixel(w));
    EXPECT_NEAR(TopInScale(w.price, *w.Label16), y - rows * 176 * UnitsPerTwip(w), 2 * Pixel(w));
    EXPECT_EQ(balances, texts.size() > lines.size());
    w.Picture1_MouseUp(1, 0, 35, y);

    for (const char* overlay : {"mnu陰陽足", "mnu3Days"}) {
        w.Item(overlay, 1).SetChecked(true);
        w.Picture1_MouseDown(1, 0, 35, y);
        EXPECT_TRUE(w.Picture8->isHidden()) << overlay;
        const std::string caption = LabelCaption(w.Label16);
        EXPECT_EQ(caption, std::string(overlay) == "mnu陰陽足"
                               ? "陰陽足は相場のトレンドと勢いを見ます" + kBr
                               : "三日平均線「天井・底値」、又はそれらの前兆・変化などの予測で利用されます" + kBr);
        // The lowered bottom served the test only.
        EXPECT_EQ(F().PriceBottom, before.PriceBottom) << overlay;
        w.Picture1_MouseUp(1, 0, 35, y);
        w.Item(overlay, 1).SetChecked(false);
    }
}

TEST_F(PricePaneMouse, EnvelopePercentsAndMovingAveragePeriodsFromTheWindow) {
    BalloonForm3& w = Shown();
    const auto& p = F().OverlayPeriods;
    std::string list;
    if (p[0] > 0) list = std::to_string(p[0]);
    for (int i = 1; i <= 3; ++i) {
        if (p[i] > 0) list += ", " + std::to_string(p[i]);
    }
    ASSERT_FALSE(list.empty());
    w.Picture1_MouseDown(1, 0, 70, PriceY());
    EXPECT_EQ(LabelCaption(w.Label16), "移動平均は株価の上昇／下落期待を予測します(" + list + "日)" + kBr);
    w.Picture1_MouseUp(1, 0, 70, PriceY());
    w.Check8.SetValue(1);  // monthly candles: the unit is the month
    w.Picture1_MouseDown(1, 0, 70, PriceY());
    EXPECT_NE(LabelCaption(w.Label16).find("月)" + kBr), std::string::npos) << LabelCaption(w.Label16);
    w.Picture1_MouseUp(1, 0, 70, PriceY());

    w.Item("mnuEnvelope", 1).SetChecked(true);
    const std::string daily = w.MainBoxText(37);
    w.SetMainBoxText(37, "0");
    w.SetMainBoxText(39, "10");
    w.SetMainBoxText(5, "");
    w.Picture1_MouseDown(1, 0, 70, PriceY());
    EXPECT_EQ(LabelCaption(w.Label16), "エンベロープは株価変動の範囲を予測します(,  10 %)" + kBr);
    w.Picture1_MouseUp(1, 0, 70, PriceY());
    w.SetMainBoxText(37, daily);
}

TEST_F(PricePaneMouse, NothingWithTheOptionOffOrBeforeAChartIsDrawn) {
    Start();
    BalloonForm3& fresh = W();
    fresh.Item("mnuFuncExItem", 4).SetChecked(true);
    ASSERT_EQ(F().ChartShown, 0);
    fresh.Picture1_MouseDown(1, 0, 70, 100);
    EXPECT_TRUE(fresh.Label16->isHidden());
    EXPECT_TRUE(fresh.Picture8->isHidden());

    RequestFile("1301d.KDT", "d");
    BalloonForm3& w = W();
    w.Item("mnuFuncExItem", 4).SetChecked(false);
    w.Item("mnu一目", 1).SetChecked(true);
    for (int button : {1, 2, 4}) {
        ScopedRecordingPopupMenus popups;
        w.Picture1_MouseDown(button, 0, 70, PriceY());
        EXPECT_TRUE(w.Label16->isHidden()) << button;
        EXPECT_TRUE(w.Picture8->isHidden()) << button;
        w.Picture1_MouseUp(button, 0, 70, PriceY());
    }
    // A right or middle press never shows a balloon.
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    for (int button : {2, 4}) {
        ScopedRecordingPopupMenus popups;
        w.Picture1_MouseDown(button, 0, 70, PriceY());
        EXPECT_TRUE(w.Label16->isHidden()) << button;
    }
}

TEST_F(PricePaneMouse, RightAndMiddleClicksActOnlyOnTheCandlestickChart) {
    BalloonForm3& w = Shown();
    const struct {
        const char* name;
        HiddenCheckBox* box;
        bool acts;
        const char* balloon;  // the left press's text on that kind
    } kinds[] = {
        {"Check1", &w.Check1, true, nullptr},
        {"Check2", &w.Check2, false, nullptr},
        {"Check4", &w.Check4, false, "Ｐ＆Ｆは株価の小さな値動きにとらわれない大局的な分析に利用します"},
        {"Check11", &w.Check11, false, "新値足は大きな相場の流れの転換点を捕らえます"},
        {"Check12", &w.Check12, false, "新値足は大きな相場の流れの転換点を捕らえます"},
        {"Check1 again", &w.Check1, true, nullptr},
    };
    for (const auto& k : kinds) {
        k.box->SetValue(1);
        const std::string name = k.name;
        ScopedRecordingPopupMenus popups;
        w.Picture1_MouseDown(2, 0, 70, PriceY());
        if (k.acts) {
            ASSERT_EQ(popups->shown.size(), 1u) << name;
            EXPECT_EQ(popups->shown[0].menu, w.IndicatorMenu());
            const QPoint pixel(static_cast<int>(std::lround(w.price.ToTwipsX(70) / 15)),
                               static_cast<int>(std::lround(w.price.ToTwipsY(PriceY()) / 15)));
            EXPECT_EQ(popups->shown[0].point, w.Picture1->mapToGlobal(pixel));
        } else {
            EXPECT_TRUE(popups->shown.empty()) << name;
        }
        const bool upright = w.Item("mnuTopicsDisp", 2).Checked();
        const int draws = w.Draws();
        w.Picture1_MouseDown(4, 0, 70, PriceY());
        EXPECT_EQ(w.Item("mnuTopicsDisp", 2).Checked(), k.acts ? !upright : upright) << name;
        EXPECT_EQ(w.Draws(), draws + (k.acts ? 1 : 0)) << name;

        w.Picture1_MouseDown(1, 0, 70, PriceY());
        if (k.balloon != nullptr) {
            EXPECT_FALSE(w.Label16->isHidden()) << name;
            EXPECT_EQ(LabelCaption(w.Label16), k.balloon);
            // Its own height above the press (y runs upward).
            EXPECT_NEAR(TopInScale(w.price, *w.Label16), PriceY() + HeightInScale(w.price, *w.Label16),
                        2 * Pixel(w));
        } else if (!k.acts) {
            EXPECT_TRUE(w.Label16->isHidden()) << name;
        }
        w.Picture1_MouseUp(1, 0, 70, PriceY());
    }
}

TEST_F(PricePaneMouse, DoubleClickSwitchesTheVolumeArea) {
    BalloonForm3& w = Shown();
    ASSERT_EQ(F().VolumeAreaRatio, 7);
    for (int ratio : {3, 7, 3}) {
        const int draws = w.Draws();
        w.Picture1_DblClick();
        EXPECT_EQ(F().VolumeAreaRatio, ratio);
        EXPECT_EQ(w.Item("mnuGamen比", 2).Checked(), ratio == 3);
        EXPECT_EQ(w.Draws(), draws + 1);
    }
    // ViewLow moves by one so that the redraw chooses the scale afresh; seen
    // here while a load is under way and nothing is drawn.
    F().ShownFileName = "other.KDT";
    const float low = F().ViewLow;
    const int draws = w.Draws();
    w.Picture1_DblClick();
    EXPECT_EQ(F().ViewLow, low + 1);
    EXPECT_EQ(w.Draws(), draws);
    F().ShownFileName = F().DataFileName;

    // Not on another kind, nor before a chart is drawn.
    w.Check2.SetValue(1);
    const int ratio = F().VolumeAreaRatio;
    w.Picture1_DblClick();
    EXPECT_EQ(F().VolumeAreaRatio, ratio);
    w.Check1.SetValue(1);
    F().ChartShown = 0;
    w.Picture1_DblClick();
    EXPECT_EQ(F().VolumeAreaRatio, ratio);
}

TEST_F(PricePaneMouse, EventsOnThePaneReachTheHandlers) {
    MDIForm1& main = StartShown();
    RequestFile("1301d.KDT", "d");
    BalloonForm3& w = W();
    w.Item("mnuFuncExItem", 4).SetChecked(true);
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    const QPoint at(40, HeightOf(w.Picture1) / 15 / 2);
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, at);
    EXPECT_FALSE(w.Label16->isHidden());
    EXPECT_NEAR(LeftInScale(w.price, *w.Label16), w.price.FromTwipsX(at.x() * 15), 7);
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, at);
    EXPECT_TRUE(w.Label16->isHidden());
    EXPECT_TRUE(main.Picture1->hasFocus());

    QTest::mouseDClick(w.Picture1, Qt::LeftButton, {}, at);
    EXPECT_EQ(F().VolumeAreaRatio, 3);

    QLineEdit* box = main.QuickBoxes[3];
    box->setEnabled(true);
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(w.Picture1, Qt::Key_A);
    EXPECT_TRUE(main.Picture1->hasFocus());
}

TEST_F(PricePaneMouse, TopicsItemsAreNeverBothChecked) {
    BalloonForm3& w = Shown();
    // (item clicked, horizontal checked after, vertical checked after)
    const struct {
        int index;
        bool across;
        bool upright;
    } steps[] = {
        {1, true, false}, {2, false, true}, {2, false, false}, {2, false, true},
        {1, true, false}, {1, false, false}, {1, true, false},
    };
    for (const auto& s : steps) {
        const int draws = w.Draws();
        w.mnuTopicsDisp_Click(s.index);
        EXPECT_EQ(w.Item("mnuTopicsDisp", 1).Checked(), s.across) << s.index;
        EXPECT_EQ(w.Item("mnuTopicsDisp", 2).Checked(), s.upright) << s.index;
        EXPECT_EQ(w.Draws(), draws + 1);
    }
    // The menu items run the same handler.
    w.Item("mnuTopicsDisp", 2).Choose();
    EXPECT_FALSE(w.Item("mnuTopicsDisp", 1).Checked());
    EXPECT_TRUE(w.Item("mnuTopicsDisp", 2).Checked());
}

}  // namespace
}  // namespace ranvik
