// LoadStockFile over small files: grid texts, marked extremes, the correction table and the messages.
#include <QLabel>

#include <cstdio>
#include <set>
#include <utility>

#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::Bar;
using test::FileOf;
using test::Header;
using Rows = std::vector<std::vector<std::string>>;
using Cells = std::set<std::pair<int, int>>;

const QuoteRecord a = Bar("05/07/24", 100, 110, 120, 90, 1000, 50, 60);
const QuoteRecord b = Bar("05/08/24", 110, 105, 130, 100, 3000, 70, 40);
const QuoteRecord c = Bar("05/09/24", 105.5f, 108.25f, 112, 95, 2000.4f, 30, 80);

// Row texts of the three bars, without the row number.
const std::vector<std::string> kA = {"05/07/24", "100", "110", "120", "90", "1000", "50", "60"};
const std::vector<std::string> kB = {"05/08/24", "110", "105", "130", "100", "3000", "70", "40"};
const std::vector<std::string> kC = {"05/09/24", "105.5", "108.25", "112", "95", "2000", "30", "80"};

std::vector<std::string> Numbered(int row, std::vector<std::string> texts) {
    texts.insert(texts.begin(), std::to_string(row));
    return texts;
}

QuoteRecord WithMultiplier(QuoteRecord r, const std::string& multiplier) {
    r.CorrectionMultiplier = multiplier;
    return r;
}

QuoteRecord WithDate(QuoteRecord r, const std::string& date) {
    r.QuoteDate = date;
    return r;
}

std::vector<QuoteRecord> RangeHeaderFile() {
    auto records = FileOf({a, b, c});
    records[0].RangeMax = 200;
    records[0].RangeMin = 50;
    return records;
}

const char* kPointsUnset[5][4] = {{"0", "補正位置", "倍数", "rec NO"}, {"1", "mm/dd/yy", "", ""}, {}, {}, {}};

struct LoadCase {
    const char* name;
    std::vector<QuoteRecord> file;  // nothing: no file at all
    bool newestFirst;
    bool admin;
    Rows rows;     // grid rows from 1, columns 0 to 8 (administrator mode: to 13)
    Cells marked;  // cells with the extreme background
    std::vector<std::vector<std::string>> points;  // correction table rows 0 to 4
    std::string message;
    int gridRows;
};

std::vector<std::vector<std::string>> Points(const char* rows[5][4]) {
    std::vector<std::vector<std::string>> out;
    for (int r = 0; r < 5; ++r) {
        std::vector<std::string> row;
        for (int col = 0; col < 4; ++col) row.push_back(rows[r][col] != nullptr ? rows[r][col] : "");
        out.push_back(row);
    }
    return out;
}

class Form2LoadTest : public test::Form2Test {};

