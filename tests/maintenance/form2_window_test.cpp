// The window itself: menus, controls, activation over real chart windows, help, popup, panels and resize.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "chart/window/form3.h"
#include "core/window_management.h"
#include "platform/runtime/help_service.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/label_button.h"
#include "platform/ui/pointers.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::FileOf;
using test::ThreeBars;

class Form2WindowTest : public test::Form2Test {};

TEST_F(Form2WindowTest, EveryMenuItemHasItsCaptionShortcutAndStartState) {
    struct Item {
        const char* array;
        int index;
        const char* caption;
        const char* shortcut;
        bool enabled;
        bool visible;
        bool checked;
    };
    const Item items[] = {
        {"mnu逆表示", 1, "逆表示(&Z)", "Ctrl+Z", true, true, true},
        {"mnuSelToolItem", 2, "-", "", true, true, false},
        {"mnuSelToolItem", 3, "操作ボタン表示(&K)", "Ctrl+K", true, true, false},
        {"mnuSelToolItem", 4, "拡張操作ボタン表示(&W)", "Ctrl+W", false, true, false},
        {"mnuSelToolItem", 5, "株価データエクセル展開(&L)", "Ctrl+L", false, false, false},
        {"mnuSelToolItem", 6, "-", "", true, true, false},
        {"mnuSelToolItem", 7, "株価データ保守を閉じる(&X)", "Ctrl+X", true, true, false},
        {"mnuOperItem", 1, "表示(&O)", "Ctrl+O", true, true, false},
        {"mnuOperItem", 2, "行追加(&I)", "Ctrl+I", false, true, false},
        {"mnuOperItem", 3, "修正(&A)", "Ctrl+A", false, true, false},
        {"mnuOperItem", 4, "行削除(&D)", "Ctrl+D", false, true, false},
        {"mnuOperItem", 5, "新銘柄作成(&B)", "Ctrl+B", true, true, false},
        {"mnuOperItem", 6, "リセット(&R)", "Ctrl+R", true, true, false},
        {"mnuOperItem", 7, "銘柄削除(&E)", "Ctrl+E", false, true, false},
        {"mnuOperItem", 8, "-", "", true, true, false},
        {"mnuOperItem", 10, "売買計算(&M)", "Ctrl+M", true, false, false},
        {"mnuOperItem", 11, "チャート補正(&C)", "Ctrl+C", false, true, false},
        {"mnuOperItem", 12, "補正値による株価データ修正(&S)", "Ctrl+S", false, false, false},
        {"mnuWinItem", 0, "重ねて表示(&D)", "", true, true, false},
        {"mnuWinItem", 1, "上下に並べて表示(&H)", "", true, true, false},
        {"mnuWinItem", 2, "左右に並べて表示(&V)", "", true, true, false},
        {"mnuWinItem", 3, "アイコン整列", "", true, false, false},
        {"mnuWinItem", 4, "-", "", true, true, false},
        {"mnuWinItem", 5, "株価データ保守", "", true, false, false},
        {"mnuWinItem", 6, "窓名１", "", true, false, false},
        {"mnuWinItem", 7, "窓名２", "", true, false, false},
        {"mnuWinItem", 8, "窓名３", "", true, false, false},
        {"mnuWinItem", 9, "業績情報(&K)", "", true, false, false},
        {"mnuWinItem", 10, "-", "", true, true, false},
        {"mnuWinItem", 11, "チャート表示窓を追加(&A)", "", true, true, false},
        {"mnuHelpItem", 0, "説明(&H)", "Ctrl+H", true, true, false},
        {"mnuHelpItem", 1, "ﾌﾟﾛｸﾞﾗﾑ情報(&P)", "", true, true, false},
    };
    for (const Item& i : items) {
        const MenuItem item = window->Item(i.array, i.index);
        ASSERT_TRUE(item.Exists()) << i.array << i.index;
        EXPECT_EQ(item.Caption(), i.caption) << i.array << i.index;
        EXPECT_EQ(item.Shortcut(), i.shortcut) << i.array << i.index;
        EXPECT_EQ(item.Enabled(), i.enabled) << i.array << i.index;
        EXPECT_EQ(item.Visible(), i.visible) << i.array << i.index;
        EXPECT_EQ(item.Checked(), i.checked) << i.array << i.index;
    }
    EXPECT_FALSE(window->Item("mnuOperItem", 9).Exists());
    QStringList menus;
    for (QAction* a : window->MenuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"表示(&T)", "操作選択(&M)", "ｳｲﾝﾄﾞｳ(&W)", "ヘルプ(&H)"}));
    EXPECT_EQ(window->windowTitle(), "株価データ保守");
}

