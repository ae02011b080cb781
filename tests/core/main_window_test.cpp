#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "core/main_window.h"
#include "core/settings_file.h"
#include "platform/runtime/single_instance.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/pointers.h"
#include "tests/core/list_table_fixture.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

using test::MainWindowTest;
using test::WriteLines;

std::vector<std::string> SettingsLines(const std::string& version, const std::string& idoD1,
                                       const std::string& fixAmt = "0") {
    std::vector<std::string> lines;
    if (!version.empty()) lines.push_back("Version=" + version);
    lines.push_back("WindowState='0  '");
    lines.push_back("mnuColorItem='0  '");
    lines.push_back("FixAMT='" + fixAmt + "  '");
    lines.push_back("PrinterDate='1  '");
    lines.push_back("mnuChartExplain='0  '");
    lines.push_back("CrossKabuka='1  '");
    lines.push_back("IdoSampleD1='" + idoD1 + "  '");
    lines.push_back("IdoSampleD2='25 '");
    return lines;
}

TEST_F(MainWindowTest, StartsWithoutSettingsAndShowsOnly910ForAMissingUrlList) {
    test::WriteDeliveredLists(dir.Path());
    DeleteFile(dir.File("MyURL.txt"));
    MDIForm1& form = Start();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "910, \"MyURL.txt \"が見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);

    const auto& app = Program().app;
    EXPECT_EQ(app.AppDir, dir.Path());
    EXPECT_EQ(app.HelpFilePath, dir.Path() + "RanvikCManual.chm");
    EXPECT_EQ(app.SavedPageDir, dir.Path());
    EXPECT_EQ(app.VersionSuffix, "   ");
    EXPECT_EQ(app.OsMajorVersion, 10);
    EXPECT_EQ(app.AppTitle, "Ranvikチャート ");
    EXPECT_EQ(form.windowTitle().toStdString(), "Ranvikチャート ");
    EXPECT_EQ(Program().calendar.MonthDays[2], 28);
    EXPECT_EQ(Program().calendar.DaysBeforeMonth[12], 334);
    // Without a settings file the panel keeps its design texts.
    EXPECT_EQ(form.PanelBox(20)->text().toStdString(), "5");
    EXPECT_EQ(form.PanelBox(70)->text().toStdString(), "0.02");
    // Nothing was written into the program folder but the instance lock.
    EXPECT_TRUE(ListFolder(dir.Path(), "*.ini").empty());
}

TEST_F(MainWindowTest, AnEmptyProgramFolderGivesTheMessagesOfEveryMissingList) {
    Start();
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"910, \"MyURL.txt \"が見つかりません",
                                                        "053, 東証プライムリストが見つかりません",
                                                        "052, \"全銘柄リスト\"が見つかりません"}));
}

TEST_F(MainWindowTest, TheGridsShowTheDeliveredListsAndTheDataFiles) {
    WriteUrlList();
    test::WriteBytes(dir.File("1301d.KDT"), "");
    test::WriteBytes(dir.File("9999w.KDT"), "");
    MDIForm1& form = Start();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form.MSF全Grid2->TextMatrix(1, 0), "1301");
    EXPECT_EQ(form.MSF全Grid2->TextMatrix(2, 0), "6501");
    EXPECT_EQ(Program().lists.CurrentListTable, "東証プライム");
    EXPECT_EQ(form.MSFGrid1->TextMatrix(1, 1).rfind("(日) 極洋", 0), 0u);
    EXPECT_EQ(form.MSFGrid1->TextMatrix(1, 4), "1301d.KDT");
    EXPECT_EQ(form.MSFGrid1->TextMatrix(2, 1), "(週) 9999");
    // The code column and the name column are in view.
    EXPECT_EQ(form.MSFGrid1->LeftCol(), 0);
    EXPECT_EQ(form.MSF全Grid2->LeftCol(), 0);
}

