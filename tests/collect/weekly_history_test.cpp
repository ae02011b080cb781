// The weekly history page reader on hand-made pages of the history dialect.
#include "collect/weekly_history.h"

#include <gtest/gtest.h>

#include "core/data_store.h"
#include "core/program_state.h"
#include "tests/collect/page_files.h"
#include "tests/collect/stock_file_fixture.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kHeader = "日付      始値       高値       安値       終値       出来高\r\n";
const std::string kNoData = "更新すべき株価データは有りません（更新済み/データ無し)\r\n";
const std::string kUpdated = "以上を更新しました\r\n";

std::string Row(const std::string& date, const std::string& open = "1,234", const std::string& close = "1,250") {
    return "<tr><td>" + date + "</td><td>" + open + "</td><td>1,260</td><td>1,230</td><td>" + close +
           "</td><td>12,000</td><td>" + close + "</td></tr>";
}

std::string Page(const std::vector<std::string>& rows) {
    std::string all;
    for (const std::string& r : rows) all += Row(r);
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<div><span class=\"price\">1,250</span><span class=\"change\">+16</span></div>\r\n"
           "<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           all + "</table>\r\n</body></html>\r\n";
}

class WeeklyReader : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        path_ = dir_.File("7203w.KDT");
        CreateDataFile(path_);
    }

    static void At(Date day, int hour, int minute) {
        SetClock([=] { return DateTime{day, hour, minute, 0}; });
    }

    std::string Import(const std::string& code = "7203", const std::string& reference = "2024/05/10 17:00:00",
                       int mode = 0) {
        std::string time = reference;
        ImportWeeklyHistory(path_, code, time, mode);
        return time;
    }

    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        const int n = test::ReadRecord(path_, 1).RecordNo;
        for (int k = 2; k <= n; ++k) dates.push_back(test::ReadRecord(path_, k).QuoteDate);
        return dates;
    }

    const std::string& Log() const { return Program().collection.UpdateLog; }

    test::FixedClock clock_{{2024, 5, 10}, 17, 0};
    test::TempFolder dir_;
    std::string path_;
};

TEST_F(WeeklyReader, EachRowIsStoredOnTheFridayOfItsWeek) {
    const struct {
        std::string page;
        std::string code;
        std::string stored;
    } cases[] = {
        {"2024/5/6", "7203", "05/10/24"},      // Monday
        {"2024/5/5", "7203", "05/10/24"},      // Sunday: five days on
        {"2024/5/10", "7203", "05/10/24"},     // a Friday stays
        {"2024/2/24", "7203", "02/23/24"},     // Saturday: a day back
        {"2024/02/26", "7203", "03/01/24"},    // into March of a leap year
        {"2020/2/24", "7203", "02/28/20"},     // leap February: the 28th is no month end
        {"2016/2/29", "7203", "03/04/16"},
        {"2019/2/25", "7203", "03/01/19"},
        {"2019/12/30", "7203", "01/03/20"},    // into the next year
        {"2019/5/13", "7203", "05/17/19"},
        {"2019年5月13日", "7203", "05/17/19"},  // the 年 form read in full
        {"2019/4/29", "7203", "04/26/19"},     // the week nobody traded in 2019
        {"2019/4/29", "0020", "05/03/19"},     // ... except the rate series
    };
    for (const auto& c : cases) {
        SetUp();
        test::SetPages(dir_, {Page({c.page})});
        Import(c.code);
        EXPECT_EQ(Dates(), std::vector<std::string>{c.stored}) << c.page << " " << c.code;
    }
}

TEST_F(WeeklyReader, TheReportListsEachRowWritten) {
    test::SetPages(dir_, {Page({"2024/5/6", "2024/4/30"})});
    Import();
    EXPECT_EQ(Log(), kHeader +
                         "05/10/24  1234       1260       1230       1250       12000\r\n"
                         "05/03/24  1234       1260       1230       1250       12000\r\n" +
                         kUpdated);
    Import();
    EXPECT_EQ(Log(), kNoData) << "an identical second run";
}

