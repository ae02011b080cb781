#include "collect/quote_page_download.h"

#include <memory>

#include "collect/busy_look.h"
#include "collect/collection_requests.h"
#include "collect/daily_history.h"
#include "collect/price_table.h"
#include "collect/quote_sites.h"
#include "collect/weekly_history.h"
#include "core/main_window.h"
#include "core/page_files.h"
#include "core/program_state.h"
#include "core/stock_selection.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr const char* kTitle = "Ranvikチャート";
constexpr const char* kNothingStored = "更新すべきデータは有りません（更新済み/データ無し)";

void Show(const std::string& text) { ShowMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok); }

std::string* PageFileSlot(int page) {
    DownloadState& d = Program().download;
    std::string* names[] = {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4,
                            &d.PageFile5, &d.PageFile6, &d.PageFile7, &d.PageFile8};
    return names[page - 1];
}

// Nothing is stored: the update takes its no-data path.
void NothingStored() {
    auto& net = Program().collection;
    net.UpdateLog = kNothingStored;
    net.PagePriceText.clear();
    net.PagePriceNote.clear();
}

}  // namespace

PageDownloadResult DownloadPlannedPages(InternetTransfer& transfer, const QuotePagePlan& plan,
                                        const std::function<void(int page)>& beforePage) {
    for (std::size_t k = 0; k < plan.pageFiles.size() && k < 8; ++k) *PageFileSlot(static_cast<int>(k) + 1) = plan.pageFiles[k];
    transfer.SetDefaultScheme(plan.scheme);
    for (std::size_t k = 0; k < plan.requests.size(); ++k) {
        if (k > 0 && beforePage) beforePage(static_cast<int>(k) + 1);
        Program().download.CurrentPageFile = plan.pageFiles[k];
        // Each request is judged by its own outcome, never by a state an
        // earlier request of any transfer left behind.
        const std::string page = transfer.OpenURL(plan.requests[k]);
        const TransferOutcome& outcome = transfer.LastOutcome();
        if (outcome.result == TransferResult::Cancelled) return PageDownloadResult::Cancelled;
        if (outcome.result == TransferResult::TransportError) return PageDownloadResult::TransportError;
        if (!outcome.Succeeded()) return PageDownloadResult::FailingState;
        if (!WritePageFile(plan.pageFiles[k], page)) return PageDownloadResult::TransportError;
    }
    return PageDownloadResult::Fetched;
}

void NetReadPage(InternetTransfer& transfer, const std::string& nAddr, const std::string& sArea) {
    auto& net = Program().collection;
    net.NetFailed = 1;
    BusyLook look;
    // The request is judged by its own outcome: a request whose transfer
    // reported nothing has not brought a page.
    const std::string page = transfer.OpenURL(nAddr);
    const TransferOutcome& outcome = transfer.LastOutcome();
    if (outcome.result == TransferResult::Cancelled) return;
    if (outcome.result == TransferResult::TransportError || !WritePageFile(sArea, page)) {
        look.End();
        Show("701, インターネット異常(タイムアウト)。再試行して下さい");
        return;
    }
    if (!outcome.Succeeded()) {
        Show("700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい");
        return;
    }
    net.NetFailed = 0;
}

