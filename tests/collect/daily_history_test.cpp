#include "collect/daily_history.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "tests/collect/stock_file_fixture.h"
#include "tests/support/data_files.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kHeader = "日付      始値       高値       安値       終値       出来高\r\n";
const std::string kNoData = "更新すべきデータは有りません（更新済み/データ無し)";
const std::string kUpdated = "以上を更新しました\r\n";

// A row of the daily table: date, open, high, low, close, volume, adjusted close.
std::string Row(const std::string& date, const std::string& open = "1,234", const std::string& high = "1,260",
                const std::string& low = "1,230", const std::string& close = "1,250",
                const std::string& volume = "12,000") {
    return "<tr><td>" + date + "</td><td>" + open + "</td><td>" + high + "</td><td>" + low + "</td><td>" + close +
           "</td><td>" + volume + "</td><td>" + close + "</td></tr>";
}

std::string Rows(const std::vector<std::string>& dates) {
    std::string rows;
    for (const std::string& d : dates) rows += Row(d);
    return rows;
}

// A hand-made page of the history dialect: CR LF lines, the price block on a
// line of its own, the whole table on one line.
std::string Page(const std::string& rows) {
    return "<!DOCTYPE html>\r\n"
           "<html><head><meta charset=\"utf-8\"><title>7203 時系列</title></head>\r\n"
           "<body>\r\n"
           "<div class=\"stock\"><span class=\"code\">7203</span><span class=\"price\">1,234</span>"
           "<span class=\"change\">+12</span><span class=\"ratio\">(+0.98%)</span></div>\r\n"
           "<table class=\"history\"><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th>"
           "<th>出来高</th><th>調整後終値</th></tr>" +
           rows +
           "</table>\r\n"
           "</body></html>\r\n";
}

class DailyReader : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        path_ = dir_.File("7203d.KDT");
        CreateDataFile(path_);
    }

    static void At(Date day, int hour, int minute) {
        SetClock([=] { return DateTime{day, hour, minute, 0}; });
    }

    // Saves the pages as 株HTML.htm, 株HTML2.htm, ... and names them in
    // PageFile1 to PageFile8; an empty text leaves its name empty.
    void SetPages(const std::vector<std::string>& pages) {
        std::string* names[] = {&Program().download.PageFile1, &Program().download.PageFile2,
                                &Program().download.PageFile3, &Program().download.PageFile4,
                                &Program().download.PageFile5, &Program().download.PageFile6,
                                &Program().download.PageFile7, &Program().download.PageFile8};
        for (std::string* name : names) name->clear();
        for (std::size_t k = 0; k < pages.size(); ++k) {
            if (pages[k].empty()) continue;
            *names[k] = PageName(k);
            test::WriteBytes(*names[k], pages[k]);
        }
    }

    std::string PageName(std::size_t k) const {
        return dir_.File(k == 0 ? "株HTML.htm" : "株HTML" + std::to_string(k + 1) + ".htm");
    }

    void Import(const std::string& code = "7203", int mode = 0) {
        const DateTime now = Now();
        char target[32];
        std::snprintf(target, sizeof target, "%04d/%02d/%02d %02d:%02d:%02d", now.date.year, now.date.month,
                      now.date.day, now.hour, now.minute, now.second);
        ImportDailyHistory(path_, code, target, mode);
    }

    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        const int n = test::ReadRecord(path_, 1).RecordNo;
        for (int k = 2; k <= n; ++k) dates.push_back(test::ReadRecord(path_, k).QuoteDate);
        return dates;
    }

    QuoteRecord Stored(const std::string& date) {
        const int n = test::ReadRecord(path_, 1).RecordNo;
        for (int k = 2; k <= n; ++k)
            if (test::ReadRecord(path_, k).QuoteDate == date) return test::ReadRecord(path_, k);
        ADD_FAILURE() << "no record of " << date;
        return {};
    }

    const std::string& Log() const { return Program().collection.UpdateLog; }

    test::FixedClock clock_{{2024, 5, 10}, 17, 0};
    test::TempFolder dir_;
    ScopedRecordingMessages messages_;
    std::string path_;
};

