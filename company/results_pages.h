#pragma once
// The results readers of the company results window: the annual income
// statement table with its charts and grid, the interim results and the
// dividend per share of the quote page, each read into the texts the window
// shows.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "collect/page_text.h"

namespace ranvik {

// The texts a run gives one chart: what is not set here keeps the design's.
struct ChartTexts {
    std::optional<std::string> title;
    std::optional<std::string> rowLabel1;
    std::array<std::optional<std::string>, 5> columnLabels;  // period 1 to 5
    std::vector<std::array<std::string, 5>> values;          // rows from 1
    bool legend = false;
};

// The results grid's eleven rows and six columns; a cell the run does not
// write is absent.
using ResultsGridCells = std::array<std::array<std::optional<std::string>, 6>, 11>;

struct AnnualResults {
    std::string Label3 = " -";  // dividend per share with its change
    std::string Label4 = " -";  // earnings per share
    std::string Label8 = " -";  // net assets per share
    std::string Frame1Caption = "投 資 指 標 ";
    ResultsGridCells grid;
    ChartTexts MSChart1;  // income, 4 rows
    ChartTexts MSChart2;  // equity ratio, 1 row
    ChartTexts MSChart3;  // balance, 2 rows
    ChartTexts MSChart5;  // profit margin, 1 row
    std::optional<int> unitDivisor;  // set when the table's head was read
};

// Reads the income statement table of the results page (nullptr: the page
// could not be read, which gives the display of a page without the table).
AnnualResults ParseAnnualResults(const PageText* page);

// Writes a run's cells into the results grid through `setCell` (row,
// column, text).  The value cells and the period row are emptied first, so
// that no period label or figure of the company shown before stays beside
// the new one's.
void WriteResultsGrid(const ResultsGridCells& cells,
                      const std::function<void(int row, int column, const std::string& text)>& setCell);

struct InterimResults {
    std::string Label19 = " -";  // interim dividend per share with its change
    std::string Label20 = " -";  // interim earnings per share
    std::string Frame2Caption = "中間投資指標 ";
    ChartTexts MSChart4;  // interim income, 4 rows
    std::optional<int> unitDivisor;  // set when the interim head was read
};

// Reads the interim block of the results page from the page's top.
InterimResults ParseInterimResults(const PageText* page);

// Label21's caption from the quote page: "50.00 円 (2025/03)",
// "---  (2025/03)", or "---" when the page holds no dividend row.
std::string ParseDividendPerShare(const PageText* page);

}  // namespace ranvik
