#include "core/list_pane.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/twips.h"
#include "tests/support/list_entries.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::Heading;
using test::Stock;

std::string Padded(const std::string& name) { return name + std::string(52 - AnsiLength(name), ' '); }

class ListPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = dir.Path();
    }
    void TearDown() override { ResetProgramState(); }

    void WriteTable(std::string_view file, const std::vector<ListEntry>& entries, std::uint8_t check = 0) {
        ListEntry header;
        header.StockName = "4.4.24";
        header.Section = check;
        test::WriteBytes(dir.File(file), ListTableBytes(header, entries));
    }

    void Choose(std::string_view choice) {
        pane.Combo1->setCurrentIndex(pane.Combo1->findText(QString::fromUtf8(choice.data(), int(choice.size()))));
        pane.Combo1_Click();
    }

    FlexGrid& Grid() { return *pane.MSF全Grid2; }

    ScopedRecordingMessages messages;
    test::TempFolder dir;
    ListPane pane;
};

TEST_F(ListPaneTest, TheChooserOffersEveryChoiceInOrder) {
    QStringList items;
    for (int i = 0; i < pane.Combo1->count(); ++i) items << pane.Combo1->itemText(i);
    EXPECT_EQ(items, QStringList({"全銘柄", "東証プライム", "東証スタンダード", "東証グロース", "名証", "その他", "検索"}));
}

TEST_F(ListPaneTest, EveryChoiceShowsItsOwnTable) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"全銘柄", kAllStocksTable}, {"東証プライム", kPrimeTable},   {"東証スタンダード", kStandardTable},
        {"東証グロース", kGrowthTable}, {"名証", kNagoyaTable},
    };
    int n = 0;
    for (const auto& [choice, file] : cases) WriteTable(file, {Stock(std::to_string(1000 + n++), std::string(file))});
    n = 0;
    for (const auto& [choice, file] : cases) {
        Choose(choice);
        EXPECT_EQ(Grid().TextMatrix(1, 0), std::to_string(1000 + n++)) << choice;
        EXPECT_EQ(Trim(Grid().TextMatrix(1, 1)), file);
        EXPECT_EQ(Program().lists.CurrentListTable, choice);
        EXPECT_EQ(Grid().Rows(), 3) << "title, one record, one blank row";
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ListPaneTest, LayoutAndTitleRowAreSetByEveryFill) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車")});
    Choose("東証プライム");
    EXPECT_EQ(Grid().Cols(), 4);
    EXPECT_EQ(Grid().FixedRows(), 1);
    const int widths[] = {450, 5000, 500, 500};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Grid().ColWidth(c), widths[c]) << c;
    EXPECT_EQ(Grid().RowHeight(0), 250);
    EXPECT_EQ(Grid().ColAlignment(0), kFlexAlignCenterCenter);
    EXPECT_EQ(Grid().ColAlignment(1), kFlexAlignLeftCenter);
    EXPECT_EQ(Grid().ColAlignment(2), kFlexAlignCenterCenter);
    EXPECT_EQ(Grid().TextMatrix(0, 0), "ｺｰﾄﾞ");
    EXPECT_EQ(Grid().TextMatrix(0, 1), "　　     銘柄");
    EXPECT_EQ(Grid().TextMatrix(0, 2), "市場");
    EXPECT_EQ(Grid().TextMatrix(0, 3), "売買");
    EXPECT_EQ(Grid().Row(), 0);
    EXPECT_EQ(Grid().TopRow(), 1);
}

