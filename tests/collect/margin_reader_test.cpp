// The two margin readers: the one-line history table and the table dialect.
#include <gtest/gtest.h>

#include "collect/margin_history.h"
#include "collect/margin_table.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/record_file.h"
#include "tests/collect/page_files.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kNoData = "更新すべき信用残データは有りません";

struct Balances {
    float sell, buy;
};

// A row of the history dialect: date, selling, buying, and the two changes.
std::string HistoryRow(const std::string& date, const std::string& sell, const std::string& buy) {
    return "<tr><td>" + date + "</td><td>" + sell + "</td><td>" + buy + "</td><td>+10</td><td>-20</td></tr>";
}

std::string HistoryPage(const std::string& rows) {
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<table class=\"margin\"><tr><th>日付</th><th>売残</th><th>買残</th><th>売残増減</th><th>買残増減</th></tr>" +
           rows + "</table>\r\n</body></html>\r\n";
}

// A row of the table dialect: one cell per line.
std::string TableRow(const std::string& date, const std::string& sell, const std::string& buy) {
    return "<tr>\r\n<th scope=\"row\">" + date + "</th>\r\n<td>" + sell + "</td>\r\n<td>" + buy +
           "</td>\r\n<td>+10</td>\r\n</tr>\r\n";
}

std::string TablePage(const std::string& rows) {
    return "<html>\r\n<body>\r\n<p>信用倍率 2.83倍</p>\r\n<table>\r\n<thead>\r\n<tr>\r\n<th>日付</th>\r\n"
           "<th>売残</th>\r\n<th>買残</th>\r\n</tr>\r\n</thead>\r\n<tbody>\r\n" +
           rows + "</tbody>\r\n</table>\r\n</body>\r\n</html>\r\n";
}

enum class Dialect { History, Table };

class MarginReader : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().collection.QuoteSiteKind1 = kTrue;
        path_ = dir_.File("7203w.KDT");
        bars_ = {test::WeekBar("05/10/19", 100, 200), test::WeekBar("05/17/19", 300, 400)};
        original_ = test::DataFileOf(bars_);
        test::WriteBytes(path_, original_);
    }

    void Run(Dialect dialect, const std::vector<std::string>& rows, const std::string& reference = "2019/05/20 19:30:00") {
        std::string page;
        for (const std::string& r : rows) page += r;
        if (dialect == Dialect::History) {
            test::SetPages(dir_, {HistoryPage(page)});
            std::string time = reference;
            ImportMarginHistory(path_, "7203", time, 0);
        } else {
            test::SetPages(dir_, {TablePage(page)});
            ImportMarginTable(path_, "7203", 0);
        }
    }

    static std::string Row(Dialect dialect, const std::string& date, const std::string& sell, const std::string& buy) {
        return dialect == Dialect::History ? HistoryRow(date, sell, buy) : TableRow(date, sell, buy);
    }

    // The original file with the balances of bar `index` (from 0) replaced
    // and the header's maxima grown to them.
    std::string Expected(std::size_t index, Balances b) const {
        std::string bytes = original_;
        const std::size_t at = (index + 1) * QuoteRecord::kLength;
        std::string record = bytes.substr(at, QuoteRecord::kLength);
        PutSingle(record, 44, b.sell);
        PutSingle(record, 40, b.buy);
        bytes.replace(at, QuoteRecord::kLength, record);
        std::string header = bytes.substr(0, QuoteRecord::kLength);
        if (GetSingle(header, 44) < b.sell) PutSingle(header, 44, b.sell);
        if (GetSingle(header, 40) < b.buy) PutSingle(header, 40, b.buy);
        bytes.replace(0, QuoteRecord::kLength, header);
        return bytes;
    }

    const std::string& Log() const { return Program().collection.UpdateLog; }

    test::FixedClock clock_{{2019, 5, 20}, 19, 30};
    test::TempFolder dir_;
    std::string path_;
    std::vector<QuoteRecord> bars_;
    std::string original_;
};

TEST_F(MarginReader, WritesABalanceChangeAndNothingElse) {
    const struct {
        const char* name;
        std::string date, sell, buy;
        std::size_t bar;  // the bar written, or npos
        Balances stored;
    } cases[] = {
        {"only selling changed", "2019/5/13", "150", "400", 1, {150, 400}},
        {"buying 0 on the page", "2019/5/13", "300", "0", 1, {300, 0}},
        {"a Friday stays", "2019/5/17", "1,500", "2,600", 1, {1500, 2600}},
        {"a Saturday goes back a day", "2019/5/11", "120", "200", 0, {120, 200}},
        {"年 form", "2019年5月6日", "100", "250", 0, {100, 250}},
        {"both equal", "2019/5/13", "300", "400", std::string::npos, {}},
        {"date missing", "2019/5/1", "1", "2", std::string::npos, {}},
        {"a dash cell", "2019/5/13", "---", "500", std::string::npos, {}},
        {"no calendar day", "2019/2/30", "1", "2", std::string::npos, {}},
    };
    for (const Dialect dialect : {Dialect::History, Dialect::Table}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (dialect == Dialect::History ? " (history)" : " (table)"));
            SetUp();
            Program().collection.UpdateLog = "price report\r\n";
            Run(dialect, {Row(dialect, c.date, c.sell, c.buy)});
            if (c.bar == std::string::npos) {
                EXPECT_EQ(Log(), "price report\r\n" + kNoData);
                EXPECT_EQ(test::ReadBytes(path_), original_);
            } else {
                EXPECT_EQ(Log(), "price report\r\n1個の信用残データを更新しました");
                EXPECT_EQ(test::ReadBytes(path_), Expected(c.bar, c.stored));
            }
        }
    }
}

