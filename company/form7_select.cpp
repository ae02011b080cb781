// Form7's activation (code check and load), the selections it takes from the main window, its captions and title blink.
#include <QLabel>
#include <QTimer>

#include "company/form7.h"
#include "core/list_pane.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

namespace {

const Color kActiveTab = RGB(255, 85, 80);
const Color kInactiveTab = RGB(150, 55, 50);

// Codes from 1000 on are companies; below that only the newer codes of three
// digits and a capital letter ("130A") are.
bool CompanyCode(const std::string& code) {
    if (Val(code) >= 1000) return true;
    return !code.empty() && code.back() >= 'A' && code.back() <= 'Z';
}

// The title label takes the width of its text, so that the mark label
// placed after it stands right behind the title and no longer title is cut.
void SetText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

}  // namespace

void Form7::SetMainCaption(const std::string& marketLabel, const std::string& name) {
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr) return;
    std::string caption = Program().app.AppTitle;
    caption.append(marketLabel);
    caption.append(name);
    caption.append("--- 業績情報");
    main->setWindowTitle(QString::fromStdString(caption));
}

void Form7::StartBlink() {
    // A blink that starts shows the empty title first; one that runs goes on.
    if (Timer3->isActive()) return;
    fields_.TitleBlinkPhase = 0;
    Timer3->start();
}

void Form7::Form_Activate() {
    // The frame is activated as it is shown, before it is maximized; the
    // first activation waits for the maximized size (or the next turn of the
    // event loop, should the maximize never come), so that it finds the
    // window as it opens.
    if (awaitingMaximize_ && !Maximized()) {
        if (!activationDeferred_) {
            activationDeferred_ = true;
            QTimer::singleShot(0, this, [this] { RunDeferredActivation(); });
        }
        return;
    }
    awaitingMaximize_ = false;
    auto& f = fields_;
    auto& selection = Program().selection;
    MDIForm1* main = Program().windows.MainForm;
    // 1. and 2.
    if (main != nullptr) {
        main->SetToolbarButtonsEnabled(5, 25, false);
        for (int no = 1; no <= 3; ++no) {
            QLabel* tab = main->WindowTab(no);
            if (tab != nullptr && BackColorOf(tab) == kActiveTab) {
                SetBackColor(tab, kInactiveTab);
                break;
            }
        }
    }
    // 3.
    if (f.LoadPending == kTrue) {
        auto& download = Program().download;
        const auto& app = Program().app;
        // 3.1 In debug mode the download fetches nothing and the readers
        // read the saved pages.  Otherwise the names are set again for every
        // load: a collection run empties PageFile2 on, and a load after the
        // debug item was turned off must not write into the saved pages.
        const std::string& folder = app.DebugPages == kTrue ? app.SavedPageDir : app.AppDir;
        download.PageFile1 = folder + "株HTML.htm";
        download.PageFile2 = folder + "株HTML2.htm";
        download.PageFile3 = folder + "株HTML3.htm";
        // 3.2
        if (!CompanyCode(selection.CurrentCode)) {
            ShowMessage("702, 銘柄を指定して下さい（コード1000以上）    ", "業績情報", MessageIcon::Exclamation,
                        MessageButtons::Ok);
            f.LoadPending = kFalse;
            return;
        }
        // 3.3
        f.LoadPending = kFalse;
        Timer3->stop();
        // 3.4 A stock already loaded is not fetched again.
        if (selection.CurrentCode != f.LoadedCode) {
            auto& collection = Program().collection;
            f.RequestUnitText = selection.CurrentUnitText;
            f.RequestCode = selection.CurrentCode;
            Label17->clear();
            Label18->clear();
            if (Maximized()) SetText(Label17, StockTitle(selection.CurrentName));
            HideDisplay();
            // A collection or a chart window's web update is running.
            if (collection.WebUpdateBusy == kTrue) return;
            DownloadCompanyPages();
            if (collection.NetFailed != 0) {
                collection.WebUpdateBusy = kFalse;
                return;
            }
            if (!download.InfoLink0.empty()) ParseQuoteIndicators();
            if (!download.InfoLink1.empty()) ParseAnnualResults();
            f.LoadedCode = selection.CurrentCode;
            f.SelectedName = selection.CurrentName;
            collection.WebUpdateBusy = kFalse;
        }
        // 3.5
        setWindowTitle(Maximized() ? QString() : QString::fromStdString(StockTitle(selection.CurrentName)));
    }
    // 4.
    SetMainCaption(f.MarketLabel, f.SelectedName);
}

void Form7::RunDeferredActivation() {
    awaitingMaximize_ = false;
    if (!activationDeferred_) return;
    activationDeferred_ = false;
    MDIForm1* main = Program().windows.MainForm;
    if (main == nullptr || main->ActiveChild() == this) Form_Activate();
}

void Form7::FG1Text6_Change() {
    const std::string code = FG1Text6.Text();
    if (code.empty()) return;
    auto& selection = Program().selection;
    // 1.
    if (MDIForm1* main = Program().windows.MainForm; main != nullptr && (code == "4" || code == "5")) {
        GetMarketLabel(code == "4" ? *main->MSFGrid1 : *main->MSF全Grid2);
        fields_.MarketLabel = selection.MarketLabelText;
    }
    // 2.
    Label18->hide();
    fields_.PriceLine.clear();
    // 3. and 4.
    RefreshCompanyCaption();
    FG1Text6.SetText("");
}

void Form7::RefreshCompanyCaption() {
    auto& f = fields_;
    auto& selection = Program().selection;
    // 1. A name shorter than its prefix becomes empty.
    std::string& name = selection.CurrentName;
    if (name.starts_with("<")) {
        name = MidChars(name, 5);
    } else if (name.starts_with("(")) {
        name = MidChars(name, 4);
    }
    f.SelectedName = name;
    // 2.
    if (selection.ChartLoadMode == "d") {
        f.LoadPending = kTrue;
        Form_Activate();
        selection.ChartLoadMode.clear();
        Label18->show();
        return;
    }
    // 3.
    if (selection.CurrentCode == f.LoadedCode) {
        Timer3->stop();
        f.PriceLine = f.SavedPriceLine;
        Label18->show();
    } else {
        StartBlink();
    }
    // 4.
    const std::string title = StockTitle(selection.CurrentName);
    if (!Maximized() && !Minimized()) {
        setWindowTitle(QString::fromStdString(title));
    } else {
        setWindowTitle(QString());
        SetMainCaption(f.MarketLabel, selection.CurrentName);
    }
    SetText(Label17, title + f.PriceLine);
}

void Form7::Timer3_Timer() {
    auto& f = fields_;
    f.TitleBlinkPhase = static_cast<std::int16_t>(f.TitleBlinkPhase % 2 + 1);
    if (f.TitleBlinkPhase == 1) {
        Label17->clear();
    } else {
        SetText(Label17, StockTitle(Program().selection.CurrentName));
    }
}

}  // namespace ranvik
