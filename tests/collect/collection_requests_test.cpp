#include "collect/collection_requests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"

namespace ranvik {
namespace {

// ---------------------------------------------------------------- date range

TEST(CollectionBoxDateTest, OnlyATenCharacterYearMonthDayOfTheCalendarPasses) {
    const struct {
        const char* text;
        bool passes;
    } cases[] = {
        {"2024/05/20", true},  {"2024/02/29", true},  {"2023/02/29", false}, {"2024/5/20", false},
        {"2024-05-20", false}, {"05/20/2024", false}, {"2024/13/01", false}, {"2024/04/31", false},
        {"2024/05/2x", false}, {"", false},           {"2024/mm/dd", false}, {" 2024/5/20", false},
    };
    for (const auto& c : cases) EXPECT_EQ(CollectionBoxDate(c.text).has_value(), c.passes) << c.text;
}

TEST(CheckCollectionRangeTest, RefusesInTheOrderOfTheChecks) {
    const Date today{2024, 5, 20};
    const struct {
        const char* from;
        const char* to;
        RangeRefusal refused;
        int step;
    } cases[] = {
        {"2024/05/20", "2024/05/20", RangeRefusal::None, 0},     // To today, From the To date
        {"2023/03/15", "2024/03/10", RangeRefusal::None, 0},     // earlier year, later month-day
        {"2024/05/01", "2024/05/21", RangeRefusal::ToBox, 4},    // a day after today
        {"2024/05/11", "2024/05/10", RangeRefusal::FromBox, 5},  // From after To
        {"bad", "2024/5/20", RangeRefusal::ToBox, 1},            // the To box is checked first
        {"2024/5/1", "2024/05/10", RangeRefusal::FromBox, 2},
        {"2024/05/01", "2024.05.10", RangeRefusal::ToBox, 1},    // another 10-character form
        {"2025/01/01", "2025/01/02", RangeRefusal::ToBox, 4},
    };
    for (const auto& c : cases) {
        const RangeCheck check = CheckCollectionRange(c.from, c.to, today, false);
        EXPECT_EQ(check.refused, c.refused) << c.from << " " << c.to;
        EXPECT_EQ(check.step, c.step) << c.from << " " << c.to;
        EXPECT_EQ(check.pageStart, 1);
    }
}

TEST(FirstMarginPageTest, AboutOneHundredFortyDaysAPageFromTheToDate) {
    const Date today{2024, 5, 20};
    const struct {
        Date to;
        int page;
    } cases[] = {
        {{2024, 5, 20}, 1},  // -4 / 140 - 1 rounds to -1: page 1
        {{2023, 7, 20}, 1},  // 301 / 140 - 1 = 1.15
        {{2023, 1, 20}, 2},  // (365 + 90 + 31) / 140 - 1 = 2.47
        {{2020, 5, 20}, 9},  // (3 * 365 + 11 * 30 + 31) / 140 - 1 = 9.4
        {{2023, 12, 24}, 1}, // (0 * 365 + 4 * 30 + 27) / 140 - 1 = 0.05
    };
    for (const auto& c : cases) {
        int years = today.year - c.to.year - 1;
        int months = today.month + (12 - c.to.month) - 1;
        if (months > 12) {
            years += 1;
            months -= 12;
        }
        const double raw = (years * 365.0 + months * 30.0 + today.day + 31 - c.to.day) / 140.0 - 1;
        const int expected = std::max(1, static_cast<int>(std::nearbyint(raw)));
        EXPECT_EQ(expected, c.page) << c.to.year << "/" << c.to.month;
        EXPECT_EQ(FirstMarginPage(today, c.to), c.page) << c.to.year << "/" << c.to.month;
    }
    EXPECT_EQ(CheckCollectionRange("2022/01/01", "2023/01/20", today, true).pageStart, 2);
}

// ---------------------------------------------------------------- rewrites

TEST(CollectionRewriteTest, EachRewriteFollowsItsFormula) {
    const std::string k1 = "https://finance.yahoo.co.jp/quote/1301.T/history?";
    const std::string k2 = "https://minkabu.example/stock/history/dprice?code=";
    // The formulas written out with 1-based positions.
    const auto left = [](const std::string& s, std::size_t n) { return LeftChars(s, n); };
    const auto pos = [](const std::string& s, const char* part) { return FindChars(s, part); };

    EXPECT_EQ(HistoryAddressOf("https://finance.yahoo.co.jp/quote/1301.T/margin?page="),
              "https://finance.yahoo.co.jp/quote/1301.T/history?");
    EXPECT_EQ(HistoryAddressOf(k1), k1);

    // Collect button, second run.
    EXPECT_EQ(ButtonSecondRunAddress(k1, 1), left(k1, pos(k1, "y?") - 7) + "margin?");
    EXPECT_EQ(ButtonSecondRunAddress(k1, 1), "https://finance.yahoo.co.jp/quote/1301.T/margin?");
    EXPECT_EQ(ButtonSecondRunAddress("https://finance.yahoo.co.jp/quote/1301.T/history", 1), std::nullopt);
    // One character after the old page name, as the double click keeps.
    EXPECT_EQ(ButtonSecondRunAddress(k2, 2), left(k2, pos(k2, "y/d") + 1) + "trust" + "?");
    EXPECT_EQ(ButtonSecondRunAddress("https://minkabu.example/stock/history/yprice", 2),
              "https://minkabu.example/stock/history/trust");
    EXPECT_EQ(ButtonSecondRunAddress("https://minkabu.example/stock/history/trust?", 2), std::nullopt);

    // Double click, "dprice" before the first run.
    const struct {
        std::string url;
        std::string expected;
    } price[] = {
        {"https://m.example/history/yprice?code=", "https://m.example/history/dprice?"},
        {"https://m.example/history/dprice", "https://m.example/history/dprice"},
        {"https://m.example/history/trust?code=", "https://m.example/history/dprice?"},
        {"https://m.example/history/trustX", "https://m.example/history/dpriceX"},
    };
    for (const auto& c : price) EXPECT_EQ(GridPriceAddress(c.url), c.expected) << c.url;
    EXPECT_EQ(GridPriceAddress("https://m.example/stock/"), std::nullopt);

    // Double click, second run.
    EXPECT_EQ(GridSecondRunAddress(k1, 1), left(k1, pos(k1, "y?") + 1) + "styl=margin&");
    EXPECT_EQ(GridSecondRunAddress(k1, 1), k1 + "styl=margin&");
    EXPECT_EQ(GridSecondRunAddress("https://y.example/quote/1301/history/?a=1", 1),
              "https://y.example/quote/1301/history/margin/?");
    EXPECT_EQ(GridSecondRunAddress("https://y.example/quote/1301/hist", 1), std::nullopt);
    EXPECT_EQ(GridSecondRunAddress("https://m.example/history/dprice?", 2), "https://m.example/history/trust?");
    EXPECT_EQ(GridSecondRunAddress("https://m.example/history/trust?", 2), "https://m.example/history/trust?");
}

// ---------------------------------------------------------------- requests

class CollectionRequestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        in.now = {{2024, 5, 20}, 15, 4, 9};
        in.appDir = "/app/";
        in.savedPageDir = "/saved/";
        in.currentCode = in.collectCode = "1301";
        in.currentMarket = ".t";
        in.currentSection = "1";
    }
    void TearDown() override { ResetProgramState(); }
    CollectionRequestInput in;
};

