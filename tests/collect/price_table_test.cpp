// The table-dialect price reader on hand-made pages: one cell per line, CR LF.
#include "collect/price_table.h"

#include <gtest/gtest.h>

#include "core/data_store.h"
#include "core/program_state.h"
#include "tests/collect/page_files.h"
#include "tests/collect/stock_file_fixture.h"
#include "platform/runtime/folder.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kHeader = "日付      始値       高値       安値       終値       出来高\r\n";
const std::string kNoData = "更新すべきデータは有りません（更新済み/データ無し)\r\n";
const std::string kUpdated = "以上を更新しました\r\n";

struct Prices {
    std::string open = "1,234", high = "1,260", low = "1,230", close = "1,250", volume = "12,000";
};

std::string Cells(const Prices& p, const std::string& closeSuffix = "") {
    return "<td>" + p.open + "</td>\r\n<td>" + p.high + "</td>\r\n<td>" + p.low + "</td>\r\n<td>" + p.close +
           closeSuffix + "</td>\r\n<td>" + p.volume + "</td>\r\n</tr>\r\n";
}

std::string DailyRow(const std::string& date, const Prices& p = {}) {
    return "<tr>\r\n<th>" + date + "</th>\r\n" + Cells(p);
}

// A weekly row: the week's label on the line after the header, the date of
// the week's close after the close's "<br>".
std::string WeeklyRow(const std::string& closeDate, const Prices& p = {}) {
    return "<tr>\r\n<th scope=\"row\">\r\n" + closeDate + "週</th>\r\n" + Cells(p, "<br>" + closeDate);
}

std::string Page(const std::string& rows, const std::string& top = "") {
    return "<html>\r\n<body>\r\n" + top +
           "<table>\r\n<thead>\r\n<tr>\r\n<th>日付</th>\r\n<th>始値</th>\r\n<th>高値</th>\r\n<th>安値</th>\r\n"
           "<th>終値</th>\r\n<th>出来高</th>\r\n</tr>\r\n</thead>\r\n<tbody>\r\n" +
           rows + "</tbody>\r\n</table>\r\n</body>\r\n</html>\r\n";
}

class PriceTableReader : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        path_ = dir_.File("7203d.KDT");
        CreateDataFile(path_);
    }

    static void On(Date day) {
        SetClock([=] { return DateTime{day, 17, 0, 0}; });
    }

    void Import(const std::string& page, int dailyFlag = -1, const std::string& code = "7203", int mode = 0) {
        test::SetPages(dir_, {page});
        ImportPriceTable(path_, code, dailyFlag, mode);
    }

    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        const int n = test::ReadRecord(path_, 1).RecordNo;
        for (int k = 2; k <= n; ++k) dates.push_back(test::ReadRecord(path_, k).QuoteDate);
        return dates;
    }

    const std::string& Log() const { return Program().collection.UpdateLog; }

    test::FixedClock clock_{{2019, 11, 20}, 17, 0};
    test::TempFolder dir_;
    std::string path_;
};

TEST_F(PriceTableReader, DailyDatesAreCompletedOrReadInFull) {
    const struct {
        Date today;
        std::vector<std::string> rows;
        std::vector<std::string> stored;
    } cases[] = {
        {{2019, 11, 20}, {"5/13", "12/3"}, {"12/03/18", "05/13/19"}},  // a later month is last year's
        {{2020, 1, 6}, {"1/6", "12/30"}, {"12/30/19", "01/06/20"}},
        {{2019, 11, 20}, {"2019/05/13", "2018/12/3"}, {"12/03/18", "05/13/19"}},
        {{2019, 11, 20}, {"2/30", "2019/2/29", "11/21", "11/20"}, {"11/20/19"}},  // no such day, or not yet
        {{2020, 10, 5}, {"10/2", "10/1", "9/30"}, {"09/30/20", "10/02/20"}},     // the day nothing traded
        {{2019, 11, 20}, {"<span>11/20</span>"}, {}},                            // the reading ends
    };
    for (const auto& c : cases) {
        SetUp();
        On(c.today);
        std::string rows;
        for (const std::string& r : c.rows) rows += DailyRow(r);
        Import(Page(rows));
        EXPECT_EQ(Dates(), c.stored) << c.rows.front();
    }
}

TEST_F(PriceTableReader, ADateOnTheLineAfterTheHeaderIsRead) {
    Import(Page("<tr>\r\n<th>\r\n  11/19\r\n" + Cells({})));
    EXPECT_EQ(Dates(), std::vector<std::string>{"11/19/19"});
}

TEST_F(PriceTableReader, TheReportListsEachRowWritten) {
    Import(Page(DailyRow("11/20") + DailyRow("11/19", {"980", "1,000", "975", "990", "8,000"})));
    EXPECT_EQ(Log(), kHeader +
                         "11/20/19  1234       1260       1230       1250       12000\r\n"
                         "11/19/19  980        1000       975        990        8000\r\n" +
                         kUpdated);
    Import(Page(DailyRow("11/20") + DailyRow("11/19", {"980", "1,000", "975", "990", "8,000"})));
    EXPECT_EQ(Log(), kNoData) << "an identical second run";
}

TEST_F(PriceTableReader, RowsWithoutPricesArePassedOver) {
    const struct {
        const char* name;
        Prices prices;
    } cases[] = {
        {"open not a number", {"---", "1,260", "1,230", "1,250", "12,000"}},
        {"a later field not a number", {"1,234", "---", "1,230", "1,250", "12,000"}},
        {"close not a number", {"1,234", "1,260", "1,230", "-", "12,000"}},
        {"volume not a number", {"1,234", "1,260", "1,230", "1,250", "---"}},
        {"open, high and low 0", {"0", "0", "0", "1,250", "0"}},
    };
    for (const auto& c : cases) {
        SetUp();
        Import(Page(DailyRow("11/20", c.prices) + DailyRow("11/19")));
        EXPECT_EQ(Dates(), std::vector<std::string>{"11/19/19"}) << c.name;
    }
}

