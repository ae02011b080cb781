#include "company/company_pages.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

TEST(CompanyPages, LinksAreCompletedOnce) {
    struct Case {
        const char* link;
        const char* completed;
    };
    const Case cases[] = {
        {"https://info.example/fin", "https://info.example/fin?scode="},
        {"https://info.example/fin?scode=", "https://info.example/fin?scode="},  // a later run appends nothing
        {"https://info.example/fin?code=", "https://info.example/fin?code="},    // a link with its own query
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompletedInfoLink(c.link), c.completed) << c.link;
        EXPECT_EQ(CompletedInfoLink(CompletedInfoLink(c.link)), c.completed) << c.link;
    }
}

TEST(CompanyPages, AddressesOfTheThreePages) {
    struct Case {
        const char* note;
        const char* link1;
        const char* link0;
        const char* quoteSite;
        const char* market;
        std::array<const char*, 3> pages;
    };
    const Case cases[] = {
        {"plain market", "https://r.example/a?scode=", "https://i.example/b?scode=",
         "https://q.example/quote/7203.t", ".t",
         {"https://r.example/a?scode=1301", "https://i.example/b?scode=1301", "https://q.example/quote/1301.t"}},
        {".o adds its suffix to the indicator page only", "https://r.example/a?scode=", "https://i.example/b?scode=",
         "https://q.example/quote/", ".o",
         {"https://r.example/a?scode=1301", "https://i.example/b?scode=1301&ba=2", "https://q.example/quote/1301.o"}},
        {"the quote page is cut after the first quote/", "", "", "https://q.example/quote/x/quote/y", ".n",
         {"", "", "https://q.example/quote/1301.n"}},
        {"no quote/: no quote page", "https://r.example/a?scode=", "", "https://q.example/stocks/", ".t",
         {"https://r.example/a?scode=1301", "", ""}},
        {"nothing in the URL list", "", "", "", ".t", {"", "", ""}},
    };
    for (const Case& c : cases) {
        const auto pages = CompanyPageAddresses(c.link1, c.link0, c.quoteSite, "1301", c.market);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(pages[i], c.pages[i]) << c.note << ", page " << i + 1;
    }
}

}  // namespace
}  // namespace ranvik
