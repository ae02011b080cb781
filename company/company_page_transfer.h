#pragma once
// The company results window's page request over the program's Internet
// transfer, installed by the program at start and by tests that fetch from
// a local server.
#include "company/company_pages.h"

namespace ranvik {

// Fetches one page with a transfer of its own, hands every state to
// `stateChanged` while the request runs, and returns the page's bytes.
// A page that does not come (an error status, a refused connection, a page
// cut short) ends in state 11 and is judged by the window as not fetched;
// only a time-out or an address that cannot be requested is `failed`.
PageReply FetchCompanyPage(const std::string& address, const PageStateHandler& stateChanged);

// Puts FetchCompanyPage in place of the window's page request.
void InstallCompanyPageTransfer();

}  // namespace ranvik
