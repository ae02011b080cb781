// The volume ratios, the Wako ratio and the psychological line of
// DrawVolumePane: their lines against fresh window sums, the period and the
// quick bar, the screen and paper levels and labels, and a file without
// volume.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "chart/drawing/price_scale.h"
#include "chart/panes/volume_figures.h"
#include "chart/panes/volume_pane.h"
#include "tests/chart/drawing/polylines.h"
#include "tests/chart/panes/volume_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Polyline;

// Rising, falling and even bars in an uneven rhythm, a stretch of even bars
// and a stretch without volume.
DataFileBuilder MixedFile(int bars) {
    DataFileBuilder file(bars);
    for (int r = 2; r <= bars + 1; ++r) {
        QuoteRecord& b = file[r];
        const int m = (r * 7) % 5;
        b.Close = m < 2 ? b.Open + 5 : m < 4 ? b.Open - 5 : b.Open;
        b.Volume = static_cast<float>(500 + 13 * (r % 11) + 100 * m);
        if (r >= 60 && r < 70) b.Close = b.Open;  // all even
        if (r >= 90 && r < 100) b.Volume = 0;     // no volume
    }
    return file.Seal();
}

const char* ItemOf(VolumeRatioKind kind, int& index) {
    switch (kind) {
        case VolumeRatioKind::Ratio1: index = 1; return "mnuVolRate";
        case VolumeRatioKind::Ratio2: index = 2; return "mnuVolRate";
        case VolumeRatioKind::Wako: index = 3; return "mnuVolRate";
        case VolumeRatioKind::Psychological: index = 1; return "mnuPSY";
    }
    return "";
}

class VolumeRatios : public test::VolumeAreaTest {
protected:
    void Choose(VolumeRatioKind kind) {
        for (int i = 1; i <= 3; ++i) w.SetItem("mnuVolRate", i, false);
        w.SetItem("mnuPSY", 1, false);
        int index = 1;
        const char* item = ItemOf(kind, index);
        w.SetItem(item, index, true);
    }
    // The value at record r over the n bars up to it, from the file.
    static double Value(DataFileBuilder& file, VolumeRatioKind kind, int r, int n) {
        std::vector<RatioBar> bars;
        for (int j = r - n + 1; j <= r; ++j) bars.push_back({file[j].Open, file[j].Close, file[j].Volume});
        return RatioValue(kind, SumsOf(bars), n);
    }
};

// Every segment of each indicator at the candle middles, at the fresh value
// over its window, left out where the window starts on a zero volume
// (except for the psychological line); on an inverted chart the
// psychological line at 100 - value.
TEST_F(VolumeRatios, LinesMatchFreshWindowSums) {
    DataFileBuilder file = MixedFile(160);
    const int first = 40;
    const int n = 7;
    for (bool inverted : {false, true}) {
        for (VolumeRatioKind kind : {VolumeRatioKind::Ratio1, VolumeRatioKind::Ratio2, VolumeRatioKind::Wako,
                                     VolumeRatioKind::Psychological}) {
            SCOPED_TRACE(static_cast<int>(kind) * 10 + inverted);
            Choose(kind);
            w.fields.InvertedChart = inverted ? -1 : 0;
            DrawChart(file, first);
            w.fields.VolumeIndicatorPeriod = n;
            DrawVolumePane(w, file1);
            const bool psy = kind == VolumeRatioKind::Psychological;
            std::vector<RecordedCall> segments;
            for (const RecordedCall& c : w.price.CallsOf(Kind::Line)) {
                if (c.color == QBColor(6)) segments.push_back(c);
            }
            std::vector<RecordedCall> expected;
            double px = 7.0 * (first - 1 - first) + 3;
            for (int r = first; r <= file.LastRecord(); ++r) {
                const double x = px + 7;
                if (psy || file[r - n + 1].Volume != 0) {
                    double v0 = Value(file, kind, r - 1, n);
                    double v1 = Value(file, kind, r, n);
                    if (psy && inverted) {
                        v0 = 100 - v0;
                        v1 = 100 - v1;
                    }
                    RecordedCall c;
                    c.x1 = px;
                    c.y1 = v0;
                    c.x2 = x;
                    c.y2 = v1;
                    expected.push_back(c);
                }
                px = x;
                if (x >= 903) break;
            }
            ASSERT_EQ(segments.size(), expected.size());
            for (std::size_t i = 0; i < segments.size(); ++i) {
                EXPECT_NEAR(segments[i].x1, expected[i].x1, 1e-9) << i;
                EXPECT_NEAR(segments[i].x2, expected[i].x2, 1e-9) << i;
                EXPECT_NEAR(segments[i].y1, expected[i].y1, 1e-6) << i;
                EXPECT_NEAR(segments[i].y2, expected[i].y2, 1e-6) << i;
            }
            const ScaleCorners back = PricePaneScale(w.fields);
            EXPECT_EQ(w.price.ScaleTop(), back.y1);
            EXPECT_EQ(w.price.FontSize(), 9);
        }
    }
}

