#include <QCoreApplication>
#include <QGroupBox>
#include <QTimer>

#include <QMenu>

#include "core/window_management.h"
#include "platform/ui/chart_control.h"
#include "tests/company/form7_fixture.h"
#include "tests/core/recording_windows.h"

namespace ranvik {
namespace {

using test::Answer;

class Form7WindowTest : public test::Form7Test {};

TEST_F(Form7WindowTest, TheCodeCheckDecidesWhetherAStockIsLoaded) {
    struct Case {
        const char* code;
        bool loads;
    };
    const Case cases[] = {
        {"1301", true},
        {"9999", true},
        {"130A", true},   // three digits and a capital letter
        {"130a", false},  // a lower-case letter is no code
        {"0010", false},  // the exchange-rate series
        {"0500", false},
        {"999", false},
        {"", false},
    };
    for (const Case& c : cases) {
        transfer.log.clear();
        messages->shown.clear();
        Form7* window = OpenFor(c.code, "銘柄");
        ASSERT_NE(window, nullptr) << c.code;
        if (c.loads) {
            EXPECT_EQ(transfer.log, (std::vector<std::string>{Results(c.code), Indicators(c.code), Quote(c.code)}))
                << c.code;
            EXPECT_TRUE(messages->shown.empty()) << c.code;
            EXPECT_EQ(window->Fields().LoadedCode, c.code);
            EXPECT_TRUE(window->Frame1->isVisibleTo(window)) << c.code;
        } else {
            EXPECT_TRUE(transfer.log.empty()) << c.code;
            ASSERT_EQ(messages->shown.size(), 1u) << c.code;
            EXPECT_EQ(messages->shown[0].text, "702, 銘柄を指定して下さい（コード1000以上）    ");
            EXPECT_EQ(messages->shown[0].title, "業績情報");
            EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(window->Fields().LoadedCode, "");
            EXPECT_EQ(window->Fields().LoadPending, kFalse);
            EXPECT_FALSE(window->Timer3->isActive()) << c.code;
        }
        form->mnuGyouEnd_Click();
        ASSERT_EQ(Window(), nullptr);
    }
}

TEST_F(Form7WindowTest, ARefusedCodeKeepsTheStockShown) {
    Form7* window = OpenFor("1301", "極洋");
    const std::string caption = form->windowTitle().toStdString();
    Select("0010", "ドル円");
    Program().selection.ChartLoadMode = "d";
    window->FG1Text6.SetText("1");
    EXPECT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(window->Fields().LoadedCode, "1301");
    EXPECT_TRUE(window->Frame1->isVisibleTo(window));
    EXPECT_EQ(transfer.log.size(), 3u);
}

TEST_F(Form7WindowTest, TheLoadedStockIsNotFetchedAgain) {
    Form7* window = OpenFor("1301", "極洋");
    ASSERT_EQ(transfer.log.size(), 3u);
    // The company menu again, and a double click on the same stock.
    OpenFor("1301", "極洋");
    Program().selection.ChartLoadMode = "d";
    window->FG1Text6.SetText("1");
    EXPECT_EQ(transfer.log.size(), 3u);
    EXPECT_EQ(Program().selection.ChartLoadMode, "");
    // Another stock is.
    OpenFor("8058", "三菱商事");
    EXPECT_EQ(transfer.log.size(), 6u);
    EXPECT_EQ(window->Fields().LoadedCode, "8058");
}

TEST_F(Form7WindowTest, AFailedLoadIsTriedAgainByTheNextRequest) {
    transfer.answers[Results("1301")] = Answer::NotFound;
    Form7* window = OpenFor("1301", "極洋");
    EXPECT_EQ(transfer.log, std::vector<std::string>{Results("1301")});
    EXPECT_EQ(window->Fields().LoadedCode, "");
    EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse);
    EXPECT_FALSE(window->Frame1->isVisibleTo(window));
    EXPECT_FALSE(window->MSChart[1]->isVisibleTo(window));
    transfer.answers.clear();
    OpenFor("1301", "極洋");
    EXPECT_EQ(transfer.log.size(), 4u);
    EXPECT_EQ(window->Fields().LoadedCode, "1301");
    EXPECT_TRUE(window->MSChart[1]->isVisibleTo(window));
}

TEST_F(Form7WindowTest, ARunningDownloadElsewhereClearsTheDisplayWithoutAMessage) {
    Form7* window = OpenFor("1301", "極洋");
    Program().collection.WebUpdateBusy = kTrue;
    OpenFor("8058", "三菱商事");
    EXPECT_EQ(transfer.log.size(), 3u);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(window->Fields().LoadedCode, "1301");
    EXPECT_EQ(Program().collection.WebUpdateBusy, kTrue);  // not this window's to end
    EXPECT_FALSE(window->Frame1->isVisibleTo(window));
    for (int no = 1; no <= 5; ++no) EXPECT_FALSE(window->MSChart[no]->isVisibleTo(window)) << no;
    EXPECT_FALSE(window->MSFGrid1->isVisibleTo(window));
}

TEST_F(Form7WindowTest, TheNameLosesItsPrefixAtLoad) {
    struct Case {
        const char* code;
        const char* name;
        const char* label;
        const char* selectedName;
    };
    // Row 1 of the list grid (its current row) is a Prime stock: "<東プ>".
    const Case cases[] = {
        {"1301", "<東証>極洋", "<東証>", "極洋"},
        {"1301", "(日) 極洋", nullptr, " 極洋"},  // the label of the data-file grid's row
        {"1301", "極洋", "<東プ>", "極洋"},
        {"1301", "<東", "<東", ""},  // shorter than the prefix
        {"1301", "(", "", ""},
        {"999A", "<東証>ベリテ", "", ""},  // below 1000: no label, no name
    };
    form->MSF全Grid2->SetRow(1);
    for (const Case& c : cases) {
        Select(c.code, c.name);
        Program().collection.WebUpdateBusy = kTrue;  // nothing to fetch here
        form->mnu会社Item_Click(0);
        Form7* window = Window();
        ASSERT_NE(window, nullptr);
        if (c.label != nullptr) {
            EXPECT_EQ(window->Fields().MarketLabel, c.label) << c.name;
        }
        EXPECT_EQ(window->Fields().SelectedName, c.selectedName) << c.name;
        form->mnuGyouEnd_Click();
        Program().collection.WebUpdateBusy = kFalse;
    }
}

TEST_F(Form7WindowTest, CaptionsInMaximizedAndNormalState) {
    Form7* window = OpenFor("1301", "<東証>極洋");
    const std::string app = Program().app.AppTitle;
    ASSERT_TRUE(window->Maximized());
    EXPECT_EQ(window->windowTitle().toStdString(), "");
    EXPECT_EQ(form->windowTitle().toStdString(), app + "<東証>極洋--- 業績情報");
    EXPECT_EQ(Label17(), "<東証>極洋(100株)");

    window->Frame()->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->windowTitle().toStdString(), "<東証>極洋(100株)");
    // The resize names the stock without its market label.
    EXPECT_EQ(form->windowTitle().toStdString(), app + "極洋--- 業績情報");
    EXPECT_FALSE(window->Timer3->isActive());