TEST_F(MainWindowTest, TheListPaneStartsWithTheListChoicesAndBothGrids) {
    WriteUrlList();
    MDIForm1& form = Start();
    EXPECT_TRUE(messages->shown.empty());
    ASSERT_EQ(form.Combo1->count(), 7);
    const char* choices[] = {"全銘柄", "東証プライム", "東証スタンダード", "東証グロース", "名証", "その他", "検索"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form.Combo1->itemText(i).toStdString(), choices[i]);
    EXPECT_EQ(form.Combo1->currentText().toStdString(), "東証プライム");
    EXPECT_TRUE(form.Option2->isChecked());
    EXPECT_EQ(ForeColorOf(form.Option2), QBColor(12));
    EXPECT_EQ(form.ListLayout, kBothGrids);
    EXPECT_EQ(form.ActiveGrid, form.MSFGrid1);
    EXPECT_EQ(form.MSFGrid1->TextMatrix(0, 1), "　 マイファイル銘柄 ");
    EXPECT_EQ(form.MSFGrid1->TextMatrix(0, 4), " ファイル名");
    EXPECT_EQ(form.MSFGrid1->ColWidth(1), 3200);
    EXPECT_EQ(form.ListPaneMinWidth, static_cast<float>(WidthOf(form.Picture2)));
    EXPECT_FALSE(form.HideParam->isVisibleTo(&form));
    EXPECT_FALSE(form.Picture4->isVisibleTo(&form));
    EXPECT_FALSE(form.Picture11->isVisibleTo(&form));
    EXPECT_FALSE(form.Frame26->isVisibleTo(&form));
    EXPECT_EQ(form.Picture6->x(), form.Picture5->x());
    EXPECT_EQ(form.Command2->text().toStdString(), "X");
    EXPECT_EQ(form.Command2->toolTip().toStdString(), "検索閉じる");
}

// The fill sets the row count to the files listed plus two, whatever the
// layout before it gave.
TEST_F(MainWindowTest, TheDataFileGridHasARowPerFilePlusTwo) {
    const struct {
        int files;
        int rows;
    } cases[] = {{0, 2}, {5, 7}, {40, 42}};
    for (const auto& c : cases) {
        test::TempFolder folder;
        test::WriteDeliveredLists(folder.Path());
        SetProgramFolder(folder.Path());
        for (int i = 0; i < c.files; ++i) test::WriteBytes(folder.File(std::to_string(1001 + i) + "d.KDT"), "");
        ResetProgramState();
        MDIForm1 form;
        ASSERT_TRUE(form.MDIForm_Load());
        EXPECT_EQ(form.MSFGrid1->Rows(), c.rows) << c.files;
    }
}

TEST_F(MainWindowTest, ASecondStartEndsAtOnceWritingNothing) {
    const auto settings = SettingsLines("4.4.4", "7");
    WriteLines(dir.File("Ranvikchart.ini"), settings);
    WriteLines(dir.File("Ranvikchart.org.txt"), SettingsLines("4.4.5", "9"));
    test::WriteBytes(dir.File("MyURL.txt"), "Version=4.4.1\r\n");
    InstanceLock running;
    ASSERT_TRUE(running.Acquire(dir.Path(), ".ranvikchart.lock"));
    const std::string before = test::ReadBytes(dir.File("Ranvikchart.ini"));
    const auto listing = ListFolder(dir.Path(), "*");

    form = std::make_unique<MDIForm1>();
    EXPECT_FALSE(form->MDIForm_Load());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(test::ReadBytes(dir.File("Ranvikchart.ini")), before);
    EXPECT_EQ(ListFolder(dir.Path(), "*"), listing);
    EXPECT_EQ(Program().windows.ChartWindow1, nullptr);
    // Closing the refused window writes nothing either.
    form->MDIForm_Unload();
    EXPECT_EQ(test::ReadBytes(dir.File("Ranvikchart.ini")), before);
}