TEST_F(WeeklyReader, VolumeIsReadAboveCode50Only) {
    const struct {
        std::string code;
        float volume;
    } cases[] = {{"7203", 12000}, {"0051", 12000}, {"0050", 0}, {"0020", 0}, {"0005", 0}};
    for (const auto& c : cases) {
        SetUp();
        test::SetPages(dir_, {Page({"2024/5/6"})});
        Import(c.code);
        EXPECT_EQ(test::ReadRecord(path_, 2).Volume, c.volume) << c.code;
    }
}

TEST_F(WeeklyReader, AWeekWhosePricesAreNotOutYetWaits) {
    At({2024, 5, 13}, 16, 49);
    test::SetPages(dir_, {Page({"2024/5/13", "2024/5/7"})});
    Import("7203", "2024/05/13 16:49:00");
    EXPECT_EQ(Dates(), std::vector<std::string>{"05/10/24"});
    At({2024, 5, 13}, 16, 50);
    Import("7203", "2024/05/13 16:50:00");
    EXPECT_EQ(Dates(), (std::vector<std::string>{"05/10/24", "05/17/24"}));
}

TEST_F(WeeklyReader, ARowOfALaterYearEndsThePage) {
    At({2000, 1, 14}, 17, 0);
    test::SetPages(dir_, {Page({"2000/1/10", "1999/12/27", "1999/12/20"}),
                          Page({"1999/12/13", "2000/1/3", "1999/12/6"}), Page({"1999/11/29"}), Page({"1999/11/22"})});
    Import("7203", "2000/01/14 17:00:00");
    EXPECT_EQ(Dates(), (std::vector<std::string>{"11/26/99", "12/03/99", "12/17/99", "12/24/99", "12/31/99",
                                                 "01/14/00"}));
}

TEST_F(WeeklyReader, RowsLackingAFieldArePassedOver) {
    test::SetPages(dir_, {"<html>\r\n<table><tr><th>始値</th></tr>" + Row("2024/5/6", "---") +
                          Row("2024/4/30", "1,234", "---") + Row("2024/4/22") + "</table>\r\n"});
    Import();
    EXPECT_EQ(Dates(), std::vector<std::string>{"04/26/24"});
    const QuoteRecord bar = test::ReadRecord(path_, 2);
    EXPECT_EQ(bar.Open, 1234);
    EXPECT_EQ(bar.Close, 1250);
}

TEST_F(WeeklyReader, PagesWithoutATableGiveTheNoDataText) {
    const std::string pages[] = {"", "<html>\r\n<body>お探しのページは見つかりません</body>\r\n</html>\r\n",
                                 Page({"2024/5/6"}).substr(0, 300)};
    for (const std::string& page : pages) {
        test::WriteBytes(dir_.File("p.htm"), page);
        Program().download.PageFile1 = dir_.File("p.htm");
        Import();
        EXPECT_EQ(Log(), kNoData);
    }
    EXPECT_TRUE(Dates().empty());
}

TEST_F(WeeklyReader, ThePageListFollowsTheDownloadGroups) {
    // One week a page, the newest first.
    std::vector<std::string> pages;
    for (int week = 0; week < 8; ++week) {
        const Date d = AddDays({2024, 5, 6}, -7 * week);
        pages.push_back(Page({std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day)}));
    }
    const test::TempFolder saved;
    const struct {
        const char* name;
        bool debug;
        bool fifthSaved;
        bool fifthNamed;
        std::size_t stored;
    } cases[] = {
        {"all eight", false, false, true, 8},
        {"a group of four", false, false, false, 4},
        {"saved pages without a fifth", true, false, true, 4},
        {"saved pages with a fifth", true, true, true, 8},
    };
    for (const auto& c : cases) {
        SetUp();
        std::vector<std::string> named = pages;
        if (!c.fifthNamed) named.resize(4);
        test::SetPages(dir_, named);
        Program().app.DebugPages = c.debug ? kTrue : kFalse;
        Program().app.SavedPageDir = saved.File("");
        if (c.fifthSaved) test::WriteBytes(saved.File("株HTML5.htm"), "saved");
        Import();
        EXPECT_EQ(Dates().size(), c.stored) << c.name;
    }
}