std::vector<std::string> Pages(const std::string& base, int first, int count) {
    std::vector<std::string> out;
    for (int k = 0; k < count; ++k) out.push_back(base + std::to_string(first + k));
    return out;
}

std::vector<std::string> Files(const std::string& folder, int count) {
    const char* names[] = {"株HTML.htm",  "株HTML2.htm", "株HTML3.htm", "株HTML4.htm",
                           "株HTML5.htm", "株HTML6.htm", "株HTML7.htm", "株HTML8.htm"};
    std::vector<std::string> out;
    for (int k = 0; k < count; ++k) out.push_back(folder + names[k]);
    return out;
}

TEST_F(CollectionRequestsTest, SiteKind1HistoryAndMarginPages) {
    const std::string site = "https://finance.yahoo.co.jp/quote/";
    const struct {
        const char* name;
        std::string url;
        std::string code, market;
        bool daily, newStock, typed;
        int pageStart;
        bool debug;
        std::string base;
        int pages;
        std::string folder;
        std::string endTime;
        bool clearMarket;
    } cases[] = {
        {"daily update", site + "9999.T/history?styl=stock", "1301", ".t", true, false, false, 1, false,
         site + "1301.t/history?from=20230725&to=20240520&timeFrame=d&page=", 8, "/app/", "2024/05/20 15:04:09",
         false},
        {"weekly update", site + "9999.T/history", "1301", ".t", false, false, false, 1, false,
         site + "1301.t/history?from=20200720&to=20240520&timeFrame=w&page=", 4, "/app/", "2024/05/20 15:04:09",
         false},
        {"weekly new stock", site + "9999.T/history", "1301", ".t", false, true, false, 1, false,
         site + "1301.t/history?from=20200720&to=20240520&timeFrame=w&page=", 8, "/app/", "2024/05/20 15:04:09",
         false},
        {"typed range", site + "9999.T/history?", "1301", ".t", true, false, true, 1, false,
         site + "1301.t/history?from=20240102&to=20240315&timeFrame=d&page=", 8, "/app/", "2024/03/15 19:30:00",
         false},
        {"margin from PageStart", site + "1301.T/margin?", "1301", ".t", false, false, true, 3, false,
         site + "1301.t/margin?page=", 4, "/app/", "2024/03/15 19:30:00", false},
        {"margin, double-click form", site + "1301.T/history?styl=margin&", "1301", ".t", false, true, false, 1,
         false, site + "1301.t/history?styl=margin&page=", 8, "/app/", "2024/05/20 15:04:09", false},
        {"code 10 to 99: the URL list's code, no market", site + "998407.O/history", "0010", ".t", true, false,
         false, 1, false, site + "998407.O/history?from=20230725&to=20240520&timeFrame=d&page=", 8, "/app/",
         "2024/05/20 15:04:09", true},
        {"code below 10 keeps the market", site + "x/history", "0005", ".t", true, false, false, 1, false,
         site + "USDJPY.t/history?from=20230725&to=20240520&timeFrame=d&page=", 8, "/app/", "2024/05/20 15:04:09",
         false},
        {"debug: margin pages from the saved folder", site + "1301.T/margin?", "1301", ".t", false, false, false,
         1, true, site + "1301.t/margin?page=", 4, "/saved/", "2024/05/20 15:04:09", false},
        {"debug: history pages in the program folder", site + "1301.T/history", "1301", ".t", true, false, false,
         1, true, site + "1301.t/history?from=20230725&to=20240520&timeFrame=d&page=", 8, "/app/",
         "2024/05/20 15:04:09", false},
    };
    for (const auto& c : cases) {
        in.kind = 1;
        in.collectUrl = c.url;
        in.currentCode = c.code;
        in.collectCode = c.code == "0010" ? "998407.O" : c.code == "0005" ? "USDJPY" : c.code;
        in.currentMarket = c.market;
        in.daily = c.daily;
        in.newStock = c.newStock;
        in.typedRange = c.typed;
        in.fromBox = "2024/01/02";
        in.toBox = "2024/03/15";
        in.pageStart = c.pageStart;
        in.debug = c.debug;
        const CollectionRequestPlan plan = PlanCollectionRequests(in);
        ASSERT_EQ(plan.refused, PlanRefusal::None) << c.name;
        EXPECT_EQ(plan.requests, Pages(c.base, c.pageStart, c.pages)) << c.name;
        EXPECT_EQ(plan.pageFiles, Files(c.folder, c.pages)) << c.name;
        EXPECT_EQ(plan.collectUrl, c.url) << c.name;  // kind 1 works on a copy
        EXPECT_EQ(plan.collectEndTime.value_or(""), c.endTime) << c.name;
        EXPECT_EQ(plan.clearMarket, c.clearMarket) << c.name;
        EXPECT_TRUE(plan.showProgress) << c.name;
        EXPECT_EQ(plan.progressEnd, 50) << c.name;
    }
}

