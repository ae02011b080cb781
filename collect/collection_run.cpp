// The collection panel's entries (collect button, grid double click) and its
// driver CollectStockData.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>
#include <system_error>

#include "collect/collection_panel.h"
#include "collect/collection_requests.h"
#include "collect/daily_history.h"
#include "collect/margin_history.h"
#include "collect/margin_table.h"
#include "collect/price_table.h"
#include "collect/quote_sites.h"
#include "collect/weekly_history.h"
#include "core/data_store.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

namespace {

constexpr const char* kPanelTitle = "株価データ収集";
// The readers' report of a run that stored nothing.
constexpr const char* kNothingStored = "更新すべきデータは有りません（更新済み/データ無し)";

void Show(const std::string& text) { ShowMessage(text, kPanelTitle, MessageIcon::Exclamation, MessageButtons::Ok); }

// Whether anything (a file, a folder, a link) has the name.
bool PathTaken(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(std::filesystem::path(path), error));
}

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

double CodeNumber() { return Val(Program().selection.CurrentCode); }

// Writes the working address into the address bar in administrator mode,
// without classifying it again.
void ShowWorkingAddress(MDIForm1& main, const std::string& address) {
    auto& c = Program().collection;
    c.AddressBarGuard = kTrue;
    if (Program().app.AdminMode == kTrue) main.ShowInAddressBar(address);
    c.AddressBarGuard = kFalse;
}

}  // namespace

void CollectionPanel::ShowReport(const std::string& text) { Text9->setPlainText(QString::fromStdString(text)); }

void CollectionPanel::DeleteNewFile() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr || !Option4->isChecked()) return;
    // Only a file this run created is its to delete: a second run for the
    // margin or trust pages writes into the file the first run filled.
    if (createdFile_ && !main->CollectFilePath.empty()) DeleteFile(main->CollectFilePath);
    createdFile_ = false;
    main->CollectFilePath.clear();
}

bool CollectionPanel::MakeNewDataFile(bool existed) {
    MDIForm1& main = *Program().windows.MainForm;
    const std::string path = main.CollectFilePath;
    try {
        CreateDataFile(path);
        createdFile_ = true;
        return true;
    } catch (const FileError&) {
        Show(path + " --- データファイルに書き込めません");
        // Only what the failed create left; never what stood there before.
        if (!existed) DeleteFile(path);
        main.CollectFilePath.clear();
        Program().collection.NetFailed = 1;
        return false;
    }
}

// ---------------------------------------------------------------- collect button

void CollectionPanel::更新作成_MouseUp(int x, int y) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    if (!(x > 0 && x < WidthOf(更新作成) && y > 0 && y < HeightOf(更新作成))) {
        FocusStrip();
        return;
    }
    if (CharCount(main->CollectCode) != 4) {
        Show("100, 銘柄を指定して下さい。");
        main->CollectFilePath.clear();
        return;
    }
    const int kind = CurrentQuoteSiteKind();
    if (kind == 1 && Contains(main->CollectUrl, "margin")) {
        main->CollectUrl = HistoryAddressOf(main->CollectUrl);
        ShowWorkingAddress(*main, main->CollectUrl);
    }
    CollectStockData();
    if (Program().collection.NetFailed != 0) return;
    if (main->CollectDaily == 0 && CodeNumber() > 500) {
        if (kind == 1 || (kind == 2 && Option3->isChecked())) {
            if (const auto second = ButtonSecondRunAddress(main->CollectUrl, kind)) {
                main->CollectUrl = *second;
                CollectStockData();
            }
        }
    }
    main->CollectCode.clear();
    FocusStrip();
}

// ---------------------------------------------------------------- grid double click

void CollectionPanel::CollectFromGrid() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    const int kind = CurrentQuoteSiteKind();
    const bool weeklyAbove100 = CodeNumber() > 100 && main->CollectDaily == 0;
    if (kind == 1 && Contains(main->CollectUrl, "margin")) {
        main->CollectUrl = HistoryAddressOf(main->CollectUrl);
        ShowWorkingAddress(*main, main->CollectUrl);
    } else if (weeklyAbove100 && kind == 2) {
        if (const auto price = GridPriceAddress(main->CollectUrl)) main->CollectUrl = *price;
    }
    CollectStockData();
    if (Program().collection.NetFailed == 1) {
        main->CollectCode.clear();
        FocusStrip();
        return;
    }
    if (CodeNumber() > 100 && main->CollectDaily == 0 && (kind == 1 || kind == 2)) {
        if (const auto second = GridSecondRunAddress(main->CollectUrl, kind)) {
            main->CollectUrl = *second;
            CollectStockData();
        }
    }
}

// ---------------------------------------------------------------- driver

void CollectionPanel::RunReader(int mode) {
    MDIForm1& main = *Program().windows.MainForm;
    auto& c = Program().collection;
    const std::string& file = main.CollectFilePath;
    const std::string& code = Program().selection.CurrentCode;
    switch (CurrentQuoteSiteKind()) {
    case 2:
        if (Contains(main.CollectUrl, "y/t")) {
            ImportMarginTable(file, main.CollectCode, mode);
        } else {
            ImportPriceTable(file, code, main.CollectDaily, 0);
        }
        break;
    case 1:
        if (main.CollectDaily == 0) {
            if (Contains(main.CollectUrl, "margin")) {
                ImportMarginHistory(file, main.CollectCode, CollectEndTime, mode);
            } else {
                ImportWeeklyHistory(file, code, CollectEndTime, mode);
            }
        } else {
            ImportDailyHistory(file, code, CollectEndTime, mode);
        }
        break;
    default:
        // No reader reads this site's page: nothing was stored, and no
        // earlier import's report may stand for this run.
        c.UpdateLog = kNothingStored;
        break;
    }
}

