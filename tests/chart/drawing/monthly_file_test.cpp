// The temporary monthly file: its name, its records byte for byte from daily
// and weekly files, month widths, and files of one bar or none.
#include "chart/drawing/monthly_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/runtime/record_file.h"
#include "tests/chart/drawing/drawing_fixture.h"

namespace ranvik {
namespace {

using test::DataFileBuilder;
using test::Spacing;

class MonthlyFile : public test::DrawingTest {
protected:
    // Builds the monthly file of `file` and returns its records.
    std::vector<std::string> Build(const DataFileBuilder& file, bool daily) {
        file.Write(dir.File("1301d.KDT"));
        DataFileBuilder copy = file;
        w.fields.DataFileName = dir.File("1301d.KDT");
        w.fields.RecordCount = copy.Header().RecordNo;
        w.fields.IsDaily = daily ? -1 : 0;
        ChartFile file1;
        file1.Open(w.fields.DataFileName);
        MakeMonthlyFile(w, file1);
        EXPECT_TRUE(file1.IsOpen());
        EXPECT_EQ(file1.Path(), w.fields.DataFileName);
        const std::string bytes = test::ReadBytes(dir.File(w.fields.MonthlyFileName));
        std::vector<std::string> records;
        for (std::size_t at = 0; at < bytes.size(); at += QuoteRecord::kLength) {
            records.push_back(bytes.substr(at, QuoteRecord::kLength));
        }
        return records;
    }
    // The months of `file` as runs of records of one "mm", each with its width.
    static std::vector<QuoteRecord> Months(DataFileBuilder& file, bool daily) {
        std::vector<QuoteRecord> months;
        int k = 0;
        for (int r = 2; r <= file.LastRecord(); ++r) {
            const QuoteRecord& bar = file[r];
            if (months.empty() || months.back().QuoteDate.substr(0, 2) != bar.QuoteDate.substr(0, 2)) {
                if (!months.empty()) months.back().RecordNo = daily ? 20 : WeeklyMonthWidth(k);
                QuoteRecord m = bar;
                m.CorrectionMultiplier = "  ";
                m.Reserved = 0;
                months.push_back(m);
                k = 1;
                continue;
            }
            QuoteRecord& m = months.back();
            m.Close = bar.Close;
            m.High = std::max(m.High, bar.High);
            m.Low = std::min(m.Low, bar.Low);
            m.Volume += bar.Volume;
            m.BuyBalance += bar.BuyBalance;
            m.SellBalance += bar.SellBalance;
            ++k;
        }
        if (!months.empty()) months.back().RecordNo = daily ? 20 : WeeklyMonthWidth(k);
        return months;
    }
};

TEST_F(MonthlyFile, WidthOfAWeeklyMonth) {
    const std::pair<int, int> cases[] = {{0, 14}, {1, 14}, {2, 14}, {3, 28}, {4, 28}, {5, 28}};
    for (auto [k, width] : cases) EXPECT_EQ(WeeklyMonthWidth(k), width) << k;
}

TEST_F(MonthlyFile, RecordsFromDailyAndWeeklyFiles) {
    struct Case {
        bool daily;
        int bars;
        Date first;
    };
    // Weekly from 20 January 2020: months of 2, 4, 5, 3 weeks.
    for (const Case c : {Case{true, 50, {2020, 1, 6}}, Case{false, 14, {2020, 1, 20}}}) {
        DataFileBuilder file(c.bars, c.daily ? Spacing::Weekdays : Spacing::Weeks, c.first);
        for (int r = 2; r <= file.LastRecord(); r += 3) {
            file[r].BuyBalance = 100.0f * r;
            file[r].SellBalance = 50.0f * r;
        }
        file.Seal();
        w.fields.MonthlyFileName.clear();
        const std::vector<std::string> records = Build(file, c.daily);
        const std::vector<QuoteRecord> months = Months(file, c.daily);
        ASSERT_EQ(records.size(), months.size() + 1) << c.daily;
        for (std::size_t i = 0; i < months.size(); ++i) {
            EXPECT_EQ(records[i + 1], months[i].Encode()) << c.daily << " month " << i;
        }
        if (!c.daily) {
            std::vector<int> widths;
            for (const QuoteRecord& m : months) widths.push_back(m.RecordNo);
            EXPECT_EQ(widths, (std::vector<int>{14, 28, 28, 28}));
        }
        const QuoteRecord header = QuoteRecord::Decode(records[0]);
        EXPECT_EQ(header.RecordNo, static_cast<int>(records.size()));
        float high = 0, low = 2e8f, volume = 0;
        for (const QuoteRecord& m : months) {
            high = std::max(high, m.High);
            low = std::min(low, m.Low);
            volume = std::max(volume, m.Volume);
        }
        EXPECT_EQ(header.High, high);
        EXPECT_EQ(header.Low, low);
        EXPECT_EQ(header.Volume, volume);
    }
}

TEST_F(MonthlyFile, NameTakesTheWindowNumberTwiceWhenTaken) {
    w.fields.WindowNo = 1;
    Build(DataFileBuilder(5), true);
    EXPECT_EQ(w.fields.MonthlyFileName, "Temp1m.KDT");
    // The name once set is kept and the file made again under it.
    Build(DataFileBuilder(5), true);
    EXPECT_EQ(w.fields.MonthlyFileName, "Temp1m.KDT");
    w.fields.MonthlyFileName.clear();
    Build(DataFileBuilder(5), true);
    EXPECT_EQ(w.fields.MonthlyFileName, "Temp11m.KDT");
    w.fields.WindowNo = 2;
    w.fields.MonthlyFileName.clear();
    Build(DataFileBuilder(5), true);
    EXPECT_EQ(w.fields.MonthlyFileName, "Temp2m.KDT");
}

TEST_F(MonthlyFile, OneBarOrNone) {
    EXPECT_EQ(Build(DataFileBuilder(1), true).size(), 2u);
    w.fields.MonthlyFileName.clear();
    EXPECT_EQ(Build(DataFileBuilder(0), true).size(), 1u);
}

// A file whose bars are out of order (damaged, or written by hand): its
// months stand in date order, months of one date in the order they were
// read, each run of one "mm" a month of its own.  A large such file still
// gives its months (its speed is measured by bench_monthly_file).
TEST_F(MonthlyFile, BarsOutOfOrderGiveMonthsInDateOrder) {
    DataFileBuilder file(6);
    const char* dates[] = {"03/02/20", "03/03/20", "01/06/20", "02/03/20", "01/06/20", "12/02/19"};
    for (int r = 2; r <= 7; ++r) {
        file[r].QuoteDate = dates[r - 2];
        file[r].Volume = static_cast<float>(r);
    }
    const std::vector<std::string> records = Build(file, true);
    ASSERT_EQ(records.size(), 5u);
    const struct {
        const char* date;
        float volume;
    } expected[] = {{"12/02/19", 7}, {"01/06/20", 6}, {"02/03/20", 5}, {"03/02/20", 5}};
    // The two months dated 01/06/20: the later one read replaces the first.
    for (std::size_t k = 0; k < 4; ++k) {
        const QuoteRecord month = QuoteRecord::Decode(records[k + 1]);
        EXPECT_EQ(month.QuoteDate, expected[k].date) << k;
        EXPECT_EQ(month.Volume, expected[k].volume) << k;
    }

    DataFileBuilder large(20000);
    for (int r = 2; r <= 20001; ++r) {
        char date[16];
        std::snprintf(date, sizeof date, "%2d/%2d/%02d", (r * 7) % 12 + 1, (r * 13) % 28 + 1, (r * 31) % 100);
        large[r].QuoteDate = date;
    }
    w.fields.MonthlyFileName.clear();
    EXPECT_GT(Build(large, true).size(), 1000u);
}

// While the correction is on the months hold corrected prices and volumes.
TEST_F(MonthlyFile, CorrectedValues) {
    DataFileBuilder file(30, Spacing::Weekdays, {2020, 1, 6});
    file.Point(25, "2").HeaderPoint(25, "2");
    file.Seal();
    Show(file);
    ASSERT_TRUE(w.Item("mnuHosei", 1).Checked());
    DataFileBuilder corrected = file;
    for (int r = 2; r < 25; ++r) {
        QuoteRecord& b = corrected[r];
        b.Open /= 2, b.High /= 2, b.Low /= 2, b.Close /= 2, b.Volume *= 2;
    }
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    w.fields.MonthlyFileName.clear();
    MakeMonthlyFile(w, file1);
    const std::string bytes = test::ReadBytes(dir.File(w.fields.MonthlyFileName));
    const std::vector<QuoteRecord> months = Months(corrected, true);
    ASSERT_EQ(bytes.size(), (months.size() + 1) * QuoteRecord::kLength);
    for (std::size_t i = 0; i < months.size(); ++i) {
        const QuoteRecord got = QuoteRecord::Decode(bytes.substr((i + 1) * QuoteRecord::kLength, QuoteRecord::kLength));
        EXPECT_EQ(got.Open, months[i].Open) << i;
        EXPECT_EQ(got.Low, months[i].Low) << i;
        EXPECT_EQ(got.Volume, months[i].Volume) << i;
    }
}

}  // namespace
}  // namespace ranvik
