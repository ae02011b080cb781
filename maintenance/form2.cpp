// Form2's controls and menus at their design places, and its load, activation and unload.
#include "maintenance/form2.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/main_window.h"
#include "core/program_state.h"
#include "core/splash.h"
#include "core/window_management.h"
#include "maintenance/form2_internal.h"
#include "platform/runtime/help_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/pointers.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form2_internal;

namespace {

MDIForm1* Main() { return Program().windows.MainForm; }

const Color kActiveTab = RGB(255, 85, 80);
const Color kInactiveTab = RGB(150, 55, 50);

void SetBold(QWidget* widget, int pointSize) {
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    widget->setFont(font);
}

}  // namespace

Form2::Form2(QWidget* parent) : ChildForm(parent), drag_(new ControlDrag(this)) {
    setObjectName("Form2");
    setWindowTitle(kWindowTitle);
    resize(sizeHint());
    BuildControls();
    BuildPanels();
    BuildMenus();
}

Form2::~Form2() = default;

QSize Form2::sizeHint() const { return QSize(TwipsToPixels(7290), TwipsToPixels(7380)); }

QPushButton* Form2::AddButton(QWidget* parent, const char* name, const char* caption, const char* tip, int left,
                              int top, int width, int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(tip));
    button->setFocusPolicy(Qt::TabFocus);
    SetBold(button, 9);
    SetBackColor(button, kButtonFace);
    MoveTwips(button, left, top, width, height);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
}

LabelButton* Form2::AddCloseImage(QWidget* panel, const char* name, int left, bool hover) {
    auto* image = new LabelButton("×", panel);
    image->setObjectName(QString::fromUtf8(name));
    image->SetAutoPressLook(false);
    image->setAlignment(Qt::AlignCenter);
    image->setFrameShape(QFrame::Panel);
    image->setFrameShadow(QFrame::Raised);
    SetBackColor(image, hover ? RGB(255, 120, 120) : kButtonFace);
    SetForeColor(image, hover ? QBColor(15) : QBColor(0));
    MoveTwips(image, left, 30, 375, 200);
    image->setMouseTracking(true);
    image->setVisible(!hover);
    return image;
}

void Form2::BuildControls() {
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetBold(Label1, 9);
    MoveTwips(Label1, 60, 0, 3000, 240);

    FGrid1 = new FlexGrid(this);
    FGrid1->setObjectName("FGrid1");
    MoveTwips(FGrid1, 0, kGridTop, 7170, 7020);
    FGrid1->SetScrollBars(kFlexScrollVertical);
    connect(FGrid1, &FlexGrid::Click, this, &Form2::FGrid1_Click);
    connect(FGrid1, &FlexGrid::MouseDown, this, &Form2::FGrid1_MouseDown);
    connect(FGrid1, &FlexGrid::Scroll, this, &Form2::FGrid1_Scroll);

    Text1 = new TextBox(this);
    Text1->setObjectName("Text1");
    Text1->setFont(FGrid1->font());
    Text1->hide();
    connect(Text1, &TextBox::KeyPress, this, &Form2::Text1_KeyPress, Qt::DirectConnection);
    connect(Text1, &TextBox::KeyUp, this, &Form2::Text1_KeyUp);
}

