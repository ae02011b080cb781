#include "core/stock_list.h"

#include <gtest/gtest.h>

#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "tests/support/list_entries.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::Heading;
using test::Stock;

TEST(StockList, EveryChoiceReadsItsTable) {
    struct Case {
        std::string_view choice, file;
        ListRowStyle style;
        bool other;
    };
    const Case cases[] = {
        {"全銘柄", "全銘柄リスト.eTBL", ListRowStyle::Plain, false},
        {"東証プライム", "東証プライムリスト.eTBL", ListRowStyle::ColourGrouped, false},
        {"東証スタンダード", "東証スタンダードリスト.eTBL", ListRowStyle::ColourGrouped, false},
        {"東証グロース", "東証グロースリスト.eTBL", ListRowStyle::ColourGrouped, false},
        {"名証", "名証全リスト.eTBL", ListRowStyle::ColourGrouped, false},
        {"その他", "全銘柄リスト.eTBL", ListRowStyle::Plain, true},
    };
    for (const auto& c : cases) {
        const auto found = FindListChoice(c.choice);
        ASSERT_TRUE(found) << c.choice;
        EXPECT_EQ(found->tableFile, c.file);
        EXPECT_EQ(found->style, c.style);
        EXPECT_EQ(found->otherOnly, c.other);
    }
    EXPECT_FALSE(FindListChoice("検索"));
    EXPECT_FALSE(FindListChoice("東証"));
}

TEST(StockList, OtherShowsStocksOfNoMajorSegment) {
    EXPECT_FALSE(ShownInOther(Stock("7203", "a", "n", 1)));
    EXPECT_FALSE(ShownInOther(Stock("7203", "a", "n", 0)));
    for (int s : {1, 2, 3}) EXPECT_FALSE(ShownInOther(Stock("7203", "a", "t", s))) << s;
    EXPECT_TRUE(ShownInOther(Stock("7203", "a", "t", 0)));
    EXPECT_TRUE(ShownInOther(Stock("7203", "a", "t", 4)));
    EXPECT_TRUE(ShownInOther(Stock("7203", "a", "f", 1)));
    EXPECT_TRUE(ShownInOther(Stock("7203", "a", "s", 3)));
}

TEST(StockList, PlainRowsShowTheFieldsAsStored) {
    const StockListRow r = PlainStockListRow(ListEntry::Decode(Stock("7203", "トヨタ自動車", "t", 1, 100).Encode()));
    EXPECT_EQ(r.cells[0], "7203");
    EXPECT_EQ(r.cells[1], "トヨタ自動車" + std::string(40, ' '));
    EXPECT_EQ(r.cells[2], "t 1");
    EXPECT_EQ(r.cells[3], "100");
    EXPECT_EQ(r.codeBack, kButtonFace);
    EXPECT_EQ(r.codeFore, 0);
    EXPECT_EQ(r.nameFore, 0);
    const StockListRow h = PlainStockListRow(ListEntry::Decode(Heading("建設業").Encode()));
    EXPECT_EQ(h.cells[0], "****");
    EXPECT_EQ(h.cells[2], "  0");
    EXPECT_EQ(h.cells[3], "0");
}

TEST(StockList, GroupColoursCycleThroughOneToFourteen) {
    GroupedRowBuilder b;
    const StockListRow before = b.Next(Stock("1301", "極洋"));
    EXPECT_EQ(before.codeBack, 0) << "stocks before the first heading";
    EXPECT_EQ(before.codeFore, 15);

    const StockListRow heading = b.Next(Heading("水産・農林業"));
    EXPECT_EQ(heading.cells[0], "");
    EXPECT_EQ(heading.cells[1], "水産・農林業");
    EXPECT_EQ(heading.codeBack, kButtonFace);
    EXPECT_EQ(heading.nameFore, 12);
    EXPECT_EQ(b.GroupColour(), 1);
    EXPECT_EQ(b.Next(Stock("1332", "ニッスイ")).codeBack, 1);

    for (int i = 2; i <= 14; ++i) b.Next(Heading("h"));
    EXPECT_EQ(b.GroupColour(), 14);
    b.Next(Heading("fifteenth"));
    EXPECT_EQ(b.GroupColour(), 1);
    const StockListRow s = b.Next(Stock("7203", "トヨタ自動車", "n", 1, 100));
    EXPECT_EQ(s.codeBack, 1);
    EXPECT_EQ(s.cells[2], "n 1");
    EXPECT_EQ(s.nameFore, 0);
}

TEST(StockList, CodeTextIsWhiteOnDarkGroupColoursAndBlackOnLightOnes) {
    const bool white[15] = {true, true, true, true, true, true, true, false, true, true, false, false, true, false, false};
    for (int g = 0; g <= 14; ++g) {
        EXPECT_EQ(CodeForeColour("1301", g), white[g] ? 15 : 0) << g;
        EXPECT_EQ(CodeForeColour("0050", g), 0) << g;
        EXPECT_EQ(CodeForeColour("0100", g), 0) << g;
    }
    EXPECT_EQ(CodeForeColour("0101", 1), 15);
}

TEST(StockList, MarketLabels) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"t 0", "<東証>"}, {"t 1", "<東プ>"}, {"t 2", "<東ス>"}, {"t 3", "<東グ>"}, {"t 4", "<東Ｐ>"},
        {"t 9", "<東9> "}, {"n 0", "<名証>"}, {"n 1", "<名プ>"}, {"n 2", "<名メ>"}, {"n 3", "<名ネ>"},
        {"n 5", "<名5> "}, {"f 0", "<福証>"}, {"f 3", "<福Ｑ>"}, {"f 1", "<福1> "}, {"s 0", "<札証>"},
        {"s 3", "<札ア>"}, {"s 2", "<札2> "}, {"k 1", "<京証>"}, {"h 0", "<広証>"}, {"g 7", "<潟証>"},
        {"x 1", ""}, {"q 0", ""}, {"T 1", ""}, {"", ""}, {"t 12", "<東ス>"},
    };
    for (const auto& [cell, label] : cases) EXPECT_EQ(MarketLabelOf(cell), label) << cell;
}

