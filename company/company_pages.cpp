#include "company/company_pages.h"

namespace ranvik {

namespace {

CompanyPageRequest& Request() {
    static CompanyPageRequest request = NoPageTransfer;
    return request;
}

}  // namespace

std::string CompletedInfoLink(const std::string& link) {
    if (link.empty() || link.find('?') != std::string::npos) return link;
    std::string completed = link;
    completed.append("?scode=");
    return completed;
}

std::string MarketSuffix(const std::string& market) { return market == ".o" ? "&ba=2" : ""; }

std::array<std::string, 3> CompanyPageAddresses(const std::string& infoLink1, const std::string& infoLink0,
                                                const std::string& quoteSiteUrl, const std::string& code,
                                                const std::string& market) {
    std::array<std::string, 3> pages;
    if (!infoLink1.empty()) {
        pages[0] = infoLink1;
        pages[0].append(code);
    }
    if (!infoLink0.empty()) {
        pages[1] = infoLink0;
        pages[1].append(code);
        pages[1].append(MarketSuffix(market));
    }
    if (const std::size_t quote = quoteSiteUrl.find("quote/"); quote != std::string::npos) {
        pages[2] = quoteSiteUrl.substr(0, quote + 6);
        pages[2].append(code);
        pages[2].append(market);
    }
    return pages;
}

CompanyPageRequest InstallCompanyPageRequest(CompanyPageRequest request) {
    CompanyPageRequest before = Request();
    Request() = request ? std::move(request) : CompanyPageRequest(NoPageTransfer);
    return before;
}

PageReply RequestCompanyPage(const std::string& address, const PageStateHandler& stateChanged) {
    return Request()(address, stateChanged);
}

PageReply NoPageTransfer(const std::string&, const PageStateHandler&) { return PageReply{true, {}}; }

}  // namespace ranvik
