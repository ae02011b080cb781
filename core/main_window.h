#pragma once
// The main window MDIForm1: a multiple-document frame with the menu bar, the
// toolbar strip, the quick parameter bar, the address bar, the stock list
// pane, the extended parameter panel and the collection panel; the chart
// windows, the data maintenance window and the company results window open
// inside it.  Its load handler is the start-up of the program and its unload
// handler the shut-down.
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/menu_set.h"
#include "core/quick_bar.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/label_button.h"
#include "platform/ui/twips.h"
#include "platform/ui/colors.h"
#include "platform/runtime/single_instance.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStackedWidget;
class QTextEdit;

namespace ranvik {

class ChildForm;
class CollectionPanelBase;
class FlexGrid;
class ListPane;
class Toolbar;

// List pane arrangements.
enum ListLayoutState : std::int16_t { kListGridAlone = 0, kFileGridAlone = 1, kBothGrids = 2 };

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // Start-up.  False when another instance of the program runs: nothing
    // was read or written and the program must end at once.
    bool MDIForm_Load();
    void MDIForm_Resize();
    // Shut-down, after the child windows have closed.
    void MDIForm_Unload();

    // Menu handlers.
    void mnuEnd_Click();
    void mnuFileItem_Click(int index);
    void mnuGyouEnd_Click();
    void mnuWinItem_Click(int index);
    void mnuFuncExItem_Click(int index);
    void mnu会社Item_Click(int index);
    void mnuHelpItem_Click(int index);

    // List pane.
    void Combo1_Click();
    void FillDataFileList(const std::string& folder);
    void Picture7_MouseDown();
    void Picture7_MouseUp();
    void Picture7_MouseMove();
    void Picture2_MouseMove(int button, int x);
    void Picture2_Click();
    void Picture3_Click();
    void Frame1_MouseMove();
    void Grid_MouseMove();

    // Stock search in the list grid: the search button (and Enter in the
    // search box) steps to the next matching row; editing or picking the
    // key, and loading another table, starts again from the top.
    void 検索cmd_Click();
    void Combo3_Change();
    void Combo3_Click();
    void Combo3_KeyDown(int keyCode, int shift);
    void Command2_Click();
    void Command2_MouseMove();

    // Stock selection and load requests: presses, double clicks and keys in
    // the two grids publish the picked stock and send it to the active child
    // window, or, while the collection panel is open, choose the target of
    // the collection.
    void MSFGrid1_MouseDown(int button, int shift, double x, double y);
    void MSF全Grid2_MouseDown(int button, int shift, double x, double y);
    void MSFGrid1_DblClick();
    void MSF全Grid2_DblClick();
    void SelectMyFileRow();
    void SelectListRow();
    void HighlightListRow(int row);
    void ClearListHighlight();
    void ClearMyFileHighlight();
    void MarkMyFileRowShown();
    void MarkListRowShown();
    // The keyboard of the main window: its focus target Picture1 receives it.
    void Picture1_KeyDown(int keyCode, int shift);
    // The address bar: a pick from its list, and any change of its text.
    void Combo2_Click();
    void Combo2_Change();
    // Writes the text into the address bar (the caller sets AddressBarGuard
    // when the write must not be classified).
    void ShowInAddressBar(const std::string& text);
    void Option1_Click();
    void Option2_Click();
    // The immediate-display toggle.
    void Picture5_MouseDown();
    void Picture5_MouseUp();
    void Picture6_MouseDown();
    void Picture6_MouseUp();
    // True while the toggle is on: a press then also draws.  Ask this rather
    // than whether Picture6 is visible: the data-file-grid-only arrangement
    // hides both images and the toggle keeps its state.
    bool ImmediateDisplay() const { return immediateDisplay_; }
    // The LoadRequest: ChartLoadMode := mode, then the active child window's
    // FG1Text6 := code, which it carries out before this returns.  False,
    // sending nothing, when the main window has no child window.
    bool SendLoadRequest(const std::string& code, const std::string& mode);
    // The collection panel as the main window drives it; null when the panel
    // was not built by the price data collection.
    CollectionPanelBase* CollectionPanel() const;

