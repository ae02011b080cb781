// The row rule of the record grid: grid rows to record numbers and back.
#include "maintenance/record_rows.h"

#include <algorithm>

#include "platform/runtime/ansi_text.h"

namespace ranvik {

namespace {

constexpr int kMinimumGridRows = 45;

int FirstShownRecord(const RowLayout& layout) { return layout.admin ? 1 : 2; }

}  // namespace

int NumberedRows(const RowLayout& layout) {
    return std::max(0, layout.recordCount - FirstShownRecord(layout) + 1);
}

int GridRowCount(const RowLayout& layout) { return std::max(kMinimumGridRows, NumberedRows(layout) + 1); }

int NewRowIndex(const RowLayout& layout) { return NumberedRows(layout) + 1; }

int RecordOfRow(const RowLayout& layout, int rowNumber) {
    if (rowNumber < 1 || rowNumber > NumberedRows(layout)) return 0;
    if (layout.newestFirst) return layout.recordCount - rowNumber + 1;
    return layout.admin ? rowNumber : rowNumber + 1;
}

int RowOfRecord(const RowLayout& layout, int record) {
    if (record < FirstShownRecord(layout) || record > layout.recordCount) return 0;
    if (layout.newestFirst) return layout.recordCount - record + 1;
    return layout.admin ? record : record - 1;
}

int RowNumberOf(std::string_view column0) {
    const std::string text = Trim(column0);
    if (text.empty() || text.size() > 6) return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace ranvik
