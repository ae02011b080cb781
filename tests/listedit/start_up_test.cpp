// The editor's start-up: the administrator switch, the list file test, the
// caption, the menus' first state, the resize rule, help and the window's
// own mouse.
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "listedit/start_up.h"
#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

TEST_F(Form1Test, TheAdministratorSwitchReadsTheUrlListUpToItsEndMarker) {
    const struct Case {
        std::vector<std::string> lines;
        int admin;
        const char* why;
    } cases[] = {
        {{"管理者=KVO"}, -1, "the value"},
        {{"管理者=kvo"}, -1, "letter case does not count"},
        {{"  管理者:Kvo  "}, -1, "blanks around the line; any separator"},
        {{"管理者= KVO"}, 0, "a blank after the separator"},
        {{"管理者KVO"}, 0, "the fourth character is the separator"},
        {{"管理者=KVOX"}, 0, "more than the value"},
        {{"管理者=ＫＶＯ"}, 0, "wide letters"},
        {{"x管理者=KVO"}, 0, "not at the start"},
        {{"<END>", "管理者=KVO"}, 0, "after the end marker"},
        {{"a line with //END inside", "管理者=KVO"}, 0, "after //END inside a line"},
        {{"管理者=KVO <END>"}, 0, "the marker line itself is not looked at"},
        {{"管理者=KVO", "管理者=abc"}, -1, "a later line never switches it off"},
        // The chart program's reader passes such a line over; so does the
        // editor, so that both agree on the mode.
        {{"管理者", "管理者=KVO"}, -1, "a line of the key alone is passed over"},
        {{"管理者="}, 0, "an empty value"},
        {{}, 0, "an empty list"},
    };
    for (const Case& c : cases) {
        WriteLines(dir.File("MyURL.txt"), c.lines);
        EXPECT_EQ(AdminSwitchOf(dir.File("MyURL.txt")), c.admin) << c.why;
    }
    EXPECT_EQ(AdminSwitchOf(dir.File("none.txt")), 0);
}

