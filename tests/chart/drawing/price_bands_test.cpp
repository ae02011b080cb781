// The Bollinger band, the envelope and the HL band against lines the test
// works out afresh (two-pass sample deviation, window extremes), a band
// drawn with a deviation item, and the printed bands within the price band.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "chart/drawing/print_scale.h"
#include "tests/chart/drawing/price_pane_fixture.h"

namespace {
// A colour as one number, for sets of the colours drawn.
std::uint32_t Key(const ranvik::Color& c) { return (c.r << 16) | (c.g << 8) | c.b; }
}  // namespace

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;

class PriceBands : public test::PricePaneTest {
protected:
    // The band lines of record r, in drawing order, with their colours.
    struct Expect {
        std::vector<double> values;
        std::vector<Color> colors;
    };

    Expect Bollinger(int r, int p) {
        const double m = Mean(r, p, close);
        double squares = 0;
        for (int i = r - p + 1; i <= r; ++i) squares += (close(i) - m) * (close(i) - m);
        const double s = p > 1 ? std::sqrt(squares / (p - 1)) : 0;
        return {{m + 3 * s, m + 2 * s, m + s, m, m - s, m - 2 * s, m - 3 * s},
                {QBColor(8), QBColor(8), QBColor(8), QBColor(12), QBColor(8), QBColor(8), QBColor(8)}};
    }
    Expect HighLow(int r, int p) {
        double h = bars[r].High;
        double l = bars[r].Low;
        for (int i = r - p + 1; i <= r; ++i) {
            h = std::max(h, static_cast<double>(bars[i].High));
            l = std::min(l, static_cast<double>(bars[i].Low));
        }
        return {{h, l, (h + l) / 2}, {QBColor(8), QBColor(8), QBColor(13)}};
    }
    Expect Envelope(int r, int p) {
        const double m = Mean(r, p, close);
        return {{m, m * 0.95, m * 1.05}, {QBColor(12), QBColor(8), QBColor(8)}};
    }

    // Every bar's segments in order against the lines of the bar before and
    // of the bar itself.
    void ExpectBand(const std::function<Expect(int)>& band, int p, const std::string& what) {
        const std::vector<RecordedCall> lines = Of(w.price, Kind::Line);
        const int first = w.fields.FirstRecord;
        const std::size_t n = band(first).values.size();
        const auto points = Expected(p, [](int) { return 0.0; });
        ASSERT_EQ(lines.size(), n * (points.size() - 1)) << what;
        for (std::size_t b = 1; b < points.size(); ++b) {
            const int r = first + static_cast<int>(std::lround((points[b].first - 3) / 7));
            const Expect before = band(r - 1);
            const Expect now = band(r);
            for (std::size_t i = 0; i < n; ++i) {
                const RecordedCall& l = lines[(b - 1) * n + i];
                const std::string at = what + " record " + std::to_string(r) + " line " + std::to_string(i);
                EXPECT_EQ(l.color, now.colors[i]) << at;
                EXPECT_DOUBLE_EQ(l.x1, points[b - 1].first) << at;
                EXPECT_DOUBLE_EQ(l.x2, points[b].first) << at;
                EXPECT_NEAR(l.y1, before.values[i], 0.02) << at;
                EXPECT_NEAR(l.y2, now.values[i], 0.02) << at;
            }
        }
    }
};

TEST_F(PriceBands, LinesOnTheScreen) {
    w.mainBoxes = {{68, "20"}, {36, "10"}, {37, "5"}, {39, "0"}, {54, "10"}};
    struct Case {
        const char* item;
        int p;
        std::function<Expect(int)> band;
    };
    const Case cases[] = {
        {"mnuボリンジャ", 20, [this](int r) { return Bollinger(r, 20); }},
        {"mnuEnvelope", 10, [this](int r) { return Envelope(r, 10); }},
        {"mnuHLband", 10, [this](int r) { return HighLow(r, 10); }},
    };
    for (const Case& c : cases) {
        for (const char* item : {"mnuボリンジャ", "mnuEnvelope", "mnuHLband"}) Check(item, std::string(item) == c.item);
        w.fields.BandPeriod = 0;
        Prepare(DataFileBuilder(300), 150);
        Draw();
        ExpectBand(c.band, c.p, c.item);
    }
    EXPECT_EQ(w.mainBoxes[5], "");
}

// A period of 1 has no sample deviation: the seven lines meet on the close
// instead of dividing by p - 1 = 0.
TEST_F(PriceBands, BollingerOfOneBar) {
    w.mainBoxes[68] = "1";
    Check("mnuボリンジャ");
    Prepare(DataFileBuilder(100), 50);
    Draw();
    const std::vector<RecordedCall> lines = Of(w.price, Kind::Line);
    ASSERT_FALSE(lines.empty());
    for (const RecordedCall& l : lines) {
        const int r = 50 + static_cast<int>(std::lround((l.x2 - 3) / 7));
        ASSERT_TRUE(std::isfinite(l.y2));
        EXPECT_FLOAT_EQ(static_cast<float>(l.y2), bars[r].Close);
    }
}