TEST_F(MainWindowTest, ASettingsFileOfAnotherVersionIsRestoredQuietly) {
    const struct {
        const char* version;
        bool restored;
    } cases[] = {{"4.4.5", false}, {"4.4.4", true}, {"", true}, {"4.4.50", true}};
    for (const auto& c : cases) {
        test::TempFolder folder;
        SetProgramFolder(folder.Path());
        ResetProgramState();
        test::WriteDeliveredLists(folder.Path());
        WriteLines(folder.File("Ranvikchart.ini"), SettingsLines(c.version, "7"));
        WriteLines(folder.File("Ranvikchart.org.txt"), SettingsLines("4.4.5", "9"));
        messages->shown.clear();
        MDIForm1 form;
        ASSERT_TRUE(form.MDIForm_Load());
        EXPECT_TRUE(messages->shown.empty()) << c.version;
        EXPECT_EQ(form.PanelBox(20)->text().toStdString(), c.restored ? "9" : "7") << c.version;
        EXPECT_EQ(test::ReadBytes(folder.File("Ranvikchart.ini")) ==
                      test::ReadBytes(folder.File("Ranvikchart.org.txt")),
                  c.restored)
            << c.version;
        // A key the file lacks empties its box.
        EXPECT_EQ(form.PanelBox(44)->text().toStdString(), "") << c.version;
    }
}

TEST_F(MainWindowTest, AMissingBackupShows331AndTheFileIsReadAsItIs) {
    WriteUrlList();
    WriteLines(dir.File("Ranvikchart.ini"), SettingsLines("4.4.4", "7", "1"));
    MDIForm1& form = Start();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"331, 復元出来ません"});
    EXPECT_EQ(form.PanelBox(20)->text().toStdString(), "7");
    EXPECT_TRUE(form.Item("mnuFuncExItem", 2).Checked());
}

TEST_F(MainWindowTest, TheResetButtonRestoresTheBackupAndReloadsEveryPanelBoxOnly) {
    WriteUrlList();
    WriteLines(dir.File("Ranvikchart.ini"), SettingsLines("4.4.5", "7", "1"));
    // A backup with a value of its own for every panel key but "RSID1=",
    // and other window state and flags than the settings file.
    std::vector<std::string> backup{"Version=4.4.5", "WindowState='2  '", "FixAMT='0  '", "PrinterDate='0  '",
                                    "mnuChartExplain='1  '", "CrossKabuka='0  '"};
    int value = 100;
    for (const SettingKey& key : PanelSettingKeys()) {
        if (key.key != "RSID1=") backup.push_back(std::string(key.key) + "'" + std::to_string(value) + "'");
        ++value;
    }
    WriteLines(dir.File("Ranvikchart.org.txt"), backup);
    MDIForm1& form = Start();
    ASSERT_TRUE(messages->shown.empty());
    form.PanelBox(21)->setText("33");
    const bool flags[] = {true, true, false, true};  // items 2 to 5 as the settings file set them

    form.HideParam->show();  // the button is on the extended panel
    form.復元ini->click();

    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "330, 復元完了。");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(test::ReadBytes(dir.File("Ranvikchart.ini")), test::ReadBytes(dir.File("Ranvikchart.org.txt")));
    value = 100;
    for (const SettingKey& key : PanelSettingKeys()) {
        const std::string box(key.box);
        const std::string expected = key.key == "RSID1=" ? "" : std::to_string(value);
        EXPECT_EQ(form.PanelBox(std::atoi(box.c_str() + 4))->text().toStdString(), expected) << key.key;
        ++value;
    }
    EXPECT_EQ(form.WindowStateNumber(), 0);
    for (int item = 2; item <= 5; ++item) EXPECT_EQ(form.Item("mnuFuncExItem", item).Checked(), flags[item - 2]) << item;
}

TEST_F(MainWindowTest, TheResetButtonWithoutBackupShows331AndChangesNothing) {
    WriteUrlList();
    WriteLines(dir.File("Ranvikchart.ini"), SettingsLines("4.4.5", "7"));
    MDIForm1& form = Start();
    const std::string before = test::ReadBytes(dir.File("Ranvikchart.ini"));
    form.PanelBox(21)->setText("33");
    form.復元ini_Click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "331, 復元出来ません");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(test::ReadBytes(dir.File("Ranvikchart.ini")), before);
    EXPECT_EQ(form.PanelBox(20)->text().toStdString(), "7");
    EXPECT_EQ(form.PanelBox(21)->text().toStdString(), "33");
}

