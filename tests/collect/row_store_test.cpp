#include "collect/row_store.h"

#include <gtest/gtest.h>

#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "tests/collect/stock_file_fixture.h"
#include "tests/support/data_files.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kHeader(update_log::kPriceHeader);

class RowStore : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        path_ = dir_.File("7203d.KDT");
        CreateDataFile(path_);
        StartPriceReport();
    }

    RowOutcome Store(const char* open, const char* close, const char* high, const char* low, const char* date,
                     const char* volume) {
        RecordFile file(path_, QuoteRecord::kLength);
        return StoreQuoteRow(file, open, close, high, low, date, volume);
    }

    QuoteRecord Record(int k) { return test::ReadRecord(path_, k); }
    std::string Log() const { return Program().collection.UpdateLog; }

    test::FixedClock clock_{{2024, 5, 10}, 17, 0};
    test::TempFolder dir_;
    std::string path_;
};

TEST_F(RowStore, ANewRowIsMergedAndLoggedInTheColumnsOrder) {
    EXPECT_EQ(Store("1234", "1250", "1260", "1230", "05/10/24", "12000"), RowOutcome::Inserted);
    EXPECT_EQ(Program().store.RecordWritten, -1);
    EXPECT_EQ(Log(), kHeader + "05/10/24  1234       1260       1230       1250       12000\r\n");

    // Header: two records, highest high, lowest low, largest volume, made today.
    const std::string header = test::Bytes({"02 00", "20 20", "00 00 00 00", "00 00 00 00", "00 00 00 00",
                                            "00 00 00 00", "00 80 9d 44", "00 c0 99 44"}) +
                               "05/10/24" + test::Bytes({"00 80 3b 46", "00 00 00 00", "00 00 00 00", "00 00 00 00"});
    const std::string row = test::Bytes({"00 00", "20 20", "00 00 00 00", "00 00 00 00", "00 40 9a 44",
                                         "00 40 9c 44", "00 80 9d 44", "00 c0 99 44"}) +
                            "05/10/24" + test::Bytes({"00 80 3b 46", "00 00 00 00", "00 00 00 00", "00 00 00 00"});
    EXPECT_EQ(test::Hex(test::ReadBytes(path_)), test::Hex(header + row));
}

TEST_F(RowStore, PricesStandInElevenColumnFields) {
    const struct {
        const char* open;
        const char* line;
    } cases[] = {
        {"1234567.25", "05/10/24  1234567.25 12         11         10         500\r\n"},  // 10 characters
        {"12345678.25", "05/10/24  12345678.2512         11         10         500\r\n"},  // 11: no blank left
        {"123456789.25", "05/10/24  123456789.25 12         11         10         500\r\n"},  // 12: one blank
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        StartPriceReport();
        EXPECT_EQ(Store(c.open, "10", "12", "11", "05/10/24", "500"), RowOutcome::Inserted) << c.open;
        EXPECT_EQ(Log(), kHeader + c.line) << c.open;
    }
}

TEST_F(RowStore, AStoredDateIsReplacedOrLeftAloneWhenUnchanged) {
    Store("100", "110", "120", "90", "05/09/24", "1000");
    Store("101", "111", "121", "91", "05/10/24", "1000");
    const std::string before = test::ReadBytes(path_);

    StartPriceReport();
    Program().store.RecordWritten = -1;
    EXPECT_EQ(Store("100", "110", "120", "90", "05/09/24", "1000"), RowOutcome::Unchanged);
    EXPECT_EQ(Program().store.RecordWritten, 0);
    EXPECT_EQ(Log(), kHeader);
    EXPECT_EQ(test::ReadBytes(path_), before);

    EXPECT_EQ(Store("100", "115", "120", "90", "05/09/24", "1200"), RowOutcome::Replaced);
    EXPECT_EQ(Log(), kHeader + "05/09/24  100        120        90         115        1200    replace\r\n");
    EXPECT_EQ(Record(1).RecordNo, 3);
    EXPECT_EQ(Record(2).Close, 115);
    EXPECT_EQ(Record(3).QuoteDate, "05/10/24");
}

// The margin readers put the balances into the price records; a price page
// has none, and storing its row again must not wipe them.
TEST_F(RowStore, ReplacingARowKeepsItsMarginBalances) {
    const struct {
        float buy;
        float sell;
    } cases[] = {{5000, 3000}, {0, 3000}, {4000, 0}};
    for (const auto& c : cases) {
        CreateDataFile(path_);
        QuoteRecord bar;
        bar.QuoteDate = "05/10/24";
        bar.Open = bar.Close = bar.High = bar.Low = 100;
        bar.Volume = 1000;
        bar.BuyBalance = c.buy;
        bar.SellBalance = c.sell;
        Program().store.QuoteBufB = bar;
        {
            RecordFile file(path_, QuoteRecord::kLength);
            MergeQuoteRecord(file);
        }
        EXPECT_EQ(Store("100", "100", "100", "100", "05/10/24", "1000"), RowOutcome::Unchanged) << c.buy;
        EXPECT_EQ(Store("101", "105", "106", "99", "05/10/24", "1500"), RowOutcome::Replaced) << c.buy;
        const QuoteRecord stored = Record(2);
        EXPECT_EQ(stored.Close, 105) << c.buy;
        EXPECT_EQ(stored.Volume, 1500) << c.buy;
        EXPECT_EQ(stored.BuyBalance, c.buy);
        EXPECT_EQ(stored.SellBalance, c.sell);
    }
}