TEST_F(ListPaneTest, GroupedTablesColourTheirCodesByGroupAndHeadingsRed) {
    WriteTable(kNagoyaTable, {Stock("1301", "極洋", "n", 1), Heading("水産・農林業"), Stock("1332", "ニッスイ", "n", 1),
                              Stock("0050", "指数", "n", 1), Heading("建設業"), Stock("1801", "大成建設", "n", 2, 1000)});
    Choose("名証");
    FlexGrid& g = Grid();
    ASSERT_EQ(g.Rows(), 8);

    struct Row {
        std::string code, market, unit;
        Color codeBack, codeFore, nameFore;
    };
    const Row expected[] = {
        {"1301", "n 1", "100", QBColor(0), QBColor(15), QBColor(0)},  // before any heading: group 0
        {"", "", "", ButtonFaceColor(), g.CellForeColorAt(2, 0), QBColor(12)},
        {"1332", "n 1", "100", QBColor(1), QBColor(15), QBColor(0)},
        {"0050", "n 1", "100", QBColor(1), QBColor(0), QBColor(0)},  // codes up to 0100 stay black
        {"", "", "", ButtonFaceColor(), g.CellForeColorAt(5, 0), QBColor(12)},
        {"1801", "n 2", "1000", QBColor(2), QBColor(15), QBColor(0)},
    };
    for (int i = 0; i < 6; ++i) {
        const int r = i + 1;
        EXPECT_EQ(g.TextMatrix(r, 0), expected[i].code) << r;
        EXPECT_EQ(g.TextMatrix(r, 2), expected[i].market) << r;
        EXPECT_EQ(g.TextMatrix(r, 3), expected[i].unit) << r;
        EXPECT_EQ(g.CellBackColorAt(r, 0), expected[i].codeBack) << r;
        EXPECT_EQ(g.CellForeColorAt(r, 0), expected[i].codeFore) << r;
        EXPECT_EQ(g.CellForeColorAt(r, 1), expected[i].nameFore) << r;
    }
    EXPECT_EQ(g.TextMatrix(2, 1), Padded("水産・農林業"));
    EXPECT_EQ(g.TextMatrix(3, 1), Padded("ニッスイ"));
    // The blank row after the table.
    for (int c = 0; c < 4; ++c) EXPECT_EQ(g.TextMatrix(7, c), "");
    EXPECT_EQ(g.CellBackColorAt(7, 0), ButtonFaceColor());
}

TEST_F(ListPaneTest, AStockOnGroupColourSevenHasBlackCodeTextAndOnEightWhite) {
    std::vector<ListEntry> entries;
    for (int g = 1; g <= 8; ++g) {
        entries.push_back(Heading("業種" + std::to_string(g)));
        entries.push_back(Stock("1301", "極洋"));
    }
    WriteTable(kPrimeTable, entries);
    Choose("東証プライム");
    EXPECT_EQ(Grid().CellBackColorAt(14, 0), QBColor(7));
    EXPECT_EQ(Grid().CellForeColorAt(14, 0), QBColor(0));
    EXPECT_EQ(Grid().CellBackColorAt(16, 0), QBColor(8));
    EXPECT_EQ(Grid().CellForeColorAt(16, 0), QBColor(15));
}

TEST_F(ListPaneTest, PlainTablesShowEveryRecordAsStoredOnTheButtonFace) {
    WriteTable(kAllStocksTable, {Stock("1301", "極洋"), Heading("見出し"), Stock("7203", "トヨタ自動車", "n", 1)});
    Choose("全銘柄");
    FlexGrid& g = Grid();
    ASSERT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.TextMatrix(1, 0), "1301");
    EXPECT_EQ(g.TextMatrix(1, 1), Padded("極洋"));
    EXPECT_EQ(g.TextMatrix(2, 0), "****");
    EXPECT_EQ(g.TextMatrix(2, 1), Padded("見出し"));
    EXPECT_EQ(g.TextMatrix(2, 2), "  0");
    EXPECT_EQ(g.TextMatrix(3, 2), "n 1");
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(g.CellBackColorAt(r, 0), ButtonFaceColor()) << r;
        for (int c = 0; c < 4; ++c) EXPECT_EQ(g.CellForeColorAt(r, c), QBColor(0)) << r << "," << c;
    }
}

TEST_F(ListPaneTest, ATableCutAfterItsHeaderShowsNoRowsReadPastItsEnd) {
    WriteTable(kAllStocksTable, {Stock("1301", "極洋"), Stock("1332", "ニッスイ"), Stock("7203", "トヨタ自動車")});
    const std::string whole = test::ReadBytes(dir.File(kAllStocksTable));
    test::WriteBytes(dir.File(kAllStocksTable), whole.substr(0, 68 * 2));  // header and the first stock
    Choose("全銘柄");
    EXPECT_EQ(Grid().Rows(), 3) << "title, the one record held, one blank row";
    EXPECT_EQ(Grid().TextMatrix(1, 0), "1301");
    EXPECT_EQ(Grid().TextMatrix(2, 0), "");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(ListPaneTest, OtherShowsStocksOfNoMajorSegmentWithoutABlankRow) {
    WriteTable(kAllStocksTable, {Stock("1301", "a", "t", 1), Stock("1302", "b", "t", 0), Stock("1303", "c", "n", 0),
                                 Stock("1304", "d", "t", 4), Stock("1305", "e", "f", 1), Stock("1306", "f", "t", 3),
                                 Stock("1307", "g", "s", 2)});
    Choose("その他");
    FlexGrid& g = Grid();
    ASSERT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.TextMatrix(1, 0), "1302");
    EXPECT_EQ(g.TextMatrix(2, 0), "1304");
    EXPECT_EQ(g.TextMatrix(3, 0), "1305");
    EXPECT_EQ(g.TextMatrix(4, 0), "1307");
    EXPECT_EQ(Program().lists.CurrentListTable, "その他");
}

