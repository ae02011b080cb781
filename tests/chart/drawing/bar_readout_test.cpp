// The bar read-out: which record a mouse x reads for daily and monthly data,
// the texts and places under the panel's labels, the split correction, and
// "no bar" for every position or file that has none.
#include "chart/drawing/bar_readout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using test::DataFileBuilder;

std::vector<std::string> Texts(const BarReadout& r) {
    std::vector<std::string> texts;
    for (const ReadoutText& t : r.texts) texts.push_back(t.text);
    return texts;
}

TEST(ReadoutPrice, PatternAndTrailingPoint) {
    const struct {
        const char* pattern;
        double value;
        const char* text;
    } cases[] = {
        {"#,###", 1234.5, "1,234.5"}, {"#,###", 1234, "1,234"},     {"#,###", 0, ""},
        {"#,###", 12, "12"},          {"#,###", 0.125, ".13"},      {"#,###.#0", 1234.5, "1,234.50"},
        {"0.#0", 2.5, "2.50"},        {"0.###0", 0.12345, "0.1235"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadoutPrice(c.value, c.pattern), c.text) << c.pattern << " " << c.value;
}

class BarReadoutTest : public test::DrawingTest {
protected:
    DataFileBuilder file{30};
    void UseDaily(int firstRecord) {
        file.Seal().Write(dir.File("1301d.KDT"));
        f().DataFileName = dir.File("1301d.KDT");
        f().FirstRecord = static_cast<std::int16_t>(firstRecord);
        f().RecordCount = static_cast<std::int16_t>(file.LastRecord());
        f().AxisFormat = "#,###";
    }
    ChartWindowState& f() { return w.fields; }
    BarReadout At(double x, bool monthly = false, bool correction = false) {
        return ReadBarUnderCursor(f(), x, monthly, correction);
    }
};

TEST_F(BarReadoutTest, TextsPlacesAndColours) {
    QuoteRecord& bar = file[12];
    bar.QuoteDate = "03/15/24";
    bar.Open = 1234.5f;
    bar.Close = 1234;
    bar.High = 1300;
    bar.Low = 1200.25f;
    bar.Volume = 1234567;
    bar.SellBalance = 1000;
    bar.BuyBalance = 3000;
    file[11].Close = 1222;
    UseDaily(10);
    const BarReadout r = At(14);  // 14 / 7 = 2 bars from record 10
    ASSERT_TRUE(r.hasBar);
    EXPECT_EQ(Texts(r), (std::vector<std::string>{"24/03/15", "1,234.5", "1,234", "1,300", "1,200.25", "+12",
                                                  "1,234,567", "1,000", "3,000", "3."}));
    ASSERT_EQ(r.texts.size(), std::size(kReadoutLabels));
    for (std::size_t i = 0; i < r.texts.size(); ++i) {
        EXPECT_EQ(r.texts[i].x, kReadoutLabels[i].left);
        EXPECT_EQ(r.texts[i].y, 200);
        EXPECT_EQ(r.texts[i].qbColor, i == 0 ? 13 : 3);
    }
    EXPECT_EQ(r.shown.Close, 1234);
    EXPECT_EQ(r.before.Close, 1222);

    f().BackColorNo = 2;  // dark background: light grey values, the date stays magenta
    const BarReadout dark = At(14);
    EXPECT_EQ(dark.texts[0].qbColor, 13);
    EXPECT_EQ(dark.texts[1].qbColor, 7);
}

TEST_F(BarReadoutTest, FallAndRatios) {
    file[12].Close = 1000;
    file[11].Close = 1010.5f;
    file[12].SellBalance = 1000;
    file[12].BuyBalance = 2456;
    file[13].SellBalance = 0;
    file[13].BuyBalance = 500;
    UseDaily(10);
    EXPECT_EQ(Texts(At(14))[5], "-10.5");
    EXPECT_EQ(Texts(At(14))[9], "2.46");
    EXPECT_EQ(Texts(At(21))[9], "-");
}

TEST_F(BarReadoutTest, WhichRecordEachXReads) {
    UseDaily(10);
    const struct {
        double x;
        int record;  // 0: no bar
    } cases[] = {
        {0, 10}, {6.99, 10}, {7, 11}, {-6.5, 10},  // Fix cuts toward zero
        {-7, 9}, {-56, 2},   {-63, 0},             // record 1 is the header, not a bar
        {-700, 0}, {7.0 * 21, 31}, {7.0 * 22, 0},  // record 31 is the last
    };
    for (const auto& c : cases) {
        const BarReadout r = At(c.x);
        EXPECT_EQ(r.hasBar, c.record != 0) << c.x;
        if (c.record == 0) {
            EXPECT_EQ(Texts(r), std::vector<std::string>{"xx/xx/xx"}) << c.x;
            EXPECT_EQ(r.shown.QuoteDate, "xx/xx/xx");
        } else {
            EXPECT_EQ(r.shown.QuoteDate, file[c.record].QuoteDate) << c.x;
        }
    }
}

TEST_F(BarReadoutTest, FirstRecordIsComparedWithItself) {
    UseDaily(2);
    const BarReadout r = At(3);
    EXPECT_EQ(r.before.QuoteDate, file[2].QuoteDate);
    EXPECT_EQ(Texts(r)[5], "");
}

TEST_F(BarReadoutTest, UnreadableFileIsNoBarAndCreatesNothing) {
    UseDaily(10);
    f().DataFileName = dir.File("missing.KDT");
    EXPECT_FALSE(At(7).hasBar);
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing.KDT")));
    // A file cut short of the bar's record.
    f().DataFileName = dir.File("short.KDT");
    test::WriteBytes(f().DataFileName, file.Bytes().substr(0, 11 * QuoteRecord::kLength + 10));
    EXPECT_FALSE(At(14).hasBar);
    EXPECT_TRUE(At(0).hasBar);
}

TEST_F(BarReadoutTest, OnePointAfterTheBar) {
    file[15].SellBalance = 100;
    file[15].BuyBalance = 300;
    UseDaily(10);
    f().CorrectionFactors = {1, 2, 0, 0, 0, 0};
    f().CorrectionRecords = {0, 20, 0, 0, 0, 0};
    f().CorrectionRecord = 20;
    f().CorrectionFactor = 2;
    const BarReadout before = At(35, false, true);  // record 15
    EXPECT_EQ(before.shown.Open, file[15].Open / 2);
    EXPECT_EQ(before.shown.Volume, file[15].Volume * 2);
    EXPECT_EQ(before.shown.SellBalance, 200);
    EXPECT_EQ(before.shown.BuyBalance, 600);
    EXPECT_EQ(before.before.Close, file[14].Close / 2);
    const BarReadout at = At(70, false, true);  // record 20, the point itself
    EXPECT_EQ(at.shown.Open, file[20].Open);
    EXPECT_EQ(at.before.Close, file[19].Close / 2);
    EXPECT_EQ(Texts(at)[5], "+" + ReadoutPrice(file[20].Close - file[19].Close / 2, "#,###"));
    const BarReadout off = At(35);  // correction off: the file's values
    EXPECT_EQ(off.shown.Open, file[15].Open);
}

TEST_F(BarReadoutTest, RunningPointAdvancesPastTheBar) {
    UseDaily(10);
    // Points on 25 (factor 2) and, older, 15 (factor 4); the view starts
    // before 15.
    f().CorrectionFactors = {2, 2, 4, 0, 0, 0};
    f().CorrectionRecords = {0, 25, 15, 0, 0, 0};
    f().CorrectionRecord = 15;
    f().CorrectionFactor = 4;
    const BarReadout r = At(49, false, true);  // record 17
    EXPECT_EQ(f().CorrectionRecord, 25);
    EXPECT_EQ(f().CorrectionFactor, 2);
    EXPECT_EQ(r.shown.Open, file[17].Open / 2);
    EXPECT_EQ(r.before.Close, file[16].Close / 2);
}

class MonthlyReadout : public BarReadoutTest {
protected:
    void SetUp() override {
        BarReadoutTest::SetUp();
        DataFileBuilder months(3);
        const char* dates[] = {"01/31/24", "02/29/24", "03/29/24"};
        for (int m = 2; m <= 4; ++m) {
            months[m].RecordNo = 20;
            months[m].QuoteDate = dates[m - 2];
        }
        months[3].Close = 900;
        months[4].Close = 950;
        months.Header().RecordNo = 4;
        test::WriteBytes(dir.File("Temp1m.KDT"), months.Bytes());
        f().MonthlyFileName = "Temp1m.KDT";
        f().MonthlyFirstRecord = 2;
        f().MonthlyRecordCount = 4;
        f().MonthCutDays = 5;  // the first month's right edge at x = 15
        f().AxisFormat = "#,###";
    }
};

TEST_F(MonthlyReadout, WalkFromTheFirstShownMonth) {
    const struct {
        double x;
        const char* date;
    } cases[] = {
        {-50, "24/01 --"}, {15, "24/01 --"}, {15.5, "24/02 --"}, {35, "24/02 --"},
        {55, "24/03 --"},  {55.5, "xx/xx --"},
    };
    for (const auto& c : cases) EXPECT_EQ(Texts(At(c.x, true))[0], c.date) << c.x;
    EXPECT_EQ(Texts(At(40, true))[5], "+50");
    EXPECT_EQ(Texts(At(55.5, true)).size(), 1u);
}

TEST_F(MonthlyReadout, MissingMonthlyFileIsNoBar) {
    f().MonthlyFileName = "Temp9m.KDT";
    EXPECT_EQ(Texts(At(0, true)), std::vector<std::string>{"xx/xx --"});
    EXPECT_FALSE(std::filesystem::exists(dir.File("Temp9m.KDT")));
}

}  // namespace
}  // namespace ranvik