TEST(StockList, MessageTexts) {
    EXPECT_EQ(Message030(kNagoyaTable), "030, <名証全リスト> --- この銘柄リストは使えません");
    EXPECT_EQ(Message053(kGrowthTable), "053, 東証グロースリストが見つかりません");
    EXPECT_EQ(Message052(), "052, \"全銘柄リスト\"が見つかりません");
}

class DataFiles : public ::testing::Test {
protected:
    void Touch(const std::string& name) { test::WriteBytes(dir.File(name), ""); }
    void WriteTable(const std::vector<ListEntry>& entries) {
        ListEntry header;
        header.StockName = "4.4.24";
        test::WriteBytes(dir.File("全銘柄リスト.eTBL"), ListTableBytes(header, entries));
    }
    test::TempFolder dir;
};

TEST_F(DataFiles, TemporaryFilesAreListedOnlyInAdministratorMode) {
    for (auto n : {"1301d.KDT", "Temp1d.KDT", "Temp2w.KDT", "Temp3m.KDT", "Temp4d.KDT", "Hosei1.KDT", "note.txt"})
        Touch(n);
    std::vector<std::string> user, admin;
    for (const auto& r : ListDataFileRows(dir.Path(), false)) user.push_back(r.file);
    for (const auto& r : ListDataFileRows(dir.Path(), true)) admin.push_back(r.file);
    EXPECT_EQ(user, (std::vector<std::string>{"1301d.KDT", "Hosei1.KDT", "Temp4d.KDT"}));
    EXPECT_EQ(admin, (std::vector<std::string>{"1301d.KDT", "Hosei1.KDT", "Temp1d.KDT", "Temp2w.KDT", "Temp3m.KDT",
                                               "Temp4d.KDT"}));
    for (const auto& r : ListDataFileRows(dir.Path(), true)) EXPECT_EQ(r.name, r.file);
}

TEST_F(DataFiles, RowsTakeNameMarketAndUnitFromTheAllStocksTable) {
    for (auto n : {"1301d.KDT", "1301w.KDT", "7203d.KDT", "9999d.KDT", "Temp1d.KDT"}) Touch(n);
    WriteTable({Stock("1301", "極洋"), Stock("6501", "日立製作所,旧名", "t", 1, 100),
                Stock("7203", "トヨタ自動車", "n", 1, 100)});
    std::vector<DataFileRow> rows = ListDataFileRows(dir.Path(), true);
    LookUpDataFileRows(rows, dir.File("全銘柄リスト.eTBL"));
    ASSERT_EQ(rows.size(), 5u);
    const std::string pad48(48, ' ');  // 極洋 takes 4 of the 52 bytes
    EXPECT_EQ(rows[0].name, "(日) 極洋" + pad48);
    EXPECT_EQ(rows[0].market, "t 1");
    EXPECT_EQ(rows[0].unit, "100");
    EXPECT_EQ(rows[1].name, "(週) 極洋" + pad48);
    EXPECT_EQ(rows[1].market, "t 1");
    EXPECT_EQ(rows[2].name, "(日) トヨタ自動車" + std::string(40, ' '));
    EXPECT_EQ(rows[2].market, "n 1");
    EXPECT_EQ(rows[3].name, "(日) 9999");
    EXPECT_EQ(rows[3].market, "");
    EXPECT_EQ(rows[3].unit, "");
    EXPECT_EQ(rows[4].name, "Temp1d.KDT") << "other files keep their name";
    EXPECT_EQ(rows[4].file, "Temp1d.KDT");
}

TEST_F(DataFiles, ANameIsCutBeforeItsFirstComma) {
    Touch("6501d.KDT");
    WriteTable({Stock("6501", "日立製作所,旧名,その他")});
    std::vector<DataFileRow> rows = ListDataFileRows(dir.Path(), false);
    LookUpDataFileRows(rows, dir.File("全銘柄リスト.eTBL"));
    EXPECT_EQ(rows[0].name, "(日) 日立製作所");
}

TEST_F(DataFiles, ATableOutOfCodeOrderStillNamesEveryFile) {
    for (auto n : {"1301d.KDT", "7203d.KDT", "9984d.KDT"}) Touch(n);
    WriteTable({Stock("7203", "トヨタ自動車"), Stock("9984", "ソフトバンクグループ"), Stock("1301", "極洋")});
    std::vector<DataFileRow> rows = ListDataFileRows(dir.Path(), false);
    LookUpDataFileRows(rows, dir.File("全銘柄リスト.eTBL"));
    EXPECT_EQ(Trim(rows[0].name), "(日) 極洋");
    EXPECT_EQ(Trim(rows[1].name), "(日) トヨタ自動車");
    EXPECT_EQ(Trim(rows[2].name), "(日) ソフトバンクグループ");
}

TEST_F(DataFiles, AnEmptyTableNamesNothing) {
    Touch("1301d.KDT");
    WriteTable({});
    std::vector<DataFileRow> rows = ListDataFileRows(dir.Path(), false);
    LookUpDataFileRows(rows, dir.File("全銘柄リスト.eTBL"));
    EXPECT_EQ(rows[0].name, "(日) 1301");
}

}  // namespace
}  // namespace ranvik