TEST_F(Form2WindowTest, ControlsStandAtTheirDesignPlacesWithTheirCaptionsAndTips) {
    struct Control {
        QWidget* widget;
        int left, top, width, height;
        const char* caption;
        const char* tip;
    };
    const Control controls[] = {
        {window->Frame3, 240, 3960, 2200, 1800, "<操作>============", ""},
        {window->表示CMD, 120, 240, 1900, 300, "表示(O)", "データ表示"},
        {window->追加CMD, 120, 650, 550, 300, "(I)", "行追加"},
        {window->修正CMD, 800, 650, 550, 300, "(A)", "データ修正"},
        {window->削除CMD, 1460, 650, 550, 300, "(D)", "行削除"},
        {window->新ファイルCMD, 120, 1000, 550, 300, "(B)", "新規銘柄ファイル作成"},
        {window->リセットCMD, 800, 1000, 550, 300, "(R)", "リセット"},
        {window->銘柄削除CMD, 1460, 1000, 550, 300, "(E)", "ファイル削除"},
        {window->終了CMD, 120, 1400, 1900, 300, "閉じる(X)", "株価データ保守終了"},
        {window->Frame1, 50, 1850, 2120, 855, "範囲指定の削除", ""},
        {window->範囲指定BTN, 80, 240, 550, 255, "(P)", "範囲指定開始"},
        {window->範囲削除BTN, 80, 520, 550, 255, "(T)", "指定範囲削除実行"},
        {window->範囲削除保存BTN, 720, 520, 550, 255, "(S)", "削除結果保存"},
        {window->Frame2, 240, 1800, 2655, 1335, "<ﾁｬｰﾄ補正>==============", ""},
        {window->Frame4, 3720, 1560, 2895, 1150, "＜新規の銘柄データ作成＞", ""},
        {window->Picture1, 1750, 30, 375, 200, "×", "操作ボタンを隠す"},
        {window->Picture2, 1750, 30, 375, 200, "×", "操作ボタン非表示"},
        {window->Picture4, 1690, 30, 375, 200, "×", "操作ボタンを隠す"},
        {window->Picture5, 1690, 30, 375, 200, "×", "操作ボタン非表示"},
        {window->Picture6, 2200, 30, 375, 200, "×", "操作ボタンを隠す"},
        {window->Picture8, 2450, 30, 375, 200, "×", "操作ボタンを隠す"},
    };
    // Twips come out as whole pixels.
    auto tw = [](int twips) { return PixelsToTwips(TwipsToPixels(twips)); };
    for (const Control& c : controls) {
        const QString name = c.widget->objectName();
        EXPECT_EQ(LeftOf(c.widget), tw(c.left)) << name.toStdString();
        EXPECT_EQ(TopOf(c.widget), tw(c.top)) << name.toStdString();
        EXPECT_EQ(WidthOf(c.widget), tw(c.width)) << name.toStdString();
        EXPECT_EQ(HeightOf(c.widget), tw(c.height)) << name.toStdString();
        QString caption;
        if (auto* b = qobject_cast<QPushButton*>(c.widget)) caption = b->text();
        if (auto* f = qobject_cast<QGroupBox*>(c.widget)) caption = f->title();
        if (auto* l = qobject_cast<QLabel*>(c.widget)) caption = l->text();
        EXPECT_EQ(caption.toStdString(), c.caption) << name.toStdString();
        EXPECT_EQ(c.widget->toolTip().toStdString(), c.tip) << name.toStdString();
    }
    for (QWidget* hidden : std::initializer_list<QWidget*>{window->Frame3, window->Frame2, window->Frame4, window->Text1,
                                                           window->Picture2, window->Picture5, window->Picture7,
                                                           window->Picture9}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(Grid().Rows(), 101);
    EXPECT_EQ(Grid().Cols(), 14);
    const int widths[] = {700, 1000, 1070, 1070, 1070, 1070, 1400, 1070, 1070, 500, 1070, 1070, 1070, 400};
    for (int c = 0; c < 14; ++c) EXPECT_EQ(Grid().ColWidth(c), widths[c]) << c;
    EXPECT_EQ(Grid().BackColor(), RGB(240, 255, 240));
    const std::vector<std::string> titles = {"   NO.  ", " 月/日/年", " 　　始値", " 　　終値", " 　　高値",
                                             " 　　安値", "     出来高", "   売残  ", "   買残  ", "", "", "", "", ""};
    EXPECT_EQ(RowTexts(0, 13), titles);
    EXPECT_EQ(window->FGrid3->Rows(), 5);
    EXPECT_EQ(RowTexts(0, 0).size(), 1u);
    for (int c = 0; c < 4; ++c) {
        const char* heads[] = {"0", "補正位置", "倍数", "rec NO"};
        const int w[] = {200, 900, 450, 650};
        EXPECT_EQ(window->FGrid3->TextMatrix(0, c), heads[c]);
        EXPECT_EQ(window->FGrid3->ColWidth(c), w[c]);
    }
    for (QPushButton* b : {window->追加CMD, window->削除CMD, window->修正CMD, window->銘柄削除CMD, window->範囲指定BTN,
                           window->範囲削除BTN, window->範囲削除保存BTN, window->チャート補正保存}) {
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    }
    for (QPushButton* b : {window->表示CMD, window->新ファイルCMD, window->リセットCMD, window->終了CMD}) {
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_EQ(BackColorOf(b), RGB(192, 192, 192));
    }
}

TEST_F(Form2WindowTest, AdministratorModeShowsTheExtraColumnsAndBothScrollBars) {
    Program().app.AdminMode = kTrue;
    window->close();
    window = nullptr;
    Open();
    EXPECT_EQ(RowTexts(0, 13)[9], " rno");
    EXPECT_EQ(RowTexts(0, 13)[13], "mkt");
    EXPECT_EQ(Grid().ScrollBars(), kFlexScrollBoth);
    EXPECT_EQ(window->FGrid3->ScrollBars(), kFlexScrollBoth);
}

// ---------------------------------------------------------------- other windows

class Form2WithChartsTest : public test::Form2Test {
protected:
    void SetUp() override {
        test::MainWindowTest::SetUp();
        InstallChartWindowMaker();
        InstallMaintenanceWindowMaker();
        WriteUrlList();
        Start();
        RunWindowMenu(8);
        ASSERT_NE(Program().windows.ChartWindow2, nullptr);
        Open();
    }
    Color Tab(int no) { return BackColorOf(form->WindowTab(no)); }
};

TEST_F(Form2WithChartsTest, ActivationAnnouncesTheWindowAndPutsTheChartControlsAside) {
    auto& windows = Program().windows;
    EXPECT_EQ(form->ActiveChild(), window);
    for (int no : {1, 2}) EXPECT_TRUE(windows.ChartWindow(no)->Item("mnuWinItem", 5).Visible()) << no;
    EXPECT_TRUE(form->Item("mnuWinItem", 5).Visible());
    // Window 2 was active: its tab shows it no more; window 1 keeps its colour.
    EXPECT_EQ(Tab(2), RGB(150, 55, 50));
    EXPECT_EQ(Tab(1), RGB(150, 55, 50));
    for (int b = 5; b <= 25; ++b) EXPECT_FALSE(form->ToolbarButtonEnabled(b)) << b;
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 12);
    EXPECT_EQ(form->windowTitle().toStdString(), Program().app.AppTitle + "株価データ保守");
    EXPECT_FALSE(window->Item("mnuWinItem", 9).Visible());

    // The chart window activated next takes its colour back.
    windows.ChartWindow1->BringToFront();
    EXPECT_EQ(Tab(1), RGB(255, 85, 80));

    // A third chart window leaves no slot: the window's add item goes grey.
    window->mnuWinItem_Click(11);
    EXPECT_NE(windows.ChartWindow3, nullptr);
    EXPECT_FALSE(window->Item("mnuWinItem", 11).Enabled());
}