TEST_F(RowStore, ATextThatIsNoNumberOrNoDateWritesAndLogsNothing) {
    Store("100", "110", "120", "90", "05/09/24", "1000");
    const std::string before = test::ReadBytes(path_);
    StartPriceReport();
    const struct {
        const char* open;
        const char* close;
        const char* volume;
        const char* date;
    } cases[] = {
        {"---", "110", "1000", "05/10/24"}, {"100", "・1", "1000", "05/10/24"}, {"100", "110", "", "05/10/24"},
        {"100", "110", "1000", "02/30/24"}, {"100", "110", "1000", "5/10/24"},  {"100", "110", "1000", "13/01/24"},
    };
    for (const auto& c : cases) {
        Program().store.RecordWritten = -1;
        EXPECT_EQ(Store(c.open, c.close, "120", "90", c.date, c.volume), RowOutcome::Refused) << c.open << c.date;
        EXPECT_EQ(Program().store.RecordWritten, 0);
    }
    EXPECT_EQ(Log(), kHeader);
    EXPECT_EQ(test::ReadBytes(path_), before);
}

TEST_F(RowStore, AFullFileTakesNoFurtherRow) {
    test::WriteDataFile(path_, kMaxDataRecords - 1);
    const std::string before = test::ReadBytes(path_);
    Program().store.RecordWritten = -1;
    EXPECT_EQ(Store("100", "110", "120", "90", "05/10/50", "1000"), RowOutcome::FileFull);
    EXPECT_EQ(Program().store.RecordWritten, 0);
    EXPECT_EQ(Log(), kHeader);
    EXPECT_EQ(test::ReadBytes(path_), before);
}

// The rows of one import stored through one row store give, row by row, the
// outcome, report, buffers and finally the file bytes that storing each row
// on its own gives, whether the store knows the row from the records it
// keeps, has to read them again after a write, or leaves the row to the
// merge (a date older than the records it keeps, the one date the merge
// moves records for, a damaged file).
TEST_F(RowStore, ARunOfRowsGivesWhatEachRowOnItsOwnGives) {
    // 3000 days from 2016/01/04 on: 2019/08/12 and 08/13 among the newest
    // 2048, 2016 far before them; one bar holds margin balances.
    const std::string single = dir_.File("single.KDT");
    const std::string run = dir_.File("run.KDT");
    QuoteRecord header;
    header.RecordNo = 3001;
    header.Low = 1;
    std::string bytes;
    Date day{2016, 1, 4};
    for (int r = 2; r <= 3001; ++r, day = AddDays(day, 1)) {
        QuoteRecord bar;
        bar.QuoteDate = FormatMmDdYy(day);
        bar.Open = bar.Close = bar.High = bar.Low = static_cast<float>(100 + r % 50);
        bar.Volume = 1000;
        if (bar.QuoteDate == "03/01/24") {
            bar.BuyBalance = 500;
            bar.SellBalance = 300;
        }
        header.High = std::max(header.High, bar.High);
        header.Volume = 1000;
        bytes += bar.Encode();
    }
    bytes = header.Encode() + bytes;
    test::WriteBytes(single, bytes);
    test::WriteBytes(run, bytes);
    Program().selection.CurrentCode = "7203";

    auto price = [&](const std::string& date) {
        const std::string stored = test::ReadBytes(single);
        for (std::size_t at = QuoteRecord::kLength; at + QuoteRecord::kLength <= stored.size(); at += QuoteRecord::kLength) {
            const QuoteRecord r = QuoteRecord::Decode(std::string_view(stored).substr(at, QuoteRecord::kLength));
            if (r.QuoteDate == date) return std::to_string(static_cast<int>(r.Close));
        }
        return std::string("1");
    };
    const struct {
        const char* what;
        std::string date;
        std::string close;  // empty: the stored price, so the row is unchanged
    } rows[] = {
        {"the newest bar unchanged", "03/21/24", ""},
        {"a bar with balances unchanged", "03/01/24", ""},
        {"a bar changed", "02/28/24", "777"},
        {"the same bar again, after the write", "02/28/24", ""},
        {"a new newest bar", "03/25/24", "150"},
        {"an older bar unchanged, after the write", "02/27/24", ""},
        {"a bar before the kept records unchanged", "02/01/16", ""},
        {"a bar before the kept records changed", "02/02/16", "888"},
        {"the day the merge moves records for", "08/13/19", ""},
        {"a bar before the first", "12/30/15", "120"},
        {"a price that is no number", "03/20/24", "---"},
        {"the newest bar unchanged at the end", "03/25/24", "150"},
    };
    RecordFile runFile(run, QuoteRecord::kLength);
    QuoteRowStore store(runFile);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string close = row.close.empty() ? price(row.date) : row.close;
        StartPriceReport();
        Program().store.RecordWritten = -1;
        Program().store.QuoteBufA = {};
        RowOutcome alone;
        {
            RecordFile file(single, QuoteRecord::kLength);
            alone = StoreQuoteRow(file, close, close, close, close, row.date, "1000");
        }
        const std::string log = Log();
        const auto written = Program().store.RecordWritten;
        const std::string bufA = Program().store.QuoteBufA.Encode();
        const std::string bufB = Program().store.QuoteBufB.Encode();

        StartPriceReport();
        Program().store.RecordWritten = -1;
        Program().store.QuoteBufA = {};
        EXPECT_EQ(store.Store(close, close, close, close, row.date, "1000"), alone);
        EXPECT_EQ(Log(), log);
        EXPECT_EQ(Program().store.RecordWritten, written);
        EXPECT_EQ(Program().store.QuoteBufA.Encode(), bufA);
        EXPECT_EQ(Program().store.QuoteBufB.Encode(), bufB);
    }
    runFile.Close();
    EXPECT_EQ(test::ReadBytes(run), test::ReadBytes(single));
    EXPECT_NE(test::ReadBytes(run), bytes);

    // A damaged header is the merge's to refuse.
    test::WriteBytes(run, std::string(10, '\0'));
    RecordFile damaged(run, QuoteRecord::kLength);
    QuoteRowStore refusing(damaged);
    EXPECT_THROW(refusing.Store("100", "100", "100", "100", "03/21/24", "1000"), FileError);
}