void CollectionPanel::EndCollection() {
    MDIForm1& main = *Program().windows.MainForm;
    if (main.LastSelectedGrid == 1) {
        main.MarkMyFileRowShown();
    } else {
        main.MarkListRowShown();
    }
    Picture12->hide();
    Program().collection.WebUpdateBusy = kFalse;
    // On every way out the main window takes input again.
    main.setEnabled(true);
    if (main.Picture2->isVisible()) main.Picture2->setFocus();
}

void CollectionPanel::CollectStockData() {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    auto& c = Program().collection;
    // 1.
    if (c.WebUpdateBusy == kTrue) return;
    // 2.
    if (main->Combo2->currentText().isEmpty()) {
        Show("311, データを取り出すネットアドレス (https://....) を指定して下さい。");
        c.NetFailed = 1;
        return;
    }
    // 3.
    if (CharCount(main->CollectCode) != 4) {
        Show("108, 銘柄を指定して下さい。");
        main->CollectFilePath.clear();
        return;
    }
    // 4.
    PageStart = 1;
    c.WebUpdateBusy = kTrue;
    createdFile_ = false;
    const std::string& folder = Program().app.AppDir;

    if (Option3->isChecked()) {
        // 5.1 The typed range, checked in its order.
        if (Option6->isChecked()) {
            const bool marginPages = Contains(main->CollectUrl, "margin") && c.QuoteSiteKind1 != kFalse;
            const RangeCheck check = CheckCollectionRange(Text15->text().toStdString(), Text16->text().toStdString(),
                                                          Today(), marginPages);
            // Each box that passed its own test turns black again.
            if (check.step == 0 || check.step >= 2) SetForeColor(Text16, QBColor(0));
            if (check.step == 0 || check.step >= 3) SetForeColor(Text15, QBColor(0));
            if (check.refused != RangeRefusal::None) {
                QLineEdit* box = check.refused == RangeRefusal::ToBox ? Text16 : Text15;
                SetForeColor(box, QBColor(12));
                box->setFocus();
                Beep();
                c.WebUpdateBusy = kFalse;
                return;
            }
            PageStart = check.pageStart;
        }
        // 5.2
        DownloadCollectionPages();
        SetForeColor(Text9, QBColor(0));
        Timer1->stop();
        // 5.3
        if (c.NetFailed == 0) {
            RunReader(0);
            ShowReport(c.UpdateLog);
        }
    } else {
        // 6.1
        const bool daily = main->Option1->isChecked();
        const std::string name = DataFileName(main->CollectCode, daily);
        main->CollectDaily = daily ? kTrue : kFalse;
        main->CollectFilePath = folder + name;
        const std::string& url = main->CollectUrl;
        // 6.2 A second run for the margin or trust pages writes into the file
        // its first run created.
        if (FileExistsIn(name, folder) == 1 && !Contains(url, "margin") && !Contains(url, "trust")) {
            Show("107, 既に同じファイル名があります。");
            main->CollectFilePath.clear();
            c.NetFailed = 1;
            EndCollection();
            return;
        }
        // 6.3 The new file is made once its pages are in, so that a run
        // that fails or is cut short on the way (the program closed, a page
        // without end) never leaves a file holding only its header.  Whether
        // it can be made is still known before any request.
        const bool keepFile = (Contains(url, "margin") && c.QuoteSiteKind1 != kFalse) ||
                              (Contains(url, "trust") && c.QuoteSiteKind2 != kFalse) ||
                              (!Contains(url, "slas") && c.QuoteSiteKind3 != kFalse);
        bool makeAfterPages = false;
        if (!keepFile) {
            const bool existed = PathTaken(main->CollectFilePath);
            if (!MakeNewDataFile(existed)) {
                EndCollection();
                return;
            }
            if (!existed) {
                DeleteFile(main->CollectFilePath);
                createdFile_ = false;
                makeAfterPages = true;
            }
        }
        // 6.4
        DownloadCollectionPages();
        SetForeColor(Text9, QBColor(0));
        Timer1->stop();
        if (c.NetFailed == 0 && makeAfterPages && !MakeNewDataFile(false)) c.NetFailed = 1;
        // 6.5
        if (c.NetFailed == 0) {
            RunReader(1);
            if (c.UpdateLog.rfind("更新", 0) == 0) {
                Show("106, データ無し。   ");
                if (!main->CollectFilePath.empty()) DeleteFile(main->CollectFilePath);
                main->CollectFilePath.clear();
                ShowReport("作成失敗");
            } else {
                ShowReport("作成完了");
                main->MSFGrid1->SetRows(std::max(CountDataFiles(folder) + 2, 14));
                main->FillDataFileList(folder);
            }
        }
    }
    // 7.
    EndCollection();
}

}  // namespace ranvik
