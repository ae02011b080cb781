// The menu bar, the grid's market and section popups, and the menu handlers
// of the window as a whole (edit menu, help, end).
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/menu_items.h"

namespace ranvik::listedit {

namespace {

// List items of the file menu.
constexpr int kUrlListItem = 5;
constexpr int kTopicsListItem = 6;
// Items of the edit menu.
constexpr int kSearchItem = 0;
constexpr int kEditButtonsItem = 9;
constexpr int kPrivilegeItem = 11;

MenuItemArray* NewArray(QMenu* menu, QWidget* owner, const char* name) {
    auto* array = new MenuItemArray(menu, owner);
    array->setObjectName(name);
    return array;
}

}  // namespace

void Form1::BuildMenus() {
    mnuFaile = menuBar()->addMenu("ファイル(&F)");
    mnuFaile->menuAction()->setObjectName("mnuFaile");
    mnuMeigaraList = NewArray(mnuFaile, this, "mnuMeigaraList");
    const char* lists[][2] = {{"全銘柄リスト(&A)", "Ctrl+A"},        {"東証プライム銘柄リスト(&B)", "Ctrl+B"},
                              {"東証スタンダード銘柄リスト(&N)", "Ctrl+N"}, {"東証グロース銘柄リスト(&G)", "Ctrl+G"},
                              {"名証全銘柄リスト(&E)", "Ctrl+E"},      {"URLリスト(&U)", "Ctrl+U"},
                              {"トピックスリスト(&T)", "Ctrl+T"}};
    for (int i = 0; i <= 6; ++i) mnuMeigaraList->Add(i, lists[i][0], lists[i][1]);
    mnuMeigaraList->SetEnabled(kUrlListItem, false);
    mnuMeigaraList->SetVisible(kTopicsListItem, false);
    mnuFaile->addSeparator();
    mnuFileItem = NewArray(mnuFaile, this, "mnuFileItem");
    mnuFileItem->Add(0, "開く(&O)", "Ctrl+O");
    mnuFileItem->Add(1, "保存(&S)", "Ctrl+S");
    mnuFileItem->SetVisible(0, false);
    mnuFileItem->SetEnabled(1, false);
    mnuFaile->addSeparator();
    mnuEnd = NewArray(mnuFaile, this, "mnuEnd");
    mnuEnd->Add(0, "Tameloの終了(&X)", "Ctrl+X");

    QMenu* edit = menuBar()->addMenu("編集(&E)");
    mnuHenItem = NewArray(edit, this, "mnuHenItem");
    mnuHenItem->Add(0, "検索(&F)", "Ctrl+F");
    mnuHenItem->SetEnabled(0, false);
    mnuHenItem->Add(1, "-");
    const char* editItems[] = {"部分修正(&A)", "行追加(&I)", "行削除(&D)", "行移動(&M)", "リセット(&R)"};
    for (int i = 2; i <= 6; ++i) {
        mnuHenItem->Add(i, editItems[i - 2], i == 6 ? "Ctrl+R" : "");
        mnuHenItem->SetVisible(i, false);
        mnuHenItem->SetEnabled(i, false);
    }
    mnuHenItem->Add(8, "-");
    mnuHenItem->Add(kEditButtonsItem, "編集ボタンの表示(&L)", "Ctrl+L");
    mnuHenItem->Add(10, "-");
    mnuHenItem->Add(kPrivilegeItem, "特権モード(&P)", "Ctrl+P");

    QMenu* help = menuBar()->addMenu("ヘルプ(&H)");
    mnuHelpItem = NewArray(help, this, "mnuHelpItem");
    mnuHelpItem->Add(0, "説明", "Ctrl+H");

    // The grid's popups, never on the menu bar.
    mnuSijyou = new QMenu("市場", this);
    mnuSijyou->setObjectName("mnuSijyou");
    mnuSijyouItem = NewArray(mnuSijyou, this, "mnuSijyouItem");
    const struct {
        int index;
        const char* caption;
        bool shown;
    } markets[] = {{0, "t ---東証", true},       {2, "n ---名証", true},  {3, "q ---ジャスダック", false},
                   {5, "m---マザース", false},   {6, "k ---京都", false}, {7, "f ---福証", true},
                   {8, "s ---札証", true},       {9, "h ---広島", false}, {10, "g ---新潟", false},
                   {11, "x ---その他(為替)", true}};
    for (const auto& m : markets) {
        mnuSijyouItem->Add(m.index, m.caption);
        mnuSijyouItem->SetVisible(m.index, m.shown);
    }
    mnuBu = new QMenu("部", this);
    mnuBu->setObjectName("mnuBu");
    mnuBuItem = NewArray(mnuBu, this, "mnuBuItem");
    const char* sections[] = {"0---東証、名証、福証、札証", "1---東証プライム、名証プレミア",
                              "2---東証スタンダード、名証メイン", "3---名証セ、福証Q、札証ア", "4---東証P"};
    for (int i = 0; i <= 4; ++i) mnuBuItem->Add(i, sections[i]);

    connect(mnuMeigaraList, &MenuItemArray::Click, this, &Form1::mnuMeigaraList_Click);
    connect(mnuFileItem, &MenuItemArray::Click, this, &Form1::mnuFileItem_Click);
    connect(mnuEnd, &MenuItemArray::Click, this, [this] { mnuEnd_Click(); });
    connect(mnuHenItem, &MenuItemArray::Click, this, &Form1::mnuHenItem_Click);
    connect(mnuHelpItem, &MenuItemArray::Click, this, &Form1::mnuHelpItem_Click);
    connect(mnuSijyouItem, &MenuItemArray::Click, this, &Form1::mnuSijyouItem_Click);
    connect(mnuBuItem, &MenuItemArray::Click, this, &Form1::mnuBuItem_Click);
}

void Form1::mnuEnd_Click() { close(); }

void Form1::mnuHenItem_Click(int index) {
    if (index == kSearchItem) {
        if (mnuHenItem->Checked(kSearchItem)) {
            mnuHenItem->SetChecked(kSearchItem, false);
            Frame2->hide();
        } else {
            Combo1->lineEdit()->selectAll();
            FindWrapped = 0;
            mnuHenItem->SetChecked(kSearchItem, true);
            Frame2->show();
            Combo1->setFocus();
        }
    } else if (index == kEditButtonsItem) {
        const bool show = !mnuHenItem->Checked(kEditButtonsItem);
        mnuHenItem->SetChecked(kEditButtonsItem, show);
        Frame3->setVisible(show);
    } else if (index == kPrivilegeItem && Editor().AdminMode == kFalse) {
        const bool on = !mnuHenItem->Checked(kPrivilegeItem);
        mnuHenItem->SetChecked(kPrivilegeItem, on);
        mnuMeigaraList->SetEnabled(kUrlListItem, on);
    }
}

void Form1::mnuHelpItem_Click(int index) {
    if (index != 0) return;
    try {
        Help().ShowTopic(Editor().HelpFilePath, std::string(kHelpPage));
    } catch (const std::exception&) {
        ShowMessage("054, ヘルププログラムが見つかりません", std::string(kTitle), MessageIcon::Exclamation);
    }
}

// ---------------------------------------------------------------- shared steps

void Form1::CloseMenus() {
    mnuFileItem->SetEnabled(1, false);
    for (int i = 0; i <= 6; ++i) mnuMeigaraList->SetEnabled(i, false);
}

void Form1::EnableListItems() {
    // The URL list stays closed to users who are neither administrators nor
    // in privilege mode, whatever operation ends.
    for (int i = 0; i <= 6; ++i) mnuMeigaraList->SetEnabled(i, true);
    mnuMeigaraList->SetEnabled(kUrlListItem,
                               Editor().AdminMode != kFalse || mnuHenItem->Checked(kPrivilegeItem));
}

int Form1::CheckedListItem() const {
    for (int i = 0; i <= 6; ++i)
        if (mnuMeigaraList->Checked(i)) return i;
    return -1;
}

}  // namespace ranvik::listedit
