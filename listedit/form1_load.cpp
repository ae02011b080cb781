// Start-up, resizing, the window's own mouse handling and closing.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "listedit/start_up.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/menu_items.h"
#include "platform/ui/popup_menu_service.h"
#include "platform/ui/twips.h"

namespace ranvik::listedit {

namespace {

// The frame and caption around the window's inside: the layout's
// allowances (800 below the lists, 200 right of them) are measured against
// the outer size.
constexpr int kNonClientHeightTw = 465;
constexpr int kNonClientWidthTw = 120;

}  // namespace

int Form1::FormHeightTw() const { return PixelsToTwips(height()) + kNonClientHeightTw; }
int Form1::FormWidthTw() const { return PixelsToTwips(width()) + kNonClientWidthTw; }

void Form1::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }
std::string Form1::Caption() const { return windowTitle().toStdString(); }

void Form1::Form_Load() {
    EditorState& editor = Editor();
    // 1. The cell editor above the grid, the grid above the text box.
    URLNEWStxt->raise();
    MSFGrid1->raise();
    Text2->raise();

    // 2, 3.
    editor.AppDir = ProgramFolder();
    editor.HelpFilePath = editor.AppDir + std::string(kHelpFileName);
    ReadAdminSwitch();

    // 4 to 6.
    BaseCaption = VersionCaption("Tamelo", editor.AdminMode != kFalse, kProgramVersion);
    SetCaption(BaseCaption);
    editor.OsMajorVersion = static_cast<std::int16_t>(OperatingSystemMajorVersion());
    FillMarketLetters();

    // 7.
    ListModified = false;
    TextListModified = 0;
    Combo1->clear();
    Combo1->setEditText("");
    EditMode = kNoOperation;
    TextSearchStart = 1;
    mnuFileItem->SetEnabled(1, false);

    // 8.
    SetTop(MSFGrid1, 700);
    SetTop(URLNEWStxt, 700);
    if (TopOf(MSFGrid1) + 800 < FormHeightTw()) SetHeight(MSFGrid1, FormHeightTw() - TopOf(MSFGrid1) - 800);

    // 9.
    if (editor.AdminMode != kFalse) {
        mnuMeigaraList->SetEnabled(5, true);
        mnuMeigaraList->SetVisible(6, true);
        mnuHenItem->SetEnabled(11, false);
    }
    // The window's first showing lays it out (Form_Resize).
    loaded_ = true;
}

void Form1::Form_Resize() {
    const int formHeight = FormHeightTw();
    const int formWidth = FormWidthTw();
    // 1.
    if (TopOf(MSFGrid1) + 800 < formHeight) {
        SetHeight(MSFGrid1, formHeight - TopOf(MSFGrid1) - 800);
        SetHeight(URLNEWStxt, formHeight - TopOf(URLNEWStxt) - 800);
        if (HeightOf(MSFGrid1) > 60 && Editor().OsMajorVersion >= 6) {
            SetHeight(MSFGrid1, HeightOf(MSFGrid1) - 50);
            SetHeight(URLNEWStxt, HeightOf(URLNEWStxt) - 50);
        }
    }
    // 2.
    if (LeftOf(MSFGrid1) + 200 < formWidth) {
        SetWidth(URLNEWStxt, formWidth - LeftOf(URLNEWStxt) - 200);
        SetWidth(MSFGrid1, formWidth - LeftOf(MSFGrid1) - 200);
        if (WidthOf(MSFGrid1) > 2870) {
            long long name = static_cast<long long>(WidthOf(MSFGrid1)) - MSFGrid1->ColWidth(1) - MSFGrid1->ColWidth(3) -
                             MSFGrid1->ColWidth(4) - MSFGrid1->ColWidth(5) - 320;
            if (Editor().AdminMode != kFalse) name -= MSFGrid1->ColWidth(6);
            if (name > 0) MSFGrid1->SetColWidth(2, static_cast<int>(name));
        }
    }
    // 3. The open cell editor follows its cell.
    if (SelectedCol >= 1) {
        const int top = MSFGrid1->TopRow();
        MSFGrid1->SetRow(SelectedRow);
        MSFGrid1->SetCol(SelectedCol);
        SetLeft(Text2, LeftOf(MSFGrid1) + MSFGrid1->CellLeft());
        SetTop(Text2, TopOf(MSFGrid1) + 240 * (SelectedRow - top) + 280);
        SetWidth(Text2, MSFGrid1->CellWidth());
        EditorLeft = LeftOf(Text2);
        MSFGrid1->SetTopRow(top);
    }
}

void Form1::Form_MouseDown(int button, int, double, double) {
    if (button == 2) ShowPopupMenu(mnuFaile);
}

void Form1::Form_MouseMove() {
    if (HoverRow != 0) {
        if (MSFGrid1->CellBackColorAt(HoverRow, HoverCol) == QBColor(9)) {
            MSFGrid1->SetCellForeColorAt(HoverRow, HoverCol, QBColor(15));
        } else {
            MSFGrid1->SetCellBackColorAt(HoverRow, HoverCol, InactiveBorderColor());
        }
        HoverRow = 0;
        HoverCol = 0;
    }
    Frame3_MouseMove();
}

void Form1::Frame3_MouseMove() {
    if (EditMode != kModifyCell) NormalButtonLook(修正BTN);
    if (EditMode != kAddRow) NormalButtonLook(行追加BTN);
    if (EditMode != kMoveRow) NormalButtonLook(行移動BTN);
    NormalButtonLook(行削除BTN);
    NormalButtonLook(リセットBTN);
}

void Form1::Form_Unload(int& cancel) {
    // 1. A cut row must not be lost: it is put back, and the window stays.
    if (EditMode == kMoveRow) {
        const MessageAnswer answer = ShowMessage("914, 行移動が完了していません。復元しますか？",
                                                 std::string(kTitleBlank), MessageIcon::Exclamation,
                                                 MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            MSFGrid1->SetRow(SelectedRow);
            MSFGrid1_MouseDown(1, 0, 0, 250);
            SelectedRow = 0;
            EditMode = kNoOperation;
        }
        SetBackColor(Label8, kBackLabelNormal);
        SetBackColor(行移動BTN, kButtonNormal);
        cancel = 1;
        return;
    }
    // 2. A half-filled new row or an unconfirmed cell value is never saved.
    if (EditMode == kAddRow || EditMode == kModifyCell) EndEditOperation();
    if (AskSaveChanges() == 2) {
        cancel = 1;
        return;
    }
    try {
        Help().CloseAll(Editor().HelpFilePath);
    } catch (const std::exception&) {
    }
    ended_ = true;
    emit Ended();
}

}  // namespace ranvik::listedit
