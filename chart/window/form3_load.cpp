// The chart window's life cycle: load, activation, the title blink, the company results window and unload.
#include "chart/drawing/chart_setup.h"
#include "chart/drawing/crosshair.h"
#include "chart/window/form3.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <exception>

#include "chart/window/command_line.h"
#include "core/data_store.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/process.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"
#include "platform/ui/twips.h"
#include "print/form6.h"
#include "print/print_job.h"

namespace ranvik {

namespace {

const Color kActiveTab = RGB(255, 85, 80);
const Color kFreeTab = QBColor(11);
const Color kIdleCaption = RGB(150, 150, 150);

MDIForm1* Main() { return Program().windows.MainForm; }

bool SettingsFileExists() {
    return FileExistsIn(std::string(kSettingsFileName), Program().app.AppDir) == 1;
}

// Closing must not fail visibly: each step of the unload runs whatever the
// one before met.
template <typename Step>
void Ignoring(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

void Form3::Form_Load() {
    auto& f = fields_;
    auto& windows = Program().windows;
    const auto& app = Program().app;
    // 1.
    f.ChartShown = 0;
    f.PeriodUnit = "";
    f.ClipLevelH = 100;
    f.ClipLevelL = 0;
    f.BackColorNo = 1;
    f.BandVolumeScale = 8;
    f.WindowNo = windows.NewWindowNo;
    WindowNo = f.WindowNo;
    f.VolumeAreaRatio = 7;
    // 2. Its tab shows it as the active window.
    if (MDIForm1* main = Main()) {
        if (QLabel* tab = main->WindowTab(f.WindowNo)) {
            SetBackColor(tab, kActiveTab);
            windows.ActiveWindowNo = f.WindowNo;
        }
    }
    // 3.
    f.StockSource = 1;
    f.PrintingNow = 0;
    // 4. Marks kept in the settings file, and the background colour.
    int colour = 0;
    if (SettingsFileExists()) {
        ReadIniValue("mnuColorItem=");
        colour = ColourIndexOf(Program().settings.IniValue);
        ReadIniValue("mnuDekiIdou=");
        Item("mnuDekiIdou", 1).SetChecked(Program().settings.IniValue == "1");
        const char* keys[] = {"FixAMT=", "PrinterDate=", "mnuChartExplain=", "CrossKabuka="};
        for (int i = 0; i < 4; ++i) {
            ReadIniValue(keys[i]);
            Item("mnuFuncExItem", 2 + i).SetChecked(Program().settings.IniValue == "1");
        }
    }
    // The colour goes through the colour menu's command; the code a sender
    // stored last stays as it was, a window's creation being no command of
    // anyone's.
    const std::int16_t lastCommand = Program().commands.ChartCommand;
    mnuColorItem_Click(colour);
    Program().commands.ChartCommand = lastCommand;
    // 5.
    if (app.AdminMode == kTrue) {
        Item("mnuFuncExItem", 7).SetVisible(true);
        Item("mnu2LineKairiRitsu", 1).SetVisible(true);
    }
    // 6.
    f.PartialViewWidth = static_cast<std::int16_t>(Slider1->value());
    f.ViewWidth = f.PartialViewWidth;
    f.PriceTop = 5000;
    f.PriceBottom = 1000;
    f.CrossX = ChartWindowState::kNoCross;
    f.CrossY = static_cast<float>(ChartWindowState::kNoCross);
    // Whatever clears the price pane removes the crosshair with it: the state
    // must say so, or the next move would draw the old lines back as ghosts.
    PricePane().SetClearedHook([this] { ForgetCrosshair(*this); });
    QFont font = this->font();
    font.setPointSize(9);
    setFont(font);
    // 7. The quick-bar values start unset.
    f.CompareTopPct = 0;
    f.CompareBottomPct = 0;
    f.BandPeriod = 0;
    f.EnvelopePct = 0;
    f.OscPeriodWeekly = 0;
    f.OscPeriodDaily = 0;
    f.VolumeIndicatorPeriod = 0;
    f.KagiPct = 0;
    f.ParabolicAFNow = 0;
    f.PnfBoxSize = 0;
    f.MacdShortPeriod = 0;
    f.MacdLongPeriod = 0;
    f.MacdSignalPeriod = 0;
    f.ReversePeriod = 0;
    f.YearCompareStartYear = "";
    f.YearCompareStartMonth = "";
    // 8.
    SetTop(Label1, 10);
    SetLeft(Label1, 60);
    Label1->clear();
    Label20->clear();
    f.DataFileName.clear();
    f.WebTempFileName.clear();
    f.CorrectedSourceName.clear();
    // 9.
    PlaceInScale(PricePane(), *Picture10, PricePane().ScaleLeft(), PricePane().ScaleTop());
    // 10.
    Program().collection.WebDataFetched = 0;
    f.CommandLineFile.clear();
    // 11.
    TakeCommandLine();
    // 12.
    f.CorrectionWanted = kTrue;
    f.IndicatorPaneHeight = static_cast<float>(HeightOf(Picture3));
    // 13.
    for (QWidget* pane : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Picture3),
                          static_cast<QWidget*>(HScroll1)}) {
        SetLeft(pane, 30);
    }
    SetTop(Picture1, TopOf(Label1) + HeightOf(Label1));
    // 14. Mirrors of the main window's menus.
    if (MDIForm1* main = Main()) {
        if (main->Item("mnuFuncExItem", 6).Checked()) Item("mnuFuncExItem", 6).SetChecked(true);
        if (main->Item("mnuWinItem", 5).Visible()) Item("mnuWinItem", 5).SetVisible(true);
        if (main->Item("mnuWinItem", 6).Visible()) Item("mnuWinItem", 6).SetVisible(true);
        const auto* mainCompany = main->findChild<QAction*>("mnu会社");
        if (mainCompany != nullptr && !mainCompany->isEnabled()) {
            if (auto* company = MenuBar()->findChild<QAction*>("mnu会社")) company->setEnabled(false);
        }
    }
    WatchWindowStates();
    // 15.
    SetOpensMaximized(true);
}

// Only window 1 takes a data file named on the command line, and it does so
// whenever it is created: a window opened again in slot 1 takes it again.
void Form3::TakeCommandLine() {
    if (Program().windows.NewWindowNo != 1) return;
    const std::optional<CommandLineFile> file = ParseCommandLineFile(CommandLine());
    if (!file) return;
    fields_.StockTitle = file->title;
    fields_.CommandLineFile = file->path;
}

void Form3::Form_Activate() {
    MDIForm1* main = Main();
    if (main == nullptr) return;
    for (int i = 0; i <= 4; ++i) Item("mnuTool0", i).SetChecked(main->Item("mnuFileItem", i).Checked());
    SetMousePointer(main->MSF全Grid2, 0);
    Activate10.SetValue(1);
}

void Form3::DropRemovedDataFile() {
    auto& f = fields_;
    const std::string& removed = Program().commands.RemovedDataFile;
    if (removed.empty()) return;
    // A chart drawn from the split-corrected copy shows the removed file as
    // much as one drawn from the file itself.
    const std::string& appDir = Program().app.AppDir;
    const bool fromCopy = !f.CorrectedFileName.empty() && f.DataFileName == JoinPath(appDir, f.CorrectedFileName) &&
                          (f.CorrectedSourceName == removed || JoinPath(appDir, f.CorrectedSourceName) == removed);
    const bool shown = f.DataFileName == removed || fromCopy;
    if (!shown) return;
    // The blink is the sign of a load still to come; the chart on screen
    // stays until then.
    StartBlink();
    f.DataFileName.clear();
    f.ChartShown = 0;
}

void Form3::ShowNoData() {
    auto& f = fields_;
    // The file drawn before is no longer what the window shows: picking it
    // again must draw it, not take the empty panes for its chart.
    f.ShownFileName.clear();
    f.ShownCode.clear();
    for (Surface* pane : {&PricePane(), &IndicatorPane(), &BandVolumePane(), &DataPanel()}) pane->Cls();
    SetPaneVisible(Pane::YearCandles, false);
    for (QLabel* label : {Label10, Label14, Label20, Label21}) label->hide();
    // The captions name the stock asked for, as a drawn chart's would, and
    // no longer the period and overlays of a chart that is gone.
    Label1->setText(QString::fromStdString(f.StockTitle + f.StockUnitText));
    SetWindowCaption("");
    // The frame keeps its last caption when the window's turns empty.
    if (Frame() != nullptr) Frame()->setWindowTitle(QString());
    if (f.WindowNo >= 1 && f.WindowNo <= 3) SetWindowTab(f.WindowNo, WindowTabText(f.StockTitle), f.StockTitle);
    if (f.WindowNo == Program().windows.ActiveWindowNo) SetMainWindowCaption(Program().app.AppTitle + f.StockTitle);
}

void Form3::Timer1_Timer() {
    auto& f = fields_;
    if (f.BlinkPhase != 0) {
        SetForeColor(Label1, RGB(0, 120, 255));
        f.BlinkPhase = 0;
    } else {
        SetForeColor(Label1, QBColor(7));
        f.BlinkPhase = kTrue;
    }
}

void Form3::mnuEnd_Click() {
    if (MDIForm1* main = Main()) main->close();
}

void Form3::ShowCompanyInfoWindow() {
    auto& windows = Program().windows;
    Program().selection.CurrentName = fields_.StockTitle;
    if (windows.CompanyInfoWindow != nullptr) {
        windows.CompanyInfoWindow->BringToFront();
        return;
    }
    MDIForm1* main = Main();
    if (main == nullptr || !Makers().companyWindow) return;
    main->ShowChild(Makers().companyWindow());
}

void Form3::Form_Unload() {
    auto& f = fields_;
    auto& windows = Program().windows;
    const std::string& appDir = Program().app.AppDir;
    MDIForm1* main = Main();
    // 1. Every reader closes its file before its event ends, so no file of
    // this window is open here.
    // 2. This window's temporary files; one that cannot go is left.
    Ignoring([&] {
        if (!f.MonthlyFileName.empty()) DeleteFile(JoinPath(appDir, f.MonthlyFileName));
        f.MonthlyFileName.clear();
    });
    Ignoring([&] {
        if (!f.WebTempFileName.empty()) {
            f.DataFileName = JoinPath(appDir, f.WebTempFileName);
            DeleteFile(f.DataFileName);
        }
        f.WebTempFileName.clear();
    });
    Ignoring([&] {
        if (!f.CorrectedFileName.empty()) DeleteFile(JoinPath(appDir, f.CorrectedFileName));
        f.CorrectedFileName.clear();
        f.CorrectedSourceName.clear();
    });
    // 3. The slot and its tab are free again.
    Ignoring([&] {
        if (f.WindowNo < 1 || f.WindowNo > 3) return;
        if (main != nullptr) {
            QLabel* tab = main->WindowTab(f.WindowNo);
            tab->clear();
            tab->setToolTip("");
            SetBackColor(tab, kFreeTab);
        }
        if (windows.ChartWindow(f.WindowNo) == this) windows.ChartWindow(f.WindowNo) = nullptr;
    });
    // 4. With several windows the one closed last decides the stored mark.
    Ignoring([&] {
        if (SettingsFileExists()) WriteIniValue("mnuDekiIdou=", Item("mnuDekiIdou", 1).Checked() ? "1" : "0");
    });
    if (main != nullptr) {
        // 5.
        Ignoring([&] { main->setWindowTitle(QString::fromStdString(Program().app.AppTitle)); });
        // 6. A window can be added again.
        Ignoring([&] {
            main->SetToolbarButtonEnabled("窓", true);
            main->Item("mnuWinItem", 8).SetEnabled(true);
            for (int no = 1; no <= 3; ++no) {
                if (ChartWindowBase* other = windows.ChartWindow(no)) other->Item("mnuWinItem", 8).SetEnabled(true);
            }
            if (main->Item("mnuWinItem", 5).Visible() && windows.MaintenanceWindow != nullptr) {
                windows.MaintenanceWindow->Item("mnuWinItem", 11).SetEnabled(true);
            }
        });
        // 7. The last chart window leaves the chart buttons nothing to act
        // on, and the quick bar no indicator to show.
        Ignoring([&] {
            if (windows.ChartWindow1 != nullptr || windows.ChartWindow2 != nullptr || windows.ChartWindow3 != nullptr) {
                return;
            }
            if (!Item("mnuWinItem", 6).Visible()) {
                main->SetToolbarButtonEnabled("窓ＬＲ", false);
                main->SetToolbarButtonEnabled("窓ＵＤ", false);
            }
            main->SetToolbarButtonsEnabled(5, 25, false);
            ResetOverlayIndicators();
            ResetOscillatorIndicators();
            for (int label : {6, 10}) SetForeColor(main->QuickLabels[label], kIdleCaption);
            for (int box : {2, 6}) main->QuickBoxes[box]->setEnabled(false);
            main->Picture3->Cls();
        });
    }
    // 8.
    f.DataFileName.clear();
}

}  // namespace ranvik
