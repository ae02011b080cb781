#include "collect/web_update.h"

#include "collect/collection_requests.h"
#include "collect/page_head_price.h"
#include "collect/quote_page_download.h"
#include "collect/quote_sites.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "core/data_store.h"
#include "core/main_window.h"
#include "core/page_files.h"
#include "core/program_state.h"
#include "core/stock_selection.h"
#include "core/url_list.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

namespace {

constexpr const char* kTitle = "Ranvikチャート";
constexpr const char* kNothingStored = "更新すべきデータは有りません（更新済み/データ無し)";

QuotePageFetcher& Fetcher() {
    static QuotePageFetcher fetcher = FetchNoQuotePages;
    return fetcher;
}

void Show(const std::string& text) { ShowMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok); }

// However the update ends once it has begun to download, no other download
// may stay locked out and the main window must take input again.
class BusyGuard {
public:
    explicit BusyGuard(MDIForm1& main) : main_(main) { Program().collection.WebUpdateBusy = kTrue; }
    ~BusyGuard() {
        Program().collection.WebUpdateBusy = kFalse;
        main_.setEnabled(true);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    MDIForm1& main_;
};

// The window's temporary file: "Temp1d.KDT" for window 1 and daily data; a
// name already taken in the folder gets the window number twice.
std::string TempFileName(int windowNo, bool daily, const std::string& folder) {
    const std::string no = std::to_string(windowNo);
    const std::string letter = daily ? "d" : "w";
    const std::string name = "Temp" + no + letter + ".KDT";
    if (FileExistsIn(name, folder) == 0) return name;
    return "Temp" + no + no + letter + ".KDT";
}

void NoAddress(MDIForm1& main, const std::function<void()>& showAddressBar) {
    Show("311, データを取り出すネットアドレス (https://....) を指定して下さい。   ");
    if (showAddressBar) {
        showAddressBar();
    } else if (!main.Item("mnuFileItem", 3).Checked()) {
        main.mnuFileItem_Click(3);
    }
    main.Combo2->setFocus();
    if (QLineEdit* edit = main.Combo2->lineEdit()) edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

// The current price from the quote page of the series (a saved page in
// debug mode); a page that did not come leaves it empty.
void ReadPageHead(WebUpdateWindow& w) {
    auto& net = Program().collection;
    const auto& app = Program().app;
    auto& download = Program().download;
    const std::string& site = download.QuoteSiteUrl;
    const std::size_t quote = site.find("quote/");
    const std::string head = quote == std::string::npos ? std::string() : site.substr(0, quote + 6) + w.StockCode;
    if (app.DebugPages != kFalse) {
        download.PageHeadFile = app.SavedPageDir + PageFileName(1);
        net.NetFailed = 0;
    } else {
        download.PageHeadFile = app.AppDir + std::string(kPageHeadFileName);
        if (w.Downloader != nullptr) {
            NetReadPage(w.Downloader->PageTransfer(), head, download.PageHeadFile);
        } else {
            InternetTransfer transfer;
            NetReadPage(transfer, head, download.PageHeadFile);
        }
    }
    net.PagePriceText.clear();
    net.PagePriceNote.clear();
    if (net.NetFailed == 0) net.PagePriceText = PageHeadPriceOf(download.PageHeadFile);
}

}  // namespace

QuotePageFetcher InstallQuotePageFetcher(QuotePageFetcher fetcher) {
    QuotePageFetcher previous = std::move(Fetcher());
    Fetcher() = fetcher ? std::move(fetcher) : QuotePageFetcher(FetchNoQuotePages);
    return previous;
}

void FetchNoQuotePages(const QuoteFetch&) {
    auto& net = Program().collection;
    net.NetFailed = 0;
    net.UpdateLog = kNothingStored;
    net.PagePriceText.clear();
    net.PagePriceNote.clear();
}

void UpdateFromWeb(WebUpdateWindow& w) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    const std::string& folder = Program().app.AppDir;
    auto& net = Program().collection;

    // 1. A row without a stock, or another download under way.
    const FlexGrid& list = *main->MSF全Grid2;
    if (list.TextMatrix(list.Row(), 0).empty() || net.WebUpdateBusy == kTrue) return;

    // 2.
    w.WebPriceText.clear();
    w.WebPriceNote.clear();
    if (!w.MonthlyFileName.empty()) {
        DeleteFile(JoinPath(folder, w.MonthlyFileName));
        w.MonthlyFileName.clear();
    }
    w.CorrectedSourceName.clear();