TEST_F(Form2WithChartsTest, ClosingHidesTheWindowsEntriesEverywhereAndCancelsTheOperation) {
    Load(FileOf({}));
    window->追加CMD_Click();
    window->終了CMD_Click();
    auto& windows = Program().windows;
    EXPECT_EQ(windows.MaintenanceWindow, nullptr);
    EXPECT_FALSE(form->Item("mnuWinItem", 5).Visible());
    for (int no : {1, 2}) EXPECT_FALSE(windows.ChartWindow(no)->Item("mnuWinItem", 5).Visible()) << no;
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 0);
    // The abandoned first row of a header-only file took the file with it.
    EXPECT_FALSE(FileExists(Path()));
    window = nullptr;
}

TEST_F(Form2WindowTest, HelpShowsItsPage) {
    Program().app.HelpFilePath = "/p/RanvikCManual.chm";
    window->mnuHelpItem_Click(0);
    ASSERT_EQ(help->calls.size(), 1u);
    EXPECT_EQ(help->calls[0], (HelpCall{"show", "/p/RanvikCManual.chm", "Manual\\RanvikC9.html"}));
}

// ---------------------------------------------------------------- popup and range presses

TEST_F(Form2WindowTest, TheRightButtonPopsUpTheOperationMenuWhoseItemsAct) {
    Load(FileOf(ThreeBars()));
    popups->QueueChoice(window->Menu("mnuOperItem")->Action(3));
    emit Grid().MouseDown(2, 0, 300.0, 450.0);
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_EQ(popups->shown[0].menu, window->mnuOper);
    const int border = Grid().frameWidth();
    EXPECT_EQ(popups->shown[0].point, Grid().mapToGlobal(QPoint(TwipsToPixels(300) + border, TwipsToPixels(450) + border)));
    // The item looks like its button under the mouse, then acts.
    EXPECT_EQ(window->OperationState, 2);
    EXPECT_EQ(BackColorOf(window->修正CMD), RGB(250, 245, 245));
    EXPECT_EQ(window->HoverActive, -1);
}