// The period: a stored one while the data kind matches, else the panel's
// (its default written back), 6 with monthly candles, rounded; the quick
// bar's caption by indicator.
TEST_F(VolumeRatios, PeriodAndQuickBar) {
    DataFileBuilder file = MixedFile(80);
    struct Case {
        VolumeRatioKind kind;
        std::string box56;
        std::int16_t stored;
        std::int16_t paramsIsDaily;
        int period;
        std::string box56After;
        std::string caption;
    };
    const Case cases[] = {
        {VolumeRatioKind::Ratio1, "0", 0, -1, 25, "25", "ﾎﾞﾘｭｰﾑ..."},
        {VolumeRatioKind::Ratio2, "abc", 0, -1, 25, "25", "ﾎﾞﾘｭｰﾑ..."},
        {VolumeRatioKind::Wako, "9", 0, -1, 9, "9", "ﾎﾞﾘｭｰﾑ..."},
        {VolumeRatioKind::Psychological, "9", 12, -1, 12, "9", "ｻｲｺﾛｼﾞ..."},
        {VolumeRatioKind::Psychological, "9", 12, 0, 9, "9", "ｻｲｺﾛｼﾞ..."},  // stored for weekly data
        {VolumeRatioKind::Ratio1, "10.5", 0, -1, 10, "10.5", "ﾎﾞﾘｭｰﾑ..."},  // rounded, the box kept
        {VolumeRatioKind::Ratio1, "0.4", 0, -1, 25, "25", "ﾎﾞﾘｭｰﾑ..."},     // rounds to 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box56);
        Choose(c.kind);
        w.mainBoxes[56] = c.box56;
        w.mainLabels.clear();
        DrawChart(file, 40);
        w.fields.VolumeIndicatorPeriod = c.stored;
        w.fields.ParamsIsDaily = c.paramsIsDaily;
        DrawVolumePane(w, file1);
        EXPECT_EQ(w.fields.VolumeIndicatorPeriod, c.period);
        EXPECT_EQ(w.mainBoxes[2], std::to_string(c.period));
        EXPECT_EQ(w.mainBoxes[56], c.box56After);
        EXPECT_EQ(w.mainLabels[6].caption, c.caption);
        EXPECT_EQ(w.mainLabels[6].color, QBColor(12));
        EXPECT_TRUE(w.mainLabels[6].enabled);
        EXPECT_TRUE(w.mainBoxEnabled[2]);
    }
}

TEST_F(VolumeRatios, WeeklyDefaultIsThirteen) {
    Choose(VolumeRatioKind::Ratio2);
    w.mainBoxes[57] = "";
    DrawChart(MixedFile(80), 40, 903, false);
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.fields.VolumeIndicatorPeriod, 13);
    EXPECT_EQ(w.mainBoxes[57], "13");
}

// A window that does not drive the main window uses its stored period; with
// none it reads the panel as the active one would and writes nothing.
TEST_F(VolumeRatios, BackgroundWindow) {
    Choose(VolumeRatioKind::Psychological);
    DataFileBuilder file = MixedFile(80);
    Program().windows.ActiveWindowNo = 2;
    w.mainBoxes[56] = "0";
    DrawChart(file, 40);
    w.fields.VolumeIndicatorPeriod = 0;
    DrawVolumePane(w, file1);
    EXPECT_EQ(w.fields.VolumeIndicatorPeriod, 0);
    EXPECT_EQ(w.mainBoxes[56], "0");
    EXPECT_EQ(w.mainBoxes.count(2), 0u);
    EXPECT_TRUE(w.mainLabels.empty());
    EXPECT_TRUE(w.quickBar.Calls().empty());
    // Drawn with 25 bars: the first point at the window ending on record 39.
    const std::vector<Polyline> lines = test::ChainSegments(w.price.Calls(), QBColor(6));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0][0].first, -4);
}

