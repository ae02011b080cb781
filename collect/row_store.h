#pragma once
// Storing one parsed price row in a stock data file, and the import report
// every page reader writes into UpdateLog.
//
// The report of a price import: the header line, one line per row the merge
// wrote, and a closing text that depends on the reader.  Every text that
// says nothing was stored begins with "更新": the collection panel and the
// chart window's web update test those two characters.  A margin reader
// writes no header and no rows; it adds one closing text to the log of the
// price import before it.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <string_view>

#include "platform/runtime/record_file.h"

namespace ranvik {

namespace update_log {

// Column titles padded so that, in a fixed-pitch font where a Japanese
// character takes two columns, they stand over the row lines' fields.
inline constexpr std::string_view kPriceHeader =
    "日付      始値       高値       安値       終値       出来高\r\n";
inline constexpr std::string_view kUpdated = "以上を更新しました\r\n";
// Note the full-width "（" and the ASCII ")": the texts as the users know them.
inline constexpr std::string_view kDailyNoData = "更新すべきデータは有りません（更新済み/データ無し)";
inline constexpr std::string_view kWeeklyNoData = "更新すべき株価データは有りません（更新済み/データ無し)\r\n";
inline constexpr std::string_view kTableNoData = "更新すべきデータは有りません（更新済み/データ無し)\r\n";
inline constexpr std::string_view kMarginNoData = "更新すべき信用残データは有りません";
inline constexpr std::string_view kMarginCount = "個の信用残データを更新しました";
// A run that had to stop before its last row says why, on a line of its own
// after the closing text.
inline constexpr std::string_view kFileFull = "データファイルが一杯のため、以降のデータは保存できませんでした\r\n";
inline constexpr std::string_view kFileFailed = "データファイルに書き込めないため、以降のデータは保存できませんでした\r\n";

}  // namespace update_log

enum class PriceReader { DailyHistory, WeeklyHistory, PriceTable };
enum class RunStop { None, FileFull, FileFailed };

// UpdateLog becomes the header line.
void StartPriceReport();
// The closing text of a price reader: with no row written the log is replaced
// by the reader's no-data text; otherwise "以上を更新しました" is appended,
// except by the daily reader for a chart window's web update (mode 4).  A run
// that stopped early then adds its line.
void ClosePriceReport(PriceReader reader, int rowsWritten, int mode, RunStop stop = RunStop::None);
// A margin reader's closing text: the number of records written and
// "個の信用残データを更新しました", or the no-data text; no line end.  A run
// that stopped early then adds its line.
void CloseMarginReport(int recordsMerged, RunStop stop = RunStop::None);

enum class RowOutcome {
    Refused,    // a price, the volume or the date is not what it must be: nothing written or logged
    Unchanged,  // the file already held this row: nothing written or logged
    Inserted,
    Replaced,
    FileFull,   // the file holds the most records it can: nothing written or logged
};

// Stores one row into the open stock data file (records of 52 bytes) through
// MergeQuoteRecord and, when the merge wrote it, appends its line to
// UpdateLog.  The texts are the normalised page texts, in this order: open,
// close, high, low, the "mm/dd/yy" date, volume.
//
// QuoteBufB is filled as the merge expects: the prices and volume converted
// to singles, the date, RecordNo, the range fields and the balances 0.  A row
// replacing a stored one keeps that record's margin balances: the margin
// readers wrote them and no price page carries them.
//
// RecordWritten is -1 after a write and 0 otherwise, so a caller that counts
// by it never counts a refused row.  A file error other than a full file
// reaches the caller as FileError.
//
// The row line: date, two blanks, open, high, low and close each followed by
// 11 - its length blanks (none at 11 characters; one blank for a longer one
// so the fields stay apart), volume, "    replace" when a stored row of that
// date was overwritten, CR LF.
RowOutcome StoreQuoteRow(RecordFile& file, const std::string& open, const std::string& close,
                         const std::string& high, const std::string& low, const std::string& date,
                         const std::string& volume);

// StoreQuoteRow for the many rows of one import into one open data file.
// It keeps the file's header and newest records as read while it writes
// nothing, so a row the file already holds unchanged (most rows of a
// collection run) is known as such without a file access; any other row,
// and a row dated before the records it keeps, takes StoreQuoteRow's way.
// The file, the log, RecordWritten and the outcome are the same as
// StoreQuoteRow's for every row; the file must not be written by anything
// else meanwhile.
class QuoteRowStore {
public:
    explicit QuoteRowStore(RecordFile& file) : file_(file) {}
    RowOutcome Store(const std::string& open, const std::string& close, const std::string& high,
                     const std::string& low, const std::string& date, const std::string& volume);

private:
    // Reads the header and the newest records when they are not held;
    // false for a file the merge itself must judge (a damaged header, fewer
    // records than it counts).
    bool Load();

    RecordFile& file_;
    bool loaded_ = false;
    std::string header_;
    std::string newest_;        // records first_ to N
    std::int64_t first_ = 0;
    std::int64_t count_ = 0;    // N, the header's record count
};

// Writes weeks' selling and buying balances into the stored records of their
// "mm/dd/yy" dates.  A margin page never adds a bar and a record keeps every
// other byte, so the file is read once and each date found in memory.
class MarginBalanceStore {
public:
    // Reads the open stock data file (records of 52 bytes) whole.
    explicit MarginBalanceStore(RecordFile& file);
    // Writes the record of the date when the file holds one and either
    // balance differs from the stored one; the header's balance maxima grow
    // with it.  Returns whether the record was written (RecordWritten says
    // the same).  File errors reach the caller as FileError.
    bool Store(const std::string& date, float sell, float buy);

private:
    RecordFile& file_;
    std::string header_;
    std::string records_;  // records 2 to N as read, updated with each write
    std::unordered_map<std::string, std::int64_t> recordOf_;
};

}  // namespace ranvik