    // Window tabs: `no` is the chart window 1 to 3 (Label3 to Label5).
    void WindowTab_MouseDown(int no);
    void WindowTab_MouseUp(int no);
    QLabel* WindowTab(int no) const;
    void PressWindowTab(QLabel* tab);
    void ReleaseWindowTab();

    // Quick parameter bar: a key released in one of its boxes (or Enter in
    // a collection date box) makes that box QuickParamBox and runs
    // ApplyQuickParameter, which warns of keys that do not belong in a
    // number and on Enter sends the active chart window the command that
    // takes the box's value.
    void QuickBox_KeyUp(QLineEdit* box, int keyCode, int shift);
    void ApplyQuickParameter(int keyCode, int shift);

    // Extended parameter panel.
    QLineEdit* PanelBox(int textNo) const;
    void VScroll1_Change();
    void VScroll1_Scroll();
    void VScroll1_KeyDown(int keyCode, int shift);
    void Image2_MouseDown();
    void Image2_MouseUp();
    // "パラメタをリセット": the settings file from its backup, the panel boxes
    // from the settings file; the window state and the flags stay.
    void 復元ini_Click();

    // A menu item of the main window by its array's name and its index.
    MenuItem Item(const std::string& array, int index) const { return menus_.Item(array, index); }
    MenuItemArray* Menu(const std::string& array) const { return menus_.Get(array); }

    // Toolbar buttons by key and by position (1 to 27): enabled and
    // pressed (Value 1) states.
    void SetToolbarButtonEnabled(const std::string& key, bool enabled);
    void SetToolbarButtonsEnabled(int fromPosition, int toPosition, bool enabled);
    bool ToolbarButtonEnabled(const std::string& key) const;
    bool ToolbarButtonEnabled(int position) const;
    void SetToolbarButtonValue(const std::string& key, int value);
    int ToolbarButtonValue(const std::string& key) const;
    // A press of a toolbar button (by its key) and a choice in a button's
    // menu (its text and index from 1); see main_window_toolbar.cpp.
    void Toolbar1_ButtonClick(const std::string& key);
    void Toolbar1_ButtonMenuClick(const std::string& text, int index);

    // Shows a child window in the multiple-document area: it is loaded
    // first, then shown (maximized when it opens so).
    void ShowChild(ChildForm* child);
    ChildForm* ActiveChild() const;
    QMdiArea* MdiArea() const { return mdiArea_; }

    // Main window state as the settings keep it: 0 normal, 1 minimized,
    // 2 maximized.  Any other number is ignored.
    int WindowStateNumber() const;
    void SetWindowStateNumber(int state);

    // Height and width of the window as the layout measures them: the
    // outer size, frame, caption and menu bar included (twips).
    int FormHeightTw() const;
    int FormWidthTw() const;

