#include "core/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "core/child_form.h"
#include "core/data_store.h"
#include "core/list_pane.h"
#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/shared_menu_items.h"
#include "core/url_list.h"
#include "core/splash.h"
#include "core/startup_checks.h"
#include "core/window_management.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"

namespace ranvik {

namespace {

const char* const kProgramName = "Ranvikチャート";
constexpr const char* kLockName = ".ranvikchart.lock";

// The frame and caption around the window's inside: the layout's fixed
// allowances (735 twips, and 150 or 220 more from system version 6 on) are
// measured against the outer height and width, frame and caption included.
constexpr int kNonClientHeightTw = 585;
constexpr int kNonClientWidthTw = 240;

// Design geometry of the bars and the list pane (twips).
constexpr int kStripHeight = 570;
constexpr int kQuickBarHeight = 660;
constexpr int kAddressBarHeight = 420;
constexpr int kListPaneWidth = 2600;
constexpr int kGridLeft = 30;
constexpr int kGridWidth = 2290;
constexpr int kTabTop = 30;
constexpr int kTabWidth = 720;
constexpr int kTabHeight = 190;
constexpr int kFileGridTop = 270;
constexpr int kFileGridHeight = 1900;
constexpr int kBothGridsShift = 2010;
constexpr int kRowHeight = 225;

// Extended parameter panel (twips).
constexpr int kViewportLeft = 30;
constexpr int kViewportTop = 330;
constexpr int kContentWidth = 2900;
constexpr int kScrollWidth = 255;

const Color kFreeTab = QBColor(11);

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

const std::array<std::string, 28>& ToolbarKeys() {
    static const std::array<std::string, 28> keys = {
        "",           "窓",     "窓ＬＲ", "窓ＵＤ",     "",       "ローソク", "比較",
        "逆ウオッチ", "Ｐ＆Ｆ", "年毎比較", "新値足非時系列", "新値足時系列", "", "十字",
        "データ",     "年",     "月",     "出来高",     "",       "拡大",     "縮小",
        "ボタン１",   "ボタン２", "指標窓", "出来高域",   "色",     "",         "業績グラフ"};
    return keys;
}


// The row a box stands in inside its frame: "日", "週" or "月" by the period
// letter that stands before the number ending its key; "" for a key without.
std::string_view RowCaption(std::string_view key) {
    if (key.size() < 3 || key.back() != '=') return "";
    std::size_t end = key.size() - 1;
    if (key[end - 1] < '0' || key[end - 1] > '9') return "";
    while (end > 0 && key[end - 1] >= '0' && key[end - 1] <= '9') --end;
    if (end == 0) return "";
    switch (key[end - 1]) {
        case 'D': return "日";
        case 'W': return "週";
        case 'M': return "月";
        default: return "";
    }
}

int BoxNumber(std::string_view box) { return std::atoi(std::string(box.substr(4)).c_str()); }

struct PanelBoxDef {
    int textNo;
    std::string_view design;
    std::string_view row;
};
struct PanelFrameDef {
    std::string_view caption;
    std::vector<PanelBoxDef> boxes;
};

// The frames of the extended panel in the order of its settings keys, and
// the parabolic start value, which has no key.
std::vector<PanelFrameDef> PanelFrames() {
    std::vector<PanelFrameDef> frames;
    for (const SettingKey& key : PanelSettingKeys()) {
        if (frames.empty() || frames.back().caption != key.frame) frames.push_back({key.frame, {}});
        frames.back().boxes.push_back({BoxNumber(key.box), key.designValue, RowCaption(key.key)});
    }
    frames.push_back({"ﾊﾟﾗﾎﾞﾘｯｸ", {{70, "0.02", "始AF"}}});
    return frames;
}

// The main window as the settings file's loader sees it.
class MainWindowSettings : public SettingsTarget {
public:
    explicit MainWindowSettings(MDIForm1& form) : form_(form) {}
    void SetWindowState(int state) override { form_.SetWindowStateNumber(state); }
    void SetFuncExItemChecked(int item, bool checked) override {
        form_.Item("mnuFuncExItem", item).SetChecked(checked);
    }
    void SetBoxText(std::string_view box, const std::string& text) override {
        if (QLineEdit* edit = form_.PanelBox(BoxNumber(box))) edit->setText(Q(text));
    }

private:
    MDIForm1& form_;
};

}  // namespace

const std::string& ToolbarKey(int position) {
    static const std::string none;
    if (position < 1 || position > 27) return none;
    return ToolbarKeys()[static_cast<std::size_t>(position)];
}

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MDIForm1");
    setWindowTitle(kProgramName);
    Program().windows.MainForm = this;
    for (int p = 1; p <= 27; ++p) {
        if (!ToolbarKey(p).empty()) toolbarEnabled_[ToolbarKey(p)] = true;
    }

    BuildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    BuildToolbarStrip();
    BuildQuickBar();
    BuildAddressBar();
    column->addWidget(Picture1);
    column->addWidget(Picture3);
    column->addWidget(Picture4);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    column->addLayout(body, 1);

    BuildListPane();
    BuildParameterPanel();
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName("MDIClient");
    mdiArea_->setBackground(QColor(171, 171, 171));
    BuildCollectionPanel();
    body->addWidget(Picture2);
    body->addWidget(HideParam);
    body->addWidget(mdiArea_, 1);
    body->addWidget(Picture11);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MDIForm1::OnSubWindowActivated);
    resize(1024, 720);
}

MDIForm1::~MDIForm1() {
    // The children's menu bars belong to their windows, which go after this
    // frame's own parts: they leave the bar stack first.
    for (int i = menuStack_->count() - 1; i >= 0; --i) {
        QWidget* bar = menuStack_->widget(i);
        if (bar == mainMenuBar_) continue;
        bar->disconnect(menuStack_);
        menuStack_->removeWidget(bar);
        bar->setParent(nullptr);
    }
    if (Program().windows.MainForm == this) Program().windows.MainForm = nullptr;
    // Closing the frame's window after this body hides the child windows,
    // and the area would report an activation to a frame already gone.
    mdiArea_->disconnect(this);
}

// ---------------------------------------------------------------- building

void MDIForm1::BuildMenus() {
    // The main window's bar and the bars of the child windows share one
    // place: the active child's bar stands in for the main window's.
    menuStack_ = new QStackedWidget(this);
    mainMenuBar_ = new QMenuBar(menuStack_);
    menuStack_->addWidget(mainMenuBar_);
    setMenuWidget(menuStack_);

    QMenu* file = mainMenuBar_->addMenu("ﾌｧｲﾙ(&F)");
    MenuItemArray* fileItems = menus_.Add(file, this, "mnuFileItem");
    AddBarItems(*fileItems);
    connect(fileItems, &MenuItemArray::Click, this, [this](int i) { mnuFileItem_Click(i); });
    file->addSeparator();

    QMenu* funcEx = file->addMenu("その他機能(&O)");
    funcEx->menuAction()->setObjectName("mnuFuncEx");
    MenuItemArray* funcExItems = menus_.Add(funcEx, this, "mnuFuncExItem");
    AddFuncExItems(*funcExItems);
    for (int i = 0; i <= 8; ++i) {
        // Only the debug item can be chosen here; the others show the marks
        // the chart windows set.
        funcExItems->SetEnabled(i, i == 7);
        funcExItems->SetVisible(i, i != 6 && i != 7);
    }
    connect(funcExItems, &MenuItemArray::Click, this, [this](int i) { mnuFuncExItem_Click(i); });
    file->addSeparator();
    MenuItemArray* gyouEnd = menus_.Add(file, this, "mnuGyouEnd");
    gyouEnd->Add(1, "業績情報窓を閉じる(&K)");
    gyouEnd->SetEnabled(1, false);
    connect(gyouEnd, &MenuItemArray::Click, this, [this](int) { mnuGyouEnd_Click(); });
    file->addSeparator();
    MenuItemArray* end = menus_.Add(file, this, "mnuEnd");
    end->Add(1, "アプリケーション終了(&X)", "Ctrl+X");
    connect(end, &MenuItemArray::Click, this, [this](int) { mnuEnd_Click(); });

    QMenu* tools = mainMenuBar_->addMenu("ツール(&T)");
    MenuItemArray* toolItems = menus_.Add(tools, this, "mnuSelToolItem");
    toolItems->Add(1, "株価データ保守 (&D)", "Ctrl+D");
    toolItems->Add(3, "株価データ収集(&F)", "Ctrl+F");
    toolItems->Add(7, "Tamelo(&M)", "Ctrl+M");

    QMenu* win = mainMenuBar_->addMenu("ｳｲﾝﾄﾞｳ(&W)");
    MenuItemArray* winItems = menus_.Add(win, this, "mnuWinItem");
    const char* winCaptions[] = {"重ねて表示(&D)", "上下に表示(&H)", "左右に表示(&V)", "アイコン整列",      "-",
                                 "株価データ保守(&J)", "業績情報(&K)", "-",                "ﾁｬｰﾄ表示窓追加(&C)"};
    for (int i = 0; i <= 8; ++i) winItems->Add(i, winCaptions[i], i == 8 ? "Ctrl+C" : "");
    for (int i : {3, 5, 6}) winItems->SetVisible(i, false);
    connect(winItems, &MenuItemArray::Click, this, [this](int i) { mnuWinItem_Click(i); });

    QMenu* company = mainMenuBar_->addMenu("会社情報(&K)");
    company->menuAction()->setObjectName("mnu会社");
    MenuItemArray* companyItems = menus_.Add(company, this, "mnu会社Item");
    companyItems->Add(0, "業績情報(&I)");
    companyItems->Add(1, "業績データ(&D)");
    companyItems->SetVisible(1, false);

    QMenu* help = mainMenuBar_->addMenu("ヘルプ(&H)");
    MenuItemArray* helpItems = menus_.Add(help, this, "mnuHelpItem");
    helpItems->Add(1, "説明(&H)", "Ctrl+H");
    helpItems->Add(2, "プログラム情報(&P)");
    connect(helpItems, &MenuItemArray::Click, this, [this](int i) { mnuHelpItem_Click(i); });
}