TEST_F(MainWindowTest, AnOutdatedUrlListIsDeletedSilentlyAndGivesNoAdministratorMode) {
    test::WriteDeliveredLists(dir.Path());
    WriteLines(dir.File("MyURL.txt"), {"Version=4.4.9", "株価データ=http://quotes.example/", "管理者=KVO"});
    MDIForm1& form = Start();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_FALSE(FileExists(dir.File("MyURL.txt")));
    EXPECT_EQ(Program().app.AdminMode, kFalse);
    EXPECT_EQ(Program().app.UrlListVersion, "449");
    EXPECT_EQ(form.Combo2->count(), 0);
}

TEST_F(MainWindowTest, ANewerUrlListIsKeptAndReadIntoTheAddressBar) {
    test::WriteDeliveredLists(dir.Path());
    WriteLines(dir.File("MyURL.txt"), {"Version=4.4.100", "株価データ=http://quotes.example/a", "管理者=KVO"});
    test::WriteListTable(dir.File("old.eTBL"), "4.4.16");
    MDIForm1& form = Start();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(FileExists(dir.File("MyURL.txt")));
    EXPECT_EQ(Program().app.UrlListVersion, "44100");
    EXPECT_EQ(form.Combo2->currentText().toStdString(), "http://quotes.example/a");
    // Administrator mode: its title, its debug item, and old tables kept.
    EXPECT_EQ(Program().app.AdminMode, kTrue);
    EXPECT_EQ(Program().app.AppTitle, "Ranvikチャートsup ");
    EXPECT_TRUE(form.Item("mnuFuncExItem", 7).Visible());
    EXPECT_TRUE(FileExists(dir.File("old.eTBL")));
}

TEST_F(MainWindowTest, OutdatedListTablesAreDeletedAtStart) {
    WriteUrlList();
    test::WriteListTable(dir.File("old.eTBL"), "4.4.16");
    test::WriteListTable(dir.File("new.eTBL"), "4.5.0");
    Start();
    EXPECT_FALSE(FileExists(dir.File("old.eTBL")));
    EXPECT_TRUE(FileExists(dir.File("new.eTBL")));
}

TEST_F(MainWindowTest, ShutDownRewritesTheSettingsKeysThatAreThere) {
    WriteUrlList();
    WriteLines(dir.File("Ranvikchart.ini"), SettingsLines("4.4.5", "7"));
    MDIForm1& form = Start();
    form.PanelBox(20)->setText("8");
    form.PanelBox(21)->setText("30");
    Program().commands.BackColorIndex = 3;
    form.Item("mnuFuncExItem", 2).SetChecked(true);
    form.Item("mnuFuncExItem", 3).SetChecked(false);
    QSignalSpy ended(&form, &MDIForm1::Ended);
    form.close();
    EXPECT_EQ(ended.count(), 1);

    const std::string written = FromAnsi(test::ReadBytes(dir.File("Ranvikchart.ini")));
    const std::string expected =
        "Version=4.4.5\r\nWindowState='0  '\r\nmnuColorItem='3  '\r\nFixAMT='1  '\r\nPrinterDate='0  '\r\n"
        "mnuChartExplain='0  '\r\nCrossKabuka='1  '\r\nIdoSampleD1='8  '\r\nIdoSampleD2='30 '\r\n";
    EXPECT_EQ(written, expected);
    ASSERT_FALSE(help->calls.empty());
    EXPECT_EQ(help->calls.back(), (HelpCall{"close", dir.Path() + "RanvikCManual.chm", ""}));
}

TEST_F(MainWindowTest, ShutDownWithoutSettingsFileWritesNone) {
    WriteUrlList();
    MDIForm1& form = Start();
    form.close();
    EXPECT_FALSE(FileExists(dir.File("Ranvikchart.ini")));
}

