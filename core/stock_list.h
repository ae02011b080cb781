#pragma once
// The main window's stock lists as rows, apart from any grid: which table a
// list choice reads, how a table record becomes a row of the list grid (plain
// or coloured by group), the market labels, and the rows of the data-file
// grid.  The list pane writes these rows into its grids.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lists/list_entry.h"

namespace ranvik {

// Cell colours as the grids take them: a QBColor number 0 to 15, or the
// system's button-face colour.
inline constexpr int kButtonFace = -1;

inline constexpr std::string_view kMainWindowTitle = "Ranvikチャート";

// The choices of the list chooser, in the order the start-up adds them.
inline constexpr std::array<std::string_view, 7> kListChoices = {
    "全銘柄", "東証プライム", "東証スタンダード", "東証グロース", "名証", "その他", "検索"};
inline constexpr std::string_view kSearchChoice = "検索";
inline constexpr std::string_view kOtherChoice = "その他";

enum class ListRowStyle { Plain, ColourGrouped };

struct ListChoice {
    std::string_view choice;
    std::string_view tableFile;
    ListRowStyle style;
    bool otherOnly;  // only the stocks of no major segment
};

// The table a choice reads; nullopt for "検索" and for any text that is not
// a choice.
std::optional<ListChoice> FindListChoice(std::string_view choice);

// "その他" shows the records that are neither on the Nagoya market nor in
// Tokyo sections 1 to 3.
bool ShownInOther(const ListEntry& entry);

// The market cell: the market letter, a blank, the section number ("t 1").
std::string MarketCell(const ListEntry& entry);

// A row of the list grid: code, name, market cell, trading unit, with the
// colours the fill sets.  Cells the fill leaves alone have no colour here.
struct StockListRow {
    std::array<std::string, 4> cells;
    int codeBack = kButtonFace;
    int codeFore = 0;
    int nameFore = 0;
    bool plain = true;  // plain rows also set the market and unit cells black
};

// A record as stored, on the button-face colour, texts black; headings are
// rows like any other with the code "****".
StockListRow PlainStockListRow(const ListEntry& entry);

// Rows of a colour-grouped table.  Each heading starts the next group colour
// (1 to 14, then 1 again); stocks before the first heading have colour 0.
class GroupedRowBuilder {
public:
    StockListRow Next(const ListEntry& entry);
    int GroupColour() const { return group_; }

private:
    int group_ = 0;
};

// Text colour of a stock's code on its group colour: codes above "0100"
// (compared as text) white on the dark colours, black on the light ones;
// codes up to "0100" always black.
int CodeForeColour(std::string_view code, int groupColour);

// The short market label of a market cell: its first character is the market
// letter, its last the section digit.  Empty for a letter without a label.
std::string MarketLabelOf(std::string_view marketCell);

// The table's name in messages: its file name without ".eTBL".
std::string ListTableName(std::string_view tableFile);
std::string Message030(std::string_view tableFile);  // table refused
std::string Message053(std::string_view tableFile);  // table missing
std::string Message052();                            // all-stocks table missing

// Rows of the data-file grid.
struct DataFileRow {
    std::string name;    // column 1
    std::string market;  // column 2
    std::string unit;    // column 3
    std::string file;    // column 4, the row's key
};

// The stock data files of the folder in listing order, each row holding its
// file name in columns 1 and 4.  The chart windows' temporary files are
// listed only in administrator mode.
std::vector<DataFileRow> ListDataFileRows(const std::string& folder, bool adminMode);

// Completes the rows from the all-stocks table: a daily or weekly file whose
// code the table holds gets "(日) " or "(週) " and the stock's name (cut
// before its first ","), the market cell and the trading unit; one whose code
// it lacks gets the mark and the code.  Other files keep their name.  The
// table is walked once when the folder and the table are both in ascending
// code order.
void LookUpDataFileRows(std::vector<DataFileRow>& rows, const std::string& allStocksTablePath);

}  // namespace ranvik