void MDIForm1::BuildToolbarStrip() {
    Picture1 = new QFrame(centralWidget());
    Picture1->setObjectName("Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFixedHeight(TwipsToPixels(kStripHeight));
    Picture1->setFocusPolicy(Qt::StrongFocus);
}

void MDIForm1::BuildQuickBar() {
    Picture3 = new QFrame(centralWidget());
    Picture3->setObjectName("Picture3");
    Picture3->setFrameShape(QFrame::StyledPanel);
    Picture3->setFixedHeight(TwipsToPixels(kQuickBarHeight));
    Picture3->installEventFilter(this);

    auto box = [this](int textNo, int labelNo, const char* caption, QWidget* parent, int left, int top) {
        auto* label = new QLabel(caption, parent);
        label->setObjectName(QString("Label%1").arg(labelNo));
        MoveTwips(label, left, top, 800, 210);
        auto* edit = new QLineEdit(QString("T%1").arg(textNo), parent);
        edit->setObjectName(QString("Text%1").arg(textNo));
        MoveTwips(edit, left, top + 225, 500, 285);
        QuickBoxes[textNo] = edit;
        QuickLabels[labelNo] = label;
    };
    const struct {
        int text, label;
        const char* caption;
    } boxes[] = {{2, 6, "出来平均"}, {3, 7, ""},          {4, 8, ""},         {5, 9, ""},
                 {6, 10, ""},        {8, 12, "ﾊﾟﾗﾎﾞﾘｯｸ"}, {18, 24, "線形回帰"}, {17, 23, "逆ｳｫｯﾁ"}};
    int left = 120;
    for (const auto& b : boxes) {
        box(b.text, b.label, b.caption, Picture3, left, 60);
        left += 900;
    }
    // The MACD group: its caption stands left of its three boxes, the bar
    // being too low for a caption above them.
    auto* frame2 = new QGroupBox(Picture3);
    frame2->setObjectName("Frame2");
    MoveTwips(frame2, left, 15, 2700, 600);
    auto* macd = new QLabel("MACD", frame2);
    MoveTwips(macd, 60, 210, 540, 240);
    box(10, 16, "短", frame2, 600, 30);
    box(11, 17, "長", frame2, 1260, 30);
    box(12, 18, "ｼｸﾞﾅﾙ", frame2, 1920, 30);
    for (auto& [no, label] : QuickLabels) {
        QFont f = label->font();
        f.setPointSize(8);
        label->setFont(f);
    }
}

void MDIForm1::BuildAddressBar() {
    Picture4 = new QFrame(centralWidget());
    Picture4->setObjectName("Picture4");
    Picture4->setFrameShape(QFrame::StyledPanel);
    Picture4->setFixedHeight(TwipsToPixels(kAddressBarHeight));
    auto* caption = new QLabel(Picture4);
    caption->setObjectName("Picture4Caption");
    MoveTwips(caption, 350, 50, 700, 300);
    Combo2 = new QComboBox(Picture4);
    Combo2->setObjectName("Combo2");
    Combo2->setEditable(true);
    MoveTwips(Combo2, 1100, 45, 8000, 315);
    Picture4->hide();
}

void MDIForm1::BuildListPane() {
    Picture2 = new QFrame(centralWidget());
    Picture2->setObjectName("Picture2");
    Picture2->setFrameShape(QFrame::StyledPanel);
    Picture2->setFixedWidth(TwipsToPixels(kListPaneWidth));
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(this);

    LabelButton** tabs[] = {&Label3, &Label4, &Label5};
    for (int i = 0; i < 3; ++i) {
        auto* tab = new LabelButton(Picture2);
        tab->SetAutoPressLook(false);
        tab->setObjectName(QString("Label%1").arg(3 + i));
        tab->setAlignment(Qt::AlignCenter);
        tab->setFrameShape(QFrame::Panel);
        tab->setFrameShadow(QFrame::Raised);
        MoveTwips(tab, kGridLeft + i * 735, kTabTop, kTabWidth, kTabHeight);
        SetBackColor(tab, kFreeTab);
        QFont f = tab->font();
        f.setPointSize(7);
        tab->setFont(f);
        const int no = i + 1;
        connect(tab, &LabelButton::MouseDown, this, [this, no](int, int, double, double) { WindowTab_MouseDown(no); });
        connect(tab, &LabelButton::MouseUp, this, [this, no](int, int, double, double) { WindowTab_MouseUp(no); });
        *tabs[i] = tab;
    }

    Picture7 = new LabelButton("切換", Picture2);
    Picture7->SetAutoPressLook(false);
    Picture7->setObjectName("Picture7");
    Picture7->setToolTip("銘柄リスト切換(M)");
    Picture7->setAlignment(Qt::AlignCenter);
    Picture7->setFrameShape(QFrame::Panel);
    Picture7->setFrameShadow(QFrame::Raised);
    MoveTwips(Picture7, 2250, 15, 300, 225);
    QFont small = Picture7->font();
    small.setPointSize(7);
    Picture7->setFont(small);
    Picture7->setMouseTracking(true);
    connect(Picture7, &LabelButton::MouseDown, this, [this](int, int, double, double) { Picture7_MouseDown(); });
    connect(Picture7, &LabelButton::MouseUp, this, [this](int, int, double, double) { Picture7_MouseUp(); });
    connect(Picture7, &LabelButton::MouseMove, this, [this](int, int, double, double) { Picture7_MouseMove(); });
    Picture8 = new QLabel("切換", Picture2);
    Picture8->setObjectName("Picture8");
    Picture8->setAlignment(Qt::AlignCenter);
    Picture8->setFrameShape(QFrame::Panel);
    Picture8->setFrameShadow(QFrame::Sunken);
    Picture8->setFont(small);
    MoveTwips(Picture8, 2265, 30, 300, 225);
    Picture8->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture8->hide();

    // The grids, the chooser and the search frame come from the list pane;
    // they sit on this pane among its other controls.
    listPane_ = new ListPane(Picture2);
    listPane_->hide();
    listPane_->FocusToolbar = [this] { FocusToolbarStrip(); };
    MSFGrid1 = listPane_->MSFGrid1;
    Combo1 = listPane_->Combo1;
    Frame26 = listPane_->Frame26;
    Combo3 = listPane_->Combo3;
    MSF全Grid2 = listPane_->MSF全Grid2;
    MSFGrid1->setObjectName("MSFGrid1");
    MSF全Grid2->setObjectName("MSF全Grid2");
    Combo1->setObjectName("Combo1");
    Frame26->setObjectName("Frame26");
    Combo3->setObjectName("Combo3");
    for (QWidget* w : {static_cast<QWidget*>(MSFGrid1), static_cast<QWidget*>(Combo1),
                       static_cast<QWidget*>(Frame26), static_cast<QWidget*>(MSF全Grid2)}) {
        w->setParent(Picture2);
        w->show();
    }
    Frame26->hide();
    // Neither grid has a fixed column.
    for (FlexGrid* grid : {MSFGrid1, MSF全Grid2}) grid->SetFixedCols(0);

    const int chooserTop = kFileGridTop + kBothGridsShift;
    MoveTwips(MSFGrid1, kGridLeft, kFileGridTop, kGridWidth, kFileGridHeight);
    MoveTwips(Combo1, kGridLeft, chooserTop, 1500, 315);
    connect(MSFGrid1, &FlexGrid::MouseMove, this, [this](int, int, double, double) { Grid_MouseMove(); });

    Picture5 = new QLabel("即表示", Picture2);
    Picture5->setObjectName("Picture5");
    Picture5->setFrameShape(QFrame::Panel);
    Picture5->setFrameShadow(QFrame::Raised);
    Picture5->setAlignment(Qt::AlignCenter);
    Picture5->setFont(small);
    MoveTwips(Picture5, 1620, chooserTop + 15, 600, 285);
    Picture6 = new QLabel("即表示", Picture2);
    Picture6->setObjectName("Picture6");
    Picture6->setFrameShape(QFrame::Panel);
    Picture6->setFrameShadow(QFrame::Sunken);
    Picture6->setAlignment(Qt::AlignCenter);
    Picture6->setFont(small);
    MoveTwips(Picture6, 2250, chooserTop + 15, 600, 285);
    Picture6->hide();

    Frame1 = new QGroupBox(Picture2);
    Frame1->setObjectName("Frame1");
    MoveTwips(Frame1, kGridLeft, chooserTop + 330, kGridWidth, 330);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    Option1 = new QRadioButton("日", Frame1);
    Option1->setObjectName("Option1");
    MoveTwips(Option1, 120, 30, 700, 270);
    Option2 = new QRadioButton("週", Frame1);
    Option2->setObjectName("Option2");
    MoveTwips(Option2, 1000, 30, 700, 270);
    Option2->setChecked(true);

    MoveTwips(Frame26, kGridLeft, chooserTop - 10, kGridWidth, 690);
    MoveTwips(Combo3, 30, 30, 2200, 300);
    検索cmd = new QPushButton("検索", Frame26);
    検索cmd->setObjectName("検索cmd");
    MoveTwips(検索cmd, 30, 360, 1000, 285);
    Command2 = new QPushButton("閉じる", Frame26);
    Command2->setObjectName("Command2");
    MoveTwips(Command2, 1230, 360, 1000, 285);
    Frame26->raise();

    MoveTwips(MSF全Grid2, kGridLeft, chooserTop + 690, kGridWidth, 4000);
    connect(MSF全Grid2, &FlexGrid::MouseMove, this, [this](int, int, double, double) { Grid_MouseMove(); });
    QFont gridFont = MSFGrid1->font();
    gridFont.setPointSize(9);
    MSFGrid1->setFont(gridFont);
    MSF全Grid2->setFont(gridFont);
    ActiveGrid = MSFGrid1;
}

void MDIForm1::BuildParameterPanel() {
    HideParam = new QFrame(centralWidget());
    HideParam->setObjectName("HideParam");
    HideParam->setFrameShape(QFrame::StyledPanel);
    HideParam->setFixedWidth(TwipsToPixels(kScrollWidth + 3000));

    Picture14 = new QWidget(HideParam);
    Picture14->setObjectName("Picture14");
    MoveTwips(Picture14, kViewportLeft, kViewportTop, kContentWidth, 4000);
    VScroll1 = new QScrollBar(Qt::Vertical, HideParam);
    VScroll1->setObjectName("VScroll1");
    MoveTwips(VScroll1, kViewportLeft + kContentWidth, kViewportTop, kScrollWidth, 4000);
    VScroll1->setSingleStep(TwipsToPixels(300));
    VScroll1->setPageStep(TwipsToPixels(1500));
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int) { VScroll1_Change(); });

    Image2 = new LabelButton("×", HideParam);
    Image2->SetAutoPressLook(false);
    Image2->setObjectName("Image2");
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setFrameShape(QFrame::Panel);
    Image2->setFrameShadow(QFrame::Raised);
    Image2->setToolTip("閉じる");
    MoveTwips(Image2, kScrollWidth + 3000 - kScrollWidth - 150, 45, 240, 240);
    connect(Image2, &LabelButton::MouseDown, this, [this](int, int, double, double) { Image2_MouseDown(); });
    connect(Image2, &LabelButton::MouseUp, this, [this](int, int, double, double) { Image2_MouseUp(); });

    Picture13 = new QWidget(Picture14);
    Picture13->setObjectName("Picture13");
    Label35 = new QLabel("ﾊﾟﾗﾒﾀの設定", Picture13);
    Label35->setObjectName("Label35");
    MoveTwips(Label35, 60, 30, 2000, 270);
    QFont bold = Label35->font();
    bold.setBold(true);
    Label35->setFont(bold);

    QFont small = font();
    small.setPointSize(8);
    int top = 360;
    for (const PanelFrameDef& frameDef : PanelFrames()) {
        // One row per period (日, 週, 月), boxes left to right.
        std::vector<std::pair<std::string_view, std::vector<const PanelBoxDef*>>> rows;
        for (const PanelBoxDef& b : frameDef.boxes) {
            if (rows.empty() || rows.back().first != b.row) rows.push_back({b.row, {}});
            rows.back().second.push_back(&b);
        }
        auto* frame = new QGroupBox(Q(frameDef.caption), Picture13);
        frame->setFont(small);
        const int height = 240 + static_cast<int>(rows.size()) * 330 + 60;
        MoveTwips(frame, 60, top, kContentWidth - 120, height);
        int rowTop = 240;
        for (const auto& [caption, boxes] : rows) {
            auto* label = new QLabel(Q(caption), frame);
            MoveTwips(label, 90, rowTop + 30, 420, 240);
            int left = 540;
            for (const PanelBoxDef* b : boxes) {
                auto* edit = new QLineEdit(Q(b->design), frame);
                edit->setObjectName(QString("Text%1").arg(b->textNo));
                MoveTwips(edit, left, rowTop, 600, 285);
                panelBoxes_[b->textNo] = edit;
                left += 690;
            }
            rowTop += 330;
        }
        top += height + 45;
    }
    復元ini = new QPushButton("パラメタをリセット", Picture13);
    復元ini->setObjectName("復元ini");
    MoveTwips(復元ini, 300, top + 60, 2200, 360);
    MoveTwips(Picture13, 0, 0, kContentWidth, top + 540);
    HideParam->hide();
}

