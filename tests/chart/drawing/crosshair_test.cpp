// The crosshair: exclusive-or lines removed before new ones are drawn, the
// panes each kind draws on, the -2000 arguments, the price tag's place, flip
// and caption, DelLine, and a cleared pane forgetting the lines.
#include "chart/drawing/crosshair.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/ui/twips.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

struct Seg {
    char pane;  // 'P' price, 'I' indicator, 'B' band volume
    double x1, y1, x2, y2;
    Color color;
    friend bool operator==(const Seg&, const Seg&) = default;
};

std::ostream& operator<<(std::ostream& os, const Seg& s) {
    return os << s.pane << " (" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

class Crosshair : public test::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        f().ChartShown = 1;
        f().DataFileName = "x.KDT";
        f().AxisFormat = "#,###";
        f().ClipLevelL = 1000;
        f().ClipLevelH = 5000;
        w.price.Scale(0, 5000, 700, 1000);  // prices upward
        w.indicator.Scale(0, 100, 700, 0);
        w.bandVolume.Scale(0, 5000, 100, 1000);
        w.menus.Item("mnuMisc", 0).SetChecked(true);
        w.menus.Item("mnuFuncExItem", 5).SetChecked(true);
        Log();
    }
    ChartWindowState& f() { return w.fields; }
    void Log() {
        w.price.ClearLog();
        w.indicator.ClearLog();
        w.bandVolume.ClearLog();
    }
    // Every line since the last Log, pane by pane; all drawn in xor mode.
    std::vector<Seg> Lines() {
        std::vector<Seg> out;
        for (auto [pane, s] : {std::pair{'P', &w.price}, {'I', &w.indicator}, {'B', &w.bandVolume}}) {
            for (const RecordedCall& c : s->CallsOf(RecordedCall::Kind::Line)) {
                EXPECT_EQ(c.state.Mode, DrawMode::Xor);
                out.push_back({pane, c.x1, c.y1, c.x2, c.y2, c.color});
            }
            EXPECT_EQ(s->DrawMode(), DrawMode::Copy);
        }
        return out;
    }
    static Seg V(char pane, double x) {
        return pane == 'P' ? Seg{'P', x, 5000, x, 1000, QBColor(2)} : Seg{'I', x, 100, x, 0, QBColor(2)};
    }
    static Seg H(char pane, double y) {
        return pane == 'P' ? Seg{'P', 0, y, 700, y, QBColor(7)} : Seg{'B', 0, y, 100, y, QBColor(7)};
    }
    QLabel& Tag() { return w.LabelNo(14); }
};

TEST_F(Crosshair, OldLinesGoBeforeNewOnes) {
    MoveCrosshair(w, 70, 3000);
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 3000), V('I', 70), H('B', 3000)}));
    Log();
    MoveCrosshair(w, 77, 3100);
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 3000), V('P', 77), H('P', 3100), V('I', 70),
                                         V('I', 77), H('B', 3000), H('B', 3100)}));
    EXPECT_EQ(f().CrossX, 77);
    EXPECT_EQ(f().CrossY, 3100);
}

TEST_F(Crosshair, MinusTwoThousandDrawsNoLineAndIsKept) {
    MoveCrosshair(w, 70, 3000);
    Log();
    MoveCrosshair(w, 80, -2000);  // from the indicator pane: vertical only
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 3000), V('P', 80), V('I', 70), V('I', 80),
                                         H('B', 3000)}));
    EXPECT_EQ(f().CrossY, -2000);
    EXPECT_TRUE(Tag().isHidden());
    Log();
    MoveCrosshair(w, -2000, 2000);  // from the band volume pane: horizontal only
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 80), H('P', 2000), V('I', 80), H('B', 2000)}));
    EXPECT_EQ(f().CrossX, -2000);
}

