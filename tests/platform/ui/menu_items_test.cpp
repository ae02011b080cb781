#include "platform/ui/menu_items.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>

namespace ranvik {
namespace {

TEST(MenuShortcut, ReadsTheShortcutsTheMenusUse) {
    struct Case {
        const char* text;
        QKeySequence expected;
    };
    const Case cases[] = {
        {"Ctrl+C", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"Ctrl+Z", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"F1", QKeySequence(Qt::Key_F1)},
        {"F12", QKeySequence(Qt::Key_F12)},
        {"Shift+F5", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
        {"Ctrl+F3", QKeySequence(Qt::CTRL | Qt::Key_F3)},
        {"Shift+Ctrl+F12", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F12)},
        {"Ctrl+Ins", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {"Shift+Ins", QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        {"Shift+Del", QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {"Alt+Backspace", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"Alt+BkSp", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"", QKeySequence()},
        {"F13", QKeySequence()},
        {"Hyper+C", QKeySequence()},
        {"Ctrl+c", QKeySequence()},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuShortcut(c.text), c.expected) << c.text;
}

class MenuWindow : public testing::Test {
protected:
    void SetUp() override {
        menu = window.menuBar()->addMenu(QString::fromUtf8("ﾌｧｲﾙ(&F)"));
        items = new MenuItemArray(menu, &window);
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        edit = new QLineEdit;
        layout->addWidget(edit);
        window.setCentralWidget(central);
        QObject::connect(items, &MenuItemArray::Click, [this](int index) { clicked.push_back(index); });
    }

    void ShowWithFocusInTheTextBox() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }

    QMainWindow window;
    QMenu* menu = nullptr;
    MenuItemArray* items = nullptr;
    QLineEdit* edit = nullptr;
    std::vector<int> clicked;
};

TEST_F(MenuWindow, ItemsStandInIndexOrderWithGaps) {
    items->Add(8, "ﾁｬｰﾄ表示窓追加(&C)", "Ctrl+C");
    items->Add(0, "重ねて表示(&D)");
    items->Add(4, "-");
    items->Add(2, "左右に表示(&V)");
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[0], items->Action(0));
    EXPECT_EQ(menu->actions()[1], items->Action(2));
    EXPECT_TRUE(menu->actions()[2]->isSeparator());
    EXPECT_EQ(menu->actions()[3], items->Action(8));
    EXPECT_EQ(items->Indexes(), (std::vector<int>{0, 2, 4, 8}));
    EXPECT_FALSE(items->Has(3));
    EXPECT_EQ(items->Action(3), nullptr);
    EXPECT_EQ(items->Caption(2), "左右に表示(&V)");
    EXPECT_EQ(items->Action(2)->text(), QString::fromUtf8("左右に表示(&V)"));
    EXPECT_EQ(items->Shortcut(8), "Ctrl+C");
}

TEST_F(MenuWindow, ASeparatorShowsNoTextAndCanBecomeAnItemAgain) {
    items->Add(4, "-");
    QAction* action = items->Action(4);
    EXPECT_TRUE(action->isSeparator());
    EXPECT_TRUE(action->text().isEmpty());
    EXPECT_EQ(items->Caption(4), "-");

    items->SetCaption(4, "ﾁｬｰﾄ印刷(&P)");
    EXPECT_FALSE(action->isSeparator());
    EXPECT_EQ(action->text(), QString::fromUtf8("ﾁｬｰﾄ印刷(&P)"));

    items->SetCaption(4, "-");
    EXPECT_TRUE(action->isSeparator());
    EXPECT_TRUE(action->text().isEmpty());
}

TEST_F(MenuWindow, ChoosingGivesTheIndexAndLeavesTheCheckMarkToTheHandler) {
    items->Add(3, "チャート印刷に日付を付ける(&P)");
    items->SetChecked(3, true);
    items->Choose(3);
    EXPECT_EQ(clicked, (std::vector<int>{3}));
    EXPECT_TRUE(items->Checked(3));
    EXPECT_TRUE(items->Action(3)->isChecked());
    items->SetChecked(3, false);
    items->Choose(3);
    EXPECT_FALSE(items->Action(3)->isChecked());
    EXPECT_EQ(clicked, (std::vector<int>{3, 3}));
}

TEST_F(MenuWindow, DisabledOrHiddenItemsDoNotAct) {
    items->Add(5, "業績情報(&K)");
    items->Add(7, "デバグ(&D)", "Shift+Ctrl+F12");
    items->SetVisible(5, false);
    items->SetEnabled(7, false);
    items->Choose(5);
    items->Choose(7);
    items->Choose(9);  // no such item
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(items->Visible(5));
    EXPECT_FALSE(items->Enabled(7));
    EXPECT_TRUE(items->Enabled(5));
}

TEST_F(MenuWindow, MenuShortcutWinsOverTheFocusedTextBox) {
    items->Add(8, "ﾁｬｰﾄ表示窓追加(&C)", "Ctrl+C");
    ShowWithFocusInTheTextBox();
    edit->setText("1301");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clicked, (std::vector<int>{8}));
}

TEST_F(MenuWindow, EditingKeysBoundToTheMenuReachIt) {
    items->Add(1, "切り取り", "Shift+Del");
    items->Add(2, "貼り付け", "Shift+Ins");
    items->Add(3, "元に戻す", "Alt+Backspace");
    items->Add(4, "F5", "Shift+F5");
    ShowWithFocusInTheTextBox();
    edit->setText("abc");
    QTest::keyClick(edit, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Backspace, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(clicked, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(edit->text(), "abc");
}

TEST_F(MenuWindow, KeysNotBoundToAnEnabledItemStayWithTheTextBox) {
    items->Add(8, "ﾁｬｰﾄ表示窓追加(&C)", "Ctrl+C");
    items->SetEnabled(8, false);
    ShowWithFocusInTheTextBox();
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(edit->text(), "a");
}

// Ctrl+A in a text box selects the box's text, though a menu item (the
// address bar's) is bound to it; elsewhere in the window the item acts.
TEST_F(MenuWindow, CtrlASelectsTheTextOfTheFocusedBox) {
    items->Add(3, "ｱﾄﾞﾚｽ(URL)ﾊﾞｰ表示(&A)", "Ctrl+A");
    ShowWithFocusInTheTextBox();
    edit->setText("1301 極洋");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(edit->selectedText(), QString::fromUtf8("1301 極洋"));
    // The same key with the focus off the text box reaches the item.
    window.centralWidget()->setFocusPolicy(Qt::StrongFocus);
    window.centralWidget()->setFocus();
    ASSERT_FALSE(edit->hasFocus());
    QTest::keyClick(window.centralWidget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(clicked, (std::vector<int>{3}));
}

TEST_F(MenuWindow, ShortcutOfAHiddenMenuStillActs) {
    QMenu popup;  // a menu that is never on the menu bar
    MenuItemArray popupItems(&popup, &window);
    popupItems.Add(1, "表示(&O)", "Ctrl+O");
    std::vector<int> popupClicked;
    QObject::connect(&popupItems, &MenuItemArray::Click,
                     [&](int index) { popupClicked.push_back(index); });
    ShowWithFocusInTheTextBox();
    QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(popupClicked, (std::vector<int>{1}));
}

}  // namespace
}  // namespace ranvik