TEST_F(Form2LoadTest, FilesAreShownAsTheirRecordsSay) {
    const char* pointsOf3[5][4] = {{"3", "補正位置", "倍数", "rec NO"},
                                  {"1", "05/08/24", "2", "3"},
                                  {"2", "05/09/24", "0.5", "4"},
                                  {"3", "05/07/24", "3", "2"},
                                  {}};
    const char* pointsUnsetFirst[5][4] = {
        {"2", "補正位置", "倍数", "rec NO"}, {"1", "mm/dd/yy", "", ""}, {"2", "05/08/24", "4", "3"}, {}, {}};
    const auto adminRow = [](int row, std::vector<std::string> texts, const char* rno, const char* mkt = "  ") {
        auto out = Numbered(row, std::move(texts));
        out.insert(out.end(), {rno, "", "", "", mkt});
        return out;
    };
    const std::vector<std::string> kHeaderShown = {"00/00/00", "0", "0", "200", "50", "3000", "70", "80"};
    const LoadCase cases[] = {
        {"oldest first",
         FileOf({a, b, c}),
         false,
         false,
         {Numbered(1, kA), Numbered(2, kB), Numbered(3, kC)},
         {{2, 4}, {1, 5}, {2, 6}, {2, 7}, {3, 8}},
         Points(kPointsUnset),
         "",
         45},
        {"newest first",
         FileOf({a, b, c}),
         true,
         false,
         {Numbered(1, kC), Numbered(2, kB), Numbered(3, kA)},
         {{2, 4}, {3, 5}, {2, 6}, {2, 7}, {1, 8}},
         Points(kPointsUnset),
         "",
         45},
        // The header as a row, dated 00/00/00; RangeMax above High stands
        // for the highest and lowest values, in the row and for the marks.
        {"administrator mode, RangeMax rule",
         RangeHeaderFile(),
         true,
         true,
         {adminRow(1, kC, "0"), adminRow(2, kB, "0"), adminRow(3, kA, "0"), adminRow(4, kHeaderShown, "4")},
         {{4, 4}, {4, 5}, {2, 6}, {4, 6}, {2, 7}, {4, 7}, {1, 8}, {4, 8}},
         Points(kPointsUnset),
         "",
         45},
        {"administrator mode, oldest first",
         FileOf({a, WithMultiplier(b, "4")}),
         false,
         true,
         {adminRow(1, {"00/00/00", "0", "0", "130", "90", "3000", "70", "60"}, "3"), adminRow(2, kA, "0"),
          adminRow(3, kB, "0", "4 ")},
         {{1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {3, 4}, {2, 5}, {3, 6}, {3, 7}, {2, 8}},
         Points(pointsUnsetFirst),
         "",
         45},
        {"tied highs",
         FileOf({a, WithDate(Bar("05/08/24", 1, 2, 120, 95), "05/08/24")}),
         false,
         false,
         {Numbered(1, kA), Numbered(2, {"05/08/24", "1", "2", "120", "95", "0", "0", "0"})},
         {{1, 4}, {2, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}},
         Points(kPointsUnset),
         "",
         45},
        // Nothing to mark in a column whose largest value is 0.
        {"no volume",
         FileOf({Bar("05/07/24", 10, 11, 12, 9), Bar("05/08/24", 10, 11, 13, 8)}),
         false,
         false,
         {Numbered(1, {"05/07/24", "10", "11", "12", "9", "0", "0", "0"}),
          Numbered(2, {"05/08/24", "10", "11", "13", "8", "0", "0", "0"})},
         {{2, 4}, {2, 5}},
         Points(kPointsUnset),
         "",
         45},
        // Point 1 from the header, found at its record; the others in the
        // order of the grid.
        {"correction points",
         FileOf({WithMultiplier(a, "3"), b, WithMultiplier(c, "05")}, "2", "05/08/24"),
         true,
         false,
         {Numbered(1, kC), Numbered(2, kB), Numbered(3, kA)},
         {{2, 4}, {3, 5}, {2, 6}, {2, 7}, {1, 8}},
         Points(pointsOf3),
         "",
         45},
        {"header multiplier not a number",
         FileOf({a, WithMultiplier(b, "4")}, "x"),
         false,
         false,
         {Numbered(1, kA), Numbered(2, kB)},
         {{2, 4}, {1, 5}, {2, 6}, {2, 7}, {1, 8}},
         Points(pointsUnsetFirst),
         "",
         45},
        {"header only", FileOf({}), true, false, {{"", "", "", "", "", "", "", "", ""}}, {}, Points(kPointsUnset), "", 45},
        {"record 2 without a date",
         FileOf({WithDate(a, "13/45/24")}),
         true,
         false,
         {{"", "", "", "", "", "", "", "", ""}},
         {},
         Points(kPointsUnset),
         "204, 株価データが正しくない    ",
         45},
        {"no file", {}, true, false, {{"", "", "", "", "", "", "", "", ""}}, {}, Points(kPointsUnset),
         "203, 株価データが無い　", 45},
    };
    for (const LoadCase& k : cases) {
        SCOPED_TRACE(k.name);
        messages->shown.clear();
        Program().app.AdminMode = k.admin ? kTrue : kFalse;
        window->Item("mnu逆表示", 1).SetChecked(k.newestFirst);
        std::remove(Path().c_str());
        if (!k.file.empty()) Write(k.file);
        // The grid shows another file first, so that leftovers would show.
        Load(FileOf({Bar("01/05/24", 1, 1, 1, 1), Bar("01/06/24", 1, 1, 1, 1)}, "2"), "6501d.KDT");
        messages->shown.clear();
        window->DataFilePath = Path();
        window->表示CMD_Click();

        const int lastCol = k.admin ? 13 : 8;
        for (std::size_t i = 0; i < k.rows.size(); ++i) {
            EXPECT_EQ(RowTexts(static_cast<int>(i) + 1, lastCol), k.rows[i]) << "row " << i + 1;
        }
        EXPECT_EQ(RowTexts(static_cast<int>(k.rows.size()) + 1, lastCol),
                  std::vector<std::string>(static_cast<std::size_t>(lastCol) + 1, ""));
        Cells marked;
        for (int r = 1; r < Grid().Rows(); ++r) {
            for (int col = 1; col <= 13; ++col) {
                if (Grid().CellBackColorAt(r, col) == QBColor(13)) marked.insert({r, col});
            }
        }
        EXPECT_EQ(marked, k.marked);
        EXPECT_EQ(Grid().Rows(), k.gridRows);
        if (k.message.empty()) {
            EXPECT_TRUE(messages->shown.empty()) << messages->shown[0].text;
            for (int r = 0; r < 5; ++r) {
                for (int col = 0; col < 4; ++col) {
                    EXPECT_EQ(window->FGrid3->TextMatrix(r, col), k.points[r][col]) << r << "," << col;
                }
            }
            EXPECT_EQ(window->Frame2->title().toStdString(),
                      k.points[1][1] == "mm/dd/yy" ? "<ﾁｬｰﾄ補正(未設定)>======" : "<ﾁｬｰﾄ補正>==============");
            EXPECT_EQ(window->RecordCount, k.file[0].RecordNo);
            EXPECT_EQ(ForeColorOf(window->Label1), QBColor(9));
        } else {
            ASSERT_EQ(MessageTexts(), std::vector<std::string>{k.message});
            EXPECT_EQ(messages->shown[0].title, "株価データ保守");
            EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(window->LoadedFilePath, Path());
        if (!k.file.empty()) {
            EXPECT_EQ(Bytes(), test::BytesOf(k.file)) << "a load only reads";
        }
    }
}

TEST_F(Form2LoadTest, AMissingFileIsNotCreatedAndADamagedOneIsNotEdited) {
    window->DataFilePath = Path();
    window->LoadStockFile(0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"203, 株価データが無い　"});
    EXPECT_FALSE(FileExists(Path())) << "the data-file grid would list it";
    EXPECT_EQ(window->DataFilePath, Path());

    // A count beyond the records the file holds.
    messages->shown.clear();
    auto records = FileOf({a, b});
    records[0].RecordNo = 9;
    Load(records);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_NE(messages->shown[0].text.find("1301d.KDT"), std::string::npos);
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(window->DataFilePath, "");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Bytes(), test::BytesOf(records));

    // A header that is cut short counts as no header.
    messages->shown.clear();
    test::WriteBytes(Path(), std::string(30, '\0'));
    Choose();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"203, 株価データが無い　"});
    EXPECT_EQ(Bytes(), std::string(30, '\0'));
}

