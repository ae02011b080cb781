#pragma once
// The chart window's page download: the planned requests one after another
// into their page files, each request judged by its own outcome, and the
// update's page fetch built on it (requests, readers, messages 308 and 309).
#include <functional>
#include <string>

#include "collect/quote_page_requests.h"
#include "collect/web_update.h"

namespace ranvik {

class InternetTransfer;

// The window a page download runs in.  Its transfer control reports the
// states of the requests to the window, which shows them in its title and
// draws the progress mark up to the progress end while its blink runs.
// The progress bar's scale is 200 wide.
class PageDownloadWindow {
public:
    virtual ~PageDownloadWindow() = default;
    virtual InternetTransfer& PageTransfer() = 0;
    // A download starts: the title's status colour begins again.
    virtual void DownloadStarting() = 0;
    // The bar cleared, scaled, framed and shown, the progress end at 200.
    virtual void ShowProgressBar() = 0;
    virtual void SetProgressEnd(double end) = 0;
    // The bar cleared, frame and marks alike.
    virtual void ClearProgressBar() = 0;
    // The title blinks while the requests run.
    virtual void StartDownloadBlink() = 0;
    // A page did not come: the title turns red.
    virtual void PagesFailed() = 0;
};

inline constexpr double kProgressBarWidth = 200;

enum class PageDownloadResult {
    Fetched,         // every planned page written
    FailingState,    // a request ended without its page (message 308)
    TransportError,  // no answer, or a page file that cannot be written (message 309)
    Cancelled,       // the program is closing: no message
};

// Requests plan.requests in order with the plan's scheme and writes each
// page into its page file (PageFile1 on and CurrentPageFile follow the plan).
// After a failing page the later ones are not requested.  `beforePage`, when
// given, is called with the 1-based number of each page from the second on,
// for the progress mark.
PageDownloadResult DownloadPlannedPages(InternetTransfer& transfer, const QuotePagePlan& plan,
                                        const std::function<void(int page)>& beforePage = {});

// One page into the file `sArea`, its contents replaced, through the
// transfer: NetFailed 0 once the page came.  A page that did not come shows
// 700, no answer or a file that cannot be written 701; either leaves
// NetFailed 1.  The main window takes no input meanwhile.
void NetReadPage(InternetTransfer& transfer, const std::string& nAddr, const std::string& sArea);

// The update's page fetch: plans the requests for the address bar's site
// kind, downloads them (nothing in debug mode), and runs the kind's reader
// into the temporary data file.  Kinds without a reader, and kinds 3 and 5,
// store nothing; a request failure shows 308 or 309 and leaves NetFailed 1.
void FetchQuotePages(const QuoteFetch& request);

}  // namespace ranvik
