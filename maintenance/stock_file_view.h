#pragma once
// A stock data file as the record grid and the correction table show it,
// read apart from the window: the rows' texts in display order, the cells
// that hold the file's extremes, and the split-correction points.
#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/quote_record.h"
#include "maintenance/record_rows.h"

namespace ranvik {

constexpr int kRecordGridCols = 14;
constexpr int kCorrectionRows = 4;  // point rows of the correction table

enum class LoadStatus {
    Loaded,
    NoHeader,      // message 203: no file, or not even a header record
    BadFirstDate,  // message 204: record 2 holds no date
    Damaged,       // the header counts records the file does not hold
};

// One row's cells, their texts kept in the view's block of row texts: a few
// characters each, so that 32,000 rows need no string of their own per cell.
struct ShownRow {
    std::uint32_t start = 0;                            // first character in StockFileView::texts
    std::array<std::uint16_t, kRecordGridCols> ends{};  // end of each cell's text, from start
    std::bitset<kRecordGridCols> marked;                // cells holding an extreme of the file
};

struct CorrectionPoint {
    std::string number;      // column 0
    std::string date;        // column 1
    std::string multiplier;  // column 2, as shown
    std::string record;      // column 3
};

struct StockFileView {
    LoadStatus status = LoadStatus::NoHeader;
    QuoteRecord header;
    RowLayout layout;
    // The header's extremes after the RangeMax rule.
    float high = 0, low = 0, volume = 0, sellBalance = 0, buyBalance = 0;
    std::vector<ShownRow> rows;  // grid rows 1, 2, ...
    std::string texts;           // the rows' cell texts, one after the other
    // Correction panel: whether the header sets correction on, the text of
    // the table's top-left cell and the four point rows.
    bool correctionSet = false;
    std::string pointCount;
    std::array<CorrectionPoint, kCorrectionRows> points;

    // The text of a cell of rows[row]; column 0 the row number.  Valid while
    // the view lives.
    std::string_view Cell(std::size_t row, int col) const;
};

// Reads the file as the grid shows it.  The file is only read: a missing
// file is NoHeader and stays missing.  Errors of reading raise FileError.
StockFileView ReadStockFile(const std::string& path, bool newestFirst, bool admin);

// The texts of the number cells: prices in the general form of a Single
// (NumberText), amounts as FormatNumber's "###0".
std::string PriceText(float value);
std::string AmountText(float value);
// The same texts added to the end of `out`.
void AppendPriceText(std::string& out, float value);
void AppendAmountText(std::string& out, float value);

// The record grid's column titles, blanks and ideographic blanks included;
// columns 9 to 13 only in administrator mode.
extern const std::array<const char*, kRecordGridCols> kRecordGridTitles;

}  // namespace ranvik