// Without volume the three volume ratios draw nothing, the psychological
// line draws as ever.
TEST_F(VolumeRatios, NoVolume) {
    DataFileBuilder file = MixedFile(80);
    for (int r = 2; r <= file.LastRecord(); ++r) file[r].Volume = 0;
    file.Seal();
    for (VolumeRatioKind kind : {VolumeRatioKind::Ratio1, VolumeRatioKind::Ratio2, VolumeRatioKind::Wako,
                                 VolumeRatioKind::Psychological}) {
        SCOPED_TRACE(static_cast<int>(kind));
        Choose(kind);
        DrawChart(file, 40);
        w.fields.VolumeIndicatorPeriod = 0;
        ASSERT_EQ(w.fields.MaxVolume, 0);
        DrawVolumePane(w, file1);
        if (kind == VolumeRatioKind::Psychological) {
            EXPECT_FALSE(test::ChainSegments(w.price.Calls(), QBColor(6)).empty());
            EXPECT_EQ(w.fields.VolumeIndicatorPeriod, 25);
        } else {
            EXPECT_TRUE(w.price.Calls().empty());
            EXPECT_EQ(w.fields.VolumeIndicatorPeriod, 0);
        }
    }
}

// The screen labels: text, y and colour, for each indicator not enlarged and
// enlarged, upright and inverted.
TEST_F(VolumeRatios, ScreenLevelLabels) {
    using Labels = std::map<double, std::pair<std::string, Color>>;
    const Color pink = QBColor(13);
    const Color plain = QBColor(6);
    struct Case {
        VolumeRatioKind kind;
        bool enlarged;
        bool inverted;
        Labels labels;  // by y less the offset
    };
    const Case cases[] = {
        {VolumeRatioKind::Ratio1, false, false,
         {{70, {"70%", pink}}, {450, {"450%", pink}}, {300, {"ﾎﾞﾘｭｰﾑﾚｼｵ 1", plain}}}},
        {VolumeRatioKind::Ratio1, true, false,
         {{70, {"70%", pink}},
          {450, {"450%", pink}},
          {300, {"ﾎﾞﾘｭｰﾑﾚｼｵ 1", plain}},
          {200, {"+200%", plain}},
          {400, {"+400%", plain}},
          {500, {"+500%", plain}},
          {600, {"+600%", plain}}}},
        {VolumeRatioKind::Ratio2, false, false, {{30, {"30%", pink}}, {70, {"70%", pink}}, {50, {"ﾎﾞﾘｭｰﾑﾚｼｵ 2", plain}}}},
        {VolumeRatioKind::Psychological, false, true,
         {{70, {"30%", pink}}, {30, {"70%", pink}}, {50, {"ｻｲｺﾛｼﾞｶﾙﾗｲﾝ", plain}}}},
        {VolumeRatioKind::Psychological, true, false,
         {{10, {"+10%", plain}},
          {30, {"30%", pink}},
          {70, {"70%", pink}},
          {90, {"+90%", plain}},
          {50, {"ｻｲｺﾛｼﾞｶﾙﾗｲﾝ", plain}}}},
        {VolumeRatioKind::Wako, false, true,
         {{-40, {"-40%", pink}}, {40, {"+40%", pink}}, {0, {"ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ", plain}}}},
        {VolumeRatioKind::Wako, true, false,
         {{-80, {"-80%", plain}},
          {-40, {"-40%", pink}},
          {40, {"+40%", pink}},
          {80, {"+80%", plain}},
          {0, {"ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ", plain}}}},
    };
    DataFileBuilder file = MixedFile(80);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 100 + c.enlarged * 10 + c.inverted);
        Choose(c.kind);
        w.SetItem("mnuGamen比", 2, c.enlarged);
        w.fields.VolumeAreaRatio = c.enlarged ? 3 : 7;
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        DrawChart(file, 40);
        DrawVolumePane(w, file1);
        double dy = c.kind == VolumeRatioKind::Ratio1 ? 24 : c.kind == VolumeRatioKind::Wako ? 10 : 5;
        if (c.enlarged) dy = dy / 2.2 * (c.kind == VolumeRatioKind::Ratio1 ? 2 : 1);
        Labels drawn;
        for (const RecordedCall& t : w.price.CallsOf(Kind::Text)) {
            EXPECT_EQ(t.x1, 0) << t.text;
            drawn[std::round((t.y1 - dy) * 1000) / 1000] = {t.text, t.color};
        }
        EXPECT_EQ(drawn, c.labels);
    }
}

