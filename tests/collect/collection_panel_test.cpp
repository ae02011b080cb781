#include "collect/collection_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>

#include "core/window_management.h"
#include "platform/runtime/dates.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

class CollectionPanelTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallCollectionPanelMaker();
        WriteUrlList();
        test::WriteBytes(dir.File("1301d.KDT"), "");
        Start();
        panel = qobject_cast<CollectionPanel*>(form->Picture11);
        ASSERT_NE(panel, nullptr);
        panel->show();
    }
    CollectionPanel* panel = nullptr;
};

class CollectionToolItem : public CollectionPanelTest {
protected:
    void TearDown() override {
        SetClock({});
        CollectionPanelTest::TearDown();
    }
};

TEST_F(CollectionToolItem, OpensWithTodaysTitleAndClosesAgain) {
    RunToolMenu(3);  // the set-up left it open: the item closes it
    ASSERT_TRUE(panel->isHidden());
    const struct {
        int day;
        const char* weekday;
        const char* date;
    } cases[] = {{6, "日", "2026/12/06"},  {7, "月", "2026/12/07"},  {8, "火", "2026/12/08"}, {9, "水", "2026/12/09"},
                 {10, "木", "2026/12/10"}, {11, "金", "2026/12/11"}, {12, "土", "2026/12/12"}};
    for (const auto& c : cases) {
        SetClock([&c] { return DateTime{{2026, 12, c.day}, 9, 0, 0}; });
        panel->Text9->setPlainText("前回の報告");
        RunToolMenu(3);
        EXPECT_FALSE(panel->isHidden()) << c.day;
        EXPECT_EQ(panel->Text9->toPlainText(), "") << c.day;
        EXPECT_EQ(Program().app.WeekdayText, c.weekday);
        std::string title = " 株価デ－タ収集  ";
        title.append(c.date).append(" (").append(c.weekday).append(")");
        EXPECT_EQ(panel->Label14->text().toStdString(), title);
        // The update option, chosen at start-up, closes the list-table grid.
        EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 12) << c.day;
        EXPECT_NE(MousePointerOf(form->MSFGrid1), 12) << c.day;
        RunToolMenu(3);
        EXPECT_TRUE(panel->isHidden()) << c.day;
        EXPECT_EQ(MousePointerOf(form->MSFGrid1), 0) << c.day;
        EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 0) << c.day;
    }
}

TEST_F(CollectionToolItem, TheNewStockOptionClosesTheDataFileGrid) {
    panel->Option4->click();
    RunToolMenu(3);
    SetMousePointer(form->MSFGrid1, 0);
    RunToolMenu(3);
    EXPECT_EQ(MousePointerOf(form->MSFGrid1), 12);
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 0);
    // The chart window's tools item and the main window's item are the same.
    form->Item("mnuSelToolItem", 3).Choose();
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(CollectionPanelTest, TheModeOptionsCloseTheGridTheModeDoesNotUse) {
    panel->Option4->click();
    EXPECT_EQ(MousePointerOf(form->MSFGrid1), 12);
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 1);
    EXPECT_EQ(ForeColorOf(panel->Option4), QBColor(12));
    EXPECT_EQ(ForeColorOf(panel->Option3), QBColor(0));
    panel->Option3->click();
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 12);
    EXPECT_EQ(MousePointerOf(form->MSFGrid1), 1);
    EXPECT_EQ(ForeColorOf(panel->Option3), QBColor(12));

    // A closed grid ignores presses and double clicks.
    form->MSF全Grid2->SetRow(1);
    emit form->MSF全Grid2->MouseDown(1, 0, 100.0, 300.0);
    emit form->MSF全Grid2->DblClick();
    EXPECT_EQ(form->CollectCode, "");
    EXPECT_EQ(form->SelectedListRow, 0);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(CollectionPanelTest, ADoubleClickWithoutAFourCharacterCodeShows108) {
    form->Combo2->setEditText("https://finance.example.com/quote/");
    const struct {
        int row;
        bool refused;
    } cases[] = {{1, false}, {2, true}};  // 1301d.KDT; an empty row names no code
    for (const auto& c : cases) {
        messages->shown.clear();
        form->MSFGrid1->SetRow(c.row);
        emit form->MSFGrid1->MouseDown(1, 0, 100.0, 300.0);
        emit form->MSFGrid1->DblClick();
        if (c.refused) {
            ASSERT_EQ(messages->shown.size(), 1u) << c.row;
            EXPECT_EQ(messages->shown[0].text, "108, 銘柄を指定して下さい。");
            EXPECT_EQ(messages->shown[0].title, "株価データ収集");
            EXPECT_EQ(form->CollectFilePath, "");
        } else {
            // The code passes; the address names no quote site the
            // collection knows, so the download refuses it.
            EXPECT_EQ(MessageTexts(), std::vector<std::string>{"102, 指定したアドレスではデータ収集出来ません。"})
                << c.row;
        }
        EXPECT_EQ(form->CollectCode, "") << c.row;
    }
    // A collection under way refuses another one quietly.
    Program().collection.WebUpdateBusy = kTrue;
    messages->shown.clear();
    panel->CollectFromGrid();
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(CollectionPanelTest, TheXKeyClosesThePanelAndOpensBothGrids) {
    SetMousePointer(form->MSF全Grid2, 12);
    form->Picture1_KeyDown(88, 0);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 1);
}

}  // namespace
}  // namespace ranvik