TEST_F(MainWindowTest, ShutDownDeletesThePageFilesUnlessTheDebugItemIsChecked) {
    for (bool debug : {false, true}) {
        test::TempFolder folder;
        SetProgramFolder(folder.Path());
        ResetProgramState();
        test::WriteDeliveredLists(folder.Path());
        MDIForm1 form;
        ASSERT_TRUE(form.MDIForm_Load());
        auto& d = Program().download;
        d.PageFile1 = folder.File("株HTML.htm");
        d.PageFile8 = folder.File("株HTML8.htm");
        d.PageHeadFile = folder.File("株HEAD.htm");
        d.PageFile2 = folder.File("株HTML2.htm");  // never written: skipped quietly
        // A name left pointing at the user's saved pages: never the
        // program's to delete.
        test::TempFolder saved;
        d.PageFile3 = saved.File("株HTML3.htm");
        for (const std::string* page : {&d.PageFile1, &d.PageFile3, &d.PageFile8, &d.PageHeadFile}) {
            test::WriteBytes(*page, "x");
        }
        form.Item("mnuFuncExItem", 7).SetChecked(debug);
        form.close();
        EXPECT_TRUE(FileExists(d.PageFile3));
        EXPECT_EQ(FileExists(d.PageFile1), debug);
        EXPECT_EQ(FileExists(d.PageFile8), debug);
        EXPECT_EQ(FileExists(d.PageHeadFile), debug);
        EXPECT_TRUE(messages->shown.empty());
    }
}

TEST_F(MainWindowTest, WindowStateNumbersOtherThanTheThreeStatesAreIgnored) {
    WriteUrlList();
    MDIForm1& form = Start();
    form.SetWindowStateNumber(2);
    EXPECT_EQ(form.WindowStateNumber(), 2);
    form.SetWindowStateNumber(7);
    form.SetWindowStateNumber(-1);
    EXPECT_EQ(form.WindowStateNumber(), 2);
    form.SetWindowStateNumber(0);
    EXPECT_EQ(form.WindowStateNumber(), 0);
}

TEST_F(MainWindowTest, TheMenuBarHoldsItsItemsInTheirDesignStates) {
    WriteUrlList();
    MDIForm1& form = Start();
    const struct {
        const char* array;
        int index;
        const char* caption;
        bool visible, enabled, checked;
        const char* key;
    } items[] = {
        {"mnuFileItem", 0, "ﾊﾟﾗﾒﾀﾊﾞｰ表示(&M)", true, true, true, "Ctrl+Ins"},
        {"mnuFileItem", 1, "拡張ﾊﾟﾗﾒﾀﾊﾞｰ表示(&N)", true, true, false, "Shift+Ins"},
        {"mnuFileItem", 2, "ﾂｰﾙﾊﾞｰ表示(&T)", true, true, true, ""},
        {"mnuFileItem", 3, "ｱﾄﾞﾚｽ(URL)ﾊﾞｰ表示(&A)", true, true, false, "Ctrl+A"},
        {"mnuFileItem", 4, "銘柄リスト表示(&F)", true, true, true, "F9"},
        {"mnuFileItem", 5, "ｱﾄﾞﾚｽ(URL)固定(&B)", false, true, false, ""},
        {"mnuFuncExItem", 0, "比較チャートデータ抜け対策", true, false, false, ""},
        {"mnuFuncExItem", 3, "チャート印刷に日付を付ける(&P)", true, false, true, ""},
        {"mnuFuncExItem", 5, "十字線に株価表示(&C)", true, false, true, ""},
        {"mnuFuncExItem", 6, "株価データファイル名変更", false, false, false, ""},
        {"mnuFuncExItem", 7, "業績・時系列データのデバグ(&D)", false, true, false, "Shift+Ctrl+F12"},
        {"mnuGyouEnd", 1, "業績情報窓を閉じる(&K)", true, false, false, ""},
        {"mnuEnd", 1, "アプリケーション終了(&X)", true, true, false, "Ctrl+X"},
        {"mnuSelToolItem", 1, "株価データ保守 (&D)", true, true, false, "Ctrl+D"},
        {"mnuSelToolItem", 3, "株価データ収集(&F)", true, true, false, "Ctrl+F"},
        {"mnuSelToolItem", 7, "Tamelo(&M)", true, true, false, "Ctrl+M"},
        {"mnuWinItem", 0, "重ねて表示(&D)", true, true, false, ""},
        {"mnuWinItem", 3, "アイコン整列", false, true, false, ""},
        {"mnuWinItem", 4, "-", true, true, false, ""},
        {"mnuWinItem", 5, "株価データ保守(&J)", false, true, false, ""},
        {"mnuWinItem", 6, "業績情報(&K)", false, true, false, ""},
        {"mnuWinItem", 8, "ﾁｬｰﾄ表示窓追加(&C)", true, true, false, "Ctrl+C"},
        {"mnu会社Item", 0, "業績情報(&I)", true, true, false, ""},
        {"mnu会社Item", 1, "業績データ(&D)", false, true, false, ""},
        {"mnuHelpItem", 1, "説明(&H)", true, true, false, "Ctrl+H"},
        {"mnuHelpItem", 2, "プログラム情報(&P)", true, true, false, ""},
    };
    for (const auto& i : items) {
        const MenuItem item = form.Item(i.array, i.index);
        ASSERT_TRUE(item.Exists()) << i.array << i.index;
        EXPECT_EQ(item.Caption(), i.caption);
        EXPECT_EQ(item.Visible(), i.visible) << i.caption;
        EXPECT_EQ(item.Enabled(), i.enabled) << i.caption;
        EXPECT_EQ(item.Checked(), i.checked) << i.caption;
        EXPECT_EQ(item.Shortcut(), i.key) << i.caption;
    }
}