void MDIForm1::BuildCollectionPanel() {
    if (Makers().collectionPanel) Picture11 = Makers().collectionPanel(centralWidget());
    if (Picture11 == nullptr) Picture11 = new QFrame(centralWidget());
    Picture11->setObjectName("Picture11");
    Picture11->hide();
}

// ---------------------------------------------------------------- accessors

QLineEdit* MDIForm1::PanelBox(int textNo) const {
    const auto it = panelBoxes_.find(textNo);
    return it == panelBoxes_.end() ? nullptr : it->second;
}

QLabel* MDIForm1::WindowTab(int no) const { return no == 1 ? Label3 : no == 2 ? Label4 : no == 3 ? Label5 : nullptr; }

void MDIForm1::SetToolbarButtonEnabled(const std::string& key, bool enabled) {
    const auto it = toolbarEnabled_.find(key);
    if (it != toolbarEnabled_.end()) it->second = enabled;
}

void MDIForm1::SetToolbarButtonsEnabled(int fromPosition, int toPosition, bool enabled) {
    for (int p = fromPosition; p <= toPosition; ++p) SetToolbarButtonEnabled(ToolbarKey(p), enabled);
}

bool MDIForm1::ToolbarButtonEnabled(const std::string& key) const {
    const auto it = toolbarEnabled_.find(key);
    return it != toolbarEnabled_.end() && it->second;
}