namespace {

// The requests of the site kind into the page files: NetFailed 0 once every
// page came (at once in debug mode, where the saved pages are read).
void DownloadQuotePages(const QuoteFetch& request, int kind) {
    auto& net = Program().collection;
    const auto& app = Program().app;
    const auto& selection = Program().selection;
    PageDownloadWindow* window = request.window;
    const bool debug = app.DebugPages != kFalse;

    net.NetFailed = 1;
    if (window != nullptr) window->DownloadStarting();
    BusyLook look;
    if (window != nullptr) window->ShowProgressBar();

    QuotePageInput in;
    in.kind = kind;
    in.quoteAddress = request.scheme + "://" + request.address;
    in.stockCode = request.stockCode;
    in.stockCode4 = request.stockCode4;
    in.stockMarket = request.stockMarket != nullptr ? *request.stockMarket : selection.CurrentMarket;
    in.currentMarket = selection.CurrentMarket;
    in.currentSection = selection.CurrentSection;
    in.todayDate = request.todayDate.empty() ? FormatMmDdYy(Now().date) : request.todayDate;
    in.todayYear = std::to_string(Now().date.year);
    in.daily = request.daily;
    in.debug = debug;
    in.appDir = app.AppDir;
    in.savedPageDir = app.SavedPageDir;
    const QuotePagePlan plan = PlanQuotePageRequests(in);
    // An address without its kind's marker has nothing to request: a failed
    // download without a message.
    if (plan.refused != QuotePageRefusal::None) return;
    if (request.stockMarket != nullptr) *request.stockMarket = plan.stockMarket;
    if (window != nullptr) {
        window->SetProgressEnd(plan.progressEnd);
        window->StartDownloadBlink();
    }

    for (std::size_t k = 0; k < plan.pageFiles.size() && k < 8; ++k) *PageFileSlot(static_cast<int>(k) + 1) = plan.pageFiles[k];
    Program().download.CurrentPageFile = Program().download.PageFile1;
    // An administrator sees the first request, classified like a typed address.
    if (app.AdminMode == kTrue) {
        if (MDIForm1* main = Program().windows.MainForm) main->ShowInAddressBar("https://" + plan.requests.front());
    }
    if (debug) {
        net.NetFailed = 0;
        return;
    }

    // Each page's mark is longer than the last: a quarter of the bar per
    // page, on a cleared bar again from page 5 on.
    auto beforePage = [window](int page) {
        if (window == nullptr) return;
        const double w = kProgressBarWidth;
        if (page == 5) window->ClearProgressBar();
        const double ends[] = {0, 0, w / 2, w * 3 / 4, w, w / 4, w / 2, w * 3 / 4, w};
        window->SetProgressEnd(ends[page]);
    };
    std::unique_ptr<InternetTransfer> own;
    if (window == nullptr) own = std::make_unique<InternetTransfer>();
    InternetTransfer& transfer = window != nullptr ? window->PageTransfer() : *own;
    switch (DownloadPlannedPages(transfer, plan, beforePage)) {
    case PageDownloadResult::Fetched: net.NetFailed = 0; break;
    case PageDownloadResult::Cancelled: break;
    case PageDownloadResult::FailingState:
        Show("308, インターネットのアクセスに失敗しました\r\n"
             "ホームページアドレス(URL)又はモデムの電源などを確認して下さい");
        if (window != nullptr) window->PagesFailed();
        break;
    case PageDownloadResult::TransportError:
        look.End();
        Show("309, インターネット異常。再試行して下さい");
        break;
    }
}

}  // namespace

void FetchQuotePages(const QuoteFetch& request) {
    auto& net = Program().collection;
    net.NetFailed = 1;
    const int kind = CurrentQuoteSiteKind();
    // The third kind, or an address of no known site: nothing to download,
    // no message.
    if (kind == 1 || kind == 2 || kind == 4 || kind == 5) DownloadQuotePages(request, kind);
    if (request.downloaded) request.downloaded();
    // The fifth kind's page has no reader: the update ends as a failed
    // download, quietly.
    if (kind == 5) net.NetFailed = 1;
    if (net.NetFailed != 0) return;

    // The readers; a kind without one stores nothing.
    std::string when = DateTimeText(Now());
    if (kind == 1) {
        if (request.daily) {
            ImportDailyHistory(request.dataFile, request.stockCode4, when, 4);
        } else {
            ImportWeeklyHistory(request.dataFile, request.stockCode4, when, 4);
        }
    } else if (kind == 2) {
        ImportPriceTable(request.dataFile, request.stockCode, request.daily ? kTrue : kFalse, 4);
    } else {
        NothingStored();
    }
    net.NetFailed = 0;
}

}  // namespace ranvik