    // A plain activation refreshes the main window's caption only.
    window->Form_Activate();
    EXPECT_EQ(form->windowTitle().toStdString(), app + "<東証>極洋--- 業績情報");
    EXPECT_EQ(transfer.log.size(), 3u);
}

TEST_F(Form7WindowTest, ASingleClickBlinksUntilTheSelectionReturns) {
    Form7* window = OpenFor("1301", "極洋");
    window->Fields().SavedPriceLine = " 2025/01/06 15:00 株価：1,234";
    // Another stock: the blink starts with the empty title.
    PickListRow(2, false);
    ASSERT_EQ(Program().selection.CurrentCode, "8058");
    EXPECT_TRUE(window->Timer3->isActive());
    EXPECT_EQ(window->Timer3->interval(), 500);
    EXPECT_EQ(window->Fields().PriceLine, "");
    EXPECT_TRUE(window->Label18->isHidden());
    const std::string other = window->StockTitle(Program().selection.CurrentName);
    EXPECT_EQ(Label17(), other);
    window->Timer3_Timer();
    EXPECT_EQ(Label17(), "");
    window->Timer3_Timer();
    EXPECT_EQ(Label17(), other);
    window->Timer3_Timer();
    EXPECT_EQ(Label17(), "");
    // Back on the loaded stock: the blink stops, the price line returns.
    PickListRow(1, false);
    EXPECT_FALSE(window->Timer3->isActive());
    EXPECT_EQ(window->Fields().PriceLine, " 2025/01/06 15:00 株価：1,234");
    EXPECT_EQ(window->Fields().MarketLabel, "<東プ>");
    EXPECT_EQ(Label17(), window->StockTitle(Program().selection.CurrentName) + " 2025/01/06 15:00 株価：1,234");
    EXPECT_FALSE(window->Label18->isHidden());
    EXPECT_EQ(transfer.log.size(), 3u);
    // A double click loads.
    PickListRow(2, true);
    EXPECT_EQ(transfer.log.size(), 6u);
    EXPECT_EQ(window->Fields().LoadedCode, "8058");
    EXPECT_FALSE(window->Timer3->isActive());
    EXPECT_FALSE(window->Label18->isHidden());
}

