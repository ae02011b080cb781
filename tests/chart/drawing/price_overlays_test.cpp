// Pivot, kagi and parabolic drawn in the daily bar pass: the segments, the
// kagi sequences and the parabolic path, worked out here from the bars.
#include "chart/drawing/price_overlays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "chart/drawing/candle_chart.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

struct Segment {
    double x1, y1, x2, y2;
    friend bool operator==(const Segment&, const Segment&) = default;
};
std::ostream& operator<<(std::ostream& out, const Segment& s) {
    return out << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

class PriceOverlays : public test::DrawingTest {
protected:
    void SetUp() override {
        test::DrawingTest::SetUp();
        Program().windows.ActiveWindowNo = 1;
    }
    // A daily file whose bars close at `closes`, each bar's other prices
    // around its close.
    static DataFileBuilder Closing(const std::vector<float>& closes) {
        DataFileBuilder file(static_cast<int>(closes.size()));
        for (std::size_t k = 0; k < closes.size(); ++k) {
            QuoteRecord& bar = file[static_cast<int>(k) + 2];
            bar.Close = closes[k];
            bar.Open = closes[k];
            bar.High = closes[k] + 1;
            bar.Low = closes[k] - 1;
        }
        file.Seal();
        return file;
    }
    void Draw(const DataFileBuilder& file) {
        file.Write(dir.File("1301d.KDT"));
        DataFileBuilder copy = file;
        ChartWindowState& f = w.fields;
        f.DataFileName = dir.File("1301d.KDT");
        f.FirstRecord = 2;
        f.RecordCount = copy.Header().RecordNo;
        f.ViewWidth = 903;
        f.ViewHigh = 0;
        f.IsDaily = -1;
        f.PeriodUnit = "日";
        w.price.Scale(0, 1, 903, 0);
        w.price.ClearLog();
        ChartFile file1;
        file1.Open(f.DataFileName);
        DrawCandleChart(w, file1);
    }
    std::vector<Segment> Lines(Color color) const {
        std::vector<Segment> out;
        for (const RecordedCall& c : w.price.CallsOf(Kind::Line)) {
            if (c.color == color) out.push_back({c.x1, c.y1, c.x2, c.y2});
        }
        return out;
    }
};

TEST_F(PriceOverlays, PivotSegmentsFromTheSecondBar) {
    DataFileBuilder file(3);
    file.Seal();
    w.SetItem("mnuPibott", 1, true);
    Draw(file);
    std::vector<Segment> p, others;
    for (int r = 3; r <= 4; ++r) {
        const double x = 7.0 * (r - 2);
        const PivotLevels before = PivotOf(file[r - 1].High, file[r - 1].Low, file[r - 1].Close);
        const PivotLevels now = PivotOf(file[r].High, file[r].Low, file[r].Close);
        p.push_back({x - 4, before.values[0], x + 3, now.values[0]});
        for (std::size_t i = 1; i < 7; ++i) others.push_back({x - 4, before.values[i], x + 3, now.values[i]});
    }
    EXPECT_EQ(Lines(QBColor(12)), p);
    EXPECT_EQ(Lines(QBColor(8)), others);
    // The levels of one bar, worked out by hand: H 20, L 10, C 15.
    const PivotLevels l = PivotOf(20, 10, 15);
    EXPECT_EQ(l.values, (std::array<float, 7>{15, 30, 25, 20, 10, 5, 0}));
}

// Reversal, extension, an equal close and a zero close, on the time axis
// and off it, with a reversal of 10 percent.
TEST_F(PriceOverlays, KagiSequences) {
    struct Case {
        const char* what;
        int item;
        std::vector<float> closes;
        std::vector<Segment> lines;
    };
    const std::vector<Case> cases = {
        {"time axis",
         1,
         {100, 105, 111, 120, 120, 100, 95},
         {{3, 100, 17, 100}, {17, 100, 17, 111}, {17, 111, 17, 120},
          {17, 120, 38, 120}, {38, 120, 38, 100}, {38, 100, 38, 95}}},
        {"off the time axis",
         2,
         {100, 105, 111, 120, 120, 100, 95},
         {{3, 100, 10, 100}, {10, 100, 10, 111}, {10, 111, 10, 120},
          {10, 120, 17, 120}, {17, 120, 17, 100}, {17, 100, 17, 95}}},
        {"a fall from the start extends at x = 3", 1, {100, 95, 90}, {{3, 100, 3, 95}, {3, 95, 3, 90}}},
        {"short of the reversal", 1, {100, 101, 109.9f, 100}, {}},
        {"a zero close", 1, {0, 100, 111}, {{3, 100, 17, 100}, {17, 100, 17, 111}}},
    };
    for (const Case& c : cases) {
        w.SetItem("mnuKagiAshi", c.item, true);
        w.fields.KagiPct = 10;
        Draw(Closing(c.closes));
        EXPECT_EQ(Lines(RGB(200, 150, 100)), c.lines) << c.what;
        w.SetItem("mnuKagiAshi", c.item, false);
    }
}

// The percentage from the extended panel while the window's is 0 or less:
// not a number or 0 gives 1, a negative one is used and read again.
TEST_F(PriceOverlays, KagiPercentageFromThePanel) {
    struct Case {
        float pct;
        const char* panel;
        float used;
        const char* quickBar;
    };
    for (const Case c : {Case{0, "5", 5, "5"}, Case{0, "", 1, "1"}, Case{0, "abc", 1, "1"}, Case{-1, "-2.5", -2.5f, "-2.5"},
                         Case{7, "5", 7, "7"}}) {
        w.SetItem("mnuKagiAshi", 1, true);
        w.fields.KagiPct = c.pct;
        w.mainBoxes[73] = c.panel;
        Draw(Closing({100, 101}));
        EXPECT_EQ(w.fields.KagiPct, c.used) << c.panel;
        EXPECT_EQ(w.fields.KagiFraction, c.used / 100) << c.panel;
        EXPECT_EQ(w.mainBoxes[6], c.quickBar) << c.panel;
    }
}

// The parabolic path against the rules applied here bar by bar: a rising
// series turns twice near the file's start, then rises long enough for the
// factor to reach 0.22; a drop turns it with the look-back of 3 bars.
TEST_F(PriceOverlays, ParabolicPath) {
    DataFileBuilder file(25);
    for (int r = 2; r <= 26; ++r) {
        QuoteRecord& bar = file[r];
        bar.Open = 1000 + 10.0f * (r - 2);
        bar.Close = bar.Open + 8;
        bar.High = bar.Close + 1;
        bar.Low = bar.Open - 1;
    }
    file[22].Open = 1100;
    file[22].Close = 1090;
    file[22].High = 1101;
    file[22].Low = 1089;
    file.Seal();
    w.SetItem("mnuParabolic", 1, true);
    Draw(file);
    // The rules, bar by bar.
    float sar = file[2].High, ep = file[2].High, af = 0.02f;
    bool up = true;  // five rising bars before the view
    std::vector<Segment> rising, falling;
    float largest = 0;
    for (int r = 2; r <= 26; ++r) {
        const QuoteRecord& b = file[r];
        float next = sar + af * (ep - sar);
        if (up && (next >= b.Open || next >= b.Close)) {
            up = false, ep = b.High, af = 0.02f;
            for (int k = 0; r - 3 >= 2 && k <= 3; ++k) ep = std::max(ep, file[r - k].Close), next = std::max(next, file[r - k].High);
        } else if (!up && (next <= b.Open || next <= b.Close)) {
            up = true, ep = b.Low, af = 0.02f;
            for (int k = 0; r - 3 >= 2 && k <= 3; ++k) ep = std::min(ep, file[r - k].Open), next = std::min(next, file[r - k].Low);
        } else if (up ? b.Close > ep : b.Close < ep) {
            ep = b.Close;
            if (af < 0.2f) af = static_cast<float>(static_cast<double>(af) + 0.02);
        }
        largest = std::max(largest, af);
        const double x = 7.0 * (r - 2);
        (up ? rising : falling).push_back({x, next, x + 7, next});
        sar = next;
    }
    // Ten growths from 0.02, the last from just below the Single 0.2.
    EXPECT_NEAR(largest, 0.22, 1e-6);
    EXPECT_EQ(Lines(QBColor(12)), rising);
    EXPECT_EQ(Lines(QBColor(6)), falling);
    EXPECT_GE(falling.size(), 2u);
    for (const RecordedCall& c : w.price.CallsOf(Kind::Line)) {
        if (c.color == QBColor(12) || c.color == QBColor(6)) {
            EXPECT_EQ(c.state.DrawWidth, 2);
        }
    }
    EXPECT_EQ(w.price.DrawWidth(), 1);
    EXPECT_EQ(w.mainBoxes[8], "0.02");
}

// Fewer than 10 records: the start is falling, from the low of the first bar.
TEST_F(PriceOverlays, ParabolicStartOfAShortFile) {
    DataFileBuilder file(5);
    for (int r = 2; r <= 6; ++r) file[r].Close = file[r].Open + 5;  // all rising
    file.Seal();
    w.SetItem("mnuParabolic", 1, true);
    Draw(file);
    // The first bar turns the falling start at once: its stop is its low.
    const std::vector<Segment> rising = Lines(QBColor(12));
    ASSERT_FALSE(rising.empty());
    EXPECT_EQ(rising[0], (Segment{0, file[2].Low, 7, file[2].Low}));
}

}  // namespace
}  // namespace ranvik