bool MDIForm1::ToolbarButtonEnabled(int position) const { return ToolbarButtonEnabled(ToolbarKey(position)); }

int MDIForm1::FormHeightTw() const { return PixelsToTwips(height()) + kNonClientHeightTw; }

int MDIForm1::FormWidthTw() const { return PixelsToTwips(width()) + kNonClientWidthTw; }

int MDIForm1::WindowStateNumber() const {
    if (windowState() & Qt::WindowMinimized) return 1;
    if (windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

void MDIForm1::SetWindowStateNumber(int state) {
    switch (state) {
        case 0: setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); break;
        case 1: setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized); break;
        case 2: setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized); break;
        default: break;  // not a window state: the window stays as it is
    }
}

// ---------------------------------------------------------------- child windows

void MDIForm1::ShowChild(ChildForm* child) {
    QMdiSubWindow* frame = mdiArea_->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    child->Load();
    if (child->OpensMaximized()) {
        frame->showMaximized();
    } else {
        frame->show();
    }
    mdiArea_->setActiveSubWindow(frame);
}

ChildForm* MDIForm1::ActiveChild() const {
    QMdiSubWindow* frame = mdiArea_->activeSubWindow();
    return frame != nullptr ? qobject_cast<ChildForm*>(frame->widget()) : nullptr;
}

