// A list stock fetched from the web into the window's temporary data file,
// and the page download as the window shows it: its own transfer control,
// the states in the title and the progress bar.
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "collect/quote_page_download.h"
#include "collect/web_update.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/net/internet_transfer.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

// What the page download shows of a chart window.
class Form3PageDownload : public QObject, public PageDownloadWindow {
public:
    explicit Form3PageDownload(Form3& window) : QObject(&window), w_(window) {}

    InternetTransfer& PageTransfer() override { return *w_.Inet1; }
    void DownloadStarting() override {
        w_.Fields().StatusColorNo = 9;
        // The period the pages are asked for.
        const MDIForm1* main = Main();
        w_.Fields().IsDaily = main != nullptr && main->Option1->isChecked() ? kTrue : kFalse;
    }
    void ShowProgressBar() override {
        Surface& bar = w_.ProgressBar();
        bar.Cls();
        bar.Scale(0, 10, kProgressBarWidth, 0);
        bar.Line(0, bar.ScaleTop(), bar.ScaleWidth() - bar.ScaleWidth() / 50, 1, QBColor(0), LineKind::Box);
        SetProgressEnd(bar.ScaleWidth());
        w_.Picture10->raise();
        w_.Picture10->show();
    }
    void SetProgressEnd(double end) override { w_.Fields().ProgressEnd = static_cast<std::int16_t>(end); }
    void ClearProgressBar() override { w_.ProgressBar().Cls(); }
    void StartDownloadBlink() override {
        w_.Fields().BlinkPhase = 0;
        w_.StartBlink();
    }
    void PagesFailed() override { SetForeColor(w_.Label1, QBColor(12)); }

private:
    Form3& w_;
};

}  // namespace

void Form3::BuildPageDownload() {
    Inet1 = new InternetTransfer(this);
    connect(Inet1, &InternetTransfer::StateChanged, this, [this](int state) { Inet1_StateChanged(state); });
    pageDownload_ = new Form3PageDownload(*this);
}

Surface& Form3::ProgressBar() { return *Picture10; }

void Form3::NetRead(const std::string& nAddr, const std::string& sArea) { NetReadPage(*Inet1, nAddr, sArea); }

void Form3::Inet1_StateChanged(int state) {
    auto& f = fields_;
    Program().collection.InetState = static_cast<std::int16_t>(state);
    // Only a pending load shows the states; otherwise the title is the
    // chart's.
    if (!Timer1->isActive()) return;
    const char* text = nullptr;
    switch (state) {
    case 1: text = "ネット接続確認中"; break;
    case 3: text = "ネット接続中"; break;
    case 5: text = "データ読込み要求中"; break;
    case 7: text = "データ読込み中"; break;
    case 8: {
        text = "データ読込み完了";
        const double end = f.ProgressEnd;
        ProgressBar().Line(2, 9, end - end / 30, 1.5, QBColor(13), LineKind::FilledBox);
        break;
    }
    case 11: text = "データ読込み失敗"; break;
    default: break;
    }
    if (text != nullptr) Label1->setText(QString::fromUtf8(text));
    f.StatusColorNo = static_cast<std::int16_t>(f.StatusColorNo % 15 + 1);
    SetForeColor(Label1, QBColor(f.StatusColorNo));
}

// The collection's web update on this window's fields; what only the window
// can do it asks for through the callbacks.
void Form3::UpdateFromWeb() {
    auto& f = fields_;
    // The period the update fetched, from the main window's 日/週 option.
    auto takePeriod = [this] {
        const MDIForm1* main = Main();
        fields_.IsDaily = main != nullptr && main->Option1->isChecked() ? kTrue : kFalse;
    };
    std::string code4 = f.StockCode4;
    WebUpdateWindow window{
        .WindowNo = f.WindowNo,
        .StockCode = f.StockCode,
        .StockCode4 = code4,
        .ShownCode = f.ShownCode,
        .QuoteAddress = f.QuoteAddress,
        .ChartShown = f.ChartShown,
        .DataFileName = f.DataFileName,
        .ShownFileName = f.ShownFileName,
        .WebTempFileName = f.WebTempFileName,
        .MonthlyFileName = f.MonthlyFileName,
        .CorrectedSourceName = f.CorrectedSourceName,
        .WebPriceText = f.WebPriceText,
        .WebPriceNote = f.WebPriceNote,
        .ShowPartialView =
            [this, takePeriod] {
                takePeriod();
                ShowPartialView(*this);
            },
        .DownloadEnded =
            [this] {
                // The blink stops; the title keeps the colour the download
                // left (red after a page that did not come).
                Timer1->stop();
                if (Check1.Value() != 1) return;
                for (Surface* pane : {&PricePane(), &IndicatorPane(), static_cast<Surface*>(Picture5)}) pane->Cls();
                fields_.CrossX = ChartWindowState::kNoCross;
                fields_.CrossY = static_cast<float>(ChartWindowState::kNoCross);
            },
        .ShowNoData =
            [this, takePeriod] {
                takePeriod();
                ShowTitleAndWebPrice();
                fields_.StatusColorNo = 9;
            },
        .StockMarket = &f.StockMarket,
        .TodayDate = &f.TodayDate,
        .ShowAddressBar =
            [this] {
                if (!Item("mnuTool0", 3).Checked()) mnuTool0_Click(3);
            },
        .Downloader = pageDownload_,
    };
    ranvik::UpdateFromWeb(window);
    f.StockCode4 = code4;
    Picture10->hide();
}

void Form3::ShowTitleAndWebPrice() {
    const auto& f = fields_;
    Label1->setText(QString::fromStdString(f.StockTitle + f.StockUnitText));
    Label1->adjustSize();
    if (f.WebPriceText.empty()) return;
    const QLabel* before = Item("mnuFuncExItem", 1).Checked() ? Label21 : Label1;
    SetLeft(Label10, LeftOf(before) + WidthOf(before) + 100);
    Label10->setText(QString::fromStdString("現在値 " + f.WebPriceText + f.WebPriceNote));
    Label10->adjustSize();
    Label10->show();
    SetForeColor(Label1, RGB(0, 120, 255));
}

}  // namespace ranvik