    // 3. The name stays while the period stays; every update starts the
    // file afresh, so no bar of the stock before survives into this one.
    const bool daily = main->Option1->isChecked();
    if (w.WebTempFileName.empty() || w.WebTempFileName.find(daily ? 'd' : 'w') == std::string::npos) {
        if (!w.WebTempFileName.empty()) DeleteFile(JoinPath(folder, w.WebTempFileName));
        w.WebTempFileName = TempFileName(w.WindowNo, daily, folder);
    }
    w.DataFileName = folder + w.WebTempFileName;
    try {
        CreateDataFile(w.DataFileName);
    } catch (const FileError&) {
        Show("<" + w.WebTempFileName + "> --- 一時ファイルに書き込めません");
        w.DataFileName.clear();
        w.ShownFileName.clear();
        return;
    }

    // 4. The history site's margin page stands for its history pages.
    const int kind = CurrentQuoteSiteKind();
    std::string address = CutAtRemark(main->Combo2->currentText().toStdString());
    if (kind == 1) {
        if (const auto margin = address.find("margin"); margin != std::string::npos) {
            address = address.substr(0, margin) + "history?";
            net.AddressBarGuard = kTrue;
            if (Program().app.AdminMode == kTrue) main->ShowInAddressBar(address);
            net.AddressBarGuard = kFalse;
        }
    }
    std::string scheme = "http";
    if (const auto mark = address.find("://"); mark != std::string::npos) {
        scheme = address.substr(0, mark);
        address.erase(0, mark + 3);
    }
    w.QuoteAddress = address;

    // 5.
    if (address.empty()) {
        NoAddress(*main, w.ShowAddressBar);
        return;
    }

    // 6, 7. Series below 100 (indices and the like) go by the URL list's
    // parameter for the address.
    w.ChartShown = 0;
    w.ShownCode = w.StockCode;
    const double codeNo = IsNumeric(w.StockCode4) ? Fix(Val(w.StockCode4)) : 0;
    if (codeNo < 100) {
        const std::string barText = main->Combo2->currentText().toStdString();
        const std::size_t query = FindChars(barText, "?", 8);
        const std::string site = query > 0 ? LeftChars(barText, query - 1) : barText;
        w.StockCode = GetUrlParameter(folder, site, w.StockCode4);
        if (w.StockCode.empty()) {
            Show("307, 銘柄コードの定義がありません");
            return;
        }
    }

    // 8, 9. The history pages of a series carry no current price: the
    // site's quote page of the series gives it.
    if (kind == 1 && codeNo >= 10 && codeNo <= 99) ReadPageHead(w);

    // 10, 11. The table dialect's price page, whatever page the bar named.
    BusyGuard busy(*main);
    if (kind == 2) {
        if (auto priced = GridPriceAddress(address)) address = *priced;
        w.QuoteAddress = address;
    }

    // 12.
    const std::string today = FormatMmDdYy(Now().date);
    if (w.TodayDate != nullptr) *w.TodayDate = today;

    // 13 to 16.  The window stops its blink once the pages are in, before
    // any reader runs.
    bool ended = false;
    auto downloadEnded = [&w, &ended] {
        if (ended) return;
        ended = true;
        if (w.DownloadEnded) w.DownloadEnded();
    };
    net.NetFailed = 1;
    try {
        Fetcher()({address, w.StockCode, w.StockCode4, w.DataFileName, daily, scheme, w.StockMarket, today,
                   w.Downloader, downloadEnded});
    } catch (const FileError&) {
        downloadEnded();
        Show("<" + w.WebTempFileName + "> --- 一時ファイルに書き込めません");
        net.NetFailed = 1;
    } catch (const std::exception&) {
        downloadEnded();
        Show("株価データを取り込めませんでした。");
        net.NetFailed = 1;
    }
    downloadEnded();
    if (net.NetFailed != 0) {
        w.DataFileName.clear();
        w.ShownFileName.clear();
        return;
    }
    w.WebPriceText = net.PagePriceText;
    w.WebPriceNote = net.PagePriceNote;

    // 17. Pages without a row to store.
    if (net.UpdateLog.rfind("更新", 0) == 0) {
        if (!w.WebPriceText.empty() && !w.WebPriceNote.empty() && w.WebPriceNote.front() != '(') {
            w.WebPriceNote = "(" + w.WebPriceNote + ")";
        }
        if (w.ShowNoData) w.ShowNoData();
        net.WebUpdateBusy = kFalse;
        Show("312, データ無し。   ");
        w.DataFileName.clear();
        w.ShownFileName.clear();
        return;
    }

    // 18.
    net.WebDataFetched = 1;
    if (w.ShowPartialView) w.ShowPartialView();
}

}  // namespace ranvik