TEST_F(Crosshair, PanesPerKindAndClipLevels) {
    w.checks[1] = 0;
    w.checks[10] = 1;  // year by year: nothing in the indicator pane
    MoveCrosshair(w, 70, 500);  // below ClipLevelL: nothing in the band pane
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 500)}));
    Log();
    w.visible[Pane::Indicator] = false;
    w.visible[Pane::BandVolume] = false;
    w.checks[10] = 0;
    w.checks[11] = 1;
    MoveCrosshair(w, 7, 3000);
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 500), V('P', 7), H('P', 3000)}));
    for (int kind : {2, 3, 4}) {
        ForgetCrosshair(w);
        Log();
        w.checks[11] = 0;
        w.checks[kind] = 1;
        MoveCrosshair(w, 7, 3000);
        EXPECT_TRUE(Lines().empty()) << kind;
        w.checks[kind] = 0;
    }
    w.checks[1] = 1;
    f().ChartShown = 0;
    MoveCrosshair(w, 7, 3000);
    w.menus.Item("mnuMisc", 0).SetChecked(false);
    f().ChartShown = 1;
    MoveCrosshair(w, 7, 3000);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(Crosshair, PriceTagPlaceFlipAndCaption) {
    ChartWindowState s;
    s.AxisFormat = "#,###";
    s.PriceTop = 5000;
    s.PriceBottom = 1000;
    s.PriceSpan = 1000;
    const struct {
        double x, y;
        bool inverted, shift;
        double left, top;
        const char* caption;
    } cases[] = {
        {100, 3000, false, false, 110, 3050, "3,000"},
        {660, 3000, false, false, 610, 3050, "3,000"},  // 660 + 10 + 40 > 700: flipped
        {650, 3000, false, false, 660, 3050, "3,000"},  // just fits
        {100, 3000, true, false, 110, 2950, "3,000"},
        {100, 900, false, true, 110, 950, "1,900"},      // below the price area with 陰陽足
        {100, 900, false, false, 110, 950, "900"},
        {100, 5100, true, true, 110, 5050, "4,100"},
        {100, 5100, false, true, 110, 5150, "5,100"},
    };
    for (const auto& c : cases) {
        s.InvertedChart = c.inverted ? -1 : 0;
        const PriceTagPlace tag = PriceTagFor(s, c.x, c.y, 700, 40, 100, c.shift);
        EXPECT_EQ(tag.left, c.left) << c.x << " " << c.y;
        EXPECT_EQ(tag.top, c.top) << c.x << " " << c.y;
        EXPECT_EQ(tag.caption, c.caption) << c.x << " " << c.y;
    }
}

TEST_F(Crosshair, TagShownWithThePriceAndHiddenWhenOff) {
    MoveCrosshair(w, 70, 3000);
    EXPECT_FALSE(Tag().isHidden());
    EXPECT_EQ(Tag().text().toStdString(), "3,000");
    EXPECT_NEAR(w.price.FromTwipsX(LeftOf(&Tag())), 80, 1);
    w.menus.Item("mnuFuncExItem", 5).SetChecked(false);
    MoveCrosshair(w, 70, 3000);
    EXPECT_TRUE(Tag().isHidden());
}

TEST_F(Crosshair, DelLineRemovesWhatIsDrawn) {
    MoveCrosshair(w, 70, 3000);
    Log();
    DelLine(w);
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 70), H('P', 3000), V('I', 70), H('B', 3000)}));
    EXPECT_EQ(f().CrossX, -2000);
    EXPECT_EQ(f().CrossY, -2000);
    EXPECT_TRUE(Tag().isHidden());
    Log();
    DelLine(w);  // nothing left to remove
    EXPECT_TRUE(Lines().empty());
    EXPECT_FALSE(CrosshairMayBeDrawn(w));
    MoveCrosshair(w, 70, 3000);
    EXPECT_TRUE(CrosshairMayBeDrawn(w));
}

TEST_F(Crosshair, ForgottenAfterAClearSoTheNextMoveDrawsOnlyNewLines) {
    MoveCrosshair(w, 70, 3000);
    ForgetCrosshair(w);
    EXPECT_TRUE(Tag().isHidden());
    Log();
    MoveCrosshair(w, 77, 3100);
    EXPECT_EQ(Lines(), (std::vector<Seg>{V('P', 77), H('P', 3100), V('I', 77), H('B', 3100)}));
}

}  // namespace
}  // namespace ranvik