TEST_F(MainWindowTest, HidingAndShowingABarGivesTheListGridItsRoomAndTakesItBack) {
    WriteUrlList();
    MDIForm1& form = Start();
    for (int item : {0, 2, 3}) {
        const int before = HeightOf(form.MSF全Grid2);
        const bool shown = form.Item("mnuFileItem", item).Checked();
        form.mnuFileItem_Click(item);
        EXPECT_EQ(form.Item("mnuFileItem", item).Checked(), !shown) << item;
        form.mnuFileItem_Click(item);
        EXPECT_EQ(form.Item("mnuFileItem", item).Checked(), shown) << item;
        EXPECT_EQ(HeightOf(form.MSF全Grid2), before) << item;
    }
    form.mnuFileItem_Click(0);
    EXPECT_TRUE(form.Picture3->isHidden());
    form.mnuFileItem_Click(1);
    EXPECT_FALSE(form.HideParam->isHidden());
    form.mnuFileItem_Click(4);
    EXPECT_TRUE(form.Picture2->isHidden());
}

TEST_F(MainWindowTest, ThreePressesOfTheListSwitchCycleTheArrangementsAndComeBack) {
    WriteUrlList();
    MDIForm1& form = Start();
    form.resize(1024, 900);
    form.MDIForm_Resize();
    QWidget* movers[] = {form.Combo1, form.Frame1, form.Frame26, form.MSF全Grid2};
    std::vector<QRect> before;
    for (QWidget* w : movers) before.push_back(w->geometry());

    form.Picture7_MouseDown();
    EXPECT_FALSE(form.Picture8->isHidden());
    form.Picture7_MouseUp();
    EXPECT_TRUE(form.Picture8->isHidden());
    EXPECT_EQ(form.ListLayout, kListGridAlone);
    EXPECT_TRUE(form.MSFGrid1->isHidden());
    EXPECT_EQ(TopOf(form.Combo1), 270);
    EXPECT_EQ(form.ActiveGrid, form.MSF全Grid2);

    form.Picture7_MouseUp();
    EXPECT_EQ(form.ListLayout, kFileGridAlone);
    EXPECT_TRUE(form.MSF全Grid2->isHidden());
    EXPECT_TRUE(form.Combo1->isHidden());
    // Few files: exactly 225 twips per row.
    EXPECT_EQ(HeightOf(form.MSFGrid1), form.MSFGrid1->Rows() * 225);
    EXPECT_EQ(form.ActiveGrid, form.MSFGrid1);

    form.Picture7_MouseUp();
    EXPECT_EQ(form.ListLayout, kBothGrids);
    EXPECT_EQ(HeightOf(form.MSFGrid1), 1905);  // 1900 twips to the pixel
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(movers[i]->geometry(), before[i]) << i;
    EXPECT_FALSE(form.MSF全Grid2->isHidden());
    EXPECT_TRUE(form.Frame26->isHidden());
}

