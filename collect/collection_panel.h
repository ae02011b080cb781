#pragma once
// The main window's data collection panel Picture11: it creates stock data
// files for new stocks and brings existing ones up to date from the quote
// site in the address bar.  The user picks an operation (update or new
// stock), a method (automatic range or the two date boxes), a stock in one
// of the main window's grids, and presses the collect button; a double
// click in a grid collects that stock at once.
//
// One class over three files: the panel and its controls (this file's
// .cpp), the collect entries and the driver (collection_run.cpp) and the
// page download (collection_download.cpp).
#include <QString>
#include <QTimer>
#include <string>

#include "core/collection_panel_base.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace ranvik {

class InternetTransfer;
class MDIForm1;
class ScreenSurface;

class CollectionPanel : public CollectionPanelBase {
    Q_OBJECT
public:
    explicit CollectionPanel(QWidget* parent = nullptr);
    ~CollectionPanel() override;

    // Closing: the close button (a release inside it), the close image.
    void 終了_MouseUp(int x, int y) override;
    void Image1_MouseDown();
    void Image1_MouseUp();
    // Operation and method options.
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    // Date boxes (Text15_KeyUp, Text16_KeyUp): the box becomes the main
    // window's QuickParamBox, and Enter has the main window check its date
    // (red and a beep when it is not a yyyy/mm/dd date).
    void DateBox_KeyUp(QLineEdit* box, int keyCode);
    bool IsDateBox(const QObject* box) const override;
    // Hover look of the two buttons, and the panel's own mouse handlers.
    void 更新作成_MouseMove();
    void 終了_MouseMove();
    void Picture11_MouseMove();
    void Picture11_MouseUp();

    // The collect button: a release at (x, y) twips within it.
    void 更新作成_MouseUp(int x, int y);
    // The double click's collection of the main window's target.
    void CollectFromGrid() override;
    // One run: checks, prepares the data file, downloads, reads, reports.
    void CollectStockData();
    // The page download of one run; NetFailed 0 when every page came.
    void DownloadCollectionPages();

    // Status display.
    void Timer1_Timer();
    void Inet1_StateChanged(int state);
    // While pages are requested, the state texts are held and the last one
    // is written into Text9 at the event loop's next turn, before a message
    // and when the requests end: a request's states come faster than a
    // window is painted, and each text written costs more than the request.
    void HoldStateTexts(bool hold);
    void WriteHeldStateText();

    QLabel* Label14 = nullptr;        // title
    QGroupBox* Frame3 = nullptr;      // 操作選択
    QRadioButton* Option3 = nullptr;  // ﾃﾞｰﾀ追加更新
    QRadioButton* Option4 = nullptr;  // 新規銘柄収集
    QGroupBox* Frame5 = nullptr;      // 方法選択
    QRadioButton* Option5 = nullptr;  // 自動
    QRadioButton* Option6 = nullptr;  // ﾃﾞｰﾀ範囲指定
    QLabel* Label13 = nullptr;        // From
    QLineEdit* Text15 = nullptr;
    QLabel* Label2 = nullptr;         // > To
    QLineEdit* Text16 = nullptr;
    QPushButton* 更新作成 = nullptr;  // 収集
    QPushButton* 終了 = nullptr;      // 閉じる(X)
    LabelButton* Image1 = nullptr;    // close image
    QTextEdit* Text9 = nullptr;       // status and report
    ScreenSurface* Picture12 = nullptr;  // progress bar
    QTimer* Timer1 = nullptr;            // status blink
    InternetTransfer* Inet1 = nullptr;

    // Fields of a collection.
    std::string CollectEndTime;  // end of the period, handed to the history readers
    int PageStart = 1;           // first history or margin page
    double ProgressEnd = 0;      // right end of the progress mark
    int BlinkPhase = 0;
    int ButtonHover = 0;         // -1 while a button shows its hover colour

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CloseFromPanel();
    void FocusStrip();
    void SetDateControlsEnabled(bool enabled);
    // The end of a run past its checks: row mark, bar hidden, no longer busy.
    void EndCollection();
    // The new data file of this run, deleted after a failure.
    void DeleteNewFile();
    // Creates the new data file CollectFilePath with its header.  A file
    // that cannot be made is reported, CollectFilePath emptied and NetFailed
    // 1; what the failed create left is deleted unless the name `existed`.
    bool MakeNewDataFile(bool existed);
    void ShowReport(const std::string& text);
    void RunReader(int mode);

    void ShowStateText(const QString& text);

    // Whether this run created CollectFilePath (a failure deletes only such
    // a file).
    bool createdFile_ = false;
    bool holdStateTexts_ = false;
    bool stateTextHeld_ = false;
    bool stateTextTurnAsked_ = false;
    QString heldStateText_;
};

void InstallCollectionPanelMaker();

}  // namespace ranvik
