#pragma once
// The data maintenance window Form2: one stock data file shown as a grid of
// records that the user adds, changes, moves to another date and deletes.
// Every operation enters and leaves the operation states of
// operation_states.h; every committed change is written to the file at
// once.  The window's fields live in Form2Fields, apart from its controls.
//
// The window's work is spread over files by concern: form2.cpp (controls,
// menus, load, activation and unload), form2_states.cpp (enabling, the
// reset, the main window's requests), form2_load.cpp (reading a file into
// the grid), form2_grid.cpp (clicks, presses and the cell editor's place),
// form2_edit.cpp (the editor's keys and the record changes) and
// form2_panels.cpp (hover looks, panel drag, display items, resize),
// form2_files.cpp (new and deleted data files), form2_range.cpp (range
// delete through the work file), form2_correction.cpp (the correction
// table's editor and save).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/child_form.h"
#include "maintenance/operation_states.h"
#include "maintenance/record_rows.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/hidden_controls.h"

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace ranvik {

class ControlDrag;
class FlexGrid;
class LabelButton;
class TextBox;

// The window's fields, all reset with the window; none is stored.
struct Form2Fields {
    std::int16_t OperationState = kIdle;
    std::string DataFilePath;      // the file the window works on; empty when none
    std::string LoadedFilePath;    // the file whose records the grid shows
    std::string OriginalFilePath;  // the file to return to when a new-file or range operation is cancelled
    std::string SelectedFileName;  // file name without folder
    std::string DisplayName;       // caption of the chosen file in the main window's data-file grid
    std::string EntryText;         // the editor's text, trimmed, at its last key
    std::int16_t RecordCount = 0;  // N of the loaded header
    int MarkedRow = 0;             // row marked by a click while idle; 0 none
    float HeaderHigh = 0, HeaderLow = 0, HeaderVolume = 0, HeaderSellBalance = 0, HeaderBuyBalance = 0;
    int EditColumn = 0;            // column under the open cell editor
    int EditColumnWidth = 0;
    double GrabX = 0, GrabY = 0;   // press point inside a dragged panel (twips)
    std::int16_t HoverActive = 0;  // -1 after the mouse went over a button or close image
    int CaretPos = 0;              // length of the entry after the last digit key
    int RecordIndex = 0;           // record being moved or deleted
    std::string NewRowDate;        // the record being added: "mm/dd/yy"
    std::array<float, 7> NewRowValues{};  // Open, Close, High, Low, Volume, SellBalance, BuyBalance
};

class Form2 : public ChildForm, public Form2Fields {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Life cycle.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_Resize();

    // Menus.
    void mnu逆表示_Click(int index);
    void mnuSelToolItem_Click(int index);
    void mnuOperItem_Click(int index);
    void mnuWinItem_Click(int index);
    void mnuHelpItem_Click(int index);

    // The main window's request: the chosen file, loaded with mode "d".
    void FG1Text6_Change() override;
    void SelectListedFile();
    void EnableOperationMenus();
    void EnableOperationButtons();

    // Operation buttons.
    void 表示CMD_Click();
    void 追加CMD_Click();
    void 修正CMD_Click();
    void 削除CMD_Click();
    void リセットCMD_Click();
    void 終了CMD_Click();
    void Command1_Click();

    // New and deleted data files.
    void 新ファイルCMD_Click();
    void Option1_Click();
    void Option2_Click();
    void Text2_KeyPress(int& keyAscii);
    void Text2_KeyDown(int keyCode, int shift);
    // Creates AppDir & SelectedFileName holding only its header; leaves
    // DataFilePath empty when the name is taken or the file cannot be made.
    void CreateStockFile();
    void 銘柄削除CMD_Click();

    // Range delete through the work file.
    void 範囲指定BTN_Click();
    void 範囲削除BTN_Click();
    void 範囲削除保存BTN_Click();

    // The correction table's cell editor Text9: a point's date or multiplier.
    void FGrid3_Click();
    void FGrid3_Scroll();
    void Text9_KeyPress(int& keyAscii);
    void Text9_KeyUp(int keyCode, int shift);
    // Writes the correction table's points into their records and point 1
    // into the header.
    void チャート補正保存_Click();
    // Puts the work file in the data file's place; a test makes it fail.
    std::function<bool(const std::string& from, const std::string& to)> ReplaceDataFile = RenameFile;

    // Loading.
    void SetGridHeader();
    // Reads DataFilePath into the record grid and the correction table;
    // `topRow` 0 shows the default place.
    void LoadStockFile(int topRow);

    // The record grid and its cell editor.
    void FGrid1_Click();
    void FGrid1_MouseDown(int button, int shift, double x, double y);
    void FGrid1_Scroll();
    void Text1_KeyPress(int& keyAscii);
    void Text1_KeyUp(int keyCode, int shift);
    void StoreEnteredRow();
    void ChangeRowDate();

    // Public methods on a stock data file the caller has open.
    void deldata(RecordFile& file, int wrno);
    void chgdata(RecordFile& file);

    // Hover looks and panels.
    void ButtonMouseMove(QPushButton* button);
    void CloseImageMouseMove(LabelButton* normalImage);
    void Frame3_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    void Frame4_MouseMove();
    // A press on a panel at (x, y) inside it, in twips.
    void Panel_MouseDown(QGroupBox* panel, double x, double y);
    // A dragged panel dropped on `receiver` at (x, y) in its own twips.
    void Panel_DragDrop(QWidget* receiver, QWidget* source, double x, double y);
    ControlDrag* Drag() const { return drag_; }

    // The record a grid row shows (0: none), by the order the grid was
    // loaded in.
    RowLayout ShownLayout() const;
    int RecordOfGridRow(int row) const;

    // Controls (designer names).
    QLabel* Label1 = nullptr;    // the chosen file
    FlexGrid* FGrid1 = nullptr;  // record grid
    TextBox* Text1 = nullptr;    // its cell editor
    QGroupBox* Frame3 = nullptr; // operation panel
    QPushButton* 表示CMD = nullptr;
    QPushButton* 追加CMD = nullptr;
    QPushButton* 修正CMD = nullptr;
    QPushButton* 削除CMD = nullptr;
    QPushButton* 新ファイルCMD = nullptr;
    QPushButton* リセットCMD = nullptr;
    QPushButton* 銘柄削除CMD = nullptr;
    QPushButton* 終了CMD = nullptr;
    QGroupBox* Frame1 = nullptr; // range panel, inside the operation panel
    QPushButton* 範囲指定BTN = nullptr;
    QPushButton* 範囲削除BTN = nullptr;
    QPushButton* 範囲削除保存BTN = nullptr;
    TextBox* Text3 = nullptr;    // range bounds: row numbers
    TextBox* Text4 = nullptr;
    QGroupBox* Frame2 = nullptr; // correction panel
    FlexGrid* FGrid3 = nullptr;  // correction table
    TextBox* Text9 = nullptr;    // its cell editor
    QPushButton* Command1 = nullptr;           // "(R)": the file again
    QPushButton* チャート補正保存 = nullptr;
    QGroupBox* Frame4 = nullptr; // new-file panel
    QLabel* Label6 = nullptr;
    TextBox* Text2 = nullptr;    // the stock code
    QLabel* Label2 = nullptr;
    QRadioButton* Option1 = nullptr;  // daily
    QRadioButton* Option2 = nullptr;  // weekly
    // Close images: a normal image and the hover image that takes its place.
    LabelButton* Picture1 = nullptr;  // operation panel
    LabelButton* Picture2 = nullptr;
    LabelButton* Picture4 = nullptr;  // range panel
    LabelButton* Picture5 = nullptr;
    LabelButton* Picture6 = nullptr;  // correction panel
    LabelButton* Picture7 = nullptr;
    LabelButton* Picture8 = nullptr;  // new-file panel
    LabelButton* Picture9 = nullptr;
    QMenu* mnuOper = nullptr;         // operation menu, also the grid's popup
    HiddenCheckBox CommCheck;         // has no effect here

    // The design size, which the window opens with.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void BuildPanels();
    void BuildMenus();
    QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const char* tip, int left,
                           int top, int width, int height);
    LabelButton* AddCloseImage(QWidget* panel, const char* name, int left, bool hover);
    void SetOperationEnabled(const OperationControls& controls, bool enableOnly);
    void ShowHover(QPushButton* button);
    void SetGridColor(Color color);
    bool NewestFirst() const;
    // The window's outer size (frame and caption included), in twips.
    int FormWidthTw() const;
    int FormHeightTw() const;

    // Row marking and the cell editor.
    void MarkRow(int row, Color color);
    void PlaceEditor(int left, int top, int width, int height);
    void PlaceEditorOverCurrentCell();
    void OpenEditorOnNewRowColumn(int column);
    void CommitCell();
    // Ends an operation after a file error: a message, the editor closed,
    // the idle state and the file shown as it is now.
    void FileFailure();
    void BuildNewFilePanel();
    void PickCorrectionPoint(int row);
    // A point a grid row gives: the record it shows and the multiplier of
    // the jump from its older neighbour.
    struct GridPoint {
        int record = 0;
        std::string multiplier;
    };
    // nullopt when the row shows no bar after another or the jump has no
    // multiplier that can be stored.
    std::optional<GridPoint> PointOfGridRow(int row) const;
    void CommitTableDate();
    void CreateFromCode();
    void RefreshMainFileList();
    bool HeaderOnlyFileDeleted();
    RecordFile OpenDataFile() const;

    ControlDrag* drag_ = nullptr;
    bool shownNewestFirst_ = true;  // order of the rows the grid shows
    bool placingEditor_ = false;    // the grid scrolls to bring the editor's cell into view
};

// Makes the application core create Form2 as its data maintenance window.
void InstallMaintenanceWindowMaker();

}  // namespace ranvik