TEST_F(Form2WindowTest, PressesInTheRangeStatesFillTheFirstBoundThenTheSecond) {
    Load(FileOf(ThreeBars()));
    window->OperationState = 8;
    Grid().SetRow(3);
    emit Grid().MouseDown(1, 0, 100, 100);
    EXPECT_EQ(window->Text3->text(), "3");
    EXPECT_EQ(window->OperationState, 98);
    for (int row : {1, 2}) {
        Grid().SetRow(row);
        emit Grid().MouseDown(4, 0, 100, 100);
    }
    EXPECT_EQ(window->Text3->text(), "3");
    EXPECT_EQ(window->Text4->text(), "2");
    window->OperationState = 2;
    emit Grid().MouseDown(1, 0, 100, 100);
    EXPECT_EQ(window->Text4->text(), "2");
}

// ---------------------------------------------------------------- display items and panels

TEST_F(Form2WindowTest, DisplayItemsShowThePanelsAndTheCloseImagesHideThem) {
    window->mnuSelToolItem_Click(3);
    EXPECT_FALSE(window->Frame3->isHidden());
    EXPECT_TRUE(window->Item("mnuSelToolItem", 3).Checked());
    EXPECT_TRUE(window->Item("mnuSelToolItem", 4).Enabled());
    window->mnuSelToolItem_Click(4);
    EXPECT_EQ(HeightOf(window->Frame3), PixelsToTwips(TwipsToPixels(2800)));
    EXPECT_TRUE(window->Item("mnuSelToolItem", 4).Checked());

    // The range panel's close image is display item 4 ...
    window->CloseImageMouseMove(window->Picture4);
    EXPECT_FALSE(window->Picture5->isHidden());
    EXPECT_EQ(window->Picture5->pos(), window->Picture4->pos());
    emit window->Picture5->Click();
    EXPECT_EQ(HeightOf(window->Frame3), PixelsToTwips(TwipsToPixels(1800)));
    EXPECT_FALSE(window->Item("mnuSelToolItem", 4).Checked());
    // ... and the operation panel's is item 3.
    window->CloseImageMouseMove(window->Picture1);
    EXPECT_EQ(window->HoverActive, -1);
    emit window->Picture2->Click();
    EXPECT_TRUE(window->Frame3->isHidden());
    EXPECT_FALSE(window->Item("mnuSelToolItem", 4).Enabled());

    // Operation item 11 and the correction panel's close image.
    window->mnuOperItem_Click(11);
    EXPECT_FALSE(window->Frame2->isHidden());
    emit window->Picture7->Click();
    EXPECT_TRUE(window->Frame2->isHidden());
    EXPECT_FALSE(window->Item("mnuOperItem", 11).Checked());
}