TEST_F(Form7WindowTest, ResizingInNormalStateWhileTheSelectionDiffersBlinks) {
    Form7* window = OpenFor("1301", "極洋");
    window->Frame()->showNormal();
    QCoreApplication::processEvents();
    Select("8058", "三菱商事");
    window->Frame()->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->Timer3->isActive());
}

TEST_F(Form7WindowTest, TinyAndMinimizedWindowsDoNotFail) {
    Form7* window = OpenFor("1301", "極洋");
    window->Frame()->showNormal();
    QCoreApplication::processEvents();
    for (QSize size : {QSize(1, 1), QSize(30, 20), QSize(0, 0)}) {
        window->Frame()->resize(size);
        QCoreApplication::processEvents();
        window->Form_Resize();
        EXPECT_GE(window->MSChart[1]->width(), 0);
        EXPECT_GE(window->MSFGrid1->height(), 0);
    }
    window->Frame()->showMinimized();
    QCoreApplication::processEvents();
    window->Form_Resize();
    window->Frame()->showNormal();
    window->Frame()->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_GT(window->MSChart[1]->width(), 0);
}

TEST_F(Form7WindowTest, MenuItemsOfTheOtherWindowsAtLoadAndUnload) {
    for (bool admin : {false, true}) {
        Program().app.AdminMode = admin ? kTrue : kFalse;
        ASSERT_FALSE(form->Item("mnuGyouEnd", 1).Enabled());
        OpenFor("1301", "極洋");
        EXPECT_TRUE(form->Item("mnuGyouEnd", 1).Enabled()) << admin;
        for (int i = 0; i <= 3; ++i) EXPECT_TRUE(form->Item("mnuWinItem", i).Enabled()) << admin << i;
        EXPECT_TRUE(form->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_EQ(form->Item("mnu会社Item", 1).Visible(), admin);
        EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＬＲ"));
        EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＵＤ"));

        form->mnuGyouEnd_Click();
        EXPECT_EQ(Window(), nullptr);
        EXPECT_FALSE(form->Item("mnuGyouEnd", 1).Enabled()) << admin;
        for (int i = 0; i <= 3; ++i) EXPECT_FALSE(form->Item("mnuWinItem", i).Enabled()) << admin << i;
        EXPECT_FALSE(form->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_FALSE(form->Item("mnu会社Item", 1).Visible()) << admin;
        EXPECT_EQ(Program().selection.CurrentName, "");
        // No chart window is open.
        EXPECT_FALSE(form->ToolbarButtonEnabled("窓ＬＲ"));
        EXPECT_FALSE(form->ToolbarButtonEnabled("窓ＵＤ"));
    }
}

TEST_F(Form7WindowTest, ActivationTurnsTheChartButtonsOffAndTheTabInactive) {
    form->SetToolbarButtonsEnabled(5, 25, true);
    SetBackColor(form->WindowTab(2), RGB(255, 85, 80));
    OpenFor("1301", "極洋");
    for (int p = 5; p <= 25; ++p) EXPECT_FALSE(form->ToolbarButtonEnabled(p)) << p;
    EXPECT_EQ(BackColorOf(form->WindowTab(2)), RGB(150, 55, 50));
}

TEST_F(Form7WindowTest, TheResultsGridFollowsTheCompanyMenuMark) {
    Form7* window = OpenFor("1301", "極洋");
    EXPECT_FALSE(window->MSFGrid1->isVisibleTo(window));
    form->mnu会社Item_Click(1);
    EXPECT_TRUE(form->Item("mnu会社Item", 1).Checked());
    EXPECT_TRUE(window->MSFGrid1->isVisibleTo(window));
    OpenFor("8058", "三菱商事");
    EXPECT_TRUE(window->MSFGrid1->isVisibleTo(window));
    form->mnu会社Item_Click(1);
    EXPECT_FALSE(window->MSFGrid1->isVisibleTo(window));
}

}  // namespace
}  // namespace ranvik

