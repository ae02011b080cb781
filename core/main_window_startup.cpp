// Start-up, resizing and shut-down of the main window.
#include "core/main_window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>

#include "core/child_form.h"
#include "core/data_store.h"
#include "core/list_pane.h"
#include "core/page_files.h"
#include "platform/net/internet_transfer.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/url_list.h"
#include "core/startup_checks.h"
#include "core/window_management.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "platform/ui/flex_grid.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

// ---------------------------------------------------------------- start-up

bool MDIForm1::MDIForm_Load() {
    auto& app = Program().app;
    // 1. A second copy ends at once, before it reads or writes anything.
    if (!instanceLock_.Acquire(ProgramFolder(), kLockName)) return false;
    loaded_ = true;

    // 2, 3.
    app.VersionSuffix = "   ";
    app.OsMajorVersion = OperatingSystemMajorVersion();
    app.AppDir = ProgramFolder();
    app.HelpFilePath = app.AppDir + std::string(kHelpFileName);
    app.SavedPageDir = app.AppDir;

    // 4. Settings file.
    if (FileExistsIn(std::string(kSettingsFileName), app.AppDir) == 1) {
        MainWindowSettings target(*this);
        ReadIniValue(kSettingsVersionKey);
        if (SettingsNeedRestore(Program().settings.IniValue)) RestoreSettingsFromBackup(1, target);
        LoadPanelSettings(0, target);
    }

    // 5. URL list.
    const UrlListCheck urlList = PurgeOutdatedUrlList(app.AppDir);
    if (urlList.existed) {
        app.UrlListVersion = urlList.version;
        AddressBarList addresses;
        LoadUrlList(addresses);
        Combo2->clear();
        for (const std::string& address : addresses.items) Combo2->addItem(Q(address));
        Combo2->setEditText(Q(addresses.text));
    } else {
        ShowMessage(std::string("910, \"") + std::string(kUrlListFileName) + " \"が見つかりません", kProgramName,
                    MessageIcon::Exclamation);
    }

    // 6, 7.
    FillCalendarTables();
    PurgeOutdatedListTables(app.AppDir, app.AdminMode == kTrue);

    // 8. Stock list pane.
    Combo3->clear();
    Combo3->setEditText("");
    SetForeColor(Option2, QBColor(12));
    {
        QSignalBlocker block(Combo1);
        Combo1->clear();
        for (const char* choice : {"全銘柄", "東証プライム", "東証スタンダード", "東証グロース", "名証", "その他", "検索"}) {
            Combo1->addItem(choice);
        }
        Combo1->setCurrentText("東証プライム");
    }
    SelectedFileRow = 0;
    SelectedListRow = 0;
    MSF全Grid2->SetRow(SelectedListRow);
    ListRowBackColor = MSF全Grid2->CellBackColor();
    ListRowForeColor = MSF全Grid2->CellForeColor();
    Combo1_Click();
    LayOutDataFileGrid(*MSFGrid1, app.AppDir);
    FillDataFileList(app.AppDir);
    ActiveGrid = MSFGrid1;
    if (auto* caption = Picture4->findChild<QLabel*>("Picture4Caption")) caption->setText(" ｱﾄﾞﾚｽ");

    // 9.
    app.AppTitle = "Ranvikチャート ";
    if (app.AdminMode == kTrue) {
        app.AppTitle = "Ranvikチャートsup ";
        Item("mnuFuncExItem", 7).SetVisible(true);
    }
    setWindowTitle(Q(app.AppTitle));

    // 10. Finishing touches.
    Picture13->move(Picture13->x(), 0);
    ListPaneMinWidth = static_cast<float>(WidthOf(Picture2));
    SetBackColor(検索cmd, RGB(220, 220, 220));
    SetBackColor(Command2, RGB(220, 220, 220));
    Picture6->move(Picture5->x(), Picture6->y());
    if (auto* report = Picture11->findChild<QWidget*>("Text9")) SetBackColor(report, RGB(240, 255, 240));
    ListLayout = kBothGrids;

    // 11.
    OpenChartWindow();
    return true;
}

// ---------------------------------------------------------------- resize

void MDIForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A child shown while the frame itself was not yet on screen could not
    // fill the area; it is maximized now.
    QTimer::singleShot(0, this, [this] {
        for (QMdiSubWindow* frame : mdiArea_->subWindowList()) {
            auto* child = qobject_cast<ChildForm*>(frame->widget());
            if (child == nullptr || !child->OpensMaximized() || frame->geometry() == mdiArea_->viewport()->rect()) {
                continue;
            }
            frame->setWindowState(Qt::WindowNoState);
            frame->showMaximized();
        }
    });
    if (loaded_) MDIForm_Resize();
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (loaded_) MDIForm_Resize();
}

