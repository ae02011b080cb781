#include "collect/quote_page_requests.h"

#include "collect/collection_requests.h"
#include "collect/exchange_calendar.h"
#include "core/page_files.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

void PlanKind2(const QuotePageInput& in, std::string url, QuotePagePlan& plan) {
    const std::size_t ory = FindChars(url, "ory/");
    if (ory == 0 || CharCount(url) < ory + 4) {
        plan.refused = QuotePageRefusal::MissingMarker;
        return;
    }
    // The page letter: "d" daily, "y" weekly.
    url = LeftChars(url, ory + 3) + (in.daily ? "d" : "y") + MidChars(url, ory + 5);
    std::string base;
    if (const std::size_t code = FindChars(url, "code=")) {
        base = LeftChars(url, code + 4);
    } else {
        base = url + "?" + "s" + "code=";
    }
    plan.quoteAddress = url;
    const int exchange = ExchangeNumber(in.currentMarket, in.currentSection);
    plan.requests.push_back(base + in.stockCode + "&ba=" + std::to_string(exchange));
    plan.pageFiles.push_back((in.debug ? in.savedPageDir : in.appDir) + PageFileName(1));
}

void PlanKind4(const QuotePageInput& in, const std::string& url, QuotePagePlan& plan) {
    const std::size_t p = FindChars(url, "ote/");
    if (p == 0 || CharCount(url) < p + 4) {
        plan.refused = QuotePageRefusal::MissingMarker;
        return;
    }
    std::string base = LeftChars(url, p + 4) + "?";
    base += in.daily ? std::string("h=3m&") + "c=" : std::string("r=3m&") + "h=1y&" + "c=";
    plan.quoteAddress = base;
    plan.stockMarket.clear();
    plan.requests.push_back(base + in.stockCode);
    plan.pageFiles.push_back(in.appDir + PageFileName(1));
}

void PlanKind5(const QuotePageInput& in, const std::string& url, QuotePagePlan& plan) {
    const std::size_t p = FindChars(url, "bol=");
    if (p == 0) {
        plan.refused = QuotePageRefusal::MissingMarker;
        return;
    }
    const std::string base = LeftChars(url, p + 3);
    plan.quoteAddress = base;
    plan.stockMarket = in.stockMarket == ".f" ? ".FU" : in.stockMarket == ".s" ? ".SP" : ".T";
    plan.requests.push_back(base + in.stockCode + plan.stockMarket);
    plan.pageFiles.push_back(in.appDir + PageFileName(1));
}

void PlanKind1(const QuotePageInput& in, const std::string& url, QuotePagePlan& plan) {
    std::string s = Contains(url, "?") ? LeftChars(url, FindChars(url, "?")) : url + "?";
    const double codeNo = IsNumeric(in.stockCode4) ? Fix(Val(in.stockCode4)) : 0;
    if (codeNo >= 10 && codeNo < 100) plan.stockMarket.clear();
    const std::size_t q = FindChars(s, "quote/");
    const std::size_t r = q == 0 ? 0 : FindChars(s, "/", q + 6);
    if (q == 0 || r <= q + 6) {
        plan.refused = QuotePageRefusal::MissingMarker;
        return;
    }
    s = LeftChars(s, q + 5) + in.stockCode + plan.stockMarket + MidChars(s, r);
    DateMinusDays(in.daily ? 300 : 1400, in.todayDate);
    const auto& c = Program().collection;
    if (c.DateYearPart.empty() || CharCount(in.todayDate) < 5) {
        // No date to count back from: a request for it would ask for nothing.
        plan.refused = QuotePageRefusal::MissingMarker;
        return;
    }
    plan.quoteAddress = url;
    plan.progressEnd = 50;
    const std::string period = in.daily ? "d" : "w";
    const std::string base = s + "styl=stock&" + "from=" + c.DateYearPart + c.DateMonthPart + c.DateDayPart + "&" +
                             "to=" + LeftChars(in.todayYear, 4) + MidChars(in.todayDate, 1, 2) +
                             MidChars(in.todayDate, 4, 2) + "&" + "timeFrame=" + period + "&" + "page=";
    const std::string& folder = in.debug ? in.savedPageDir : in.appDir;
    for (int k = 1; k <= 8; ++k) {
        plan.requests.push_back(base + std::to_string(k));
        plan.pageFiles.push_back(folder + PageFileName(k));
    }
}

}  // namespace

QuotePagePlan PlanQuotePageRequests(const QuotePageInput& in) {
    QuotePagePlan plan;
    plan.quoteAddress = in.quoteAddress;
    plan.stockMarket = in.stockMarket;
    std::string url = in.quoteAddress;
    if (const auto mark = url.find("://"); mark != std::string::npos) {
        plan.scheme = url.substr(0, mark);
        url.erase(0, mark + 3);
    }
    plan.quoteAddress = url;
    switch (in.kind) {
    case 1: PlanKind1(in, url, plan); break;
    case 2: PlanKind2(in, url, plan); break;
    case 4: PlanKind4(in, url, plan); break;
    case 5: PlanKind5(in, url, plan); break;
    default: plan.refused = QuotePageRefusal::UnsupportedKind; break;
    }
    if (plan.refused != QuotePageRefusal::None) {
        plan.requests.clear();
        plan.pageFiles.clear();
        plan.quoteAddress = url;
        plan.stockMarket = in.stockMarket;
    }
    return plan;
}

}  // namespace ranvik
