#include "platform/ui/popup_menu_service.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/ui/menu_items.h"
#include "platform/ui/qt_popup_menu_service.h"

namespace ranvik {
namespace {

// An indicator menu: items 1 and 2, a separator, and a submenu with item 5.
class PopupMenu : public testing::Test {
protected:
    void SetUp() override {
        items = new MenuItemArray(&menu, &window);
        items->Add(1, "移動平均線(&I)");
        items->Add(2, "一目均衡表(&H)");
        items->Add(3, "-");
        sub = menu.addMenu(QString::fromUtf8("カギ足(&J)"));
        subItems = new MenuItemArray(sub, &window);
        subItems->Add(5, "時系列カギ足(&J)");
        QObject::connect(items, &MenuItemArray::Click, [this](int index) { clicked.push_back(index); });
        QObject::connect(subItems, &MenuItemArray::Click, [this](int index) { clicked.push_back(index); });
    }

    QWidget window;
    QMenu menu;
    QMenu* sub = nullptr;
    MenuItemArray* items = nullptr;
    MenuItemArray* subItems = nullptr;
    std::vector<int> clicked;
};

TEST_F(PopupMenu, TheRecorderNotesMenusAndPointsInOrderAndChoosesTheQueuedItems) {
    ScopedRecordingPopupMenus popups;
    popups->QueueChoice(items->Action(2));
    popups->QueueChoice(nullptr);
    popups->QueueChoice(subItems->Action(5));
    ShowPopupMenu(&menu, QPoint(300, 200));
    ShowPopupMenu(&menu, QPoint(10, 20));
    ShowPopupMenu(&menu, QPoint(40, 50));  // the item lies in the submenu
    ShowPopupMenu(&menu, QPoint(60, 70));  // nothing queued: closed without a choice
    ASSERT_EQ(popups->shown.size(), 4u);
    EXPECT_EQ(popups->shown[0].menu, &menu);
    EXPECT_EQ(popups->shown[0].point, QPoint(300, 200));
    EXPECT_EQ(popups->shown[1].point, QPoint(10, 20));
    EXPECT_EQ(popups->shown[2].point, QPoint(40, 50));
    EXPECT_EQ(popups->shown[3].point, QPoint(60, 70));
    EXPECT_EQ(clicked, (std::vector<int>{2, 5}));
}

TEST_F(PopupMenu, TheRecorderChoosesOnlyWhatTheUserCouldChoose) {
    QMenu other;
    MenuItemArray otherItems(&other, &window);
    otherItems.Add(7, "市場");
    QObject::connect(&otherItems, &MenuItemArray::Click, [this](int index) { clicked.push_back(index); });
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QAction* item;
    };
    const Case cases[] = {
        {"an item of another menu", [] {}, otherItems.Action(7)},
        {"a disabled item", [&] { items->SetEnabled(1, false); }, items->Action(1)},
        {"a hidden item", [&] { items->SetVisible(2, false); }, items->Action(2)},
        {"an item in a disabled submenu", [&] { sub->menuAction()->setEnabled(false); }, subItems->Action(5)},
    };
    for (const Case& c : cases) {
        ScopedRecordingPopupMenus popups;
        c.arrange();
        popups->QueueChoice(c.item);
        ShowPopupMenu(&menu, QPoint(1, 1));
        EXPECT_TRUE(clicked.empty()) << c.what;
        EXPECT_TRUE(popups->choices.empty()) << c.what;  // the choice was spent
    }
}

TEST(PopupMenuService, TheRecorderStandsInUntilTheProgramInstallsItsOwn) {
    // Outside any window nothing may block: the default service records.
    EXPECT_NE(dynamic_cast<RecordingPopupMenuService*>(&PopupMenus()), nullptr);
}

TEST_F(PopupMenu, TheRealMenuShowsAtThePointAndReturnsAfterTheChoice) {
    window.show();
    bool shown = false;
    QPoint shownAt;
    QTimer::singleShot(0, &menu, [&] {
        shown = menu.isVisible();
        shownAt = menu.pos();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(items->Action(2)).center());
        if (menu.isVisible()) menu.close();  // a failed click must not leave the test waiting
    });
    QtPopupMenuService().Popup(&menu, QPoint(120, 80));
    EXPECT_TRUE(shown);
    EXPECT_EQ(shownAt, QPoint(120, 80));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(clicked, (std::vector<int>{2}));
}

TEST_F(PopupMenu, TheRealMenuClosedWithoutAChoiceDoesNothing) {
    window.show();
    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    QtPopupMenuService().Popup(&menu, QPoint(120, 80));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(clicked.empty());
}

}  // namespace
}  // namespace ranvik