TEST_F(Form1Test, AListFileIsFoundByItsNameLessTheLastFourCharacters) {
    ranvik::test::WriteBytes(dir.File("MyURL.txt"), "x");
    ranvik::test::WriteBytes(dir.File("東証プライムリスト.eTBL"), "x");
    ranvik::test::WriteBytes(dir.File("noext"), "x");
    const struct {
        const char* name;
        int found;
    } cases[] = {
        {"MyURL.txt", 1},
        {"MyURL.TXT", 1},  // the pattern lists both; the names agree before the extension
        {"myurl.txt", 0},  // the names compare letter case
        {"MyURL.csv", 0},  // the pattern lists no such extension
        {"MyURL.txx", 0},
        {"東証プライムリスト.eTBL", 1},
        {"名証全リスト.eTBL", 0},
        {"noext", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExistsInAppDir(c.name), c.found) << c.name;
}

TEST_F(Form1Test, TheCaptionCarriesTheProgramsVersionWithoutABlank) {
    const struct {
        bool admin;
        VersionNumber version;
        const char* caption;
    } cases[] = {
        {false, {4, 4, 23}, "Tamelo(4.4.23)"},
        {true, {4, 4, 23}, "TameloSUP(4.4.23)"},
        {false, {10, 0, 105}, "Tamelo(10.0.105)"},
    };
    for (const auto& c : cases) EXPECT_EQ(VersionCaption("Tamelo", c.admin, c.version), c.caption);

    Start();
    EXPECT_EQ(Caption(), "Tamelo(4.4.24)");
    EXPECT_EQ(form->BaseCaption, "Tamelo(4.4.24)");
    EXPECT_EQ(Editor().HelpFilePath, dir.Path() + "RanvikCManual.chm");
    EXPECT_EQ(Editor().AdminMode, 0);
    EXPECT_EQ(Editor().OsMajorVersion, 10);
    EXPECT_EQ(Editor().MarketLetters[0], "t");
    EXPECT_EQ(Editor().MarketLetters[11], "x");
}

TEST_F(Form1Test, TheMenusStartInTheirDesignStates) {
    Form1& f = Start();
    const struct {
        MenuItemArray* array;
        int index;
        const char* caption;
        bool visible, enabled;
        const char* key;
    } items[] = {
        {f.mnuMeigaraList, 0, "全銘柄リスト(&A)", true, true, "Ctrl+A"},
        {f.mnuMeigaraList, 1, "東証プライム銘柄リスト(&B)", true, true, "Ctrl+B"},
        {f.mnuMeigaraList, 2, "東証スタンダード銘柄リスト(&N)", true, true, "Ctrl+N"},
        {f.mnuMeigaraList, 3, "東証グロース銘柄リスト(&G)", true, true, "Ctrl+G"},
        {f.mnuMeigaraList, 4, "名証全銘柄リスト(&E)", true, true, "Ctrl+E"},
        {f.mnuMeigaraList, 5, "URLリスト(&U)", true, false, "Ctrl+U"},
        {f.mnuMeigaraList, 6, "トピックスリスト(&T)", false, true, "Ctrl+T"},
        {f.mnuFileItem, 0, "開く(&O)", false, true, "Ctrl+O"},
        {f.mnuFileItem, 1, "保存(&S)", true, false, "Ctrl+S"},
        {f.mnuEnd, 0, "Tameloの終了(&X)", true, true, "Ctrl+X"},
        {f.mnuHenItem, 0, "検索(&F)", true, false, "Ctrl+F"},
        {f.mnuHenItem, 1, "-", true, true, ""},
        {f.mnuHenItem, 2, "部分修正(&A)", false, false, ""},
        {f.mnuHenItem, 3, "行追加(&I)", false, false, ""},
        {f.mnuHenItem, 4, "行削除(&D)", false, false, ""},
        {f.mnuHenItem, 5, "行移動(&M)", false, false, ""},
        {f.mnuHenItem, 6, "リセット(&R)", false, false, "Ctrl+R"},
        {f.mnuHenItem, 8, "-", true, true, ""},
        {f.mnuHenItem, 9, "編集ボタンの表示(&L)", true, true, "Ctrl+L"},
        {f.mnuHenItem, 10, "-", true, true, ""},
        {f.mnuHenItem, 11, "特権モード(&P)", true, true, "Ctrl+P"},
        {f.mnuHelpItem, 0, "説明", true, true, "Ctrl+H"},
        {f.mnuSijyouItem, 0, "t ---東証", true, true, ""},
        {f.mnuSijyouItem, 3, "q ---ジャスダック", false, true, ""},
        {f.mnuSijyouItem, 5, "m---マザース", false, true, ""},
        {f.mnuSijyouItem, 11, "x ---その他(為替)", true, true, ""},
        {f.mnuBuItem, 4, "4---東証P", true, true, ""},
    };
    for (const auto& i : items) {
        ASSERT_TRUE(i.array->Has(i.index)) << i.caption;
        EXPECT_EQ(i.array->Caption(i.index), i.caption);
        EXPECT_EQ(i.array->Visible(i.index), i.visible) << i.caption;
        EXPECT_EQ(i.array->Enabled(i.index), i.enabled) << i.caption;
        EXPECT_FALSE(i.array->Checked(i.index)) << i.caption;
        EXPECT_EQ(i.array->Shortcut(i.index), i.key) << i.caption;
    }
    EXPECT_FALSE(f.mnuHenItem->Has(7));
    EXPECT_EQ(f.mnuSijyouItem->Indexes(), (std::vector<int>{0, 2, 3, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_TRUE(f.Frame3->isHidden());
    EXPECT_TRUE(f.Frame2->isHidden());
    EXPECT_TRUE(f.URLNEWStxt->isHidden());
    EXPECT_TRUE(f.Text2->isHidden());
    EXPECT_EQ(f.Frame2->title().toStdString(), "検索キーを入力");
}

TEST_F(Form1Test, AdministratorModeOffersTheUrlAndTopicsListsAndNoPrivilegeMode) {
    WriteAdminUrlList();
    Form1& f = Start();
    EXPECT_EQ(Editor().AdminMode, -1);
    EXPECT_EQ(Caption(), "TameloSUP(4.4.24)");
    EXPECT_TRUE(f.mnuMeigaraList->Enabled(5));
    EXPECT_TRUE(f.mnuMeigaraList->Visible(6));
    EXPECT_FALSE(f.mnuHenItem->Enabled(11));
    f.mnuHenItem_Click(11);
    EXPECT_FALSE(f.mnuHenItem->Checked(11));
    EXPECT_TRUE(f.mnuMeigaraList->Enabled(5));
}

TEST_F(Form1Test, PrivilegeModeOpensAndClosesTheUrlListItemOnly) {
    Form1& f = Start();
    for (bool on : {true, false, true}) {
        f.mnuHenItem_Click(11);
        EXPECT_EQ(f.mnuHenItem->Checked(11), on);
        EXPECT_EQ(f.mnuMeigaraList->Enabled(5), on);
        EXPECT_TRUE(f.mnuMeigaraList->Visible(5));
        EXPECT_FALSE(f.mnuMeigaraList->Visible(6));
    }
}

TEST_F(Form1Test, TheEditMenuTogglesTheSearchFrameAndTheEditButtons) {
    Form1& f = Start();
    f.Combo1->setEditText("トヨタ");
    f.FindWrapped = 1;
    f.mnuHenItem_Click(0);
    EXPECT_TRUE(f.mnuHenItem->Checked(0));
    EXPECT_FALSE(f.Frame2->isHidden());
    EXPECT_EQ(f.FindWrapped, 0);
    EXPECT_EQ(f.Combo1->lineEdit()->selectedText().toStdString(), "トヨタ");
    f.mnuHenItem_Click(0);
    EXPECT_FALSE(f.mnuHenItem->Checked(0));
    EXPECT_TRUE(f.Frame2->isHidden());

    f.mnuHenItem_Click(9);
    EXPECT_TRUE(f.mnuHenItem->Checked(9));
    EXPECT_FALSE(f.Frame3->isHidden());
    f.mnuHenItem_Click(9);
    EXPECT_TRUE(f.Frame3->isHidden());
    // Other items have no action.
    f.mnuHenItem_Click(3);
    f.mnuHenItem_Click(42);
}

TEST_F(Form1Test, HelpShowsTheEditorsPageAndAFailingViewerIsReported) {
    Form1& f = Start();
    f.mnuHelpItem_Click(0);
    ASSERT_EQ(help->calls.size(), 1u);
    EXPECT_EQ(help->calls[0], (HelpCall{"show", dir.Path() + "RanvikCManual.chm", "Manual\\RanvikC4.html"}));
    EXPECT_TRUE(messages->shown.empty());

    struct Failing : HelpService {
        void ShowTopic(const std::string&, const std::string&) override { throw std::runtime_error("no viewer"); }
        void CloseAll(const std::string&) override { throw std::runtime_error("no viewer"); }
    };
    auto previous = InstallHelpService(std::make_unique<Failing>());
    f.mnuHelpItem_Click(0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "054, ヘルププログラムが見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Tamelo");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    // Closing ignores a failing viewer.
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    InstallHelpService(std::move(previous));
}

TEST_F(Form1Test, ResizingFitsTheListsToTheWindowAndGivesTheNameColumnTheRest) {
    WritePrimeTable();
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    const struct {
        int width, height, os;
    } sizes[] = {{700, 500, 10}, {900, 640, 10}, {900, 640, 5}};
    for (const auto& s : sizes) {
        SetOperatingSystemVersion(s.os);
        Editor().OsMajorVersion = static_cast<std::int16_t>(s.os);
        f.resize(s.width, s.height);
        f.Form_Resize();
        const int margin = s.os >= 6 ? 50 : 0;
        EXPECT_NEAR(HeightOf(f.MSFGrid1), f.FormHeightTw() - 700 - 800 - margin, 15) << s.width;
        EXPECT_NEAR(HeightOf(f.URLNEWStxt), f.FormHeightTw() - 700 - 800 - margin, 15);
        EXPECT_NEAR(WidthOf(f.MSFGrid1), f.FormWidthTw() - LeftOf(f.MSFGrid1) - 200, 15);
        EXPECT_EQ(f.MSFGrid1->ColWidth(2), WidthOf(f.MSFGrid1) - 540 - 500 - 500 - 1000 - 320);
    }
    // Narrower than the rule's limit: the name column keeps its width.
    const int before = f.MSFGrid1->ColWidth(2);
    f.resize(160, 500);
    f.Form_Resize();
    EXPECT_EQ(f.MSFGrid1->ColWidth(2), before);
    // Far wider than a 16-bit width: the column still gets it.
    f.resize(2400, 500);
    f.Form_Resize();
    EXPECT_GT(f.MSFGrid1->ColWidth(2), 32767);
    EXPECT_EQ(f.MSFGrid1->ColWidth(2), WidthOf(f.MSFGrid1) - 540 - 500 - 500 - 1000 - 320);
}

TEST_F(Form1Test, InAdministratorModeTheNameColumnLeavesRoomForTheUniColumn) {
    WriteAdminUrlList();
    WritePrimeTable();
    Form1& f = Start();
    f.mnuMeigaraList_Click(1);
    EXPECT_EQ(f.MSFGrid1->ColWidth(2), WidthOf(f.MSFGrid1) - 550 - 500 - 500 - 1000 - 320 - 600);
    f.Form_Resize();
    EXPECT_EQ(f.MSFGrid1->ColWidth(2), WidthOf(f.MSFGrid1) - 540 - 500 - 500 - 1000 - 320 - 600);
}

TEST_F(Form1Test, ResizingCarriesTheOpenCellEditorWithItsCell) {
    Form1& f = StartWithPrimeTable();
    f.修正BTN_Click();
    Press(3, 2);
    ASSERT_FALSE(f.Text2->isHidden());
    f.resize(900, 640);
    f.Form_Resize();
    EXPECT_NEAR(LeftOf(f.Text2), LeftOf(f.MSFGrid1) + f.MSFGrid1->ColPos(2), 15);
    EXPECT_NEAR(TopOf(f.Text2), TopOf(f.MSFGrid1) + 240 * (3 - f.MSFGrid1->TopRow()) + 280, 15);
    EXPECT_NEAR(WidthOf(f.Text2), f.MSFGrid1->ColWidth(2), 15);
    EXPECT_EQ(f.EditorLeft, LeftOf(f.Text2));
}

TEST_F(Form1Test, ARightPressOnTheFormPopsUpTheFileMenu) {
    Form1& f = Start();
    f.Form_MouseDown(1, 0, 100, 100);
    EXPECT_TRUE(popups->shown.empty());
    f.Form_MouseDown(2, 0, 100, 100);
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_EQ(popups->shown[0].menu, f.mnuFaile);
}

TEST_F(Form1Test, MovingOverTheFormRestoresTheHoveredCellAndTheButtons) {
    Form1& f = StartWithPrimeTable();
    f.MSFGrid1_MouseMove(0, 0, 300, 2 * 240 + 10);
    ASSERT_EQ(f.HoverRow, 2);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 1), kHoverBack);
    f.EditButton_MouseMove(f.行削除BTN, 0);
    EXPECT_EQ(BackColorOf(f.Label6), kBackLabelHover);
    f.Form_MouseMove();
    EXPECT_EQ(f.HoverRow, 0);
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 1), InactiveBorderColor());
    EXPECT_EQ(BackColorOf(f.Label6), kBackLabelNormal);
    EXPECT_EQ(BackColorOf(f.行削除BTN), kButtonNormal);

    // A cell opened for modification keeps its colour and shows white text.
    f.修正BTN_Click();
    Press(2, 2);
    f.MSFGrid1_MouseMove(0, 0, 700, 2 * 240 + 10);
    ASSERT_EQ(f.HoverCol, 2);
    f.MSFGrid1->SetCellBackColorAt(2, 2, QBColor(9));
    f.Form_MouseMove();
    EXPECT_EQ(f.MSFGrid1->CellForeColorAt(2, 2), QBColor(15));
    EXPECT_EQ(f.MSFGrid1->CellBackColorAt(2, 2), QBColor(9));
    // The pending operation's button keeps its look.
    f.EditButton_MouseMove(f.修正BTN, 0);
    f.Frame3_MouseMove();
    EXPECT_EQ(BackColorOf(f.Label4), kBackLabelHover);
}

}  // namespace
}  // namespace ranvik::listedit::test