void MDIForm1::OnSubWindowActivated(QMdiSubWindow* window) {
    ChildForm* child = window != nullptr ? qobject_cast<ChildForm*>(window->widget()) : nullptr;
    ShowMenuBarOf(child);
    if (child != nullptr) child->Form_Activate();
}

void MDIForm1::ShowMenuBarOf(ChildForm* child) {
    QMenuBar* bar = child != nullptr ? child->MenuBar() : nullptr;
    if (bar == nullptr) bar = mainMenuBar_;
    if (menuStack_->indexOf(bar) < 0) {
        menuStack_->addWidget(bar);
        // The stack does not own a child's bar: it goes with its window.
        connect(bar, &QObject::destroyed, menuStack_, [this] { menuStack_->setCurrentWidget(mainMenuBar_); });
    }
    menuStack_->setCurrentWidget(bar);
    // Only the shown bar's shortcuts may act, or Ctrl+X would be claimed by
    // two bars at once and neither would act.  The items of the other bars
    // keep their shortcuts but answer them only while their own window
    // holds the focus, which a window never does here.
    auto shortcutsOf = [](QWidget* owner, bool active) {
        for (QAction* action : owner->actions()) {
            action->setShortcutContext(active ? Qt::WindowShortcut : Qt::WidgetShortcut);
        }
    };
    shortcutsOf(this, bar == mainMenuBar_);
    for (QMdiSubWindow* frame : mdiArea_->subWindowList()) {
        if (auto* other = qobject_cast<ChildForm*>(frame->widget())) {
            shortcutsOf(other, other->MenuBar() != nullptr && other->MenuBar() == bar);
        }
    }
}

void MDIForm1::FocusToolbarStrip() {
    if (Picture1->isVisible()) Picture1->setFocus();
}

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

void MDIForm1::Combo1_Click() { listPane_->Combo1_Click(); }

void MDIForm1::FillDataFileList(const std::string& folder) {
    // A table that cannot be read is reported; the grid keeps the file names.
    try {
        ranvik::FillDataFileList(*MSFGrid1, folder);
    } catch (const FileError&) {
        ShowMessage("<全銘柄> --- 銘柄リストを読めません", kProgramName, MessageIcon::Exclamation);
    }
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
        // downloading.
        if (!Item("mnuFuncExItem", 7).Checked()) {
            const auto& d = Program().download;
            for (const std::string* page : {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4, &d.PageFile5,
                                            &d.PageFile6, &d.PageFile7, &d.PageFile8, &d.PageHeadFile}) {
                if (!page->empty()) DeleteFile(*page);
            }
        }
        // 3.
        Help().CloseAll(app.HelpFilePath);
    }
    instanceLock_.Release();
    emit Ended();
}

