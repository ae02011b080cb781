#pragma once
// The company results window Form7: at most one, kept in CompanyInfoWindow.
// It takes the stock selected in the main window, checks its code, downloads
// the company's three pages (results, indicators, quote) into the page files
// and lets the page readers fill its panels, charts and grid.  While the
// selection differs from the loaded stock its title blinks.
//
// The window is one class spread over files by concern: form7.cpp (controls,
// load, unload), form7_select.cpp (activation, selection, captions, blink),
// form7_layout.cpp (resize), form7_download.cpp (the page download and its
// progress text) and form7_readers.cpp (the panels' labels and what the page
// readers show).
#include <QPointer>
#include <array>
#include <cstdint>
#include <string>

#include "core/child_form.h"
#include "platform/ui/hidden_controls.h"

class QGroupBox;
class QLabel;
class QTimer;

namespace ranvik {

class ChartControl;
class FlexGrid;
class ScreenSurface;

// The window's own fields; all empty or 0 when the window is created.
struct Form7Fields {
    std::string LoadedCode;       // last stock downloaded and read without failure
    std::string RequestCode;      // code the page addresses are built from
    std::string SelectedName;     // name of the selection, without its market prefix
    std::string RequestUnitText;  // "(100株)" of the stock being loaded
    std::string MarketLabel;      // such as "<東証>"
    std::string PriceLine;        // price line of the indicator page; cleared by every selection
    std::string SavedPriceLine;   // put back when the selection returns to the loaded stock
    std::string IndexMarks;
    std::string BenefitMark;
    int ProgressColor = 0;              // QBColor number of the progress text
    std::int16_t TitleBlinkPhase = 0;   // 1 empty title, 2 name shown; 0 before the first tick
    std::array<int, 8> ChartBaseSizes{};  // heights and widths of charts 1, 3, 4 and 5 (twips)
    std::int16_t LoadPending = 0;       // -1: the next activation checks the code and loads
    std::int16_t UnitDivisor = 0;       // 1 or 100, from the results table head read last
};

class Form7 : public ChildForm {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);
    ~Form7() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize();
    void Form_Unload() override;

    // Any code takes the new selection; "4" and "5" also take the market
    // label of the data-file grid's or the list grid's selected row.
    void FG1Text6_Change() override;
    // Takes a new selection: "d" loads it at once, "s" only updates the
    // captions and blinks while it differs from the loaded stock.
    void RefreshCompanyCaption();
    void Timer3_Timer();

    // Downloads the three pages of RequestCode into PageFile1 to PageFile3;
    // NetFailed tells the outcome.
    void DownloadCompanyPages();
    // The page transfer's state: stored in InetState, and the progress text
    // printed in the next colour.
    void Inet1_StateChanged(int state);

    // What the page readers show of the pages.
    void ParseQuoteIndicators();
    void ParseAnnualResults();
    void ParseInterimResults();
    void ParseDividendPerShare();

    Form7Fields& Fields() { return fields_; }
    const Form7Fields& Fields() const { return fields_; }

    // Controls (design names).
    ScreenSurface* Surface = nullptr;  // the window's own drawing surface, behind the controls
    QLabel* Label17 = nullptr;         // title: market label, name, unit and price line
    QLabel* Label18 = nullptr;         // marks, or the failure text of a download
    QTimer* Timer3 = nullptr;          // title blink
    HiddenCheckBox CommCheck;          // present in every child window; no code here
    QGroupBox* Frame1 = nullptr;       // indicator panels
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    // Values of the indicator panels (their captions stand beside them).
    QLabel* Label15 = nullptr;  // PER
    QLabel* Label7 = nullptr;   // dividend yield
    QLabel* Label12 = nullptr;  // PBR
    QLabel* Label16 = nullptr;  // ROE
    QLabel* Label11 = nullptr;  // earnings yield
    QLabel* Label3 = nullptr;   // dividend per share with its change
    QLabel* Label4 = nullptr;   // earnings per share
    QLabel* Label8 = nullptr;   // net assets per share
    QLabel* Label19 = nullptr;  // interim dividend per share
    QLabel* Label20 = nullptr;  // interim earnings per share
    QLabel* Label21 = nullptr;  // dividend per share of the quote page
    std::array<ChartControl*, 6> MSChart{};  // MSChart[1] to MSChart[5]
    FlexGrid* MSFGrid1 = nullptr;            // results grid

    // The stock title: market label, name and unit text.
    std::string StockTitle(const std::string& name) const;
    bool Maximized() const;
    bool Minimized() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildPanelLabels();
    void SwitchMenuItems(bool load);
    void SetMainCaption(const std::string& marketLabel, const std::string& name);
    void StartBlink();
    void HideDisplay();
    void WatchFrame();
    void RunDeferredActivation();

    Form7Fields fields_;
    QPointer<QWidget> watchedFrame_;
    bool awaitingMaximize_ = false;    // from the load until the window is first maximized
    bool activationDeferred_ = false;  // an activation came before that
    int pageState_ = 0;  // last state reported while the current page was requested
};

void InstallCompanyWindowMaker();

}  // namespace ranvik