TEST_F(DailyReader, EveryRowIsStoredUnderTheDateItsCellNames) {
    const struct {
        Date today;
        int hour;
        std::vector<std::string> rows;
        std::vector<std::string> stored;
    } cases[] = {
        {{2024, 5, 10}, 17, {"2024年5月10日", "2024年5月9日", "2024年5月8日"}, {"05/08/24", "05/09/24", "05/10/24"}},
        {{2024, 5, 9}, 9, {"2024年5月8日", "2024年5月7日", "2024年5月2日"}, {"05/02/24", "05/07/24", "05/08/24"}},
        {{2024, 7, 8}, 9, {"2024年7月5日", "2024年7月4日"}, {"07/04/24", "07/05/24"}},
        {{2024, 7, 1}, 9, {"2024年6月28日", "2024年6月27日"}, {"06/27/24", "06/28/24"}},
        {{2024, 7, 7}, 12, {"2024年7月5日", "2024年7月4日"}, {"07/04/24", "07/05/24"}},
        {{2024, 1, 4}, 17, {"2024年1月4日", "2023年12月29日", "2023年12月28日"}, {"12/28/23", "12/29/23", "01/04/24"}},
        {{2024, 5, 1}, 17, {"2024年5月1日", "2024年4月30日", "2024年4月26日", "2024年4月25日"},
         {"04/25/24", "04/26/24", "04/30/24", "05/01/24"}},
        {{2020, 5, 7}, 9, {"2020年5月1日", "2020年4月30日"}, {"04/30/20", "05/01/20"}},
        {{2024, 5, 10}, 17, {"2024/5/10", "2024/05/09", "2024/5/8", "2024/04/30"},
         {"04/30/24", "05/08/24", "05/09/24", "05/10/24"}},
        // Before the day's prices are out the newest row is the 9th: it keeps
        // its own date, whatever the day of the month.
        {{2024, 5, 10}, 9, {"2024年5月9日", "2024年5月8日"}, {"05/08/24", "05/09/24"}},
    };
    for (const auto& c : cases) {
        At(c.today, c.hour, 0);
        CreateDataFile(path_);
        SetPages({Page(Rows(c.rows))});
        Import();
        EXPECT_EQ(Dates(), c.stored) << c.rows.front();
    }
    EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(DailyReader, ARowAfterTheLatestTradingDayIsNotStored) {
    const struct {
        Date today;
        int hour;
        int minute;
        const char* code;
        std::vector<std::string> rows;
        std::vector<std::string> stored;
    } cases[] = {
        {{2024, 5, 10}, 16, 49, "7203", {"2024/5/10", "2024/5/9"}, {"05/09/24"}},
        {{2024, 5, 10}, 16, 50, "7203", {"2024/5/10", "2024/5/9"}, {"05/09/24", "05/10/24"}},
        {{2024, 7, 8}, 9, 0, "7203", {"2024/7/8", "2024/7/5"}, {"07/05/24"}},
        {{2024, 7, 8}, 17, 0, "7203", {"2024/7/8", "2024/7/5"}, {"07/05/24", "07/08/24"}},
        {{2024, 5, 8}, 9, 0, "0001", {"2024/5/8", "2024/5/7", "2024/5/2"}, {"05/02/24", "05/07/24"}},
        {{2024, 5, 8}, 19, 0, "0001", {"2024/5/8", "2024/5/7"}, {"05/07/24", "05/08/24"}},
        {{2024, 7, 15}, 17, 0, "7203", {"2024/7/15", "2024/7/12"}, {"07/12/24"}},    // a holiday Monday
        {{2021, 12, 31}, 17, 0, "7203", {"2021/12/31", "2021/12/30"}, {"12/30/21"}},  // the year's last day
        {{2024, 5, 8}, 9, 0, "0020", {"2024/5/8", "2024/5/7"}, {"05/07/24", "05/08/24"}},  // rate: no hour
        {{2024, 5, 11}, 9, 0, "0020", {"2024/5/11", "2024/5/10"}, {"05/10/24"}},           // nor Saturday
    };
    for (const auto& c : cases) {
        At(c.today, c.hour, c.minute);
        CreateDataFile(path_);
        SetPages({Page(Rows(c.rows))});
        Import(c.code);
        EXPECT_EQ(Dates(), c.stored) << c.code << " " << FormatMmDdYy(c.today) << " " << c.hour << ":" << c.minute;
    }
    EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(DailyReader, PagesAreReadInTheSequenceTheDownloadsFill) {
    const struct {
        const char* cell;
        const char* stored;
    } days[] = {{"2024/5/10", "05/10/24"}, {"2024/5/9", "05/09/24"}, {"2024/5/8", "05/08/24"},
                {"2024/5/7", "05/07/24"},  {"2024/5/2", "05/02/24"}, {"2024/5/1", "05/01/24"},
                {"2024/4/30", "04/30/24"}, {"2024/4/26", "04/26/24"}};
    // One letter per page name: "p" a page, "-" no name, "x" a name whose
    // file is missing.
    const struct {
        std::string names;
        std::vector<int> read;
    } cases[] = {
        {"p", {1}},
        {"p-pp", {1}},  // PageFile2 empty: the later names do not count
        {"pppp", {1, 2, 3, 4}},
        {"ppxp", {1, 2}},  // a missing third page ends the sequence
        {"pppp-ppp", {1, 2, 3, 4}},
        {"ppppppp", {1, 2, 3, 4, 5, 6, 7}},
        {"pppppppp", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"xppp", {}},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        std::vector<std::string> pages;
        for (std::size_t k = 0; k < c.names.size(); ++k) pages.push_back(c.names[k] == '-' ? "" : Page(Row(days[k].cell)));
        SetPages(pages);
        for (std::size_t k = 0; k < c.names.size(); ++k)
            if (c.names[k] == 'x') DeleteFile(PageName(k));
        Import();

        std::string expected = kHeader;
        for (int page : c.read)
            expected += std::string(days[page - 1].stored) + "  1234       1260       1230       1250       12000\r\n";
        EXPECT_EQ(Log(), c.read.empty() ? kNoData : expected + kUpdated) << c.names;
    }
}

TEST_F(DailyReader, ThePriceBlockIsReadOnlyForAWebUpdateOfAStock) {
    const struct {
        const char* code;
        int mode;
        const char* price;
        const char* note;
    } cases[] = {
        {"7203", 4, "1,234", "+12"},
        {"7203", 0, "", ""},
        {"7203", 1, "", ""},
        {"0020", 4, "old", ""},  // a rate series keeps the price it had
        {"0020", 0, "old", ""},
    };
    SetPages({Page(Row("2024/5/10"))});
    for (const auto& c : cases) {
        CreateDataFile(path_);
        Program().collection.PagePriceText = "old";
        Program().collection.PagePriceNote = "old";
        Import(c.code, c.mode);
        EXPECT_EQ(Program().collection.PagePriceText, c.price) << c.code << " mode " << c.mode;
        EXPECT_EQ(Program().collection.PagePriceNote, c.note) << c.code << " mode " << c.mode;
    }
}

TEST_F(DailyReader, ARowLackingAFieldIsPassedOverAndItsNeighboursKeepTheirOwn) {
    SetPages({Page(Row("2024/5/10", "1,234", "1,260", "1,230", "1,250", "12,000") +
                   Row("2024/5/9", "---", "---", "---", "---", "---") +
                   "<tr><td>2024/5/8</td><td colspan=\"6\">株式分割 1:2</td></tr>" +
                   Row("2024/5/7", "---", "1,200", "1,190", "1,195", "9,000") +  // the open alone is missing
                   Row("2024/5/2", "1,100", "1,120", "1,090", "1,110", "8,000"))});
    Import();
    EXPECT_EQ(Dates(), (std::vector<std::string>{"05/02/24", "05/10/24"}));
    const QuoteRecord older = Stored("05/02/24");
    EXPECT_EQ(older.Open, 1100);
    EXPECT_EQ(older.High, 1120);
    EXPECT_EQ(older.Low, 1090);
    EXPECT_EQ(older.Close, 1110);
    EXPECT_EQ(older.Volume, 8000);
    EXPECT_EQ(Stored("05/10/24").Open, 1234);
    EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(DailyReader, ARowCutOffByTheLineEndEndsItsPage) {
    const std::string cut = "<!DOCTYPE html>\r\n<table><tr><th>日付</th><th>始値</th></tr>" + Row("2024/5/10") +
                            "<tr><td>2024/5/9</td><td>1,234</td><td>1,2";
    SetPages({cut, Page(Row("2024/5/8"))});
    Import();
    EXPECT_EQ(Log(), kHeader + "05/10/24  1234       1260       1230       1250       12000\r\n" +
                         "05/08/24  1234       1260       1230       1250       12000\r\n" + kUpdated);
}

TEST_F(DailyReader, OneCharacterNumbersAreTheirColumnsValues) {
    SetPages({Page(Row("2024/5/10", "5", "6", "4", "5", "0"))});
    Import();
    EXPECT_EQ(Log(), kHeader + "05/10/24  5          6          4          5          0\r\n" + kUpdated);
    EXPECT_EQ(Stored("05/10/24").Low, 4);
}

TEST_F(DailyReader, RowsThatCannotBeDatedAreLeftOutAndShow060Once) {
    const struct {
        Date today;
        std::vector<std::string> rows;
        std::vector<std::string> stored;
    } cases[] = {
        // A repeated date keeps its first row.
        {{2024, 5, 2}, {"2024年5月2日", "2024年5月1日", "2024年5月1日", "2024年4月30日"}, {"04/30/24", "05/01/24", "05/02/24"}},
        {{2024, 5, 10}, {"2024年5月10日", "2024年2月30日", "2024/5/8"}, {"05/08/24", "05/10/24"}},
        {{2024, 5, 10}, {"2024/5/10", "1959/12/30"}, {"05/10/24"}},  // a year the file cannot tell apart
    };
    for (const auto& c : cases) {
        At(c.today, 17, 0);
        CreateDataFile(path_);
        std::string rows;
        for (std::size_t k = 0; k < c.rows.size(); ++k)
            rows += Row(c.rows[k], std::to_string(1000 + k), "1,260", "900", "1,250");
        SetPages({Page(rows)});
        messages_->shown.clear();
        Import();
        EXPECT_EQ(Dates(), c.stored) << c.rows[1];
        ASSERT_EQ(messages_->shown.size(), 1u) << c.rows[1];
        EXPECT_EQ(messages_->shown[0].text, "060, 一部のデータが正しく収集できませんでした\r\nしばらくして、再度実行して下さい");
        EXPECT_EQ(messages_->shown[0].title, "Ranvikチャート");
        EXPECT_EQ(messages_->shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages_->shown[0].buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(Stored("05/10/24").Open, 1000);
    At({2024, 5, 2}, 17, 0);
    CreateDataFile(path_);
    SetPages({Page(Row("2024/5/1", "1,000") + Row("2024/5/1", "2,000"))});
    Import();
    EXPECT_EQ(Stored("05/01/24").Open, 1000);
}

TEST_F(DailyReader, TheTableMustStandOnItsMarkersLine) {
    const std::string below = "<html>\r\n<table><tr><th>日付</th><th>始値</th></tr>\r\n" + Rows({"2024/5/10"}) +
                              "</table>\r\n";
    const std::string dateOnly = "<html>\r\n<p>始値</p>\r\n" + Rows({"2024/5/10"}) + "\r\n";
    const std::string dateWord = "<html>\r\n<table><tr><th>日付</th><th>Open</th></tr>" + Rows({"2024/5/10"}) +
                                 "</table>\r\n";
    const struct {
        const char* name;
        std::string page;
        bool rows;
    } cases[] = {
        {"rows below the 始値 line", below, false},
        {"始値 on another line than the rows", dateOnly, false},
        {"日付 when no line holds 始値", dateWord, true},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        const std::string before = test::ReadBytes(path_);
        SetPages({c.page});
        Import();
        if (c.rows) {
            EXPECT_EQ(Dates(), std::vector<std::string>{"05/10/24"}) << c.name;
        } else {
            EXPECT_EQ(Log(), kNoData) << c.name;
            EXPECT_EQ(test::ReadBytes(path_), before) << c.name;
        }
    }
}

TEST_F(DailyReader, TheReportSaysWhatEachModeWasToldOfItsRows) {
    const std::string page = Page(Row("2024/5/10", "1,234.5", "1,240.0", "1,230.25", "1,235.5", "12,000") +
                                  Row("2024/5/9", "1,220", "1,236", "1,215", "1,230", "10,500"));
    const std::string lines = "05/10/24  1234.5     1240       1230.25    1235.5     12000\r\n"
                              "05/09/24  1220       1236       1215       1230       10500\r\n";
    SetPages({page});
    for (int mode : {0, 1, 4}) {
        CreateDataFile(path_);
        Import("7203", mode);
        EXPECT_EQ(Log(), kHeader + lines + (mode == 4 ? "" : kUpdated)) << mode;
        Import("7203", mode);  // nothing new
        EXPECT_EQ(Log(), kNoData) << mode;
    }
    const QuoteRecord r = Stored("05/10/24");
    EXPECT_EQ(r.Open, 1234.5f);
    EXPECT_EQ(r.Close, 1235.5f);
    EXPECT_EQ(r.High, 1240.0f);
    EXPECT_EQ(r.Low, 1230.25f);
    EXPECT_EQ(r.Volume, 12000.0f);

    SetPages({Page(Row("2024/5/9", "1,220", "1,236", "1,215", "1,231", "10,600"))});
    Import("7203", 0);
    EXPECT_EQ(Log(), kHeader + "05/09/24  1220       1236       1215       1231       10600    replace\r\n" + kUpdated);
}

TEST_F(DailyReader, OnlyCodesAbove50ReadTheVolume) {
    const struct {
        const char* code;
        const char* volume;
    } cases[] = {{"0020", "0"}, {"0001", "0"}, {"0050", "0"}, {"0051", "12000"}, {"7203", "12000"}};
    At({2024, 5, 10}, 19, 0);  // past every code's hour
    SetPages({Page(Row("2024/5/10"))});
    for (const auto& c : cases) {
        CreateDataFile(path_);
        Import(c.code);
        EXPECT_EQ(Log(), kHeader + "05/10/24  1234       1260       1230       1250       " + c.volume + "\r\n" + kUpdated)
            << c.code;
    }
}

TEST_F(DailyReader, APageWithoutTheTableInThisEncodingStoresNothing) {
    const std::string good = Page(Rows({"2024/5/10", "2024/5/9"}));
    std::string lfOnly;
    for (char ch : good)
        if (ch != '\r') lfOnly += ch;
    const struct {
        const char* name;
        std::vector<std::string> pages;
        std::size_t stored;
    } cases[] = {
        {"Shift-JIS", {ToAnsi(good)}, 0},
        {"empty", {" "}, 0},
        {"no table", {"<html><body>お探しのページは見つかりません</body></html>\r\n"}, 0},
        {"no page name", {}, 0},
        {"LF line ends: the whole page one line", {lfOnly}, 2},
    };
    for (const auto& c : cases) {
        CreateDataFile(path_);
        SetPages(c.pages);
        if (c.pages.size() == 1 && c.pages[0] == " ") test::WriteBytes(Program().download.PageFile1, "");
        Import();
        EXPECT_EQ(Dates().size(), c.stored) << c.name;
        if (c.stored == 0) {
            EXPECT_EQ(Log(), kNoData) << c.name;
        }
    }
    EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(DailyReader, AFullDataFileEndsTheRunAndSaysSo) {
    At({2050, 5, 13}, 17, 0);
    test::WriteDataFile(path_, kMaxDataRecords - 2);
    SetPages({Page(Rows({"2050/5/13", "2050/5/12"})), Page(Row("2050/5/11"))});
    Import();
    EXPECT_EQ(Log(), kHeader + "05/13/50  1234       1260       1230       1250       12000\r\n" + kUpdated +
                         "データファイルが一杯のため、以降のデータは保存できませんでした\r\n");
    const QuoteRecord header = test::ReadRecord(path_, 1);
    EXPECT_EQ(header.RecordNo, kMaxDataRecords);
    EXPECT_EQ(test::ReadRecord(path_, kMaxDataRecords).QuoteDate, "05/13/50");
}

TEST_F(DailyReader, AMissingDataFileIsNeitherCreatedNorWritten) {
    DeleteFile(path_);
    SetPages({Page(Row("2024/5/10"))});
    Import();
    EXPECT_EQ(Log(), kNoData + "\r\nデータファイルに書き込めないため、以降のデータは保存できませんでした\r\n");
    EXPECT_FALSE(FileExists(path_));
}

}  // namespace
}  // namespace ranvik
