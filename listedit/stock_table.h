#pragma once
// A stock list table as the editor's grid shows it, without the grid: the
// cell texts of every row, and the records a save makes of the rows.
#include <array>
#include <string>
#include <vector>

#include "platform/lists/list_table.h"

namespace ranvik::listedit {

// Columns 1 to 6 of a grid row: code, name, market, section, unit, UNI.
using StockRowTexts = std::array<std::string, 6>;

struct StockTableCells {
    // N, the table's last record: the grid gets N + 1 rows.  A header that
    // counts below 1 gives an empty table (N = 1).
    int lastRecord = 1;
    // Grid rows 1 to N - 1, records 2 to N.  A heading line shows an empty
    // code and its text after four blanks; every text keeps the blanks that
    // fill its field.
    std::vector<StockRowTexts> rows;
    // The header counts more records than the file holds: only those it
    // holds are shown.
    bool cutShort = false;
};

// FileError when the table cannot be read or has not even a whole header.
StockTableCells LoadStockTableCells(const std::string& path);

// The record a grid row is saved as (a row whose code is empty after
// trimming is a heading line).
ListEntry EntryFromRow(const StockRowTexts& row);

}  // namespace ranvik::listedit