TEST_F(PriceTableReader, AtMost25DailyRowsAreReadCountingThoseSkipped) {
    std::string rows;
    for (int k = 0; k < 40; ++k) {
        const Date d = AddDays({2019, 11, 20}, -k);
        Prices p;
        if (k == 2) p.open = "---";
        rows += DailyRow(std::to_string(d.month) + "/" + std::to_string(d.day), p);
    }
    Import(Page(rows));
    const std::vector<std::string> dates = Dates();
    ASSERT_EQ(dates.size(), 24u);
    EXPECT_EQ(dates.front(), "10/27/19");
    EXPECT_EQ(dates.back(), "11/20/19");
}

TEST_F(PriceTableReader, VolumeIsReadAboveCode50Only) {
    const struct {
        std::string code;
        float volume;
    } cases[] = {{"7203", 12000}, {"0051", 12000}, {"0050", 0}, {"0020", 0}};
    for (const auto& c : cases) {
        SetUp();
        Import(Page(DailyRow("11/20", {"1,234", "1,260", "1,230", "1,250", "12,000"})), -1, c.code);
        EXPECT_EQ(test::ReadRecord(path_, 2).Volume, c.volume) << c.code;
    }
}

TEST_F(PriceTableReader, TheWeeklyRowIsTheFirstOnItsFriday) {
    const struct {
        Date today;
        std::string closeDate;
        std::string stored;
    } cases[] = {
        {{2019, 5, 20}, "5/13", "05/17/19"},
        {{2019, 5, 20}, "5/17", "05/17/19"},
        {{2020, 3, 2}, "2/26", "02/28/20"},
        {{2019, 12, 31}, "12/30", "01/03/20"},
        {{2019, 12, 31}, "2019/12/30", "01/03/20"},
    };
    for (const auto& c : cases) {
        SetUp();
        On(c.today);
        Import(Page(WeeklyRow(c.closeDate) + WeeklyRow("1/4")), 0);
        EXPECT_EQ(Dates(), std::vector<std::string>{c.stored}) << c.closeDate;
        EXPECT_EQ(Log().substr(0, kHeader.size()), kHeader);
    }
}

TEST_F(PriceTableReader, AWeeklyPageWithoutItsDateGivesTheNoDataText) {
    On({2019, 5, 20});
    const std::string pages[] = {
        Page("<tr>\r\n<th>\r\n週</th>\r\n<td>1</td>\r\n<td>2</td>\r\n<td>3</td>\r\n</tr>\r\n"),  // three cells
        Page("<tr>\r\n<th>\r\n週</th>\r\n" + Cells({}, "円<br>5/13")),                         // no digit before
        Page("<tr>\r\n<th>\r\n週</th>\r\n" + Cells({})),                                       // no "<br>"
    };
    for (const std::string& page : pages) {
        Import(page, 0);
        EXPECT_EQ(Log(), kNoData);
    }
    EXPECT_TRUE(Dates().empty());
}

TEST_F(PriceTableReader, TheWebUpdateTakesTheCurrentPrice) {
    const struct {
        const char* name;
        std::string top;
        int mode;
        std::string price;
    } cases[] = {
        {"on the next line", "<dt>現在値</dt>\r\n<dd>1,250</dd>\r\n", 4, "1,250"},
        {"after the word", "<dt>現在値<b>998</b>\r\n", 4, "998"},
        {"a code passed over", "<dt>現在値</dt>\r\n<dd>7203</dd>\r\n<dd>2,500.5</dd>\r\n", 4, "2,500.5"},
        {"no trade yet", "<dt>現在値</dt>\r\n<dd>--</dd>\r\n", 4, "--"},
        {"collection run", "<dt>現在値</dt>\r\n<dd>1,250</dd>\r\n", 0, ""},
        {"no price word", "<dt>株価</dt>\r\n<dd>1,250</dd>\r\n", 4, ""},
    };
    for (const auto& c : cases) {
        Program().collection.PagePriceText = "old";
        Program().collection.PagePriceNote = "old";
        Import(Page(DailyRow("11/20"), c.top), -1, "7203", c.mode);
        EXPECT_EQ(Program().collection.PagePriceText, c.price) << c.name;
        EXPECT_EQ(Program().collection.PagePriceNote, "") << c.name;
    }
}

TEST_F(PriceTableReader, PagesWithoutTheTableGiveTheNoDataText) {
    const std::string full = Page(DailyRow("11/20"));
    const std::string pages[] = {"", "<html>\r\n<body>お探しのページは見つかりません</body>\r\n</html>\r\n",
                                 full.substr(0, full.find("</thead>")), full.substr(0, full.find("1,250"))};
    for (const std::string& page : pages) {
        Import(page);
        EXPECT_EQ(Log(), kNoData);
    }
    EXPECT_TRUE(Dates().empty());
}

TEST_F(PriceTableReader, AMissingDataFileIsNeitherCreatedNorWritten) {
    test::SetPages(dir_, {Page(DailyRow("11/20"))});
    const std::string missing = dir_.File("none.KDT");
    ImportPriceTable(missing, "7203", -1, 0);
    EXPECT_EQ(Log().substr(0, kNoData.size()), kNoData);
    EXPECT_FALSE(FileExists(missing));
}

}  // namespace
}  // namespace ranvik