TEST_F(ListPaneTest, AMissingTableShows053AndReturnsToTheTableShownBefore) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車"), Stock("6758", "ソニーグループ")});
    Choose("東証プライム");
    Choose("東証グロース");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "053, 東証グロースリストが見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages->shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(pane.Combo1->currentText(), "東証プライム");
    EXPECT_EQ(Program().lists.CurrentListTable, "東証プライム");
    EXPECT_EQ(Grid().Rows(), 4);
    EXPECT_EQ(Grid().TextMatrix(2, 0), "6758");
}

TEST_F(ListPaneTest, ARefusedTableShows030AndLeavesNoRows) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車")});
    WriteTable(kStandardTable, {Stock("2702", "日本マクドナルドホールディングス")}, 11);
    WriteTable(kGrowthTable, {Stock("4478", "フリー")}, 10);
    Choose("東証プライム");
    Choose("東証スタンダード");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "030, <東証スタンダードリスト> --- この銘柄リストは使えません");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Grid().TextMatrix(0, 0), "ｺｰﾄﾞ") << "the title row stays";
    for (int r = 1; r < Grid().Rows(); ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Grid().TextMatrix(r, c), "") << r;
    Choose("東証グロース");  // a check value of 10 is still usable
    EXPECT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "4478");
}

TEST_F(ListPaneTest, SearchOpensTheSearchFrameAboveTheChooser) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車")});
    Choose("東証プライム");
    int hooks = 0;
    pane.ClearListHighlight = [&] { ++hooks; };
    pane.ResetSearch = [&] { ++hooks; };
    Choose("検索");
    EXPECT_FALSE(pane.Frame26->isHidden());
    // Geometry lands on whole pixels of 15 twips.
    EXPECT_EQ(TopOf(pane.Frame26), PixelsToTwips(TwipsToPixels(TopOf(pane.Combo1) - 10)));
    EXPECT_EQ(hooks, 0);
    EXPECT_EQ(Program().lists.CurrentListTable, "東証プライム");
    EXPECT_EQ(Grid().TextMatrix(1, 0), "7203");
    // Opened again, the frame stays where it is.
    SetTop(pane.Frame26, 300);
    Choose("検索");
    EXPECT_EQ(TopOf(pane.Frame26), 300);
}

TEST_F(ListPaneTest, AChoiceClearsTheHighlightBeforeTheFillAndResetsTheSearchAfterIt) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車")});
    std::vector<std::string> steps;
    pane.ClearListHighlight = [&] { steps.push_back("highlight:" + Grid().TextMatrix(1, 0)); };
    pane.ResetSearch = [&] { steps.push_back("search:" + Grid().TextMatrix(1, 0)); };
    pane.FocusToolbar = [&] { steps.push_back("focus"); };
    Choose("東証プライム");
    EXPECT_EQ(steps, (std::vector<std::string>{"highlight:", "search:7203", "focus"}));
}

TEST_F(ListPaneTest, OnlyAPickByTheUserRunsTheHandler) {
    WriteTable(kPrimeTable, {Stock("7203", "トヨタ自動車")});
    pane.Combo1->setCurrentIndex(1);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "");
    EXPECT_EQ(Program().lists.CurrentListTable, "");
    emit pane.Combo1->activated(1);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "7203");
}