TEST_F(MainWindowTest, InTheFileGridArrangementManyFilesEndAboveTheWindowBottom) {
    for (int i = 0; i < 60; ++i) test::WriteBytes(dir.File(std::to_string(2001 + i) + "d.KDT"), "");
    WriteUrlList();
    for (int os : {10, 5}) {
        SetOperatingSystemVersion(os);
        ResetProgramState();
        MDIForm1 form;
        form.resize(1024, 600);
        ASSERT_TRUE(form.MDIForm_Load());
        form.Picture7_MouseUp();
        form.Picture7_MouseUp();
        const int paneTop = HeightOf(form.Picture1) + HeightOf(form.Picture3);
        const int room = form.FormHeightTw() - paneTop - TopOf(form.MSFGrid1) - 780;
        EXPECT_NEAR(HeightOf(form.MSFGrid1), room - (os >= 6 ? 130 : 0), 15) << os;
    }
}

TEST_F(MainWindowTest, TheLayoutMarginsApplyFromMajorVersionSix) {
    WriteUrlList();
    int grid[2] = {0, 0};
    int address[2] = {0, 0};
    int k = 0;
    for (double os : {6.1, 5.1}) {
        SetOperatingSystemVersion(os);
        ResetProgramState();
        MDIForm1 form;
        form.resize(1024, 768);
        ASSERT_TRUE(form.MDIForm_Load());
        form.MDIForm_Resize();
        grid[k] = HeightOf(form.MSF全Grid2);
        address[k] = WidthOf(form.Combo2);
        ++k;
    }
    EXPECT_EQ(grid[1] - grid[0], 150);
    EXPECT_NEAR(address[1] - address[0], 80, 15);
}

TEST_F(MainWindowTest, TheExtendedPanelScrollsItsContentAndClosesByItsImage) {
    WriteUrlList();
    MDIForm1& form = Start();
    form.mnuFileItem_Click(1);
    form.resize(1024, 600);
    form.MDIForm_Resize();
    ASSERT_LT(HeightOf(form.Picture14), HeightOf(form.Picture13));
    EXPECT_FALSE(form.VScroll1->isHidden());
    EXPECT_EQ(WidthOf(form.HideParam), WidthOf(form.VScroll1) + 3000);
    form.VScroll1->setValue(50);
    EXPECT_EQ(form.Picture13->y(), -50);

    const QRect image = form.Image2->geometry();
    form.Image2_MouseDown();
    // 10 twips in, 20 twips smaller, to the pixel.
    EXPECT_EQ(form.Image2->geometry(), image.adjusted(1, 1, 0, 0));
    form.Image2_MouseUp();
    EXPECT_EQ(form.Image2->geometry(), image);
    EXPECT_TRUE(form.HideParam->isHidden());
    EXPECT_FALSE(form.Item("mnuFileItem", 1).Checked());
}

// Whenever the extended panel is shown, its boxes are as usable as the
// window: disabled with it, enabled with it, whether the window was disabled
// and enabled again while the panel was hidden or shown.
TEST_F(MainWindowTest, TheShownExtendedPanelFollowsTheWindowsEnabledState) {
    WriteUrlList();
    MDIForm1& form = Start();
    QLineEdit* box = form.PanelBox(20);
    for (bool shownMeanwhile : {false, true}) {
        SCOPED_TRACE(shownMeanwhile);
        form.HideParam->setVisible(shownMeanwhile);
        form.setEnabled(false);
        form.mnuFileItem_Click(1);  // the view menu toggles the panel
        form.mnuFileItem_Click(1);
        form.HideParam->setVisible(true);
        EXPECT_FALSE(box->isEnabled());
        form.setEnabled(true);
        EXPECT_TRUE(box->isEnabled());
        box->clear();
        QTest::keyClicks(box, "12");
        EXPECT_EQ(box->text().toStdString(), "12");
        form.setEnabled(false);
        EXPECT_FALSE(box->isEnabled());
        form.setEnabled(true);
    }
}

