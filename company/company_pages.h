#pragma once
// The company results window's three pages: their addresses and the page
// request through which they are fetched.
//
// The request stands for the window's page transfer: it fetches one address
// synchronously, reports the transfer's states while it runs (8 response
// received and 10 disconnected are success, any other last state a failure)
// and returns the page text.  `failed` is a failure of the request itself
// (a time-out, an address the transfer refuses); the window then shows its
// time-out message.  Tests install their own request; the program installs
// the one of its page transfer at start.
#include <array>
#include <functional>
#include <string>

namespace ranvik {

// "?scode=" once: a link that already holds a "?" keeps its own query and an
// empty link stays empty.
std::string CompletedInfoLink(const std::string& link);

// "&ba=2" for the market ".o", nothing for the others.
std::string MarketSuffix(const std::string& market);

// Page 1 (results), 2 (indicators) and 3 (quote) for the stock, from the
// completed links and the quote site's address; a page that cannot be built
// (empty link, a quote-site address without "quote/") has an empty address.
std::array<std::string, 3> CompanyPageAddresses(const std::string& infoLink1, const std::string& infoLink0,
                                                const std::string& quoteSiteUrl, const std::string& code,
                                                const std::string& market);

struct PageReply {
    bool failed = false;
    std::string text;  // the page as the transfer returned it (UTF-8 pages pass unchanged)
    // The program is closing and ended the request: the download stops
    // without a message.
    bool cancelled = false;
};

using PageStateHandler = std::function<void(int state)>;
using CompanyPageRequest =
    std::function<PageReply(const std::string& address, const PageStateHandler& stateChanged)>;

// Replaces the request and returns the one in force before; an empty
// function puts the stand-in back.
CompanyPageRequest InstallCompanyPageRequest(CompanyPageRequest request);
PageReply RequestCompanyPage(const std::string& address, const PageStateHandler& stateChanged);

// The stand-in while no page transfer is installed: every request fails
// as a transfer that cannot start would.
PageReply NoPageTransfer(const std::string& address, const PageStateHandler& stateChanged);

}  // namespace ranvik