namespace ranvik {
namespace {

// Records the requests the main window's company menu sends.
class RecordingCompanyWindow : public ChildForm {
public:
    void FG1Text6_Change() override {
        if (FG1Text6.Text().empty()) return;
        requests.push_back(Program().selection.ChartLoadMode + FG1Text6.Text());
        FG1Text6.SetText("");
    }
    std::vector<std::string> requests;
};

class CompanyMenuTest : public test::MainWindowTest {};

// A chart window with the two menu items the company window switches.
class ChartWindowWithMenus : public test::RecordingChartWindow {
public:
    explicit ChartWindowWithMenus(std::vector<test::SeenRequest>& seen) : RecordingChartWindow(seen) {
        QMenuBar* bar = EnsureMenuBar();
        MenuItemArray* win = AddMenuArray(bar->addMenu("win"), "mnuWinItem");
        win->Add(6, "業績情報(&K)");
        win->SetVisible(6, false);
        MenuItemArray* company = AddMenuArray(bar->addMenu("company"), "mnu会社Item");
        company->Add(1, "業績データ(&D)");
        company->SetVisible(1, false);
    }
};

TEST_F(Form7WindowTest, MenuItemsOfOpenChartWindows) {
    std::vector<test::SeenRequest> seen;
    Makers().chartWindow = [&seen] { return new ChartWindowWithMenus(seen); };
    RunWindowMenu(8);
    RunWindowMenu(8);
    ChartWindowBase* one = Program().windows.ChartWindow1;
    ChartWindowBase* two = Program().windows.ChartWindow2;
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    for (bool admin : {false, true}) {
        Program().app.AdminMode = admin ? kTrue : kFalse;
        OpenFor("1301", "極洋");
        EXPECT_TRUE(one->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_TRUE(two->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_EQ(one->Item("mnu会社Item", 1).Visible(), admin);
        EXPECT_FALSE(two->Item("mnu会社Item", 1).Visible()) << admin;  // chart window 1 only
        form->mnuGyouEnd_Click();
        EXPECT_FALSE(one->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_FALSE(two->Item("mnuWinItem", 6).Visible()) << admin;
        EXPECT_FALSE(one->Item("mnu会社Item", 1).Visible()) << admin;
        // The layout buttons still serve the chart windows.
        EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＬＲ")) << admin;
        EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＵＤ")) << admin;
    }
}

TEST_F(Form7WindowTest, TheResultsDataItemMarksChartWindowOneToo) {
    std::vector<test::SeenRequest> seen;
    Makers().chartWindow = [&seen] { return new ChartWindowWithMenus(seen); };
    RunWindowMenu(8);
    RunWindowMenu(8);
    ChartWindowBase* one = Program().windows.ChartWindow1;
    ChartWindowBase* two = Program().windows.ChartWindow2;
    ASSERT_NE(one, nullptr);
    Program().app.AdminMode = kTrue;
    Form7* window = OpenFor("1301", "極洋");
    for (bool mark : {true, false}) {
        form->mnu会社Item_Click(1);
        EXPECT_EQ(form->Item("mnu会社Item", 1).Checked(), mark);
        EXPECT_EQ(one->Item("mnu会社Item", 1).Checked(), mark);
        EXPECT_FALSE(two->Item("mnu会社Item", 1).Checked());
        EXPECT_EQ(window->MSFGrid1->isVisibleTo(window), mark);
    }
}

TEST_F(CompanyMenuTest, TheResultsButtonRunsTheCompanyItem) {
    WriteUrlList();
    Start();
    RecordingCompanyWindow* made = nullptr;
    Makers().companyWindow = [&made] { return made = new RecordingCompanyWindow; };
    form->Toolbar1_ButtonClick("業績グラフ");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(Program().windows.CompanyInfoWindow, made);
    form->LastSelectedGrid = 1;
    form->Toolbar1_ButtonClick("業績グラフ");
    EXPECT_EQ(made->requests, std::vector<std::string>{"d4"});
}

TEST_F(CompanyMenuTest, TheFirstChoiceOpensTheWindowAndLaterOnesSendTheSelection) {
    WriteUrlList();
    Start();
    RecordingCompanyWindow* made = nullptr;
    Makers().companyWindow = [&made] { return made = new RecordingCompanyWindow; };
    form->SetToolbarButtonEnabled("窓ＬＲ", false);
    form->SetToolbarButtonEnabled("窓ＵＤ", false);
    form->mnu会社Item_Click(0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(Program().windows.CompanyInfoWindow, made);
    EXPECT_EQ(form->ActiveChild(), made);
    EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＬＲ"));
    EXPECT_TRUE(form->ToolbarButtonEnabled("窓ＵＤ"));
    EXPECT_TRUE(made->requests.empty());  // a new window takes the selection at its load
    // Then "4" when the last pick was in the data-file grid, else "5".
    struct Case {
        std::int16_t lastGrid;
        const char* request;
    };
    for (const Case& c : {Case{1, "d4"}, Case{2, "d5"}, Case{0, "d5"}}) {
        made->requests.clear();
        form->LastSelectedGrid = c.lastGrid;
        form->mnu会社Item_Click(0);
        EXPECT_EQ(made->requests, std::vector<std::string>{c.request}) << c.lastGrid;
    }
}

}  // namespace
}  // namespace ranvik