void MDIForm1::MDIForm_Resize() {
    const bool newer = Program().app.OsMajorVersion >= 6;
    // Tops of the side panes below the visible bars, as the client area
    // places them.
    int paneTop = 0;
    for (QWidget* bar : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Picture3),
                         static_cast<QWidget*>(Picture4)}) {
        if (!bar->isHidden()) paneTop += HeightOf(bar);
    }
    const int formHeight = FormHeightTw();

    // 1, 2.
    const int h = formHeight - paneTop - 735 - (newer ? 150 : 0);
    if (TopOf(MSF全Grid2) < h) SetHeight(MSF全Grid2, h - TopOf(MSF全Grid2));
    // 3.
    SetWidth(Combo2, FormWidthTw() - LeftOf(Combo2) - 150 - (newer ? 80 : 0));
    // 4.
    if (ListLayout == kFileGridAlone) {
        const int rows = MSFGrid1->Rows();
        SetHeight(MSFGrid1, rows * kRowHeight);
        if (TopOf(MSFGrid1) < h && h < (rows + 2) * kRowHeight) SetHeight(MSFGrid1, h - TopOf(MSFGrid1));
    }
    // 5.
    const int h2 = formHeight - paneTop - 735 - (newer ? 220 : 0);
    if (TopOf(Picture14) > h2) return;
    // 6.
    SetHeight(Picture14, h2 - TopOf(Picture14));
    SetHeight(VScroll1, HeightOf(Picture14));
    VScroll1->setMaximum(std::max(0, TwipsToPixels(HeightOf(Picture13) + 70 - HeightOf(Picture14))));
    // 7.
    int panelWidth = 0;
    if (HeightOf(Picture14) < HeightOf(Picture13)) {
        panelWidth = WidthOf(VScroll1) + 3000;
        VScroll1->show();
    } else {
        SetHeight(Picture14, HeightOf(Picture13));
        SetHeight(VScroll1, HeightOf(Picture13));
        Picture13->move(Picture13->x(), 0);
        VScroll1->hide();
        panelWidth = LeftOf(Picture14) + WidthOf(Picture14) + 70;
    }
    HideParam->setFixedWidth(TwipsToPixels(panelWidth));
    // 8.
    Image2->move(TwipsToPixels(panelWidth - WidthOf(VScroll1) - 150), Image2->y());
}

// ---------------------------------------------------------------- shut-down

void MDIForm1::closeEvent(QCloseEvent* event) {
    // Closing while a page is requested: the request is cancelled, the
    // download ends quietly, and the window closes once it has returned.
    if (InternetTransfer::AnyRunning()) {
        InternetTransfer::CancelAll();
        event->ignore();
        QTimer::singleShot(0, this, [this] { close(); });
        return;
    }
    if (!unloaded_) {
        // The children close first, each through its own unload.
        mdiArea_->closeAllSubWindows();
        MDIForm_Unload();
    }
    event->accept();
}

void MDIForm1::MDIForm_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    auto& app = Program().app;
    if (loaded_) {
        // 1. Only keys the file has are rewritten; none is added.
        if (FileExistsIn(std::string(kSettingsFileName), app.AppDir) == 1) {
            WriteIniValue("WindowState=", std::to_string(WindowStateNumber()));
            WriteIniValue("mnuColorItem=", std::to_string(Program().commands.BackColorIndex));
            for (const SettingKey& key : PanelSettingKeys()) {
                WriteIniValue(key.key, S(PanelBox(BoxNumber(key.box))->text()));
            }
            const char* flagKeys[] = {"FixAMT=", "PrinterDate=", "mnuChartExplain=", "CrossKabuka="};
            for (int i = 0; i < 4; ++i) {
                WriteIniValue(flagKeys[i], Item("mnuFuncExItem", 2 + i).Checked() ? "1" : "0");
            }
        }
        // 2. Saved pages stay while the debug item reads them instead of
        // downloading; a name pointing at the user's saved pages is never
        // deleted.
        if (!Item("mnuFuncExItem", 7).Checked()) {
            const auto& d = Program().download;
            for (const std::string* page : {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4, &d.PageFile5,
                                            &d.PageFile6, &d.PageFile7, &d.PageFile8, &d.PageHeadFile}) {
                DeleteOwnPageFile(*page);
            }
        }
        // 3.
        Help().CloseAll(app.HelpFilePath);
    }
    instanceLock_.Release();
    emit Ended();
}

}  // namespace ranvik
