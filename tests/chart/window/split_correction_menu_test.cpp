// The chart menu's split correction item: switched off, the file header's
// extremes; switched on, the whole file walked with the point in force from
// the oldest point on; nothing without a drawn file that carries points.
#include <gtest/gtest.h>

#include <QLabel>

#include "platform/runtime/number_format.h"
#include "tests/chart/window/kind_switch_fixture.h"

namespace ranvik {
namespace {

using test::KindCountingForm3;
using test::TestBar;

struct Point {
    int record;
    const char* multiplier;
};

// Bars 2 to bars + 1 as the fixture makes them, points marked, the header
// with the stored extremes, its multiplier and date naming the newest point.
void WritePointFile(const std::string& path, int bars, const std::vector<Point>& points, float rangeMax = 0,
                    float rangeMin = 0) {
    QuoteRecord header;
    header.RecordNo = static_cast<std::int16_t>(bars + 1);
    std::string body;
    for (int r = 2; r <= bars + 1; ++r) {
        QuoteRecord bar = TestBar(r);
        for (const Point& p : points) {
            if (p.record == r) bar.CorrectionMultiplier = p.multiplier;
        }
        header.High = std::max(header.High, bar.High);
        header.Low = r == 2 ? bar.Low : std::min(header.Low, bar.Low);
        header.Volume = std::max(header.Volume, bar.Volume);
        body += bar.Encode();
    }
    header.CorrectionMultiplier = points.front().multiplier;
    header.QuoteDate = TestBar(points.front().record).QuoteDate;
    header.RangeMax = rangeMax;
    header.RangeMin = rangeMin;
    test::WriteBytes(path, header.Encode() + body);
}

// The extremes of bars 2 to last, each divided (volumes multiplied) by the
// factor `factorOf` gives it.
struct Extremes {
    double high = 0;
    double low = 0;
    double volume = 0;
};
template <class Factor>
Extremes Expected(int last, Factor factorOf) {
    Extremes e;
    for (int r = 2; r <= last; ++r) {
        const QuoteRecord bar = TestBar(r);
        const float c = factorOf(r);
        const float high = bar.High / c;
        const float low = bar.Low / c;
        const float volume = bar.Volume * c;
        if (r == 2 || high > e.high) e.high = high;
        if (r == 2 || low < e.low) e.low = low;
        if (r == 2 || volume > e.volume) e.volume = volume;
    }
    return e;
}

std::string Label20Of(double high, double low, const std::string& format) {
    std::string text = " 最高値：";
    return text.append(FormatNumber(high, format)).append("  最安値：").append(FormatNumber(low, format));
}

class SplitCorrectionMenu : public test::KindSwitchTest {
protected:
    std::string Label20() { return W().Label20->text().toStdString(); }
    MenuItem Hosei() { return W().Item("mnuHosei", 1); }
};

TEST_F(SplitCorrectionMenu, TwoPointsOffGivesTheHeadersExtremesOnWalksFromTheOldestPoint) {
    // Points at records 200 ("2", the newest) and 100 ("3"): bars 2 to 99
    // are divided by 6, bars 100 to 199 by 2, bars from 200 on as stored.
    const struct {
        float rangeMax, rangeMin;
    } headers[] = {{0, 0}, {900, 450}};
    for (const auto& h : headers) {
        SCOPED_TRACE(h.rangeMax);
        KindCountingForm3& w = Drawn();
        const std::string path = dir.File("5555d.KDT");
        WritePointFile(path, 300, {{200, "2"}, {100, "3"}}, h.rangeMax, h.rangeMin);
        ChartWindowState& f = w.Fields();
        f.DataFileName = path;
        f.ShownFileName = path;
        f.RecordCount = 301;
        f.CorrectionRecords = {0, 200, 100, 0, 0, 0};
        f.CorrectionFactors = {2, 2, 6, 0, 0, 0};
        f.AxisFormat = "#,###.#0";
        f.PnfBoxSize = 25;
        Hosei().SetEnabled(true);
        Hosei().SetChecked(true);

        w.mnuHosei_Click();
        const Extremes stored = Expected(301, [](int) { return 1.0f; });
        const double high = h.rangeMax > 0 ? h.rangeMax : stored.high;
        const double low = h.rangeMax > 0 ? h.rangeMin : stored.low;
        EXPECT_FALSE(Hosei().Checked());
        EXPECT_EQ(f.CorrectionWanted, 0);
        EXPECT_DOUBLE_EQ(f.FileHigh, high);
        EXPECT_DOUBLE_EQ(f.FileLow, low);
        EXPECT_DOUBLE_EQ(f.FileMaxVolume, stored.volume);
        EXPECT_EQ(Label20(), Label20Of(high, low, "#,###.#0"));
        EXPECT_EQ(f.PnfBoxSize, 0);
        EXPECT_EQ(w.Draws(), 1);

        // The last drawing left the newest point in force: the walk starts
        // from the oldest one all the same.
        f.CorrectionRecord = 200;
        f.CorrectionFactor = 2;
        f.PnfBoxSize = 25;
        w.Forget();
        w.mnuHosei_Click();
        const Extremes corrected = Expected(301, [](int r) { return r < 100 ? 6.0f : r < 200 ? 2.0f : 1.0f; });
        EXPECT_TRUE(Hosei().Checked());
        EXPECT_EQ(f.CorrectionWanted, kTrue);
        EXPECT_DOUBLE_EQ(f.FileHigh, corrected.high);
        EXPECT_DOUBLE_EQ(f.FileLow, corrected.low);
        EXPECT_DOUBLE_EQ(f.FileMaxVolume, corrected.volume);
        EXPECT_EQ(Label20(), " 最高値：821.00  最安値：83.67");
        EXPECT_EQ(Label20(), Label20Of(corrected.high, corrected.low, "#,###.#0"));
        EXPECT_EQ(f.PnfBoxSize, 0);
        EXPECT_EQ(w.Draws(), 1);
        form->close();
        form.reset();
    }
}

TEST_F(SplitCorrectionMenu, OnePointLoadedSwitchesOffAndBackToTheSetUpsRange) {
    WritePointFile(dir.File("4444d.KDT"), 250, {{120, "2"}});
    KindCountingForm3& w = Drawn("4444d.KDT");
    ChartWindowState& f = w.Fields();
    ASSERT_TRUE(Hosei().Enabled());
    ASSERT_TRUE(Hosei().Checked());
    const Extremes corrected = Expected(251, [](int r) { return r < 120 ? 2.0f : 1.0f; });
    ASSERT_DOUBLE_EQ(f.FileHigh, corrected.high);
    ASSERT_DOUBLE_EQ(f.FileLow, corrected.low);

    w.mnuHosei_Click();
    const Extremes stored = Expected(251, [](int) { return 1.0f; });
    EXPECT_FALSE(Hosei().Checked());
    EXPECT_DOUBLE_EQ(f.FileHigh, stored.high);
    EXPECT_DOUBLE_EQ(f.FileLow, stored.low);
    EXPECT_DOUBLE_EQ(f.FileMaxVolume, stored.volume);
    EXPECT_EQ(Label20(), Label20Of(stored.high, stored.low, f.AxisFormat));

    Hosei().Choose();
    EXPECT_TRUE(Hosei().Checked());
    EXPECT_DOUBLE_EQ(f.FileHigh, corrected.high);
    EXPECT_DOUBLE_EQ(f.FileLow, corrected.low);
    EXPECT_DOUBLE_EQ(f.FileMaxVolume, corrected.volume);
    EXPECT_EQ(Label20(), Label20Of(corrected.high, corrected.low, f.AxisFormat));
    EXPECT_EQ(f.CorrectionRecord, 120);
    EXPECT_FLOAT_EQ(f.CorrectionFactor, 2);
}

TEST_F(SplitCorrectionMenu, NothingHappensWithoutADrawnFileThatCarriesPoints) {
    const struct {
        const char* what;
        void (*spoil)(ChartWindowState&, const std::string& folder);
    } cases[] = {
        {"no chart drawn", [](ChartWindowState& f, const std::string&) { f.ChartShown = 0; }},
        {"no points", [](ChartWindowState& f, const std::string&) { f.CorrectionFactors.fill(0); }},
        {"no file", [](ChartWindowState& f, const std::string&) { f.DataFileName.clear(); }},
        {"a file without points",
         [](ChartWindowState& f, const std::string& folder) { f.DataFileName = folder + "6501d.KDT"; }},
        {"a file gone", [](ChartWindowState& f, const std::string& folder) { f.DataFileName = folder + "0000d.KDT"; }},
    };
    WritePointFile(dir.File("4444d.KDT"), 250, {{120, "2"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KindCountingForm3& w = Drawn("4444d.KDT");
        ChartWindowState& f = w.Fields();
        c.spoil(f, dir.Path());
        const double high = f.FileHigh;
        const double low = f.FileLow;
        const double volume = f.FileMaxVolume;
        const std::string label = Label20();
        w.mnuHosei_Click();
        EXPECT_TRUE(Hosei().Checked());
        EXPECT_EQ(f.CorrectionWanted, kTrue);
        EXPECT_DOUBLE_EQ(f.FileHigh, high);
        EXPECT_DOUBLE_EQ(f.FileLow, low);
        EXPECT_DOUBLE_EQ(f.FileMaxVolume, volume);
        EXPECT_EQ(Label20(), label);
        EXPECT_EQ(w.Draws(), 0);
        form->close();
        form.reset();
    }
}

}  // namespace
}  // namespace ranvik