TEST_F(MainWindowTest, ThePanelHoldsEveryBoxWithItsDesignText) {
    WriteUrlList();
    MDIForm1& form = Start();
    for (int no = 20; no <= 80; ++no) EXPECT_NE(form.PanelBox(no), nullptr) << no;
    EXPECT_EQ(form.PanelBox(74)->text().toStdString(), "1");
    EXPECT_EQ(form.PanelBox(77)->text().toStdString(), "48");
    auto* frame = qobject_cast<QGroupBox*>(form.PanelBox(26)->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title().toStdString(), "MACD");
    EXPECT_EQ(form.QuickBoxes.size(), 11u);
    // No chart window has filled the bar yet: its boxes are empty.
    for (const auto& [no, box] : form.QuickBoxes) EXPECT_EQ(box->text().toStdString(), "") << no;
    EXPECT_EQ(form.QuickLabels[12]->text().toStdString(), "ﾊﾟﾗﾎﾞﾘｯｸ");
}

TEST_F(MainWindowTest, OnlyAnAdministratorDragsTheListPaneEdge) {
    WriteUrlList();
    MDIForm1& form = Start();
    const int width = WidthOf(form.Picture2);
    form.Picture2_MouseMove(0, width - 60);
    form.Picture2_MouseMove(1, width + 600);
    EXPECT_EQ(WidthOf(form.Picture2), width);
    EXPECT_NE(MousePointerOf(form.Picture2), 9);

    Program().app.AdminMode = kTrue;
    form.Picture2_MouseMove(0, width - 60);
    EXPECT_EQ(MousePointerOf(form.Picture2), 9);
    form.Picture2_MouseMove(1, width + 540);
    EXPECT_EQ(WidthOf(form.Picture2), width + 600);
    // Past the start-up width back: it snaps to it and the drag ends.
    form.Picture2_MouseMove(1, width - 900);
    EXPECT_EQ(WidthOf(form.Picture2), width);
    EXPECT_EQ(WidthOf(form.MSFGrid1), 2295);  // 2290 twips to the pixel
    EXPECT_EQ(MousePointerOf(form.Picture2), 1);
    EXPECT_EQ(form.ListPaneDragX, 0);
}

TEST_F(MainWindowTest, TheDebugItemChangesTheTitleAndTellsTheReaders) {
    WriteUrlList({"管理者=KVO"});
    MDIForm1& form = Start();
    form.mnuFuncExItem_Click(7);
    EXPECT_TRUE(form.Item("mnuFuncExItem", 7).Checked());
    EXPECT_EQ(Program().app.AppTitle, "RanvikチャートsupDebug ");
    EXPECT_EQ(Program().app.DebugPages, kTrue);
    form.mnuFuncExItem_Click(7);
    EXPECT_EQ(Program().app.AppTitle, "Ranvikチャートsup ");
    EXPECT_EQ(Program().app.DebugPages, kFalse);
}

TEST_F(MainWindowTest, TheHelpItemShowsThePageOfWhatIsOnScreen) {
    WriteUrlList();
    MDIForm1& form = Start();
    form.mnuHelpItem_Click(1);
    form.Picture11->show();
    form.mnuHelpItem_Click(1);
    ASSERT_EQ(help->calls.size(), 2u);
    EXPECT_EQ(help->calls[0].page, "Manual\\RanvikC5.html");
    EXPECT_EQ(help->calls[1].page, "Manual\\RanvikC8.html");
    EXPECT_EQ(help->calls[0].helpFile, dir.Path() + "RanvikCManual.chm");
}

TEST_F(MainWindowTest, PressingAFreeTabDoesNothing) {
    WriteUrlList();
    MDIForm1& form = Start();
    const QRect tab = form.Label4->geometry();
    form.WindowTab_MouseDown(2);
    EXPECT_EQ(form.Label4->geometry(), tab);
    form.WindowTab_MouseUp(2);
    EXPECT_EQ(form.Label4->geometry(), tab);
}

}  // namespace
}  // namespace ranvik