void Form2::BuildPanels() {
    auto panel = [this](QWidget* parent, const char* name, const char* caption) {
        auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
        frame->setObjectName(QString::fromUtf8(name));
        // A panel covers the grid below it.
        SetBackColor(frame, ButtonFaceColor());
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
        return frame;
    };

    // Operation panel, with the range panel below its short height.
    Frame3 = panel(this, "Frame3", "<操作>============");
    MoveTwips(Frame3, 240, 3960, 2200, kPanelShortHeight);
    表示CMD = AddButton(Frame3, "表示CMD", "表示(O)", "データ表示", 120, 240, 1900, 300);
    追加CMD = AddButton(Frame3, "追加CMD", "(I)", "行追加", 120, 650, 550, 300);
    修正CMD = AddButton(Frame3, "修正CMD", "(A)", "データ修正", 800, 650, 550, 300);
    削除CMD = AddButton(Frame3, "削除CMD", "(D)", "行削除", 1460, 650, 550, 300);
    新ファイルCMD = AddButton(Frame3, "新ファイルCMD", "(B)", "新規銘柄ファイル作成", 120, 1000, 550, 300);
    リセットCMD = AddButton(Frame3, "リセットCMD", "(R)", "リセット", 800, 1000, 550, 300);
    銘柄削除CMD = AddButton(Frame3, "銘柄削除CMD", "(E)", "ファイル削除", 1460, 1000, 550, 300);
    終了CMD = AddButton(Frame3, "終了CMD", "閉じる(X)", "株価データ保守終了", 120, 1400, 1900, 300);
    Picture1 = AddCloseImage(Frame3, "Picture1", 1750, false);
    Picture2 = AddCloseImage(Frame3, "Picture2", 1750, true);
    Picture1->setToolTip("操作ボタンを隠す");
    Picture2->setToolTip("操作ボタン非表示");

    Frame1 = panel(Frame3, "Frame1", "範囲指定の削除");
    // Only the caption is blue: the buttons and boxes keep their own text
    // colours, disabled ones grey.
    QPalette caption = Frame1->palette();
    caption.setColor(QPalette::WindowText, ToQColor(QBColor(9)));
    Frame1->setPalette(caption);
    MoveTwips(Frame1, 50, 1850, 2120, 855);
    範囲指定BTN = AddButton(Frame1, "範囲指定BTN", "(P)", "範囲指定開始", 80, 240, 550, 255);
    範囲削除BTN = AddButton(Frame1, "範囲削除BTN", "(T)", "指定範囲削除実行", 80, 520, 550, 255);
    範囲削除保存BTN = AddButton(Frame1, "範囲削除保存BTN", "(S)", "削除結果保存", 720, 520, 550, 255);
    Text3 = new TextBox(Frame1);
    Text3->setObjectName("Text3");
    MoveTwips(Text3, 720, 270, 540, 255);
    Text4 = new TextBox(Frame1);
    Text4->setObjectName("Text4");
    MoveTwips(Text4, 1320, 270, 540, 255);
    Picture4 = AddCloseImage(Frame1, "Picture4", 1690, false);
    Picture5 = AddCloseImage(Frame1, "Picture5", 1690, true);
    Picture4->setToolTip("操作ボタンを隠す");
    Picture5->setToolTip("操作ボタン非表示");
    Frame3->hide();

    // Correction panel: the points of the loaded file.
    Frame2 = panel(this, "Frame2", "<ﾁｬｰﾄ補正>==============");
    MoveTwips(Frame2, 240, 1800, 2655, 1335);
    FGrid3 = new FlexGrid(Frame2);
    FGrid3->setObjectName("FGrid3");
    MoveTwips(FGrid3, 100, 230, 1900, 1080);
    FGrid3->SetScrollBars(kFlexScrollNone);
    Text9 = new TextBox(Frame2);
    Text9->setObjectName("Text9");
    Text9->hide();
    connect(FGrid3, &FlexGrid::Click, this, &Form2::FGrid3_Click);
    connect(FGrid3, &FlexGrid::Scroll, this, &Form2::FGrid3_Scroll);
    connect(Text9, &TextBox::KeyPress, this, &Form2::Text9_KeyPress, Qt::DirectConnection);
    connect(Text9, &TextBox::KeyUp, this, &Form2::Text9_KeyUp);
    Command1 = AddButton(Frame2, "Command1", "(R)", "リセット", 2060, 330, 500, 300);
    チャート補正保存 = AddButton(Frame2, "チャート補正保存", "保存", "補正データ書き込み", 2060, 750, 500, 300);
    Picture6 = AddCloseImage(Frame2, "Picture6", 2200, false);
    Picture7 = AddCloseImage(Frame2, "Picture7", 2200, true);
    Picture6->setToolTip("操作ボタンを隠す");
    Frame2->hide();

    // New-file panel.
    Frame4 = panel(this, "Frame4", "＜新規の銘柄データ作成＞");
    MoveTwips(Frame4, 3720, 1560, 2895, 1150);
    Picture8 = AddCloseImage(Frame4, "Picture8", 2450, false);
    Picture9 = AddCloseImage(Frame4, "Picture9", 2450, true);
    Picture8->setToolTip("操作ボタンを隠す");
    BuildNewFilePanel();
    Frame4->hide();

    connect(表示CMD, &QPushButton::clicked, this, &Form2::表示CMD_Click);
    connect(追加CMD, &QPushButton::clicked, this, &Form2::追加CMD_Click);
    connect(修正CMD, &QPushButton::clicked, this, &Form2::修正CMD_Click);
    connect(削除CMD, &QPushButton::clicked, this, &Form2::削除CMD_Click);
    connect(リセットCMD, &QPushButton::clicked, this, &Form2::リセットCMD_Click);
    connect(終了CMD, &QPushButton::clicked, this, &Form2::終了CMD_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(新ファイルCMD, &QPushButton::clicked, this, &Form2::新ファイルCMD_Click);
    connect(銘柄削除CMD, &QPushButton::clicked, this, &Form2::銘柄削除CMD_Click);
    connect(チャート補正保存, &QPushButton::clicked, this, &Form2::チャート補正保存_Click);
    connect(範囲指定BTN, &QPushButton::clicked, this, &Form2::範囲指定BTN_Click);
    connect(範囲削除BTN, &QPushButton::clicked, this, &Form2::範囲削除BTN_Click);
    connect(範囲削除保存BTN, &QPushButton::clicked, this, &Form2::範囲削除保存BTN_Click);

    for (LabelButton* normal : {Picture1, Picture4, Picture6, Picture8}) {
        connect(normal, &LabelButton::MouseMove, this, [this, normal](int, int, double, double) {
            CloseImageMouseMove(normal);
        });
    }
    connect(Picture2, &LabelButton::Click, this, [this] { mnuSelToolItem_Click(3); });
    connect(Picture5, &LabelButton::Click, this, [this] { mnuSelToolItem_Click(4); });
    connect(Picture7, &LabelButton::Click, this, [this] { mnuOperItem_Click(11); });
    connect(Picture9, &LabelButton::Click, this, &Form2::リセットCMD_Click);

    // A dragged panel lands on the window, the grid or a panel.
    for (QWidget* target : std::initializer_list<QWidget*>{this, FGrid1, Frame1, Frame2, Frame3, Frame4}) {
        drag_->SetDropTarget(target, [this, target](QWidget* source, double x, double y) {
            Panel_DragDrop(target, source, x, y);
        });
    }
}

void Form2::BuildMenus() {
    QMenuBar* bar = EnsureMenuBar();
    QMenu* view = bar->addMenu("表示(&T)");
    MenuItemArray* reverse = AddMenuArray(view, "mnu逆表示");
    reverse->Add(1, "逆表示(&Z)", "Ctrl+Z");
    reverse->SetChecked(1, true);
    connect(reverse, &MenuItemArray::Click, this, &Form2::mnu逆表示_Click);
    MenuItemArray* tools = AddMenuArray(view, "mnuSelToolItem");
    tools->Add(2, "-");
    tools->Add(3, "操作ボタン表示(&K)", "Ctrl+K");
    tools->Add(4, "拡張操作ボタン表示(&W)", "Ctrl+W");
    tools->Add(5, "株価データエクセル展開(&L)", "Ctrl+L");
    tools->Add(6, "-");
    tools->Add(7, "株価データ保守を閉じる(&X)", "Ctrl+X");
    tools->SetEnabled(4, false);
    tools->SetEnabled(5, false);
    tools->SetVisible(5, false);
    connect(tools, &MenuItemArray::Click, this, &Form2::mnuSelToolItem_Click);

    mnuOper = bar->addMenu("操作選択(&M)");
    mnuOper->setObjectName("mnuOper");
    MenuItemArray* oper = AddMenuArray(mnuOper, "mnuOperItem");
    oper->Add(1, "表示(&O)", "Ctrl+O");
    oper->Add(2, "行追加(&I)", "Ctrl+I");
    oper->Add(3, "修正(&A)", "Ctrl+A");
    oper->Add(4, "行削除(&D)", "Ctrl+D");
    oper->Add(5, "新銘柄作成(&B)", "Ctrl+B");
    oper->Add(6, "リセット(&R)", "Ctrl+R");
    oper->Add(7, "銘柄削除(&E)", "Ctrl+E");
    oper->Add(8, "-");
    oper->Add(10, "売買計算(&M)", "Ctrl+M");
    oper->Add(11, "チャート補正(&C)", "Ctrl+C");
    oper->Add(12, "補正値による株価データ修正(&S)", "Ctrl+S");
    for (int i : {2, 3, 4, 7, 11, 12}) oper->SetEnabled(i, false);
    for (int i : {10, 12}) oper->SetVisible(i, false);
    connect(oper, &MenuItemArray::Click, this, &Form2::mnuOperItem_Click);

    QMenu* win = bar->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    MenuItemArray* items = AddMenuArray(win, "mnuWinItem");
    const char* captions[] = {"重ねて表示(&D)", "上下に並べて表示(&H)", "左右に並べて表示(&V)", "アイコン整列",
                              "-",              "株価データ保守",       "窓名１",               "窓名２",
                              "窓名３",         "業績情報(&K)",         "-",                    "チャート表示窓を追加(&A)"};
    for (int i = 0; i <= 11; ++i) items->Add(i, captions[i]);
    for (int i : {3, 5, 6, 7, 8, 9}) items->SetVisible(i, false);
    connect(items, &MenuItemArray::Click, this, &Form2::mnuWinItem_Click);

    QMenu* help = bar->addMenu("ヘルプ(&H)");
    MenuItemArray* helpItems = AddMenuArray(help, "mnuHelpItem");
    helpItems->Add(0, "説明(&H)", "Ctrl+H");
    helpItems->Add(1, "ﾌﾟﾛｸﾞﾗﾑ情報(&P)");
    connect(helpItems, &MenuItemArray::Click, this, &Form2::mnuHelpItem_Click);
}

// ---------------------------------------------------------------- life cycle

void Form2::Form_Load() {
    auto& windows = Program().windows;
    const bool admin = Program().app.AdminMode == kTrue;
    windows.MaintenanceWindow = this;
    // 1.
    Label1->clear();
    // 2.
    FGrid1->SetRows(101);
    FGrid1->SetCols(14);
    FGrid1->SetColWidth(0, 700);
    FGrid1->SetColWidth(1, 1000);
    for (int c = 2; c <= 13; ++c) FGrid1->SetColWidth(c, c == 6 ? 1400 : c == 9 ? 500 : c == 13 ? 400 : 1070);
    FGrid1->SetBackColor(kGridIdleColor);
    // 3.
    SetGridHeader();
    OperationState = kIdle;
    // 4.
    SetHeight(Frame3, Item("mnuSelToolItem", 4).Checked() ? kPanelTallHeight : kPanelShortHeight);
    // 5.
    if (admin) {
        FGrid1->SetScrollBars(kFlexScrollBoth);
        FGrid3->SetScrollBars(kFlexScrollBoth);
    }
    // 6. The range and correction-save buttons wait for their operations.
    Text3->clear();
    Text4->clear();
    for (QPushButton* b : {追加CMD, 削除CMD, 修正CMD, 銘柄削除CMD, 範囲指定BTN, 範囲削除BTN, 範囲削除保存BTN, チャート補正保存}) {
        b->setEnabled(false);
    }
    // 7.
    if (MDIForm1* main = Main()) main->Item("mnuWinItem", 5).SetVisible(true);
    // No chart window can be added while all three are open.
    Item("mnuWinItem", 11).SetEnabled(!AllChartSlotsTaken());
    Item("mnuWinItem", 9).SetVisible(windows.CompanyInfoWindow != nullptr);
    // 8.
    FGrid3->SetRows(5);
    FGrid3->SetCols(4);
    const int widths[] = {200, 900, 450, 650};
    for (int c = 0; c < 4; ++c) FGrid3->SetColWidth(c, widths[c]);
    const char* titles[] = {"0", "補正位置", "倍数", "rec NO"};
    for (int c = 0; c < 4; ++c) FGrid3->SetTextMatrix(0, c, titles[c]);
}

void Form2::Form_Activate() {
    auto& windows = Program().windows;
    // 1.
    FGrid1->setFocus();
    MDIForm1* main = Main();
    if (main == nullptr) return;
    // 2. The list grid's choices mean nothing here.
    SetMousePointer(main->MSF全Grid2, 12);
    // 3.
    QMdiSubWindow* frame = Frame();
    if (frame == nullptr || (!frame->isMaximized() && !frame->isMinimized())) {
        main->setWindowTitle(QString::fromStdString(Program().app.AppTitle) + windowTitle());
    }
    // 4.
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) w->Item("mnuWinItem", 5).SetVisible(true);
    }
    Item("mnuWinItem", 9).SetVisible(windows.CompanyInfoWindow != nullptr);
    main->Item("mnuWinItem", 5).SetVisible(true);
    // 5.
    main->SetToolbarButtonsEnabled(5, 25, false);
    // 6. The chart window that becomes active next gives its tab the active
    // colour back.
    for (int no = 1; no <= 3; ++no) {
        QLabel* tab = main->WindowTab(no);
        if (tab != nullptr && BackColorOf(tab) == kActiveTab) {
            SetBackColor(tab, kInactiveTab);
            break;
        }
    }
}

