#pragma once
// Which record of a stock data file a row of the record grid shows.  Rows
// carry their number in column 0 (1, 2, 3 ... whatever the order); with N
// the header's record count, row j shows record N - j + 1 when the newest
// record comes first, otherwise record j + 1, or record j in administrator
// mode, where the header record itself is one of the rows.  Rows below the
// last record show none.
#include <string_view>

namespace ranvik {

struct RowLayout {
    int recordCount = 0;     // N, the header's RecordNo
    bool newestFirst = true;
    bool admin = false;
};

// Rows that show a record: N - 1, or N in administrator mode.
int NumberedRows(const RowLayout& layout);
// Rows of the grid, the title row included: one per record (and the title),
// at least 45.
int GridRowCount(const RowLayout& layout);
// The row a record being added takes: the first row after the records.
int NewRowIndex(const RowLayout& layout);

// The record shown by the row numbered `rowNumber`; 0 when it shows none
// (no number, or a number beyond the records).
int RecordOfRow(const RowLayout& layout, int rowNumber);
// The row number of a record (1 to N); 0 for a record the grid does not
// show (the header outside administrator mode).
int RowOfRecord(const RowLayout& layout, int record);
// The number a row carries in column 0; 0 for an empty or other text.
int RowNumberOf(std::string_view column0);

}  // namespace ranvik