void MDIForm1::mnuEnd_Click() { close(); }

void MDIForm1::mnuGyouEnd_Click() {
    if (ChildForm* company = Program().windows.CompanyInfoWindow) {
        if (QMdiSubWindow* frame = company->Frame()) {
            frame->close();
        } else {
            company->close();
        }
    }
}

// ---------------------------------------------------------------- view items

void MDIForm1::SetBarVisible(int index, bool visible) {
    switch (index) {
        case 0:
        case 2:
        case 3: {
            QFrame* bar = index == 0 ? Picture3 : index == 2 ? Picture1 : Picture4;
            // The list grid gives the bar its room and takes it back.
            const int change = HeightOf(bar);
            bar->setVisible(visible);
            SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) + (visible ? -change : change));
            break;
        }
        case 1: HideParam->setVisible(visible); break;
        case 4: Picture2->setVisible(visible); break;
        default: break;
    }
}

void MDIForm1::mnuFileItem_Click(int index) {
    // Item 5 (hidden) has no action.
    if (index < 0 || index > 4) return;
    const bool show = !Item("mnuFileItem", index).Checked();
    SetBarVisible(index, show);
    SetFileMenuChecked(static_cast<std::int16_t>(index), show);
}

// ---------------------------------------------------------------- window menu

void MDIForm1::mnuWinItem_Click(int index) {
    if (index == 8) RunWindowMenu(8);
    else BringNeighbourWindowForward(index);
}

void MDIForm1::mnuFuncExItem_Click(int index) {
    const MenuItem item = Item("mnuFuncExItem", index);
    if (!item.Exists()) return;
    const bool check = !item.Checked();
    SetFuncExMenuChecked(static_cast<std::int16_t>(index), check);
    if (index == 7) Program().app.AppTitle = check ? "RanvikチャートsupDebug " : "Ranvikチャートsup ";
}

void MDIForm1::mnuHelpItem_Click(int index) {
    if (index == 1) {
        std::string page = "Manual\\RanvikC5.html";
        if (!Picture11->isHidden()) {
            page = "Manual\\RanvikC8.html";
        } else if (ActiveChild() != nullptr) {
            page = "Manual\\RanvikC6.html";
        }
        Help().ShowTopic(Program().app.HelpFilePath, page);
    } else if (index == 2) {
        ShowSplash();
    }
}

// ---------------------------------------------------------------- window tabs

void MDIForm1::WindowTab_MouseDown(int no) {
    QLabel* tab = WindowTab(no);
    if (tab == nullptr || BackColorOf(tab) == kFreeTab) return;
    pressedTab_ = tab;
    PressWindowTab(tab);
    if (ChartWindowBase* window = Program().windows.ChartWindow(no)) window->BringToFront();
}

void MDIForm1::WindowTab_MouseUp(int no) {
    QLabel* tab = WindowTab(no);
    if (tab == nullptr || BackColorOf(tab) == kFreeTab) return;
    ReleaseWindowTab();
}

void MDIForm1::PressWindowTab(QLabel* tab) {
    pressedTabTop_ = TopOf(tab);
    pressedTabLeft_ = LeftOf(tab);
    MoveTwips(tab, pressedTabLeft_ + 15, pressedTabTop_ + 15, WidthOf(tab) - 25, HeightOf(tab) - 30);
}

void MDIForm1::ReleaseWindowTab() {
    if (pressedTab_ == nullptr) return;
    MoveTwips(pressedTab_, pressedTabLeft_, pressedTabTop_, kTabWidth, kTabHeight);
}

// ---------------------------------------------------------------- list pane

void MDIForm1::Picture7_MouseDown() {
    Picture8->move(Picture7->x(), Picture8->y());
    Picture8->show();
    Picture8->raise();
}