// Level lines on screen: grey levels, the middle line from 22u and pink
// lines, by indicator.
TEST_F(VolumeRatios, ScreenLevelLines) {
    struct Case {
        VolumeRatioKind kind;
        bool enlarged;
        std::vector<double> grey;
        std::vector<double> pink;
        Color pinkColor;
        double middle;
    };
    const Case cases[] = {
        {VolumeRatioKind::Ratio1, false, {}, {70, 450}, RGB(255, 150, 150), 300},
        {VolumeRatioKind::Ratio1, true, {200, 300, 400, 500, 600}, {70, 450}, RGB(255, 150, 150), 300},
        {VolumeRatioKind::Ratio2, true, {10, 30, 70, 90}, {}, RGB(255, 200, 200), 50},
        {VolumeRatioKind::Psychological, true, {10, 30, 70, 90}, {25, 75}, RGB(255, 200, 200), 50},
        {VolumeRatioKind::Psychological, false, {10, 30, 70, 90}, {}, RGB(255, 200, 200), 50},
        {VolumeRatioKind::Wako, false, {-80, -40, 40, 80}, {}, RGB(255, 200, 200), 0},
    };
    DataFileBuilder file = MixedFile(80);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 10 + c.enlarged);
        Choose(c.kind);
        w.SetItem("mnuGamen比", 2, c.enlarged);
        w.fields.VolumeAreaRatio = c.enlarged ? 3 : 7;
        DrawChart(file, 40);
        DrawVolumePane(w, file1);
        const double u = w.indicator.ScaleWidth() / 900 * 5 * (8535 / w.indicator.Width());
        std::vector<double> grey;
        std::vector<double> pink;
        std::vector<double> middle;
        for (const RecordedCall& l : w.price.CallsOf(Kind::Line)) {
            if (l.color == QBColor(8)) {
                EXPECT_NEAR(l.x1, 6 * u, 1e-9);
                EXPECT_EQ(l.state.Style, DrawStyle::Dot);
                grey.push_back(l.y1);
            } else if (l.color == c.pinkColor) {
                pink.push_back(l.y1);
            } else if (l.color == QBColor(2)) {
                EXPECT_NEAR(l.x1, 22 * u, 1e-9);
                EXPECT_EQ(l.state.Style, DrawStyle::DashDotDot);
                middle.push_back(l.y1);
            }
        }
        EXPECT_EQ(grey, c.grey);
        EXPECT_EQ(pink, c.pink);
        EXPECT_EQ(middle, std::vector<double>{c.middle});
        const std::vector<RecordedCall> scales = w.price.CallsOf(Kind::Scale);
        ASSERT_EQ(scales.size(), 2u);
        const double k = c.enlarged ? 1.66 : 1.86;
        const double top = c.kind == VolumeRatioKind::Wako ? w.fields.VolumeAreaRatio * 100 * k
                           : c.kind == VolumeRatioKind::Ratio1 ? w.fields.VolumeAreaRatio * 600.0
                                                               : w.fields.VolumeAreaRatio * 100.0;
        EXPECT_NEAR(scales[0].y1, top, 1e-9);
        EXPECT_EQ(scales[0].y2, c.kind == VolumeRatioKind::Wako ? -100 : 0);
        EXPECT_EQ(w.price.DrawStyle(), DrawStyle::Solid);
    }
}