    // Controls (designer names).
    QFrame* Picture1 = nullptr;   // toolbar strip; keyboard focus target
    Toolbar* Toolbar1 = nullptr;  // on the strip
    QuickBar* Picture3 = nullptr;  // quick parameter bar, a drawing surface
    QFrame* Picture4 = nullptr;   // address bar
    QComboBox* Combo2 = nullptr;  // address box
    QFrame* Picture2 = nullptr;   // stock list pane
    FlexGrid* MSFGrid1 = nullptr;       // data-file grid
    FlexGrid* MSF全Grid2 = nullptr;     // list-table grid
    QComboBox* Combo1 = nullptr;            // list chooser
    QGroupBox* Frame1 = nullptr;            // daily / weekly options
    QRadioButton* Option1 = nullptr;        // 日
    QRadioButton* Option2 = nullptr;        // 週
    QFrame* Frame26 = nullptr;              // search frame
    QComboBox* Combo3 = nullptr;            // search box
    QPushButton* 検索cmd = nullptr;
    QPushButton* Command2 = nullptr;
    LabelButton* Picture7 = nullptr;  // list layout switch
    QLabel* Picture8 = nullptr;               // pressed look of Picture7 and of the toggle
    LabelButton* Picture5 = nullptr;          // immediate-display toggle, off
    LabelButton* Picture6 = nullptr;          // immediate-display toggle, on
    LabelButton* Label3 = nullptr;    // window tabs
    LabelButton* Label4 = nullptr;
    LabelButton* Label5 = nullptr;
    QFrame* HideParam = nullptr;     // extended parameter panel
    QWidget* Picture14 = nullptr;    // its viewport
    QWidget* Picture13 = nullptr;    // its content
    QScrollBar* VScroll1 = nullptr;
    LabelButton* Image2 = nullptr;  // its close image
    QLabel* Label35 = nullptr;
    QPushButton* 復元ini = nullptr;
    QWidget* Picture11 = nullptr;    // collection panel
    std::map<int, QLineEdit*> QuickBoxes;  // Text2 .. Text18 of the quick bar
    std::map<int, QLabel*> QuickLabels;    // Label6 .. Label24
    QGroupBox* Frame2 = nullptr;           // MACD group of the quick bar
    QPointer<QLineEdit> QuickParamBox;     // the box whose key was released last
    QLabel* Frame2Caption = nullptr;       // its caption "MACD", coloured as the group's fore colour

    // Main window fields.
    std::int16_t ListLayout = kBothGrids;
    FlexGrid* ActiveGrid = nullptr;
    double ListPaneDragX = 0;
    float ListPaneMinWidth = 0;
    int SelectedFileRow = 0;
    int SelectedListRow = 0;
    Color ListRowBackColor;
    Color ListRowForeColor;
    std::int16_t LastSelectedGrid = 0;  // 1 data-file grid, 2 list grid, 0 none yet
    int GridPressY = 0;                 // y of the last press in either grid, twips
    // Target of the price data collection, chosen in the grids while the
    // collection panel is open.
    std::string CollectCode;
    std::string CollectFilePath;
    std::int16_t CollectDaily = 0;  // -1 daily, 0 weekly
    std::string CollectUrl;

signals:
    // After the shut-down: the program ends.
    void Ended();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbarStrip();
    void BuildQuickBar();
    void BuildAddressBar();
    void BuildListPane();
    void ConnectSearchFrame();
    void BuildParameterPanel();
    void BuildCollectionPanel();
    // Key presses and releases of the parameter boxes and the panel's
    // scroll bar; true when the event is used up.
    bool ParameterBoxEvent(QObject* watched, QEvent* event);
    void InstallParameterBoxFilters();
    void OnSubWindowActivated(QMdiSubWindow* window);
    void ChildStateChanged(QMdiSubWindow* frame, Qt::WindowStates before);
    void ShowMenuBarOf(ChildForm* child);
    void FocusToolbarStrip();
    void SetBarVisible(int index, bool visible);
    void ShowPressedLook(QWidget* image);
    void ShowToggleImage();
    void SwitchImmediateDisplay(bool on);
    void MoveCurrentRow(int by);

    InstanceLock instanceLock_;
    ListPane* listPane_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QStackedWidget* menuStack_ = nullptr;
    QMenuBar* mainMenuBar_ = nullptr;
    MenuSet menus_;
    std::map<int, QLineEdit*> panelBoxes_;
    QPointer<QLabel> pressedTab_;
    int pressedTabTop_ = 0;
    int pressedTabLeft_ = 0;
    int image2Left_ = 0;
    int image2Top_ = 0;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool immediateDisplay_ = false;
};

// The toolbar's button keys by position 1 to 27 (separators are empty).
const std::string& ToolbarKey(int position);

}  // namespace ranvik
