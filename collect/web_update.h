#pragma once
// The chart window's web update: a stock picked in the main window's list
// grid has no data file of its own, so its quote pages are fetched into a
// temporary data file of the window ("Temp" & window number & "d" or "w" &
// ".KDT" in AppDir) and that file is drawn.
//
// The chart window calls UpdateFromWeb for LoadRequest "5" in mode "d", and
// for its display items 1 and 2 while a list stock is not yet fetched
// (WebDataFetched 0).  It hands over the fields the update reads and writes
// as references, and what only it can do as callbacks:
//
//     WebUpdateWindow w{.WindowNo = WindowNo, .StockCode = StockCode, ...,
//                       .ShowPartialView = [this] { ShowPartialView(); }};
//     UpdateFromWeb(w);
//
// The update runs to its end inside the call.  While it runs WebUpdateBusy
// is -1 and a second update (of any window) returns at once; it is 0 again
// on every way out.  Messages: 311 (the address bar holds no address),
// 307 (a code below 100 without its parameter line in the URL list),
// 312 (the pages held no row).
#include <cstdint>
#include <functional>
#include <string>

namespace ranvik {

class PageDownloadWindow;

struct WebUpdateWindow {
    std::int16_t WindowNo = 0;
    // The selected stock (the window's copies of CurrentCode).  StockCode is
    // the code put into page addresses: for codes below 100 the update
    // replaces it by the URL list's parameter (empty after message 307).
    std::string& StockCode;
    std::string& StockCode4;
    std::string& ShownCode;     // takes StockCode when a download starts
    std::string& QuoteAddress;  // the address bar's address as requested
    double& ChartShown;         // 0 from the start of a download
    // DataFileName is AppDir & WebTempFileName after a successful update;
    // it and ShownFileName are empty after a failed or empty one.
    std::string& DataFileName;
    std::string& ShownFileName;
    std::string& WebTempFileName;
    // The monthly file of the previous chart is deleted and both names
    // emptied: they belonged to the file shown before.
    std::string& MonthlyFileName;
    std::string& CorrectedSourceName;
    // Current price and the text beside it, as the pages gave them.
    std::string& WebPriceText;
    std::string& WebPriceNote;

    // Draws DataFileName as a partial view; called once rows were stored.
    std::function<void()> ShowPartialView;
    // Optional.  After the download: the window stops its title blink and,
    // with the candlestick chart on, clears its panes.
    std::function<void()> DownloadEnded = {};
    // Optional.  The pages held no row: the window shows its title and,
    // when WebPriceText is set, its price label; message 312 follows.
    std::function<void()> ShowNoData = {};
    // Optional.  The window's market, which some site kinds rewrite.
    std::string* StockMarket = nullptr;
    // Optional.  Today as "mm/dd/yy", the end date of the history requests.
    std::string* TodayDate = nullptr;
    // Optional.  The address bar holds no address: the window shows the bar
    // (its own tools item).  Without it the main window's item is used.
    std::function<void()> ShowAddressBar = {};
    // Optional.  The window the pages are fetched in: its own transfer
    // control, progress bar and title.  Without it a transfer of the update's
    // own is used and nothing shows the progress.
    PageDownloadWindow* Downloader = nullptr;
};

void UpdateFromWeb(WebUpdateWindow& window);

// What a page fetch is asked for.
struct QuoteFetch {
    std::string address;     // the quote address without its scheme
    std::string stockCode;   // the code put into page addresses
    std::string stockCode4;  // the four-character stock code
    std::string dataFile;    // the temporary data file, holding a fresh header
    bool daily = false;      // the main window's 日 option
    std::string scheme = "http";  // the scheme the address bar's address named
    // The window's market, rewritten by some site kinds; may be null.
    std::string* stockMarket = nullptr;
    std::string todayDate;  // "mm/dd/yy"
    // The window the pages are fetched in; may be null.
    PageDownloadWindow* window = nullptr;
    // Called once the pages were fetched or refused, before any reader runs:
    // the window stops its title blink and clears its panes.
    std::function<void()> downloaded = {};
};

// Downloads the stock's quote pages and stores their rows in the data file
// (MergeQuoteRecord).  It leaves NetFailed 0 when the pages were fetched,
// UpdateLog beginning with "更新" when no row was stored, and the current
// price in PagePriceText and PagePriceNote.
using QuotePageFetcher = std::function<void(const QuoteFetch&)>;

// Replaces the fetch (tests install a fake one) and returns the one in
// force before.  An empty function puts the stand-in back.
QuotePageFetcher InstallQuotePageFetcher(QuotePageFetcher fetcher);

// The stand-in until the downloads exist: fetches nothing and stores
// nothing, so every update ends with message 312.
void FetchNoQuotePages(const QuoteFetch& request);

}  // namespace ranvik
