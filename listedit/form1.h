#pragma once
// The list editor's one window, Form1: it opens one list at a time, a stock
// list table into the grid MSFGrid1 or a text list (the URL list, the topics
// list) into the text box URLNEWStxt, edits it and saves it.  Its handlers
// are spread over files by concern: the window and its controls
// (form1.cpp), start-up, resize and closing (form1_load.cpp), the menus
// (form1_menus.cpp), opening and saving (form1_lists.cpp), the search
// (form1_search.cpp), the grid's mouse and the cell editor
// (form1_cells.cpp), and the row operations with their buttons
// (form1_rows.cpp).
#include <QMainWindow>
#include <cstdint>
#include <map>
#include <string>

#include "listedit/cell_checks.h"
#include "listedit/stock_table.h"
#include "listedit/text_list.h"
#include "platform/ui/colors.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace ranvik {
class FlexGrid;
class LabelButton;
class MenuItemArray;
}  // namespace ranvik

namespace ranvik::listedit {

// Design places of controls, in twips.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Cell looks of the grid.
inline constexpr Color kSelectedBack = RGB(200, 200, 255);
inline constexpr Color kHoverBack = RGB(220, 220, 220);
inline constexpr Color kNewRowBack = RGB(255, 228, 225);
inline constexpr Color kEditorBack = RGB(255, 192, 128);
// Looks of the edit buttons and their back labels.
inline constexpr Color kButtonNormal = RGB(240, 240, 240);
inline constexpr Color kBackLabelNormal = RGB(192, 192, 192);
inline constexpr Color kBackLabelHover = RGB(255, 240, 128);
inline constexpr Color kBackLabelPressed = RGB(160, 160, 160);

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // ---- window (form1_load.cpp)
    void Form_Load();
    void Form_Resize();
    // cancel != 0 keeps the window open.
    void Form_Unload(int& cancel);
    void Form_MouseDown(int button, int shift, double x, double y);
    void Form_MouseMove();
    void Frame3_MouseMove();
    // The window's outer size as the layout measures it, frame and caption
    // included (twips).
    int FormHeightTw() const;
    int FormWidthTw() const;

    // ---- menus (form1_menus.cpp)
    void mnuMeigaraList_Click(int index);
    void mnuFileItem_Click(int index);
    void mnuEnd_Click();
    void mnuHenItem_Click(int index);
    void mnuHelpItem_Click(int index);
    void mnuSijyouItem_Click(int index);
    void mnuBuItem_Click(int index);

    // ---- lists (form1_lists.cpp)
    // False when the save question was cancelled: the open list stays.
    bool OpenList();
    void ShowStockTable();
    // False when the table could not be read (a message said so).
    bool LoadStockTable(FlexGrid& grid, const std::string& fileName);
    // 6 saved, 7 nothing saved, 2 cancelled (also when the save failed, so
    // that nothing the user typed is thrown away).
    std::int16_t AskSaveChanges();
    // True unless a save was needed and failed.
    bool SaveCurrentList();
    bool WriteCurrentList();
    void URLNEWStxt_Change();

    // ---- search (form1_search.cpp)
    void 検索BTN_Click();
    void 検索BTN_MouseMove(int button);
    void 検索BTN_MouseDown();
    void Combo1_KeyDown(int keyCode, int shift);
    void Combo1_Change();
    void Combo1_Click();
    void FindInStockTable();
    void Frame2_MouseMove();
    void Picture1_MouseMove();
    void Picture2_Click();

    // ---- grid and cell editor (form1_cells.cpp)
    void MSFGrid1_MouseMove(int button, int shift, double x, double y);
    void MSFGrid1_MouseDown(int button, int shift, double x, double y);
    void MSFGrid1_Scroll();
    // The character passed on to the editor: Enter (13) becomes 0.
    int Text2_KeyPress(int keyAscii);
    void Text2_KeyDown(int keyCode, int shift);

    // ---- row operations (form1_rows.cpp)
    void 修正BTN_Click();
    void 行追加BTN_Click();
    void 行削除BTN_Click();
    void 行移動BTN_Click();
    void リセットBTN_Click();
    void EndEditOperation();
    void PressButtonLook();
    void ReleaseButtonLook();
    // The looks' handlers of one button and its back label.
    void EditButton_MouseMove(LabelButton* button, int mouseButton);
    void EditButton_MouseDown(LabelButton* button);
    void EditButton_MouseUp(LabelButton* button);
    QLabel* BackLabelOf(const LabelButton* button) const;
    // A button's place in twips, as the pressed look moves it.
    TwipsRect ButtonPlace(const LabelButton* button) const;

