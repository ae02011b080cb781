// Form7's page download: the three company pages into their page files, and the progress text of the transfer.
#include <QLabel>

#include "collect/busy_look.h"
#include "company/company_pages.h"
#include "company/form7.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/text_file.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

constexpr const char* kTitle = "業績情報";

void Show(const std::string& text) { ShowMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok); }

}  // namespace

void Form7::DownloadCompanyPages() {
    auto& f = fields_;
    auto& download = Program().download;
    auto& collection = Program().collection;
    // 1.
    f.ProgressColor = 7;
    Label18->show();
    // 2. The activation has pointed the page files at the saved pages.
    if (Program().app.DebugPages == kTrue) {
        collection.NetFailed = 0;
        return;
    }
    // 3.
    collection.NetFailed = 1;
    // 4. to 6. The links keep their query part for the rest of the run.
    download.InfoLink1 = CompletedInfoLink(download.InfoLink1);
    download.InfoLink0 = CompletedInfoLink(download.InfoLink0);
    const std::array<std::string, 3> addresses = CompanyPageAddresses(
        download.InfoLink1, download.InfoLink0, download.QuoteSiteUrl, f.RequestCode, Program().selection.CurrentMarket);
    // 7.
    BusyLook busy;
    // The progress text is drawn on the window while the pages come and is
    // gone with the download, as drawing on a window that keeps no picture
    // is; it would otherwise stay behind the title.
    struct ProgressText {
        ScreenSurface* surface;
        ~ProgressText() {
            surface->Cls();
            surface->Refresh();
        }
    } progress{Surface};
    // 8.
    const std::array<std::string*, 3> files = {&download.PageFile1, &download.PageFile2, &download.PageFile3};
    for (std::size_t page = 0; page < 3; ++page) {
        const std::string& file = *files[page];
        download.CurrentPageFile = file;
        if (addresses[page].empty()) {
            // Its reader would otherwise read the page of the stock loaded
            // before; without the file it shows its placeholders.
            DeleteFile(file);
            continue;
        }
        // Judged by what this request reports: a page that reports no
        // state at all has not been received.
        pageState_ = 0;
        const PageReply reply =
            RequestCompanyPage(addresses[page], [this](int state) { Inet1_StateChanged(state); });
        if (reply.cancelled) return;
        std::string bytes = reply.failed ? std::string() : reply.text + "\r\n";
        if (!ReplaceFileBytes(file, bytes) || reply.failed) {
            busy.End();
            Show("701, インターネット異常(タイムアウト)。再試行して下さい");
            return;
        }
        if (pageState_ != 8 && pageState_ != 10) {
            Show("700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい");
            Label17->adjustSize();
            SetLeft(Label18, LeftOf(Label17) + WidthOf(Label17) + 100);
            Label18->setText("データ収集失敗．．．");
            Label18->adjustSize();
            return;
        }
    }
    collection.NetFailed = 0;
}

void Form7::Inet1_StateChanged(int state) {
    auto& f = fields_;
    Program().collection.InetState = static_cast<std::int16_t>(state);
    pageState_ = state;
    f.ProgressColor = f.ProgressColor % 15 + 1;
    Surface->SetForeColor(QBColor(f.ProgressColor));
    Surface->SetCurrentX(Surface->ScaleLeft() + 120);
    Surface->SetCurrentY(Surface->ScaleTop() + 300);
    Surface->Print("データ収集中．．．");
    Surface->Refresh();
}

}  // namespace ranvik