TEST_F(MarginReader, CountsOnlyRecordsWritten) {
    for (const Dialect dialect : {Dialect::History, Dialect::Table}) {
        SetUp();
        Program().collection.UpdateLog.clear();
        Run(dialect, {Row(dialect, "2019/5/13", "310", "410"), Row(dialect, "2019/5/7", "110", "210"),
                      Row(dialect, "2019/4/30", "5", "6")});
        EXPECT_EQ(Log(), "2個の信用残データを更新しました");
        Program().collection.UpdateLog.clear();
        Run(dialect, {Row(dialect, "2019/5/13", "310", "410"), Row(dialect, "2019/5/7", "110", "210")});
        EXPECT_EQ(Log(), kNoData) << "an identical second run";
    }
}

TEST_F(MarginReader, HistoryPagesAreReadForTheFirstSiteKindOnly) {
    Program().collection.QuoteSiteKind1 = kFalse;
    Run(Dialect::History, {HistoryRow("2019/5/13", "1", "2")});
    EXPECT_EQ(Log(), kNoData);
    EXPECT_EQ(test::ReadBytes(path_), original_);
}

TEST_F(MarginReader, HistoryRowsAfterTheLatestTradingDayWait) {
    // Monday 2019/5/20 before the day's figures are out: the row of that
    // Monday belongs to a week whose Friday has not come.
    bars_.push_back(test::WeekBar("05/24/19", 1, 1));
    original_ = test::DataFileOf(bars_);
    test::WriteBytes(path_, original_);
    SetClock([] { return DateTime{{2019, 5, 20}, 12, 0, 0}; });
    Run(Dialect::History, {HistoryRow("2019/5/20", "9", "9")});
    EXPECT_EQ(Log(), kNoData);
    SetClock([] { return DateTime{{2019, 5, 20}, 17, 0, 0}; });
    Run(Dialect::History, {HistoryRow("2019/5/20", "9", "9")});
    EXPECT_EQ(Log(), kNoData + "1個の信用残データを更新しました");
}

TEST_F(MarginReader, TableRowsAfterTodayArePassedOver) {
    bars_.push_back(test::WeekBar("05/24/19", 1, 1));
    original_ = test::DataFileOf(bars_);
    test::WriteBytes(path_, original_);
    Run(Dialect::Table, {TableRow("2019/5/21", "9", "9")});
    EXPECT_EQ(Log(), kNoData);
    EXPECT_EQ(test::ReadBytes(path_), original_);
}

TEST_F(MarginReader, HistoryReferenceTakesTheLastTradingDayOfTheLongHolidays) {
    const struct {
        std::string given, kept;
    } cases[] = {
        {"2019/05/01 20:00:00", "2019/04/27 20:00:00"},
        {"2019/04/28 09:00:00", "2019/04/27 09:00:00"},
        {"2019/05/06 23:59:59", "2019/04/27 23:59:59"},
        {"2019/05/07 19:30:00", "2019/05/07 19:30:00"},
        {"2019/04/27 19:30:00", "2019/04/27 19:30:00"},
    };
    test::SetPages(dir_, {HistoryPage("")});
    for (const auto& c : cases) {
        std::string time = c.given;
        ImportMarginHistory(path_, "7203", time, 0);
        EXPECT_EQ(time, c.kept) << c.given;
    }
}

TEST_F(MarginReader, TableCellsAreReadUpToTheirDigits) {
    const struct {
        const char* header;  // the row header's lines
        std::string sell;
        Balances stored;
    } cases[] = {
        {"<th>2019/5/13</th>\r\n", "1,234.5", {1234, 400}},
        {"<th>\r\n2019/05/17\r\n</th>\r\n", "77", {77, 400}},
    };
    for (const auto& c : cases) {
        SetUp();
        test::SetPages(dir_, {TablePage("<tr>\r\n" + std::string(c.header) + "<td>" + c.sell + "</td>\r\n<td>400</td>\r\n</tr>\r\n")});
        ImportMarginTable(path_, "7203", 0);
        EXPECT_EQ(Log(), "1個の信用残データを更新しました") << c.header;
        EXPECT_EQ(test::ReadBytes(path_), Expected(1, c.stored)) << c.header;
    }
}

TEST_F(MarginReader, PagesWithoutTheTableGiveTheNoDataText) {
    const std::string pages[] = {"", "<html>\r\n<body>ごめんなさい</body>\r\n</html>\r\n",
                                 TablePage(TableRow("2019/5/13", "1", "2")).substr(0, 150),
                                 HistoryPage(HistoryRow("2019/5/13", "1", "2")).substr(0, 170)};
    for (const std::string& page : pages) {
        Program().collection.UpdateLog.clear();
        test::WriteBytes(dir_.File("p.htm"), page);
        Program().download.PageFile1 = dir_.File("p.htm");
        ImportMarginTable(path_, "7203", 0);
        std::string time = "2019/05/20 19:30:00";
        ImportMarginHistory(path_, "7203", time, 0);
        EXPECT_EQ(Log(), kNoData + kNoData);
        EXPECT_EQ(test::ReadBytes(path_), original_);
    }
}

TEST_F(MarginReader, AMissingDataFileIsNeitherCreatedNorWritten) {
    const std::string missing = dir_.File("none.KDT");
    test::SetPages(dir_, {TablePage(TableRow("2019/5/13", "1", "2"))});
    ImportMarginTable(missing, "7203", 0);
    EXPECT_EQ(Log().substr(0, kNoData.size()), kNoData);
    EXPECT_FALSE(FileExists(missing));
}

}  // namespace
}  // namespace ranvik