TEST_F(Form2LoadTest, WithoutAChosenFileTheDisplayButtonAsksForOne) {
    window->表示CMD_Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"202, 銘柄を指定して下さい    "});
    EXPECT_EQ(BackColorOf(window->表示CMD), RGB(220, 220, 220));
}

TEST_F(Form2LoadTest, FivePointsListTheFirstFourAndLeaveTheFileAlone) {
    std::vector<QuoteRecord> bars;
    for (int day = 1; day <= 6; ++day) {
        bars.push_back(WithMultiplier(Bar("05/0" + std::to_string(day) + "/24", 10, 10, 10, 10), day > 1 ? "2" : ""));
    }
    const auto file = FileOf(bars, "2", "05/01/24");
    window->Item("mnu逆表示", 1).SetChecked(false);
    Load(file);
    EXPECT_EQ(window->FGrid3->TextMatrix(0, 0), "4");
    const char* dates[] = {"05/01/24", "05/02/24", "05/03/24", "05/04/24"};
    const char* records[] = {"2", "3", "4", "5"};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(window->FGrid3->TextMatrix(r, 1), dates[r - 1]);
        EXPECT_EQ(window->FGrid3->TextMatrix(r, 3), records[r - 1]);
    }
    EXPECT_EQ(window->FGrid3->Rows(), 5);
    EXPECT_EQ(Bytes(), test::BytesOf(file));
}

TEST_F(Form2LoadTest, TheTopRowShowsTheNewestRecordsAndTheReloadButtonKeepsIt) {
    std::vector<QuoteRecord> bars;
    for (int i = 0; i < 199; ++i) {
        const Date d = AddDays(Date{2023, 1, 1}, i);
        bars.push_back(Bar(FormatMmDdYy(d), 10, 10, 10, 10, static_cast<float>(i)));
    }
    // Oldest first: the last rows are in view.
    window->Item("mnu逆表示", 1).SetChecked(false);
    Load(FileOf(bars));
    EXPECT_EQ(Grid().Rows(), 200);
    EXPECT_EQ(Cell(199, 1), FormatMmDdYy(AddDays(Date{2023, 1, 1}, 198)));
    const int lastPage = Grid().TopRow();
    EXPECT_GT(lastPage, 150);
    Grid().SetTopRow(40);
    window->Command1_Click();
    EXPECT_EQ(Grid().TopRow(), 40);
    window->表示CMD_Click();
    EXPECT_EQ(Grid().TopRow(), lastPage);

    // Newest first: the switch reloads with row 1 at the top.
    window->mnu逆表示_Click(1);
    EXPECT_TRUE(window->Item("mnu逆表示", 1).Checked());
    EXPECT_EQ(Grid().TopRow(), 1);
    EXPECT_EQ(Cell(1, 1), FormatMmDdYy(AddDays(Date{2023, 1, 1}, 198)));
}

TEST_F(Form2LoadTest, AThirtyTwoThousandRecordFileFillsTheGridInOneGo) {
    std::vector<QuoteRecord> bars;
    for (int i = 0; i < 32000; ++i) {
        const Date d = AddDays(Date{1961, 1, 1}, i);
        bars.push_back(Bar(FormatMmDdYy(d), 10 + i % 7, 11, 12 + i % 13, 9, static_cast<float>(i % 1000)));
    }
    Load(FileOf(bars));
    EXPECT_EQ(Grid().Rows(), 32001);
    EXPECT_EQ(Cell(32000, 0), "32000");
    EXPECT_EQ(Cell(1, 1), FormatMmDdYy(AddDays(Date{1961, 1, 1}, 31999)));
    EXPECT_EQ(Cell(32000, 1), "01/01/61");
    EXPECT_TRUE(Grid().Redraw());
}

}  // namespace
}  // namespace ranvik