TEST_F(Form2WindowTest, PanelsRestoreTheNormalLookWhenTheMouseMovesOn) {
    window->ButtonMouseMove(window->範囲指定BTN);
    window->ButtonMouseMove(window->Command1);
    window->Frame3_MouseMove();
    EXPECT_EQ(window->HoverActive, 0);
    EXPECT_EQ(BackColorOf(window->範囲指定BTN), RGB(250, 245, 245)) << "the operation panel restores its own";
    window->Frame1_MouseMove();
    EXPECT_EQ(BackColorOf(window->範囲指定BTN), RGB(250, 245, 245)) << "only after a hover";
    window->ButtonMouseMove(window->範囲削除BTN);
    window->Frame1_MouseMove();
    for (QPushButton* b : {window->範囲指定BTN, window->範囲削除BTN, window->範囲削除保存BTN}) {
        EXPECT_EQ(BackColorOf(b), RGB(200, 200, 200));
    }
    window->ButtonMouseMove(window->チャート補正保存);
    window->Frame2_MouseMove();
    EXPECT_EQ(BackColorOf(window->Command1), RGB(200, 200, 200));
    EXPECT_EQ(BackColorOf(window->チャート補正保存), RGB(200, 200, 200));
    window->CloseImageMouseMove(window->Picture8);
    window->Frame4_MouseMove();
    EXPECT_EQ(window->HoverActive, 0);
}

TEST_F(Form2WindowTest, PanelsAreDraggedByTheirFreeAreaAndLandUnderTheDropPoint) {
    // The new-file and correction panels only by their edge strip.
    window->Panel_MouseDown(window->Frame4, 500, 500);
    EXPECT_FALSE(window->Drag()->Dragging());
    window->Panel_MouseDown(window->Frame4, 500, 100);
    EXPECT_TRUE(window->Drag()->Dragging());
    EXPECT_EQ(window->GrabX, 500);
    EXPECT_EQ(window->GrabY, 100);
    window->Drag()->EndDrag();
    for (double x : {100.0, 2100.0}) {
        window->Panel_MouseDown(window->Frame2, x, 600);
        EXPECT_TRUE(window->Drag()->Dragging()) << x;
        window->Drag()->EndDrag();
    }
    window->Panel_MouseDown(window->Frame3, 1000, 1500);
    EXPECT_TRUE(window->Drag()->Dragging());
    window->Drag()->EndDrag();

    // Drop points in the receiver's twips, taken to the window's.
    window->Panel_DragDrop(window, window->Frame3, 3000, 2000);
    EXPECT_EQ(LeftOf(window->Frame3), PixelsToTwips(TwipsToPixels(2000)));
    EXPECT_EQ(TopOf(window->Frame3), PixelsToTwips(TwipsToPixels(500)));
    window->Panel_DragDrop(window->FGrid1, window->Frame3, 3000, 2000);
    EXPECT_EQ(TopOf(window->Frame3), PixelsToTwips(TwipsToPixels(500 + TopOf(window->FGrid1))));
    window->GrabX = 0;
    window->GrabY = 0;
    window->Panel_DragDrop(window->Frame1, window->Frame4, 10, 20);
    EXPECT_EQ(LeftOf(window->Frame4), PixelsToTwips(TwipsToPixels(10 + LeftOf(window->Frame1) + LeftOf(window->Frame3))));
    EXPECT_EQ(TopOf(window->Frame4), PixelsToTwips(TwipsToPixels(20 + TopOf(window->Frame1) + TopOf(window->Frame3))));
}