// With a deviation item the band is drawn first without it; the second pass
// draws the moving averages' rates without the band; both items are checked
// afterwards.  陰陽足 the same, its fourth period then 0.
TEST_F(PriceBands, DeviationItemWithAnOverlay) {
    struct Case {
        const char* overlay;
        const char* deviation;
        std::vector<Color> rateColors;
    };
    const Case cases[] = {
        {"mnuボリンジャ", "mnuKairiRitsu", {QBColor(8), QBColor(12), QBColor(13)}},
        {"mnu陰陽足", "mnu2LineKairiRitsu", {QBColor(12), QBColor(13)}},
    };
    for (const Case& c : cases) {
        w.mainBoxes = {{20, "5"}, {21, "25"}, {22, "75"}, {68, "20"}, {66, "3"}};
        for (const char* item : {"mnuボリンジャ", "mnu陰陽足", "mnuKairiRitsu", "mnu2LineKairiRitsu"}) {
            Check(item, std::string(item) == c.overlay || std::string(item) == c.deviation);
        }
        w.fields.BandPeriod = 0;
        Prepare(DataFileBuilder(300), 150);
        Draw();
        EXPECT_TRUE(Checked(c.overlay)) << c.overlay;
        EXPECT_TRUE(Checked(c.deviation)) << c.overlay;
        std::set<std::uint32_t> colors;
        for (const RecordedCall& l : Of(w.indicator, Kind::Line)) colors.insert(Key(l.color));
        std::set<std::uint32_t> expected;
        for (const Color& color : c.rateColors) expected.insert(Key(color));
        EXPECT_EQ(colors, expected) << c.overlay;
        EXPECT_FALSE(Of(w.price, Kind::Line).empty()) << c.overlay;
        // Only the deviation items were on besides the overlay: the periods
        // of the moving averages are not kept.
        EXPECT_EQ(w.fields.OverlayPeriods[0], 0) << c.overlay;
        EXPECT_EQ(w.fields.OverlayPeriods[3], 0) << c.overlay;
    }
}

// On paper every band keeps within the clip levels of the view; the HL
// band's printed colours differ from the screen's; an outer Bollinger line
// lying on its level is not drawn.
TEST_F(PriceBands, PrintedBandsKeepWithinTheBand) {
    w.mainBoxes = {{68, "20"}, {36, "10"}, {37, "5"}, {39, "2"}, {54, "10"}};
    struct Case {
        const char* item;
        std::set<std::uint32_t> colors;
    };
    const Case cases[] = {
        {"mnuボリンジャ", {Key(QBColor(8)), Key(QBColor(12))}},
        {"mnuEnvelope", {Key(RGB(150, 150, 150)), Key(RGB(200, 150, 150)), Key(QBColor(12))}},
        {"mnuHLband", {Key(QBColor(2)), Key(QBColor(12))}},
    };
    for (const Case& c : cases) {
        for (const char* item : {"mnuボリンジャ", "mnuEnvelope", "mnuHLband"}) Check(item, std::string(item) == c.item);
        w.fields.BandPeriod = 0;
        Prepare(DataFileBuilder(300), 150);
        ChartWindowState& f = w.fields;
        const double high = f.ClipLevelH;
        const double low = f.ClipLevelL;
        SetPrinterPriceScale(f, w.price, w.printer);
        f.PrintingNow = -1;
        Draw();
        f.PrintingNow = 0;
        const std::vector<RecordedCall> paper = Of(w.printer, Kind::Line);
        ASSERT_FALSE(paper.empty()) << c.item;
        std::set<std::uint32_t> colors;
        int onALevel = 0;
        for (const RecordedCall& l : paper) {
            colors.insert(Key(l.color));
            for (const double y : {l.y1, l.y2}) {
                EXPECT_GE(y, low) << c.item << " " << Describe(l);
                EXPECT_LE(y, high) << c.item << " " << Describe(l);
                if (y == static_cast<float>(high) || y == static_cast<float>(low)) ++onALevel;
            }
            if (std::string(c.item) == "mnuボリンジャ" && l.color == QBColor(8)) {
                EXPECT_FALSE(l.y1 == l.y2 && (l.y1 == static_cast<float>(high) || l.y1 == static_cast<float>(low)))
                    << Describe(l);
            }
        }
        EXPECT_EQ(colors, c.colors) << c.item;
        // The wide band's outer lines leave the price band and are cut.
        if (std::string(c.item) == "mnuボリンジャ") {
            EXPECT_GT(onALevel, 0);
        }
        EXPECT_TRUE(w.price.Calls().empty()) << c.item;
    }
}

}  // namespace
}  // namespace ranvik
