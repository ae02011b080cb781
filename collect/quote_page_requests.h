#pragma once
// The chart window's quote page requests: the addresses of the selected
// stock's pages for the quote site's kind and the period, and the page
// files they are written to, as a plain function of its inputs.
//
// Requests carry no scheme; the transfer completes them with the scheme the
// address bar's address had (http when it named none).
#include <string>
#include <vector>

namespace ranvik {

struct QuotePageInput {
    int kind = 0;               // site kind of the address bar, 0 none
    std::string quoteAddress;   // the address bar's address, scheme and all
    std::string stockCode;      // code put into addresses (the URL list's for codes below 100)
    std::string stockCode4;     // the four-character stock code
    std::string stockMarket;    // the window's "." and market letter
    std::string currentMarket;  // the main window's selection (second kind's exchange)
    std::string currentSection;
    std::string todayDate;  // "mm/dd/yy"
    std::string todayYear;  // four digits of the system's date
    bool daily = false;
    bool debug = false;  // saved pages are read instead, nothing requested
    std::string appDir, savedPageDir;
};

enum class QuotePageRefusal {
    None,
    UnsupportedKind,  // kind 3 or none: the window has no pages for it
    MissingMarker,    // the address lacks the part its kind's requests are built on
};

struct QuotePagePlan {
    QuotePageRefusal refused = QuotePageRefusal::None;
    std::vector<std::string> requests;   // without scheme
    std::vector<std::string> pageFiles;  // PageFile1 on, one per request
    std::string scheme = "http";         // the scheme the address named
    std::string quoteAddress;            // the window's address afterwards
    std::string stockMarket;             // the window's market afterwards
    double progressEnd = 200;            // the first page's mark
};

QuotePagePlan PlanQuotePageRequests(const QuotePageInput& in);

}  // namespace ranvik