    // Controls (designer names).
    QGroupBox* Frame3 = nullptr;  // edit buttons
    LabelButton* 修正BTN = nullptr;
    LabelButton* 行追加BTN = nullptr;
    LabelButton* 行削除BTN = nullptr;
    LabelButton* 行移動BTN = nullptr;
    LabelButton* リセットBTN = nullptr;
    QLabel* Label4 = nullptr;  // back labels: modify, insert, delete, reset, move
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QGroupBox* Frame2 = nullptr;  // search
    QComboBox* Combo1 = nullptr;
    LabelButton* 検索BTN = nullptr;
    LabelButton* Picture1 = nullptr;  // the search frame's close image
    LabelButton* Picture2 = nullptr;  // its hover image
    FlexGrid* MSFGrid1 = nullptr;
    QPlainTextEdit* URLNEWStxt = nullptr;
    QLineEdit* Text2 = nullptr;  // the cell editor
    QWidget* Client = nullptr;   // the form's own surface, under the menu bar

    QMenu* mnuFaile = nullptr;
    QMenu* mnuSijyou = nullptr;
    QMenu* mnuBu = nullptr;
    MenuItemArray* mnuMeigaraList = nullptr;
    MenuItemArray* mnuFileItem = nullptr;
    MenuItemArray* mnuEnd = nullptr;
    MenuItemArray* mnuHenItem = nullptr;
    MenuItemArray* mnuHelpItem = nullptr;
    MenuItemArray* mnuSijyouItem = nullptr;
    MenuItemArray* mnuBuItem = nullptr;

    // Fields of the window.
    std::string ListFileName;
    std::string ListTitle;
    std::string ListPath;
    bool ListModified = false;
    std::int16_t TextListModified = 0;
    std::string BaseCaption;
    int TextSearchStart = 1;
    int FindRow = 0;
    int FindWrapped = 0;
    int FindWrapRow = 0;
    int FindStartRow = 0;
    int EditMode = kNoOperation;
    int SelectedRow = 0;
    int SelectedCol = 0;
    int HoverRow = 0;
    int HoverCol = 0;
    double EditorLeft = 0;
    LabelButton* PressedButton = nullptr;
    double ButtonTop = 0;
    double ButtonLeft = 0;
    double ButtonWidth = 0;
    std::int16_t ButtonHeight = 0;

signals:
    // The window closed and the program ends.
    void Ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void BuildEditButtons();
    void BuildSearchFrame();
    void BuildMenus();
    void ConnectHandlers();

    // Menus' shared steps.
    void CloseMenus();
    void EnableListItems();
    int CheckedListItem() const;
    bool StockTableShown() const;
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    // The caption step: with unsaved changes the caption names the list
    // without the suffix of an earlier save.
    void RefreshCaption();

    // Grid steps shared by the cell and row handlers.
    void NormalRowLook(int row);
    void NormalCellLook(int row, int col);
    void PlaceEditor(int row, int col);
    void EndOfAdd();
    void CopyRowTexts(int to, int from);
    void InsertRow();
    void RemoveSelectedRow();
    void PasteCutRow(int row);
    void KeepCutRow(int row);
    void NormalButtonLook(LabelButton* button);
    void HoverButtonLook(LabelButton* button);
    void SetButtonPlace(LabelButton* button, const TwipsRect& place);
    bool WriteStockTable();
    bool WriteTextList();
    void ShowSaveFailure();
    void NoStockTableShown();

    std::map<const LabelButton*, TwipsRect> buttonPlaces_;
    std::map<const LabelButton*, QLabel*> backLabels_;
    // The open text list as it was read: its shown lines' bytes and the
    // bytes that followed its end-marker line.
    TextListContents textListAsRead_;
    bool loaded_ = false;
    // A stock table stands in the grid: the row operations and the search
    // work on nothing else.
    bool stockTableOpen_ = false;
    bool ended_ = false;
};

}  // namespace ranvik::listedit