TEST_F(ListPaneTest, MarketLabelsComeFromTheCurrentRowsMarketCell) {
    const std::pair<ListEntry, std::string> cases[] = {
        {Stock("1001", "a", "t", 0), "<東証>"}, {Stock("1002", "a", "t", 1), "<東プ>"},
        {Stock("1003", "a", "t", 2), "<東ス>"}, {Stock("1004", "a", "t", 3), "<東グ>"},
        {Stock("1005", "a", "t", 4), "<東Ｐ>"}, {Stock("1006", "a", "t", 9), "<東9> "},
        {Stock("1007", "a", "n", 0), "<名証>"}, {Stock("1008", "a", "n", 1), "<名プ>"},
        {Stock("1009", "a", "n", 2), "<名メ>"}, {Stock("1010", "a", "n", 3), "<名ネ>"},
        {Stock("1011", "a", "n", 7), "<名7> "}, {Stock("1012", "a", "f", 0), "<福証>"},
        {Stock("1013", "a", "f", 3), "<福Ｑ>"}, {Stock("1014", "a", "f", 2), "<福2> "},
        {Stock("1015", "a", "s", 0), "<札証>"}, {Stock("1016", "a", "s", 3), "<札ア>"},
        {Stock("1017", "a", "s", 1), "<札1> "}, {Stock("1018", "a", "k", 5), "<京証>"},
        {Stock("1019", "a", "h", 0), "<広証>"}, {Stock("1020", "a", "g", 1), "<潟証>"},
        {Stock("1021", "a", "x", 1), ""},       {Stock("1022", "a", "q", 0), ""},
        {Stock("1023", "a", "m", 2), ""},       {Stock("1024", "a", "o", 1), ""},
        {Stock("1025", "a", "j", 1), ""},
    };
    std::vector<ListEntry> entries;
    for (const auto& c : cases) entries.push_back(c.first);
    WriteTable(kAllStocksTable, entries);
    Choose("全銘柄");
    int row = 1;
    for (const auto& [entry, label] : cases) {
        Program().selection.MarketLabelText = "old";
        Grid().SetRow(row++);
        GetMarketLabel(Grid());
        EXPECT_EQ(Program().selection.MarketLabelText, label) << entry.Market << " " << int(entry.Section);
    }
    Grid().SetRow(row);  // the blank row
    GetMarketLabel(Grid());
    EXPECT_EQ(Program().selection.MarketLabelText, "");
}

TEST_F(ListPaneTest, AddStockListRowWritesOnePlainRowAndMovesOn) {
    Grid().SetCols(4);
    Grid().SetRows(3);
    int row = 1;
    AddStockListRow(Grid(), row, Stock("7203", "トヨタ自動車", "t", 1, 100));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "7203");
    EXPECT_EQ(Grid().TextMatrix(1, 2), "t 1");
    EXPECT_EQ(Grid().TextMatrix(1, 3), "100");
    EXPECT_EQ(Grid().CellBackColorAt(1, 0), ButtonFaceColor());
}

TEST_F(ListPaneTest, TheDeliveredTablesFillTheGridForEveryChoice) {
    Program().app.AppDir = std::string(RANVIK_PROGRAM_DIR) + "/";
    for (auto choice : kListChoices) {
        if (choice == kSearchChoice) continue;
        Choose(choice);
        EXPECT_EQ(Program().lists.CurrentListTable, choice);
        const auto info = FindListChoice(choice);
        const ListTableContents t = ReadListTable(Program().app.AppDir + std::string(info->tableFile));
        if (!info->otherOnly) {
            EXPECT_EQ(Grid().Rows(), static_cast<int>(t.entries.size()) + 2) << choice;
            EXPECT_EQ(Grid().TextMatrix(1, 0), t.entries[0].IsHeading() && info->style == ListRowStyle::ColourGrouped
                                                   ? ""
                                                   : t.entries[0].Code)
                << choice;
        }
    }
    EXPECT_TRUE(messages->shown.empty());
}

class DataFileGridTest : public ListPaneTest {
protected:
    void CopyFixtures() {
        const std::filesystem::path from = test::FixturePath(RANVIK_FIXTURE_DIR, "data_files");
        for (const auto& entry : std::filesystem::directory_iterator(from))
            std::filesystem::copy_file(entry.path(), std::filesystem::path(dir.Path()) / entry.path().filename());
    }
    FlexGrid& Files() { return *pane.MSFGrid1; }
};

TEST_F(DataFileGridTest, TheStartUpLayoutHasRoomForEveryFileAndAtLeastTwelve) {
    LayOutDataFileGrid(Files(), dir.Path());
    EXPECT_EQ(Files().Rows(), 14);
    EXPECT_EQ(Files().Cols(), 5);
    EXPECT_EQ(HeightOf(&Files()), PixelsToTwips(TwipsToPixels(1900)));
    const int widths[] = {10, 3200, 500, 500, 1000};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(Files().ColWidth(c), widths[c]);
    EXPECT_EQ(Files().TextMatrix(0, 1), "　 マイファイル銘柄 ");
    EXPECT_EQ(Files().TextMatrix(0, 2), "市場");
    EXPECT_EQ(Files().TextMatrix(0, 3), "売買");
    EXPECT_EQ(Files().TextMatrix(0, 4), " ファイル名");
    for (int i = 0; i < 15; ++i) test::WriteBytes(dir.File(std::to_string(1000 + i) + "d.KDT"), "");
    LayOutDataFileGrid(Files(), dir.Path());
    EXPECT_EQ(Files().Rows(), 17);
}

