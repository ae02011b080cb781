// The collection's page download: request addresses for the site kind, the
// page files, the progress bar and the requests one after another.
#include <QComboBox>
#include <QRadioButton>

#include <algorithm>
#include <vector>
#include <QLineEdit>
#include <QTextEdit>

#include "collect/collection_panel.h"
#include "collect/collection_requests.h"
#include "collect/quote_sites.h"
#include "core/main_window.h"
#include "core/page_files.h"
#include "core/program_state.h"
#include "core/url_list.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/pointers.h"

namespace ranvik {

namespace {

constexpr const char* kPanelTitle = "株価データ収集";

void Show(const std::string& text) { ShowMessage(text, kPanelTitle, MessageIcon::Exclamation, MessageButtons::Ok); }

// The main window takes no input and shows the hourglass while pages are
// requested, and is itself again on every way out.
class WindowBusy {
public:
    explicit WindowBusy(MDIForm1& main) : main_(main) {
        main_.setEnabled(false);
        SetMousePointer(&main_, 11);
    }
    ~WindowBusy() {
        SetMousePointer(&main_, 0);
        main_.setEnabled(true);
    }
    WindowBusy(const WindowBusy&) = delete;
    WindowBusy& operator=(const WindowBusy&) = delete;

private:
    MDIForm1& main_;
};

std::string* PageFileSlot(int page) {
    DownloadState& d = Program().download;
    std::string* names[] = {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4,
                            &d.PageFile5, &d.PageFile6, &d.PageFile7, &d.PageFile8};
    return names[page - 1];
}

}  // namespace

void CollectionPanel::DownloadCollectionPages() {
    MDIForm1& main = *Program().windows.MainForm;
    auto& c = Program().collection;
    auto& selection = Program().selection;
    const auto& app = Program().app;
    const bool debug = app.DebugPages != kFalse;

    // 1. Recolouring repolishes the box: only when it is another colour.
    c.NetFailed = 1;
    if (ForeColorOf(Text9) != QBColor(0)) SetForeColor(Text9, QBColor(0));
    // 2. The names are emptied at once; their files go once this run's plan
    // is known, all but those it writes again, which are written over in
    // place: a page file made afresh costs the file system more than the
    // request.  Only the program's own page files are deleted, never saved
    // pages a name may still point at.
    std::vector<std::string> oldPages;
    if (!debug) {
        for (int page = 2; page <= 8; ++page) {
            std::string& name = *PageFileSlot(page);
            if (name.empty()) continue;
            oldPages.push_back(name);
            name.clear();
        }
    }
    // On every way out, the plan refused or not.
    struct OldPages {
        std::vector<std::string> names;
        void DropAllBut(const std::vector<std::string>& kept) {
            for (const std::string& name : names)
                if (std::find(kept.begin(), kept.end(), name) == kept.end()) DeleteOwnPageFile(name);
            names.clear();
        }
        ~OldPages() { DropAllBut({}); }
    } old{std::move(oldPages)};
    // 3.
    Picture12->Cls();
    Picture12->Scale(0, 10, 200, 0);
    Picture12->Line(0, Picture12->ScaleTop(), Picture12->ScaleWidth() - Picture12->ScaleWidth() / 50, 1, QBColor(0),
                    LineKind::Box);
    // 4. to 13.
    WindowBusy busy(main);

    // 5. Indices and other series go by the URL list's parameter for the
    // address.
    if (Val(selection.CurrentCode) < 100) {
        std::string address = main.Combo2->currentText().toStdString();
        if (const std::size_t query = FindChars(address, "?", 8)) address = LeftChars(address, query - 1);
        main.CollectCode = GetUrlParameter(app.AppDir, address, selection.CurrentCode);
        if (main.CollectCode.empty()) {
            Show("307, 銘柄コードの定義が有りません　");
            DeleteNewFile();
            return;
        }
    }

    // 6. to 9.
    CollectionRequestInput in;
    in.kind = CurrentQuoteSiteKind();
    in.collectUrl = main.CollectUrl;
    in.collectCode = main.CollectCode;
    in.currentCode = selection.CurrentCode;
    in.currentMarket = selection.CurrentMarket;
    in.currentSection = selection.CurrentSection;
    in.daily = main.CollectDaily != kFalse;
    in.newStock = Option4->isChecked();
    in.typedRange = Option3->isChecked() && Option6->isChecked();
    in.fromBox = Text15->text().toStdString();
    in.toBox = Text16->text().toStdString();
    in.pageStart = PageStart;
    in.now = Now();
    in.debug = debug;
    in.appDir = app.AppDir;
    in.savedPageDir = app.SavedPageDir;
    const CollectionRequestPlan plan = PlanCollectionRequests(in);
    if (plan.refused != PlanRefusal::None) {
        Show("102, 指定したアドレスではデータ収集出来ません。");
        DeleteNewFile();
        return;
    }
    old.DropAllBut(plan.pageFiles);
    main.CollectUrl = plan.collectUrl;
    if (plan.clearMarket) selection.CurrentMarket.clear();
    if (plan.collectEndTime) CollectEndTime = *plan.collectEndTime;
    if (in.kind == 1) {
        c.DateYearPart = plan.dateYear;
        c.DateMonthPart = plan.dateMonth;
        c.DateDayPart = plan.dateDay;
    }
    for (std::size_t k = 0; k < plan.pageFiles.size(); ++k) *PageFileSlot(static_cast<int>(k) + 1) = plan.pageFiles[k];
    if (plan.showProgress) {
        ProgressEnd = plan.progressEnd;
        Picture12->show();
    }

    // 10.
    BlinkPhase = 0;
    Timer1->start();
    Program().download.CurrentPageFile = Program().download.PageFile1;
    c.AddressBarGuard = kTrue;
    if (app.AdminMode == kTrue) main.ShowInAddressBar(plan.requests.front());
    c.AddressBarGuard = kFalse;

    // 11.
    if (debug) {
        c.NetFailed = 0;
        return;
    }

    // 12. Each request is judged by its own outcome.  The state texts are
    // held while the requests run; the box shows the last one before any
    // message and when the requests end.
    struct HeldStateTexts {
        CollectionPanel& panel;
        explicit HeldStateTexts(CollectionPanel& p) : panel(p) { panel.HoldStateTexts(true); }
        ~HeldStateTexts() { panel.HoldStateTexts(false); }
        HeldStateTexts(const HeldStateTexts&) = delete;
        HeldStateTexts& operator=(const HeldStateTexts&) = delete;
    } held(*this);
    const auto fail = [this](const std::string& message) {
        WriteHeldStateText();
        Show(message);
        DeleteNewFile();
    };
    const double width = Picture12->ScaleWidth();
    for (std::size_t k = 0; k < plan.requests.size(); ++k) {
        const std::string page = Inet1->OpenURL(plan.requests[k]);
        const TransferOutcome& outcome = Inet1->LastOutcome();
        if (outcome.result == TransferResult::Cancelled) {
            // The program is closing: no message, nothing read.
            DeleteNewFile();
            return;
        }
        if (outcome.result == TransferResult::TransportError) {
            fail("104, インターネット異常。再試行して下さい");
            return;
        }
        if (!outcome.Succeeded()) {
            fail("103, インターネットのアクセスに失敗しました\r\nホームページアドレス(URL)又はモデムの電源などを確認して下さい");
            return;
        }
        const std::string& file = Program().download.CurrentPageFile;
        if (!WritePageFile(file, page)) {
            fail(file + " --- ページファイルに書き込めません");
            return;
        }
        if (in.kind != 1 || k + 1 == plan.requests.size()) break;
        // The next page: the mark grows to a half, three quarters, then whole.
        ProgressEnd = k == 0 ? width / 2 : k == 1 ? width * 3 / 4 : width;
        Program().download.CurrentPageFile = *PageFileSlot(static_cast<int>(k) + 2);
    }
    c.NetFailed = 0;
}

}  // namespace ranvik