// ---------------------------------------------------------------- resize

// Twips as they come out in whole pixels.
int Tw(int twips) { return PixelsToTwips(TwipsToPixels(twips)); }

TEST_F(Form2WindowTest, TheGridFollowsTheWindowWithItsScrollBars) {
    QMdiSubWindow* frame = window->Frame();
    auto resize = [&](int widthTw, int heightTw) {
        frame->resize(TwipsToPixels(widthTw), TwipsToPixels(heightTw));
        window->Form_Resize();
    };
    Program().app.OsMajorVersion = 5;
    resize(6000, 6000);
    EXPECT_EQ(WidthOf(window->FGrid1), Tw(PixelsToTwips(frame->width()) - 300));
    EXPECT_EQ(Grid().ScrollBars(), kFlexScrollBoth);
    EXPECT_EQ(HeightOf(window->FGrid1), Tw(PixelsToTwips(frame->height()) - 730));
    resize(11000, 6000);
    EXPECT_EQ(WidthOf(window->FGrid1), Tw(9850));
    EXPECT_EQ(Grid().ScrollBars(), kFlexScrollVertical);
    Program().app.OsMajorVersion = 6;
    resize(11000, 6000);
    EXPECT_EQ(HeightOf(window->FGrid1), Tw(PixelsToTwips(frame->height()) - 780));
    Program().app.AdminMode = kTrue;
    resize(11000, 6000);
    EXPECT_EQ(Grid().ScrollBars(), kFlexScrollBoth);
    // The main window's caption names the window in normal state only.
    EXPECT_EQ(form->windowTitle().toStdString(), Program().app.AppTitle + "株価データ保守");
    frame->showMaximized();
    window->Form_Resize();
    EXPECT_EQ(form->windowTitle().toStdString(), Program().app.AppTitle);
}

TEST_F(Form2WindowTest, AnEditorOverACellIsCutAtTheGridsEdgeOrHidden) {
    Load(FileOf(ThreeBars()));
    window->修正CMD_Click();
    ClickCell(1, 3);
    const int left = LeftOf(window->Text1);
    const int width = window->EditColumnWidth;
    auto resize = [&](int widthTw) {
        window->Frame()->resize(TwipsToPixels(widthTw), TwipsToPixels(6000));
        window->Form_Resize();
        return WidthOf(window->FGrid1);
    };
    // Room to spare: the column's width less 10.
    resize(11000);
    EXPECT_FALSE(window->Text1->isHidden());
    EXPECT_EQ(WidthOf(window->Text1), Tw(width - 10));
    // The grid's edge inside the cell: the editor ends 290 twips inside it.
    const int gridWidth = resize(left + width + 400);
    ASSERT_GE(gridWidth - 375, left);
    ASSERT_LE(gridWidth - 350, left + width);
    EXPECT_FALSE(window->Text1->isHidden());
    EXPECT_EQ(WidthOf(window->Text1), Tw(gridWidth - 290 - left));
    // The edge at the cell's left: nothing of it to show.
    resize(left + 600);
    EXPECT_TRUE(window->Text1->isHidden());
    EXPECT_EQ(window->OperationState, 92);
}

}  // namespace
}  // namespace ranvik
