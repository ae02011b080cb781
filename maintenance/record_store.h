#pragma once
// Changes the data maintenance window makes to one record of a stock data
// file, apart from the window.  Each works on a file its caller has open;
// the header's count and extremes follow as the window's public methods
// deldata and chgdata keep them.
#include <array>
#include <string>

#include "core/data_store.h"
#include "core/quote_record.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

// Form2.deldata: removes data record `record` (2 to N): the later records
// move down one place and the header counts one record fewer.  The file
// keeps its length (position N still holds the old last record) and the
// header's extremes stay.  False, writing nothing, for a number that names
// no data record: removing the header would put record 2 in its place.
bool DeleteRecord(RecordFile& file, int record);

// Form2.chgdata: the header's High, Low, Volume, SellBalance and
// BuyBalance become the extremes of records 2 to N; its other fields stay.
// Without data records High becomes 0 and Low the old High.
void RecomputeHeader(RecordFile& file);

// The extremes of the file as the grid was loaded.
struct HeaderExtremes {
    float high = 0, low = 0, volume = 0, sellBalance = 0, buyBalance = 0;
};

// A committed cell of column `column` (2 to 8 prices, volume and balances;
// 13 the multiplier in administrator mode; others no field) applied to
// `record`: `entry` is the editor's text, `value` its number.  True when
// the header's extremes must be recomputed: the record held an extreme or
// goes beyond one.
bool ApplyCellEntry(QuoteRecord& record, int column, const std::string& entry, float value,
                    const HeaderExtremes& extremes, bool admin);

// A committed cell written as one change of the stock data file at `path`:
// the cell's record and, when ApplyCellEntry asks for it, the header's
// extremes as RecomputeHeader leaves them, both or nothing.  The file is
// replaced whole through a temporary file.  A FileError, with the file as it
// was, when it cannot be read or replaced, when its header is damaged
// (counting no record of its own, or more records than the file holds), or
// when `record` is not one the header counts (the file changed under the
// grid).  True when the header was recomputed.
bool CommitCellEntry(const std::string& path, int record, int column, const std::string& entry, float value,
                     const HeaderExtremes& extremes, bool admin);

// The record being added: its date and the values of grid columns 2 to 8
// (Open, Close, High, Low, Volume, SellBalance, BuyBalance).
struct NewRecord {
    std::string date;
    std::array<float, 7> values{};
};
MergeOutcome StoreNewRecord(RecordFile& file, const NewRecord& row);

// Moves data record `record` to `date`: it leaves its place and is merged
// where the date belongs, replacing a record of that date.  Its
// correction multiplier goes with it, so a split-correction point stays on
// its bar.  False, writing nothing, for a number that names no data record.
bool MoveRecordToDate(RecordFile& file, int record, const std::string& date);

// The bytes of a file before a change of several steps, written back when
// a step fails, so that a failure leaves the file as it was.
class FileRestorePoint {
public:
    explicit FileRestorePoint(RecordFile& file);
    // Best effort: a file that cannot be written back stays as the failure
    // left it.
    void Restore() noexcept;

private:
    RecordFile& file_;
    std::string bytes_;
};

}  // namespace ranvik