void MDIForm1::Picture7_MouseUp() {
    Picture8->hide();
    Picture7->show();
    ListLayout = static_cast<std::int16_t>((ListLayout + 1) % 3);
    QWidget* movers[] = {Combo1, Frame1, Frame26, MSF全Grid2, Picture5, Picture6};
    auto shift = [&](int by) {
        for (QWidget* w : movers) SetTop(w, TopOf(w) + by);
    };
    if (ListLayout == kListGridAlone) {
        MSFGrid1->hide();
        shift(-kBothGridsShift);
        SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) + kBothGridsShift);
        ActiveGrid = MSF全Grid2;
    } else if (ListLayout == kFileGridAlone) {
        MSF全Grid2->hide();
        Frame1->hide();
        Combo1->hide();
        Frame26->hide();
        Picture5->hide();
        Picture6->hide();
        MSFGrid1->show();
        int height = MSFGrid1->Rows() * kRowHeight;
        const int room = FormHeightTw() - [this] {
            int top = 0;
            for (QWidget* bar : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Picture3),
                                 static_cast<QWidget*>(Picture4)}) {
                if (!bar->isHidden()) top += HeightOf(bar);
            }
            return top;
        }() - TopOf(MSFGrid1) - 780;
        if (room < height) {
            height = room;
            if (Program().app.OsMajorVersion >= 6 && height > 130) height -= 130;
        }
        SetHeight(MSFGrid1, height);
        ActiveGrid = MSFGrid1;
    } else {
        SetHeight(MSFGrid1, kFileGridHeight);
        MSFGrid1->show();
        Frame1->show();
        Combo1->show();
        Picture5->show();
        if (MSFGrid1->Row() != 0) MSFGrid1->SetTopRow(MSFGrid1->Row());
        MSF全Grid2->show();
        shift(kBothGridsShift);
        if (Combo1->currentText() == "検索") Frame26->show();
        if (HeightOf(MSF全Grid2) > kBothGridsShift) SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) - kBothGridsShift);
    }
    FocusToolbarStrip();
}

void MDIForm1::Picture7_MouseMove() {
    SetMousePointer(Picture2, 1);
    ListPaneDragX = 0;
}

void MDIForm1::Grid_MouseMove() {
    if (MousePointerOf(Picture2) == 9) {
        SetMousePointer(Picture2, 1);
        ListPaneDragX = 0;
    }
}

void MDIForm1::Frame1_MouseMove() { SetMousePointer(Picture2, 1); }

void MDIForm1::Picture2_MouseMove(int button, int x) {
    if (Program().app.AdminMode != kTrue) return;
    const bool sizing = MousePointerOf(Picture2) == 9;
    if (ListPaneDragX != 0 && button == 1 && sizing) {
        const double width = WidthOf(Picture2) + (x - ListPaneDragX);
        if (width < ListPaneMinWidth) {
            Picture2->setFixedWidth(TwipsToPixels(ListPaneMinWidth));
            if (WidthOf(MSFGrid1) != kGridWidth) {
                SetWidth(MSFGrid1, kGridWidth);
                SetWidth(MSF全Grid2, kGridWidth);
            }
            SetMousePointer(Picture2, 1);
            ListPaneDragX = 0;
            FocusToolbarStrip();
            return;
        }
        Picture2->setFixedWidth(TwipsToPixels(width));
        auto columnsWidth = [](FlexGrid* grid) {
            int sum = 0;
            for (int c = 0; c < grid->Cols(); ++c) sum += grid->ColWidth(c);
            return sum;
        };
        if (width < columnsWidth(MSFGrid1) + 400) SetWidth(MSFGrid1, static_cast<int>(width));
        if (width < columnsWidth(MSF全Grid2) + 400) SetWidth(MSF全Grid2, static_cast<int>(width));
        ListPaneDragX = x;
        return;
    }
    if (x > WidthOf(Picture2) - 150 && button == 0) {
        SetMousePointer(Picture2, 9);
        ListPaneDragX = x;
    } else {
        SetMousePointer(Picture2, 1);
        ListPaneDragX = 0;
    }
}

void MDIForm1::Picture2_Click() { FocusToolbarStrip(); }

void MDIForm1::Picture3_Click() { FocusToolbarStrip(); }

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == Picture2) {
        if (type == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            Picture2_MouseMove((e->buttons() & Qt::LeftButton) ? 1 : 0, PixelsToTwips(static_cast<int>(e->position().x())));
        } else if (type == QEvent::MouseButtonRelease) {
            Picture2_Click();
        }
    } else if (watched == Picture3 && type == QEvent::MouseButtonRelease) {
        Picture3_Click();
    } else if (watched == Frame1 && type == QEvent::MouseMove) {
        Frame1_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- extended panel

void MDIForm1::VScroll1_Change() {
    Picture13->move(Picture13->x(), -VScroll1->value());
    FocusToolbarStrip();
}

void MDIForm1::Image2_MouseDown() {
    image2Left_ = LeftOf(Image2);
    image2Top_ = TopOf(Image2);
    MoveTwips(Image2, image2Left_ + 10, image2Top_ + 10, WidthOf(Image2) - 20, HeightOf(Image2) - 20);
}

void MDIForm1::Image2_MouseUp() {
    MoveTwips(Image2, LeftOf(Image2) - 10, TopOf(Image2) - 10, WidthOf(Image2) + 20, HeightOf(Image2) + 20);
    HideParam->hide();
    SetFileMenuChecked(1, false);
}

}  // namespace ranvik
