// The printed bar pass bar by bar: bodies, volume bars, balance lines, pivot
// lines, the kagi's reversal rule and the high and low labels, each against
// values worked out here from the bars the file holds.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/runtime/number_format.h"
#include "tests/print/print_fixture.h"

namespace ranvik::test {
namespace {

using Kind = RecordedCall::Kind;

// The page's x of record r: the first shown bar starts at 0, 7 a bar.
double BarX(const ChartWindowState& f, int r) { return 7.0 * (r - f.FirstRecord); }

// A rising bar is printed hollow (white inside, outlined in the candle's
// colour), a falling or flat one filled; an inverted chart swaps the two.
TEST_F(PrintTest, CandleBodiesHollowOrFilledByDirectionAndInversion) {
    struct Case {
        bool inverted;
        float open, close;
        bool hollow;
    } cases[] = {
        {false, 1000, 1010, true},
        {false, 1010, 1000, false},
        {false, 1005, 1005, false},  // flat: filled
        {true, 1000, 1010, false},
        {true, 1010, 1000, true},
        {true, 1005, 1005, false},
    };
    for (const Case& c : cases) {
        DataFileBuilder file(60);
        file[10].Open = c.open;
        file[10].Close = c.close;
        file.Seal();
        Show(file);
        w.fields.FirstRecord = 2;
        w.fields.InvertedChart = c.inverted ? kTrue : 0;
        Print();
        const double x = BarX(w.fields, 10);
        std::vector<RecordedCall> body;
        for (const auto& call : w.recording.Recorder().Calls()) {
            if ((call.kind == Kind::Box || call.kind == Kind::FilledBox) && call.x1 == x && call.x2 == x + 6) {
                body.push_back(call);
            }
        }
        const std::string name = std::string(c.inverted ? "inverted " : "upright ") + std::to_string(c.open) + "→" +
                                 std::to_string(c.close);
        const Color candle = RGB(0, 120, 200);
        if (c.hollow) {
            ASSERT_EQ(body.size(), 2u) << name;
            EXPECT_EQ(body[0].kind, Kind::FilledBox) << name;
            EXPECT_EQ(body[0].color, QBColor(15)) << name;
            EXPECT_EQ(body[1].kind, Kind::Box) << name;
            EXPECT_EQ(body[1].color, candle) << name;
        } else {
            ASSERT_EQ(body.size(), 1u) << name;
            EXPECT_EQ(body[0].kind, Kind::FilledBox) << name;
            EXPECT_EQ(body[0].color, candle) << name;
        }
        for (const auto& b : body) {
            EXPECT_FLOAT_EQ(static_cast<float>(b.y1), c.open) << name;
            EXPECT_FLOAT_EQ(static_cast<float>(b.y2), c.close) << name;
        }
    }
}

// Volume bars stand on the volume area's base line R × M and are as tall as
// the volume in the page's unit: thousands once the largest volume passes
// 1e8.  Sell balances join bar centres in QBColor(9), buy balances in
// QBColor(13).
TEST_F(PrintTest, VolumeBarsAndBalanceLinesInThePagesUnit) {
    for (const float scale : {1.0f, 30000.0f}) {
        DataFileBuilder file(60);
        for (int r = 2; r <= file.LastRecord(); ++r) {
            file[r].Volume = scale * static_cast<float>(4000 + 37 * r);
            file[r].SellBalance = scale * static_cast<float>(3000 + 11 * r);
            file[r].BuyBalance = scale * static_cast<float>(1000 + 5 * r);
        }
        file.Seal();
        Show(file);
        w.fields.FirstRecord = 2;
        w.SetItem("mnuDekidaka", 1, true);
        w.SetItem("mnuSinyouBB", 1, true);
        Print();
        const ChartWindowState& f = w.fields;
        ASSERT_NE(f.MaxVolume, 0) << scale;
        const double unit = f.MaxVolume > 100000000 ? 1000 : 1;
        EXPECT_EQ(unit, scale > 1 ? 1000 : 1) << "the file's volumes do not pick the unit the case means";
        const double base = static_cast<double>(f.VolumeAreaRatio) * static_cast<double>(f.MaxVolume / unit);
        const double tolerance = 1e-5 * base;
        int bars = 0, sells = 0, buys = 0;
        for (const auto& call : w.recording.Recorder().Calls()) {
            const int r = static_cast<int>(std::lround(call.x1 / 7.0 - 1.0 / 7)) + f.FirstRecord;
            if (call.kind == Kind::FilledBox && call.color == QBColor(10)) {
                ASSERT_GE(r, 2);
                EXPECT_DOUBLE_EQ(call.x1, BarX(f, r) + 1);
                EXPECT_DOUBLE_EQ(call.x2, BarX(f, r) + 5);
                EXPECT_NEAR(call.y1, base, tolerance) << r;
                EXPECT_NEAR(call.y2, base - file[r].Volume / unit, tolerance) << r;
                ++bars;
            }
            if (call.kind != Kind::Line || (call.color != QBColor(9) && call.color != QBColor(13))) continue;
            if (call.x2 - call.x1 != 7 || call.state.DrawWidth != 2) continue;
            const int bar = static_cast<int>(std::lround((call.x2 - 3) / 7)) + f.FirstRecord;
            if (bar < 3 || bar > file.LastRecord()) continue;
            const bool sell = call.color == QBColor(9);
            const float now = sell ? file[bar].SellBalance : file[bar].BuyBalance;
            const float before = sell ? file[bar - 1].SellBalance : file[bar - 1].BuyBalance;
            EXPECT_DOUBLE_EQ(call.x1, BarX(f, bar) - 4);
            EXPECT_NEAR(call.y1, base - before / unit, tolerance) << (sell ? "sell " : "buy ") << bar;
            EXPECT_NEAR(call.y2, base - now / unit, tolerance) << (sell ? "sell " : "buy ") << bar;
            ++(sell ? sells : buys);
        }
        EXPECT_GT(bars, 30) << scale;
        // The first bar of the pass has no balance line.
        EXPECT_EQ(sells, bars - 1) << scale;
        EXPECT_EQ(buys, bars - 1) << scale;
    }
}

// The seven pivot lines of the second bar, in drawing order, each from the
// value of the first bar's prices at its centre to the value of the second
// bar's prices at the next centre; P in QBColor(12), the others QBColor(8).
TEST_F(PrintTest, EveryPivotLineAtItsOwnLevel) {
    DataFileBuilder file(60);
    // Far extremes elsewhere keep the first bars' lines clear of the clip levels.
    file[30].High = 3000;
    file[31].Low = 100;
    file[3].High = 1040;
    file[3].Low = 990;
    file[3].Close = 1030;
    file.Seal();
    Show(file);
    w.fields.FirstRecord = 2;
    w.SetItem("mnuPibott", 1, true);
    Print();
    struct Levels {
        float v[7];
    };
    const auto levels = [](const QuoteRecord& q) {
        const float H = q.High, L = q.Low, C = q.Close;
        const float P = (L + H + C) / 3;
        return Levels{{2 * P + H - 2 * L, H + P - L, 2 * P - L, P, 2 * P - H, P - H + L, 2 * P - 2 * H + L}};
    };
    const Levels before = levels(file[2]);
    const Levels now = levels(file[3]);
    std::vector<RecordedCall> lines;
    for (const auto& l : Calls(Kind::Line)) {
        if (l.x1 == 3 && l.x2 == 10 && (l.color == QBColor(8) || l.color == QBColor(12))) lines.push_back(l);
    }
    const char* names[] = {"HBOP", "R2", "R1", "P", "S1", "S2", "LBOP"};
    ASSERT_EQ(lines.size(), 7u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(lines[static_cast<std::size_t>(k)].color, QBColor(k == 3 ? 12 : 8)) << names[k];
        EXPECT_FLOAT_EQ(static_cast<float>(lines[static_cast<std::size_t>(k)].y1), before.v[k]) << names[k];
        EXPECT_FLOAT_EQ(static_cast<float>(lines[static_cast<std::size_t>(k)].y2), now.v[k]) << names[k];
    }
}

// The kagi turns only on a move of at least the reversal percentage against
// it; a smaller move draws nothing, a move with it extends the line.  Kagi
// without time axis, 3 %, starting from the close before the first bar.
TEST_F(PrintTest, KagiReversesOnlyOnTheReversalPercentage) {
    struct Segment {
        double x1, y1, x2, y2;
    };
    struct Case {
        const char* name;
        std::vector<float> closes;  // record 2 (the start price), then the shown bars
        std::vector<Segment> drawn;
    } cases[] = {
        {"falling: a 2 % rise draws nothing",
         {1000, 990, 1010, 980},
         {{3, 1000, 3, 990}, {3, 990, 3, 980}}},
        {"rising: a 1.8 % fall draws nothing, 6 % turns it",
         {1000, 1100, 1080, 1120, 1050},
         {{3, 1000, 10, 1000}, {10, 1000, 10, 1100}, {10, 1100, 10, 1120}, {10, 1120, 17, 1120}, {17, 1120, 17, 1050}}},
        {"exactly 3 % turns it",
         {1000, 1030},
         {{3, 1000, 10, 1000}, {10, 1000, 10, 1030}}},
    };
    for (const Case& c : cases) {
        DataFileBuilder file(60);
        for (int r = 2; r <= file.LastRecord(); ++r) {
            const std::size_t k = std::min(static_cast<std::size_t>(r - 2), c.closes.size() - 1);
            QuoteRecord& bar = file[r];
            bar.Close = bar.Open = c.closes[k];  // the last close held: no further kagi line
            bar.High = bar.Close + 5;
            bar.Low = bar.Close - 5;
        }
        file[40].High = 1500;  // a price range wider than the kagi's
        file[41].Low = 500;
        file.Seal();
        Show(file);
        w.fields.FirstRecord = 3;
        w.fields.KagiPct = 3;
        w.SetItem("mnuKagiAshi", 2, true);
        Print();
        std::vector<Segment> kagi;
        for (const auto& l : Calls(Kind::Line)) {
            if (l.color == QBColor(0) && l.state.DrawWidth == 2 && l.x1 < 100) kagi.push_back({l.x1, l.y1, l.x2, l.y2});
        }
        ASSERT_EQ(kagi.size(), c.drawn.size()) << c.name;
        for (std::size_t i = 0; i < kagi.size(); ++i) {
            EXPECT_EQ(kagi[i].x1, c.drawn[i].x1) << c.name << " line " << i;
            EXPECT_FLOAT_EQ(static_cast<float>(kagi[i].y1), static_cast<float>(c.drawn[i].y1)) << c.name << " line " << i;
            EXPECT_EQ(kagi[i].x2, c.drawn[i].x2) << c.name << " line " << i;
            EXPECT_FLOAT_EQ(static_cast<float>(kagi[i].y2), static_cast<float>(c.drawn[i].y2)) << c.name << " line " << i;
        }
    }
}

// The view's highest price is labelled above the bar that holds it, the
// lowest below its bar, both in QBColor(8) and one label offset away.
TEST_F(PrintTest, HighLabelAboveTheHighLowLabelBelowTheLow) {
    DataFileBuilder file(60);
    file[12].High = 1400;
    file[20].Low = 800;
    file.Seal();
    Show(file);
    w.fields.FirstRecord = 2;
    Print();
    const ChartWindowState& f = w.fields;
    ASSERT_EQ(f.ViewHigh, 1400);
    ASSERT_EQ(f.ViewLow, 800);
    const RecordedCall* high = nullptr;
    const RecordedCall* low = nullptr;
    const auto texts = Texts();
    for (const auto& t : texts) {
        if (t.color != QBColor(8)) continue;
        if (t.x1 == BarX(f, 12) && t.text == FormatNumber(f.ViewHigh, f.AxisFormat)) high = &t;
        if (t.x1 == BarX(f, 20) && t.text == FormatNumber(f.ViewLow, f.AxisFormat)) low = &t;
    }
    ASSERT_NE(high, nullptr);
    ASSERT_NE(low, nullptr);
    EXPECT_GT(high->y1, f.ViewHigh);
    EXPECT_LT(low->y1, f.ViewLow);
    EXPECT_NEAR(high->y1 - f.ViewHigh, f.ViewLow - low->y1, 1e-6);
}

}  // namespace
}  // namespace ranvik::test