TEST_F(DataFileGridTest, FilesAreNamedFromTheAllStocksTable) {
    CopyFixtures();
    WriteTable(kAllStocksTable, {Stock("1301", "極洋"), Stock("6501", "日立製作所,英名 Hitachi", "t", 1),
                                 Stock("7203", "トヨタ自動車", "t", 1, 100)});
    LayOutDataFileGrid(Files(), dir.Path());
    FillDataFileList(Files(), dir.Path());
    FlexGrid& g = Files();
    ASSERT_EQ(g.Rows(), 7) << "five files, the title row and one blank row";
    struct Row {
        std::string name, market, unit, file;
    };
    const Row expected[] = {
        {"(日) " + Padded("極洋"), "t 1", "100", "1301d.KDT"},
        {"(週) " + Padded("極洋"), "t 1", "100", "1301w.KDT"},
        {"(日) 日立製作所", "t 1", "100", "6501d.KDT"},
        {"(週) " + Padded("トヨタ自動車"), "t 1", "100", "7203w.KDT"},
        {"(日) 9999", "", "", "9999d.KDT"},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g.TextMatrix(i + 1, 1), expected[i].name) << i;
        EXPECT_EQ(g.TextMatrix(i + 1, 2), expected[i].market) << i;
        EXPECT_EQ(g.TextMatrix(i + 1, 3), expected[i].unit) << i;
        EXPECT_EQ(g.TextMatrix(i + 1, 4), expected[i].file) << i;
    }
    for (int c = 1; c < 5; ++c) EXPECT_EQ(g.TextMatrix(6, c), "");
    EXPECT_EQ(g.ColAlignment(1), kFlexAlignLeftCenter);
    EXPECT_EQ(g.ColAlignment(2), kFlexAlignCenterCenter);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.CellForeColorAt(0, 1), QBColor(1));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(DataFileGridTest, TemporaryFilesAppearOnlyInAdministratorMode) {
    CopyFixtures();
    WriteTable(kAllStocksTable, {Stock("1301", "極洋")});
    FillDataFileList(Files(), dir.Path());
    EXPECT_EQ(Files().Rows(), 7);
    for (int r = 1; r < Files().Rows(); ++r) EXPECT_NE(Files().TextMatrix(r, 4), "Temp1d.KDT");

    Program().app.AdminMode = kTrue;
    FillDataFileList(Files(), dir.Path());
    ASSERT_EQ(Files().Rows(), 8);
    EXPECT_EQ(Files().TextMatrix(6, 4), "Temp1d.KDT");
    EXPECT_EQ(Files().TextMatrix(6, 1), "Temp1d.KDT") << "keeps its file name";
    EXPECT_EQ(Files().TextMatrix(6, 2), "");
}

TEST_F(DataFileGridTest, WithoutTheAllStocksTableTheRowsKeepTheirFileNames) {
    CopyFixtures();
    LayOutDataFileGrid(Files(), dir.Path());
    FillDataFileList(Files(), dir.Path());
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "052, \"全銘柄リスト\"が見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Files().Rows(), 7);
    EXPECT_EQ(Files().TextMatrix(1, 1), "1301d.KDT");
    EXPECT_EQ(Files().TextMatrix(1, 4), "1301d.KDT");
    EXPECT_EQ(Files().TextMatrix(1, 2), "");
}

TEST_F(DataFileGridTest, ARefillEmptiesRowsOfFilesThatAreGone) {
    CopyFixtures();
    WriteTable(kAllStocksTable, {Stock("1301", "極洋")});
    LayOutDataFileGrid(Files(), dir.Path());
    FillDataFileList(Files(), dir.Path());
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().extension() == ".KDT") std::filesystem::remove(entry.path());
    FillDataFileList(Files(), dir.Path());
    ASSERT_EQ(Files().Rows(), 2) << "the title row and one blank row";
    for (int c = 1; c < 5; ++c) EXPECT_EQ(Files().TextMatrix(1, c), "");
    EXPECT_EQ(Files().TextMatrix(0, 1), "　 マイファイル銘柄 ");
}

TEST_F(DataFileGridTest, AFolderThatGainedFilesSinceTheLayoutShowsThemAll) {
    LayOutDataFileGrid(Files(), dir.Path());  // 14 rows
    WriteTable(kAllStocksTable, {});
    for (int i = 0; i < 20; ++i) test::WriteBytes(dir.File(std::to_string(2000 + i) + "w.KDT"), "");
    FillDataFileList(Files(), dir.Path());
    ASSERT_EQ(Files().Rows(), 22);
    EXPECT_EQ(Files().TextMatrix(20, 4), "2019w.KDT");
    EXPECT_EQ(Files().TextMatrix(20, 1), "(週) 2019");
}

}  // namespace
}  // namespace ranvik