// On paper: the printed scale, the labels with the period and unit in the
// name, the line at the printed y, and the saved scale put back.
TEST_F(VolumeRatios, PrintedLevelsAndLine) {
    DataFileBuilder file = MixedFile(120);
    struct Case {
        VolumeRatioKind kind;
        bool inverted;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {VolumeRatioKind::Ratio1, false, {"300% ﾎﾞﾘｭｰﾑﾚｼｵ1 25日", "70%", "450%"}},
        {VolumeRatioKind::Ratio2, false, {"90%", "10%", "70%", "30%", "ﾎﾞﾘｭｰﾑﾚｼｵ2 25日"}},
        {VolumeRatioKind::Psychological, true, {"10%", "90%", "30%", "70%", "ｻｲｺﾛｼﾞｶﾙﾗｲﾝ 25日"}},
        {VolumeRatioKind::Wako, false, {"+80%", "-80%", "+40%", "-40%", "ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ 25日"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        Choose(c.kind);
        w.fields.InvertedChart = c.inverted ? -1 : 0;
        DrawChart(file, 40);
        w.fields.VolumeIndicatorPeriod = 0;
        StartPrinting();
        DrawVolumePane(w, file1);
        std::vector<std::string> texts;
        for (const RecordedCall& t : w.printer.CallsOf(Kind::Text)) texts.push_back(t.text);
        EXPECT_EQ(texts, c.texts);
        const double m = std::trunc(903 * 0.1);
        const std::vector<RecordedCall> scales = w.printer.CallsOf(Kind::Scale);
        ASSERT_FALSE(scales.empty());
        EXPECT_EQ(scales[0].x1, -m);
        EXPECT_EQ(scales[0].x2, 903 + m);
        EXPECT_EQ(scales[0].y1, c.kind == VolumeRatioKind::Ratio1 ? -2920 : -1507);
        // The indicator's first segment, at the printed y of its value.
        std::vector<RecordedCall> line;
        for (const RecordedCall& l : w.printer.CallsOf(Kind::Line)) {
            if (l.color == QBColor(6)) line.push_back(l);
        }
        ASSERT_FALSE(line.empty());
        std::vector<RatioBar> bars;
        for (int j = 40 - 25 + 1; j <= 40; ++j) bars.push_back({file[j].Open, file[j].Close, file[j].Volume});
        const double v = RatioValue(c.kind, SumsOf(bars), 25);
        double y = 0;
        switch (c.kind) {
            case VolumeRatioKind::Ratio1: y = 600 - v * 0.1 * 7 * 0.9; break;
            case VolumeRatioKind::Ratio2: y = 100 - 2 * v; break;
            case VolumeRatioKind::Wako: y = -v; break;
            case VolumeRatioKind::Psychological: y = 2 * v - 100; break;
        }
        EXPECT_NEAR(line[0].y2, y, 1e-6);
        EXPECT_EQ(line[0].x2, 3);
        EXPECT_EQ(line[0].state.DrawWidth, 2);
        EXPECT_NEAR(w.printer.ScaleHeight(), w.fields.SavedScaleHeight, 1e-9);
        EXPECT_NEAR(w.printer.ScaleTop(), w.fields.SavedScaleTop, 1e-3);
        w.fields.PrintingNow = 0;
    }
}

TEST_F(VolumeRatios, PrintedVolumeRatioOneEnlargedAddsItsLevels) {
    Choose(VolumeRatioKind::Ratio1);
    w.SetItem("mnuGamen比", 2, true);
    w.fields.VolumeAreaRatio = 3;
    w.checks[8] = 0;
    DrawChart(MixedFile(120), 40);
    w.fields.VolumeIndicatorPeriod = 6;
    StartPrinting();
    DrawVolumePane(w, file1);
    std::vector<std::string> texts;
    for (const RecordedCall& t : w.printer.CallsOf(Kind::Text)) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"300% ﾎﾞﾘｭｰﾑﾚｼｵ1 6日", "100%", "200%", "400%", "500%", "600%", "70%",
                                               "450%"}));
    const double k = 3 * 0.92;
    const std::vector<RecordedCall> lines = w.printer.CallsOf(Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NEAR(lines[1].y1, 600 - k * 10, 1e-9);  // the 100% line
}

}  // namespace
}  // namespace ranvik