TEST_F(WeeklyReader, TheReferenceIsRewrittenForTheCaller) {
    const struct {
        std::string code, given, kept;
    } cases[] = {
        {"7203", "2019/05/01 20:00:00", "2019/04/27 20:00:00"},
        {"0005", "2019/05/06 09:00:00", "2019/04/27 09:00:00"},
        {"0020", "2019/05/01 20:00:00", "2019/05/01 20:00:00"},  // no exchange holidays for a rate series
        {"7203", "2020/01/02 10:00:00", "2019/12/31 19:30:00"},
        {"7203", "2020/01/04 18:59:00", "2019/12/31 19:30:00"},
        {"7203", "2020/01/04 19:00:00", "2020/01/04 19:00:00"},
        {"0020", "2020/01/01 12:00:00", "2019/12/31 19:30:00"},
        {"7203", "2024/05/10 17:00:00", "2024/05/10 17:00:00"},
    };
    test::SetPages(dir_, {Page({})});
    for (const auto& c : cases) EXPECT_EQ(Import(c.code, c.given), c.kept) << c.code << " " << c.given;
}

TEST_F(WeeklyReader, TheHolidayFlagsAreSetForTheReferenceDate) {
    test::SetPages(dir_, {Page({})});
    Import("7203", "2024/05/06 19:30:00");  // a Monday holiday
    EXPECT_EQ(Program().collection.MondayHolidayFlag, kTrue);
    Import("7203", "2024/05/13 19:30:00");
    EXPECT_EQ(Program().collection.MondayHolidayFlag, kFalse);
}

TEST_F(WeeklyReader, ASavedPageGivesTheReferenceDateWithTheDebugItemChecked) {
    const std::string comments = "2024<!-- -->/<!-- -->5<!-- -->/<!-- -->9</span>";
    const struct {
        const char* name;
        bool debug;
        std::string line;
        std::string kept;
    } cases[] = {
        {"class marker", true, "<p class=\"_1qCXjxCj\">期間</p><span class=\"_1qCXjxCj\">" + comments,
         "2024/05/09 17:00:00"},
        {"term markers", true,
         "<input id=\"historyTermFromDate\" value=\"2024-01-01\"><span id=\"historyTermToDate\">2024<!-- -->/<!-- "
         "-->04<!-- -->/<!-- -->30</span>",
         "2024/04/30 17:00:00"},
        {"a lone class marker falls back on the term markers", true,
         "<p class=\"_1qCXjxCj\">x</p><i id=\"historyTermFromDate\"></i><b id=\"historyTermToDate\">2024<!-- "
         "-->/<!-- -->3<!-- -->/<!-- -->1</b>",
         "2024/03/01 17:00:00"},
        {"no marker", true, "<p>期間</p>", "2024/05/10 17:00:00"},
        {"no real day", true, "<p class=\"_1qCXjxCj\">期間</p><span class=\"_1qCXjxCj\">2024<!-- -->/<!-- -->2<!-- -->/<!-- -->30</span>",
         "2024/05/10 17:00:00"},
        {"debug item unchecked", false, "<p class=\"_1qCXjxCj\">期間</p><span class=\"_1qCXjxCj\">" + comments,
         "2024/05/10 17:00:00"},
    };
    for (const auto& c : cases) {
        Program().app.DebugPages = c.debug ? kTrue : kFalse;
        test::SetPages(dir_, {"<html>\r\n" + c.line + "\r\n" + Page({})});
        EXPECT_EQ(Import(), c.kept) << c.name;
    }
}

TEST_F(WeeklyReader, TheWebUpdateTakesThePagePrice) {
    test::SetPages(dir_, {Page({"2024/5/6"})});
    Program().collection.PagePriceNote = "old";
    Import("7203", "2024/05/10 17:00:00", 0);
    EXPECT_EQ(Program().collection.PagePriceText, "");
    EXPECT_EQ(Program().collection.PagePriceNote, "");
    Import("7203", "2024/05/10 17:00:00", 4);
    EXPECT_EQ(Program().collection.PagePriceText, "1,250");
    EXPECT_EQ(Program().collection.PagePriceNote, "+16");
}

}  // namespace
}  // namespace ranvik