TEST_F(RowStore, EveryReaderClosesItsReportWithItsOwnText) {
    const std::string rows = kHeader + "05/10/24  1234       1260       1230       1250       12000\r\n";
    const struct {
        PriceReader reader;
        int written;
        int mode;
        RunStop stop;
        std::string log;
    } cases[] = {
        {PriceReader::DailyHistory, 0, 0, RunStop::None, "更新すべきデータは有りません（更新済み/データ無し)"},
        {PriceReader::DailyHistory, 1, 0, RunStop::None, rows + "以上を更新しました\r\n"},
        {PriceReader::DailyHistory, 1, 1, RunStop::None, rows + "以上を更新しました\r\n"},
        {PriceReader::DailyHistory, 1, 4, RunStop::None, rows},
        {PriceReader::WeeklyHistory, 0, 0, RunStop::None, "更新すべき株価データは有りません（更新済み/データ無し)\r\n"},
        {PriceReader::WeeklyHistory, 1, 4, RunStop::None, rows + "以上を更新しました\r\n"},
        {PriceReader::PriceTable, 0, 4, RunStop::None, "更新すべきデータは有りません（更新済み/データ無し)\r\n"},
        {PriceReader::PriceTable, 1, 0, RunStop::None, rows + "以上を更新しました\r\n"},
        {PriceReader::DailyHistory, 1, 0, RunStop::FileFull,
         rows + "以上を更新しました\r\nデータファイルが一杯のため、以降のデータは保存できませんでした\r\n"},
        {PriceReader::DailyHistory, 0, 0, RunStop::FileFull,
         "更新すべきデータは有りません（更新済み/データ無し)\r\n"
         "データファイルが一杯のため、以降のデータは保存できませんでした\r\n"},
        {PriceReader::DailyHistory, 1, 4, RunStop::FileFailed,
         rows + "データファイルに書き込めないため、以降のデータは保存できませんでした\r\n"},
    };
    for (const auto& c : cases) {
        Program().collection.UpdateLog = rows;
        ClosePriceReport(c.reader, c.written, c.mode, c.stop);
        EXPECT_EQ(Log(), c.log) << static_cast<int>(c.reader) << " " << c.written << " " << c.mode;
    }

    Program().collection.UpdateLog = rows + "以上を更新しました\r\n";
    CloseMarginReport(3);
    EXPECT_EQ(Log(), rows + "以上を更新しました\r\n3個の信用残データを更新しました");
    CloseMarginReport(0);
    EXPECT_EQ(Log(), rows + "以上を更新しました\r\n3個の信用残データを更新しました更新すべき信用残データは有りません");
}

}  // namespace
}  // namespace ranvik