void Form2::Form_Unload() {
    auto& windows = Program().windows;
    MDIForm1* main = Main();
    // 1.
    if (main != nullptr) SetMousePointer(main->MSF全Grid2, 0);
    // 2.
    if (main != nullptr) main->Item("mnuWinItem", 5).SetVisible(false);
    for (int no = 1; no <= 3; ++no) {
        if (ChartWindowBase* w = windows.ChartWindow(no)) w->Item("mnuWinItem", 5).SetVisible(false);
    }
    // 3. An abandoned new file or range operation is cleaned up.
    if (OperationState != kIdle) リセットCMD_Click();
    // 4.
    MarkedRow = 0;
    DataFilePath.clear();
    LoadedFilePath.clear();
    drag_->EndDrag();
    if (windows.MaintenanceWindow == this) windows.MaintenanceWindow = nullptr;
}

void Form2::終了CMD_Click() {
    if (QMdiSubWindow* frame = Frame()) {
        frame->close();
    } else {
        close();
    }
}

// ---------------------------------------------------------------- menus

void Form2::mnuWinItem_Click(int index) {
    if (index >= 0 && index <= 3) {
        RunWindowMenu(static_cast<std::int16_t>(index));
    } else if (index == 9) {
        if (ChildForm* company = Program().windows.CompanyInfoWindow) company->BringToFront();
    } else if (index == 11) {
        RunWindowMenu(8);
    }
}

void Form2::mnuHelpItem_Click(int index) {
    if (index == 0) {
        Help().ShowTopic(Program().app.HelpFilePath, "Manual\\RanvikC9.html");
    } else if (index == 1) {
        ShowSplash();
    }
}

void Form2::mnuOperItem_Click(int index) {
    // An item with a button looks like the button under the mouse, then
    // does what the button does.
    auto press = [this](QPushButton* button) {
        ShowHover(button);
        emit button->clicked(false);
    };
    switch (index) {
        case 1: 表示CMD_Click(); break;
        case 2: press(追加CMD); break;
        case 3: press(修正CMD); break;
        case 4: press(削除CMD); break;
        case 5: press(新ファイルCMD); break;
        case 6: リセットCMD_Click(); break;
        case 7: press(銘柄削除CMD); break;
        case 11: {
            const bool show = !Item("mnuOperItem", 11).Checked();
            Item("mnuOperItem", 11).SetChecked(show);
            Frame2->setVisible(show);
            if (show) Frame2->raise();
            break;
        }
        default: break;
    }
}

void InstallMaintenanceWindowMaker() {
    Makers().maintenanceWindow = [] { return new Form2; };
}

}  // namespace ranvik
