#include "collect/quote_page_requests.h"

#include <gtest/gtest.h>

#include "core/page_files.h"

namespace ranvik {
namespace {

QuotePageInput Input(int kind, const std::string& address, bool daily) {
    QuotePageInput in;
    in.kind = kind;
    in.quoteAddress = address;
    in.stockCode = "1301";
    in.stockCode4 = "1301";
    in.stockMarket = ".t";
    in.currentMarket = ".n";
    in.currentSection = "2";
    in.todayDate = "05/20/24";
    in.todayYear = "2024";
    in.daily = daily;
    in.appDir = "/app/";
    in.savedPageDir = "/saved/";
    return in;
}

TEST(QuotePageRequestsTest, OnePageKindsPerPeriod) {
    const struct {
        int kind;
        const char* address;
        bool daily;
        const char* request;
        const char* addressAfter;
        const char* marketAfter;
    } cases[] = {
        // The letter after "ory/" follows the period; "code=" cuts the rest;
        // the main window's ".n" section 2 is exchange 3.
        {2, "https://h/hist/ory/t?scode=9999&x=1", true, "h/hist/ory/d?scode=1301&ba=3", "h/hist/ory/d?scode=9999&x=1",
         ".t"},
        {2, "h/hist/ory/t", false, "h/hist/ory/y?scode=1301&ba=3", "h/hist/ory/y", ".t"},
        {4, "http://h/qu/ote/x/more?q=1", true, "h/qu/ote/x?h=3m&c=1301", "h/qu/ote/x?h=3m&c=", ""},
        {4, "h/qu/ote/x", false, "h/qu/ote/x?r=3m&h=1y&c=1301", "h/qu/ote/x?r=3m&h=1y&c=", ""},
        {5, "h/p?sym=1&symbol=abc", true, "h/p?sym=1&symbol=1301.T", "h/p?sym=1&symbol=", ".T"},
    };
    for (const auto& c : cases) {
        const QuotePagePlan plan = PlanQuotePageRequests(Input(c.kind, c.address, c.daily));
        ASSERT_EQ(plan.refused, QuotePageRefusal::None) << c.address;
        ASSERT_EQ(plan.requests.size(), 1u) << c.address;
        EXPECT_EQ(plan.requests[0], c.request);
        EXPECT_EQ(plan.quoteAddress, c.addressAfter);
        EXPECT_EQ(plan.stockMarket, c.marketAfter);
        EXPECT_EQ(plan.pageFiles, std::vector<std::string>{"/app/" + PageFileName(1)});
        EXPECT_EQ(plan.progressEnd, 200);
    }
}

TEST(QuotePageRequestsTest, FifthKindSuffixByMarket) {
    const struct {
        const char* market;
        const char* suffix;
    } cases[] = {{".f", ".FU"}, {".s", ".SP"}, {".t", ".T"}, {".FU", ".T"}, {"", ".T"}};
    for (const auto& c : cases) {
        QuotePageInput in = Input(5, "h/p?symbol=", true);
        in.stockMarket = c.market;
        const QuotePagePlan plan = PlanQuotePageRequests(in);
        EXPECT_EQ(plan.requests.at(0), std::string("h/p?symbol=1301") + c.suffix) << c.market;
        EXPECT_EQ(plan.stockMarket, c.suffix);
    }
}

TEST(QuotePageRequestsTest, FirstKindEightHistoryPages) {
    QuotePageInput in = Input(1, "https://h/quote/7203.t/history?a=1", true);
    QuotePagePlan plan = PlanQuotePageRequests(in);
    ASSERT_EQ(plan.requests.size(), 8u);
    EXPECT_EQ(plan.scheme, "https");
    EXPECT_EQ(plan.progressEnd, 50);
    // 300 days before 2024-05-20 is 2023-07-25.
    EXPECT_EQ(plan.requests[0], "h/quote/1301.t/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=1");
    EXPECT_EQ(plan.requests[7], "h/quote/1301.t/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=8");
    EXPECT_EQ(plan.pageFiles[0], "/app/" + PageFileName(1));
    EXPECT_EQ(plan.pageFiles[7], "/app/" + PageFileName(8));

    in.daily = false;
    in.debug = true;
    plan = PlanQuotePageRequests(in);
    // 1400 days back is 2020-07-20; saved pages in debug mode.
    EXPECT_EQ(plan.requests[3], "h/quote/1301.t/history?styl=stock&from=20200720&to=20240520&timeFrame=w&page=4");
    EXPECT_EQ(plan.pageFiles[3], "/saved/" + PageFileName(4));
}

TEST(QuotePageRequestsTest, FirstKindSeriesCodeGoesWithoutMarket) {
    QuotePageInput in = Input(1, "h/quote/x/history", true);
    in.stockCode4 = "0050";
    in.stockCode = "^N225";
    const QuotePagePlan plan = PlanQuotePageRequests(in);
    EXPECT_EQ(plan.requests.at(0).rfind("h/quote/^N225/history?styl=stock&", 0), 0u) << plan.requests[0];
    EXPECT_EQ(plan.stockMarket, "");
}

TEST(QuotePageRequestsTest, AddressWithoutItsKindsMarkerRequestsNothing) {
    const struct {
        int kind;
        const char* address;
        QuotePageRefusal refused;
    } cases[] = {
        {1, "h/quotes/1301/history", QuotePageRefusal::MissingMarker},
        {1, "h/quote/1301", QuotePageRefusal::MissingMarker},
        {1, "h/quote//history", QuotePageRefusal::MissingMarker},
        {2, "h/history", QuotePageRefusal::MissingMarker},
        {4, "h/quote", QuotePageRefusal::MissingMarker},
        {4, "h/ote/", QuotePageRefusal::MissingMarker},
        {5, "h/p?sym=1", QuotePageRefusal::MissingMarker},
        {3, "h/quote/1301/history", QuotePageRefusal::UnsupportedKind},
        {0, "h/quote/1301/history", QuotePageRefusal::UnsupportedKind},
    };
    for (const auto& c : cases) {
        const QuotePagePlan plan = PlanQuotePageRequests(Input(c.kind, c.address, true));
        EXPECT_EQ(plan.refused, c.refused) << c.address;
        EXPECT_TRUE(plan.requests.empty()) << c.address;
        EXPECT_EQ(plan.stockMarket, ".t") << c.address;
    }
}

}  // namespace
}  // namespace ranvik