TEST_F(CollectionRequestsTest, SiteKind2PriceAndTrustTables) {
    const struct {
        const char* name;
        std::string url;
        bool daily;
        std::string market, section;
        bool debug;
        std::string request, collectUrl, file;
    } cases[] = {
        {"daily, code= cut", "https://minka.example/stock/history/yprice?code=9999&x=1", true, ".t", "1", false,
         "https://minka.example/stock/history/dprice?code=1301&ba=1",
         "https://minka.example/stock/history/dprice?code=", "/app/株HTML.htm"},
        {"weekly, no code=", "https://minka.example/stock/history/dprice", false, ".n", "2", false,
         "https://minka.example/stock/history/yprice?scode=1301&ba=3", "https://minka.example/stock/history/yprice",
         "/app/株HTML.htm"},
        {"Nagoya section 1", "https://minka.example/history/dprice", true, ".n", "1", false,
         "https://minka.example/history/dprice?scode=1301&ba=1", "https://minka.example/history/dprice",
         "/app/株HTML.htm"},
        {"Sapporo", "https://minka.example/history/dprice", true, ".s", "0", false,
         "https://minka.example/history/dprice?scode=1301&ba=8", "https://minka.example/history/dprice",
         "/app/株HTML.htm"},
        {"Fukuoka", "https://minka.example/history/dprice", true, ".f", "0", false,
         "https://minka.example/history/dprice?scode=1301&ba=6", "https://minka.example/history/dprice",
         "/app/株HTML.htm"},
        {"weekly trust", "https://minka.example/history/trust", false, ".t", "1", false,
         "https://minka.example/history/trust?scode=1301&ba=1", "https://minka.example/history/trust",
         "/app/株HTML.htm"},
        {"weekly trust in debug mode", "https://minka.example/history/trust", false, ".t", "1", true,
         "https://minka.example/history/trust?scode=1301&ba=1", "https://minka.example/history/trust",
         "/saved/株HTML.htm"},
        {"daily trust address", "https://minka.example/history/trust", true, ".t", "1", false,
         "https://minka.example/history/drust?scode=1301&ba=1", "https://minka.example/history/drust",
         "/app/株HTML.htm"},
    };
    for (const auto& c : cases) {
        in.kind = 2;
        in.collectUrl = c.url;
        in.daily = c.daily;
        in.currentMarket = c.market;
        in.currentSection = c.section;
        in.debug = c.debug;
        const CollectionRequestPlan plan = PlanCollectionRequests(in);
        ASSERT_EQ(plan.refused, PlanRefusal::None) << c.name;
        EXPECT_EQ(plan.requests, std::vector<std::string>{c.request}) << c.name;
        EXPECT_EQ(plan.collectUrl, c.collectUrl) << c.name;
        EXPECT_EQ(plan.pageFiles, std::vector<std::string>{c.file}) << c.name;
        EXPECT_EQ(plan.progressEnd, 200) << c.name;
        EXPECT_FALSE(plan.collectEndTime.has_value()) << c.name;
    }
}

TEST_F(CollectionRequestsTest, SiteKind4OnePageAndTheMarketEmptied) {
    in.kind = 4;
    for (bool daily : {true, false}) {
        in.daily = daily;
        in.collectUrl = "https://kabuc.example/quote/chart?old=1";
        const std::string base =
            std::string("https://kabuc.example/quote/c?") + (daily ? "h=3m&c=" : "r=3m&h=1y&c=");
        const CollectionRequestPlan plan = PlanCollectionRequests(in);
        ASSERT_EQ(plan.refused, PlanRefusal::None);
        EXPECT_EQ(plan.requests, std::vector<std::string>{base + "1301"});
        EXPECT_EQ(plan.collectUrl, base);
        EXPECT_TRUE(plan.clearMarket);
        EXPECT_FALSE(plan.showProgress);
    }
}

TEST_F(CollectionRequestsTest, UnsupportedKindsAndAddressesWithoutTheirMarkerRequestNothing) {
    const struct {
        int kind;
        const char* url;
        PlanRefusal refused;
    } cases[] = {
        {3, "https://nikke.example/quote/1301/", PlanRefusal::UnsupportedKind},
        {5, "https://inves.example/quote/1301/", PlanRefusal::UnsupportedKind},
        {0, "https://example.com/quote/1301/", PlanRefusal::UnsupportedKind},
        {1, "https://finance.yahoo.co.jp/stocks/1301.T/history", PlanRefusal::MissingMarker},
        {1, "https://finance.yahoo.co.jp/quote/1301.T", PlanRefusal::MissingMarker},
        {1, "https://finance.yahoo.co.jp/quote//history", PlanRefusal::MissingMarker},
        {2, "https://minka.example/stock/1301", PlanRefusal::MissingMarker},
        {4, "https://kabuc.example/chart", PlanRefusal::MissingMarker},
    };
    for (const auto& c : cases) {
        in.kind = c.kind;
        in.collectUrl = c.url;
        const CollectionRequestPlan plan = PlanCollectionRequests(in);
        EXPECT_EQ(plan.refused, c.refused) << c.url;
        EXPECT_TRUE(plan.requests.empty()) << c.url;
        EXPECT_EQ(plan.collectUrl, c.url);
        EXPECT_FALSE(plan.clearMarket);
    }
}

}  // namespace
}  // namespace ranvik
